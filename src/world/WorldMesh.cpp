// Walking a sector's cells into its staging meshes. CPU only: the upload is
// SectorRenderer::genMesh, called here only when the world has a window.
#include "render/SectorRenderer.h"
#include "world/World.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The block table flattened for the hot loop: a map lookup per neighbour would
// cost more than the rest of the walk. Types the table does not know are never
// drawn and hide nothing.
struct PassTable {
    static constexpr int SIZE = 256;
    uint8_t pass[SIZE] = {};
    uint8_t hides[SIZE] = {};  // an opaque non-filler: hides a face against it

    PassTable() {
        for (const auto& [type, attrib] : blockAttribs) {
            if (type < 0 || type >= SIZE) continue;
            pass[type] = uint8_t(std::min(attrib.renderPass, 255));
            hides[type] = attrib.renderPass == 1 && type != 1;
        }
    }
    int passOf(int t) const { return unsigned(t) < unsigned(SIZE) ? pass[t] : 0; }
    bool hidesOf(int t) const { return unsigned(t) < unsigned(SIZE) && hides[t]; }
};

struct VisibleCell {
    int x, y, z, mask, type;
};

bool anyVask(World& w, int x0, int x1, int z0, int z1) {
    x0 = std::max(x0, 0), z0 = std::max(z0, 0);
    x1 = std::min(x1, int(w.width)), z1 = std::min(z1, int(w.depth));
    for (int x = x0; x < x1; x++)
        for (int y = 0; y < int(w.height); y++) {
            const Block* row = &w.cell(x, y, 0);
            for (int z = z0; z < z1; z++)
                if (row[z].type == 2) return true;
        }
    return false;
}

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

    // First the face masks, so the staging arrays can be sized once and the
    // light left out when no vask is near.
    std::vector<VisibleCell> visible;
    visible.reserve(1024);
    size_t faces[PassTable::SIZE] = {};
    bool vaskNear = false;
    for (long cx = minx; cx < maxx; cx++)
        for (long cy = 0; cy < H; cy++) {
            const Block* column = grid + cx * strideX + cy * strideY;
            for (long cz = minz; cz < maxz; cz++) {
                int t = column[cz].type;
                vaskNear |= t == 2;
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
                if (!mask) continue;
                visible.push_back({int(cx), int(cy), int(cz), mask, t});
                faces[t] += size_t(__builtin_popcount(unsigned(mask)));
            }
        }
    if (visible.empty()) return;

    // Corners on the sector's rim also touch the columns just outside it.
    if (!vaskNear)
        vaskNear = anyVask(*this, minx - 1, minx, minz - 1, maxz + 1) || anyVask(*this, maxx, maxx + 1, minz - 1, maxz + 1) ||
                   anyVask(*this, minx, maxx, minz - 1, minz) || anyVask(*this, minx, maxx, maxz, maxz + 1);

    for (int t = 2; t < PassTable::SIZE; t++)
        if (faces[t]) sector.reserveFaces(t, faces[t]);
    sector.lightPossible = vaskNear;
    for (const VisibleCell& v : visible)
        sector.addCube(vec4(float(v.x), float(v.y), float(v.z), float(v.mask)), v.type);
    sector.lightPossible = true;
}

void World::rebuildSector(SectorRenderer& sector) {
    renderSector(sector.posX, sector.posZ, sector);
    if (screen) sector.genMesh();
    else sector.clearStaging();
    sector.needUpdate = false;
}
