#include "CaptureOutput.h"
#include "WorldFixture.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "world/WorldMaker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

skirmishSettings settings(int enemies, int height, int smoothness, int trees, int bed) {
    skirmishSettings s;
    s.enemies = enemies;
    s.height = height;
    s.smoothness = smoothness;
    s.trees = trees;
    s.bed = bed;
    return s;
}

// Generates a world of the given size from a fixed seed; returns the console text.
std::string generate(World& w, const skirmishSettings& s, unsigned seed) {
    makeSettings = s;
    srand(seed);
    CaptureOutput out;
    w.genRandomWorld();
    return out.text();
}

std::vector<VaskMind*> minds(World& w) {
    std::vector<VaskMind*> found;
    for (ActiveBlock* a : w.actives)
        if (a->getType() == TYPE_MIND) found.push_back(static_cast<VaskMind*>(a));
    return found;
}

// For EXPECT_PRED3, which prints the three values when it fails.
bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

bool isStone(int t) { return t == 3 || t == 20 || t == 21; }
bool isGrass(int t) { return t >= 23 && t <= 28; }

// Columns the ship's landing site or a mind may have changed.
bool touchedColumn(World& w, int x, int z) {
    vec3 s = w.theShip->pos;
    if (x >= s.x - 2 && x <= s.x + 2 && z >= s.z && z <= s.z + 3) return true;
    for (VaskMind* m : minds(w))
        if (std::abs(m->pos.x - x) <= 1 && std::abs(m->pos.z - z) <= 1) return true;
    return false;
}

// The ship sits on its cell with the eight objective blocks beside it.
void expectLandingSite(World& w) {
    ASSERT_NE(w.theShip, nullptr);
    vec3 s = w.theShip->pos;
    int x = int(s.x), y = int(s.y), z = int(s.z);
    EXPECT_EQ(w.cell(x, y, z).type, 14);
    for (int k = 0; k < 4; k++) {
        EXPECT_EQ(w.cell(x + 1, y, z + k).type, 34);
        EXPECT_EQ(w.cell(x - 1, y, z + k).type, 34);
    }
    EXPECT_EQ(w.player.pos, vec3(x, y + 8, z));
    EXPECT_EQ(w.result, 0);
}

}  // namespace

// Values worked out from the noise formula with the classic permutation. At
// (-0.8, 0.1) only the third corner is close enough to count: it lies at
// (-0.0113249, -0.1113249) with gradient 10 = (0, 1), so the result is
// 70 * (0.5 - 0.0113249^2 - 0.1113249^2)^4 * -0.1113249 = -0.4400603.
TEST(Terrain, NoiseMatchesReferenceValues) {
    restoreClassicPerm();
    EXPECT_NEAR(simplexnoise(-0.8, 0.1), -0.440060269869606, 1e-12);
    EXPECT_NEAR(simplexnoise(0.3, 0.7), 0.2552206334201348, 1e-12);
    EXPECT_NEAR(simplexnoise(1.6, -2.3), 0.42982908376542234, 1e-12);
    EXPECT_NEAR(simplexnoise(10.25, 3.5), 0.3867970390493574, 1e-12);
    // Far from the origin the cell indices wrap through the 256-entry table.
    EXPECT_NEAR(simplexnoise(300.4, -511.9), -0.8056383063758844, 1e-12);
    EXPECT_EQ(simplexnoise(0, 0), 0.0);
    EXPECT_EQ(dot(-1, 1, 2.5, 4.0), 1.5);
}

