#pragma once
// Bounded reads of the block table: a type it does not hold (from a damaged
// grid or a stray value) answers "no attributes" and never adds a row, which
// indexing the table by key would do.
#include "world/Block.h"

// The row of `type`, or none.
inline const BlockAttrib* findBlockAttrib(int type) {
    auto it = blockAttribs.find(type);
    return it == blockAttribs.end() ? nullptr : &it->second;
}

// The row of `type`; an unknown type reads as a solid block with no texture,
// no pass, no flags, that nothing may mine.
inline const BlockAttrib& blockAttrib(int type) {
    static const BlockAttrib none = BlockAttrib("", 0, false).setMineable(false);
    const BlockAttrib* a = findBlockAttrib(type);
    return a ? *a : none;
}
