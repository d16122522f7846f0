#pragma once
// Maps holding one of every record the map loader builds, for the map file
// and map tool tests.
#include "WorldFixture.h"
#include "machines/AutoTurret.h"
#include "machines/Generator.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"

#include <vector>

struct SampleSites {
    vec3 ship, mind, generator, turret;
};

// A ship, a mind, a generator and an enemy turret with fields away from their
// defaults, then a conversation at `talkTime` and a victory at `winTime`.
inline void addSampleRecords(World& w, SampleSites at, long long talkTime, const std::vector<DialogItem>& lines,
                             long long winTime) {
    Ship* ship = new Ship(&w);
    ship->special = 9;
    ship->pos = at.ship;
    VaskMind* mind = new VaskMind(&w, 3, 40, 20, 2);
    mind->pos = at.mind;
    std::set<vec3, veccomp> none;
    Generator* gen = new Generator(&w, 0, 0, 0, none);
    gen->pos = at.generator;
    AutoTurret* t = new AutoTurret(&w);
    t->pos = at.turret;
    t->dmg = 3;
    t->rate = 25;
    t->range = 12.5f;
    t->ammo = 2;
    w.actives.insert(w.actives.end(), {ship, mind, gen, t});
    w.events.push_back(makeEvent(talkTime, displayDialog, lines));
    w.events.push_back(makeEvent(winTime, victory));
}
