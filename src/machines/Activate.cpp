// Collecting a hand-built pattern, choosing the machine it makes, and taking a
// machine back apart into its pattern.
#include "machines/Activate.h"

#include "machines/ActivateRules.h"
#include "machines/CellQuery.h"
#include "machines/Factory.h"
#include "machines/PatternFill.h"
#include "machines/Ship.h"
#include "world/World.h"

void getComposition(vec3 pos, World* w, resourceStruct& ret, resourceStruct& levels,
                    std::set<vec3, veccomp>& l) {
    // Read when the first part block needs them: without a ship the accessor
    // says so, once per group, and the levels count as zero.
    resourceStruct ship;
    bool levelsRead = false;
    fillPattern(pos, [&](vec3 p) {
        if (!cellIsMachine(w, p) || l.count(p)) return false;
        l.insert(p);
        int t = cellType(w, p);
        if (t >= 9 && t <= 13) {
            if (!levelsRead) {
                if (const resourceStruct* shipLevels = getLevels(w)) ship = *shipLevels;
                levelsRead = true;
            }
            ret.data[t - 9] += 1;
            levels.data[t - 9] = ship.data[t - 9];
        } else if (t == 14) {
            ret.energy += 1.0f;
        }
        return true;
    });
}

void activate(vec3 pos, World* w) {
    resourceStruct comp, levels;
    std::set<vec3, veccomp> blocks;
    getComposition(pos, w, comp, levels, blocks);
    // The group already holds a machine (its own or a neighbour's).
    if (comp.energy > 0) return;
    int m = comp.matter, g = comp.gens, r = comp.relays;
    if (g >= 1 && r == 0 && m == 0) {
        actGenerator(w, pos, comp, levels, blocks);
    } else if (g == 0 && r > 0) {
        actRelay(w, pos, comp, levels, blocks);
    } else if (r == 0 && m > 0) {
        if (g > 0 && actShield(w, pos, comp, levels, blocks)) return;
        actFactory(w, pos, comp, levels, blocks);
    } else {
        // The science-centre and mortar shapes exclude each other; stopping after
        // a science centre only guards against building twice on one group.
        if (makeScienceCenter(w, pos, comp, blocks)) return;
        if (actMortor(w, pos, comp, levels, blocks)) return;
        if (g > 0 && r > 0 && !actMine(w, pos, comp, levels, blocks))
            actTurret(w, pos, comp, levels, blocks);
    }
}

void deactivate(vec3 pos, World* w) {
    resourceStruct comp, levels;
    std::set<vec3, veccomp> blocks;
    getComposition(pos, w, comp, levels, blocks);
    if (comp.energy == 0) return;
    for (const vec3& p : blocks) {
        if (cellType(w, p) != 14) continue;
        ActiveBlock* a = getActiveBlock(w, p);
        if (a && a->getType() == TYPE_FACTORY && w->theShip) {
            Factory* f = static_cast<Factory*>(a);
            w->theShip->store.matter += f->store.matter;
            // The factory lives on until its next pattern check: what was refunded
            // is no longer its to work with.
            f->store.matter = 0;
            f->tabulateCargo();
        }
        w->setBlockAndUpdate(int(p.x), int(p.y), int(p.z), 0, 0);
    }
}
