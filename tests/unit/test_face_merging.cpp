// Runs of alike faces drawn as one quad: the merged mesh must draw exactly the
// cell faces the one-quad-per-face mesh draws, with the same texel at every
// point, the same winding, and vask-lit faces left alone.
#include "WorldFixture.h"
#include "render/FaceMerger.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <tuple>

namespace {

// One cell face: its mesh (type), the side it looks to (0 -x, 1 +x, 2 -y, 3 +y,
// 4 -z, 5 +z) and its cell.
using CellFace = std::tuple<int, int, int, int, int>;

// What a mesh draws over one cell face.
struct Drawn {
    float u = 0, v = 0;       // texture coordinates at a fixed off-centre point of the face
    bool clockwise = false;   // winding against the stored normal
    int cells = 0;            // cell faces the drawing quad covers
    std::map<std::array<int, 3>, float> cornerLight;  // at the quad's corners
};

struct MeshFaces {
    std::map<CellFace, Drawn> faces;
    std::multiset<std::vector<float>> slopes;  // slope-filler geometry, kept as is
    size_t quads = 0;
    int widest = 0;  // longest side of any quad, in cells
};

float component(const std::vector<float>& a, size_t v, int n, int k) { return a[size_t(n) * v + size_t(k)]; }

// Takes apart every quad of every mesh of a sector's staging arrays into the
// cell faces it covers. A cell face covered twice is a failure.
MeshFaces collect(const SectorRenderer& s) {
    MeshFaces out;
    for (size_t type = 0; type < s.rData.size(); type++) {
        const RData& r = s.rData[type];
        for (size_t q = 0; q < r.indexCount() / 4; q++) {
            size_t idx[4];
            for (int k = 0; k < 4; k++) idx[k] = r.wide ? r.protoElemWide[4 * q + k] : r.protoElem[4 * q + k];
            glm::vec3 p[4], n(component(r.protoNorm, idx[0], 4, 0), component(r.protoNorm, idx[0], 4, 1),
                              component(r.protoNorm, idx[0], 4, 2));
            glm::vec2 t[4];
            for (int k = 0; k < 4; k++) {
                for (int a = 0; a < 3; a++) p[k][a] = component(r.protoCoord, idx[k], 3, a);
                t[k] = glm::vec2(component(r.protoTex, idx[k], 2, 0), component(r.protoTex, idx[k], 2, 1));
            }
            out.quads++;
            int axis = -1, nonzero = 0;
            for (int a = 0; a < 3; a++)
                if (n[a] != 0) axis = a, nonzero++;
            if (nonzero != 1 || idx[2] == idx[3]) {
                std::vector<float> shape{float(type)};
                for (size_t i : idx)
                    for (int k = 0; k < 4; k++) {
                        if (k < 3) shape.push_back(component(r.protoCoord, i, 3, k));
                        if (k < 2) shape.push_back(component(r.protoTex, i, 2, k));
                        shape.push_back(component(r.protoNorm, i, 4, k));
                    }
                out.slopes.insert(shape);
                continue;
            }
            int a1 = (axis + 1) % 3, a2 = (axis + 2) % 3;
            glm::vec3 lo = glm::min(glm::min(p[0], p[1]), glm::min(p[2], p[3]));
            glm::vec3 hi = glm::max(glm::max(p[0], p[1]), glm::max(p[2], p[3]));
            EXPECT_EQ(lo[axis], hi[axis]) << "a quad off its plane";
            // The stored normal points into the cube: +1 is a face looking to -axis.
            int facing = 2 * axis + (n[axis] > 0 ? 0 : 1);
            int plane = int(lo[axis]) - (n[axis] > 0 ? 0 : 1);
            glm::vec3 e1 = p[1] - p[0], e3 = p[3] - p[0];
            // Texture coordinates must be affine over the quad, or the rest of it would not say.
            glm::vec2 t2 = t[1] + t[3] - t[0];
            EXPECT_NEAR(t[2].x, t2.x, 1e-5);
            EXPECT_NEAR(t[2].y, t2.y, 1e-5);
            EXPECT_EQ(p[2], p[1] + e3) << "not a rectangle";
            Drawn d;
            d.clockwise = glm::dot(glm::cross(e1, e3), n) > 0;
            d.cells = int(hi[a1] - lo[a1]) * int(hi[a2] - lo[a2]);
            out.widest = std::max(out.widest, int(std::max(hi[a1] - lo[a1], hi[a2] - lo[a2])));
            for (int k = 0; k < 4; k++)
                d.cornerLight[{int(p[k].x), int(p[k].y), int(p[k].z)}] = component(r.protoNorm, idx[k], 4, 3);
            for (int i = int(lo[a1]); i < int(hi[a1]); i++)
                for (int j = int(lo[a2]); j < int(hi[a2]); j++) {
                    glm::vec3 at(0);
                    at[axis] = lo[axis];
                    at[a1] = float(i) + 0.3f;
                    at[a2] = float(j) + 0.7f;
                    glm::vec3 rel = at - p[0];
                    float s1 = glm::dot(rel, e1) / glm::dot(e1, e1), s3 = glm::dot(rel, e3) / glm::dot(e3, e3);
                    glm::vec2 uv = t[0] + s1 * (t[1] - t[0]) + s3 * (t[3] - t[0]);
                    d.u = uv.x, d.v = uv.y;
                    int cell[3];
                    cell[axis] = plane, cell[a1] = i, cell[a2] = j;
                    CellFace key{int(type), facing, cell[0], cell[1], cell[2]};
                    EXPECT_TRUE(out.faces.emplace(key, d).second) << "cell face drawn twice, type " << type;
                }
        }
    }
    return out;
}

// The same texel under a repeating texture: equal fractional parts.
void expectSameTexel(float a, float b, const char* what) {
    float da = a - std::floor(a), db = b - std::floor(b), gap = std::fabs(da - db);
    EXPECT_LT(std::min(gap, 1.0f - gap), 1e-4f) << what << " " << a << " against " << b;
}

struct Meshes {
    MeshFaces single, merged;
};

Meshes meshBothWays(World& w, SectorRenderer& s) {
    Meshes m;
    s.mergeFaces = false;
    w.renderSector(s.posX, s.posZ, s);
    m.single = collect(s);
    s.clearStaging();
    s.mergeFaces = true;
    w.renderSector(s.posX, s.posZ, s);
    m.merged = collect(s);
    s.clearStaging();
    return m;
}

// Hills of layered types with scattered cells of every kind the mesher treats
// differently: sharp highlights, translucent passes, vask, slope fillers.
void fillHills(World& w) {
    const int scatter[] = {0, 1, 2, 3, 4, 19, 24, 35, 38, 47};
    for (int x = 0; x < int(w.width); x++)
        for (int z = 0; z < int(w.depth); z++) {
            int top = 3 + (x / 4 + z / 3) % 3 + (rand() % 6 == 0);
            for (int y = 0; y < std::min(top, int(w.height)); y++) {
                int type = y + 1 == top ? 24 : y < 2 ? 3 : 4;
                if (rand() % 16 == 0) type = scatter[rand() % 10];
                w.setBlock(x, y, z, type, type == 2 ? 10 : 0);
            }
        }
}

}  // namespace

