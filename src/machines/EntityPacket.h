#pragma once
// Resources in flight between two linked machines.
#include "machines/Entity.h"
#include "machines/Resource.h"

#include <list>

class BlockRenderer;
class Netable;

class EntityPacket : public Entity {
public:
    BlockRenderer* rend;
    std::list<vec3> path;
    std::list<vec3>::iterator place;
    resourceStruct cargo;
    float speed;

    EntityPacket(World* w, vec3 v, std::list<Netable*> p);
    void update() override;
    void render(unsigned int program) override;
};
