#pragma once
// Drives a headless world tick by tick the way the run loop does: active blocks
// in list order (dead ones deleted and unlinked), then the sectors' entities.
#include "machines/ActiveBlock.h"
#include "machines/Entity.h"
#include "machines/Netable.h"
#include "world/World.h"

inline void stepWorld(World& w, long long tick, bool converts = false) {
    if (converts) w.updateConverts();
    bool netChanged = false;
    for (auto it = w.actives.begin(); it != w.actives.end();) {
        ActiveBlock* a = *it;
        if (a->alive) {
            a->update(tick);
            ++it;
            continue;
        }
        it = w.actives.erase(it);
        if (a == (ActiveBlock*)w.theShip) w.theShip = nullptr;
        if (a->isNetable()) {
            w.unlink(static_cast<Netable*>(a));
            netChanged = true;
        }
        delete a;
    }
    if (netChanged) w.updateNet();
    for (auto& row : w.sectors)
        for (auto& sector : row) sector.update();
}

// Runs ticks first..last inclusive.
inline void runTicks(World& w, long long first, long long last, bool converts = false) {
    for (long long t = first; t <= last; t++) stepWorld(w, t, converts);
}

template <class E>
inline int countEntities(World& w) {
    int n = 0;
    for (auto& row : w.sectors)
        for (auto& s : row)
            for (Entity* e : s.ents)
                if (dynamic_cast<E*>(e)) n++;
    return n;
}

inline int countType(World& w, int type) {
    int n = 0;
    for (const Block& b : w.blocks)
        if (b.type == type) n++;
    return n;
}
