#include "machines/Generator.h"

#include "machines/EntityPacket.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

Generator::Generator(World* w, int gen, int caps, int sensors, std::set<vec3, veccomp>& s)
    : Netable(w, float(sensors / 2.0 + 3.0), 10), speed(gen), progress(0), storage(0) {
    // Bigger generators gain faster than linearly.
    rate = std::clamp(int(200 - std::sqrt(double(gen)) * gen), 1, 300);
    maxStorage = float(shipLevels(w).caps + 3 * caps + 10);
    blocks = s;
}

void Generator::update(long long tick) {
    Netable::update(tick);
    if (!alive) return;
    progress += speed;
    if (progress > rate) {
        storage = std::clamp(storage + 1.0f, 0.0f, maxStorage);
        progress = 0;
    }
    if (tick % 20 != 5) return;
    // Generators share with a much fuller neighbour.
    for (Netable* n : adjacent) {
        if (reqLock) break;
        if (n->getType() != TYPE_GENERATOR) continue;
        float other = static_cast<Generator*>(n)->storage;
        if (other - storage > 5.0f && storage < maxStorage) {
            resourceStruct req;
            req.energy = (other - storage) / 2.0f;
            if (n->handleRequest(req, this)) reqLock = true;
        }
    }
}

void Generator::takeCargo(resourceStruct r) {
    storage = std::clamp(storage + r.energy, 0.0f, maxStorage);
    reqLock = false;
}

bool Generator::handleRequest(resourceStruct res, Netable* n) {
    if (storage == 0) return false;
    EntityPacket* packet = new EntityPacket(world, pos + vec3(0.5f), {this, n});
    packet->cargo.energy = handOver(storage, res.energy);
    world->placeEntity(packet);
    return true;
}

void Generator::onClick() {
    StatusScreen* s = new StatusScreen("Generator", pos);
    s->addLabel(SLabel("Range", &range, nullptr, 1));
    s->addLabel(SLabel("Energy Storage", &storage, &maxStorage, 1));
    setStatusScreen(world, s);
}
