// The interpreter of map sources: one command per line, run top to bottom.
// Terrain shaping commands build a height field; the first command that needs
// cells turns it into blocks, after which only block, actor and event commands
// may follow. Actors enter the world the way the game puts them there, so the
// written map is ready to play.
#include "MapScript.h"

#include "panels/Event.h"
#include "world/World.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>

BuiltMap::BuiltMap() : calm(24) {}
BuiltMap::~BuiltMap() = default;
BuiltMap::BuiltMap(BuiltMap&&) noexcept = default;
BuiltMap& BuiltMap::operator=(BuiltMap&&) noexcept = default;

namespace mapsource {

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
        room(t);
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
        paint(t, c == "path");
    } else if (c == "tree") {
        need(t, 2, 3);
        int x = num(t[1]), z = num(t[2]);
        if (!tree(x, z, t.size() > 3 ? num(t[3]) : 5, seed)) fail("no room for a tree there (it needs grass and air)");
    } else if (c == "trees") {
        plantTrees(t);
    } else if (c == "boulders") {
        scatterBoulders(t);
    } else if (c == "vask") {
        vaskBall(t);
    } else if (c == "player") {
        placePlayer(t);
    } else if (c == "ship") {
        addShip(t);
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

}  // namespace mapsource

using namespace mapsource;

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
