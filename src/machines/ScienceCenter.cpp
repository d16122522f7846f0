// Turns energy into research levels of the ship, one kind at a time.
#include "machines/ScienceCenter.h"

#include "machines/Ship.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <algorithm>

ScienceCenter::ScienceCenter(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s)
    : Netable(w, float(cmp.sensors / 2.0 + 3.0), 9), dmg(0), rate(cmp.gens), progress(0), difficulty(5000),
      mode(0), energy(0) {
    blocks = s;
    capacity = float((shipLevels(w).caps + 2) * cmp.caps + 20);
    shownLevels = shipLevels(w);
}

void ScienceCenter::update(long long tick) {
    Netable::update(tick);
    if (!alive) return;
    if (energy > rate / 10.0) {
        progress += rate;
        energy -= float(rate / 10.0);
        // Without a ship the work is done but nobody learns from it.
        if (Ship* ship = world->theShip) {
            int& level = ship->levels.data[std::clamp(mode, 0, 4)];
            difficulty = (level + 1) * 8000;
            if (progress > difficulty) {
                progress = 0;
                level += 1;
            }
        }
    }
    shownLevels = shipLevels(world);
    if (tick % 20 != 5) return;
    for (Netable* n : adjacent) {
        if (reqLock) break;
        int type = n->getType();
        if ((type == TYPE_GENERATOR || type == TYPE_RELAY || type == TYPE_SHIP) && energy < capacity) {
            resourceStruct req;
            req.energy = capacity - energy;
            if (n->handleRequest(req, this)) reqLock = true;
        }
    }
}

void ScienceCenter::takeCargo(resourceStruct r) {
    energy = std::clamp(energy + r.energy, 0.0f, 1.5f * capacity);
    reqLock = false;
}

bool ScienceCenter::handleRequest(resourceStruct, Netable*) { return false; }

void ScienceCenter::onClick() {
    shownLevels = shipLevels(world);
    StatusScreen* s = new StatusScreen("ScienceCenter", pos);
    s->addLabel(SLabel("Range", &range, nullptr, 1));
    s->addLabel(SLabel("Energy", &energy, &capacity, 1));
    const char* names[5] = {"Matter", "Generators", "Capacitors", "Relays", "Sensors"};
    for (int i = 0; i < 5; i++) s->addLabel(SLabel(names[i], &shownLevels.data[i], nullptr, 0));
    s->addLabel(SLabel("Progress", &progress, &difficulty, 2));
    s->addButton(
        SButton("Mode", {{0, "SCmatter"}, {1, "SCgens"}, {2, "Fcaps"}, {3, "SCrelay"}, {4, "SCsensor"}}, &mode, 5, 0));
    setStatusScreen(world, s);
}
