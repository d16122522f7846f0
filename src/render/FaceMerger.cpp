#include "render/FaceMerger.h"

#include "render/CubeFaces.h"

#include <algorithm>

void FaceMerger::reset(int x0, int nx, int y0, int ny, int z0, int nz) {
    origin[0] = x0, origin[1] = y0, origin[2] = z0;
    size[0] = nx, size[1] = ny, size[2] = nz;
    step[2] = 1, step[1] = nz, step[0] = long(ny) * nz;
    size_t cells = size_t(std::max(0L, long(nx) * step[0]));
    open.assign(cells, 0);
}

void FaceMerger::offer(int x, int y, int z, int face) { open[at(x, y, z)] |= uint8_t(1 << face); }

bool FaceMerger::take(int x, int y, int z, int face, int& du, int& dv) {
    const uint8_t bit = uint8_t(1 << face);
    const size_t first = at(x, y, z);
    if (!(open[first] & bit)) return false;
    const CubeFace& f = CUBE_FACES[face];
    const int ua = faceUAxis(f), va = faceVAxis(f);
    const int cell[3] = {x, y, z};
    const int roomU = origin[ua] + size[ua] - cell[ua];
    const int roomV = origin[va] + size[va] - cell[va];
    const long su = step[ua], sv = step[va];
    auto fits = [&](size_t i) { return (open[i] & bit) != 0; };
    du = 1;
    while (du < roomU && fits(first + size_t(du * su))) du++;
    dv = 1;
    for (; dv < roomV; dv++) {
        size_t row = first + size_t(dv * sv);
        bool whole = true;
        for (int i = 0; i < du && whole; i++) whole = fits(row + size_t(i * su));
        if (!whole) break;
    }
    for (int j = 0; j < dv; j++)
        for (int i = 0; i < du; i++) open[first + size_t(j * sv + i * su)] &= uint8_t(~bit);
    return true;
}
