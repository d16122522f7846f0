// The minds: caging, the behaviours' growth rules and the editor panel.
#include "TickHelper.h"
#include "WorldFixture.h"

#include "machines/AutoTurret.h"
#include "machines/VaskMind.h"
#include "panels/StatusScreen.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

VaskMind* placeMind(World& w, vec3 p, int ai, int speed, int size, int strength = 7) {
    return addMachine<VaskMind>(w, p, ai, strength, speed, size);
}

void floor(World& w, int y, int type = 3) {
    for (unsigned x = 0; x < w.width; x++)
        for (unsigned z = 0; z < w.depth; z++) w.setBlockAndUpdate(int(x), y, int(z), type, 0);
}

bool isVask(World& w, int x, int y, int z) { return getWBlock(&w, x, y, z).type == 2; }

// Runs the mind's next action (and the ticks before it).
void nextAction(World& w, VaskMind* m, long long& tick) {
    do stepWorld(w, ++tick);
    while (tick % m->speed != 0);
}

// Minds report as they grow: every case runs quietly.
struct Mind : ::testing::Test {
    Quiet quiet;
};

}  // namespace

TEST_F(Mind, CagedBySixBlocksDiesLeavingADeadMind) {
    auto w = makeWorld(12, 12, 12);
    VaskMind* m = placeMind(*w, vec3(5, 5, 5), 0, 50, 1);
    const int n[6][3] = {{4, 5, 5}, {6, 5, 5}, {5, 4, 5}, {5, 6, 5}, {5, 5, 4}, {5, 5, 6}};
    for (int i = 0; i < 5; i++) w->setBlockAndUpdate(n[i][0], n[i][1], n[i][2], 3, 0);
    runTicks(*w, 1, 1);
    EXPECT_TRUE(m->alive);  // one air neighbour keeps it alive
    w->setBlockAndUpdate(5, 5, 6, 20, 0);
    runTicks(*w, 2, 2);
    EXPECT_FALSE(m->alive);
    EXPECT_EQ(w->cell(5, 5, 5).type, 16);
    EXPECT_EQ(w->cell(5, 5, 5).data, 10);
    runTicks(*w, 3, 3);
    EXPECT_TRUE(w->actives.empty());

    // The world's border is a wall too.
    auto e = makeWorld(12, 12, 12);
    VaskMind* c = placeMind(*e, vec3(0, 0, 0), 0, 50, 1);
    e->setBlockAndUpdate(1, 0, 0, 3, 0);
    e->setBlockAndUpdate(0, 1, 0, 3, 0);
    e->setBlockAndUpdate(0, 0, 1, 3, 0);
    runTicks(*e, 1, 1);
    EXPECT_FALSE(c->alive);
}

TEST_F(Mind, VineFirstFillsItsHorizontalNeighboursOneCellPerAction) {
    srand(11);
    auto w = makeWorld(20, 20, 20);
    floor(*w, 4);
    VaskMind* m = placeMind(*w, vec3(10, 5, 10), 0, 50, 1);
    runTicks(*w, 1, 49);
    EXPECT_EQ(countType(*w, 2), 0);
    const int want[4][2] = {{9, 10}, {10, 9}, {11, 10}, {10, 11}};
    long long tick = 49;
    for (int i = 0; i < 4; i++) {
        runTicks(*w, tick + 1, tick + 50);
        tick += 50;
        EXPECT_EQ(countType(*w, 2), i + 1);
        EXPECT_TRUE(isVask(*w, want[i][0], 5, want[i][1])) << i;
        EXPECT_EQ(w->cell(want[i][0], 5, want[i][1]).data, 7);
    }
    EXPECT_EQ(m->ticker, 4);
    // Later cells creep outwards through its body, still one per action.
    for (int i = 0; i < 20; i++) {
        runTicks(*w, tick + 1, tick + 50);
        tick += 50;
        EXPECT_LE(countType(*w, 2), 5 + i);
    }
    EXPECT_GT(countType(*w, 2), 4);
}

TEST_F(Mind, SlimeFallsOneCellPerActionAndKeepsItsVolume) {
    srand(5);
    auto w = makeWorld(30, 40, 30);
    VaskMind* m = placeMind(*w, vec3(15, 30, 15), 3, 1, 1);
    long long tick = 0;
    for (int i = 0; i < 26; i++) nextAction(*w, m, tick);
    EXPECT_EQ(countType(*w, 2), 26);
    EXPECT_EQ(m->pos, vec3(15, 30, 15));
    float y = m->pos.y;
    for (int i = 0; i < 8; i++) {
        nextAction(*w, m, tick);
        EXPECT_EQ(m->pos.y, y - 1) << i;
        y = m->pos.y;
        EXPECT_EQ(countType(*w, 2) + countType(*w, 5), 27) << i;
        EXPECT_EQ(w->cell(int(m->pos.x), int(m->pos.y), int(m->pos.z)).type, 5);
    }
}

TEST_F(Mind, CentipedeGrowsLegsTenDownBeforeMovingTwoCells) {
    srand(3);
    auto w = makeWorld(40, 40, 40);
    VaskMind* m = placeMind(*w, vec3(20, 25, 20), 2, 1, 1);
    long long tick = 0;
    vec3 start = m->pos;
    int moves = 0;
    for (int i = 0; i < 700; i++) {
        vec3 before = m->pos;
        int dirBefore = m->dir;
        nextAction(*w, m, tick);
        if (m->pos == before) continue;
        if (before == start) {
            // Legs on both sides reach 10 cells down before the first step.
            int lx = dirBefore == 0 ? 1 : 0, lz = 1 - lx;
            for (int d = 0; d < 10; d++) {
                EXPECT_TRUE(isVask(*w, int(start.x) + lx, int(start.y) - d, int(start.z) + lz)) << d;
                EXPECT_TRUE(isVask(*w, int(start.x) - lx, int(start.y) - d, int(start.z) - lz)) << d;
            }
            EXPECT_GE(i, 26 + 98 + 14 - 1);
        }
        vec3 d = glm::abs(m->pos - before);
        if (m->pos != m->target) {
            EXPECT_EQ(d.x + d.y + d.z, 2.0f) << i;
        }
        moves++;
    }
    EXPECT_GT(moves, 3);
}

