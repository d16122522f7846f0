#pragma once
// Reading the editor panels' number boxes: whatever was typed, a number comes
// out (text that is not a number reads as 0, huge values are held in range).
#include <string>

class StatusScreen;

int boxInt(StatusScreen& s, const std::string& name);
float boxFloat(StatusScreen& s, const std::string& name);
