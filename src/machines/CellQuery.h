#pragma once
// Attribute tests on world cells that are safe at the world's border: a cell
// outside the world (type -1) or of an unknown type has no attribute, and the
// block table is never indexed with a key it does not hold.
#include "world/Block.h"
#include "world/World.h"

inline int cellType(World* w, vec3 p) { return getWBlock(w, int(p.x), int(p.y), int(p.z)).type; }

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
