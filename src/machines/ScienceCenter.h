#pragma once
// Turns energy into research levels of the ship.
#include "machines/Netable.h"

class ScienceCenter : public Netable {
public:
    int dmg;
    int rate;
    int progress;
    int difficulty;
    int mode;  // which level is researched, 0..4
    float energy;
    float capacity;
    // The ship's levels as of the last tick: the panel shows them without
    // pointing into the ship, which may be gone before the panel closes.
    resourceStruct shownLevels;

    ScienceCenter(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s);

    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    int getType() override { return TYPE_SCIENCE; }
    int getBlock() override { return 14; }
};
