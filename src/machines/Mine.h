#pragma once
// Digs the cells inside its rectangle into matter.
#include "machines/Netable.h"

class Mine : public Netable {
public:
    int dmg;
    int rate;
    int progress;
    float energy;
    float capacity;
    int maxStore;
    int store;
    int maxX, minX, maxZ, minZ, maxY;
    vec3 target;

    Mine(World* w, int ym, int xm, int zm, int xx, int zx, resourceStruct& cmp, std::set<vec3, veccomp>& s);

    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    void render(unsigned int program) override;
    int getType() override { return TYPE_MINE; }
    int getBlock() override { return 14; }

    void findTarget();
    bool canTarget(int px, int py, int pz);
};
