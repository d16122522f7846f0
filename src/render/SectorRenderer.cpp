// The CPU half of a sector: turning cells into staging arrays, and the upkeep of
// the entities the sector holds. No GL here; SectorRendererGL.cpp uploads and draws.
#include "render/SectorRenderer.h"

#include "render/CubeFaces.h"

#include "machines/Entity.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <glm/geometric.hpp>

#include <algorithm>

SectorRenderer::SectorRenderer(World* w) : needUpdate(false), world(w), posX(0), posZ(0) {}

void SectorRenderer::clearStaging() {
    for (RData& r : rData) r.clearStaging();
    depth.clearStaging();
}

void SectorRenderer::updateBounds() {
    meshLoY = 1.0f;
    meshHiY = 0.0f;
    bool any = false;
    for (const RData& r : rData)
        for (size_t i = 1; i < r.protoCoord.size(); i += 3) {
            float y = r.protoCoord[i];
            if (!any || y < meshLoY) meshLoY = y;
            if (!any || y > meshHiY) meshHiY = y;
            any = true;
        }
}

namespace {

RData& meshFor(std::vector<RData>& rData, int id) {
    if (size_t(id) >= rData.size()) rData.resize(size_t(id) + 1);
    return rData[size_t(id)];
}

void addVertex(RData& r, vec3 p, float u, float v, vec3 n, float light) {
    r.protoCoord.insert(r.protoCoord.end(), {p.x, p.y, p.z});
    r.protoTex.insert(r.protoTex.end(), {u, v});
    r.protoNorm.insert(r.protoNorm.end(), {n.x, n.y, n.z, light});
}

int passOf(int type) {
    return blockAttrib(type).renderPass;
}

}  // namespace

float calcLight(World* w, int x, int y, int z) {
    // Corners inside the world read the eight cells directly; only the border
    // needs the per-cell range check.
    if (x >= 1 && y >= 1 && z >= 1 && unsigned(x) < w->width && unsigned(y) < w->height &&
        unsigned(z) < w->depth) {
        const size_t H = w->height, D = w->depth;
        const Block* b = w->blocks.data() + (size_t(x - 1) * H + size_t(y - 1)) * D + size_t(z - 1);
        int count = (b[0].type == 2) + (b[1].type == 2) + (b[D].type == 2) + (b[D + 1].type == 2);
        b += H * D;
        count += (b[0].type == 2) + (b[1].type == 2) + (b[D].type == 2) + (b[D + 1].type == 2);
        return 0.25f * float(count);
    }
    float light = 0;
    for (int dx = -1; dx <= 0; dx++)
        for (int dy = -1; dy <= 0; dy++)
            for (int dz = -1; dz <= 0; dz++)
                if (w->inWorld(x + dx, y + dy, z + dz) && w->cell(x + dx, y + dy, z + dz).type == 2)
                    light += 0.25f;
    return light;
}

void SectorRenderer::reserveFaces(int type, size_t faces) {
    if (type < 0) return;
    RData& r = meshFor(rData, type);
    r.protoCoord.reserve(r.protoCoord.size() + faces * 12);
    r.protoTex.reserve(r.protoTex.size() + faces * 8);
    r.protoNorm.reserve(r.protoNorm.size() + faces * 16);
    r.protoElem.reserve(r.protoElem.size() + faces * 4);
}

float SectorRenderer::cornerLight(int x, int y, int z) const {
    if (!vaskCells) return calcLight(world, x, y, z);
    // The eight cells around the corner point, as calcLight counts them.
    const uint8_t* b = vaskCells + (x - 1 - vaskOrigin[0]) * vaskStepX + (y - 1 - vaskOrigin[1]) * vaskStepY +
                       (z - 1 - vaskOrigin[2]);
    int count = b[0] + b[1] + b[vaskStepY] + b[vaskStepY + 1];
    b += vaskStepX;
    count += b[0] + b[1] + b[vaskStepY] + b[vaskStepY + 1];
    return 0.25f * float(count);
}

