// Turret, mortar and shield: construction, firing, energy and the request pass.
#include "TickHelper.h"
#include "WorldFixture.h"

#include "machines/Mortor.h"
#include "machines/Projectiles.h"
#include "machines/Shield.h"
#include "machines/Turret.h"

#include <gtest/gtest.h>

namespace {

struct TurretRig {
    std::unique_ptr<World> w;
    Turret* t = nullptr;
};

// A turret at (5,5,5): two gen blocks below it, a relay and a gen block as the
// barrel above (one of them two cells out along +x).
TurretRig buildTurret(unsigned size = 20) {
    TurretRig r;
    r.w = makeWorld(size, size, size);
    World& w = *r.w;
    w.setBlockAndUpdate(5, 4, 5, 10, 0);
    w.setBlockAndUpdate(5, 3, 5, 10, 0);
    w.setBlockAndUpdate(5, 6, 5, 12, 0);
    w.setBlockAndUpdate(6, 6, 5, 9, 0);
    w.setBlockAndUpdate(7, 6, 5, 9, 0);
    resourceStruct cmp = parts(3, 2, 0, 1, 0);
    std::set<vec3, veccomp> s{vec3(5, 3, 5), vec3(5, 4, 5), vec3(5, 5, 5), vec3(5, 6, 5), vec3(6, 6, 5), vec3(7, 6, 5)};
    std::list<std::pair<vec3, int>> top{{vec3(5, 6, 5), 12}, {vec3(6, 6, 5), 9}, {vec3(7, 6, 5), 9}};
    r.t = addMachine<Turret>(w, vec3(5, 5, 5), cmp, s, top, 9);
    w.player.pos = vec3(15, 15, 15);
    return r;
}

}  // namespace

TEST(Turret, BuildsFromItsCountsAndHidesItsBarrel) {
    Quiet q;
    auto r = buildTurret();
    Turret& t = *r.t;
    EXPECT_EQ(t.dmg, 2);
    EXPECT_EQ(t.rate, 50);
    EXPECT_FLOAT_EQ(t.capacity, 5.0f);
    EXPECT_EQ(t.hp, 4);
    EXPECT_FLOAT_EQ(t.range, 5.0f);
    for (auto& b : t.top) EXPECT_EQ(r.w->cell(int(b.first.x), int(b.first.y), int(b.first.z)).type, 6);
    // The farthest barrel block is the tip.
    EXPECT_EQ(t.tip, vec3(2, 1, 0));
    EXPECT_FLOAT_EQ(t.yaw, -t.dir);

    // Breaking a pattern block shuts it down and gives the barrel back.
    r.w->setBlockAndUpdate(5, 3, 5, 3, 0);
    runTicks(*r.w, 1, 1);
    EXPECT_FALSE(t.alive);
    EXPECT_EQ(r.w->cell(5, 6, 5).type, 12);
    EXPECT_EQ(r.w->cell(7, 6, 5).type, 9);
    EXPECT_EQ(r.w->cell(5, 5, 5).type, 9);
}

TEST(Turret, EachShotCostsAFifthOfItsDamage) {
    Quiet q;
    auto r = buildTurret();
    World& w = *r.w;
    w.placeVask(9, 5, 5, 10);
    r.t->energy = 1.0f;
    runTicks(w, 1, 49);
    EXPECT_EQ(countEntities<EntityProjectile>(w), 0);
    runTicks(w, 50, 50);
    EXPECT_EQ(countEntities<EntityProjectile>(w), 1);
    EXPECT_NEAR(r.t->energy, 0.6f, 1e-5);
    EXPECT_EQ(r.t->target, vec3(9, 5, 5));
    // Too little energy left for a third shot.
    runTicks(w, 51, 200);
    EXPECT_NEAR(r.t->energy, 0.2f, 1e-5);
    EXPECT_EQ(w.cell(9, 5, 5).data, 6);
}

TEST(Turret, ClearsVaskInReachThenStopsFiring) {
    Quiet q;
    auto r = buildTurret();
    World& w = *r.w;
    for (int x = 7; x <= 8; x++)
        for (int z = 7; z <= 8; z++)
            for (int y = 5; y <= 6; y++) w.placeVask(x, y, z, 3);
    // Out of reach (range 5): must survive.
    w.placeVask(15, 5, 5, 3);
    r.t->energy = 7.5f;
    runTicks(w, 1, 1500);
    EXPECT_EQ(countType(w, 2), 1);
    EXPECT_EQ(w.cell(15, 5, 5).type, 2);
    // Eight cells of strength 3 take two shells of 2 each.
    EXPECT_NEAR(r.t->energy, 7.5f - 16 * 0.4f, 1e-4);
    float left = r.t->energy;
    runTicks(w, 1501, 2000);
    EXPECT_FLOAT_EQ(r.t->energy, left);
    EXPECT_EQ(countEntities<EntityProjectile>(w), 0);
}

