// Times the CPU half of sector meshing (the cell walk into staging arrays) on a
// terrain like the game's: rolling stone hills under grass, lakes, trees and
// vask patches. Prints the median of many runs for all sectors and for one.
#include "world/Block.h"
#include "world/World.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void buildTerrain(World& w) {
    srand(1234);
    const int W = int(w.width), D = int(w.depth);
    const int sea = 36;
    for (int x = 0; x < W; x++)
        for (int z = 0; z < D; z++) {
            double h = 38 + 9 * std::sin(x * 0.09) * std::cos(z * 0.11) + 4 * std::sin(x * 0.31 + z * 0.23) +
                       2 * std::cos(z * 0.57 - x * 0.13) + (rand() % 3);
            int top = std::max(1, std::min(int(w.height) - 12, int(h)));
            for (int y = 0; y < top - 3; y++) w.setBlock(x, y, z, (x * 7 + y * 3 + z) % 11 == 0 ? 20 : 3, 0);
            for (int y = std::max(0, top - 3); y < top; y++) w.setBlock(x, y, z, 33, 0);
            w.setBlock(x, top, z, top < sea ? 21 : 24 + (x + z) % 3, 0);
            for (int y = top + 1; y <= sea; y++) w.setBlock(x, y, z, 19, 0);
        }
    // Trees on dry land.
    for (int i = 0; i < 60; i++) {
        int x = 2 + rand() % (W - 4), z = 2 + rand() % (D - 4), y = int(w.height) - 1;
        while (y > 0 && w.cell(x, y, z).type == 0) y--;
        if (w.cell(x, y, z).type == 19) continue;
        for (int k = 1; k <= 5; k++) w.setBlock(x, y + k, z, 17, 0);
        for (int dx = -2; dx <= 2; dx++)
            for (int dz = -2; dz <= 2; dz++)
                for (int dy = 4; dy <= 6; dy++)
                    if (w.cell(x + dx, y + dy, z + dz).type == 0) w.setBlock(x + dx, y + dy, z + dz, 18, 0);
    }
    // Vask patches: a skin over the ground around a few centres.
    for (int i = 0; i < 6; i++) {
        int cx = rand() % W, cz = rand() % D, r = 5 + rand() % 6;
        for (int x = std::max(0, cx - r); x < std::min(W, cx + r); x++)
            for (int z = std::max(0, cz - r); z < std::min(D, cz + r); z++) {
                if ((x - cx) * (x - cx) + (z - cz) * (z - cz) > r * r) continue;
                int y = int(w.height) - 1;
                while (y > 0 && w.cell(x, y, z).type == 0) y--;
                w.cell(x, y, z).type = 2;
                w.cell(x, y, z).data = 10;
                if (y + 1 < int(w.height)) {
                    w.cell(x, y + 1, z).type = 2;
                    w.cell(x, y + 1, z).data = 10;
                }
            }
    }
}

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

    size_t faces = 0;
    for (auto& row : w.sectors)
        for (auto& s : row) {
            w.renderSector(s.posX, s.posZ, s);
            for (const RData& r : s.rData) faces += r.indexCount() / 4;
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
    printf("world 100x100x100, %zu visible faces in 121 sectors\n", faces);
    printf("all sectors: median %.3f ms over %d runs (target <= 15 ms)\n", median(all), runs);
    printf("one sector:  median %.4f ms over %d runs (target <= 0.3 ms)\n", median(one), runs * 10);
    return 0;
}
