// The shapes the moving and building minds leave behind after a number of
// actions from a fixed start, and the network's mine-to-mine sharing.
#include "MachineFixture.h"
#include "WorldFixture.h"

#include "machines/Mine.h"
#include "machines/VaskMind.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

VaskMind* placeMind(World& w, vec3 p, int ai, int size, int strength = 7) {
    return addMachine<VaskMind>(w, p, ai, strength, 1, size);
}

void fillLayers(World& w, int y0, int y1, int type = 3) {
    for (unsigned x = 0; x < w.width; x++)
        for (int y = y0; y <= y1; y++)
            for (unsigned z = 0; z < w.depth; z++) w.setBlockAndUpdate(int(x), y, int(z), type, 0);
}

int typeAt(World& w, int x, int y, int z) { return getWBlock(&w, x, y, z).type; }
bool isVask(World& w, int x, int y, int z) { return typeAt(w, x, y, z) == 2; }

// The mind acts on every tick (speed 1): one step is one action.
void act(World& w, long long& tick, int actions = 1) {
    for (int i = 0; i < actions; i++) stepWorld(w, ++tick);
}

bool inCube(vec3 c, int x, int y, int z, int half) {
    return std::abs(x - int(c.x)) <= half && std::abs(y - int(c.y)) <= half && std::abs(z - int(c.z)) <= half;
}

struct MindShape : ::testing::Test {
    Quiet quiet;
};

}  // namespace

TEST_F(MindShape, SlugCrawlsAlongTheGroundLeavingItsLowestLayer) {
    srand(9);
    auto w = makeWorld(30, 20, 30);
    fillLayers(*w, 0, 0);
    VaskMind* m = placeMind(*w, vec3(15, 2, 15), 4, 1);
    long long tick = 0;
    act(*w, tick, 26);  // its 3 x 3 x 3 body first
    EXPECT_EQ(countType(*w, 2), 26);
    for (int i = 0; i < 54; i++) {
        act(*w, tick);
        EXPECT_EQ(m->pos.y, 2) << i;  // it crawls, neither climbing nor sinking
    }
    vec3 d = m->pos - vec3(15, 2, 15);
    ASSERT_GT(std::abs(d.x) + std::abs(d.z), 4);
    // Where it started, only the bottom layer of its body is left.
    for (int x = 14; x <= 16; x++)
        for (int z = 14; z <= 16; z++) {
            if (inCube(m->pos, x, 1, z, 2)) continue;
            EXPECT_TRUE(isVask(*w, x, 1, z)) << x << "," << z;
            EXPECT_EQ(typeAt(*w, x, 2, z), 0) << x << "," << z;
            EXPECT_EQ(typeAt(*w, x, 3, z), 0) << x << "," << z;
        }
    // The trail makes it grow as it goes.
    EXPECT_GT(countType(*w, 2), 26 + 10);
}

TEST_F(MindShape, SaucerKeepsItsVolumeWhileSliding) {
    srand(8);
    auto w = makeWorld(30, 20, 30);
    fillLayers(*w, 0, 0);
    VaskMind* m = placeMind(*w, vec3(15, 5, 15), 5, 1);
    long long tick = 0;
    act(*w, tick, 8);  // the disk around it
    ASSERT_EQ(countType(*w, 2), 8);
    int slides = 0;
    for (int i = 0; i < 40; i++) {
        vec3 before = m->pos;
        act(*w, tick);
        if (m->pos.y != before.y || m->pos == before) break;  // arrived: it starts its column
        EXPECT_EQ(countType(*w, 2), 8) << i;
        EXPECT_EQ(countType(*w, 5), 1) << i;
        // All of it is the flat disk around the mind.
        for (int a = -1; a <= 1; a++)
            for (int b = -1; b <= 1; b++)
                if (a || b) {
                    EXPECT_TRUE(isVask(*w, int(m->pos.x) + a, 5, int(m->pos.z) + b)) << i;
                }
        slides++;
    }
    EXPECT_GT(slides, 5);
}

