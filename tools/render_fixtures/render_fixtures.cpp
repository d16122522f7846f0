// Writes three variants of one small scene for the rendering tests:
//   scene.map   ground, a brick wall, a vask curtain in front of it beside a
//               stone pillar, a pool of water and a stone step with a slope
//   novask.map  the same without the vask
//   nowall.map  the same without the wall behind the vask
//   terrain.map the 100 x 100 x 100 benchmark terrain, for frame timing and previews
//   skirmish.map a generated skirmish world (fixed seed), for frame timing
// The player stands so that the default camera (looking along +z) has the
// curtain in the middle of the picture, the wall behind it and sky above.
#include "../bench_mesh/BenchTerrain.h"
#include "world/Block.h"
#include "world/World.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int GROUND = 30;  // top layer of the ground; the backdrop lies level with it

void fill(World& w, int x0, int x1, int y0, int y1, int z0, int z1, int type) {
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            for (int z = z0; z <= z1; z++) w.setBlock(x, y, z, type, type == 2 ? 30 : 0);
}

bool writeScene(const std::string& path, bool vask, bool wall) {
    World w(40, 50, 40, nullptr);
    fill(w, 0, 39, 0, GROUND - 1, 0, 39, 3);
    fill(w, 0, 39, GROUND, GROUND, 0, 39, 24);
    fill(w, 26, 33, GROUND - 1, GROUND, 10, 17, 19);          // pool
    fill(w, 26, 27, GROUND + 1, GROUND + 6, 21, 23, 3);        // pillar
    fill(w, 4, 7, GROUND + 1, GROUND + 2, 12, 15, 3);          // step
    fill(w, 8, 8, GROUND + 1, GROUND + 1, 12, 15, 1);          // its slope
    if (wall) fill(w, 8, 31, GROUND + 1, GROUND + 12, 30, 30, 4);
    if (vask) fill(w, 14, 25, GROUND + 1, GROUND + 9, 22, 22, 2);
    w.player.setPos(vec3(20.5f, GROUND + 5.0f, 6.0f));
    bool ok = w.write(path);
    if (!ok) fprintf(stderr, "could not write %s\n", path.c_str());
    return ok;
}

bool writeTerrain(const std::string& path) {
    World w(100, 100, 100, nullptr);
    buildTerrain(w);
    w.player.setPos(vec3(50.5f, 70.0f, 5.0f));
    return w.write(path);
}

bool writeSkirmish(const std::string& path) {
    World w(100, 100, 100, nullptr);
    srand(4242);
    w.genRandomWorld();
    return w.write(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: vask_render_fixtures OUTDIR\n");
        return 2;
    }
    setupBlockAttribs();
    std::string dir = argv[1];
    bool ok = writeScene(dir + "/scene.map", true, true) && writeScene(dir + "/novask.map", false, true) &&
              writeScene(dir + "/nowall.map", true, false) && writeTerrain(dir + "/terrain.map") &&
              writeSkirmish(dir + "/skirmish.map");
    return ok ? 0 : 1;
}
