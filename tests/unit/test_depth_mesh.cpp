// The sun's depth mesh: it must cover exactly the opaque cube faces the eye's
// mesh draws, each once, turned the same way, in fewer and larger quads, and
// hold the same slopes.
#include "WorldFixture.h"
#include "render/DepthMesh.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

// One cell face: the side it looks to (0 -x, 1 +x, 2 -y, 3 +y, 4 -z, 5 +z) and its cell.
using CellFace = std::tuple<int, int, int, int>;

glm::vec3 corner(const std::vector<float>& a, size_t v) { return {a[3 * v], a[3 * v + 1], a[3 * v + 2]}; }

struct EyeMesh {
    std::set<CellFace> faces;               // opaque cube faces, one unit quad each
    std::multiset<std::vector<float>> slopes;  // the corners of each slope
};

EyeMesh eyeMesh(const SectorRenderer& s) {
    EyeMesh out;
    for (size_t type = 0; type < s.rData.size(); type++) {
        const RData& r = s.rData[type];
        if (!typeInDepthMesh(int(type), blockAttribs[int(type)].renderPass)) continue;
        for (size_t q = 0; q < r.indexCount() / 4; q++) {
            size_t first = r.wide ? r.protoElemWide[4 * q] : r.protoElem[4 * q];
            const float* n = &r.protoNorm[4 * first];
            if ((n[0] != 0) + (n[1] != 0) + (n[2] != 0) != 1) {
                std::vector<float> corners;
                for (int k = 0; k < 4; k++) {
                    glm::vec3 c = corner(r.protoCoord, r.wide ? r.protoElemWide[4 * q + k] : r.protoElem[4 * q + k]);
                    corners.insert(corners.end(), {c.x, c.y, c.z});
                }
                out.slopes.insert(corners);
                continue;
            }
            int axis = n[0] != 0 ? 0 : n[1] != 0 ? 1 : 2;
            int facing = 2 * axis + (n[axis] > 0 ? 0 : 1);
            glm::vec3 lo = corner(r.protoCoord, first);
            for (int k = 1; k < 4; k++) {
                size_t v = r.wide ? r.protoElemWide[4 * q + k] : r.protoElem[4 * q + k];
                lo = glm::min(lo, corner(r.protoCoord, v));
            }
            int cell[3] = {int(lo.x), int(lo.y), int(lo.z)};
            if (facing % 2) cell[axis]--;  // a face looking to +axis lies on its cell's far side
            EXPECT_TRUE(out.faces.emplace(facing, cell[0], cell[1], cell[2]).second) << "a cell face drawn twice";
        }
    }
    return out;
}

struct Taken {
    std::set<CellFace> faces;
    std::multiset<std::vector<float>> slopes;
    size_t quads = 0;
    int longest = 0;  // longest side of any quad, in cells
};

// Takes every quad of the depth mesh apart into the cell faces it covers.
Taken depthFaces(const DepthMesh& d) {
    Taken out;
    const std::vector<float>& slopes = d.staged[DepthMesh::SLOPES];
    for (size_t q = 0; q + 12 <= slopes.size(); q += 12) out.slopes.emplace(slopes.begin() + long(q), slopes.begin() + long(q) + 12);
    for (int facing = 0; facing < 6; facing++) {
        const std::vector<float>& a = d.staged[facing];
        EXPECT_EQ(a.size() % 12, 0u);
        int axis = facing / 2, a1 = (axis + 1) % 3, a2 = (axis + 2) % 3;
        glm::vec3 outward(0);
        outward[axis] = facing % 2 ? 1.0f : -1.0f;
        for (size_t q = 0; q < a.size() / 12; q++, out.quads++) {
            glm::vec3 p[4];
            for (int k = 0; k < 4; k++) p[k] = corner(a, 4 * q + size_t(k));
            glm::vec3 lo = glm::min(glm::min(p[0], p[1]), glm::min(p[2], p[3]));
            glm::vec3 hi = glm::max(glm::max(p[0], p[1]), glm::max(p[2], p[3]));
            EXPECT_EQ(lo[axis], hi[axis]) << "a quad off its plane";
            EXPECT_EQ(p[2], p[1] + (p[3] - p[0])) << "not a rectangle";
            // Counter-clockwise seen from outside, as the eye's faces wind.
            EXPECT_GT(glm::dot(glm::cross(p[1] - p[0], p[3] - p[0]), outward), 0.0f);
            out.longest = std::max(out.longest, int(std::max(hi[a1] - lo[a1], hi[a2] - lo[a2])));
            for (int i = int(lo[a1]); i < int(hi[a1]); i++)
                for (int j = int(lo[a2]); j < int(hi[a2]); j++) {
                    int cell[3];
                    cell[axis] = int(lo[axis]) - (facing % 2);
                    cell[a1] = i, cell[a2] = j;
                    EXPECT_TRUE(out.faces.emplace(facing, cell[0], cell[1], cell[2]).second)
                        << "a cell face covered twice";
                }
        }
    }
    return out;
}

