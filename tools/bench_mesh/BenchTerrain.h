#pragma once
// A terrain like the game's for benchmarks and previews: rolling stone hills
// under grass, lakes, trees and vask patches, the same for every run.
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

inline void buildTerrain(World& w) {
    srand(1234);
    const int W = int(w.width), D = int(w.depth);
    const int sea = 36;
    for (int x = 0; x < W; x++)
        for (int z = 0; z < D; z++) {
            double h = 38 + 9 * std::sin(x * 0.09) * std::cos(z * 0.11) + 4 * std::sin(x * 0.21 + z * 0.17) +
                       1.5 * std::cos(z * 0.37 - x * 0.13);
            int top = std::max(1, std::min(int(w.height) - 12, int(h)));
            for (int y = 0; y < top - 3; y++) w.setBlock(x, y, z, (x * 7 + y * 3 + z) % 11 == 0 ? 20 : 3, 0);
            for (int y = std::max(0, top - 3); y < top; y++) w.setBlock(x, y, z, 33, 0);
            unsigned mix = unsigned(x) * 73856093u ^ unsigned(z) * 19349663u;
            w.setBlock(x, top, z, top < sea ? 21 : (mix % 7 == 0 ? 25 : 24), 0);
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
                    if (w.inWorld(x + dx, y + dy, z + dz) && w.cell(x + dx, y + dy, z + dz).type == 0)
                        w.setBlock(x + dx, y + dy, z + dz, 18, 0);
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
