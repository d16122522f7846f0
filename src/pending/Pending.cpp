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
SectorRenderer::SectorRenderer(World* w) : needUpdate(false), world(w), posX(0), posZ(0) {}
SectorRenderer::~SectorRenderer() {}
void SectorRenderer::update() {}
void SectorRenderer::clearStaging() {}
BlockRenderer::BlockRenderer() : vao(0), vbo{0, 0} {}
BlockRenderer::~BlockRenderer() {}
EntityRenderer::EntityRenderer() : vao(0), vbo{0, 0, 0}, sides{0, 0, 0, 0, 0, 0} {}
EntityRenderer::~EntityRenderer() {}
void World::createGraphics() {}
void World::destroyGraphics() {}
void World::renderSector(int, int, SectorRenderer&) {}
void World::rebuildSector(SectorRenderer& s) { s.needUpdate = false; }
void World::renderForSingle(unsigned int) {}

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
void BlockRenderer::renderField(vec3, vec3) {}
void BlockRenderer::renderEntityBlock(std::string, vec3, unsigned int) {}

// flow helper: stand-ins for other helpers' work until it is merged
std::map<std::string, unsigned int> shaders;
glm::mat4 projectionMat(1.0f), orthoMat(1.0f);
void setupGL() {}
void setupUniforms() {}
void shutdownGL() {}
void setupVAO(float*, int, float*, int, unsigned int& vao, unsigned int (&vbo)[2]) { vao = 0; vbo[0] = vbo[1] = 0; }
void loadTextures() {}
void unloadTextures() {}
unsigned int getTexture(std::string) { return 0; }
void loadIcon(std::string, SDL_Window*) {}
TextRenderer::TextRenderer(std::string tex)
    : charSheet(0), charWidth(0.995f / 30), charHeight(0.995f / 19), charsPerLine(30), linesPerSheet(19),
      renderWidth(10 * charWidth), renderHeight(10 * charHeight), text(tex), vao(0), buff{0, 0} {}
void TextRenderer::setRenderSize(float w, float h) { renderWidth = w; renderHeight = h; }
void TextRenderer::renderString(std::string, float) {}
void TextRenderer::renderToBox(std::string, float, float) {}
void World::render(long long) {}
void World::renderForDialog() {}
void renderTemplateIcon(World*, Template&, vec3) {}
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
