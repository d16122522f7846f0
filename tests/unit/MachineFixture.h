#pragma once
// Worlds with machines for tests: patterns laid by hand, a ship, and the
// simulation steps that move machines and packets.
#include "WorldFixture.h"

#include "machines/Activate.h"
#include "machines/ActiveBlock.h"
#include "machines/Entity.h"
#include "machines/Netable.h"
#include "machines/Ship.h"

#include <initializer_list>
#include <utility>

// A world with a stone floor at y = 0 (ground for mines and patterns).
inline std::unique_ptr<World> makeFloorWorld(unsigned w, unsigned h, unsigned d) {
    auto world = makeWorld(w, h, d);
    for (unsigned x = 0; x < w; x++)
        for (unsigned z = 0; z < d; z++) world->setBlock(int(x), 0, int(z), 3, 0);
    return world;
}

// Machine part blocks.
const int MATTER = 9, GEN = 10, CAP = 11, RELAY = 12, SENSOR = 13;

// The block pattern of machines built in code rather than from blocks.
inline std::set<vec3, veccomp> noPattern;

inline void lay(World& w, std::initializer_list<std::pair<vec3, int>> cells) {
    for (const auto& c : cells) w.setBlockAndUpdate(int(c.first.x), int(c.first.y), int(c.first.z), c.second, 0);
}



// A floored 12-cube with the ship in a corner, where patterns are laid.
inline std::unique_ptr<World> makeBaseWorld() {
    auto w = makeFloorWorld(12, 12, 12);
    placeShip(*w, vec3(10, 1, 10));
    return w;
}

// A relay standing on a relay at `at`, with a matter block beside the lower
// one, switched on.
inline void buildRelay(World& w, vec3 at) {
    lay(w, {{at, RELAY}, {at + vec3(0, 1, 0), RELAY}, {at + vec3(1, 0, 0), MATTER}});
    activate(at, &w);
}

// A turret's pattern on the floor at x = z = 5: cap, matter (its cell), gen,
// and a relay and a sensor as its barrel.
inline void layTurret(World& w) {
    lay(w, {{vec3(5, 1, 5), CAP}, {vec3(5, 2, 5), MATTER}, {vec3(5, 3, 5), GEN}, {vec3(5, 4, 5), RELAY},
            {vec3(6, 4, 5), SENSOR}});
}

// A mortar's pattern: five gens in a cross at y = 2 around x = z = 5, the
// matter block on them, and a dome of five relays enclosing the air at (5, 5, 5).
inline void layMortar(World& w) {
    for (vec3 p : {vec3(5, 2, 5), vec3(4, 2, 5), vec3(6, 2, 5), vec3(5, 2, 4), vec3(5, 2, 6)})
        w.setBlock(int(p.x), int(p.y), int(p.z), GEN, 0);
    lay(w, {{vec3(5, 3, 5), MATTER}, {vec3(5, 4, 5), RELAY}, {vec3(6, 4, 5), RELAY}, {vec3(6, 5, 5), RELAY},
            {vec3(6, 6, 5), RELAY}, {vec3(5, 6, 5), RELAY}});
}

// The machine standing at p, as the expected class, or none.
template <class T>
T* machineAt(World& w, vec3 p) {
    for (ActiveBlock* a : w.actives)
        if (a->pos == p && a->alive) return dynamic_cast<T*>(a);
    return nullptr;
}

// One simulation step of the run loop (machines, then packets and projectiles).
inline void stepWorld(World& w, long long tick) { w.tick(tick); }

// Steps from tick `from` to tick `to`, both included.
inline void runTicks(World& w, long long from, long long to) {
    for (long long t = from; t <= to; t++) stepWorld(w, t);
}