TEST(FaceMerging, MergedMeshesDrawTheSameCellFacesAndTexels) {
    const int sizes[][3] = {{23, 9, 21}, {30, 14, 12}, {17, 30, 17}};
    for (unsigned seed = 1; seed <= 3; seed++) {
        srand(seed);
        const int* size = sizes[seed - 1];
        auto w = makeWorld(unsigned(size[0]), unsigned(size[1]), unsigned(size[2]));
        fillHills(*w);
        size_t singleQuads = 0, mergedQuads = 0;
        for (auto& row : w->sectors)
            for (auto& s : row) {
                SCOPED_TRACE("seed " + std::to_string(seed) + " sector " + std::to_string(s.posX) + "," +
                             std::to_string(s.posZ));
                Meshes m = meshBothWays(*w, s);
                singleQuads += m.single.quads;
                mergedQuads += m.merged.quads;
                EXPECT_EQ(m.merged.slopes, m.single.slopes);
                EXPECT_LE(m.merged.widest, FaceMerger::MAX_SPAN);
                ASSERT_EQ(m.merged.faces.size(), m.single.faces.size());
                for (const auto& [key, one] : m.single.faces) {
                    auto found = m.merged.faces.find(key);
                    ASSERT_NE(found, m.merged.faces.end())
                        << "type " << std::get<0>(key) << " facing " << std::get<1>(key) << " at "
                        << std::get<2>(key) << "," << std::get<3>(key) << "," << std::get<4>(key);
                    const Drawn& merged = found->second;
                    expectSameTexel(merged.u, one.u, "u");
                    expectSameTexel(merged.v, one.v, "v");
                    EXPECT_EQ(merged.clockwise, one.clockwise);
                    bool lit = false;
                    for (const auto& corner : one.cornerLight) lit |= corner.second != 0;
                    int type = std::get<0>(key);
                    if (lit || !typeMergesFaces(type, blockAttribs[type])) {
                        // Left as it was: its own quad, its own corner lights.
                        EXPECT_EQ(merged.cells, 1) << "type " << type;
                        EXPECT_EQ(merged.cornerLight, one.cornerLight);
                    } else {
                        for (const auto& corner : merged.cornerLight) EXPECT_EQ(corner.second, 0.0f);
                    }
                }
            }
        // Hills of three layered types leave plenty to merge.
        EXPECT_LT(mergedQuads * 3, singleQuads * 2) << "seed " << seed << ": " << mergedQuads << " of " << singleQuads;
    }
}

