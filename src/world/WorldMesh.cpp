// Walking a sector's cells into its staging meshes. CPU only: the upload is
// SectorRenderer::genMesh, called here only when the world has a window.
#include "render/SectorRenderer.h"
#include "world/World.h"

#include <algorithm>

namespace {

// The block table flattened for the hot loop: a map lookup per neighbour would
// cost more than the rest of the walk.
struct PassTable {
    std::vector<int> pass;      // renderPass by type
    std::vector<char> hides;    // an opaque, non-filler type: hides a face against it

    PassTable() {
        int size = blockAttribs.empty() ? 0 : blockAttribs.rbegin()->first + 1;
        pass.assign(size_t(std::max(size, 0)), 0);
        hides.assign(pass.size(), 0);
        for (const auto& [type, attrib] : blockAttribs) {
            if (type < 0) continue;
            pass[size_t(type)] = attrib.renderPass;
            hides[size_t(type)] = attrib.renderPass == 1 && type != 1;
        }
    }
    int passOf(int t) const { return (t >= 0 && size_t(t) < pass.size()) ? pass[size_t(t)] : 0; }
    bool hidesOf(int t) const { return t >= 0 && size_t(t) < hides.size() && hides[size_t(t)]; }
};

}  // namespace

void World::renderSector(int x, int z, SectorRenderer& sector) {
    long x0 = 10L * x, z0 = 10L * z;
    if (x0 < 0 || z0 < 0 || x0 >= long(width) || z0 >= long(depth)) return;
    minx = int(x0);
    maxx = int(std::min(x0 + 10, long(width)));
    minz = int(z0);
    maxz = int(std::min(z0 + 10, long(depth)));

    const PassTable table;
    const Block* grid = blocks.data();
    const long H = long(height), D = long(depth), W = long(width);
    const long strideX = H * D, strideY = D;

    for (long cx = minx; cx < maxx; cx++)
        for (long cy = 0; cy < H; cy++) {
            const Block* column = grid + cx * strideX + cy * strideY;
            for (long cz = minz; cz < maxz; cz++) {
                int t = column[cz].type;
                int p = table.passOf(t);
                if (p == 0) continue;
                const Block* c = column + cz;
                // A side is closed only against an inside neighbour that hides it:
                // an opaque non-filler, or (for a translucent cell) a cell of its own pass.
                auto closed = [&](bool inside, long offset) {
                    if (!inside) return false;
                    int u = c[offset].type;
                    return table.hidesOf(u) || (p > 1 && table.passOf(u) == p);
                };
                int mask = 0;
                if (!closed(cx > 0, -strideX)) mask |= 1;
                if (!closed(cx + 1 < W, strideX)) mask |= 2;
                if (!closed(cy > 0, -strideY)) mask |= 4;
                if (!closed(cy + 1 < H, strideY)) mask |= 8;
                if (!closed(cz > 0, -1)) mask |= 16;
                if (!closed(cz + 1 < D, 1)) mask |= 32;
                if (mask) sector.addCube(vec4(float(cx), float(cy), float(cz), float(mask)), t);
            }
        }
}

void World::rebuildSector(SectorRenderer& sector) {
    renderSector(sector.posX, sector.posZ, sector);
    if (screen) sector.genMesh();
    else sector.clearStaging();
    sector.needUpdate = false;
}
