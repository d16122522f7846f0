#pragma once
// The frame-rate line (F3): one line of the game's own text at the top right
// of the overlay, clear of the resource row at the top left and of the tool
// bar at the bottom.
#include <string>

void renderRateLine(const std::string& line);
