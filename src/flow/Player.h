#pragma once
// The first-person avatar: a box that walks, lifts, falls and collides, plus the
// tool state (which tool, which sub-option, what is being mined, templates, health).
#include "flow/KeyBindings.h"
#include "machines/Template.h"

#include <glm/glm.hpp>

#include <string>
#include <vector>

using glm::vec3;

class World;

class Player {
public:
    float yaw;
    float pit;
    vec3 iVel;
    vec3 size;
    vec3 selected;
    vec3 selFace;
    vec3 mass1, mass2;
    World* world;
    std::vector<Template> templates;
    int health;
    int remStatus;
    vec3 remBlock;
    int mode;
    int blockMode;
    int actMode;
    int tempMode;
    int remMode;
    int menu;
    int placeData;
    bool run;
    vec3 pos;
    vec3 vel;
    float speed;
    float grav;
    // A short line the HUD shows for a while: why a tool did nothing.
    std::string notice;
    int noticeTicks;
    // The keys as the settings had them when this world was built.
    KeyBindings keys;

    explicit Player(World* w);
    void update();
    vec3 getPos() { return pos; }
    void setPos(vec3 p) { pos = p; }
    // Shows `text` on the HUD for about three seconds.
    void tell(const std::string& text) {
        notice = text;
        noticeTicks = 180;
    }
};