TEST(Turret, ShellDamagesItsWaypointWhateverItHolds) {
    Quiet q;
    auto w = makeWorld(12, 12, 12);
    w->setBlockAndUpdate(6, 6, 6, 3, 0);  // stone, data 0
    w->setBlockAndUpdate(8, 6, 6, 2, 5);
    w->placeEntity(new EntityProjectile(w.get(), vec3(2.5f, 6.5f, 6.5f), {vec3(6.5f, 6.5f, 6.5f)}, 1));
    w->placeEntity(new EntityProjectile(w.get(), vec3(8.5f, 3.5f, 6.5f), {vec3(8.5f, 6.5f, 6.5f)}, 2));
    runTicks(*w, 1, 30);
    EXPECT_EQ(w->cell(6, 6, 6).type, 0);
    EXPECT_EQ(w->cell(8, 6, 6).type, 2);
    EXPECT_EQ(w->cell(8, 6, 6).data, 3);
    EXPECT_EQ(countEntities<EntityProjectile>(*w), 0);
}

namespace {
// A network neighbour that records what it is asked for.
class Giver : public Netable {
public:
    int type;
    bool answer;
    std::vector<std::pair<int, float>>* log;
    Giver(World* w, int t, bool a, std::vector<std::pair<int, float>>* l)
        : Netable(w, 5.0f, 9), type(t), answer(a), log(l) {}
    void update(long long) override {}
    void takeCargo(resourceStruct) override {}
    bool handleRequest(resourceStruct r, Netable*) override {
        log->push_back({type, r.energy});
        return answer;
    }
    void onClick() override {}
    int getType() override { return type; }
    int getBlock() override { return 14; }
};
}  // namespace

TEST(Turret, AsksRelaysFirstFromTheLastLinkUntilOneAnswers) {
    Quiet q;
    std::vector<std::pair<int, float>> log;
    auto w = makeWorld(20, 20, 20);
    w->setActiveBlockAndUpdate(3, 5, 5, new Giver(w.get(), TYPE_GENERATOR, false, &log));
    w->setActiveBlockAndUpdate(4, 5, 5, new Giver(w.get(), TYPE_RELAY, false, &log));
    w->setActiveBlockAndUpdate(6, 5, 5, new Giver(w.get(), TYPE_GENERATOR, true, &log));
    w->setActiveBlockAndUpdate(7, 5, 5, new Giver(w.get(), TYPE_RELAY, false, &log));
    resourceStruct cmp = parts(0, 1, 0, 1, 0);
    std::set<vec3, veccomp> s{vec3(5, 5, 5)};
    std::list<std::pair<vec3, int>> top;
    Turret* t = addMachine<Turret>(*w, vec3(5, 5, 5), cmp, s, top, 9);
    t->energy = 1.0f;
    t->update(5);
    // Relays last to first, then generators/relays/ship last to first, until
    // the generator at x = 6 answers.
    std::vector<std::pair<int, float>> want{
        {TYPE_RELAY, 4.0f}, {TYPE_RELAY, 4.0f}, {TYPE_RELAY, 4.0f}, {TYPE_GENERATOR, 4.0f}};
    EXPECT_EQ(log, want);
    EXPECT_TRUE(t->reqLock);
    log.clear();
    t->update(25);
    EXPECT_TRUE(log.empty());
    resourceStruct cargo;
    cargo.energy = 100;
    t->takeCargo(cargo);
    EXPECT_FLOAT_EQ(t->energy, 1.5f * t->capacity);
    EXPECT_FALSE(t->reqLock);
    // Full: nobody is asked.
    t->update(45);
    EXPECT_TRUE(log.empty());
}

TEST(Mortor, LaunchesASingularityOneCellDeeperIntoTheVask) {
    Quiet q;
    auto w = makeWorld(30, 30, 30);
    w->setBlockAndUpdate(10, 6, 10, 12, 0);
    resourceStruct cmp = parts(0, 4, 1, 1, 0);
    std::set<vec3, veccomp> s{vec3(10, 5, 10), vec3(10, 6, 10)};
    std::list<vec3> top{vec3(10, 6, 10)};
    Mortor* m = new Mortor(w.get(), cmp, s, top, 2.0f);
    EXPECT_EQ(m->dmg, 3);
    EXPECT_EQ(m->rate, 300);
    EXPECT_FLOAT_EQ(m->capacity, 7.0f);
    EXPECT_EQ(w->cell(10, 6, 10).type, 6);
    w->setActiveBlockAndUpdate(10, 5, 10, m);
    w->placeVask(14, 5, 10, 10);
    m->energy = 10;
    runTicks(*w, 1, 300);
    EXPECT_EQ(m->target, vec3(15, 5, 10));
    EXPECT_FLOAT_EQ(m->energy, 4.0f);
    ASSERT_EQ(countEntities<EntityMSingularity>(*w), 1);
    for (auto& row : w->sectors)
        for (auto& sec : row)
            for (Entity* e : sec.ents) {
                auto* sg = static_cast<EntityMSingularity*>(e);
                EXPECT_FLOAT_EQ(sg->size, 1.0f);
                EXPECT_EQ(sg->pos, vec3(10.5f, 8.0f, 10.5f));
                EXPECT_EQ(sg->path.front(), vec3(15.5f, 5.5f, 10.5f));
            }
}

