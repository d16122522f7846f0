// Digs the cells of its box, top layer first, into matter for the network.
#include "machines/Mine.h"

#include "machines/CellQuery.h"
#include "machines/EntityPacket.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <algorithm>

namespace {
// Outside the world, so the first digging step finds nothing to dig there and
// searches the box.
const vec3 NO_TARGET(-1, -1, -1);
}  // namespace

Mine::Mine(World* w, int ym, int xm, int zm, int xx, int zx, resourceStruct& cmp, std::set<vec3, veccomp>& s)
    : Netable(w, float(cmp.sensors / 2.0 + 5.0), 12), progress(0), energy(0), store(0), maxX(xx), minX(xm),
      maxZ(zx), minZ(zm), maxY(ym), target(NO_TARGET) {
    blocks = s;
    resourceStruct levels = shipLevels(w);
    dmg = cmp.gens + levels.relays;
    // More relay blocks dig more often; past 60 of them the step cannot get shorter.
    rate = std::max(1, cmp.relays > 0 ? 60 / cmp.relays : 60);
    capacity = float((levels.caps + 2) * cmp.caps + 20);
    maxStore = cmp.matter + 10;
}

bool Mine::canTarget(int px, int py, int pz) {
    if (!cellIsMinable(world, vec3(px, py, pz))) return false;
    vec3 d = vec3(px, py, pz) - pos;
    return d.x * d.x + d.y * d.y + d.z * d.z <= range * range;
}

void Mine::findTarget() {
    for (int y = maxY - 1; y >= 1; y--)
        for (int x = minX + 1; x < maxX; x++)
            for (int z = minZ + 1; z < maxZ; z++)
                if (canTarget(x, y, z)) {
                    target = vec3(x, y, z);
                    return;
                }
}

void Mine::update(long long tick) {
    Netable::update(tick);
    if (!alive) return;
    if (tick % rate == 0) {
        if (!cellIsMinable(world, target)) {
            progress = 0;
            findTarget();
        }
        if (energy > dmg / 10.0) {
            progress += dmg;
            energy -= float(dmg / 10.0);
        }
        // Only a cell that is still there can be dug: with nothing in reach the
        // mine must not make matter out of air.
        if (progress > 20 && cellIsMinable(world, target)) {
            setBlockWithNotify(world, int(target.x), int(target.y), int(target.z), 0, 10);
            store = std::clamp(store + 1, 0, maxStore);
        }
    }
    if (tick % 20 != 5) return;
    for (Netable* n : adjacent) {
        if (reqLock) break;
        int type = n->getType();
        resourceStruct req;
        if (type == TYPE_GENERATOR || type == TYPE_RELAY || type == TYPE_SHIP) {
            if (energy < capacity) {
                req.energy = capacity - energy;
                if (n->handleRequest(req, this)) reqLock = true;
            }
        } else if (type == TYPE_MINE) {
            Mine* other = static_cast<Mine*>(n);
            if (other->energy - energy > 5.0f && energy < capacity) {
                req.energy = (other->energy - energy) / 2.0f;
                if (n->handleRequest(req, this)) reqLock = true;
            }
            if (!reqLock && other->store - store >= 6 && store < maxStore) {
                resourceStruct byMatter;
                byMatter.energy = float((other->store - store) / 2);
                if (n->handleRequest(byMatter, this)) reqLock = true;
            }
        }
    }
}

void Mine::takeCargo(resourceStruct r) {
    energy = std::clamp(energy + r.energy, 0.0f, 1.5f * capacity);
    reqLock = false;
}

bool Mine::handleRequest(resourceStruct res, Netable* n) {
    if (energy == 0 && res.matter < 1) return false;
    if (store == 0 && res.energy <= 0) return false;
    EntityPacket* packet = new EntityPacket(world, pos + vec3(0.5f), {this, n});
    packet->cargo.energy = handOver(energy, res.energy);
    packet->cargo.matter = handOver(store, res.matter);
    world->placeEntity(packet);
    return true;
}

void Mine::onClick() {
    StatusScreen* s = new StatusScreen("Mine", pos);
    s->addLabel(SLabel("Range", &range, nullptr, 1));
    s->addLabel(SLabel("Energy", &energy, &capacity, 1));
    s->addLabel(SLabel("Mass Storage", &store, &maxStore, 0));
    setStatusScreen(world, s);
}
