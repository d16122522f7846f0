#pragma once
// A failure that keeps the game from starting, told in its own window.
#include <SDL2/SDL_video.h>

#include <string>

// Shows `message` in the window until the player closes it, presses a key or
// clicks. It draws with the fixed-function pipeline, because what failed may be
// the shader programs; without the character sheet to write with, the system's
// message box says it instead.
void showFailureScreen(SDL_Window* window, const std::string& message);
