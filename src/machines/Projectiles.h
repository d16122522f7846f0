#pragma once
// Shells, kinetic bullets and singularities.
#include "machines/Entity.h"
#include "machines/Resource.h"

#include <glm/glm.hpp>

#include <list>

class BlockRenderer;
class EntityRenderer;

class EntityProjectile : public Entity {
public:
    BlockRenderer* rend;
    std::list<vec3> path;
    vec3 start;
    std::list<vec3>::iterator place;
    unsigned int vao, vbo[3];
    float speed;
    int dmg;

    EntityProjectile(World* w, vec3 v, std::list<vec3> p, int d);
    ~EntityProjectile() override;
    void update() override;
    void render(unsigned int program) override;

protected:
    // One tick of flight and damage; true when the shell has passed its last waypoint.
    bool fly();
    // The damage step: on reaching the waypoint its cell loses dmg of its data
    // and the next waypoint is taken. True once past the last one.
    bool hitWaypoint();
    // The move step: at most `speed` towards the current waypoint.
    void moveOn();
};

class EntityKineticProjectile : public EntityProjectile {
public:
    EntityKineticProjectile(World* w, vec3 v, std::list<vec3> p, int d);
    void update() override;
    void render(unsigned int program) override;
};

class EntityMSingularity : public Entity {
public:
    EntityRenderer* rend;
    std::list<vec3> path;
    std::list<vec3>::iterator place;
    unsigned int vao, vbo[2];
    unsigned int texture, frameBuffer, frameDepth;
    float speed;
    int dmg;   // the damage pool
    int life;  // ticks lived
    glm::vec4 distort;
    float size;
    vec3 spot;

    EntityMSingularity(World* w, vec3 v, std::list<vec3> p, int d, float s);
    ~EntityMSingularity() override;
    void update() override;
    void render(unsigned int program) override;

    // The damage step: every vask cell within `size` of the singularity.
    void eat();

private:
    // The off-screen buffer of the lens; made only when a GL context exists.
    void createLens();
};

// Re-entrancy flag of the singularity's off-screen drawing.
extern bool rendering;
