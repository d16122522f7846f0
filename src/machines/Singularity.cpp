#include "machines/Projectiles.h"

#include "sound/Sound.h"
#include "world/World.h"

#include <glm/geometric.hpp>

EntityMSingularity::EntityMSingularity(World* w, vec3 v, std::list<vec3> p, int d, float s)
    : Entity(w, v), rend(getEntityRenderer(w)), path(p), vao(0), vbo{0, 0}, texture(0),
      frameBuffer(0), frameDepth(0), speed(0.1f), dmg(d), life(0), distort(0.95f, 0.0f, 0.0f, 0.0f),
      size(s), spot(v) {
    place = path.begin();
    createLens();
}

void EntityMSingularity::update() {
    life += 1;
    if (place != path.end()) {
        vec3 d = *place - pos;
        if (glm::dot(d, d) < 0.01f) ++place;
    }
    eat();
    if (place == path.end()) {
        soundManager.play("SH1", 1.0f);
        alive = false;
        return;
    }
    if (life < 100) {
        // Charging where it was launched; the lens grows.
        distort.y = -life / 100.0f;
        distort.w = -1.5f * life / 100.0f;
        return;
    }
    vec3 d = *place - pos;
    if (glm::dot(d, d) <= speed * speed) pos += d;
    else pos += glm::normalize(d) * speed;
}

void EntityMSingularity::eat() {
    int x0 = int(pos.x), y0 = int(pos.y), z0 = int(pos.z);
    for (int x = int(x0 - size); float(x) <= x0 + size; x++)
        for (int y = int(y0 + size); float(y) >= y0 - size; y--)
            for (int z = int(z0 - size); float(z) <= z0 + size; z++) {
                Block b = getWBlock(world, x, y, z);
                if (b.type != 2) continue;
                int s = b.data;
                // Cells the pool cannot pay for are only worn down, for free.
                if (dmg - s < 1) {
                    setBlockData(world, x, y, z, s - dmg);
                } else {
                    dmg -= s;
                    setBlockWithNotify(world, x, y, z, 0, 10);
                }
            }
}
