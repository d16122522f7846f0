#pragma once
// The terrain recipe of a map source: a height field shaped by an ordered list
// of operations, and the layers that turn it into cells (top, soil, rock,
// water, shore).
#include <cstddef>
#include <cstdint>
#include <vector>

class World;

struct WeightedType {
    int type;
    int weight;
};

class Terrain {
public:
    Terrain(int width, int depth, uint64_t seed);

    void ground(float h);
    void addNoise(float amp, float scale, int octaves, uint64_t seed);
    // Smooth bump of height h (negative digs) and radius r.
    void hill(float x, float z, float r, float h);
    // The same bump drawn along a segment.
    void ridge(float x0, float z0, float x1, float z1, float r, float h);
    // Sets the height to h inside radius r, blending back over `edge` cells.
    void flatten(float x, float z, float r, float h, float edge);
    void flattenRect(float x0, float z0, float x1, float z1, float h, float edge);
    float at(int x, int z) const { return heights[size_t(x) * depth + z]; }

    // Writes the columns into w (cells only, no vask rules: terrain holds no vask).
    void materialize(World& w) const;

    std::vector<WeightedType> top;
    std::vector<WeightedType> rock;
    int soilType;
    int soilDepth;
    int waterLevel;  // -1: no water
    int shoreType;   // -1: no shore

private:
    int width, depth;
    uint64_t seed;
    std::vector<float> heights;

    int columnTop(int x, int z, int worldHeight) const;
};

// Picks from weighted types with a value in [0, 1).
int pickWeighted(const std::vector<WeightedType>& types, float u);
