#pragma once
// Base of everything that moves freely through the world: packets and projectiles.
// The sector that holds an entity owns it and updates it once per tick.
#include <glm/glm.hpp>

using glm::vec3;

class World;

class Entity {
public:
    vec3 pos;
    bool alive;
    World* world;

    Entity(World* w, vec3 p) : pos(p), alive(true), world(w) {}
    virtual ~Entity() {}
    virtual void update() = 0;
    virtual void render(unsigned int program) = 0;
};
