// The shipped maps in play, headless: every one, left alone, survives its
// opening minutes and runs twenty thousand ticks without a fault.
#include "ShippedMapPlay.h"
#include "machines/ActiveBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

TEST(MapPlay, EveryMapLeftAloneSurvivesItsOpeningAndRunsTwentyThousandTicks) {
    srand(1234);
    auto maps = shippedMaps();
    ASSERT_GE(maps.size(), 32u);
    for (auto& [folder, name] : maps) {
        SCOPED_TRACE(folder + "/" + name);
        auto w = loadShipped(folder, name);
        long long ended = 0;
        auto start = std::chrono::steady_clock::now();
        {
            Quiet q;
            for (long long t = 1; t <= 20000 && w->result == 0; t++) {
                w->tick(t);
                if (w->result != 0) ended = t;
            }
        }
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        printf("%-10s %-18s result %d at %lld, %d minds left, %zu actives, %.0f ms\n", folder.c_str(), name.c_str(),
               w->result, ended, countMachines(*w, TYPE_MIND), w->actives.size(), ms);
        EXPECT_FALSE(w->result == 2 && ended <= 600) << "lost within the first 600 ticks";
        EXPECT_NE(w->result, -1);
    }
}
