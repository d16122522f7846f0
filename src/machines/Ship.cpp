#include "machines/Ship.h"

#include "machines/EntityPacket.h"
#include "machines/Relay.h"
#include "util/BinaryIO.h"
#include "world/World.h"

Ship::Ship(World* w) : Netable(w, 5.0f, 9), special(0), vao(0), vbo{0, 0, 0} {
    store.matter = 5;
    store.gens = 5;
    store.relays = 5;
}

void Ship::update(long long tick) {
    // The ship's own slow income, even with no generator in reach.
    if (tick % 50 == 2) store.energy += 1.0f;
    if (getWBlock(world, int(pos.x), int(pos.y), int(pos.z)).type != 14) {
        alive = false;
        return;
    }
    if (tick % 10 != 5) return;
    // The ship drains its neighbours; unlike other machines an answered ask
    // does not end its pass.
    for (Netable* n : adjacent) {
        int type = n->getType();
        resourceStruct req;
        if (type == TYPE_GENERATOR) {
            req.energy = -1.0f;
        } else if (type == TYPE_MINE) {
            req.matter = -1;
        } else if (type == TYPE_FACTORY || type == TYPE_RELAY) {
            for (int i = 1; i < 5; i++) req.data[i] = -1;
        } else {
            continue;
        }
        if (n->handleRequest(req, this)) reqLock = true;
        if (type != TYPE_RELAY) continue;
        // Then half of whatever a relay holds beyond the ship.
        const resourceStruct& r = static_cast<Relay*>(n)->store;
        resourceStruct surplus;
        if (r.energy - store.energy > 2.0f) surplus.energy = (r.energy - store.energy) / 2;
        if (r.matter - store.matter >= 2) surplus.matter = (r.matter - store.matter) / 2;
        if (!isEmpty(surplus) && n->handleRequest(surplus, this)) reqLock = true;
    }
}

void Ship::takeCargo(resourceStruct r) {
    store.energy += r.energy;
    for (int i = 0; i < 5; i++) store.data[i] += r.data[i];
    reqLock = false;
}

bool Ship::handleRequest(resourceStruct res, Netable* n) { return giveFromStore(world, this, store, res, n); }

bool Ship::handleTemplateRequest(resourceStruct par, Netable* n) {
    // Straight to the site, whatever the links: a construction site may stand
    // anywhere.
    EntityPacket* packet = new EntityPacket(world, pos + vec3(0.5f), {n});
    for (int i = 0; i < 5; i++) {
        if (par.data[i] == -1 || store.data[i] < par.data[i]) {
            packet->cargo.data[i] = store.data[i];
            store.data[i] = 0;
        } else if (par.data[i] > 0) {
            packet->cargo.data[i] = par.data[i];
            store.data[i] -= par.data[i];
        }
    }
    if (isEmpty(packet->cargo)) {
        delete packet;
        return false;
    }
    world->placeEntity(packet);
    return true;
}

void Ship::read(std::istream& in) {
    ActiveBlock::read(in);
    special = readI32(in);
}

void Ship::write(std::ostream& out) {
    ActiveBlock::write(out);
    writeI32(out, special);
}

void Ship::onClick() {}
