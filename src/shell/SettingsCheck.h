#pragma once
// What a setting may hold. The Settings screen refuses what the game cannot
// start with; a hand-edited file only loses values that cannot be a size.
#include "shell/GameOptions.h"

#include <string>

// Why `text` cannot be the value of setting `key`, in a few words for the
// screen; empty when it is fine (and for keys without a rule).
std::string settingProblem(const std::string& key, const std::string& text);

// Drops an XRES or YRES that is no positive whole number (0, negative, not a
// number), saying so once, so that the window opens at the default size. A
// size the display refuses is left for the window to report.
void dropImpossibleSizes(GameOptions& options);
