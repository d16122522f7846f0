// What every shipped map must satisfy: loadable by the game (type 2), one ship,
// at least one mind, a player start standing free on the ground near the ship,
// calm first minutes, and events the run loop can fire.
#include "MapBuilder.h"

#include "machines/AutoTurret.h"
#include "machines/VaskMind.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <cmath>

namespace {

float flatDistance(vec3 a, vec3 b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.z - b.z) * (a.z - b.z)); }

// The player's body box sampled the way movement samples it.
bool bodyFits(World& w, vec3 p) {
    vec3 s = w.player.size;
    for (double x = p.x - s.x; x < p.x + s.x; x += 0.49)
        for (double y = p.y - s.y; y < p.y + 0.5; y += 0.49)
            for (double z = p.z - s.z; z < p.z + s.z; z += 0.49) {
                if (x < 0 || y < 0 || z < 0) return false;
                Block b = w.getBlock(vec3(float(x), float(y), float(z)));
                if (!blockAttrib(b.type).passable || b.type == 2) return false;
            }
    return true;
}

std::string at(vec3 p) {
    return "(" + std::to_string(int(p.x)) + ", " + std::to_string(int(p.y)) + ", " + std::to_string(int(p.z)) + ")";
}

}  // namespace

std::vector<std::string> checkMap(World& w, int calm) {
    std::vector<std::string> problems;
    if (w.mapType != 2) problems.push_back("map type is not 2: the game would not play it");

    vec3 start = w.player.getPos();
    if (start.x < 0 || start.z < 0 || start.x >= float(w.width) || start.z >= float(w.depth) || start.y < 0 ||
        start.y >= float(w.height))
        problems.push_back("player start lies outside the world");
    else if (!bodyFits(w, start))
        problems.push_back("player start " + at(start) + " is inside blocks or vask");
    else if (bodyFits(w, start - vec3(0, 3, 0)))
        problems.push_back("player start " + at(start) + " is more than 3 cells above the ground");

    int ships = 0, minds = 0;
    for (ActiveBlock* a : w.actives) {
        vec3 p = a->pos;
        Block b = w.getBlock(p);
        if (a->getType() == TYPE_SHIP) {
            ships++;
            if (b.type != 14) problems.push_back("ship cell " + at(p) + " holds no machine block");
            if (flatDistance(p, start) > 16.0f) problems.push_back("ship stands more than 16 cells from the player start");
        } else if (a->getType() == TYPE_MIND) {
            minds++;
            if (b.type != 5) problems.push_back("mind cell " + at(p) + " holds no mind block");
            if (flatDistance(p, start) < float(calm))
                problems.push_back("mind at " + at(p) + " is closer than " + std::to_string(calm) +
                                   " cells to the player start");
        } else if (a->getType() == TYPE_AUTOTURRET) {
            AutoTurret* t = static_cast<AutoTurret*>(a);
            if (b.type != 14) problems.push_back("turret cell " + at(p) + " holds no machine block");
            if (t->ammo == 2 && glm::length(p - start) < t->range + 3.0f)
                problems.push_back("turret at " + at(p) + " would shoot the player at the start");
        }
    }
    if (ships != 1) problems.push_back("a map needs exactly one ship, found " + std::to_string(ships));
    if (minds < 1) problems.push_back("a map needs at least one mind");
    if (!w.theShip) problems.push_back("the world does not know its ship");

    for (const Event& e : w.events)
        if (e.time != -1 && e.time < 1) problems.push_back("event at frame " + std::to_string(e.time) + " never fires");

    // Vask already touching an objective would lose the game at the first growth.
    for (int x = 0; x < int(w.width); x++)
        for (int y = 0; y < int(w.height); y++)
            for (int z = 0; z < int(w.depth); z++) {
                if (w.cell(x, y, z).type != 34) continue;
                for (const Block& n : w.getNeighbors(vec3(x, y, z)))
                    if (n.type == 2) problems.push_back("vask touches the objective at " + at(vec3(x, y, z)));
            }
    return problems;
}
