// Temporary definitions that let the core link while the subsystems that own
// them are being written. Each owner deletes its entries here as it lands the
// real code; this file must be gone before the game is called done.
#include "panels/StatusScreen.h"
#include "render/BlockRenderer.h"
#include "render/EntityRenderer.h"
#include "render/PlayerRenderer.h"
#include "render/SectorRenderer.h"
#include "world/World.h"

#include <map>
#include <string>

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

// weapons helper: stand-ins until the machines, panels and rendering work lands.
std::string StatusScreen::getText(std::string n) {
    for (SNumBox& b : boxes)
        if (b.name == n) return b.text;
    return "0";
}
std::map<std::string, unsigned int> shaders;
glm::mat4 projectionMat(1.0f);
unsigned int getTexture(std::string) { return 0; }
void BlockRenderer::renderField(vec3, vec3) {}
void BlockRenderer::renderEntityBlock(std::string, vec3, unsigned int) {}
// machines helper: the template icon until rendering lands.
void BlockRenderer::renderTemplateIcon(Template&, vec3) {}