// (0, 0, 0) is a cell like any other: vask there, or a deep target that lands
// there, is still shot at, and the mortar searches again once it is gone.
TEST(Mortor, TargetsTheWorldsCornerCellLikeAnyOther) {
    auto w = makeWorld(30, 30, 30);
    w->setBlockAndUpdate(4, 5, 4, 12, 0);
    resourceStruct cmp = parts(0, 4, 1, 1, 0);
    std::set<vec3, veccomp> s{vec3(4, 4, 4), vec3(4, 5, 4)};
    std::list<vec3> top{vec3(4, 5, 4)};
    Mortor* m = new Mortor(w.get(), cmp, s, top, 2.0f);
    w->setActiveBlockAndUpdate(4, 4, 4, m);
    w->placeVask(0, 0, 0, 10);
    w->placeVask(1, 1, 1, 10);  // found first; one cell deeper is the corner
    m->energy = 20;
    {
        Quiet q;  // no sounds folder here
        runTicks(*w, 1, 300);
    }
    EXPECT_EQ(m->target, vec3(0, 0, 0));
    EXPECT_FLOAT_EQ(m->energy, 14.0f);  // one shot of 2 x 3

    w->setBlockAndUpdate(0, 0, 0, 0, 0);
    w->setBlockAndUpdate(1, 1, 1, 0, 0);
    w->placeVask(8, 4, 4, 10);
    {
        Quiet q;
        runTicks(*w, 301, 600);
    }
    EXPECT_EQ(m->target, vec3(9, 4, 4));
    EXPECT_FLOAT_EQ(m->energy, 8.0f);
}

TEST(Mortor, HandsItsDomeBackOnShutdown) {
    auto w = makeWorld(20, 20, 20);
    w->setBlockAndUpdate(10, 3, 10, 10, 0);
    for (int x = 9; x <= 11; x++) w->setBlockAndUpdate(x, 6, 10, 12, 0);
    resourceStruct cmp = parts(1, 1, 0, 3, 0);
    std::set<vec3, veccomp> s{vec3(10, 3, 10), vec3(10, 4, 10), vec3(9, 6, 10), vec3(10, 6, 10), vec3(11, 6, 10)};
    std::list<vec3> dome{vec3(9, 6, 10), vec3(10, 6, 10), vec3(11, 6, 10)};
    Mortor* m = new Mortor(w.get(), cmp, s, dome, 2.0f);
    w->setActiveBlockAndUpdate(10, 4, 10, m);
    for (const vec3& d : dome) EXPECT_EQ(w->cell(int(d.x), int(d.y), int(d.z)).type, 6);
    w->setBlockAndUpdate(11, 6, 10, 3, 0);  // one dome cell was replaced meanwhile
    w->setBlockAndUpdate(10, 3, 10, 3, 0);   // a pattern block is gone
    {
        Quiet q;
        runTicks(*w, 1, 1);
    }
    EXPECT_FALSE(m->alive);
    EXPECT_EQ(w->cell(9, 6, 10).type, 12);
    EXPECT_EQ(w->cell(10, 6, 10).type, 12);
    EXPECT_EQ(w->cell(11, 6, 10).type, 3);  // not a hidden block any more: left alone
    EXPECT_EQ(w->cell(10, 4, 10).type, 9);  // its head block, matter
}

TEST(Shield, FillsFromEnergyAndBurnsWeakerVask) {
    Quiet q;
    auto w = makeWorld(30, 30, 30);
    resourceStruct cmp = parts(0, 4, 0, 0, 0);
    std::set<vec3, veccomp> s{vec3(10, 10, 10)};
    Shield* sh = addMachine<Shield>(*w, vec3(10, 10, 10), cmp, s);
    EXPECT_FLOAT_EQ(sh->size, 3.0f);
    EXPECT_EQ(sh->maxStrength, 40);
    sh->energy = 8.0f;
    sh->update(30);
    EXPECT_EQ(sh->strength, 40);
    EXPECT_FLOAT_EQ(sh->energy, 0.0f);

    // Partly filled: two energy give ten strength.
    Shield* sh2 = addMachine<Shield>(*w, vec3(20, 20, 20), cmp, s);
    sh2->energy = 2.0f;
    sh2->update(30);
    EXPECT_EQ(sh2->strength, 10);

    // Strength 10 burns a cell of 9 on the top face, not one of 10.
    sh->strength = 10;
    w->placeVask(10, 13, 10, 10);
    sh->doDmg();
    EXPECT_EQ(w->cell(10, 13, 10).type, 2);
    EXPECT_EQ(sh->strength, 10);
    w->placeVask(10, 13, 10, 9);
    sh->doDmg();
    EXPECT_EQ(w->cell(10, 13, 10).type, 0);
    EXPECT_EQ(sh->strength, 1);
    // Vask inside the bubble is not on a face and is left alone.
    sh->strength = 40;
    w->placeVask(11, 11, 10, 1);
    sh->doDmg();
    EXPECT_EQ(w->cell(11, 11, 10).type, 2);
}
