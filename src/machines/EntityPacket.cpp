#include "machines/EntityPacket.h"

#include "machines/CellQuery.h"
#include "machines/Netable.h"
#include "world/World.h"

#include <glm/geometric.hpp>

EntityPacket::EntityPacket(World* w, vec3 v, std::list<Netable*> p)
    : Entity(w, v), rend(getBlockRenderer(w)) {
    for (Netable* n : p) path.push_back(n->pos);
    place = path.begin();
    speed = float((shipLevels(w).matter + 1) * 0.05);
}

void EntityPacket::update() {
    if (place == path.end()) {
        alive = false;
        return;
    }
    vec3 target = *place + vec3(0.5f);
    vec3 d = target - pos;
    // Its machine is gone: the cargo is lost with it.
    if (!cellIsMachine(world, *place)) {
        alive = false;
        return;
    }
    if (glm::dot(d, d) < 0.01f) {
        ++place;
        if (place == path.end()) {
            vec3 last = path.back();
            for (ActiveBlock* a : world->actives)
                if (a->pos == last) {
                    if (a->isNetable()) static_cast<Netable*>(a)->takeCargo(cargo);
                    break;
                }
            alive = false;
            return;
        }
    }
    if (glm::dot(d, d) <= speed * speed) pos += d;
    else pos += glm::normalize(d) * speed;
}
