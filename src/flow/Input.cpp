#include "flow/Input.h"

#include "flow/Fullscreen.h"
#include "flow/Player.h"
#include "machines/Activate.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "machines/TemplateBlock.h"
#include "panels/Dialog.h"
#include "panels/Notice.h"
#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"
#include "sound/Sound.h"
#include "world/World.h"
#include "world/BlockLookup.h"

bool movementKeyDown(SDL_Keycode k, Player& p) {
    const KeyBindings& keys = p.keys;
    if (keys.is(k, KEY_ACTION_FORWARD)) p.iVel.z = -0.05f;
    else if (keys.is(k, KEY_ACTION_BACK)) p.iVel.z = 0.05f;
    else if (keys.is(k, KEY_ACTION_LEFT)) p.iVel.x = -0.05f;
    else if (keys.is(k, KEY_ACTION_RIGHT)) p.iVel.x = 0.05f;
    else if (keys.is(k, KEY_ACTION_LIFT)) p.iVel.y = 0.04f;
    else if (keys.is(k, KEY_ACTION_RUN)) p.run = true;
    else return false;
    return true;
}

bool movementKeyUp(SDL_Keycode k, Player& p) {
    const KeyBindings& keys = p.keys;
    if (keys.is(k, KEY_ACTION_FORWARD) || keys.is(k, KEY_ACTION_BACK)) p.iVel.z = 0;
    else if (keys.is(k, KEY_ACTION_LEFT) || keys.is(k, KEY_ACTION_RIGHT)) p.iVel.x = 0;
    else if (keys.is(k, KEY_ACTION_LIFT)) p.iVel.y = 0;
    else if (keys.is(k, KEY_ACTION_RUN)) p.run = false;
    else return false;
    return true;
}

void releaseUnheldMovementKeys(Player& p) {
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    auto held = [&](KeyAction a) {
        SDL_Scancode sc = SDL_GetScancodeFromKey(p.keys.keys[a]);
        return keys && sc > 0 && sc < count && keys[sc];
    };
    // Each axis has two keys; it stops only when neither is held.
    if (!held(KEY_ACTION_FORWARD) && !held(KEY_ACTION_BACK)) p.iVel.z = 0;
    if (!held(KEY_ACTION_LEFT) && !held(KEY_ACTION_RIGHT)) p.iVel.x = 0;
    if (!held(KEY_ACTION_LIFT)) p.iVel.y = 0;
    if (!held(KEY_ACTION_RUN)) p.run = false;
}

void mouseLook(int dx, int dy, Player& p) {
    float sensitivity = gameOptions.getFloat("SENSITIVITY", 0.03f);
    if (gameOptions.getBool("INVERT", false)) dy = -dy;
    p.pit += sensitivity * float(dy);
    p.yaw += sensitivity * float(dx);
    if (p.pit < -90) p.pit = -90;
    if (p.pit > 90) p.pit = 90;
    if (p.yaw < -180) p.yaw += 360;
    if (p.yaw > 180) p.yaw -= 360;
}

void hideCursorForLook(SDL_Window* win) {
    if (!win) return;
    // Relative mode reports every movement however far the mouse goes and
    // keeps the pointer in the window; warping it back to the centre does not
    // work on every display server.
    SDL_SetRelativeMouseMode(SDL_TRUE);
    SDL_ShowCursor(SDL_DISABLE);
}

void freeCursor(SDL_Window* win) {
    if (!win) return;
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_ShowCursor(SDL_ENABLE);
}

int wheelSteps(const SDL_MouseWheelEvent& w) { return w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y; }

void toggleToolMenu(Player& p) { p.menu = p.menu == -1 ? p.mode : -1; }

static void numberKey(int n, Player& p) {
    int choices = int(p.templates.size()) + 1;
    switch (p.menu) {
    case -1:
        if (n <= 4) p.mode = n - 1;
        break;
    case 0:
        if (n <= 2) p.remMode = n - 1;
        break;
    case 1:
        if (n <= 2) p.actMode = n - 1;
        break;
    case 2: p.blockMode = n - 1; break;
    case 3: p.tempMode = (n - 1) % choices; break;
    }
}

