#include "sound/Sound.h"
#include "world/World.h"
#include "world/BlockLookup.h"

void World::vaskDamage(int x, int y, int z) {
    const int offsets[6][3] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    for (auto& o : offsets) {
        int nx = x + o[0], ny = y + o[1], nz = z + o[2];
        if (!inWorld(nx, ny, nz)) continue;
        // Each test reads the cell afresh: an earlier rule may have changed it.
        if (blockAttrib(cell(nx, ny, nz).type).machine) {
            setBlock(nx, ny, nz, 8, 0);
            soundManager.play("break", 1.0f);
        }
        if (blockAttrib(cell(nx, ny, nz).type).grass) setBlock(nx, ny, nz, 33, 0);
        if (cell(nx, ny, nz).type == 34) result = 2;
        if (blockAttrib(cell(nx, ny, nz).type).organic) convertQueue.insert(vec3(nx, ny, nz));
    }
}

void World::updateConverts() {
    std::set<vec3, veccomp> due;
    due.swap(convertQueue);
    for (const vec3& p : due) placeVask(int(p.x), int(p.y), int(p.z), 10);
}
