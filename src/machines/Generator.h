#pragma once
// Turns generator blocks into a slow, steady trickle of energy.
#include "machines/Netable.h"

class Generator : public Netable {
public:
    int rate;      // progress needed per unit of energy
    int speed;     // progress per tick
    int progress;
    float maxStorage;
    float storage;

    Generator(World* w, int gen, int caps, int sensors, std::set<vec3, veccomp>& s);

    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    int getType() override { return TYPE_GENERATOR; }
    int getBlock() override { return 14; }
};
