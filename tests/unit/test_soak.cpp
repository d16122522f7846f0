// The short soak: the busy generated world for 30,000 ticks (the long one,
// 200,000 ticks, is the program vask_soak under the soak label).
#include "SoakWorld.h"

#include <gtest/gtest.h>

namespace {

constexpr long long SHORT_SOAK_TICKS = 30000;

}  // namespace

TEST(Soak, BaseOfEveryMachineStandsLinkedToTheShip) {
    auto w = makeSoakWorld(SOAK_SEED);
    ASSERT_NE(w, nullptr);
    std::map<int, int> want = {{TYPE_MIND, SOAK_MINDS}, {TYPE_SHIP, 1},    {TYPE_TURRET, 2},  {TYPE_GENERATOR, 2},
                               {TYPE_MINE, 1},          {TYPE_RELAY, 2},   {TYPE_FACTORY, 1}, {TYPE_SCIENCE, 1},
                               {TYPE_MORTOR, 1},        {TYPE_SHIELD, 1}};
    EXPECT_EQ(soakMachineCounts(*w), want);
    std::set<int> behaviours;
    for (ActiveBlock* a : w->actives) {
        if (a->getType() == TYPE_MIND) behaviours.insert(static_cast<VaskMind*>(a)->ai);
        if (a->isNetable()) {
            EXPECT_TRUE(static_cast<Netable*>(a)->connected) << "machine " << a->getType();
        }
    }
    EXPECT_EQ(behaviours.size(), size_t(SOAK_MINDS));
}

// Two runs of one seed end in the same world, and nothing piles up on the way.
TEST(Soak, ShortRunReplaysExactlyAndStaysBounded) {
    auto first = makeSoakWorld(SOAK_SEED);
    ASSERT_NE(first, nullptr);
    uint64_t before = soakWorldHash(*first);
    SoakReport a = runSoak(*first, SHORT_SOAK_TICKS, 20000);
    first.reset();
    auto second = makeSoakWorld(SOAK_SEED);
    ASSERT_NE(second, nullptr);
    SoakReport b = runSoak(*second, SHORT_SOAK_TICKS, 20000);

    EXPECT_EQ(a.hash, b.hash);
    EXPECT_NE(a.hash, before);
    EXPECT_EQ(a.machinesAtEnd, b.machinesAtEnd);
    // Packets and shells come and go; no machine or mind appears from nowhere.
    EXPECT_LT(a.maxEntities, 500);
    int startTotal = 0;
    for (auto& kv : a.machinesAtStart) startTotal += kv.second;
    EXPECT_LE(a.maxActives, size_t(startTotal));
    for (ActiveBlock* m : second->actives)
        EXPECT_TRUE(second->inWorld(int(m->pos.x), int(m->pos.y), int(m->pos.z)));
}