static void wheel(int y, Player& p) {
    switch (p.menu) {
    // The main tool turns the opposite way to the sub-options.
    case -1: p.mode = wrapMod(p.mode - y, 4); break;
    case 0: p.remMode = wrapMod(p.remMode + y, 2); break;
    case 1: p.actMode = wrapMod(p.actMode + y, 2); break;
    case 2: p.blockMode = wrapMod(p.blockMode + y, 5); break;
    case 3: p.tempMode = wrapMod(p.tempMode + y, int(p.templates.size()) + 1); break;
    }
}

static bool isShipCell(World* w, vec3 c) {
    for (ActiveBlock* a : w->actives)
        if (a->getType() == TYPE_SHIP && a->pos == c) return true;
    return false;
}

// A construction site builds its plan around its own cell; like a placed
// block, neither may stand where the player is.
static bool wouldEnclose(World* w, vec3 site, const Template& plan) {
    if (w->insidePlayer(site)) return true;
    for (const auto& e : plan.data)
        if (e.second >= 9 && w->insidePlayer(site + e.first)) return true;
    return false;
}

void useTool(Player& p) {
    World* w = p.world;
    vec3 sel = p.selected;
    // Looking at nothing selects (0,0,0); no tool acts on that.
    if (sel == vec3(0, 0, 0)) return;
    int x = int(sel.x), y = int(sel.y), z = int(sel.z);
    Block b = w->getBlock(sel);
    const BlockAttrib& attr = blockAttrib(b.type);
    vec3 target = sel + p.selFace;

    // Mining or breaking the ship's own cell would end the game on the spot.
    if (p.mode == 0 && isShipCell(w, sel)) {
        p.tell("Your ship stands here: it cannot be removed");
        return;
    }
    if (p.mode == 0 && p.remMode == 0) {
        if (!attr.minable) return;
        p.remBlock = sel;
        p.remStatus = 30;
        soundManager.play("RM2", 0.7f);
    } else if (p.mode == 0 && p.remMode == 1) {
        if (!attr.machine) return;
        w->setBlockAndUpdate(x, y, z, 8, 0);
        soundManager.play("place1", 1.0f);
    } else if (p.mode == 1 && p.actMode == 0) {
        activate(sel, w);
    } else if (p.mode == 1 && p.actMode == 1) {
        deactivate(sel, w);
    } else if (p.mode == 2) {
        Ship* ship = getShip(w);
        if (!ship || p.blockMode < 0 || p.blockMode > 4) return;
        resourceStruct& store = getShipStore(ship);
        if (store.data[p.blockMode] <= 0 || !w->canPlayerPlace(target)) return;
        w->setBlockAndUpdate(int(target.x), int(target.y), int(target.z), 9 + p.blockMode,
                             ship->levels.data[p.blockMode]);
        store.data[p.blockMode] -= 1;
        soundManager.play("place3", 1.0f);
    } else if (p.mode == 3 && p.tempMode == 0) {
        if (attr.machine) p.templates.push_back(Template(w, sel));
    } else if (p.mode == 3 && p.tempMode >= 1 && p.tempMode <= int(p.templates.size())) {
        Template copy = p.templates[size_t(p.tempMode - 1)];
        if (wouldEnclose(w, target, copy)) {
            p.tell("Too close: that machine would be built around you");
            return;
        }
        w->setActiveBlockAndUpdate(int(target.x), int(target.y), int(target.z), new TemplateBlock(w, copy));
    }
}

static void gameKeyDown(SDL_Keycode k, Player& p) {
    int action = p.keys.actionFor(k);
    if (action == KEY_ACTION_TOOL_MENU) {
        toggleToolMenu(p);
    } else if (action == KEY_ACTION_FORGET_TEMPLATE) {
        if (p.tempMode == 0 && !p.templates.empty()) p.templates.pop_back();
    } else if (action >= KEY_ACTION_TOOL_1 && action <= KEY_ACTION_TOOL_5) {
        numberKey(action - KEY_ACTION_TOOL_1 + 1, p);
    }
}

