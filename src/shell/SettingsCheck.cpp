#include "shell/SettingsCheck.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

// The whole text as a number, blanks around it allowed; false when anything
// else is in it.
bool wholeInteger(const std::string& text, long& out) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    out = strtol(start, &end, 10);
    if (end == start || errno == ERANGE) return false;
    for (; *end; ++end)
        if (*end != ' ' && *end != '\t' && *end != '\r' && *end != '\n') return false;
    return true;
}

bool wholeNumber(const std::string& text, double& out) {
    const char* start = text.c_str();
    char* end = nullptr;
    out = strtod(start, &end);
    if (end == start) return false;
    for (; *end; ++end)
        if (*end != ' ' && *end != '\t' && *end != '\r' && *end != '\n') return false;
    return true;
}

struct Range {
    const char* key;
    bool integer;
    double low, high;
};

// The field of view must stay inside what a perspective projection can show
// (0 and 180 degrees are degenerate); a window smaller than 320 x 240 cannot
// show the menus, one larger than 8K is no display's.
const Range RANGES[] = {{"XRES", true, 320, 7680}, {"YRES", true, 240, 4320}, {"FOV", false, 1, 179},
                        {"VOL", false, 0, 4},     {"SHADOWS", true, 0, 3}};

std::string shortNumber(double v) {
    char buf[32];
    snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

}  // namespace

std::string settingProblem(const std::string& key, const std::string& text) {
    for (const Range& r : RANGES) {
        if (key != r.key) continue;
        std::string span = shortNumber(r.low) + " to " + shortNumber(r.high);
        double value = 0;
        long whole = 0;
        if (r.integer) {
            if (!wholeInteger(text, whole)) return "whole number " + span;
            value = double(whole);
        } else if (!wholeNumber(text, value)) {
            return "number " + span;
        }
        if (value < r.low || value > r.high) return "must be " + span;
        return "";
    }
    return "";
}

void dropImpossibleSizes(GameOptions& options) {
    for (const char* key : {"XRES", "YRES"}) {
        auto it = options.properties.find(key);
        if (it == options.properties.end()) continue;
        long size = 0;
        if (wholeInteger(it->second, size) && size > 0) continue;
        printf("settings.ini: %s=%s is not a window size; using %s\n", key, it->second.c_str(),
               std::string(key) == "XRES" ? "800" : "600");
        options.properties.erase(it);
    }
}