TEST(FaceMerging, FloorsAndColumnsMergeUpToTheSpan) {
    auto w = makeWorld(10, 30, 10);
    for (int x = 0; x < 10; x++)
        for (int z = 0; z < 10; z++) w->setBlock(x, 0, z, 3, 0);
    for (int y = 1; y <= 25; y++) w->setBlock(4, y, 6, 4, 0);
    SectorRenderer& s = w->sectors[0][0];
    w->renderSector(0, 0, s);
    const int span = FaceMerger::MAX_SPAN;
    ASSERT_LT(span, 10);
    // The floor: 239 cell faces (the column's foot covers one top). Its bottom
    // and four rims split into spans only, the top also around the column.
    const RData& floor = s.rData[3];
    const size_t rims = 4 * size_t((10 + span - 1) / span), bottom = size_t(((10 + span - 1) / span) * ((10 + span - 1) / span));
    EXPECT_GT(floor.vertexCount(), 4 * (rims + 2 * bottom));
    EXPECT_LE(floor.vertexCount(), 4 * (rims + 2 * bottom + 4));
    float widest = 0;
    for (float t : floor.protoTex) widest = std::max(widest, t);
    EXPECT_EQ(widest, float(span));
    // The column: four sides of 25 cells in spans, and its top.
    const RData& column = s.rData[4];
    const int pieces = (25 + span - 1) / span;
    EXPECT_EQ(column.vertexCount(), 4u * size_t(4 * pieces + 1));
    std::multiset<float> heights, expected{0};
    for (int side = 0; side < 4; side++)
        for (int left = 25; left > 0; left -= span) expected.insert(float(std::min(left, span)));
    for (size_t v = 0; v < column.vertexCount(); v += 4) {
        float lo = column.protoCoord[3 * v + 1], hi = lo;
        for (size_t k = v; k < v + 4; k++) {
            lo = std::min(lo, column.protoCoord[3 * k + 1]);
            hi = std::max(hi, column.protoCoord[3 * k + 1]);
        }
        heights.insert(hi - lo);
    }
    EXPECT_EQ(heights, expected);
}

TEST(FaceMerging, VaskLitFacesKeepTheirOwnQuads) {
    auto w = makeWorld(10, 10, 10);
    for (int x = 0; x < 10; x++)
        for (int z = 0; z < 10; z++) w->setBlock(x, 0, z, 3, 0);
    w->setBlock(5, 1, 5, 2, 10);
    SectorRenderer& s = w->sectors[0][0];
    Meshes m = meshBothWays(*w, s);
    // The vask cell's foot touches the corners of the 3 x 3 floor tops around
    // it: those nine stay single and lit, the rest of the top merges unlit.
    int litTops = 0, mergedTops = 0;
    for (const auto& [key, d] : m.merged.faces) {
        if (std::get<0>(key) != 3 || std::get<1>(key) != 3) continue;
        float light = 0;
        for (const auto& corner : d.cornerLight) light += corner.second;
        int x = std::get<2>(key), z = std::get<4>(key);
        bool near = x >= 4 && x <= 6 && z >= 4 && z <= 6;
        EXPECT_EQ(light > 0, near) << x << "," << z;
        EXPECT_EQ(d.cells == 1, near) << x << "," << z;
        litTops += near;
        mergedTops += d.cells > 1;
    }
    EXPECT_EQ(litTops, 9);
    // None of the other 91 tops is left alone.
    EXPECT_EQ(mergedTops, 91);
    // The vask itself is translucent: its six faces stay as they were.
    EXPECT_EQ(s.rData.size() > 2 ? m.merged.faces.size() : 0u, m.single.faces.size());
}

TEST(FaceMerging, OnlyPlainOpaqueTypesMerge) {
    setupBlockAttribs();
    EXPECT_TRUE(typeMergesFaces(3, blockAttribs[3]));    // stone: a broad, faint highlight
    EXPECT_TRUE(typeMergesFaces(35, blockAttribs[35]));  // no highlight
    EXPECT_FALSE(typeMergesFaces(1, blockAttribs[1]));   // slope filler
    EXPECT_FALSE(typeMergesFaces(2, blockAttribs[2]));   // vask, its own pass
    EXPECT_FALSE(typeMergesFaces(19, blockAttribs[19]));
    EXPECT_FALSE(typeMergesFaces(38, blockAttribs[38]));  // marble: a sharp highlight
    EXPECT_FALSE(typeMergesFaces(47, blockAttribs[47]));  // metal: a strong one
}

TEST(FaceMerging, SectorsNearTheEyeRebuildWithSingleFaces) {
    auto w = makeWorld(10, 10, 10);
    SectorRenderer& s = w->sectors[0][0];
    ASSERT_TRUE(s.mergeFaces);
    s.followEye(30);
    EXPECT_FALSE(s.needUpdate);
    s.followEye(10);
    EXPECT_FALSE(s.mergeFaces);
    EXPECT_TRUE(s.needUpdate);
    s.needUpdate = false;
    // Between the two distances the sector keeps what it has, either way.
    s.followEye(18);
    EXPECT_FALSE(s.mergeFaces);
    EXPECT_FALSE(s.needUpdate);
    s.followEye(25);
    EXPECT_TRUE(s.mergeFaces);
    EXPECT_TRUE(s.needUpdate);
    s.needUpdate = false;
    s.followEye(18);
    EXPECT_TRUE(s.mergeFaces);
    EXPECT_FALSE(s.needUpdate);
}
