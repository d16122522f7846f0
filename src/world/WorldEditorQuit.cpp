// Leaving the map editor: work that was never saved is not thrown away
// without the player's word.
#include "flow/Editor.h"
#include "flow/Input.h"
#include "panels/DialogMenu.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

#include <SDL2/SDL_timer.h>

bool World::confirmEditorQuit(long long count) {
    if (!hasUnsavedChanges()) return true;
    int save = 0, discard = 0, cancel = 0, closed = 0;
    StatusScreen* s = new StatusScreen("Unsaved changes", vec3(0, 0, 0));
    s->addButton(SButton("Save first", EDITOR_BUTTON_TEX, &save, 2, 0));
    s->addButton(SButton("Discard", EDITOR_BUTTON_TEX, &discard, 2, 0));
    s->addButton(SButton("Keep editing", EDITOR_BUTTON_TEX, &cancel, 2, 0));
    setStatusScreen(this, s);
    while (!save && !discard && !cancel && !closed) {
        gameInput(closed, player);
        if (screen) render(count);
        // Escape closed the question: the player stays.
        if (!getStatusScreen(this)) return false;
        SDL_Delay(50);
    }
    // The panel's buttons point at this frame's toggles.
    setStatusScreen(this, nullptr);
    if (save) openSavePanel(this);
    // Closing the window while asked means leaving.
    return discard || closed;
}
