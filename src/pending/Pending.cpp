// Temporary definitions that let the core link while the subsystems that own
// them are being written. Each owner deletes its entries here as it lands the
// real code; this file must be gone before the game is called done.
#include "machines/AutoTurret.h"
#include "machines/EntityPacket.h"
#include "machines/Generator.h"
#include "machines/Mortor.h"
#include "machines/Shield.h"
#include "machines/Turret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/StatusScreen.h"
#include "render/BlockRenderer.h"
#include "render/EntityRenderer.h"
#include "render/PlayerRenderer.h"
#include "render/SectorRenderer.h"
#include "world/World.h"

#include <map>
#include <string>

// machines
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

// machines helper: the weapons until their own code lands. The constructors keep
// what activation and template capture rely on (range, head, pattern, the
// barrel or dome turned into hidden blocks).
namespace {
void hideParts(World* w, const std::list<vec3>& cells) {
    for (const vec3& c : cells) w->setBlockAndUpdate(int(c.x), int(c.y), int(c.z), 6, 10);
}
}  // namespace
Turret::Turret(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s, std::list<std::pair<vec3, int>>& t, int head)
    : Netable(w, float(cmp.sensors + 5), head), hp(0), dmg(0), rate(1), ammo(0), capacity(0), energy(0), dir(0),
      yaw(0), pit(0), top(t), Tvao(0), Tvbo{0, 0, 0} {
    blocks = s;
    std::list<vec3> cells;
    for (auto& b : top) cells.push_back(b.first);
    hideParts(w, cells);
}
Turret::~Turret() {}
void Turret::setPos(vec3 p) { Netable::setPos(p); }
void Turret::update(long long t) { Netable::update(t); }
void Turret::takeCargo(resourceStruct) {}
bool Turret::handleRequest(resourceStruct, Netable*) { return false; }
void Turret::onClick() {}
void Turret::render(unsigned int) {}
Mortor::Mortor(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s, std::list<vec3>& t, float ss)
    : Netable(w, float(cmp.sensors * 3 + 10), 9), hp(0), dmg(0), rate(1), ammo(0), capacity(0), energy(0), dir(0),
      size(ss), yaw(0), top(t), Tvao(0), Tvbo{0, 0, 0} {
    blocks = s;
    hideParts(w, top);
}
Mortor::~Mortor() {}
void Mortor::setPos(vec3 p) { Netable::setPos(p); }
void Mortor::update(long long t) { Netable::update(t); }
void Mortor::takeCargo(resourceStruct) {}
bool Mortor::handleRequest(resourceStruct, Netable*) { return false; }
void Mortor::onClick() {}
void Mortor::render(unsigned int) {}
Shield::Shield(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s)
    : Netable(w, float(cmp.sensors + 5), 9), hp(0), dmg(0), rate(30), ammo(0), size(0), capacity(0), energy(0),
      strength(0), maxStrength(0) {
    blocks = s;
}
void Shield::update(long long t) { Netable::update(t); }
void Shield::takeCargo(resourceStruct) {}
bool Shield::handleRequest(resourceStruct, Netable*) { return false; }
void Shield::onClick() {}
void Shield::render(unsigned int) {}
// machines helper: what the machines' drawing uses until rendering lands.
void BlockRenderer::renderTemplateIcon(Template&, vec3) {}
void BlockRenderer::renderEntityBlock(std::string, vec3, unsigned int) {}
std::map<std::string, unsigned int> shaders;
unsigned int getTexture(std::string) { return 0; }
