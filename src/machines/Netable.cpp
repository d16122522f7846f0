#include "machines/Netable.h"

#include "machines/CellQuery.h"
#include "machines/EntityPacket.h"
#include "machines/Ship.h"
#include "sound/Sound.h"
#include "world/World.h"

#include <algorithm>

Netable::Netable(World* w, float f, int b)
    : ActiveBlock(w), range(f), connected(false), blockHead(b), reqLock(false), Nvao(0),
      Nvbo{0, 0, 0}, lastSize(0) {
    if (w->theShip) range = float(double(f) * (1.0 + 0.2 * w->theShip->levels.sensors));
}

bool Netable::isNetable() { return true; }

void Netable::setPos(vec3 p) {
    pos = p;
    adjacent.clear();
    establishConnection(world, adjacent, this);
    reNet();
}

void establishConnection(World* w, std::list<Netable*>& net, Netable* n) {
    for (ActiveBlock* b : w->actives) {
        if (b == n || !b->isNetable()) continue;
        Netable* a = static_cast<Netable*>(b);
        if (withinReach(n, a)) {
            net.push_back(a);
            a->addNeighbor(n);
        }
    }
    w->updateNet();
}

bool withinReach(const Netable* a, const Netable* b) {
    vec3 d = a->pos - b->pos;
    float reach = a->range + b->range;
    return d.x * d.x + d.y * d.y + d.z * d.z < reach * reach;
}

void linkLoadedMachines(World* w) {
    // Linked in list order exactly as placing them one after another would:
    // each machine meets the ones before it.
    std::vector<Netable*> placed;
    for (ActiveBlock* b : w->actives) {
        if (!b->isNetable()) continue;
        Netable* n = static_cast<Netable*>(b);
        n->adjacent.clear();
        for (Netable* a : placed)
            if (withinReach(n, a)) {
                n->adjacent.push_back(a);
                a->adjacent.push_back(n);
            }
        placed.push_back(n);
    }
    w->updateNet();
}

void Netable::reNet() {
    path.clear();
    std::set<Netable*> marked;
    connected = world->theShip ? inNetwork(this, world->theShip, marked) : false;
}

bool Netable::inNetwork(Netable* curent, Netable* goal, std::set<Netable*>& marked) {
    if (marked.count(curent)) return false;
    if (curent == goal) {
        path.push_front(goal);
        return true;
    }
    marked.insert(curent);
    for (Netable* next : curent->adjacent) {
        if (inNetwork(next, goal, marked)) {
            path.push_front(curent);
            return true;
        }
    }
    return false;
}

void Netable::addNeighbor(Netable* n) {
    adjacent.push_back(n);
    reNet();
}

void Netable::removeNeighbor(Netable* n) {
    adjacent.remove(n);
    reNet();
}

void Netable::update(long long tick) {
    if (tick % 20 != 1) return;
    for (const vec3& b : blocks) {
        if (cellIsMachine(world, b)) continue;
        // A broken pattern shuts the machine down and leaves its head block,
        // unless something else (the vask) already took the cell.
        if (cellType(world, pos) == 0 || cellIsMachine(world, pos))
            setBlockWithNotify(world, int(pos.x), int(pos.y), int(pos.z), blockHead, 10);
        soundManager.play("OFF", 1.0f);
        alive = false;
        return;
    }
}

ActiveBlock* getClosestNetable(World* w, vec3 pos) {
    float best = float(w->width + w->depth) * float(w->width + w->depth);
    ActiveBlock* result = nullptr;
    for (ActiveBlock* a : w->actives) {
        if (!a->isNetable() && a->getType() != TYPE_AUTOTURRET) continue;
        vec3 d = a->pos - pos;
        float dist = d.x * d.x + d.y * d.y + d.z * d.z;
        if (dist < best) {
            best = dist;
            result = a;
        }
    }
    return result;
}

void returnMatter(Ship* s, int type) {
    if (type >= 10 && type <= 13) s->store.data[type - 9] += 1;
    else s->store.matter += 1;
}

resourceStruct& getShipStore(Ship* s) { return s->store; }

bool giveFromStore(World* w, Netable* giver, resourceStruct& store, resourceStruct res, Netable* n) {
    EntityPacket* packet = new EntityPacket(w, giver->pos + vec3(0.5f), {giver, n});
    packet->cargo.energy = handOver(store.energy, res.energy);
    for (int i = 0; i < 5; i++) packet->cargo.data[i] = handOver(store.data[i], res.data[i]);
    if (isEmpty(packet->cargo)) {
        delete packet;
        return false;
    }
    w->placeEntity(packet);
    return true;
}