TEST_F(Mind, SaucerOverwritesAnyBlockInItsDiskAndColumn) {
    srand(8);
    auto w = makeWorld(20, 20, 20);
    for (int x = 9; x <= 11; x++)
        for (int z = 9; z <= 11; z++) w->setBlockAndUpdate(x, 5, z, 20, 0);
    for (int y = 1; y <= 4; y++) w->setBlockAndUpdate(10, y, 10, 3, 0);
    VaskMind* m = placeMind(*w, vec3(10, 5, 10), 5, 1, 1);
    long long tick = 0;
    for (int i = 0; i < 8; i++) nextAction(*w, m, tick);
    for (int x = 9; x <= 11; x++)
        for (int z = 9; z <= 11; z++)
            if (x != 10 || z != 10) {
                EXPECT_TRUE(isVask(*w, x, 5, z)) << x << "," << z;
            }
    // Standing on its target, it drops a column through the stone below.
    m->target = vec3(10, 1, 10);
    for (int i = 0; i < 4; i++) nextAction(*w, m, tick);
    for (int y = 1; y <= 4; y++) EXPECT_TRUE(isVask(*w, 10, y, 10)) << y;
}

TEST_F(Mind, VectorNeverFillsItsTarget) {
    srand(21);
    auto w = makeWorld(30, 30, 30);
    floor(*w, 3);
    VaskMind* m = placeMind(*w, vec3(15, 8, 15), 9, 1, 1);
    long long tick = 0;
    int checked = 0;
    for (int i = 0; i < 600; i++) {
        vec3 t = m->target;
        bool wasVask = isVask(*w, int(t.x), int(t.y), int(t.z));
        nextAction(*w, m, tick);
        if (m->target == t && !wasVask) {
            EXPECT_FALSE(isVask(*w, int(t.x), int(t.y), int(t.z))) << i;
            checked++;
        }
    }
    EXPECT_GT(checked, 100);
    // Finished: the path ends one cell before the target.
    vec3 t = m->target;
    EXPECT_TRUE(isVask(*w, int(t.x), int(t.y), int(t.z) - (t.z > m->pos.z ? 1 : -1)) ||
                t.z == m->pos.z);
}

TEST_F(Mind, NearestMachineTargetKeepsTheOldOneWhenThereIsNone) {
    auto w = makeWorld(20, 20, 20);
    VaskMind* m = placeMind(*w, vec3(5, 5, 5), 10, 1, 1);
    m->target = vec3(3, 4, 5);
    EXPECT_EQ(m->getClosestMachine(), vec3(3, 4, 5));
    addMachine<AutoTurret>(*w, vec3(15, 5, 15));
    EXPECT_EQ(m->getClosestMachine(), vec3(15, 5, 15));
}

TEST_F(Mind, EditorPanelSavesClampedValues) {
    srand(2);
    auto w = makeWorld(20, 20, 20);
    VaskMind* m = placeMind(*w, vec3(10, 5, 10), 3, 50, 2);
    m->onClick();
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);
    w->editorMode = true;
    m->onClick();
    StatusScreen* s = getStatusScreen(w.get());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->name, "VaskMind");
    EXPECT_EQ(s->getText("Size"), "2");
    setBoxes(*s, {{"Speed", "0"}, {"Size", "-3"}, {"Type", "20"}, {"Strength", "oops"}});
    s->buttons.front().activate();
    m->editorUpdate();
    EXPECT_EQ(m->speed, 10);
    EXPECT_EQ(m->size, 1);
    EXPECT_EQ(m->ai, 20);
    EXPECT_EQ(m->strength, 1);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);
    // Type 20 grows like a vine: its first cell is its x - 1 neighbour.
    w->editorMode = false;
    runTicks(*w, 1, 10);
    EXPECT_TRUE(isVask(*w, 9, 5, 10));
    EXPECT_EQ(countType(*w, 2), 1);
}

TEST_F(Mind, HunterVineStepsTowardsTheNearestMachineEveryFiftiethAction) {
    srand(4);
    auto w = makeWorld(30, 30, 30);
    floor(*w, 4);
    addMachine<AutoTurret>(*w, vec3(25, 5, 10));
    VaskMind* m = placeMind(*w, vec3(10, 5, 10), 1, 1, 1);
    long long tick = 0;
    for (int i = 1; i < 50; i++) nextAction(*w, m, tick);
    EXPECT_EQ(m->pos, vec3(10, 5, 10));
    nextAction(*w, m, tick);
    EXPECT_EQ(m->pos, vec3(11, 5, 10));
    EXPECT_EQ(m->target, vec3(25, 5, 10));
    EXPECT_EQ(w->cell(10, 5, 10).type, 2);  // its trail
    EXPECT_EQ(w->cell(10, 5, 10).data, 7);
    for (int i = 0; i < 49; i++) nextAction(*w, m, tick);
    EXPECT_EQ(m->pos, vec3(11, 5, 10));
    nextAction(*w, m, tick);
    EXPECT_EQ(m->pos, vec3(12, 5, 10));
}
