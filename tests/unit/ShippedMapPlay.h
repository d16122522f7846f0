#pragma once
// Helpers for tests that play the shipped maps headless.
#include "MapBuilder.h"
#include "WorldFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A shipped map ready to play headless at normal difficulty.
inline std::unique_ptr<World> loadShipped(const std::string& folder, const std::string& name) {
    auto w = makeWorld(100, 100, 100);
    EXPECT_TRUE(readQuietly(*w, std::string(VASK_RUN_DIR) + "/" + folder + "/" + name + ".map")) << name;
    // Conversations need a window; the headless runs keep the events but drop the talking.
    for (Event& e : w->events)
        if (e.activate != victory) e.activate = nullptr;
    w->applyDif(1.0f);
    return w;
}

inline std::vector<std::pair<std::string, std::string>> shippedMaps() {
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& n : folderEntries(VASK_MAP_SOURCES)) {
        if (n.size() <= 5 || n.compare(n.size() - 5, 5, ".vmap") != 0) continue;
        BuiltMap m;
        std::string error;
        Quiet q;
        if (buildMap(std::string(VASK_MAP_SOURCES) + "/" + n, m, error)) out.push_back({m.folder, m.name});
    }
    std::sort(out.begin(), out.end());
    return out;
}

