// Writes a small playable map: a stone field, a striped wall in front of the
// player, the ship beside the player and one mind in the far corner.
//   vask_testmap <output.map> [nomind] [shipahead] [events=N]
// "nomind" leaves the mind out, so the map is won on its first frame;
// "shipahead" puts the ship right under the crosshair instead; "events=N"
// adds N conversations of one line each, due long after a test has ended.
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/Event.h"
#include "world/Block.h"
#include "world/World.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    bool noMind = false, shipAhead = false, usage = argc < 2;
    int events = 0;
    for (int i = 2; i < argc; i++) {
        std::string a = argv[i];
        if (a == "nomind") noMind = true;
        else if (a == "shipahead") shipAhead = true;
        else if (a.rfind("events=", 0) == 0) events = atoi(a.c_str() + 7);
        else usage = true;
    }
    if (usage) {
        fprintf(stderr, "usage: %s <output.map> [nomind] [shipahead] [events=N]\n", argv[0]);
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
    if (shipAhead) w.setActiveBlockAndUpdate(20, 15, 12, ship);
    else w.setActiveBlockAndUpdate(17, 11, 14, ship);
    w.theShip = ship;
    if (!noMind) w.setActiveBlockAndUpdate(38, 11, 38, new VaskMind(&w, 0, 10, 50, 1));
    for (int i = 0; i < events; i++) {
        Event e;
        e.time = 100000 + i;
        e.activate = displayDialog;
        e.items.push_back(DialogItem("Pilot", "Line " + std::to_string(i), "face1"));
        w.events.push_back(e);
    }
    w.mapType = 2;
    return w.write(argv[1]) ? 0 : 1;
}
