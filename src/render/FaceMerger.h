#pragma once
// Grows the faces of one sector that may share a quad into rectangles: same
// facing, same plane, side by side. CPU only.
#include <cstddef>
#include <cstdint>
#include <vector>

class FaceMerger {
public:
    // The cells faces may be offered for: x in [x0, x0 + nx), y in
    // [y0, y0 + ny), z in [z0, z0 + nz); the sector, or the part of it that
    // holds visible cells. Rectangles never leave it.
    void reset(int x0, int nx, int y0, int ny, int z0, int nz);
    // Marks face `face` (index into CUBE_FACES) of cell (x, y, z) as one that
    // may be merged.
    void offer(int x, int y, int z, int face);
    // Takes the rectangle of offered faces that grows from this one along the
    // face's u axis, then row by row along its v axis: du x dv cells. False
    // when this face was not offered or already lies in a taken rectangle.
    bool take(int x, int y, int z, int face, int& du, int& dv);

private:
    int origin[3] = {0, 0, 0};
    int size[3] = {0, 0, 0};
    long step[3] = {0, 0, 0};
    std::vector<uint8_t> open;  // per cell, a bit per face index still to take

    size_t at(int x, int y, int z) const {
        return size_t((x - origin[0]) * step[0] + (y - origin[1]) * step[1] + (z - origin[2]) * step[2]);
    }
};
