#include "render/PlayerRenderer.h"

#include "flow/Input.h"
#include "flow/Player.h"
#include "machines/ActiveBlock.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <SDL2/SDL_video.h>

PlayerRenderer::PlayerRenderer(Player* p) : player(p), screen(nullptr), vao(0), vbo{0, 0, 0} {
    if (SDL_GL_GetCurrentContext()) createGL();
}

PlayerRenderer::~PlayerRenderer() {
    if (vao) destroyGL();
}

std::string PlayerRenderer::getTemplateTex(int x) { return x == 0 ? "add" : "box2"; }

std::string PlayerRenderer::modeToIcon(int m) {
    switch (m) {
    case 0: return "matter";
    case 1: return "gens";
    case 2: return "caps";
    case 3: return "relay";
    case 4: return "sensor";
    default: return "add";
    }
}

bool PlayerRenderer::closeVanishedPanel() {
    if (!screen || screen->source == vec3(0, 0, 0)) return false;
    World* w = player->world;
    for (ActiveBlock* a : w->actives)
        if (a->pos == screen->source) return false;
    delete screen;
    screen = nullptr;
    hideCursorForLook(w->screen);
    return true;
}
