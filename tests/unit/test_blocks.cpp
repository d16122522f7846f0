#include "WorldFixture.h"
#include "world/Block.h"

#include <gtest/gtest.h>

TEST(Blocks, TableHasEveryTypeWithItsRole) {
    setupBlockAttribs();
    ASSERT_EQ(blockAttribs.size(), 54u);
    Block b(7);
    EXPECT_EQ(b.type, 7);
    EXPECT_EQ(b.data, 0);
    EXPECT_EQ(b.mark, 0);
    EXPECT_EQ(sizeof(Block), 6u);

    BlockAttrib& vask = blockAttribs[2];
    EXPECT_EQ(vask.tex, "vask");
    EXPECT_EQ(vask.renderPass, 2);
    EXPECT_TRUE(vask.passable);
    EXPECT_FALSE(vask.minable);
    EXPECT_EQ(vask.shiny, vec2(0, 1));

    BlockAttrib& stone = blockAttribs[3];
    EXPECT_TRUE(stone.minable);
    EXPECT_FALSE(stone.machine || stone.organic || stone.grass);
    EXPECT_EQ(stone.shiny, vec2(0.15f, 2.0f));

    int passable = 0, notMinable = 0;
    for (auto& kv : blockAttribs) {
        passable += kv.second.passable;
        notMinable += !kv.second.minable;
    }
    EXPECT_EQ(passable, 4);    // air, vask, 7, water
    EXPECT_EQ(notMinable, 6);  // 0, 1, 2, 5, 7, 34
    for (int t : {6, 9, 10, 11, 12, 13, 14, 15, 47}) EXPECT_TRUE(blockAttribs[t].machine) << t;
    for (int t : {17, 18, 19, 39, 40}) EXPECT_TRUE(blockAttribs[t].organic) << t;
    for (int t = 23; t <= 28; t++) EXPECT_TRUE(blockAttribs[t].grass) << t;
    EXPECT_EQ(blockAttribs[14].tex, blockAttribs[15].tex);
    EXPECT_EQ(blockAttribs[15].renderPass, 0);
}

// A cell of a type the table does not know (written in by code, not by the
// loader, which turns such cells into air) is looked up without the table
// growing a row for it: every reader sees a type with no attributes.
TEST(Blocks, UnknownTypesNeverAddRowsToTheTable) {
    auto w = makeWorld(12, 12, 12);
    for (int x = 0; x < 12; x++)
        for (int z = 0; z < 12; z++) w->setBlock(x, 0, z, 3, 0);
    w->cell(5, 1, 5).type = 99;
    w->cell(6, 1, 5).type = -7;
    size_t rows = blockAttribs.size();
    EXPECT_EQ(rows, size_t(BLOCK_TYPE_COUNT));
    // Walking into them, vask beside them, and meshing their sector.
    EXPECT_EQ(w->playerCanMove(vec3(4, 2.7f, 5.5f), vec3(1, 0, 0)), vec3(4, 2.7f, 5.5f));
    w->setBlock(5, 2, 5, 2, 10);
    w->setBlock(6, 2, 5, 2, 10);
    SectorRenderer& s = w->sectors[0][0];
    w->renderSector(0, 0, s);
    EXPECT_EQ(blockAttribs.size(), rows);
}
