// A construction site: orders its plan's blocks from the ship, one order at a
// time, and builds the plan once everything has arrived.
#include "machines/TemplateBlock.h"

#include "machines/CellQuery.h"
#include "machines/Ship.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

namespace {

// Plan entries the ship can supply: the five machine-part kinds.
bool isSupplied(int t) { return t >= 9 && t <= 13; }

bool allArrived(const resourceStruct& needs) {
    for (int n : needs.data)
        if (n > 0) return false;
    return true;
}

// Replaces the site by its plan; cells already taken are left as they are.
void build(World* w, vec3 site, const Template& plan) {
    setBlockWithNotify(w, int(site.x), int(site.y), int(site.z), 0, 10);
    for (const auto& e : plan.data) {
        // Entries below the machine parts (a captured head of type 0) build nothing.
        if (e.second < 9) continue;
        vec3 c = site + e.first;
        if (cellType(w, c) == 0) setBlockWithNotify(w, int(c.x), int(c.y), int(c.z), e.second, 10);
    }
}

}  // namespace

TemplateBlock::TemplateBlock(World* w, Template t) : Netable(w, 0.0f, 0), plan(t) {
    for (const auto& e : plan.data)
        if (isSupplied(e.second)) needs.data[e.second - 9] += 1;
}

void TemplateBlock::setPos(vec3 p) {
    Netable::setPos(p);
    // The site watches only its own cell.
    blocks = {p};
}

void TemplateBlock::update(long long tick) {
    Netable::update(tick);
    if (!alive) return;
    if (tick % 20 == 3 && allArrived(needs)) {
        build(world, pos, plan);
        alive = false;
        return;
    }
    if (tick % 20 == 5 && !reqLock && world->theShip && world->theShip->handleTemplateRequest(needs, this))
        reqLock = true;
}

void TemplateBlock::takeCargo(resourceStruct cargo) {
    for (int i = 0; i < 5; i++) needs.data[i] -= cargo.data[i];
    reqLock = false;
}

bool TemplateBlock::handleRequest(resourceStruct, Netable*) { return false; }

void TemplateBlock::onClick() {
    StatusScreen* s = new StatusScreen("TemplateBlock", pos);
    const char* names[5] = {"Mass", "Generators", "Capacitors", "Relays", "Sensors"};
    for (int i = 0; i < 5; i++) s->addLabel(SLabel(names[i], &needs.data[i], nullptr, 0));
    setStatusScreen(world, s);
}
