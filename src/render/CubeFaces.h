#pragma once
// The six faces of a unit cube as the sector mesher emits them, and the axes
// each face's texture runs along, shared by the per-cube and the merged paths.

struct CubeFace {
    int bit;  // the face's bit in a visible cell's mask
    int corners[4][3];
    float normal[3];
};

// Face bits in the order they are emitted. Corners wind counter-clockwise seen
// from outside; the stored normal points into the cube.
inline constexpr CubeFace CUBE_FACES[6] = {
    {1, {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}, {1, 0, 0}},
    {2, {{1, 1, 0}, {1, 1, 1}, {1, 0, 1}, {1, 0, 0}}, {-1, 0, 0}},
    {16, {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, {0, 0, 1}},
    {32, {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}, {0, 0, -1}},
    {4, {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, {0, 1, 0}},
    {8, {{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}, {0, -1, 0}},
};

// Texture coordinates of the four corners: u runs from corner 0 to corner 1,
// v from corner 1 to corner 2.
inline constexpr float CUBE_FACE_TEX[8] = {0, 0, 1, 0, 1, 1, 0, 1};

// The cell axis (0 x, 1 y, 2 z) along which corners a and b of a face differ.
constexpr int faceEdgeAxis(const CubeFace& f, int a, int b) {
    return f.corners[a][0] != f.corners[b][0] ? 0 : f.corners[a][1] != f.corners[b][1] ? 1 : 2;
}
constexpr int faceUAxis(const CubeFace& f) { return faceEdgeAxis(f, 0, 1); }
constexpr int faceVAxis(const CubeFace& f) { return faceEdgeAxis(f, 1, 2); }
