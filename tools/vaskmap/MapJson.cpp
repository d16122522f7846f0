#include "MapJson.h"

#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/Event.h"
#include "world/World.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at i, or 0 when the bytes
// there are not one (overlong forms, surrogates and values past U+10FFFF included).
size_t utf8Length(const std::string& s, size_t i) {
    auto at = [&s](size_t k) { return (unsigned char)s[k]; };
    unsigned char b = at(i);
    size_t left = s.size() - i;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return left >= 2 && continuation(at(i + 1)) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (left < 3 || !continuation(at(i + 1)) || !continuation(at(i + 2))) return 0;
        if (b == 0xE0 && at(i + 1) < 0xA0) return 0;
        if (b == 0xED && at(i + 1) > 0x9F) return 0;
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (left < 4 || !continuation(at(i + 1)) || !continuation(at(i + 2)) || !continuation(at(i + 3)))
            return 0;
        if (b == 0xF0 && at(i + 1) < 0x90) return 0;
        if (b == 0xF4 && at(i + 1) > 0x8F) return 0;
        return 4;
    }
    return 0;
}

std::string escapedByte(unsigned char c) {
    char buf[8];
    snprintf(buf, sizeof buf, "\\u%04x", c);
    return buf;
}

std::string vec(vec3 v) {
    return "[" + jsonNumber(v.x) + "," + jsonNumber(v.y) + "," + jsonNumber(v.z) + "]";
}

std::string field(const char* name, const std::string& value) {
    return std::string(",\"") + name + "\":" + value;
}

std::string describeActive(ActiveBlock* a) {
    std::string out = "{\"type\":" + std::to_string(a->getType()) + ",\"pos\":" + vec(a->pos);
    if (auto* m = dynamic_cast<VaskMind*>(a)) {
        out += field("size", std::to_string(m->size)) + field("speed", std::to_string(m->speed)) +
               field("strength", std::to_string(m->strength)) + field("ai", std::to_string(m->ai));
    } else if (auto* s = dynamic_cast<Ship*>(a)) {
        out += field("special", std::to_string(s->special));
    } else if (auto* t = dynamic_cast<AutoTurret*>(a)) {
        out += field("dmg", std::to_string(t->dmg)) + field("rate", std::to_string(t->rate)) +
               field("range", jsonNumber(t->range)) + field("ammo", std::to_string(t->ammo));
    }
    return out + "}";
}

std::string describeEvent(Event& e) {
    std::string out = "{\"time\":" + std::to_string(e.time) +
                      ",\"victory\":" + (e.activate == victory ? "true" : "false") + ",\"items\":[";
    bool first = true;
    for (DialogItem& d : e.items) {
        if (!first) out += ",";
        first = false;
        out += "{\"speaker\":" + jsonString(d.speaker) + ",\"text\":" + jsonString(d.text) +
               ",\"tex\":" + jsonString(d.tex) + "}";
    }
    return out + "]}";
}

}  // namespace

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        unsigned char c = (unsigned char)s[i];
        size_t n = utf8Length(s, i);
        if (n == 0 || c < 0x20 || c == 0x7F) {
            out += escapedByte(c);
            i++;
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        out.append(s, i, n);
        i += n;
    }
    return out + "\"";
}

std::string jsonNumber(float v) {
    if (!std::isfinite(v)) return "null";
    // The shortest form that reads back as the same float.
    char buf[32];
    for (int digits = 6; digits <= 9; digits++) {
        snprintf(buf, sizeof buf, "%.*g", digits, double(v));
        if (std::strtof(buf, nullptr) == v) break;
    }
    return buf;
}

std::string describeMap(World& w, bool clean) {
    std::map<int, long long> counts;
    long long vaskCells = 0, vaskStrength = 0;
    for (const Block& b : w.blocks) {
        counts[b.type]++;
        if (b.type == 2) {
            vaskCells++;
            vaskStrength += b.data;
        }
    }
    std::string out = "{\"player\":" + vec(w.player.pos);
    out += ",\"size\":[" + std::to_string(w.width) + "," + std::to_string(w.height) + "," +
           std::to_string(w.depth) + "]";
    out += ",\"mapType\":" + std::to_string(int(w.mapType));
    out += ",\"blocks\":{";
    bool first = true;
    for (auto& [type, n] : counts) {
        if (!first) out += ",";
        first = false;
        out += "\"" + std::to_string(type) + "\":" + std::to_string(n);
    }
    out += "},\"vask\":{\"cells\":" + std::to_string(vaskCells) +
           ",\"strength\":" + std::to_string(vaskStrength) + "}";
    out += ",\"actives\":[";
    first = true;
    for (ActiveBlock* a : w.actives) {
        if (!first) out += ",";
        first = false;
        out += describeActive(a);
    }
    out += "],\"events\":[";
    first = true;
    for (Event& e : w.events) {
        if (!first) out += ",";
        first = false;
        out += describeEvent(e);
    }
    out += "],\"clean\":";
    out += clean ? "true" : "false";
    return out + "}";
}
