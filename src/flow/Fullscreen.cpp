#include "flow/Fullscreen.h"

#include "panels/Notice.h"
#include "shell/SettingsFile.h"

#include <SDL2/SDL_video.h>

#include <string>

bool fullscreenKey(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN || e.key.keysym.sym != SDLK_F11) return false;
    if (!e.key.repeat) toggleFullscreen(SDL_GetWindowFromID(e.key.windowID));
    return true;
}

void toggleFullscreen(SDL_Window* window) {
    if (!window) return;
    bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
    if (SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        showNotice(std::string("Could not switch fullscreen: ") + SDL_GetError());
        return;
    }
    // A failed write shows on the message line.
    storeSettings({{"FULLSCREEN", full ? "false" : "true"}});
}
