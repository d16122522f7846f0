// Temporary definitions that let the core link while the subsystems that own
// them are being written. Each owner deletes its entries here as it lands the
// real code; this file must be gone before the game is called done.
#include "panels/StatusScreen.h"
#include "render/BlockRenderer.h"
#include "render/EntityRenderer.h"
#include "render/PlayerRenderer.h"
#include "render/SectorRenderer.h"
#include "world/World.h"

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
std::string StatusScreen::getText(std::string n) {
    for (SNumBox& b : boxes)
        if (b.name == n) return b.text;
    return "0";
}