void SectorRenderer::addCube(vec4 v, int id) {
    if (id < 0) return;  // no mesh can be indexed by it
    if (id == 1) {
        addPartial(v);
        return;
    }
    int x = int(v.x), y = int(v.y), z = int(v.z), mask = int(v.w);
    for (int f = 0; f < 6; f++)
        if (mask & CUBE_FACES[f].bit) addFace(x, y, z, f, id);
}

void SectorRenderer::addFace(int x, int y, int z, int face, int id) {
    const CubeFace& f = CUBE_FACES[face];
    const bool count = lightPossible;
    RData& r = meshFor(rData, id);
    uint32_t n = uint32_t(r.vertexCount());
    r.addQuadIndices(n, n + 1, n + 2, n + 3);
    size_t c3 = r.protoCoord.size(), c2 = r.protoTex.size(), c4 = r.protoNorm.size();
    r.protoCoord.resize(c3 + 12);
    r.protoTex.resize(c2 + 8);
    r.protoNorm.resize(c4 + 16);
    float* pos = &r.protoCoord[c3];
    float* tex = &r.protoTex[c2];
    float* norm = &r.protoNorm[c4];
    for (int c = 0; c < 4; c++) {
        int cx = x + f.corners[c][0], cy = y + f.corners[c][1], cz = z + f.corners[c][2];
        pos[3 * c] = float(cx);
        pos[3 * c + 1] = float(cy);
        pos[3 * c + 2] = float(cz);
        tex[2 * c] = CUBE_FACE_TEX[2 * c];
        tex[2 * c + 1] = CUBE_FACE_TEX[2 * c + 1];
        norm[4 * c] = f.normal[0];
        norm[4 * c + 1] = f.normal[1];
        norm[4 * c + 2] = f.normal[2];
        norm[4 * c + 3] = count ? cornerLight(cx, cy, cz) : 0.0f;
    }
}

void groupQuadsByFacing(RData& r, int (&starts)[7]) {
    size_t indices = r.indexCount(), quads = indices / 4;
    std::vector<uint8_t> side(quads);
    int count[6] = {0, 0, 0, 0, 0, 0};
    for (size_t q = 0; q < quads; q++) {
        size_t v = r.wide ? r.protoElemWide[4 * q] : r.protoElem[4 * q];
        const float* n = &r.protoNorm[4 * v];
        // The stored normal points inward: (1, 0, 0) is a face looking to -x.
        int axis = n[0] != 0 ? 0 : n[1] != 0 ? 1 : 2;
        float inward = n[axis];
        side[q] = uint8_t(2 * axis + (inward > 0 ? 0 : 1));
        count[side[q]]++;
    }
    starts[0] = 0;
    for (int g = 0; g < 6; g++) starts[g + 1] = starts[g] + 4 * count[g];
    int next[6];
    for (int g = 0; g < 6; g++) next[g] = starts[g];
    auto regroup = [&](auto& elems) {
        auto copy = elems;
        for (size_t q = 0; q < quads; q++) {
            int at = next[side[q]];
            for (int k = 0; k < 4; k++) elems[size_t(at + k)] = copy[4 * q + size_t(k)];
            next[side[q]] += 4;
        }
    };
    if (r.wide) regroup(r.protoElemWide);
    else regroup(r.protoElem);
}

vec3 int2vec(int x) {
    static const vec3 dirs[6] = {vec3(1, 0, 0),  vec3(-1, 0, 0), vec3(0, 1, 0),
                                 vec3(0, -1, 0), vec3(0, 0, 1),  vec3(0, 0, -1)};
    return (x >= 0 && x < 6) ? dirs[x] : vec3(0);
}

std::vector<vec3> get2Union(vec3 a, vec3 b) {
    vec3 s = a + b, first, second;
    for (int i = 0; i < 3; i++) {
        first[i] = s[i] == 1 ? 1.0f : 0.0f;
        second[i] = s[i] == -1 ? 0.0f : 1.0f;
    }
    return {first, second};
}

std::vector<vec3> get2XUnion(vec3 a, vec3 b) {
    std::vector<vec3> one = get2Union(-a, b), two = get2Union(a, -b);
    return {one[0], one[1], two[1], two[0]};
}

