#include "flow/ControlsMenu.h"

#include "flow/Fullscreen.h"
#include "flow/Input.h"
#include "panels/Notice.h"
#include "shell/SettingsFile.h"


namespace {
const std::map<int, std::string> BUTTON = {{0, "button"}, {1, "unbutton"}};
const char* WAITING = "press a key";
}  // namespace

ControlsMenu::ControlsMenu()
    : play("Controls", vec3(0)), editor("Editor Controls", vec3(0)), back(0), editorPage(0), shown(&play) {
    for (int a = 0; a < KEY_ACTION_COUNT; a++) {
        StatusScreen& page = isEditorAction(a) ? editor : play;
        page.addBox(SNumBox(keyActionInfo(a).caption, "", false));
        (isEditorAction(a) ? editorActions : playActions).push_back(a);
    }
    play.addButton(SButton("Editor Keys", BUTTON, &editorPage, 2, 0));
    play.addButton(SButton("Back", BUTTON, &back, 2, 0));
    editor.addButton(SButton("Back", BUTTON, &back, 2, 0));
    refresh();
}

void ControlsMenu::open() {
    keys = KeyBindings::fromOptions(gameOptions);
    play.selected = editor.selected = nullptr;
    shown = &play;
    refresh();
}

void ControlsMenu::refresh() {
    for (StatusScreen* page : {&play, &editor}) {
        const std::vector<int>& actions = page == &play ? playActions : editorActions;
        size_t i = 0;
        for (SNumBox& box : page->boxes) {
            box.text = GameOptions::keyToString(keys.keys[actions[i++]]);
            box.problem = &box == page->selected ? WAITING : "";
        }
    }
}

int ControlsMenu::waitingAction() const {
    if (!shown->selected) return -1;
    const std::vector<int>& actions = shown == &play ? playActions : editorActions;
    size_t i = 0;
    for (const SNumBox& box : shown->boxes) {
        if (&box == shown->selected) return actions[i];
        i++;
    }
    return -1;
}

void ControlsMenu::stopWaiting() {
    shown->selected = nullptr;
    refresh();
}

int ControlsMenu::input() {
    SDL_Event e;
    int result = 0;
    // Once the screen is left, the rest of the batch was meant for it.
    while (SDL_PollEvent(&e))
        if (!result) result = handle(e);
    return result;
}

int ControlsMenu::handle(const SDL_Event& e) {
    if (fullscreenKey(e) || notice.takes(e)) return 0;
    switch (e.type) {
    case SDL_QUIT: return 2;
    case SDL_KEYDOWN: {
        if (e.key.repeat) return 0;
        SDL_Keycode k = e.key.keysym.sym;
        int action = waitingAction();
        // Escape cancels a wait; otherwise it leaves, like "Back".
        if (action < 0) {
            if (k == SDLK_ESCAPE) back = 1;
        } else if (k == SDLK_ESCAPE) {
            stopWaiting();
        } else if (!GameOptions::keyToString(k).empty()) {
            // A key without a name could not be stored: the box keeps waiting.
            keys.bind(action, k);
            stopWaiting();
        }
        break;
    }
    case SDL_MOUSEBUTTONDOWN: {
        // A click elsewhere gives up the wait; one on a box starts a new one.
        shown->selected = nullptr;
        SDL_Event copy = e;
        shown->input(copy);
        refresh();
        break;
    }
    case SDL_MOUSEWHEEL: shown->setOffset(-5 * wheelSteps(e.wheel)); break;
    default: break;
    }
    return afterButtons();
}

int ControlsMenu::afterButtons() {
    if (editorPage) {
        editorPage = 0;
        shown->selected = nullptr;
        shown = &editor;
        refresh();
    }
    if (!back) return 0;
    back = 0;
    shown->selected = nullptr;
    refresh();
    if (shown == &editor) {
        shown = &play;
        return 0;
    }
    // A failed write is on the message line; the keys still apply until the game ends.
    save();
    return 1;
}

bool ControlsMenu::save() {
    SettingChanges changes;
    for (int a = 0; a < KEY_ACTION_COUNT; a++)
        changes.push_back({keyActionInfo(a).setting, GameOptions::keyToString(keys.keys[a])});
    return storeSettings(changes);
}
