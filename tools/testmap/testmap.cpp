// Writes a small playable map: a stone field, a striped wall in front of the
// player, the ship beside the player and one mind in the far corner.
//   vask_testmap <output.map> [nomind]
// "nomind" leaves the mind out, so the map is won on its first frame.
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "world/Block.h"
#include "world/World.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    bool noMind = argc == 3 && std::string(argv[2]) == "nomind";
    if (argc != 2 && !noMind) {
        fprintf(stderr, "usage: %s <output.map> [nomind]\n", argv[0]);
        return 2;
    }
    setupBlockAttribs();
    World w(40, 30, 40, nullptr);
    for (int x = 0; x < 40; x++)
        for (int z = 0; z < 40; z++) {
            w.setBlock(x, 0, z, 1, 0);
            for (int y = 1; y <= 10; y++) w.setBlock(x, y, z, y == 10 ? 24 : 3, 0);
        }
    // Stripes make any movement of the view show on screen.
    for (int x = 12; x < 30; x++)
        for (int y = 11; y < 19; y++) w.setBlock(x, y, 24, (x / 2 + y / 2) % 2 ? 43 : 44, 0);

    w.player.setPos(vec3(20.5f, 15.0f, 8.5f));  // looking along +z at the wall
    Ship* ship = new Ship(&w);
    w.setActiveBlockAndUpdate(17, 11, 14, ship);
    w.theShip = ship;
    if (!noMind) w.setActiveBlockAndUpdate(38, 11, 38, new VaskMind(&w, 0, 10, 50, 1));
    w.mapType = 2;
    return w.write(argv[1]) ? 0 : 1;
}
