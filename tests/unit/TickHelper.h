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
    for (size_t i = 0; i < w.sectors.size(); i++)
        for (size_t j = 0; j < w.sectors[i].size(); j++) {
            auto& ents = w.sectors[i][j].ents;
            for (auto it = ents.begin(); it != ents.end();) {
                Entity* e = *it;
                size_t si = size_t(int(e->pos.x) / 10), sj = size_t(int(e->pos.z) / 10);
                bool inside = e->pos.x >= 0 && e->pos.z >= 0;
                if (inside && (si != i || sj != j) && si < w.sectors.size() && sj < w.sectors[si].size()) {
                    it = ents.erase(it);
                    w.placeEntity(e);
                } else if (e->alive) {
                    e->update();
                    ++it;
                } else {
                    delete e;
                    it = ents.erase(it);
                }
            }
        }
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
