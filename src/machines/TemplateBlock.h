#pragma once
// A construction site: orders a template's blocks from the ship and builds the
// pattern once they have all arrived.
#include "machines/Netable.h"
#include "machines/Template.h"

class TemplateBlock : public Netable {
public:
    resourceStruct needs;
    Template plan;

    TemplateBlock(World* w, Template t);

    void setPos(vec3 p) override;
    void update(long long tick) override;
    void takeCargo(resourceStruct cargo) override;
    bool handleRequest(resourceStruct res, Netable* n) override;
    void onClick() override;
    int getType() override { return TYPE_TEMPLATE; }
    int getBlock() override { return 14; }
};
