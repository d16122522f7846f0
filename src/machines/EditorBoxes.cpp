#include "machines/EditorBoxes.h"

#include "panels/StatusScreen.h"

#include <climits>
#include <cmath>
#include <cstdlib>

int boxInt(StatusScreen& s, const std::string& name) {
    std::string text = s.getText(name);
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return int(v);
}

float boxFloat(StatusScreen& s, const std::string& name) {
    std::string text = s.getText(name);
    float v = std::strtof(text.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0f;
}
