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
StatusScreen::StatusScreen(std::string n, vec3 s) : name(n), source(s), selected(nullptr), vao(0), vbo{0, 0}, offset(83) {}
StatusScreen::~StatusScreen() {}
void displayDialog(Event*, World*) {}

// rendering
PlayerRenderer::PlayerRenderer(Player* p) : player(p), screen(nullptr), vao(0), vbo{0, 0, 0} {}
PlayerRenderer::~PlayerRenderer() {}
// render (frame composition) calls these; the HUD helper owns them.
void PlayerRenderer::renderRemoval() {}
void PlayerRenderer::renderHUD() {}
void PlayerRenderer::renderEditorHUD() {}

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
std::string StatusScreen::getText(std::string n) {
    for (SNumBox& b : boxes)
        if (b.name == n) return b.text;
    return "0";
}
