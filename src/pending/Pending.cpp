// Temporary definitions that let the core link while the subsystems that own
// them are being written. Each owner deletes its entries here as it lands the
// real code; this file must be gone before the game is called done.
#include "machines/Activate.h"
#include "machines/EntityPacket.h"
#include "machines/Generator.h"
#include "machines/Ship.h"
#include "panels/StatusScreen.h"
#include "render/BlockRenderer.h"
#include "render/EntityRenderer.h"
#include "render/PlayerRenderer.h"
#include "render/SectorRenderer.h"
#include "world/World.h"
#include "flow/CampaignManager.h"
#include "flow/Input.h"
#include "machines/Activate.h"
#include "machines/TemplateBlock.h"
#include "pending/PendingDecls.h"

#include <vector>

// machines
Netable::~Netable() {}
void Netable::render(unsigned int) {}
Ship::~Ship() {}
void Ship::update(long long) {}
void Ship::takeCargo(resourceStruct) {}
bool Ship::handleRequest(resourceStruct, Netable*) { return false; }
bool Ship::handleTemplateRequest(resourceStruct, Netable*) { return false; }
void Ship::render(unsigned int) {}
void Generator::update(long long) {}
void Generator::takeCargo(resourceStruct) {}
bool Generator::handleRequest(resourceStruct, Netable*) { return false; }
void Generator::onClick() {}
void EntityPacket::render(unsigned int) {}

// panels

// rendering

// weapons helper: stand-ins until the machines, panels and rendering work lands.
void getComposition(vec3 pos, World* w, resourceStruct& ret, resourceStruct& levels, std::set<vec3, veccomp>& l) {
    // Iterative: a map may hold one huge connected group of machine blocks.
    resourceStruct lv = shipLevels(w);
    std::vector<vec3> todo{pos};
    while (!todo.empty()) {
        vec3 p = todo.back();
        todo.pop_back();
        int t = getWBlock(w, int(p.x), int(p.y), int(p.z)).type;
        if (!isKnownBlockType(t) || !blockAttribs[t].machine || l.count(p)) continue;
        l.insert(p);
        if (t >= 9 && t <= 13) {
            ret.data[t - 9] += 1;
            levels.data[t - 9] = lv.data[t - 9];
        }
        if (t == 14) ret.energy += 1.0f;
        const vec3 next[6] = {vec3(0, 0, -1), vec3(0, 0, 1), vec3(0, -1, 0), vec3(0, 1, 0), vec3(-1, 0, 0), vec3(1, 0, 0)};
        for (const vec3& n : next) todo.push_back(p + n);
    }
}

// flow helper: stand-ins for other helpers' work until it is merged
skirmishSettings makeSettings = {-1, -1, -1, -1, -1};
void World::genRandomWorld() {}
void World::editorTick(long long) {}
int editorInput(int& result, Player& p) { return gameInput(result, p); }
CampaignManager::CampaignManager() {}
void CampaignManager::playCamp(int, int) {}
void activate(vec3, World*) {}
void deactivate(vec3, World*) {}
Template::Template(World*, vec3 v) : start(v) {}
TemplateBlock::TemplateBlock(World* w, Template t) : Netable(w, 5.0f, 14), plan(t) {}
void TemplateBlock::setPos(vec3 p) { pos = p; }
void TemplateBlock::update(long long) {}
void TemplateBlock::takeCargo(resourceStruct) {}
bool TemplateBlock::handleRequest(resourceStruct, Netable*) { return false; }
void TemplateBlock::onClick() {}
