#pragma once
// worldgen helper: play-input pieces the map editor shares with play, declared
// here until the flow helper's flow/Input.h is on main (definitions in Pending.cpp).
#include <SDL2/SDL_keycode.h>

class Player;

int statusInput(int& result, Player& p);
bool movementKeyDown(SDL_Keycode k, Player& p);
bool movementKeyUp(SDL_Keycode k, Player& p);
void mouseLook(int x, int y, Player& p);
void toggleToolMenu(Player& p);
