// Scripted headless playthroughs: the guided map and the first three missions
// are won at normal difficulty by the player's own actions alone (walking,
// looking, right-clicking with a tool) while the game runs.
#include "PlayerBot.h"
#include "ShippedMapPlay.h"
#include "machines/ActiveBlock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const vec3 kUp(0, 1, 0);

std::unique_ptr<World> startMission(const std::string& folder, const std::string& name) {
    srand(99);
    return loadShipped(folder, name);
}

bool hasMachine(World& w, int type, vec3 at) {
    for (ActiveBlock* a : w.actives)
        if (a->getType() == type && a->pos == at) return true;
    return false;
}

// Digs ground blocks south of the start until the ship holds `n` matter.
void mineUntil(PlayerBot& bot, int n, int x0, int z0) {
    for (int i = 0; bot.store().matter < n && i < 40; i++) {
        int x = x0 - 2 - i % 6, z = z0 - 2 - i / 6;
        bot.mine(vec3(x, bot.ground(x, z), z));
    }
}

// Closes the open faces of a mind with matter blocks, waiting for turrets to
// clear vask that stands in the way, until the mind is dead or time runs out.
void cage(PlayerBot& bot, vec3 mind, const std::vector<vec3>& faces, long long until) {
    while (bot.w.result == 0 && bot.frame < until && bot.type(mind) == 5) {
        for (vec3 f : faces) {
            vec3 c = mind + f;
            if (bot.type(c) != 0 || !bot.w.canPlayerPlace(c)) continue;
            if (bot.store().matter < 1) mineUntil(bot, 3, int(bot.w.player.pos.x), int(bot.w.player.pos.z));
            bot.place(0, mind, f);
        }
        bot.goHome();
        bot.play(10);
    }
}

// A turret on `base`'s top: matter, a generator block above it, a relay block as the barrel.
void buildTurret(PlayerBot& bot, vec3 base) {
    vec3 m = base + kUp;
    ASSERT_TRUE(bot.place(0, base, kUp));
    ASSERT_TRUE(bot.place(1, m, kUp));
    ASSERT_TRUE(bot.place(3, m + kUp, kUp));
    ASSERT_TRUE(bot.activateAt(m, vec3(0, 0, -1)));
    ASSERT_TRUE(hasMachine(bot.w, TYPE_TURRET, m));
}

// Four generator blocks stacked on `base`'s top, activated.
void buildGenerator(PlayerBot& bot, vec3 base) {
    for (int i = 0; i < 4; i++) ASSERT_TRUE(bot.place(1, base + float(i) * kUp, kUp));
    vec3 top = base + 4.0f * kUp;
    ASSERT_TRUE(bot.activateAt(top));
    ASSERT_TRUE(hasMachine(bot.w, TYPE_GENERATOR, top));
}

}  // namespace

TEST(MapPlay, GuidedFirstMapIsWonByItsOwnLessons) {
    auto w = startMission("Maps", "first_steps");
    PlayerBot bot(*w);
    bot.play(150);

    // Mining: every cut block comes back to the ship as matter.
    int before = bot.store().matter;
    mineUntil(bot, before + 4, 32, 12);
    ASSERT_EQ(bot.store().matter, before + 4);

    // A relay on its own by the ship.
    int gx = 39, gz = 16;
    vec3 relay(gx, bot.ground(gx, gz) + 1, gz);
    ASSERT_TRUE(bot.place(3, relay - kUp, kUp));
    ASSERT_TRUE(bot.activateAt(relay));
    ASSERT_TRUE(hasMachine(*w, TYPE_RELAY, relay));

    // A generator and a turret on the stone table; the turret burns the well clean
    // and one block on the mind closes its last face.
    buildGenerator(bot, vec3(35, 14, 40));
    buildTurret(bot, vec3(32, 14, 40));
    vec3 mind(32, 12, 44);
    cage(bot, mind, {kUp}, 40000);
    EXPECT_EQ(w->result, 1) << "frame " << bot.frame;
    EXPECT_EQ(countMachines(*w, TYPE_MIND), 0);
    EXPECT_EQ(bot.type(mind), 16);
}

TEST(MapPlay, LandfallIsWonByCoveringTheSeed) {
    auto w = startMission("Campaign", "01_Landfall");
    PlayerBot bot(*w);
    bot.play(200);
    int before = bot.store().matter;
    ASSERT_TRUE(bot.mine(vec3(30, bot.ground(30, 14), 14)));
    EXPECT_EQ(bot.store().matter, before + 1);
    vec3 relay(38, bot.ground(38, 16) + 1, 16);
    ASSERT_TRUE(bot.place(3, relay - kUp, kUp));
    ASSERT_TRUE(bot.activateAt(relay));
    EXPECT_TRUE(hasMachine(*w, TYPE_RELAY, relay));

    vec3 seed(30, 10, 40);
    ASSERT_EQ(bot.type(seed), 5);
    ASSERT_TRUE(bot.place(0, seed, kUp));
    bot.play(5);
    EXPECT_EQ(w->result, 1);
    EXPECT_LT(bot.frame, 15000) << "won by the recall, not by the player";
    EXPECT_EQ(bot.type(seed), 16);
}

TEST(MapPlay, PowerLinesIsWonByAGeneratorAndTwoCoveredSeeds) {
    auto w = startMission("Campaign", "02_Power_Lines");
    PlayerBot bot(*w);
    bot.play(200);
    buildGenerator(bot, vec3(20, bot.ground(20, 8), 8));
    vec3 seeds[] = {vec3(52, 12, 50), vec3(16, 11, 56)};
    for (vec3 s : seeds) {
        ASSERT_EQ(bot.type(s), 5);
        ASSERT_TRUE(bot.place(0, s, kUp));
        bot.play(5);
    }
    EXPECT_EQ(w->result, 1);
    EXPECT_LT(bot.frame, 20000) << "won by the recall, not by the player";
}

TEST(MapPlay, FirstFireIsWonByATurretAndCaging) {
    auto w = startMission("Campaign", "03_First_Fire");
    PlayerBot bot(*w);
    bot.play(200);
    mineUntil(bot, 9, 26, 10);

    vec3 sleeper(20, 9, 52);
    ASSERT_TRUE(bot.place(0, sleeper, kUp));
    bot.play(5);
    EXPECT_EQ(bot.type(sleeper), 16);

    buildGenerator(bot, vec3(53, 18, 46));
    buildTurret(bot, vec3(50, 18, 46));
    cage(bot, vec3(50, 16, 50), {kUp}, 40000);
    EXPECT_EQ(w->result, 1) << "frame " << bot.frame;
    EXPECT_EQ(countMachines(*w, TYPE_MIND), 0);
}
