// Turns raw matter into the selected kind of machine part.
#include "machines/Factory.h"

#include "panels/StatusScreen.h"
#include "world/World.h"

#include <algorithm>

Factory::Factory(World* w, int sensors, int storage, int gens, int caps, int head, std::set<vec3, veccomp>& s)
    : Netable(w, float(sensors / 2.0 + 2.5), head), progress(0), difficulty(200), mode(0), cargo(0) {
    blocks = s;
    maxEnergy = float((shipLevels(w).caps + 2) * caps + 10);
    maxStore = storage + 3;
    rate = int(gens * 1.5 + 1.0);
}

void Factory::tabulateCargo() {
    cargo = 0;
    for (int n : store.data) cargo += n;
}

void Factory::update(long long tick) {
    Netable::update(tick);
    if (!alive) return;
    if (tick % 10 == 3) {
        if (store.matter > 0 && store.energy > 0.3f) {
            progress += rate;
            store.energy -= float(rate / 10.0);
        }
        if (progress > difficulty) {
            store.matter -= 1;
            store.data[std::clamp(mode, 0, 3) + 1] += 1;
            progress = 0;
        }
    }
    if (tick % 10 != 5) return;
    for (Netable* n : adjacent) {
        if (reqLock) break;
        int type = n->getType();
        resourceStruct req;
        bool lacksEnergy = store.energy < maxEnergy, hasRoom = cargo < maxStore;
        if (type == TYPE_GENERATOR && lacksEnergy) {
            req.energy = maxEnergy - store.energy;
        } else if (type == TYPE_MINE && hasRoom) {
            req.matter = maxStore - cargo;
        } else if ((type == TYPE_RELAY || type == TYPE_SHIP) && (lacksEnergy || hasRoom)) {
            if (lacksEnergy) req.energy = maxEnergy - store.energy;
            if (hasRoom) req.matter = maxStore - cargo;
        } else {
            continue;
        }
        if (n->handleRequest(req, this)) reqLock = true;
    }
}

void Factory::takeCargo(resourceStruct r) {
    store.energy += r.energy;
    for (int i = 0; i < 5; i++) store.data[i] += r.data[i];
    tabulateCargo();
    // What does not fit is lost from the raw matter, never below nothing.
    if (cargo > maxStore) store.matter = std::max(0, store.matter - (cargo - maxStore));
    store.energy = std::min(store.energy, 1.5f * maxEnergy);
    reqLock = false;
}

bool Factory::handleRequest(resourceStruct res, Netable* n) {
    bool sent = giveFromStore(world, this, store, res, n);
    if (sent) tabulateCargo();
    return sent;
}

void Factory::onClick() {
    StatusScreen* s = new StatusScreen("Factory", pos);
    s->addLabel(SLabel("Range", &range, nullptr, 1));
    s->addLabel(SLabel("Energy", &store.energy, &maxEnergy, 1));
    const char* names[5] = {"Mass", "Generators", "Capacitors", "Relays", "Sensors"};
    for (int i = 0; i < 5; i++) s->addLabel(SLabel(names[i], &store.data[i], nullptr, 0));
    s->addLabel(SLabel("Space", &cargo, &maxStore, 0));
    s->addLabel(SLabel("Progress", &progress, &difficulty, 2));
    s->addButton(SButton("Mode", {{0, "Fgens"}, {1, "Fcaps"}, {2, "Frelay"}, {3, "Fsensor"}}, &mode, 4, 0));
    setStatusScreen(world, s);
}