TEST(Terrain, SettingsChooseOrPassThrough) {
    srand(7);
    for (int i = 0; i < 500; i++) {
        TerrainParams p = deriveTerrainParams(skirmishSettings());
        EXPECT_PRED3(within, p.bads, 1, 5);
        EXPECT_PRED3(within, p.bed, 21, 45);
        EXPECT_PRED3(within, p.mountainHeight, 3, 22);
        EXPECT_PRED3(within, p.trees, 1, 5);
        EXPECT_PRED3(within, p.smoothness, 25.0, 25.0 + 19 * 19);
        EXPECT_PRED3(within, p.rockSmoothness, 25.0, 25.0 + 19 * 19);
        EXPECT_EQ(p.waterLine, 29);
    }
    // Zero enemies and a floor of 1 count as unset; zero trees and zero height do not.
    TerrainParams p = deriveTerrainParams(settings(0, 0, 40, 0, 1));
    EXPECT_PRED3(within, p.bads, 1, 5);
    EXPECT_GE(p.bed, 21);
    EXPECT_EQ(p.mountainHeight, 0);
    EXPECT_EQ(p.trees, 0);
    EXPECT_EQ(p.smoothness, 40.0);
    p = deriveTerrainParams(settings(12, 9, 3, 1000, 2));
    EXPECT_EQ(p.bads, 12);
    EXPECT_EQ(p.bed, 2);
    EXPECT_EQ(p.mountainHeight, 9);
    EXPECT_PRED3(within, p.trees, 1, 5);  // beyond 999 is random
}

TEST(Terrain, SameSeedSameWorldAndRandomDefaultsStayInRange) {
    auto a = makeWorld(100, 100, 100);
    auto b = makeWorld(100, 100, 100);
    std::string log = generate(*a, skirmishSettings(), 1234);
    generate(*b, skirmishSettings(), 1234);
    ASSERT_EQ(a->blocks.size(), b->blocks.size());
    size_t differing = 0;
    for (size_t i = 0; i < a->blocks.size(); i++)
        differing += a->blocks[i].type != b->blocks[i].type || a->blocks[i].data != b->blocks[i].data;
    EXPECT_EQ(differing, 0u);
    EXPECT_EQ(a->theShip->pos, b->theShip->pos);

    EXPECT_EQ(log, "started building world!\npopulating\nworld built\ndone building world!\n");
    size_t n = minds(*a).size();
    EXPECT_PRED3(within, n, 1, 5);
    EXPECT_EQ(a->actives.size(), n + 1);
    for (VaskMind* m : minds(*a)) {
        EXPECT_EQ(m->strength, 10);
        EXPECT_EQ(m->size, 1);
        EXPECT_PRED3(within, m->speed, 20, 89);
        EXPECT_PRED3(within, m->ai, 0, 15);
        EXPECT_EQ(a->cell(int(m->pos.x), int(m->pos.y), int(m->pos.z)).type, 5);
    }
    expectLandingSite(*a);
    EXPECT_GT(countType(*a, 17), 0);  // 1 to 5 trees were planted
    // Below the water line nothing is left empty; water never lies above it.
    for (int x = 0; x < 100; x++)
        for (int z = 0; z < 100; z++) {
            EXPECT_EQ(a->cell(x, 0, z).type, 0);
            for (int y = 1; y < 29; y++) ASSERT_NE(a->cell(x, y, z).type, 0) << x << "," << y << "," << z;
            for (int y = 29; y < 100; y++) ASSERT_NE(a->cell(x, y, z).type, 19);
        }

    // A different seed reshuffles the noise table: another world.
    auto c = makeWorld(100, 100, 100);
    generate(*c, skirmishSettings(), 99);
    differing = 0;
    for (size_t i = 0; i < a->blocks.size(); i++) differing += a->blocks[i].type != c->blocks[i].type;
    EXPECT_GT(differing, 1000u);
}

TEST(Terrain, FlatGroundAtTheFloorWithoutTrees) {
    auto w = makeWorld(100, 100, 100);
    generate(*w, settings(3, 0, -1, 0, 40), 5);
    EXPECT_EQ(minds(*w).size(), 3u);
    EXPECT_EQ(countType(*w, 17), 0);
    EXPECT_EQ(countType(*w, 18), 0);
    EXPECT_EQ(countType(*w, 19), 0);  // ground at 40 stays dry
    EXPECT_EQ(w->theShip->pos.y, 40.0f);
    expectLandingSite(*w);
    for (int x = 0; x < 100; x++)
        for (int z = 0; z < 100; z++) {
            if (touchedColumn(*w, x, z)) continue;
            ASSERT_TRUE(isGrass(w->cell(x, 39, z).type)) << x << "," << z;
            ASSERT_TRUE(isGrass(w->cell(x, 38, z).type));
            ASSERT_TRUE(isStone(w->cell(x, 37, z).type));
            ASSERT_TRUE(isStone(w->cell(x, 1, z).type));
            ASSERT_EQ(w->cell(x, 40, z).type, 0);
        }
}

