#include "machines/UnitCube.h"

namespace {

UnitCubeArrays build() {
    static const float pos[24 * 3] = {
        0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 0,  // bottom
        1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1, 0,  // top
        0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0,  // x = 0
        1, 1, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0,  // x = 1
        0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0,  // z = 0
        1, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0, 1,  // z = 1
    };
    // The shader turns these round to face outwards.
    static const float inward[6][3] = {{0, 1, 0}, {0, -1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}};
    static const float corner[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    UnitCubeArrays a{};
    for (int i = 0; i < 24 * 3; i++) a.pos[i] = pos[i];
    for (int v = 0; v < 24; v++) {
        a.tex[v * 2] = corner[v % 4][0];
        a.tex[v * 2 + 1] = corner[v % 4][1];
        for (int k = 0; k < 3; k++) a.norm[v * 4 + k] = inward[v / 4][k];
        a.norm[v * 4 + 3] = 0.0f;
    }
    return a;
}

}  // namespace

const UnitCubeArrays& unitCubeArrays() {
    static const UnitCubeArrays arrays = build();
    return arrays;
}
