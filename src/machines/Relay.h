#pragma once
// The network's buffer and carrier: range and storage, produces nothing.
#include "machines/Netable.h"

class Relay : public Netable {
public:
    resourceStruct store;
    resourceStruct maxStore;

    Relay(World* w, int sensors, int caps, int storage, int head, std::set<vec3, veccomp>& s);

    void update(long long tick) override;
    void takeCargo(resourceStruct par) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    int getType() override { return TYPE_RELAY; }
    int getBlock() override { return 14; }
};
