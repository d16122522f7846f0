// The cube the turret barrels and mortar domes are drawn with must carry its
// normals the way the world's meshes do (pointing into the cube, with the vask
// light in the fourth component), or the shader lights the wrong sides and
// makes every barrel glow like vask.
#include "machines/UnitCube.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

TEST(UnitCube, EveryFaceCarriesItsInwardNormalAndNoVaskLight) {
    const UnitCubeArrays& c = unitCubeArrays();
    std::set<std::tuple<int, int>> faces;  // (axis, side) seen
    for (int f = 0; f < 6; f++) {
        const float* n = &c.norm[f * 16];
        int axis = -1;
        for (int k = 0; k < 3; k++)
            if (std::fabs(n[k]) == 1.0f) axis = k;
        ASSERT_GE(axis, 0) << "face " << f << " has no axis normal";
        float side = c.pos[f * 12 + axis];  // 0 or 1: where the face lies on its axis
        std::set<std::tuple<float, float, float>> corners;
        for (int v = 0; v < 4; v++) {
            const float* p = &c.pos[(f * 4 + v) * 3];
            const float* nv = &c.norm[(f * 4 + v) * 4];
            EXPECT_EQ(p[axis], side) << "face " << f << " is not flat";
            for (int k = 0; k < 3; k++) EXPECT_EQ(nv[k], n[k]) << "face " << f;
            EXPECT_EQ(nv[3], 0.0f) << "face " << f << " glows";
            corners.insert({p[0], p[1], p[2]});
        }
        EXPECT_EQ(corners.size(), 4u) << "face " << f;
        // Into the cube: from the face at 0 towards +, from the face at 1 towards -.
        EXPECT_EQ(n[axis], side == 0.0f ? 1.0f : -1.0f) << "face " << f;
        faces.insert({axis, int(side)});
    }
    EXPECT_EQ(faces.size(), 6u);
}
