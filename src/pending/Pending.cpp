// Temporary definitions that let the core link while the subsystems that own
// them are being written. Each owner deletes its entries here as it lands the
// real code; this file must be gone before the game is called done.
#include "machines/AutoTurret.h"
#include "machines/EntityPacket.h"
#include "machines/Generator.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/StatusScreen.h"
#include "render/BlockRenderer.h"
#include "render/EntityRenderer.h"
#include "render/PlayerRenderer.h"
#include "render/SectorRenderer.h"
#include "world/World.h"

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
void VaskMind::update(long long) {}
void VaskMind::editorUpdate() {}
void VaskMind::onClick() {}
AutoTurret::~AutoTurret() {}
void AutoTurret::setPos(vec3 p) { pos = p; }
void AutoTurret::update(long long) {}
void AutoTurret::editorUpdate() {}
void AutoTurret::onClick() {}
void AutoTurret::render(unsigned int) {}

// panels
StatusScreen::StatusScreen(std::string n, vec3 s) : name(n), source(s), selected(nullptr), vao(0), vbo{0, 0}, offset(83) {}
StatusScreen::~StatusScreen() {}
void displayDialog(Event*, World*) {}

// rendering
SectorRenderer::SectorRenderer(World* w) : needUpdate(false), world(w), posX(0), posZ(0) {}
SectorRenderer::~SectorRenderer() {}
void SectorRenderer::update() {}
void SectorRenderer::clearStaging() {}
BlockRenderer::BlockRenderer() : vao(0), vbo{0, 0} {}
BlockRenderer::~BlockRenderer() {}
EntityRenderer::EntityRenderer() : vao(0), vbo{0, 0, 0}, sides{0, 0, 0, 0, 0, 0} {}
EntityRenderer::~EntityRenderer() {}
PlayerRenderer::PlayerRenderer(Player* p) : player(p), screen(nullptr), vao(0), vbo{0, 0, 0} {}
PlayerRenderer::~PlayerRenderer() {}
void World::createGraphics() {}
void World::destroyGraphics() {}
void World::renderSector(int, int, SectorRenderer&) {}
void World::rebuildSector(SectorRenderer& s) { s.needUpdate = false; }
void World::renderForSingle(unsigned int) {}

// worldgen helper: the campaign reaches the game manager, which the flow helper writes.
#include "flow/GameManager.h"
GameManager* mainGame = nullptr;
unsigned int GameManager::mission(std::string, bool, bool, float) { return 0; }
void GameManager::refresh() {}
// worldgen helper: play input and panel text the editor uses (flow helper's).
#include "pending/PendingWorldgen.h"
#include <SDL2/SDL_events.h>
int statusInput(int& result, Player& p) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_QUIT) result = 2;
        if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE) setStatusScreen(p.world, nullptr);
    }
    return 0;
}
bool movementKeyDown(SDL_Keycode, Player&) { return false; }
bool movementKeyUp(SDL_Keycode, Player&) { return false; }
void mouseLook(int, int, Player&) {}
void toggleToolMenu(Player& p) { p.menu = p.menu == -1 ? p.mode : -1; }
std::string StatusScreen::getText(std::string n) {
    for (SNumBox& b : boxes)
        if (b.name == n) return b.text;
    return "0";
}
void World::updatePlayer() { player.update(); }
