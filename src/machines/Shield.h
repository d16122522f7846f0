#pragma once
// Burns away vask that touches the faces of a cube around it.
#include "machines/Netable.h"

class Shield : public Netable {
public:
    int hp, dmg, rate, ammo;
    float size, capacity, energy;
    int strength, maxStrength;

    Shield(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s);

    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    void render(unsigned int program) override;
    int getType() override { return TYPE_SHIELD; }
    int getBlock() override { return 14; }

    void doDmg();
};
