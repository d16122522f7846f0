#include "shell/GameOptions.h"

#include "util/SafeFile.h"

#include <SDL2/SDL_keycode.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <utility>
#include <vector>

GameOptions gameOptions("settings.ini");

GameOptions::GameOptions() {}

GameOptions::GameOptions(std::string s) {
    std::ifstream in(s);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#') continue;
        processINILine(line);
    }
}

void GameOptions::processINILine(std::string s) {
    // Nothing is trimmed on purpose: what the file says is what the key is.
    size_t eq = s.find('=');
    if (eq == std::string::npos) {
        properties[s] = s;
        return;
    }
    properties[s.substr(0, eq)] = s.substr(eq + 1);
}

int GameOptions::getInt(std::string s, int def) {
    auto it = properties.find(s);
    return it == properties.end() ? def : atoi(it->second.c_str());
}

bool GameOptions::getBool(std::string s, bool def) {
    auto it = properties.find(s);
    if (it == properties.end()) return def;
    int value = parseBool(it->second);
    // A word that is no yes or no (a typo) must not flip the setting.
    return value < 0 ? def : value == 1;
}

int GameOptions::parseBool(const std::string& text) {
    // Blanks and a carriage return around the word come from hand editing.
    size_t first = text.find_first_not_of(" \t\r\n");
    size_t last = text.find_last_not_of(" \t\r\n");
    std::string word = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    for (char& c : word) c = char(tolower((unsigned char)c));
    for (const char* yes : {"true", "1", "yes", "on"})
        if (word == yes) return 1;
    for (const char* no : {"false", "0", "no", "off"})
        if (word == no) return 0;
    return -1;
}

float GameOptions::getFloat(std::string s, float def) {
    auto it = properties.find(s);
    return it == properties.end() ? def : float(atof(it->second.c_str()));
}

std::string GameOptions::getString(std::string s, std::string def) {
    auto it = properties.find(s);
    return it == properties.end() ? def : it->second;
}

SDL_Keycode GameOptions::getKey(std::string s, SDL_Keycode def) {
    auto it = properties.find(s);
    return it == properties.end() ? def : stringToKey(it->second);
}

void GameOptions::setString(std::string s, std::string s2) { properties[s] = s2; }

bool GameOptions::writeOptions(std::string s) {
    std::string out;
    for (auto& kv : properties) {
        if (kv.second.empty()) continue;
        out += kv.first + "=" + kv.second + "\n";
    }
    return writeFileAtomically(s, out);
}

static const std::vector<std::pair<std::string, SDL_Keycode>>& keyNames() {
    static std::vector<std::pair<std::string, SDL_Keycode>> names;
    if (!names.empty()) return names;
    for (char c = 'a'; c <= 'z'; c++) names.push_back({std::string(1, c), SDL_Keycode(c)});
    for (char c = '1'; c <= '9'; c++) names.push_back({std::string(1, c), SDL_Keycode(c)});
    names.push_back({"0", SDLK_0});
    const SDL_Keycode pad[] = {SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4, SDLK_KP_5,
                               SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
    for (int i = 0; i < 9; i++) names.push_back({"k" + std::to_string(i + 1), pad[i]});
    names.insert(names.end(), {{"k0", SDLK_KP_0},
                               {"k+", SDLK_KP_PLUS},
                               {"k-", SDLK_KP_MINUS},
                               {"k*", SDLK_KP_MULTIPLY},
                               {"k/", SDLK_KP_DIVIDE},
                               {"kenter", SDLK_KP_ENTER},
                               {"k.", SDLK_KP_PERIOD},
                               {"insert", SDLK_INSERT},
                               {"home", SDLK_HOME},
                               {"pgup", SDLK_PAGEUP},
                               {"pgdown", SDLK_PAGEDOWN},
                               {"end", SDLK_END},
                               {"delete", SDLK_DELETE},
                               {"ralt", SDLK_RALT},
                               {"rshift", SDLK_RSHIFT},
                               {"rctrl", SDLK_RCTRL},
                               {"lalt", SDLK_LALT},
                               {"lshift", SDLK_LSHIFT},
                               {"lctrl", SDLK_LCTRL},
                               {"up", SDLK_UP},
                               {"down", SDLK_DOWN},
                               {"right", SDLK_RIGHT},
                               {"left", SDLK_LEFT},
                               {"`", SDLK_BACKQUOTE},
                               {"[", SDLK_LEFTBRACKET},
                               {"]", SDLK_RIGHTBRACKET},
                               {"-", SDLK_MINUS},
                               {"=", SDLK_EQUALS},
                               {"backspace", SDLK_BACKSPACE},
                               {"/", SDLK_SLASH},
                               {"\\", SDLK_BACKSLASH},
                               {",", SDLK_COMMA},
                               {".", SDLK_PERIOD},
                               {";", SDLK_SEMICOLON},
                               {"'", SDLK_QUOTE}});
    const SDL_Keycode fkeys[] = {SDLK_F1, SDLK_F2,  SDLK_F3,  SDLK_F4,  SDLK_F5,
                                 SDLK_F6, SDLK_F7,  SDLK_F8,  SDLK_F9,  SDLK_F10,
                                 SDLK_F11, SDLK_F12, SDLK_F13, SDLK_F14, SDLK_F15};
    for (int i = 0; i < 15; i++) names.push_back({"f" + std::to_string(i + 1), fkeys[i]});
    names.push_back({"esc", SDLK_ESCAPE});
    // Keys players bind that the first table had no name for.
    names.insert(names.end(), {{"space", SDLK_SPACE},
                               {"tab", SDLK_TAB},
                               {"return", SDLK_RETURN},
                               {"capslock", SDLK_CAPSLOCK},
                               {"lgui", SDLK_LGUI},
                               {"rgui", SDLK_RGUI},
                               {"menu", SDLK_APPLICATION},
                               {"pause", SDLK_PAUSE},
                               {"scrolllock", SDLK_SCROLLLOCK},
                               {"numlock", SDLK_NUMLOCKCLEAR},
                               {"printscreen", SDLK_PRINTSCREEN}});
    return names;
}

SDL_Keycode GameOptions::stringToKey(std::string s) {
    for (auto& kv : keyNames())
        if (kv.first == s) return kv.second;
    return SDLK_F15;
}

std::string GameOptions::keyToString(SDL_Keycode k) {
    for (auto& kv : keyNames())
        if (kv.second == k) return kv.first;
    return "";
}
