#include "flow/KeyBindings.h"

#include <cstdio>

namespace {

const KeyActionInfo ACTIONS[KEY_ACTION_COUNT] = {
    {"KEY_FORWARD", "Walk forward", SDLK_w},
    {"KEY_BACK", "Walk back", SDLK_s},
    {"KEY_LEFT", "Step left", SDLK_a},
    {"KEY_RIGHT", "Step right", SDLK_d},
    {"KEY_LIFT", "Lift", SDLK_SPACE},
    {"KEY_RUN", "Run", SDLK_LSHIFT},
    {"KEY_TOOL_MENU", "Tool options", SDLK_e},
    {"KEY_FORGET_TEMPLATE", "Forget template", SDLK_t},
    {"KEY_TOOL_1", "Tool 1 remove", SDLK_1},
    {"KEY_TOOL_2", "Tool 2 activate", SDLK_2},
    {"KEY_TOOL_3", "Tool 3 place", SDLK_3},
    {"KEY_TOOL_4", "Tool 4 template", SDLK_4},
    {"KEY_TOOL_5", "Option 5", SDLK_5},
    {"KEY_PAUSE", "Pause", SDLK_ESCAPE},
    {"KEY_SAVE_MAP", "Save map", SDLK_g},
    {"KEY_VASK_STRENGTH", "Vask strength", SDLK_v},
    {"KEY_DIALOG_EDITOR", "Dialog editor", SDLK_b},
};

// A name stringToKey knows: it gives F15 only for "f15" itself.
bool namesAKey(const std::string& name) { return GameOptions::stringToKey(name) != SDLK_F15 || name == "f15"; }

}  // namespace

const KeyActionInfo& keyActionInfo(int action) { return ACTIONS[action]; }

KeyBindings::KeyBindings() {
    for (int a = 0; a < KEY_ACTION_COUNT; a++) keys[a] = ACTIONS[a].key;
}

KeyBindings KeyBindings::fromOptions(GameOptions& options) {
    KeyBindings b;
    for (int a = 0; a < KEY_ACTION_COUNT; a++) {
        std::string name = options.getString(ACTIONS[a].setting, "");
        if (!name.empty() && namesAKey(name)) b.bind(a, options.getKey(ACTIONS[a].setting, ACTIONS[a].key));
    }
    return b;
}

int KeyBindings::actionFor(SDL_Keycode k) const {
    for (int a = 0; a < KEY_ACTION_COUNT; a++)
        if (keys[a] == k) return a;
    return -1;
}

void KeyBindings::bind(int action, SDL_Keycode k) {
    int holder = actionFor(k);
    if (holder >= 0 && holder != action) keys[holder] = keys[action];
    keys[action] = k;
}

void repairKeySettings(GameOptions& options) {
    for (const KeyActionInfo& info : ACTIONS) {
        auto it = options.properties.find(info.setting);
        if (it == options.properties.end() || namesAKey(it->second)) continue;
        std::string fallback = GameOptions::keyToString(info.key);
        printf("settings.ini: %s=%s is not a key name; using %s\n", info.setting, it->second.c_str(),
               fallback.c_str());
        it->second = fallback;
    }
}