// Hills of layered types with scattered cells of every kind the mesher treats
// differently: highlights, translucent passes, vask, slope fillers.
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

TEST(DepthMesh, CoversTheEyesOpaqueFacesOnceInFewerQuads) {
    const int sizes[][3] = {{23, 9, 21}, {30, 14, 12}, {17, 30, 17}};
    for (unsigned seed = 1; seed <= 3; seed++) {
        srand(seed);
        const int* size = sizes[seed - 1];
        auto w = makeWorld(unsigned(size[0]), unsigned(size[1]), unsigned(size[2]));
        fillHills(*w);
        size_t faces = 0, quads = 0;
        for (auto& row : w->sectors)
            for (auto& s : row) {
                SCOPED_TRACE("seed " + std::to_string(seed) + " sector " + std::to_string(s.posX) + "," +
                             std::to_string(s.posZ));
                w->renderSector(s.posX, s.posZ, s);
                EyeMesh eye = eyeMesh(s);
                Taken depth = depthFaces(s.depth);
                EXPECT_EQ(depth.faces, eye.faces);
                EXPECT_EQ(depth.slopes, eye.slopes);
                EXPECT_LE(depth.longest, 10);  // never beyond the sector
                faces += eye.faces.size();
                quads += depth.quads;
                s.clearStaging();
                EXPECT_EQ(s.depth.stagedQuads(), 0u);
            }
        // Hills of three layered types leave plenty to merge.
        EXPECT_LT(quads * 2, faces) << "seed " << seed << ": " << quads << " quads for " << faces << " faces";
    }
}

TEST(DepthMesh, MergesAcrossTypesButLeavesOutSlopesAndTranslucentCells) {
    setupBlockAttribs();
    auto w = makeWorld(10, 30, 10);
    // A floor of stone and metal in stripes, a 25-cell column on it, a vask
    // cell, a slope filler and a translucent cell beside it.
    for (int x = 0; x < 10; x++)
        for (int z = 0; z < 10; z++) w->setBlock(x, 0, z, x % 2 ? 3 : 47, 0);
    for (int y = 1; y <= 25; y++) w->setBlock(4, y, 6, 4, 0);
    w->setBlock(1, 1, 1, 2, 10);
    w->setBlock(8, 1, 8, 1, 0);
    w->setBlock(8, 1, 1, 19, 0);
    ASSERT_NE(blockAttribs[19].renderPass, 1);
    SectorRenderer& s = w->sectors[0][0];
    w->renderSector(0, 0, s);
    Taken depth = depthFaces(s.depth);
    // Floor: bottom 1 quad, four rims 1 each; the top is cut by the column's
    // foot and the three cells on it (which leave it whole: the vask, filler
    // and glass close no face). Column: four sides of 25 and its top.
    EXPECT_EQ(s.depth.staged[2].size() / 12, 1u);
    for (int f : {0, 1, 4, 5}) EXPECT_EQ(s.depth.staged[f].size() / 12, 2u) << f;  // rim + column side
    EXPECT_EQ(depth.longest, 25);
    for (int f = 0; f < 6; f++) EXPECT_EQ(depth.faces.count({f, 1, 1, 1}), 0u) << "the vask cell in the depth mesh";
    EXPECT_EQ(depth.faces, eyeMesh(s).faces);
    EXPECT_TRUE(typeInDepthMesh(47, blockAttribs[47].renderPass));
    EXPECT_FALSE(typeInDepthMesh(1, blockAttribs[1].renderPass));
    EXPECT_FALSE(typeInDepthMesh(2, blockAttribs[2].renderPass));
    EXPECT_FALSE(typeInDepthMesh(19, blockAttribs[19].renderPass));
}