void handleFirstPersonEvent(const SDL_Event& e, Player& p, int& result, const FirstPersonTools& tools) {
    if (fullscreenKey(e)) return;
    if (notice.takes(e)) return;
    switch (e.type) {
    case SDL_QUIT: result = 2; break;
    case SDL_KEYDOWN: {
        // Held keys repeat; a repeat must not toggle a menu or eat templates.
        SDL_Keycode k = e.key.keysym.sym;
        if (e.key.repeat || movementKeyDown(k, p)) break;
        // Escape always reaches the pause menu, whatever the pause key is.
        bool pause = k == SDLK_ESCAPE || p.keys.is(k, KEY_ACTION_PAUSE);
        if (k == SDLK_F3) p.world->showRate = !p.world->showRate;
        else if (!pause) tools.keyDown(k, p);
        else if (getStatusScreen(p.world)) setStatusScreen(p.world, nullptr);
        else result = -1;
        break;
    }
    case SDL_KEYUP: movementKeyUp(e.key.keysym.sym, p); break;
    case SDL_MOUSEMOTION: mouseLook(e.motion.xrel, e.motion.yrel, p); break;
    case SDL_MOUSEWHEEL: tools.wheel(wheelSteps(e.wheel), p); break;
    case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT)
            p.world->onClick(int(p.selected.x), int(p.selected.y), int(p.selected.z));
        else if (e.button.button == SDL_BUTTON_RIGHT)
            tools.useTool(p);
        break;
    default: break;
    }
}

int gameInput(int& result, Player& p) {
    if (getStatusScreen(p.world)) return statusInput(result, p);
    static const FirstPersonTools play{gameKeyDown, wheel, useTool};
    SDL_Event e;
    while (SDL_PollEvent(&e)) handleFirstPersonEvent(e, p, result, play);
    return 0;
}

int statusInput(int& result, Player& p) {
    World* w = p.world;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_QUIT) {
            result = 2;
            continue;
        }
        if (fullscreenKey(e)) continue;
        // A key let go while a panel is up must still stop the walk it started,
        // or the player keeps walking once the panel closes.
        if (e.type == SDL_KEYUP) {
            movementKeyUp(e.key.keysym.sym, p);
            continue;
        }
        if (notice.takes(e)) continue;
        StatusScreen* s = getStatusScreen(w);
        // Closed by an earlier event of this batch: the rest was meant for it.
        if (!s) continue;
        if (e.type == SDL_KEYDOWN) {
            s->keyInput(e);
            SDL_Keycode k = e.key.keysym.sym;
            if (k == SDLK_ESCAPE || (p.keys.is(k, KEY_ACTION_TOOL_MENU) && !w->editorMode)) setStatusScreen(w, nullptr);
        } else if (e.type == SDL_MOUSEBUTTONDOWN) {
            s->input(e);
        } else if (e.type == SDL_MOUSEWHEEL) {
            // Long panels (an event list, a machine's many values) scroll as menus do.
            s->setOffset(-5 * wheelSteps(e.wheel));
        }
    }
    return 0;
}

int dialogInput(int& result, Dialog* d) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (fullscreenKey(e)) continue;
        if (e.type == SDL_QUIT) {
            result = 1;
        } else if ((e.type == SDL_KEYDOWN && !e.key.repeat) || e.type == SDL_MOUSEBUTTONDOWN) {
            // A held key must not race through the conversation.
            d->keyInput(e);
            if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE) result = 1;
        }
    }
    return 0;
}

int menuInput(int& result, StatusScreen* s) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (fullscreenKey(e)) continue;
        if (notice.takes(e)) continue;
        switch (e.type) {
        case SDL_QUIT: result = 2; break;
        case SDL_KEYDOWN:
            if (e.key.keysym.sym == SDLK_ESCAPE && result != 2) result = 1;
            s->keyInput(e);
            break;
        case SDL_MOUSEBUTTONDOWN: s->input(e); break;
        case SDL_MOUSEWHEEL: s->setOffset(-5 * wheelSteps(e.wheel)); break;
        default: break;
        }
    }
    return 0;
}