TEST_F(MindShape, ArchSpansFromTheMindToItsTarget) {
    auto w = makeWorld(30, 20, 20);
    fillLayers(*w, 0, 0);
    VaskMind* m = placeMind(*w, vec3(5, 1, 10), 7, 1);
    m->target = vec3(25, 0, 10);  // a ground cell, so no random draw
    long long tick = 0;
    // Once its target is filled it would draw a new one: stop there.
    int actions = 0;
    while (!isVask(*w, 25, 0, 10) && actions < 400) {
        act(*w, tick);
        actions++;
    }
    ASSERT_TRUE(isVask(*w, 25, 0, 10));
    EXPECT_EQ(m->pos, vec3(5, 1, 10));  // it stays
    // Its middle stands 6.25 cells above the straight line, over air.
    EXPECT_TRUE(isVask(*w, 15, 6, 10));
    for (int y = 1; y <= 4; y++) EXPECT_EQ(typeAt(*w, 15, y, 10), 0) << y;
    // An unbroken span: every column between mind and target holds some of it.
    for (int x = 7; x <= 25; x++) {
        int cells = 0;
        for (int y = 0; y < 20; y++) cells += isVask(*w, x, y, 10);
        EXPECT_GE(cells, 1) << x;
    }
    // Nothing grows off the arch's plane beyond the mind's own box.
    for (int x = 7; x < 30; x++)
        for (int y = 0; y < 20; y++)
            for (int z = 0; z < 20; z++)
                if (z != 10) {
                    EXPECT_FALSE(isVask(*w, x, y, z)) << x << "," << y << "," << z;
                }
}

TEST_F(MindShape, StalkDrawsALineThenAColumnAtItsTarget) {
    auto w = makeWorld(30, 20, 20);
    VaskMind* m = placeMind(*w, vec3(5, 10, 10), 11, 2);
    m->target = vec3(20, 5, 10);  // air, so it is kept until the column fills it
    long long tick = 0;
    act(*w, tick, 26);  // its 3 x 3 x 3 box
    int count = countType(*w, 2);
    ASSERT_EQ(count, 26);
    bool column = false;
    for (int i = 0; i < 40 && !column; i++) {
        act(*w, tick);
        int now = countType(*w, 2);
        column = isVask(*w, 20, 5, 10);
        // The line grows one cell per action; the column all at once.
        EXPECT_EQ(now - count, column ? 4 : 1) << i;
        count = now;
    }
    ASSERT_TRUE(column);
    EXPECT_EQ(m->pos, vec3(5, 10, 10));
    for (int y = 3; y <= 6; y++) EXPECT_TRUE(isVask(*w, 20, y, 10)) << y;
    EXPECT_EQ(typeAt(*w, 20, 7, 10), 0);
    EXPECT_EQ(typeAt(*w, 20, 2, 10), 0);
    // The straight line between: its middle lies on the chord.
    EXPECT_TRUE(isVask(*w, 12, 7, 10));
    EXPECT_TRUE(isVask(*w, 16, 6, 10));
}

TEST_F(MindShape, TracerHuntsThePlayerLeavingItsBodyBehind) {
    auto w = makeWorld(30, 12, 12);
    w->player.pos = vec3(25, 5, 5);
    VaskMind* m = placeMind(*w, vec3(5, 5, 5), 13, 1);
    long long tick = 0;
    act(*w, tick, 26);
    EXPECT_EQ(m->pos, vec3(5, 5, 5));
    float dist = 20;
    for (int i = 0; i < 90; i++) {
        act(*w, tick);
        float now = glm::length(w->player.pos - m->pos);
        EXPECT_LE(now, dist) << i;  // never away from the player
        dist = now;
    }
    EXPECT_EQ(m->pos.y, 5);
    EXPECT_EQ(m->pos.z, 5);
    EXPECT_GE(m->pos.x, 12);
    // Its whole path is a solid 3 x 3 tube of vask.
    for (int x = 4; x < int(m->pos.x); x++)
        for (int y = 4; y <= 6; y++)
            for (int z = 4; z <= 6; z++) EXPECT_TRUE(isVask(*w, x, y, z)) << x << "," << y << "," << z;
}

