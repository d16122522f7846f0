#include "SourceText.h"

#include "world/Block.h"
#include "world/BlockLookup.h"

#include <cctype>
#include <cmath>
#include <map>

namespace mapsource {

void fail(const std::string& what) { throw SourceError(what); }

std::string lower(std::string s) {
    for (char& c : s) c = char(std::tolower((unsigned char)c));
    return s;
}

std::string trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

std::vector<std::string> tokenize(const std::string& line) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            i++;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos) fail("unclosed quote");
            out.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = line.find_first_of(" \t\r#", i);
            if (end == std::string::npos) end = line.size();
            out.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return out;
}

long long parseInteger(const std::string& s) {
    if (s.empty()) fail("number expected");
    size_t used = 0;
    long long v = 0;
    try {
        v = std::stoll(s, &used);
    } catch (...) {
        fail("'" + s + "' is not a whole number");
    }
    if (used != s.size()) fail("'" + s + "' is not a whole number");
    return v;
}

float parseFloat(const std::string& s) {
    size_t used = 0;
    float v = 0;
    try {
        v = std::stof(s, &used);
    } catch (...) {
        fail("'" + s + "' is not a number");
    }
    if (used != s.size() || !std::isfinite(v)) fail("'" + s + "' is not a number");
    return v;
}

int blockType(const std::string& word) {
    static std::map<std::string, int> names;
    if (names.empty()) {
        for (auto& [type, attrib] : blockAttribs)
            if (!attrib.tex.empty() && !names.count(lower(attrib.tex))) names[lower(attrib.tex)] = type;
        names["air"] = 0;
        names["slope"] = 1;
        names["hidden"] = 6;
        names["matter"] = 9;
        names["gen"] = 10;
        names["cap"] = 11;
        names["relay"] = 12;
        names["sensor"] = 13;
    }
    std::string w = lower(word);
    if (!w.empty() && (std::isdigit((unsigned char)w[0]) || w[0] == '-')) {
        long long t = parseInteger(w);
        if (!isKnownBlockType(int(t))) fail("block type " + w + " does not exist");
        return int(t);
    }
    auto it = names.find(w);
    if (it == names.end()) fail("unknown block '" + word + "'");
    return it->second;
}

// A bare mind or machine cell would be a husk without its object.
int placeableBlock(const std::string& word) {
    int t = blockType(word);
    if (t == 2) fail("write vask with the vask command, which gives it a strength");
    if (t == 5 || t == 14 || t == 15 || t == 6) fail("'" + word + "' cells come from actors (mind, ship, turret)");
    return t;
}

bool isOrganic(int t) { return blockAttrib(t).organic; }
bool isGrassy(int t) { return (t >= 23 && t <= 28) || t == 33; }

int dialogRows(const std::string& text) {
    int rows = 1, used = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        int word = int(end - at);
        if (word > 0) {
            int need = used ? used + 1 + word : word;
            if (need > DIALOG_COLUMNS && used) {
                rows++;
                used = word;
            } else {
                used = need;
            }
            while (used > DIALOG_COLUMNS) {  // a word longer than a row breaks
                rows++;
                used -= DIALOG_COLUMNS;
            }
        }
        at = end + 1;
    }
    return rows;
}

}  // namespace mapsource
