#pragma once
// The Controls screen: every action with its key. Click an action, press a
// key, and it is bound; a key another action had goes to that action in
// exchange. Leaving saves the keys.
#include "flow/KeyBindings.h"
#include "panels/StatusScreen.h"

#include <vector>

class ControlsMenu {
public:
    // Play keys on the first page, the editor's own on the second.
    StatusScreen play, editor;
    KeyBindings keys;
    int back, editorPage;
    StatusScreen* shown;

    ControlsMenu();
    // Starts from the keys in the settings, on the first page.
    void open();
    // Handles every pending event: 0 while the screen stays, 1 when the player
    // left it (the keys are saved), 2 when the window was closed.
    int input();
    // One event; the same results as input().
    int handle(const SDL_Event& e);
    // Writes the keys into the settings and settings.ini.
    bool save();

private:
    std::vector<int> playActions, editorActions;
    void refresh();
    // The action of the box waiting for a key, or -1.
    int waitingAction() const;
    void stopWaiting();
    int afterButtons();
};
