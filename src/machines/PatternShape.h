#pragma once
// Shape questions the activation rules ask about a collected pattern.
#include "machines/CellQuery.h"
#include "machines/Resource.h"

#include <set>

using CellSet = std::set<vec3, veccomp>;

// The highest cell whose type passes `want`; among cells of equal height the
// first in set order. False when no cell passes.
template <class Want>
bool highestCell(World* w, const CellSet& cells, Want want, vec3& out) {
    bool found = false;
    for (const vec3& p : cells) {
        if (!want(cellType(w, p))) continue;
        if (!found || p.y > out.y) {
            out = p;
            found = true;
        }
    }
    return found;
}

// No other cell of the group lies at top's height.
inline bool aloneAtItsHeight(const CellSet& cells, vec3 top) {
    for (const vec3& p : cells)
        if (p.y == top.y && p != top) return false;
    return true;
}

// The cell below stands on ground: an opaque block that is not a machine part.
// The objective is drawn opaque but is no ground to dig from.
inline bool standsOnGround(World* w, vec3 p) {
    vec3 below = p - vec3(0, 1, 0);
    const BlockAttrib* a = cellAttrib(w, below);
    return a && a->renderPass == 1 && !a->machine && cellType(w, below) != 34;
}
