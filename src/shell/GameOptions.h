#pragma once
// The settings store: settings.ini as a flat map of text keys to text values.
// Values stay text; every reader converts and passes its own default.
#include <SDL2/SDL_keycode.h>

#include <map>
#include <string>

class GameOptions {
public:
    std::map<std::string, std::string> properties;

    GameOptions();
    explicit GameOptions(std::string s);

    int getInt(std::string s, int def);
    bool getBool(std::string s, bool def);
    float getFloat(std::string s, float def);
    std::string getString(std::string s, std::string def);
    SDL_Keycode getKey(std::string s, SDL_Keycode def);

    void setString(std::string s, std::string s2);
    // Writes through a temporary file renamed over the old one, so a failed
    // write never leaves a truncated settings.ini. Returns false on failure.
    bool writeOptions(std::string s);
    void processINILine(std::string s);
    static SDL_Keycode stringToKey(std::string s);
    // The name stringToKey reads back as k; empty for a key that has none.
    static std::string keyToString(SDL_Keycode k);
    // 1 for true/yes/on/1, 0 for false/no/off/0 (any case, blanks around
    // ignored), -1 for anything else.
    static int parseBool(const std::string& text);
};

extern GameOptions gameOptions;
