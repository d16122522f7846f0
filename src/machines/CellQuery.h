#pragma once
// Attribute tests on world cells that are safe at the world's border: a cell
// outside the world (type -1) or of an unknown type has no attribute, and the
// block table is never indexed with a key it does not hold.
#include "world/Block.h"
#include "world/World.h"
#include "world/BlockLookup.h"

inline int cellType(World* w, vec3 p) {
    // Compare as floats first: converting a far-off or non-finite coordinate to
    // int is undefined.
    if (!(p.x >= 0 && p.y >= 0 && p.z >= 0 && p.x < float(w->width) && p.y < float(w->height) &&
          p.z < float(w->depth)))
        return -1;
    return getWBlock(w, int(p.x), int(p.y), int(p.z)).type;
}

inline const BlockAttrib* cellAttrib(World* w, vec3 p) {
    return findBlockAttrib(cellType(w, p));
}

inline bool cellIsMachine(World* w, vec3 p) {
    const BlockAttrib* a = cellAttrib(w, p);
    return a && a->machine;
}

inline bool cellIsMinable(World* w, vec3 p) {
    const BlockAttrib* a = cellAttrib(w, p);
    return a && a->minable;
}
