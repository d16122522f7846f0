#pragma once
// Everything bound to one cell that acts by itself: machines, minds, the enemy turret.
#include <glm/glm.hpp>

#include <iosfwd>

using glm::vec3;

class World;

// Machine type ids as stored in map files.
enum MachineType {
    TYPE_MIND = 1,
    TYPE_SHIP = 2,
    TYPE_TURRET = 3,
    TYPE_GENERATOR = 4,
    TYPE_MINE = 5,
    TYPE_RELAY = 6,
    TYPE_FACTORY = 7,
    TYPE_SCIENCE = 8,
    TYPE_MORTOR = 9,
    TYPE_SHIELD = 10,
    TYPE_TEMPLATE = 11,
    TYPE_AUTOTURRET = 15,
};

class ActiveBlock {
public:
    vec3 pos;
    bool alive;
    World* world;

    explicit ActiveBlock(World* w);
    virtual ~ActiveBlock();
    virtual void update(long long tick) = 0;
    virtual void editorUpdate();
    virtual int getType() = 0;
    virtual int getBlock() = 0;
    virtual void render(unsigned int program) = 0;
    virtual void onClick() = 0;
    virtual bool isNetable();
    // The record after the type id (read) or including it (write).
    virtual void read(std::istream& in);
    virtual void write(std::ostream& out);
    virtual void setPos(vec3 p);
};
