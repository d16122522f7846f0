// Walking a sector's cells into its staging meshes. CPU only: the upload is
// SectorRenderer::genMesh, called here only when the world has a window.
#include "render/CubeFaces.h"
#include "render/FaceMerger.h"
#include "render/SectorRenderer.h"
#include "world/World.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Each cell of the sector (and a one-cell rim) is reduced to one byte before the
// walk: its render pass in the low bits, and HIDES when it is an opaque
// non-filler that closes a neighbour's face. The walk then reads dense bytes
// instead of looking every neighbour's type up in the block table.
constexpr uint8_t HIDES = 0x80;
constexpr uint8_t PASS_BITS = 0x7f;

struct CellClasses {
    static constexpr int TYPES = 256;
    uint8_t ofType[TYPES] = {};
    bool inDepthMesh[TYPES] = {};

    CellClasses() {
        for (const auto& [type, attrib] : blockAttribs) {
            if (type < 0 || type >= TYPES) continue;
            int pass = std::max(0, std::min(attrib.renderPass, int(PASS_BITS)));
            ofType[type] = uint8_t(pass | (pass == 1 && type != 1 ? HIDES : 0));
            inDepthMesh[type] = typeInDepthMesh(type, attrib.renderPass);
        }
    }
    // Types the table does not know are never drawn and hide nothing.
    uint8_t of(int t) const { return unsigned(t) < unsigned(TYPES) ? ofType[t] : 0; }
};

struct VisibleCell {
    int x, y, z, mask, type;
};

// Fills the sector's depth mesh from the visible opaque cubes, runs of faces
// in one plane merged whatever their types.
void addDepthFaces(SectorRenderer& sector, const std::vector<VisibleCell>& visible, const CellClasses& classes) {
    const World& w = *sector.world;
    // Only visible cells offer faces, so the grid needs only the rows from the
    // lowest to the highest of them.
    int lowY = visible.front().y, highY = lowY;
    for (const VisibleCell& v : visible) lowY = std::min(lowY, v.y), highY = std::max(highY, v.y);
    FaceMerger merger;
    merger.reset(w.minx, w.maxx - w.minx, lowY, highY - lowY + 1, w.minz, w.maxz - w.minz);
    for (const VisibleCell& v : visible)
        if (classes.inDepthMesh[v.type])
            for (int f = 0; f < 6; f++)
                if (v.mask & CUBE_FACES[f].bit) merger.offer(v.x, v.y, v.z, f);
    for (const VisibleCell& v : visible)
        if (classes.inDepthMesh[v.type])
            for (int f = 0; f < 6; f++) {
                int du = 1, dv = 1;
                if ((v.mask & CUBE_FACES[f].bit) && merger.take(v.x, v.y, v.z, f, du, dv))
                    sector.depth.addFace(v.x, v.y, v.z, f, du, dv);
            }
}

}  // namespace

void World::renderSector(int x, int z, SectorRenderer& sector) {
    long x0 = 10L * x, z0 = 10L * z;
    if (x0 < 0 || z0 < 0 || x0 >= long(width) || z0 >= long(depth)) return;
    minx = int(x0);
    maxx = int(std::min(x0 + 10, long(width)));
    minz = int(z0);
    maxz = int(std::min(z0 + 10, long(depth)));

    std::vector<uint8_t> box;
    std::vector<VisibleCell> visible;
    visible.reserve(1024);
    const CellClasses classes;
    const long H = long(height);
    // The box spans x in [minx-1, maxx], y in [-1, height], z in [minz-1, maxz];
    // rim cells outside the world stay 0, which is open, like outside the world.
    const long bx = maxx - minx + 2, by = H + 2, bz = maxz - minz + 2;
    const long sY = bz, sX = by * bz;
    box.assign(size_t(bx * by * bz), 0);
    std::vector<uint8_t> vask(box.size(), 0);
    bool vaskNear = false;  // any vask cell in the box lights some corner
    for (long cx = std::max(minx - 1, 0); cx < std::min(long(maxx) + 1, long(width)); cx++)
        for (long cy = 0; cy < H; cy++) {
            const Block* row = &cell(int(cx), int(cy), 0);
            size_t at = size_t((cx - minx + 1) * sX + (cy + 1) * sY);
            uint8_t* out = &box[at];
            uint8_t* isVask = &vask[at];
            for (long cz = std::max(minz - 1, 0); cz < std::min(long(maxz) + 1, long(depth)); cz++) {
                int t = row[cz].type;
                vaskNear |= t == 2;
                isVask[cz - minz + 1] = t == 2;
                out[cz - minz + 1] = classes.of(t);
            }
        }

    size_t faces[CellClasses::TYPES] = {};
    for (long cx = minx; cx < maxx; cx++)
        for (long cy = 0; cy < H; cy++) {
            const uint8_t* row = &box[size_t((cx - minx + 1) * sX + (cy + 1) * sY)];
            for (long cz = minz; cz < maxz; cz++) {
                const uint8_t* c = row + (cz - minz + 1);
                int p = *c & PASS_BITS;
                if (p == 0) continue;
                // A side is closed against a neighbour that hides it, and for a
                // translucent cell also against a cell of its own pass.
                auto closed = [&](long offset) {
                    uint8_t u = c[offset];
                    return (u & HIDES) || (p > 1 && (u & PASS_BITS) == p);
                };
                int mask = (closed(-sX) ? 0 : 1) | (closed(sX) ? 0 : 2) | (closed(-sY) ? 0 : 4) |
                           (closed(sY) ? 0 : 8) | (closed(-1) ? 0 : 16) | (closed(1) ? 0 : 32);
                if (!mask) continue;
                int t = this->cell(int(cx), int(cy), int(cz)).type;
                visible.push_back({int(cx), int(cy), int(cz), mask, t});
                faces[t] += size_t(__builtin_popcount(unsigned(mask)));
            }
        }
    if (visible.empty()) return;

    for (int t = 2; t < CellClasses::TYPES; t++)
        if (faces[t]) sector.reserveFaces(t, faces[t]);
    sector.lightPossible = vaskNear;
    sector.vaskCells = vask.data();
    sector.vaskOrigin[0] = minx - 1;
    sector.vaskOrigin[1] = -1;
    sector.vaskOrigin[2] = minz - 1;
    sector.vaskStepX = sX;
    sector.vaskStepY = sY;
    for (const VisibleCell& v : visible)
        sector.addCube(vec4(float(v.x), float(v.y), float(v.z), float(v.mask)), v.type);
    addDepthFaces(sector, visible, classes);
    sector.vaskCells = nullptr;
    sector.lightPossible = true;
}

void World::rebuildSector(SectorRenderer& sector) {
    renderSector(sector.posX, sector.posZ, sector);
    if (screen) sector.genMesh();
    else sector.clearStaging();
    sector.needUpdate = false;
}