TEST(Terrain, HighFloorGivesStoneToTheTopAndLandsAt71) {
    auto w = makeWorld(100, 100, 100);
    generate(*w, settings(1, 0, -1, 0, 80), 11);
    EXPECT_EQ(w->theShip->pos.y, 71.0f);
    expectLandingSite(*w);
    EXPECT_EQ(countType(*w, 19), 0);
    for (int x = 0; x < 100; x++)
        for (int z = 0; z < 100; z++) {
            if (touchedColumn(*w, x, z)) continue;
            for (int y = 1; y <= 70; y++) ASSERT_TRUE(isStone(w->cell(x, y, z).type)) << x << "," << y << "," << z;
            ASSERT_EQ(w->cell(x, 71, z).type, 0);
        }
}

// Flat ground at 20 lies under nine cells of water everywhere: no attempt can
// find dry land, and fixed settings make every rebuild the same.
TEST(Terrain, ImpossibleLandingEndsOnAPlatform) {
    auto w = makeWorld(100, 100, 100);
    std::string log = generate(*w, settings(1, 0, -1, 0, 20), 3);
    size_t builds = 0;
    for (size_t at = log.find("started building world!"); at != std::string::npos;
         at = log.find("started building world!", at + 1))
        builds++;
    EXPECT_EQ(builds, size_t(MAX_REGENERATIONS + 1));
    EXPECT_NE(log.find("no dry landing site found, landing on a platform"), std::string::npos);
    EXPECT_NE(log.find("done building world!"), std::string::npos);
    expectLandingSite(*w);
    vec3 s = w->theShip->pos;
    EXPECT_EQ(s.y, 29.0f);
    for (int x = int(s.x) - 2; x <= int(s.x) + 2; x++)
        for (int z = int(s.z); z <= int(s.z) + 3; z++) EXPECT_EQ(w->cell(x, 28, z).type, 3);
    EXPECT_EQ(minds(*w).size(), 1u);
}

TEST(Terrain, SmallSidesAreRefused) {
    for (vec3 size : {vec3(10, 100, 100), vec3(100, 10, 100), vec3(100, 100, 10)}) {
        auto w = makeWorld(unsigned(size.x), unsigned(size.y), unsigned(size.z));
        std::string log = generate(*w, skirmishSettings(), 1);
        EXPECT_NE(log.find("cannot build a world of"), std::string::npos);
        EXPECT_TRUE(w->actives.empty());
        EXPECT_EQ(w->theShip, nullptr);
        EXPECT_EQ(countType(*w, 0), int(w->blocks.size()));
    }
    auto narrow = makeWorld(10, 40, 40);
    CaptureOutput out;
    narrow->genTrees(3);
    EXPECT_EQ(countType(*narrow, 17), 0);
}

// Sites draw z along the depth, so a world deeper than wide and lower than
// both keeps every piece inside.
TEST(Terrain, UnequalSidesKeepEverythingInside) {
    for (unsigned width : {30u, 120u}) {
        auto w = makeWorld(width, 80, 150 - width);
        generate(*w, settings(20, -1, -1, 10, -1), 8);
        expectLandingSite(*w);
        EXPECT_EQ(minds(*w).size(), 20u);
        for (ActiveBlock* a : w->actives)
            EXPECT_TRUE(w->inWorld(int(a->pos.x), int(a->pos.y), int(a->pos.z))) << a->pos.z;
    }
}

// In a crowded little world, minds and trees must still leave the ship's cell,
// its objective blocks and each other's cells alone, or the game would be lost
// (or broken) before it starts.
TEST(Terrain, MindsAndTreesSpareTheLandingSite) {
    for (unsigned seed = 1; seed <= 6; seed++) {
        auto w = makeWorld(16, 80, 16);
        generate(*w, settings(12, -1, -1, 30, -1), seed);
        expectLandingSite(*w);
        for (VaskMind* m : minds(*w)) EXPECT_EQ(w->cell(int(m->pos.x), int(m->pos.y), int(m->pos.z)).type, 5);
        EXPECT_EQ(countType(*w, 8), 0) << "no machine cell was broken";
    }
}
