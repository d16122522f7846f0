// Skipping sectors the camera cannot see must never skip one it can: the box
// test against the view volume, and the height range a sector's meshes span.
#include "render/ViewCull.h"
#include "WorldFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <glm/gtc/matrix_transform.hpp>

namespace {

// The game's projection (57 degrees, 4:3, near 0.5, far 1000) and a camera at
// `eye` looking along -z, as the player's camera with yaw and pitch 0.
glm::mat4 viewFrom(vec3 eye) {
    glm::mat4 proj = glm::perspective(glm::radians(57.0f), 800.0f / 600.0f, 0.5f, 1000.0f);
    return proj * glm::translate(glm::mat4(1.0f), -eye);
}

}  // namespace

TEST(ViewCull, BoxesAroundTheCameraAreKeptOrSkippedBySide) {
    glm::mat4 vp = viewFrom(vec3(50, 40, 50));
    // Straight ahead, and one sector that holds the camera itself.
    EXPECT_TRUE(boxInView(vp, vec3(45, 30, 20), vec3(55, 50, 30)));
    EXPECT_TRUE(boxInView(vp, vec3(40, 0, 40), vec3(60, 100, 60)));
    // Behind the camera, far off to one side, and wholly above the view.
    EXPECT_FALSE(boxInView(vp, vec3(45, 30, 60), vec3(55, 50, 70)));
    EXPECT_FALSE(boxInView(vp, vec3(200, 30, 20), vec3(210, 50, 30)));
    EXPECT_FALSE(boxInView(vp, vec3(45, 200, 40), vec3(55, 210, 45)));
    // Beyond the far plane.
    EXPECT_FALSE(boxInView(vp, vec3(45, 30, -2000), vec3(55, 50, -1990)));
    // A box whose corners are all outside but on different sides still crosses the view.
    EXPECT_TRUE(boxInView(vp, vec3(-100, 39, 0), vec3(200, 41, 10)));
}

TEST(ViewCull, EveryCornerOfAVisibleFaceKeepsItsSector) {
    // A sector box seen only through its far corner is still drawn.
    glm::mat4 vp = viewFrom(vec3(0, 5, 0));
    EXPECT_TRUE(boxInView(vp, vec3(-10, 0, -20), vec3(0.2f, 10, -10)));
}

TEST(ViewCull, SectorBoundsFollowTheMeshedCells) {
    auto w = makeWorld(20, 30, 20);
    for (int y = 3; y <= 5; y++) w->setBlock(12, y, 4, 3, 0);
    w->setBlock(13, 9, 4, 2, 10);  // vask is drawn too
    SectorRenderer& s = w->sectors[1][0];
    w->renderSector(1, 0, s);
    s.updateBounds();
    EXPECT_FLOAT_EQ(s.meshLoY, 3.0f);
    EXPECT_FLOAT_EQ(s.meshHiY, 10.0f);
    s.clearStaging();

    SectorRenderer& empty = w->sectors[0][1];
    w->renderSector(0, 1, empty);
    empty.updateBounds();
    EXPECT_GT(empty.meshLoY, empty.meshHiY);
}

// A mesh holding slope geometry is marked, so its faces are never culled by
// their winding; plain cube meshes are not marked, and a rebuild starts clean.
TEST(ViewCull, SlopeGeometryMarksItsMesh) {
    auto w = makeWorld(10, 10, 10);
    w->setBlock(2, 3, 2, 3, 0);  // stone under the filler
    w->setBlock(1, 4, 2, 3, 0);  // stone beside it
    w->setBlock(2, 4, 2, 1, 0);  // the filler: two solid neighbours, an edge slope
    w->setBlock(6, 3, 6, 4, 0);  // a lone brick
    SectorRenderer& s = w->sectors[0][0];
    w->renderSector(0, 0, s);
    ASSERT_GT(s.rData.size(), 4u);
    EXPECT_TRUE(s.rData[3].slopes);
    EXPECT_FALSE(s.rData[4].slopes);
    EXPECT_EQ(s.rData[4].vertexCount(), 24u);
    s.clearStaging();
    EXPECT_FALSE(s.rData[3].slopes);
    w->setBlock(2, 4, 2, 0, 0);
    w->renderSector(0, 0, s);
    EXPECT_FALSE(s.rData[3].slopes);
}

// Grouping a mesh's quads by the side they face keeps every quad whole and
// puts each in its side's group, in walk order within the group.
TEST(ViewCull, QuadsGroupByTheSideTheyFace) {
    auto w = makeWorld(10, 10, 10);
    w->setBlock(3, 3, 3, 4, 0);
    w->setBlock(4, 3, 3, 4, 0);  // two bricks side by side: 10 faces
    SectorRenderer& s = w->sectors[0][0];
    w->renderSector(0, 0, s);
    RData& r = s.rData[4];
    ASSERT_EQ(r.indexCount(), 40u);
    std::vector<uint16_t> before = r.protoElem;
    int starts[7];
    groupQuadsByFacing(r, starts);
    // -x and +x: one face each; -y, +y, -z, +z: two each.
    EXPECT_EQ(std::vector<int>(starts, starts + 7), (std::vector<int>{0, 4, 8, 16, 24, 32, 40}));
    const vec3 inward[6] = {vec3(1, 0, 0), vec3(-1, 0, 0), vec3(0, 1, 0), vec3(0, -1, 0), vec3(0, 0, 1), vec3(0, 0, -1)};
    std::multiset<std::vector<uint16_t>> quadsBefore, quadsAfter;
    for (int g = 0; g < 6; g++)
        for (int i = starts[g]; i < starts[g + 1]; i += 4) {
            std::vector<uint16_t> quad(r.protoElem.begin() + i, r.protoElem.begin() + i + 4);
            quadsAfter.insert(quad);
            for (uint16_t v : quad)
                EXPECT_EQ(vec3(r.protoNorm[4 * v], r.protoNorm[4 * v + 1], r.protoNorm[4 * v + 2]), inward[g]);
        }
    for (size_t i = 0; i < before.size(); i += 4) quadsBefore.insert({before.begin() + long(i), before.begin() + long(i) + 4});
    EXPECT_EQ(quadsBefore, quadsAfter);
    // Within the -y group the cell at x = 3 (walked first) comes first.
    EXPECT_LT(r.protoCoord[3 * r.protoElem[8]], r.protoCoord[3 * r.protoElem[12]]);
}
