#pragma once
// The singularity mortar ("Singularity Generator"): launches slow singularities
// that eat the vask along their path and around their target.
#include "machines/Netable.h"

#include <list>

class Mortor : public Netable {
public:
    int hp, dmg, rate, ammo;
    float capacity, energy, dir, size, yaw;
    std::list<vec3> top;  // the dome's relay cells
    vec3 target;
    bool hasTarget;  // (0, 0, 0) is a real cell, so it cannot also mean "none"
    unsigned int Tvao, Tvbo[3];

    Mortor(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s, std::list<vec3>& topBlocks, float ss);
    ~Mortor() override;

    void setPos(vec3 p) override;
    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    void render(unsigned int program) override;
    int getType() override { return TYPE_MORTOR; }
    int getBlock() override { return 14; }

    void findTarget();
    void findDenseTarget();
    bool canTarget(int x, int y, int z);
};
