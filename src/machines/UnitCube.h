#pragma once
// The 24-vertex unit cube (0..1) the barrels and domes are drawn with, as plain
// arrays: no GL here, so its layout can be checked without a window.
// Faces in the order bottom, top, x = 0, x = 1, z = 0, z = 1, four vertices each.
struct UnitCubeArrays {
    float pos[24 * 3];
    float tex[24 * 2];
    // Per vertex: the face normal pointing into the cube, as the world's meshes
    // store it, and 0 vask light (a machine part does not glow like the vask).
    float norm[24 * 4];
};

const UnitCubeArrays& unitCubeArrays();
