#pragma once
// Which key does what in play and in the editor. Each action has a setting
// (KEY_FORWARD=w, ...) with today's key as its default; no two actions share
// a key.
#include "shell/GameOptions.h"

#include <SDL2/SDL_keycode.h>

#include <string>

enum KeyAction {
    KEY_ACTION_FORWARD,
    KEY_ACTION_BACK,
    KEY_ACTION_LEFT,
    KEY_ACTION_RIGHT,
    KEY_ACTION_LIFT,
    KEY_ACTION_RUN,
    KEY_ACTION_TOOL_MENU,
    KEY_ACTION_FORGET_TEMPLATE,
    KEY_ACTION_TOOL_1,  // then 2 to 5, in order
    KEY_ACTION_TOOL_5 = KEY_ACTION_TOOL_1 + 4,
    KEY_ACTION_PAUSE,
    KEY_ACTION_SAVE_MAP,
    KEY_ACTION_VASK_STRENGTH,
    KEY_ACTION_DIALOG_EDITOR,
    KEY_ACTION_COUNT
};

struct KeyActionInfo {
    const char* setting;  // the settings.ini key
    const char* caption;  // what the Controls screen calls it
    SDL_Keycode key;      // the default
};
const KeyActionInfo& keyActionInfo(int action);
// Actions the editor has on top of movement, the tool menu and pause.
inline bool isEditorAction(int action) { return action >= KEY_ACTION_SAVE_MAP; }

class KeyBindings {
public:
    SDL_Keycode keys[KEY_ACTION_COUNT];

    // Today's keys.
    KeyBindings();
    // Each action's setting read with getKey; a name that is no key keeps the
    // default, and a key named twice goes to the later action (the earlier
    // one swaps, as on the Controls screen).
    static KeyBindings fromOptions(GameOptions& options);

    // The action bound to k, or -1.
    int actionFor(SDL_Keycode k) const;
    bool is(SDL_Keycode k, KeyAction a) const { return keys[a] == k; }
    // Binds k to the action; the action that had k takes the action's old key.
    void bind(int action, SDL_Keycode k);
};

// Replaces each KEY_ setting whose value names no key by its default's name,
// with one message for each; run once at start-up, so every later read is
// quiet and a later save mends the file.
void repairKeySettings(GameOptions& options);
