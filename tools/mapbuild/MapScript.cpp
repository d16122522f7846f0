// The interpreter of map sources: one command per line, run top to bottom.
// Terrain shaping commands build a height field; the first command that needs
// cells turns it into blocks, after which only block, actor and event commands
// may follow. Actors enter the world the way the game puts them there, so the
// written map is ready to play.
#include "MapBuilder.h"
#include "Rng.h"
#include "Terrain.h"

#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/Event.h"
#include "world/World.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <map>
#include <stdexcept>

BuiltMap::BuiltMap() : calm(24) {}
BuiltMap::~BuiltMap() = default;
BuiltMap::BuiltMap(BuiltMap&&) noexcept = default;
BuiltMap& BuiltMap::operator=(BuiltMap&&) noexcept = default;

namespace {

struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A SourceError that already names its file and line.
struct LocatedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& what) { throw SourceError(what); }

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

// Splits on blanks; "double quotes" keep blanks inside one token; # starts a comment.
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

// Block names are the texture names of the block table, plus a few plain words.
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

// Blocks that only actors may write: a bare mind or machine cell would be a
// husk without its object.
int placeableBlock(const std::string& word) {
    int t = blockType(word);
    if (t == 2) fail("write vask with the vask command, which gives it a strength");
    if (t == 5 || t == 14 || t == 15 || t == 6) fail("'" + word + "' cells come from actors (mind, ship, turret)");
    return t;
}

bool isOrganic(int t) { return t >= 0 && t < BLOCK_TYPE_COUNT && blockAttribs[t].organic; }
bool isGrassy(int t) { return (t >= 23 && t <= 28) || t == 33; }

// The dialog box holds 27 characters a row (50 units of 1.8) and ten rows of 3
// units; the last row touches the "press any key" hint, so lines get nine.
constexpr int DIALOG_COLUMNS = 27;
constexpr int DIALOG_ROWS = 9;

// Rows a text takes when wrapped at word boundaries.
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

struct Zone {
    float x, z, r;
};

struct Speaker {
    std::string name, tex;
};

class Script {
public:
    explicit Script(BuiltMap& m) : map(m) {}

    void runFile(const std::string& path, int depth);
    void finish();

private:
    BuiltMap& map;
    World* w = nullptr;
    uint64_t seed = 1;
    uint64_t randomOps = 0;
    std::unique_ptr<Terrain> terrain;
    bool gridMade = false;
    std::vector<Zone> keepClear;
    std::map<std::string, Speaker> speakers;
    Event* current = nullptr;
    bool hasPlayer = false;

    void command(const std::vector<std::string>& t);
    void dialogLine(const std::string& raw);
    void need(const std::vector<std::string>& t, size_t lo, size_t hi);
    World& world();
    Terrain& shaping();
    void ensureGrid();
    MapRng nextRng() { return MapRng(hashPoint(int64_t(randomOps++), 17, 0, seed)); }

    int groundTop(int x, int z);
    int num(const std::string& s) { return int(parseInteger(s)); }
    int yAt(const std::string& s, int x, int z);
    void set(int x, int y, int z, int type);
    bool cleared(float x, float z, float margin) const;
    std::vector<WeightedType> weighted(const std::vector<std::string>& t, size_t from);
    std::map<std::string, std::string> options(const std::vector<std::string>& t, size_t from,
                                               const std::vector<std::string>& allowed);
    void region(const std::vector<std::string>& t, size_t from, int& x0, int& z0, int& x1, int& z1);

    void box(int type, int x0, int y0, int z0, int x1, int y1, int z1, int mode);
    void sphere(int type, int cx, int cy, int cz, float r);
    void line(int type, vec3 a, vec3 b, float r);
    bool tree(int x, int z, int h, uint64_t grain);
    void addMind(const std::vector<std::string>& t);
    void addTurret(const std::vector<std::string>& t);
};

World& Script::world() {
    if (!w) fail("'size W H D' must come first");
    return *w;
}

Terrain& Script::shaping() {
    world();
    if (gridMade) fail("terrain shaping must come before blocks, actors and the player");
    return *terrain;
}

void Script::ensureGrid() {
    world();
    if (gridMade) return;
    terrain->materialize(*w);
    gridMade = true;
}

