#pragma once
// Worlds with machines for tests: patterns laid by hand, a ship, and the
// simulation steps that move machines and packets.
#include "WorldFixture.h"

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

inline Ship* placeShip(World& w, vec3 p) {
    Ship* s = new Ship(&w);
    w.theShip = s;
    w.setActiveBlockAndUpdate(int(p.x), int(p.y), int(p.z), s);
    return s;
}

inline void lay(World& w, std::initializer_list<std::pair<vec3, int>> cells) {
    for (const auto& c : cells) w.setBlockAndUpdate(int(c.first.x), int(c.first.y), int(c.first.z), c.second, 0);
}

inline void install(World& w, vec3 p, ActiveBlock* a) { w.setActiveBlockAndUpdate(int(p.x), int(p.y), int(p.z), a); }

// The machine standing at p, as the expected class, or none.
template <class T>
T* machineAt(World& w, vec3 p) {
    for (ActiveBlock* a : w.actives)
        if (a->pos == p && a->alive) return dynamic_cast<T*>(a);
    return nullptr;
}

inline int countMachines(World& w, int type) {
    int n = 0;
    for (ActiveBlock* a : w.actives) n += a->getType() == type;
    return n;
}

// One simulation step of the run loop (machines, then packets and projectiles).
inline void stepWorld(World& w, long long tick) { w.tick(tick); }

// Steps from tick `from` to tick `to`, both included.
inline void runTicks(World& w, long long from, long long to) {
    for (long long t = from; t <= to; t++) stepWorld(w, t);
}
