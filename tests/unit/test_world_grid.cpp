#include "WorldFixture.h"

#include <gtest/gtest.h>

TEST(WorldGrid, NewWorldIsEmptyWithSectorTable) {
    auto w = makeWorld(100, 64, 100);
    EXPECT_EQ(w->sectors.size(), 11u);
    EXPECT_EQ(w->sectors[0].size(), 11u);
    EXPECT_EQ(w->result, 0);
    EXPECT_EQ(size_t(countType(*w, 0)), w->blocks.size());
    EXPECT_EQ(w->sectors[3][7].posX, 3);
    EXPECT_EQ(w->sectors[3][7].posZ, 7);
}

TEST(WorldGrid, ReadsOutsideTheWorld) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(0, 0, 0, 3, 0);
    EXPECT_EQ(w->getBlock(vec3(-0.5f, 0, 0)).type, 0);
    EXPECT_EQ(w->getBlock(vec3(0.5f, 0.2f, 0.9f)).type, 3);
    EXPECT_EQ(getWBlock(w.get(), -1, 0, 0).type, -1);
    EXPECT_EQ(getWBlock(w.get(), 0, 12, 0).type, -1);
    EXPECT_EQ(getWBlock(w.get(), 0, 0, 0).type, 3);
    std::vector<Block> n = w->getNeighbors(vec3(1, 0, 0));
    ASSERT_EQ(n.size(), 6u);
    EXPECT_EQ(n[0].type, 3);  // -x first
    w->setBlock(20, 0, 0, 3, 0);  // ignored
    w->setBlockAndUpdate(-1, 0, 0, 3, 0);
}

TEST(WorldGrid, SectorFlagsAtBorders) {
    auto flagged = [](World& w) {
        int n = 0;
        for (auto& row : w.sectors)
            for (auto& s : row) n += s.needUpdate;
        return n;
    };
    auto w = makeWorld(100, 20, 100);
    w->setBlockAndUpdate(10, 5, 19, 3, 0);
    EXPECT_EQ(flagged(*w), 3);
    EXPECT_TRUE(w->sectors[1][1].needUpdate);
    EXPECT_TRUE(w->sectors[0][1].needUpdate);
    EXPECT_TRUE(w->sectors[1][2].needUpdate);

    auto v = makeWorld(100, 20, 100);
    v->setBlockAndUpdate(0, 0, 0, 3, 0);  // x = 0 has no -x neighbour sector
    EXPECT_EQ(flagged(*v), 1);
    char before = v->mark;
    v->setBlockAndUpdate(5, 5, 5, 3, 0);
    EXPECT_EQ(char(before + 1), v->mark);
}

TEST(WorldGrid, VaskAndMindCellsNeverHoldZeroStrength) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 5, 2, 0);
    EXPECT_EQ(w->cell(5, 5, 5).data, 10);
    w->setBlock(6, 6, 6, 5, 0);
    EXPECT_EQ(w->cell(6, 6, 6).data, 10);
    w->setBlock(7, 7, 7, 2, 33);
    EXPECT_EQ(w->cell(7, 7, 7).data, 33);
    w->setBlock(8, 8, 8, 3, 0);
    EXPECT_EQ(w->cell(8, 8, 8).data, 0);
}

TEST(WorldGrid, RayTrace) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 2, 3, 0);
    vec3 face;
    vec3 hit = w->rayTrace(vec3(5.5f, 5.5f, 8.5f), vec3(0, 0, -1), 10, &face);
    EXPECT_EQ(hit, vec3(5, 5, 2));
    EXPECT_EQ(face, vec3(0, 0, 1));  // entered through the +z face

    // Out of reach: nothing, and the face is cleared.
    hit = w->rayTrace(vec3(5.5f, 5.5f, 8.5f), vec3(0, 0, -1), 5, &face);
    EXPECT_EQ(hit, vec3(0, 0, 0));
    EXPECT_EQ(face, vec3(0, 0, 0));

    // Starting inside a solid cell hits it at once; the face is the cell behind.
    hit = w->rayTrace(vec3(5.5f, 5.5f, 2.5f), vec3(0, 0, -1), 10, &face);
    EXPECT_EQ(hit, vec3(5, 5, 2));
    EXPECT_EQ(face, vec3(0, 0, 0));  // start + 0.1 along -dir is still the same cell
}

TEST(WorldGrid, PlayerCollision) {
    auto w = makeWorld(20, 20, 20);
    // A wall at x = 11 from the floor up.
    for (int y = 0; y < 20; y++)
        for (int z = 0; z < 20; z++) w->setBlock(11, y, z, 3, 0);
    vec3 p(10.0f, 6.0f, 10.0f);
    // Walking into the wall returns the old position, no slide.
    EXPECT_EQ(w->playerCanMove(p, vec3(0.5f, 0, 0.3f)), p);
    // Free movement.
    EXPECT_EQ(w->playerCanMove(p, vec3(-0.5f, 0, 0.3f)), p + vec3(-0.5f, 0, 0.3f));
    // Off the world's side: clamped on that axis, the other components kept.
    vec3 q(1.2f, 6.0f, 10.0f);
    EXPECT_EQ(w->playerCanMove(q, vec3(-0.5f, 0, 0.25f)), q + vec3(0, 0, 0.25f));
}

TEST(WorldGrid, PlacementNearThePlayerAndVask) {
    auto w = makeWorld(20, 20, 20);
    w->player.pos = vec3(10, 10, 10);
    EXPECT_FALSE(w->canPlayerPlace(vec3(10, 10.5f, 10)));
    EXPECT_TRUE(w->canPlayerPlace(vec3(10, 6, 10)));
    EXPECT_TRUE(w->canPlayerPlace(vec3(12, 10, 10)));
    w->setBlock(3, 4, 5, 2, 10);
    EXPECT_FALSE(w->canPlayerPlace(vec3(3, 5, 5)));
    EXPECT_TRUE(w->canPlayerPlace(vec3(3, 6, 5)));
}
