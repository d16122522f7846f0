#pragma once
// Waiting for the display's refresh before showing a picture. With VSYNC on,
// plain vsync is asked for first, then adaptive vsync (which lets a late
// picture through at once), and when the driver refuses both, none.
#include <functional>
#include <string>

// `setInterval` is SDL_GL_SetSwapInterval or a test's stand-in (0 = accepted).
// Returns the line to print, saying what the game got.
std::string applyVsync(bool wanted, const std::function<int(int)>& setInterval);
