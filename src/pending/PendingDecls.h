#pragma once
// Declarations of functions other subsystems own, used by the game flow before
// their headers land. Each block goes away when its owner's header is merged;
// the temporary definitions live in Pending.cpp.
#include <SDL2/SDL_video.h>
#include <glm/glm.hpp>

#include <map>
#include <string>

// --- terrain generation ---
struct skirmishSettings {
    int enemies, height, smoothness, trees, bed;
};
extern skirmishSettings makeSettings;