TEST_F(MindShape, UEatsATunnelThroughTheGround) {
    auto w = makeWorld(30, 12, 20);
    fillLayers(*w, 0, 8);
    w->setBlockAndUpdate(5, 6, 10, 0, 0);  // one air cell keeps it from being caged
    VaskMind* m = placeMind(*w, vec3(5, 5, 10), 14, 1);
    m->target = vec3(25, 5, 10);  // stone, so no random draw
    long long tick = 0;
    act(*w, tick, 26);  // its body eaten out of the stone, no air needed
    EXPECT_EQ(countType(*w, 2), 26);
    EXPECT_EQ(m->pos, vec3(5, 5, 10));
    act(*w, tick, 9 * 8);
    EXPECT_EQ(m->pos, vec3(13, 5, 10));
    for (int x = 4; x <= 14; x++)
        for (int y = 4; y <= 6; y++)
            for (int z = 9; z <= 11; z++)
                EXPECT_TRUE(isVask(*w, x, y, z) || vec3(x, y, z) == m->pos) << x << "," << y << "," << z;
    EXPECT_EQ(typeAt(*w, 15, 5, 10), 3);
    EXPECT_EQ(typeAt(*w, 5, 7, 10), 3);
}

// Two linked mines without gens (digging then costs them nothing), the first
// with `richEnergy` and `richStore`, the second with `poorEnergy` and
// `poorStore`. Steps until the second one's energy changes (a packet arrived).
struct MinePair {
    std::unique_ptr<World> w = makeWorld(20, 12, 20);
    resourceStruct kit = parts(0, 0, 0, 1, 0);
    Mine* rich = addMachine<Mine>(*w, vec3(5, 1, 5), 1, 4, 4, 6, 6, kit, noPattern);
    Mine* poor = addMachine<Mine>(*w, vec3(8, 1, 5), 1, 7, 4, 9, 6, kit, noPattern);

    MinePair(float richEnergy, int richStore, float poorEnergy, int poorStore) {
        rich->energy = richEnergy;
        rich->store = richStore;
        poor->energy = poorEnergy;
        poor->store = poorStore;
    }
    bool untilPoorGets(long long lastTick) {
        float before = poor->energy;
        for (long long t = 1; t <= lastTick; t++) {
            stepWorld(*w, t);
            if (poor->energy != before) return true;
        }
        return false;
    }
};

TEST(MineToMine, EnergyIsSharedAndMatterNeverMoves) {
    {
        MinePair p(20, 0, 0, 0);
        ASSERT_EQ(p.rich->dmg, 0);
        ASSERT_FLOAT_EQ(p.poor->capacity, 20);
        ASSERT_TRUE(p.untilPoorGets(400));
        // The poorer one asks for half the difference.
        EXPECT_FLOAT_EQ(p.poor->energy, 10);
        EXPECT_FLOAT_EQ(p.rich->energy, 10);
        // Even now nothing more flows either way.
        runTicks(*p.w, 401, 800);
        EXPECT_FLOAT_EQ(p.poor->energy, 10);
        EXPECT_FLOAT_EQ(p.rich->energy, 10);
    }
    {
        // A matter difference of six asks for energy sized by it (6 / 2), and
        // no matter travels.
        MinePair p(10, 8, 10, 2);
        EXPECT_TRUE(p.untilPoorGets(400));
        EXPECT_EQ(p.rich->store, 8);
        EXPECT_EQ(p.poor->store, 2);
        EXPECT_FLOAT_EQ(p.poor->energy, 13);
        EXPECT_FLOAT_EQ(p.rich->energy, 7);
    }
    {
        // Differences under the thresholds (5 energy, 6 matter) move nothing.
        MinePair p(15, 7, 10, 2);
        EXPECT_FALSE(p.untilPoorGets(400));
        EXPECT_FLOAT_EQ(p.rich->energy, 15);
    }
}