void SectorRenderer::addPartial(vec4 v) {
    vec3 cell(int(v.x), int(v.y), int(v.z));
    std::vector<Block> nb = world->getNeighbors(cell);
    bool solid[6];
    int count = 0;
    for (int i = 0; i < 6; i++) {
        solid[i] = passOf(nb[size_t(i)].type) == 1;
        count += solid[i];
    }
    // The contributing neighbours shape the slope; the last of them that is not
    // a filler itself lends its texture.
    int used[3], nUsed = 0;
    if (count == 3) {
        for (int i = 0; i < 6; i++)
            if (solid[i]) {
                if (solid[i ^ 1]) return;  // both sides of one axis: no corner to fill
                used[nUsed++] = i;
            }
    } else if (count == 2 || count == 4) {
        for (int i = 0; i < 6 && nUsed < 2; i++)
            if (solid[i] && !solid[i ^ 1]) used[nUsed++] = i;
        if (nUsed < 2) return;
    } else {
        return;
    }
    int tex = -1;
    for (int k = 0; k < nUsed; k++)
        if (nb[size_t(used[k])].type != 1) tex = nb[size_t(used[k])].type;
    if (tex < 0) return;

    RData& r = meshFor(rData, tex);
    r.slopes = true;
    uint32_t n = uint32_t(r.vertexCount());
    vec3 towardFill(0);
    for (int k = 0; k < nUsed; k++) towardFill -= int2vec(used[k]);
    vec3 normal = glm::normalize(towardFill);
    if (nUsed == 3) {
        // near = 1 where the solid neighbour is on the + side of that axis.
        vec3 nearF(0), farF(0);
        for (int k = 0; k < 3; k++) {
            int axis = used[k] / 2;
            nearF[axis] = (used[k] & 1) ? 1.0f : 0.0f;
            farF[axis] = 1.0f - nearF[axis];
        }
        vec3 p[3] = {cell + vec3(farF.x, nearF.y, nearF.z), cell + vec3(nearF.x, farF.y, nearF.z),
                     cell + vec3(nearF.x, nearF.y, farF.z)};
        addVertex(r, p[0], 0, 0, normal, 0);
        addVertex(r, p[1], 1, 0, normal, 0);
        addVertex(r, p[2], 0.5f, 1, normal, 0);
        r.addQuadIndices(n, n + 1, n + 2, n + 2);
        depth.addSlope(p[0], p[1], p[2], p[2]);
    } else {
        std::vector<vec3> pts = get2XUnion(int2vec(used[0]), int2vec(used[1]));
        vec3 p[4];
        for (int c = 0; c < 4; c++) {
            p[c] = cell + (vec3(1) - pts[size_t(c)]);
            addVertex(r, p[c], CUBE_FACE_TEX[2 * c], CUBE_FACE_TEX[2 * c + 1], normal, 0);
        }
        r.addQuadIndices(n, n + 1, n + 2, n + 3);
        depth.addSlope(p[0], p[1], p[2], p[3]);
    }
}

void SectorRenderer::update() {
    // Entities handed over or placed during the walk land at the end of some
    // list; only the ones present at the start are visited, each exactly once.
    size_t count = ents.size();
    auto it = ents.begin();
    for (size_t i = 0; i < count && it != ents.end(); i++) {
        Entity* e = *it;
        int sx = int(e->pos.x) / 10, sz = int(e->pos.z) / 10;
        // The world files strays beyond its edge under the edge sector; one that
        // already sits there is kept, or it would be handed back and forth and
        // never updated again.
        int lastX = int(world->sectors.size()) - 1;
        sx = std::max(0, std::min(sx, lastX));
        if (lastX >= 0) sz = std::max(0, std::min(sz, int(world->sectors[size_t(sx)].size()) - 1));
        if (sx != posX || sz != posZ) {
            it = ents.erase(it);
            world->placeEntity(e);
        } else if (e->alive) {
            e->update();
            ++it;
        } else {
            delete e;
            it = ents.erase(it);
        }
    }
}
