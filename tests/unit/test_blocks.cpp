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
