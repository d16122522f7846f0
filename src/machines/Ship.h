#pragma once
// The player's home ship: the main store, the research levels, and a network node.
#include "machines/Netable.h"

class Ship : public Netable {
public:
    int special;  // kept with the map record; nothing reads it
    unsigned int vao, vbo[3];
    resourceStruct store;
    resourceStruct levels;

    explicit Ship(World* w);
    ~Ship() override;

    void update(long long tick) override;
    void takeCargo(resourceStruct r) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    virtual bool handleTemplateRequest(resourceStruct par, Netable* n);
    void render(unsigned int program) override;
    void onClick() override;
    int getType() override { return TYPE_SHIP; }
    int getBlock() override { return 14; }
    void read(std::istream& in) override;
    void write(std::ostream& out) override;
};
