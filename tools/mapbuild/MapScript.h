#pragma once
// The interpreter of map sources (see MapScript.cpp); its commands are spread
// over MapScript*.cpp by kind.
#include "MapBuilder.h"
#include "Rng.h"
#include "SourceText.h"
#include "Terrain.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Event;

namespace mapsource {

using glm::vec3;

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

    // mode 0 solid, 1 the six faces, 2 the four sides
    void box(int type, int x0, int y0, int z0, int x1, int y1, int z1, int mode);
    void room(const std::vector<std::string>& t);
    void paint(const std::vector<std::string>& t, bool alongPath);
    void plantTrees(const std::vector<std::string>& t);
    void scatterBoulders(const std::vector<std::string>& t);
    void vaskBall(const std::vector<std::string>& t);
    void placePlayer(const std::vector<std::string>& t);
    void addShip(const std::vector<std::string>& t);
    void sphere(int type, int cx, int cy, int cz, float r);
    void line(int type, vec3 a, vec3 b, float r);
    bool tree(int x, int z, int h, uint64_t grain);
    void addMind(const std::vector<std::string>& t);
    void addTurret(const std::vector<std::string>& t);
};

}  // namespace mapsource