void Script::need(const std::vector<std::string>& t, size_t lo, size_t hi) {
    size_t n = t.size() - 1;
    if (n < lo || n > hi) {
        if (lo == hi) fail("'" + t[0] + "' takes " + std::to_string(lo) + " values");
        fail("'" + t[0] + "' takes " + std::to_string(lo) + " to " + std::to_string(hi) + " values");
    }
}

// The top of the ground: the highest cell that is neither air, water, tree, vask nor mind.
int Script::groundTop(int x, int z) {
    ensureGrid();
    x = std::clamp(x, 0, int(w->width) - 1);
    z = std::clamp(z, 0, int(w->depth) - 1);
    for (int y = int(w->height) - 1; y >= 0; y--) {
        int type = w->cell(x, y, z).type;
        if (type != 0 && type != 2 && type != 5 && type != 17 && type != 18 && type != 19) return y;
    }
    return -1;
}

// A height: a whole number, or g, g+N, g-N for the ground top of the column.
int Script::yAt(const std::string& s, int x, int z) {
    if (!s.empty() && (s[0] == 'g' || s[0] == 'G')) {
        int base = groundTop(x, z);
        if (s.size() == 1) return base;
        if (s[1] != '+' && s[1] != '-') fail("height '" + s + "' should read g, g+N or g-N");
        return base + num(s.substr(1));
    }
    return num(s);
}

void Script::set(int x, int y, int z, int type) {
    ensureGrid();
    if (w->inWorld(x, y, z)) w->setBlock(x, y, z, type, 0);
}

bool Script::cleared(float x, float z, float margin) const {
    for (const Zone& k : keepClear) {
        float dx = x - k.x, dz = z - k.z;
        if (dx * dx + dz * dz < (k.r + margin) * (k.r + margin)) return false;
    }
    return true;
}

std::vector<WeightedType> Script::weighted(const std::vector<std::string>& t, size_t from) {
    std::vector<WeightedType> out;
    for (size_t i = from; i < t.size(); i++) {
        size_t colon = t[i].find(':');
        int weight = colon == std::string::npos ? 1 : num(t[i].substr(colon + 1));
        if (weight < 1) fail("weights must be 1 or more");
        out.push_back({placeableBlock(t[i].substr(0, colon)), weight});
    }
    if (out.empty()) fail("'" + t[0] + "' needs at least one block");
    return out;
}

std::map<std::string, std::string> Script::options(const std::vector<std::string>& t, size_t from,
                                                   const std::vector<std::string>& allowed) {
    std::map<std::string, std::string> out;
    for (size_t i = from; i < t.size(); i++) {
        size_t eq = t[i].find('=');
        if (eq == std::string::npos) fail("'" + t[i] + "' should read key=value");
        std::string key = lower(t[i].substr(0, eq));
        if (std::find(allowed.begin(), allowed.end(), key) == allowed.end())
            fail("'" + t[0] + "' has no setting '" + key + "'");
        out[key] = t[i].substr(eq + 1);
    }
    return out;
}

// Optional trailing rectangle X0 Z0 X1 Z1; the whole map (less a margin) otherwise.
void Script::region(const std::vector<std::string>& t, size_t from, int& x0, int& z0, int& x1, int& z1) {
    if (t.size() == from) {
        x0 = 3;
        z0 = 3;
        x1 = int(w->width) - 4;
        z1 = int(w->depth) - 4;
    } else if (t.size() == from + 4) {
        x0 = num(t[from]);
        z0 = num(t[from + 1]);
        x1 = num(t[from + 2]);
        z1 = num(t[from + 3]);
        if (x1 < x0) std::swap(x0, x1);
        if (z1 < z0) std::swap(z0, z1);
    } else {
        fail("'" + t[0] + "' takes an optional area X0 Z0 X1 Z1");
    }
}

// mode 0 solid, 1 the six faces, 2 the four sides
void Script::box(int type, int x0, int y0, int z0, int x1, int y1, int z1, int mode) {
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    if (z1 < z0) std::swap(z0, z1);
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            for (int z = z0; z <= z1; z++) {
                bool side = x == x0 || x == x1 || z == z0 || z == z1;
                bool face = side || y == y0 || y == y1;
                if (mode == 0 || (mode == 1 && face) || (mode == 2 && side)) set(x, y, z, type);
            }
}

