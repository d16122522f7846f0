#include "WorldFixture.h"

#include <gtest/gtest.h>

TEST(VaskSpread, WrecksMachinePartsAndWithersGrass) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(4, 5, 5, 10, 0);   // genBlock
    w->setBlock(6, 5, 5, 24, 0);   // grass
    w->setBlock(5, 6, 5, 12, 0);   // relayBlock
    w->setBlock(5, 4, 5, 3, 0);    // stone, untouched
    w->setBlockAndUpdate(5, 5, 5, 2, 0);
    EXPECT_EQ(w->cell(5, 5, 5).data, 10);
    EXPECT_EQ(w->cell(4, 5, 5).type, 8);
    EXPECT_EQ(w->cell(5, 6, 5).type, 8);
    EXPECT_EQ(w->cell(6, 5, 5).type, 33);
    EXPECT_EQ(w->cell(5, 4, 5).type, 3);
    EXPECT_TRUE(w->convertQueue.empty());  // grass is not organic

    // A mind wrecks its neighbours exactly like the vask.
    w->setBlock(1, 1, 2, 12, 0);
    w->setBlock(1, 1, 1, 5, 0);
    EXPECT_EQ(w->cell(1, 1, 2).type, 8);
}

TEST(VaskSpread, OrganicColumnBurnsOneLayerPerStep) {
    auto w = makeWorld(12, 12, 12);
    for (int y = 3; y < 8; y++) w->setBlock(5, y, 5, 17, 0);  // trunk column
    w->setBlockAndUpdate(5, 2, 5, 2, 0);
    for (int step = 1; step <= 5; step++) {
        w->updateConverts();
        for (int y = 3; y < 8; y++) {
            int expected = y < 3 + step ? 2 : 17;
            EXPECT_EQ(w->cell(5, y, 5).type, expected) << "step " << step << " y " << y;
        }
    }
    EXPECT_TRUE(w->convertQueue.empty());
}

TEST(VaskSpread, SharedOrganicNeighbourQueuedOnce) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 5, 18, 0);  // leaves
    w->setBlockAndUpdate(4, 5, 5, 2, 0);
    w->setBlockAndUpdate(6, 5, 5, 2, 0);
    EXPECT_EQ(w->convertQueue.size(), 1u);
    // Mined before the next step: it still turns into vask of strength 10.
    w->setBlockAndUpdate(5, 5, 5, 0, 0);
    w->updateConverts();
    EXPECT_EQ(w->cell(5, 5, 5).type, 2);
    EXPECT_EQ(w->cell(5, 5, 5).data, 10);
}

TEST(VaskSpread, TouchingAnObjectiveLosesEvenIfCleared) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 5, 34, 0);
    w->setBlockAndUpdate(5, 6, 5, 2, 7);
    w->setBlockAndUpdate(5, 6, 5, 0, 10);
    EXPECT_EQ(w->result, 2);
}
