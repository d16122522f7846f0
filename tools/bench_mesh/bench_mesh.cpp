// Times the CPU half of sector meshing (the cell walk into staging arrays) on a
// terrain like the game's: rolling stone hills under grass, lakes, trees and
// vask patches. Prints the median of many runs for all sectors and for one.
#include "BenchTerrain.h"
#include "world/Block.h"
#include "world/World.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double msSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 31;
    setupBlockAttribs();
    World w(100, 100, 100, nullptr);
    buildTerrain(w);

    // Each build makes the eye's mesh (a quad per visible cell face) and the
    // sun's depth mesh (those faces merged).
    size_t faces = 0, quads = 0;
    for (auto& row : w.sectors)
        for (auto& s : row) {
            w.renderSector(s.posX, s.posZ, s);
            for (const RData& r : s.rData) faces += r.indexCount() / 4;
            quads += s.depth.stagedQuads();
            s.clearStaging();
        }

    std::vector<double> all, one;
    for (int i = 0; i < runs; i++) {
        auto t0 = std::chrono::steady_clock::now();
        for (auto& row : w.sectors)
            for (auto& s : row) {
                w.renderSector(s.posX, s.posZ, s);
                s.clearStaging();
            }
        all.push_back(msSince(t0));
    }
    SectorRenderer& mid = w.sectors[5][5];
    for (int i = 0; i < runs * 10; i++) {
        auto t0 = std::chrono::steady_clock::now();
        w.renderSector(mid.posX, mid.posZ, mid);
        mid.clearStaging();
        one.push_back(msSince(t0));
    }
    // The dearest sector: each sector's median over a few runs, the largest of them.
    double worst = 0;
    int worstX = 0, worstZ = 0;
    for (auto& row : w.sectors)
        for (auto& s : row) {
            std::vector<double> t;
            for (int i = 0; i < 9; i++) {
                auto t0 = std::chrono::steady_clock::now();
                w.renderSector(s.posX, s.posZ, s);
                s.clearStaging();
                t.push_back(msSince(t0));
            }
            double m = median(t);
            if (m > worst) worst = m, worstX = s.posX, worstZ = s.posZ;
        }
    printf("world 100x100x100, %zu visible faces in 121 sectors, %zu quads in the depth meshes\n", faces, quads);
    printf("all sectors: median %.3f ms over %d runs (target <= 15 ms)\n", median(all), runs);
    printf("one sector:  median %.4f ms over %d runs (target <= 0.3 ms)\n", median(one), runs * 10);
    printf("slowest sector (%d, %d): median %.4f ms\n", worstX, worstZ, worst);
    return 0;
}
