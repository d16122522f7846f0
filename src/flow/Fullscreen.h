#pragma once
// F11 switches the window between a window and desktop fullscreen, wherever
// the player is (menus, play, the editor, a conversation), and the choice is
// kept in settings.ini for the next start.
#include <SDL2/SDL_events.h>

// True when e is an F11 press (the caller then ignores it); the switch happens
// when the event belongs to a window.
bool fullscreenKey(const SDL_Event& e);

// Switches the window and stores the choice as FULLSCREEN.
void toggleFullscreen(SDL_Window* window);
