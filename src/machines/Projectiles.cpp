#include "machines/Projectiles.h"

#include "world/World.h"

#include <glm/geometric.hpp>

#include <cmath>

bool rendering = false;

EntityProjectile::EntityProjectile(World* w, vec3 v, std::list<vec3> p, int d)
    : Entity(w, v), rend(getBlockRenderer(w)), path(p), start(v), vao(0), vbo{0, 0, 0},
      speed(0.4f), dmg(d) {
    place = path.begin();
}

bool EntityProjectile::hitWaypoint() {
    if (place == path.end()) {
        alive = false;
        return true;
    }
    vec3 d = *place - pos;
    if (glm::dot(d, d) < 0.01f) {
        // The cell is hit whatever it holds by now.
        int x = int(place->x), y = int(place->y), z = int(place->z);
        int left = getWBlock(world, x, y, z).data - dmg;
        setBlockData(world, x, y, z, left);
        if (left < 1) setBlockWithNotify(world, x, y, z, 0, 10);
        ++place;
    }
    if (place == path.end()) alive = false;
    return !alive;
}

void EntityProjectile::moveOn() {
    if (place == path.end()) return;
    vec3 d = *place - pos;
    if (glm::dot(d, d) <= speed * speed) pos += d;
    else pos += glm::normalize(d) * speed;
}

bool EntityProjectile::fly() {
    bool done = hitWaypoint();
    moveOn();
    return done;
}

void EntityProjectile::update() { fly(); }

EntityKineticProjectile::EntityKineticProjectile(World* w, vec3 v, std::list<vec3> p, int d)
    : EntityProjectile(w, v, p, d) {
    speed = 1.0f;
}

void EntityKineticProjectile::update() {
    hitWaypoint();
    vec3 e = world->player.pos - pos;
    if (std::abs(e.x) < 1 && std::abs(e.z) < 1 && e.y > 0 && e.y < 4) {
        world->player.health -= 70;
        alive = false;
        return;
    }
    moveOn();
}
