#pragma once
// Attribute tests on world cells that are safe at the world's border: a cell
// outside the world (type -1) or of an unknown type has no attribute, and the
// block table is never indexed with a key it does not hold.
#include "world/Block.h"
#include "world/World.h"

inline int cellType(World* w, vec3 p) {
    // Compared as floats first: a position read from a damaged map may be far
    // beyond what an int holds, or not a number at all.
    if (!(p.x >= 0 && p.y >= 0 && p.z >= 0 && p.x < float(w->width) && p.y < float(w->height) &&
          p.z < float(w->depth)))
        return -1;
    return w->cell(int(p.x), int(p.y), int(p.z)).type;
}

inline const BlockAttrib* cellAttrib(World* w, vec3 p) {
    auto it = blockAttribs.find(cellType(w, p));
    return it == blockAttribs.end() ? nullptr : &it->second;
}

inline bool cellIsMachine(World* w, vec3 p) {
    const BlockAttrib* a = cellAttrib(w, p);
    return a && a->machine;
}

inline bool cellIsMinable(World* w, vec3 p) {
    const BlockAttrib* a = cellAttrib(w, p);
    return a && a->minable;
}
