// A long headless run must end in exactly the same world, byte for byte, after
// any change made only for speed. The hash below was taken from the code as it
// was before the speed-ups; a change of behaviour (intended or not) shows here.
#include "../../tools/bench/ReferenceWorld.h"
#include "WorldFixture.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

uint64_t fnv1a(const std::string& bytes) {
    Fnv1a h;
    h.bytes(bytes.data(), bytes.size());
    return h.h;
}

// Terrain built in code and minds of all sixteen behaviour numbers, run through
// World::tick: player physics, the vask's spread, every behaviour, caging.
// No ship and no machines, so the result depends only on code that is here.
std::string runWorld(long long ticks, size_t& vask) {
    auto w = makeWorld(48, 48, 48);
    Quiet quiet;
    buildTerrain(*w);
    srand(777);
    bench::addMinds(*w, 16);
    w->player.setPos(vec3(24.5f, 47.0f, 24.5f));
    for (long long t = 1; t <= ticks; t++) w->tick(t);
    vask = size_t(countType(*w, 2));
    std::string bytes = writtenBytes(*w, "long_run.map");
    std::remove("long_run.map");
    return bytes;
}

}  // namespace

TEST(LongRun, EndsInTheSameWorldAsBeforeTheSpeedUps) {
    size_t vask = 0, again = 0;
    std::string bytes = runWorld(6000, vask);
    // The minds have grown: the run is not trivially empty.
    EXPECT_GT(vask, 100u);
    EXPECT_EQ(fnv1a(bytes), 0x7271fe4e998f8ae2ull) << "size " << bytes.size() << ", hash 0x" << std::hex << fnv1a(bytes);
    // And the same run twice gives the same bytes.
    EXPECT_EQ(runWorld(6000, again), bytes);
}
