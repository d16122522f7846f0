// Capturing a pattern (including the hidden parts of machines built from it)
// as offsets from its lowest cell.
#include "machines/Template.h"

#include "machines/CellQuery.h"
#include "machines/Mortor.h"
#include "machines/PatternFill.h"
#include "machines/Turret.h"
#include "world/World.h"

Template::Template(World* w, vec3 v) : start(v) {
    getComposition(v, w, data);
    std::set<std::pair<vec3, int>, paircomp> relative;
    for (const auto& e : data) relative.insert({e.first - start, e.second});
    data.swap(relative);
}

namespace {

bool recorded(const std::set<std::pair<vec3, int>, paircomp>& l, vec3 p) { return l.count({p, 0}) > 0; }

// The machine standing in a machine-block cell, or none. The enemy turret is no
// player machine and has no pattern head, so it never counts.
ActiveBlock* playerMachineAt(World* w, vec3 p) {
    for (ActiveBlock* a : w->actives)
        if (a->pos == p) return a->getType() == TYPE_AUTOTURRET ? nullptr : a;
    return nullptr;
}

}  // namespace

void Template::getComposition(vec3 pos, World* w, std::set<std::pair<vec3, int>, paircomp>& l) {
    std::set<vec3, veccomp> skipped;
    fillPattern(pos, [&](vec3 p) {
        if (!cellIsMachine(w, p) || recorded(l, p) || skipped.count(p)) return false;
        int t = cellType(w, p);
        if (t == 14) {
            // A machine block without a player machine (the enemy turret's cell, or
            // a stray block) has no pattern type to rebuild: leave it out.
            if (!playerMachineAt(w, p)) {
                skipped.insert(p);
                return false;
            }
            t = getActiveBlockType(w, p);
            templateActiveBlock(w, p, l);
        }
        if (t == 6) return false;
        l.insert({p, t});
        if (p.y < start.y) start = p;
        return true;
    });
}

void templateActiveBlock(World* w, vec3 pos, std::set<std::pair<vec3, int>, paircomp>& l) {
    ActiveBlock* a = playerMachineAt(w, pos);
    if (!a) return;
    if (a->getType() == TYPE_TURRET)
        for (const auto& b : static_cast<Turret*>(a)->top) l.insert(b);
    else if (a->getType() == TYPE_MORTOR)
        for (const vec3& b : static_cast<Mortor*>(a)->top) l.insert({b, 12});
}
