#pragma once
// The busy world the benchmarks (and the long-run determinism test) measure:
// generated terrain, minds of every behaviour number grown for a while, and a
// base of about forty machines around the ship. Everything comes from rand()
// after one srand, so a seed always builds the same world.
#include "../bench_mesh/BenchTerrain.h"
#include "machines/Activate.h"
#include "machines/ActiveBlock.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "world/World.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace bench {

// The first air cell above the ground of a column (vask and leaves count as ground).
inline int surfaceY(World& w, int x, int z) {
    int y = int(w.height) - 1;
    while (y > 0 && w.cell(x, y, z).type == 0) y--;
    return std::min(y + 1, int(w.height) - 1);
}

// Terrain from the skirmish generator; until that generator exists, or when it
// leaves the world empty, the benchmark terrain of our own.
inline void makeTerrain(World& w, unsigned seed) {
    srand(seed);
    w.genRandomWorld();
    bool any = std::any_of(w.blocks.begin(), w.blocks.end(), [](const Block& b) { return b.type != 0; });
    if (!any) buildTerrain(w);
    // The generator's own minds give way to the fixed set below.
    for (auto it = w.actives.begin(); it != w.actives.end();) {
        if ((*it)->getType() != TYPE_MIND) {
            ++it;
            continue;
        }
        vec3 p = (*it)->pos;
        w.setBlockAndUpdate(int(p.x), int(p.y), int(p.z), 0, 0);
        delete *it;
        it = w.actives.erase(it);
    }
}

// `count` minds spread over the world, behaviour numbers 0..15 in turn.
inline void addMinds(World& w, int count) {
    const int W = int(w.width), D = int(w.depth);
    for (int i = 0; i < count; i++) {
        int x = 3 + (i * 37 + 11) % std::max(1, W - 6), z = 3 + (i * 53 + 29) % std::max(1, D - 6);
        int y = surfaceY(w, x, z);
        w.setActiveBlockAndUpdate(x, y, z, new VaskMind(&w, i % 16, 100, 20, 2));
    }
}

inline Ship* ensureShip(World& w) {
    if (w.theShip) return w.theShip;
    int x = int(w.width) / 2, z = int(w.depth) / 2;
    Ship* s = new Ship(&w);
    w.setActiveBlockAndUpdate(x, surfaceY(w, x, z), z, s);
    w.theShip = s;
    return s;
}

enum Kind { RELAY, GENERATOR, MINE, FACTORY, SCIENCE, TURRET, MORTAR, SHIELD };

// Places the hand-built pattern of one machine with its foot at (x, g, z) and
// returns the cell the player would activate.
inline vec3 placePattern(World& w, Kind k, int x, int g, int z) {
    auto put = [&](int dx, int dy, int dz, int type) { w.setBlockAndUpdate(x + dx, g + dy, z + dz, type, 0); };
    const int M = 9, G = 10, C = 11, R = 12;
    switch (k) {
    case RELAY: put(0, 0, 0, R); break;
    case GENERATOR: put(0, 0, 0, G); break;
    case FACTORY: put(0, 0, 0, M); break;
    case SHIELD: put(0, 0, 0, M), put(0, 1, 0, G); break;
    case SCIENCE: put(0, 0, 0, M), put(0, 1, 0, G), put(1, 0, 0, M), put(1, 1, 0, R); break;
    case MINE: put(0, 0, 0, R), put(1, 0, 0, G); break;
    case TURRET: put(0, 0, 0, C), put(0, 1, 0, M), put(0, 2, 0, G), put(0, 3, 0, R); return vec3(x, g + 1, z);
    case MORTAR:
        for (int i = 0; i < 5; i++) put(0, i, 0, G);
        put(0, 5, 0, M);
        put(0, 6, 0, R), put(1, 6, 0, R), put(1, 7, 0, R), put(1, 8, 0, R), put(0, 8, 0, R);
        return vec3(x, g + 5, z);
    }
    return vec3(x, g, z);
}

// About forty machines on plots four cells apart around the ship, each
// activated the way the player would. Returns how many machines came of it.
inline int buildBase(World& w) {
    Ship* ship = ensureShip(w);
    static const Kind plan[] = {RELAY, GENERATOR, RELAY, MINE,      RELAY,  TURRET,  RELAY, GENERATOR,
                                RELAY, FACTORY,   RELAY, SCIENCE,   RELAY,  TURRET,  RELAY, GENERATOR,
                                RELAY, MINE,      RELAY, TURRET,    RELAY,  MORTAR,  RELAY, GENERATOR,
                                RELAY, SHIELD,    RELAY, TURRET,    RELAY,  MINE,    RELAY, GENERATOR,
                                RELAY, TURRET,    RELAY, GENERATOR, GENERATOR, MINE, TURRET, GENERATOR};
    size_t before = w.actives.size();
    size_t next = 0;
    const int sx = int(ship->pos.x), sz = int(ship->pos.z);
    for (int dz = -12; dz <= 12 && next < std::size(plan); dz += 4)
        for (int dx = -12; dx <= 12 && next < std::size(plan); dx += 4) {
            int x = sx + dx, z = sz + dz;
            if ((dx == 0 && dz == 0) || x < 1 || z < 1 || x + 2 >= int(w.width) || z + 2 >= int(w.depth)) continue;
            int g = surfaceY(w, x, z);
            if (g + 10 >= int(w.height)) continue;
            // A clear plot: nothing of the terrain inside the pattern's box.
            for (int cx = x; cx <= x + 1; cx++)
                for (int cy = g; cy <= g + 9; cy++) w.setBlockAndUpdate(cx, cy, z, 0, 0);
            vec3 click = placePattern(w, plan[next++], x, g, z);
            activate(click, &w);
        }
    return int(w.actives.size() - before);
}

inline std::map<int, int> countActives(World& w) {
    std::map<int, int> n;
    for (ActiveBlock* a : w.actives) n[a->getType()]++;
    return n;
}

// The whole reference world: terrain, `minds` minds grown for `growth` ticks,
// then the base. Returns the number of machines the base produced.
inline int buildReferenceWorld(World& w, unsigned seed, int minds, long long growth, long long& tick) {
    makeTerrain(w, seed);
    Ship* ship = ensureShip(w);
    w.player.setPos(ship->pos + vec3(2.5f, 2.0f, 2.5f));
    addMinds(w, minds);
    for (tick = 1; tick <= growth; tick++) w.tick(tick);
    int machines = buildBase(w);
    // The network links up and the first requests fly before measuring.
    for (long long end = tick + 200; tick < end; tick++) w.tick(tick);
    return machines;
}

}  // namespace bench
