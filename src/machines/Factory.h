#pragma once
// Turns matter into manufactured blocks (gens, caps, relays, sensors).
#include "machines/Netable.h"

class Factory : public Netable {
public:
    resourceStruct store;
    float maxEnergy;
    int maxStore;
    int progress;
    int difficulty;
    int rate;
    int mode;   // 0 gens, 1 caps, 2 relays, 3 sensors
    int cargo;  // total items held

    Factory(World* w, int sensors, int storage, int gens, int caps, int head, std::set<vec3, veccomp>& s);

    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    int getType() override { return TYPE_FACTORY; }
    int getBlock() override { return 14; }

    void tabulateCargo();
};
