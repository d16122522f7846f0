#include "flow/Editor.h"

#include "flow/Input.h"
#include "flow/Player.h"
#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/DialogMenu.h"
#include "panels/StatusScreen.h"
#include "sound/Sound.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <SDL2/SDL_events.h>

void openSavePanel(World* w) {
    StatusScreen* s = new StatusScreen("Save", vec3(0, 0, 0));
    s->addBox(SNumBox("Save as", "test", true));
    s->addButton(SButton("Save", EDITOR_BUTTON_TEX, &w->saveButton, 2, 0));
    // "Save" keeps a draft to work on; "Publish" makes it a map Demo Maps plays.
    s->addButton(SButton("Publish", EDITOR_BUTTON_TEX, &w->publishButton, 2, 0));
    setStatusScreen(w, s);
}

namespace {

void openStrengthPanel(World* w, int placeData) {
    StatusScreen* s = new StatusScreen("Meta?", vec3(0, 0, 0));
    s->addBox(SNumBox("Vask Strength", std::to_string(placeData), false));
    s->addButton(SButton("Set", EDITOR_BUTTON_TEX, &w->strengthButton, 2, 0));
    setStatusScreen(w, s);
}

void keyDown(SDL_Keycode k, Player& p) {
    World* w = p.world;
    switch (p.keys.actionFor(k)) {
    case KEY_ACTION_TOOL_MENU:
        toggleToolMenu(p);
        // The fill tool has no sub-menu: E drops its first corner instead.
        if (p.menu == 3) {
            p.menu = -1;
            p.mass1 = vec3(0, 0, 0);
        }
        break;
    case KEY_ACTION_SAVE_MAP: openSavePanel(w); break;
    case KEY_ACTION_VASK_STRENGTH: openStrengthPanel(w, p.placeData); break;
    case KEY_ACTION_DIALOG_EDITOR: DialogMenu(p); break;
    default: break;
    }
}

void wheel(int y, Player& p) {
    switch (p.menu) {
    case -1: p.mode = wrapMod(p.mode - y, 4); break;
    case 0: p.remMode = wrapMod(p.remMode + y, 2); break;
    case 1: p.actMode = wrapMod(p.actMode + y, 3); break;
    case 2: p.blockMode = wrapMod(p.blockMode + y, BLOCK_TYPE_COUNT); break;
    default: break;
    }
}

ActiveBlock* newActor(World* w, int actMode) {
    switch (actMode) {
    case 0: return new Ship(w);
    case 1: return new VaskMind(w, 0, 10, 50, 1);
    default: return new AutoTurret(w);
    }
}

void applyEditorTool(Player& p) {
    World* w = p.world;
    // (0,0,0) means the ray hit nothing: no tool acts on empty sky.
    if (p.selected == vec3(0, 0, 0)) return;
    int x = int(p.selected.x), y = int(p.selected.y), z = int(p.selected.z);
    vec3 target = p.selected + p.selFace;
    int tx = int(target.x), ty = int(target.y), tz = int(target.z);

    if (p.mode == 0 && p.remMode == 0) {
        w->setBlockAndUpdate(x, y, z, 0, 0);
        w->removeActiveBlock(x, y, z);
        soundManager.play("RM2", 1.0f);
    } else if (p.mode == 0) {
        if (!blockAttrib(w->getBlock(p.selected).type).machine) return;
        w->setBlockAndUpdate(x, y, z, 8, 0);
        w->removeActiveBlock(x, y, z);
        soundManager.play("place1", 1.0f);
    } else if (p.mode == 1) {
        if (!w->inWorld(tx, ty, tz)) return;
        ActiveBlock* a = newActor(w, p.actMode);
        w->setActiveBlockAndUpdate(tx, ty, tz, a);
        if (a->getType() == TYPE_SHIP && !w->theShip) w->theShip = static_cast<Ship*>(a);
    } else if (p.mode == 2) {
        if (!w->inWorld(tx, ty, tz)) return;
        w->setBlockAndUpdate(tx, ty, tz, p.blockMode, p.placeData);
        soundManager.play("place3", 1.0f);
    } else if (p.mode == 3) {
        if (p.mass1 == vec3(0, 0, 0)) {
            p.mass1 = target;
        } else {
            p.mass2 = target;
            w->massPlace();
            soundManager.play("place3", 1.0f);
        }
    }
}

// Vask placed next to an objective block loses a game; in the editor it must
// not end the session and throw away unsaved work.
void useEditorTool(Player& p) {
    int before = p.world->result;
    applyEditorTool(p);
    p.world->result = before;
}

}  // namespace

int editorInput(int& result, Player& p) {
    World* w = p.world;
    if (getStatusScreen(w)) return statusInput(result, p);
    static const FirstPersonTools editing{keyDown, wheel, useEditorTool};
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        handleFirstPersonEvent(e, p, result, editing);
        // A panel opened by this event takes the rest of the batch (typed text
        // must not walk the player).
        if (getStatusScreen(w)) return statusInput(result, p);
    }
    return 0;
}
