#pragma once
// Shoots single vask cells with energy shells.
#include "machines/Netable.h"
#include "machines/WeaponCommon.h"

#include <list>
#include <utility>

class Turret : public Netable {
public:
    int hp, dmg, rate, ammo;
    float capacity, energy, dir, yaw, pit;
    std::list<std::pair<vec3, int>> top;  // barrel blocks with their types
    vec3 target;
    vec3 tip;
    unsigned int Tvao, Tvbo[3];

    Turret(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s,
           std::list<std::pair<vec3, int>>& topBlocks, int head);
    ~Turret() override;

    void setPos(vec3 p) override;
    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    void render(unsigned int program) override;
    int getType() override { return TYPE_TURRET; }
    int getBlock() override { return 14; }

    void findTarget();
    bool canTarget(int x, int y, int z);
};