void Script::sphere(int type, int cx, int cy, int cz, float r) {
    int R = int(std::ceil(r));
    for (int dx = -R; dx <= R; dx++)
        for (int dy = -R; dy <= R; dy++)
            for (int dz = -R; dz <= R; dz++)
                if (float(dx * dx + dy * dy + dz * dz) <= r * (r + 1.0f)) set(cx + dx, cy + dy, cz + dz, type);
}

void Script::line(int type, vec3 a, vec3 b, float r) {
    vec3 lo = glm::min(a, b) - vec3(r + 1), hi = glm::max(a, b) + vec3(r + 1);
    vec3 ab = b - a;
    float len2 = glm::dot(ab, ab);
    for (int x = int(std::floor(lo.x)); x <= int(hi.x); x++)
        for (int y = int(std::floor(lo.y)); y <= int(hi.y); y++)
            for (int z = int(std::floor(lo.z)); z <= int(hi.z); z++) {
                vec3 p(x, y, z);
                float t = len2 > 0 ? std::clamp(glm::dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
                vec3 d = p - (a + t * ab);
                if (glm::dot(d, d) <= r * (r + 1.0f)) set(x, y, z, type);
            }
}

// A trunk of height h on grass with a round crown; false when the spot is unfit.
bool Script::tree(int x, int z, int h, uint64_t grain) {
    int g = groundTop(x, z);
    if (g < 0 || !isGrassy(w->cell(x, g, z).type)) return false;
    if (g + h + 3 >= int(w->height)) return false;
    for (int dx = -2; dx <= 2; dx++)
        for (int dz = -2; dz <= 2; dz++)
            for (int y = g + 1; y <= g + h + 2; y++) {
                if (!w->inWorld(x + dx, y, z + dz)) return false;
                if (w->cell(x + dx, y, z + dz).type != 0) return false;
            }
    int top = g + h;
    for (int dx = -2; dx <= 2; dx++)
        for (int dy = -2; dy <= 2; dy++)
            for (int dz = -2; dz <= 2; dz++) {
                float d = float(dx * dx + dz * dz) + float(dy * dy) * 1.6f;
                float ragged = 4.2f + 1.6f * hashUnit(x + dx, top + dy, z + dz, grain);
                if (d <= ragged) set(x + dx, top + dy, z + dz, 18);
            }
    for (int y = g + 1; y <= top; y++) set(x, y, z, 17);
    return true;
}

void Script::addMind(const std::vector<std::string>& t) {
    if (t.size() < 4) fail("'mind X Y Z [ai=N strength=N speed=N size=N]'");
    int x = num(t[1]), z = num(t[3]);
    int y = yAt(t[2], x, z);
    if (!w->inWorld(x, y, z)) fail("mind outside the world");
    auto o = options(t, 4, {"ai", "strength", "speed", "size"});
    int ai = o.count("ai") ? num(o["ai"]) : 0;
    int strength = o.count("strength") ? num(o["strength"]) : 10;
    int speed = o.count("speed") ? num(o["speed"]) : 50;
    int size = o.count("size") ? num(o["size"]) : 1;
    if (ai < 0 || ai > 15) fail("mind ai runs from 0 to 15");
    if (strength < 1 || strength > 32767) fail("mind strength runs from 1 to 32767");
    if (speed < 1) fail("mind speed must be 1 or more");
    if (size < 1 || size > 32) fail("mind size runs from 1 to 32");
    w->setActiveBlockAndUpdate(x, y, z, new VaskMind(w, ai, strength, speed, size));
}

void Script::addTurret(const std::vector<std::string>& t) {
    if (t.size() < 4) fail("'turret X Y Z [dmg=N rate=N range=R ammo=N barrel=B,B dir=+x]'");
    int x = num(t[1]), z = num(t[3]);
    int y = yAt(t[2], x, z);
    if (!w->inWorld(x, y, z)) fail("turret outside the world");
    auto o = options(t, 4, {"dmg", "rate", "range", "ammo", "barrel", "dir"});
    AutoTurret* turret = new AutoTurret(w);
    try {
        if (o.count("dmg")) turret->dmg = num(o["dmg"]);
        if (o.count("rate")) turret->rate = num(o["rate"]);
        if (o.count("range")) turret->range = parseFloat(o["range"]);
        if (o.count("ammo")) turret->ammo = num(o["ammo"]);
        if (turret->dmg < 0) fail("turret dmg must not be negative");
        if (turret->rate < 2) fail("turret rate must be 2 or more");
        if (turret->range < 1.0f || turret->range > 64.0f) fail("turret range runs from 1 to 64");
        if (turret->ammo < 0 || turret->ammo > 2) fail("turret ammo is 0 (shells), 1 (bullets) or 2 (bullets, also at you)");
        std::string dir = o.count("dir") ? lower(o["dir"]) : "+x";
        int dx = 0, dz = 0;
        if (dir == "+x") dx = 1;
        else if (dir == "-x") dx = -1;
        else if (dir == "+z") dz = 1;
        else if (dir == "-z") dz = -1;
        else fail("turret dir is +x, -x, +z or -z");
        // The barrel: the first block on top of the turret, the rest reaching out along dir.
        std::string barrel = o.count("barrel") ? o["barrel"] : "metal,metal";
        size_t at = 0;
        for (int k = 0; at <= barrel.size(); k++) {
            size_t comma = barrel.find(',', at);
            if (comma == std::string::npos) comma = barrel.size();
            int type = blockType(barrel.substr(at, comma - at));
            if (!blockAttribs[type].machine || type == 14 || type == 15 || type == 6)
                fail("barrel blocks must be machine parts (matter, gen, cap, relay, sensor, metal)");
            int bx = x + (k == 0 ? 0 : k * dx), bz = z + (k == 0 ? 0 : k * dz);
            if (!w->inWorld(bx, y + 1, bz)) fail("turret barrel outside the world");
            w->setBlock(bx, y + 1, bz, type, 0);
            at = comma + 1;
        }
    } catch (...) {
        delete turret;
        throw;
    }
    // The barrel stays in the cells as the editor would keep it; the game lifts
    // it into the turret when the map is loaded.
    bool editing = w->editorMode;
    w->editorMode = true;
    w->setActiveBlockAndUpdate(x, y, z, turret);
    w->editorMode = editing;
}

void Script::dialogLine(const std::string& raw) {
    size_t colon = raw.find(':');
    std::string id = lower(trim(raw.substr(0, colon)));
    auto it = speakers.find(id);
    if (it == speakers.end()) fail("unknown speaker '" + id + "' (declare it with 'speaker')");
    if (!current) fail("dialog lines belong to an event: put 'event TIME' above them");
    if (current->activate == victory)
        fail("a victory event shows no dialog; add a dialog event at the same time before it");
    std::string text = trim(raw.substr(colon + 1));
    if (text.empty()) fail("empty dialog line");
    if (dialogRows(text) > DIALOG_ROWS)
        fail("dialog line too long for the dialog box (" + std::to_string(DIALOG_ROWS) + " rows of " +
             std::to_string(DIALOG_COLUMNS) + " characters); split it into two lines");
    current->items.emplace_back(it->second.name, text, it->second.tex);
}

void Script::command(const std::vector<std::string>& t) {
    const std::string c = lower(t[0]);
    if (c == "title") {
        std::string s;
        for (size_t i = 1; i < t.size(); i++) s += (i > 1 ? " " : "") + t[i];
        map.title = s;
    } else if (c == "folder") {
        need(t, 1, 1);
        if (t[1] != "Maps" && t[1] != "Campaign") fail("folder is Maps or Campaign");
        map.folder = t[1];
    } else if (c == "size") {
        need(t, 3, 3);
        if (w) fail("size given twice");
        int W = num(t[1]), H = num(t[2]), D = num(t[3]);
        if (W < 16 || H < 16 || D < 16 || W > 512 || H > 256 || D > 512)
            fail("size runs from 16 to 512 across and 16 to 256 high");
        map.world = std::make_unique<World>(unsigned(W), unsigned(H), unsigned(D), nullptr);
        w = map.world.get();
        terrain = std::make_unique<Terrain>(W, D, seed);
    } else if (c == "seed") {
        need(t, 1, 1);
        if (w) fail("seed must come before size");
        seed = uint64_t(parseInteger(t[1]));
    } else if (c == "calm") {
        need(t, 1, 1);
        map.calm = num(t[1]);
    } else if (c == "ground") {
        need(t, 1, 1);
        shaping().ground(parseFloat(t[1]));
    } else if (c == "noise") {
        need(t, 2, 3);
        int octaves = t.size() > 3 ? num(t[3]) : 4;
        shaping().addNoise(parseFloat(t[1]), parseFloat(t[2]), std::clamp(octaves, 1, 8),
                           hashPoint(int64_t(randomOps++), 3, 0, seed));
    } else if (c == "hill") {
        need(t, 4, 4);
        shaping().hill(parseFloat(t[1]), parseFloat(t[2]), parseFloat(t[3]), parseFloat(t[4]));
    } else if (c == "ridge") {
        need(t, 6, 6);
        shaping().ridge(parseFloat(t[1]), parseFloat(t[2]), parseFloat(t[3]), parseFloat(t[4]),
                        parseFloat(t[5]), parseFloat(t[6]));
    } else if (c == "flatten") {
        need(t, 4, 5);
        shaping().flatten(parseFloat(t[1]), parseFloat(t[2]), parseFloat(t[3]), parseFloat(t[4]),
                          t.size() > 5 ? parseFloat(t[5]) : 4.0f);
    } else if (c == "flatrect") {
        need(t, 5, 6);
        shaping().flattenRect(parseFloat(t[1]), parseFloat(t[2]), parseFloat(t[3]), parseFloat(t[4]),
                              parseFloat(t[5]), t.size() > 6 ? parseFloat(t[6]) : 4.0f);
    } else if (c == "top") {
        shaping().top = weighted(t, 1);
    } else if (c == "rock") {
        shaping().rock = weighted(t, 1);
    } else if (c == "soil") {
        need(t, 2, 2);
        shaping().soilType = placeableBlock(t[1]);
        terrain->soilDepth = std::max(0, num(t[2]));
    } else if (c == "water") {
        need(t, 1, 1);
        shaping().waterLevel = num(t[1]);
    } else if (c == "shore") {
        need(t, 1, 1);
        shaping().shoreType = placeableBlock(t[1]);
    } else if (c == "keepclear") {
        need(t, 3, 3);
        world();
        keepClear.push_back({parseFloat(t[1]), parseFloat(t[2]), parseFloat(t[3])});
    } else if (c == "box" || c == "shell" || c == "walls") {
        need(t, 7, 7);
        int type = placeableBlock(t[1]);
        int x0 = num(t[2]), z0 = num(t[4]), x1 = num(t[5]), z1 = num(t[7]);
        int y0 = yAt(t[3], x0, z0), y1 = yAt(t[6], x0, z0);
        box(type, x0, y0, z0, x1, y1, z1, c == "box" ? 0 : c == "shell" ? 1 : 2);
    } else if (c == "room") {
        need(t, 9, 9);
        int wall = placeableBlock(t[1]), floor = placeableBlock(t[2]), roof = placeableBlock(t[3]);
        int x0 = num(t[4]), z0 = num(t[6]), x1 = num(t[7]), z1 = num(t[9]);
        int y0 = yAt(t[5], x0, z0), y1 = yAt(t[8], x0, z0);
        if (x1 < x0) std::swap(x0, x1);
        if (y1 < y0) std::swap(y0, y1);
        if (z1 < z0) std::swap(z0, z1);
        box(wall, x0, y0, z0, x1, y1, z1, 2);
        box(floor, x0, y0, z0, x1, y0, z1, 0);
        box(roof, x0, y1, z0, x1, y1, z1, 0);
        box(0, x0 + 1, y0 + 1, z0 + 1, x1 - 1, y1 - 1, z1 - 1, 0);
    } else if (c == "sphere") {
        need(t, 5, 5);
        int type = placeableBlock(t[1]);
        int x = num(t[2]), z = num(t[4]);
        sphere(type, x, yAt(t[3], x, z), z, parseFloat(t[5]));
    } else if (c == "line") {
        need(t, 8, 8);
        int type = placeableBlock(t[1]);
        int x0 = num(t[2]), z0 = num(t[4]), x1 = num(t[5]), z1 = num(t[7]);
        line(type, vec3(x0, yAt(t[3], x0, z0), z0), vec3(x1, yAt(t[6], x1, z1), z1), parseFloat(t[8]));
    } else if (c == "paint" || c == "path") {
        int type = placeableBlock(t.size() > 1 ? t[1] : "");
        float half = 0;
        if (c == "paint") need(t, 5, 5);
        else {
            need(t, 6, 6);
            half = parseFloat(t[6]) / 2.0f;
        }
        ensureGrid();
        float x0 = parseFloat(t[2]), z0 = parseFloat(t[3]), x1 = parseFloat(t[4]), z1 = parseFloat(t[5]);
        for (int x = 0; x < int(w->width); x++)
            for (int z = 0; z < int(w->depth); z++) {
                bool inside;
                if (c == "paint") {
                    inside = x >= std::min(x0, x1) && x <= std::max(x0, x1) && z >= std::min(z0, z1) &&
                             z <= std::max(z0, z1);
                } else {
                    vec3 a(x0, 0, z0), b(x1, 0, z1), p(x, 0, z), ab = b - a;
                    float len2 = glm::dot(ab, ab);
                    float s = len2 > 0 ? std::clamp(glm::dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
                    inside = glm::length(p - (a + s * ab)) <= half;
                }
                if (!inside) continue;
                int g = groundTop(x, z);
                if (g >= 0 && w->cell(x, g + 1, z).type != 19) set(x, g, z, type);
            }
    } else if (c == "tree") {
        need(t, 2, 3);
        int x = num(t[1]), z = num(t[2]);
        if (!tree(x, z, t.size() > 3 ? num(t[3]) : 5, seed)) fail("no room for a tree there (it needs grass and air)");
    } else if (c == "trees") {
        need(t, 3, 7);
        ensureGrid();
        int count = num(t[1]), lo = num(t[2]), hi = num(t[3]);
        int x0, z0, x1, z1;
        region(t, 4, x0, z0, x1, z1);
        MapRng r = nextRng();
        int planted = 0;
        for (int tries = 0; planted < count && tries < count * 40; tries++) {
            int x = r.range(x0, x1), z = r.range(z0, z1), h = r.range(lo, hi);
            if (cleared(float(x), float(z), 2.0f) && tree(x, z, h, seed + uint64_t(tries))) planted++;
        }
    } else if (c == "boulders") {
        need(t, 4, 8);
        ensureGrid();
        int count = num(t[1]);
        float lo = parseFloat(t[2]), hi = parseFloat(t[3]);
        int type = placeableBlock(t[4]);
        int x0, z0, x1, z1;
        region(t, 5, x0, z0, x1, z1);
        MapRng r = nextRng();
        for (int i = 0; i < count; i++) {
            int x = r.range(x0, x1), z = r.range(z0, z1);
            float rad = lo + (hi - lo) * r.unit();
            if (!cleared(float(x), float(z), rad)) continue;
            int g = groundTop(x, z);
            if (g < 0 || w->cell(x, g + 1, z).type == 19) continue;
            int R = int(std::ceil(rad));
            for (int dx = -R; dx <= R; dx++)
                for (int dy = -R; dy <= R; dy++)
                    for (int dz = -R; dz <= R; dz++) {
                        float d = float(dx * dx + dz * dz) + float(dy * dy) * 1.4f;
                        float ragged = 0.8f + 0.35f * hashUnit(x + dx, g + dy, z + dz, seed + 5);
                        if (d > rad * rad * ragged || !w->inWorld(x + dx, g + dy, z + dz)) continue;
                        int old = w->cell(x + dx, g + dy, z + dz).type;
                        if (old == 0 || isGrassy(old) || old == 3 || old == 20 || old == 21)
                            set(x + dx, g + dy, z + dz, type);
                    }
        }
    } else if (c == "vask") {
        need(t, 5, 5);
        ensureGrid();
        int x = num(t[1]), z = num(t[3]);
        int y = yAt(t[2], x, z);
        float rad = parseFloat(t[4]);
        int strength = num(t[5]);
        if (strength < 1 || strength > 32767) fail("vask strength runs from 1 to 32767");
        int R = int(std::ceil(rad));
        for (int dx = -R; dx <= R; dx++)
            for (int dy = -R; dy <= R; dy++)
                for (int dz = -R; dz <= R; dz++) {
                    if (float(dx * dx + dy * dy + dz * dz) > rad * (rad + 1.0f)) continue;
                    if (!w->inWorld(x + dx, y + dy, z + dz)) continue;
                    int old = w->cell(x + dx, y + dy, z + dz).type;
                    // Vask grows over the land: it fills air and swallows water and trees.
                    if (old == 0 || isOrganic(old)) w->setBlock(x + dx, y + dy, z + dz, 2, strength);
                }
    } else if (c == "player") {
        need(t, 2, 3);
        ensureGrid();
        int x = num(t[1]), z = num(t[t.size() - 1]);
        float y = t.size() == 4 ? float(yAt(t[2], x, z)) : float(groundTop(x, z) + 5);
        if (!w->inWorld(x, 0, z)) fail("player outside the world");
        w->player.setPos(vec3(x + 0.5f, y + 0.2f, z + 0.5f));
        keepClear.push_back({float(x), float(z), 4.0f});
        hasPlayer = true;
    } else if (c == "ship") {
        need(t, 3, 3);
        ensureGrid();
        int x = num(t[1]), z = num(t[3]);
        int y = yAt(t[2], x, z);
        if (!w->inWorld(x, y, z)) fail("ship outside the world");
        if (w->theShip) fail("a map holds one ship");
        Ship* ship = new Ship(w);
        w->setActiveBlockAndUpdate(x, y, z, ship);
        w->theShip = ship;
    } else if (c == "mind") {
        ensureGrid();
        addMind(t);
    } else if (c == "turret") {
        ensureGrid();
        addTurret(t);
    } else if (c == "speaker") {
        need(t, 3, 3);
        speakers[lower(t[1])] = {t[2], t[3]};
    } else if (c == "event") {
        need(t, 1, 2);
        world();
        long long time = parseInteger(t[1]);
        if (time != -1 && time < 1) fail("an event fires at a frame of 1 or later, or at -1 (on victory)");
        Event e;
        e.time = time;
        e.activate = displayDialog;
        if (t.size() == 3) {
            if (lower(t[2]) != "victory") fail("'event TIME' or 'event TIME victory'");
            if (time == -1) fail("a victory event needs a time");
            e.activate = victory;
        }
        w->events.push_back(e);
        current = &w->events.back();
    } else {
        fail("unknown command '" + t[0] + "'");
    }
}

void Script::runFile(const std::string& path, int depth) {
    if (depth > 8) fail("includes nested too deep");
    std::ifstream in(path);
    if (!in) fail("cannot open " + path);
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        number++;
        try {
            std::string s = trim(text);
            if (s.empty() || s[0] == '#') continue;
            size_t space = s.find_first_of(" \t");
            std::string first = s.substr(0, space);
            if (first.size() > 1 && first.back() == ':') {
                dialogLine(s);
                continue;
            }
            std::vector<std::string> t = tokenize(s);
            if (t.empty()) continue;
            if (lower(t[0]) == "include") {
                need(t, 1, 1);
                size_t slash = path.find_last_of('/');
                std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
                runFile(dir + t[1], depth + 1);
                continue;
            }
            command(t);
        } catch (const SourceError& e) {
            throw LocatedError(path + ":" + std::to_string(number) + ": " + e.what());
        }
    }
}

void Script::finish() {
    world();
    ensureGrid();
    if (!hasPlayer) fail("no player start ('player X Z')");
    if (map.folder.empty()) fail("no 'folder Maps' or 'folder Campaign'");
    w->mapType = 2;
}

}  // namespace

bool buildMap(const std::string& sourcePath, BuiltMap& out, std::string& error) {
    if (blockAttribs.empty()) setupBlockAttribs();
    out = BuiltMap();
    size_t slash = sourcePath.find_last_of('/');
    std::string file = slash == std::string::npos ? sourcePath : sourcePath.substr(slash + 1);
    out.name = file.substr(0, file.find_last_of('.'));
    try {
        Script script(out);
        script.runFile(sourcePath, 0);
        try {
            script.finish();
        } catch (const SourceError& e) {
            throw LocatedError(sourcePath + ": " + e.what());
        }
    } catch (const std::runtime_error& e) {
        error = e.what();
        out.world.reset();
        return false;
    }
    return true;
}
