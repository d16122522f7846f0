// The network's buffer: keeps energy, matter and a few finished goods, pulls
// them from producers and evens them out with other relays and the ship.
#include "machines/Relay.h"

#include "machines/Ship.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <algorithm>

Relay::Relay(World* w, int sensors, int caps, int storage, int head, std::set<vec3, veccomp>& s)
    : Netable(w, float(sensors * 1.5 + 2.0), head) {
    blocks = s;
    maxStore.energy = float((shipLevels(w).caps + 2) * caps + 10);
    maxStore.matter = storage + 10;
    for (int i = 1; i < 5; i++) maxStore.data[i] = 2;
}

namespace {

// Half of what a neighbour holds beyond this relay, for energy and every count.
resourceStruct evenOutWith(const resourceStruct& own, const resourceStruct& max, const resourceStruct& other) {
    resourceStruct req;
    if (other.energy - own.energy > 2.0f && own.energy < max.energy) req.energy = (other.energy - own.energy) / 2;
    for (int i = 0; i < 5; i++)
        if (other.data[i] - own.data[i] >= 2 && own.data[i] < max.data[i])
            req.data[i] = (other.data[i] - own.data[i]) / 2;
    return req;
}

}  // namespace

void Relay::update(long long tick) {
    Netable::update(tick);
    if (!alive || tick % 10 != 5 || reqLock) return;
    for (Netable* n : adjacent) {
        resourceStruct req;
        switch (n->getType()) {
        case TYPE_GENERATOR:
            if (store.energy < maxStore.energy) {
                req.energy = maxStore.energy - store.energy;
                n->handleRequest(req, this);
            }
            break;
        case TYPE_MINE:
            if (store.matter < maxStore.matter) {
                req.matter = maxStore.matter - store.matter;
                n->handleRequest(req, this);
            }
            break;
        case TYPE_FACTORY:
            for (int i = 1; i < 5; i++) req.data[i] = maxStore.data[i] - store.data[i];
            n->handleRequest(req, this);
            break;
        case TYPE_RELAY:
            req = evenOutWith(store, maxStore, static_cast<Relay*>(n)->store);
            if (!isEmpty(req)) n->handleRequest(req, this);
            break;
        case TYPE_SHIP: {
            const resourceStruct& ship = static_cast<Ship*>(n)->store;
            if (ship.energy - store.energy > 2.0f && store.energy < maxStore.energy)
                req.energy = (std::max(ship.energy, maxStore.energy) - store.energy) / 2;
            if (ship.matter - store.matter >= 2 && store.matter < maxStore.matter)
                req.matter = (ship.matter - store.matter) / 2;
            if (!isEmpty(req) && n->handleRequest(req, this) && req.energy == maxStore.energy) reqLock = true;
            break;
        }
        default:
            break;
        }
    }
}

void Relay::takeCargo(resourceStruct par) {
    store.energy = std::min(store.energy + par.energy, 1.5f * maxStore.energy);
    for (int i = 0; i < 5; i++) store.data[i] = std::clamp(store.data[i] + par.data[i], 0, maxStore.data[i]);
    reqLock = false;
}

bool Relay::handleRequest(resourceStruct res, Netable* n) { return giveFromStore(world, this, store, res, n); }

void Relay::onClick() {
    StatusScreen* s = new StatusScreen("Relay", pos);
    s->addLabel(SLabel("Range", &range, nullptr, 1));
    s->addLabel(SLabel("Energy", &store.energy, &maxStore.energy, 1));
    const char* names[5] = {"Mass", "Generators", "Capacitors", "Relays", "Sensors"};
    for (int i = 0; i < 5; i++) s->addLabel(SLabel(names[i], &store.data[i], &maxStore.data[i], 0));
    setStatusScreen(world, s);
}
