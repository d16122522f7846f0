#pragma once
// The input dispatchers: each drains every pending SDL event and reports through
// the caller's state word (2 window closed, -1 pause request, 1 leave). F11
// switches fullscreen in all of them.
#include <SDL2/SDL_events.h>

class Player;
class Dialog;
class StatusScreen;

int gameInput(int& result, Player& p);
int statusInput(int& result, Player& p);
int dialogInput(int& result, Dialog* d);
// Menus: Escape gives 1, closing the window 2.
int menuInput(int& result, StatusScreen* s);
// The map editor's dispatcher (the editor's own code).
int editorInput(int& result, Player& p);

// Pieces of play input the editor shares.
// W/A/S/D/Space/Left Shift pressed or released; true when the key was one of them.
bool movementKeyDown(SDL_Keycode k, Player& p);
bool movementKeyUp(SDL_Keycode k, Player& p);
// After a stretch in which key releases could not reach the player (a
// conversation): every movement key not held down now is let go.
void releaseUnheldMovementKeys(Player& p);
// Mouse look from the pointer's movement in pixels.
void mouseLook(int dx, int dy, Player& p);
// Captures the pointer for mouse look (hidden, reporting movement only); and
// frees it again for menus and panels. Nothing happens without a window.
void hideCursorForLook(SDL_Window* win);
void freeCursor(SDL_Window* win);
// The wheel's turn as an unflipped wheel reports it (positive away from the
// player), whichever way the system has it flipped.
int wheelSteps(const SDL_MouseWheelEvent& w);
// E: open the sub-menu of the current tool, or close the open one.
void toggleToolMenu(Player& p);
// The right-click action of the play tools.
void useTool(Player& p);

// What a first-person mode (play or the editor) does with its own keys, the
// wheel and the right button.
struct FirstPersonTools {
    void (*keyDown)(SDL_Keycode k, Player& p);
    void (*wheel)(int y, Player& p);
    void (*useTool)(Player& p);
};
// One event of a first-person mode: closing the window, walking, looking,
// Escape (closes the open panel, else asks for the pause) and the left click on
// what is selected work alike in both modes.
void handleFirstPersonEvent(const SDL_Event& e, Player& p, int& result, const FirstPersonTools& tools);

// Remainder that stays in [0, n) for any sign of a.
inline int wrapMod(int a, int n) { return ((a % n) + n) % n; }
