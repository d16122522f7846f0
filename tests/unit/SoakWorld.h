#pragma once
// A long headless game: a generated 100 x 100 x 100 world with sixteen minds,
// one per behaviour, against a working base beside the ship (a network of
// relays, generators, a mine, a factory, a science centre, two turrets, a mortar
// and a shield). Used by the short soak among the unit tests and by the long
// soak program; both check that it runs without growing and replays exactly.
#include "WorldFixture.h"

#include "machines/Activate.h"
#include "machines/ActiveBlock.h"
#include "machines/Entity.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "sound/Sound.h"
#include "world/WorldMaker.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <unistd.h>

constexpr int SOAK_SIDE = 100;
constexpr int SOAK_MINDS = 16;
constexpr unsigned SOAK_SEED = 20240;

// Resident memory of this process in bytes.
inline long long residentBytes() {
    long long pages = 0, resident = 0;
    if (FILE* f = fopen("/proc/self/statm", "r")) {
        if (fscanf(f, "%lld %lld", &pages, &resident) != 2) resident = 0;
        fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

inline std::map<int, int> soakMachineCounts(World& w) {
    std::map<int, int> counts;
    for (ActiveBlock* a : w.actives) counts[a->getType()]++;
    return counts;
}

namespace soak_detail {

constexpr int MATTER = 9, GEN = 10, CAP = 11, RELAY = 12, SENSOR = 13;

inline void put(World& w, int x, int y, int z, int type) { w.setBlockAndUpdate(x, y, z, type, 0); }

// Level ground around the ship: solid up to the ship's floor, air above, so
// the patterns stand where they were laid. Minds and the landing site stay.
inline void clearBaseSite(World& w, int tx, int ty, int tz) {
    for (int x = tx - 13; x <= tx + 13; x++)
        for (int z = tz - 13; z <= tz + 13; z++)
            for (int y = 1; y < int(w.height); y++) {
                if (!w.inWorld(x, y, z)) continue;
                Block& b = w.cell(x, y, z);
                if (b.type == 5 || b.type == 14 || b.type == 34) continue;
                if (y < ty) {
                    if (b.type == 0 || b.type == 19) w.setBlock(x, y, z, 3, 0);
                } else if (b.type != 0) {
                    w.setBlock(x, y, z, 0, 0);
                }
            }
}

// A mind landing next to the base would overrun it within a few thousand
// ticks; moved (by the same seeded draws) to where the base has time to work.
inline void keepAwayFromBase(World& w, ActiveBlock* mind, int tx, int tz) {
    auto far = [&](int x, int z) { return (x - tx) * (x - tx) + (z - tz) * (z - tz) >= 35 * 35; };
    int x = int(mind->pos.x), z = int(mind->pos.z);
    if (far(x, z)) return;
    for (int attempt = 0; attempt < 1000 && !far(x, z); attempt++) {
        x = 3 + rand() % (int(w.width) - 6);
        z = 3 + rand() % (int(w.depth) - 6);
    }
    int y = int(w.height) - 1;
    while (y > 0 && w.cell(x, y, z).type == 0) y--;
    if (y + 1 >= int(w.height) || w.cell(x, y, z).type == 5) return;
    w.setBlockAndUpdate(int(mind->pos.x), int(mind->pos.y), int(mind->pos.z), 0, 0);
    mind->setPos(vec3(x, y + 1, z));
    w.setBlockAndUpdate(x, y + 1, z, 5, 0);
}

// The base, laid as a player would and switched on with the activation tool.
// Each group stands apart from the others (patterns join through faces).
inline void buildBase(World& w, int tx, int ty, int tz) {
    int y = ty;
    // Two generators of 34 gens each, which research lets run every tick.
    for (int side : {-1, 1}) {
        int x0 = side > 0 ? tx + 3 : tx - 8;
        for (int i = 0; i < 6; i++)
            for (int k = 0; k < 6; k++)
                if (!(k == 5 && i >= 4)) put(w, x0 + i, y, tz - 11 + k, GEN);
        activate(vec3(x0, y, tz - 11), &w);
    }
    // Relays in front of and behind the ship.
    for (int z : {tz - 5, tz + 8}) {
        put(w, tx, y, z, RELAY);
        put(w, tx, y + 1, z, RELAY);
        activate(vec3(tx, y, z), &w);
    }
    // A mine: one relay on the ground with gens beside it.
    put(w, tx + 5, y, tz + 8, RELAY);
    put(w, tx + 6, y, tz + 8, GEN);
    put(w, tx + 7, y, tz + 8, GEN);
    activate(vec3(tx + 6, y, tz + 8), &w);
    // A factory: matter beside a gen.
    put(w, tx - 5, y, tz + 8, MATTER);
    put(w, tx - 6, y, tz + 8, GEN);
    activate(vec3(tx - 5, y, tz + 8), &w);
    // A science centre: matter under every part, clicked on a matter block.
    put(w, tx + 5, y, tz + 4, MATTER);
    put(w, tx + 5, y + 1, tz + 4, GEN);
    put(w, tx + 6, y, tz + 4, MATTER);
    put(w, tx + 6, y + 1, tz + 4, RELAY);
    activate(vec3(tx + 6, y, tz + 4), &w);
    // A shield: four gens stacked on one matter block.
    put(w, tx - 5, y, tz + 4, MATTER);
    for (int k = 1; k <= 4; k++) put(w, tx - 5, y + k, tz + 4, GEN);
    activate(vec3(tx - 5, y + 2, tz + 4), &w);
    // A mortar: a cross of gens under a matter block and a roof of relays
    // enclosing one cell of air.
    int mx = tx - 10, mz = tz + 10;
    for (vec3 d : {vec3(0, 0, 0), vec3(-1, 0, 0), vec3(1, 0, 0), vec3(0, 0, -1), vec3(0, 0, 1)})
        put(w, mx + int(d.x), y + 1, mz + int(d.z), GEN);
    put(w, mx, y + 2, mz, MATTER);
    for (vec3 d : {vec3(0, 3, 0), vec3(1, 3, 0), vec3(1, 4, 0), vec3(1, 5, 0), vec3(0, 5, 0)})
        put(w, mx + int(d.x), y + int(d.y), mz, RELAY);
    activate(vec3(mx, y + 1, mz), &w);
    // Two turrets: cap, matter, gen, relay upwards with a sensor on the barrel.
    for (int side : {-1, 1}) {
        int x = tx + 9 * side;
        int up = 0;
        for (int part : {CAP, MATTER, GEN, RELAY}) put(w, x, y + up++, tz, part);
        put(w, x + side, y + 3, tz, SENSOR);
        activate(vec3(x, y + 2, tz), &w);
    }
}

}  // namespace soak_detail

// The world of one seed: generated, its minds set to the sixteen behaviours,
// the base built and linked. Returns null when this seed leaves no room for it.
inline std::unique_ptr<World> makeSoakWorld(unsigned seed) {
    using namespace soak_detail;
    srand(seed);
    makeSettings = skirmishSettings();
    makeSettings.enemies = SOAK_MINDS;
    makeSettings.trees = 6;
    auto w = makeWorld(SOAK_SIDE, SOAK_SIDE, SOAK_SIDE);
    {
        Quiet q;
        w->genRandomWorld();
    }
    Ship* ship = w->theShip;
    if (!ship) return nullptr;
    int tx = int(ship->pos.x), ty = int(ship->pos.y), tz = int(ship->pos.z);
    if (tx < 15 || tx > SOAK_SIDE - 15 || tz < 15 || tz > SOAK_SIDE - 15 || ty + 8 >= SOAK_SIDE) return nullptr;
    int ai = 0;
    for (ActiveBlock* a : w->actives)
        if (a->getType() == TYPE_MIND) {
            VaskMind* m = static_cast<VaskMind*>(a);
            m->ai = ai++;
            // The hunters would break through within a few thousand ticks; at a
            // fifth of their pace the base works for some 10,000 ticks first.
            m->speed *= 5;
            keepAwayFromBase(*w, a, tx, tz);
        }
    ship->store.matter = ship->store.gens = ship->store.caps = 500;
    ship->store.relays = ship->store.sensors = 500;
    ship->store.energy = 2000;
    // Research done: big generators, longer reach, harder hits.
    ship->levels.gens = 8;
    ship->levels.caps = ship->levels.relays = ship->levels.sensors = 3;
    {
        Quiet q;  // activation plays sounds this headless world has not loaded
        clearBaseSite(*w, tx, ty, tz);
        buildBase(*w, tx, ty, tz);
    }
    return w;
}

// Hash of the final state: every cell, every machine's record and the ship's
// store, every moving entity's position.
inline uint64_t soakWorldHash(World& w) {
    Fnv1a h;
    for (const Block& b : w.blocks) {
        h.value(b.type);
        h.value(b.data);
    }
    std::ostringstream records;
    {
        Quiet q;  // each record announces itself
        for (ActiveBlock* a : w.actives) a->write(records);
    }
    std::string r = records.str();
    h.bytes(r.data(), r.size());
    if (w.theShip) h.bytes(w.theShip->store.data, sizeof w.theShip->store.data);
    for (auto& row : w.sectors)
        for (auto& s : row)
            for (Entity* e : s.ents) h.value(e->pos);
    h.value(w.convertQueue.size());
    return h.h;
}

struct SoakReport {
    uint64_t hash = 0;
    long long rssAtMark = 0, rssAtEnd = 0;  // resident bytes at `mark` and at the end
    int maxEntities = 0;
    size_t maxConverts = 0, maxActives = 0, maxSounds = 0;
    int endEntities = 0, vaskAtEnd = 0;
    size_t endConverts = 0, endActives = 0;
    long long shipLostAt = 0, lastMachineAt = 0;  // 0: still standing at the end
    std::map<int, int> machinesAtStart, machinesAtEnd;
};

// Runs ticks 1..ticks on the world. The game's end is ignored: a soak keeps
// going whoever wins. `mark` is the tick whose memory the end is compared with.
inline SoakReport runSoak(World& w, long long ticks, long long mark,
                          const std::function<void(long long, const SoakReport&)>& progress = nullptr) {
    SoakReport r;
    r.machinesAtStart = soakMachineCounts(w);
    bool machines = true;
    Quiet q;  // every shot and every broken block asks for a sound this world has not loaded
    for (long long t = 1; t <= ticks; t++) {
        w.tick(t);
        w.result = 0;
        r.endEntities = countEntities(w);
        r.endConverts = w.convertQueue.size();
        r.endActives = w.actives.size();
        r.maxEntities = std::max(r.maxEntities, r.endEntities);
        r.maxConverts = std::max(r.maxConverts, r.endConverts);
        r.maxActives = std::max(r.maxActives, r.endActives);
        r.maxSounds = std::max(r.maxSounds, soundManager.curSounds.size());
        if (!w.theShip && !r.shipLostAt) r.shipLostAt = t;
        if (machines && t % 100 == 0) {
            machines = false;
            for (ActiveBlock* a : w.actives) machines = machines || a->isNetable();
            if (!machines) r.lastMachineAt = t;
        }
        if (t == mark) r.rssAtMark = residentBytes();
        if (progress && t % 10000 == 0) progress(t, r);
    }
    r.rssAtEnd = residentBytes();
    r.machinesAtEnd = soakMachineCounts(w);
    r.vaskAtEnd = countType(w, 2);
    r.hash = soakWorldHash(w);
    return r;
}
