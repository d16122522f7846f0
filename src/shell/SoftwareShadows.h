#pragma once
// Software OpenGL draws the sun's shadow map on the processor, which roughly
// doubles the cost of a picture; a player who never chose a shadow setting
// starts without it there.
#include "shell/GameOptions.h"

#include <string>

// True when the GL_RENDERER string names a software rasteriser.
bool isSoftwareRenderer(const std::string& renderer);

// With no SHADOWS in `options` and a software `renderer`, sets SHADOWS to 0,
// says so on standard output and returns true. A SHADOWS value already there
// is always kept.
bool preferNoShadowsOnSoftwareGL(GameOptions& options, const std::string& renderer);
