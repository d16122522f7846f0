#include "Terrain.h"

#include "Rng.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace {

// Cosine falloff: 1 at the centre, 0 at distance r and beyond.
float bump(float d, float r) {
    if (r <= 0.0f || d >= r) return 0.0f;
    float c = std::cos(d / r * 1.5707964f);
    return c * c;
}

float segmentDistance(float px, float pz, float x0, float z0, float x1, float z1) {
    float dx = x1 - x0, dz = z1 - z0;
    float len2 = dx * dx + dz * dz;
    float t = len2 > 0.0f ? ((px - x0) * dx + (pz - z0) * dz) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    float ex = px - (x0 + t * dx), ez = pz - (z0 + t * dz);
    return std::sqrt(ex * ex + ez * ez);
}

}  // namespace

int pickWeighted(const std::vector<WeightedType>& types, float u) {
    int total = 0;
    for (const WeightedType& t : types) total += t.weight;
    if (types.empty() || total <= 0) return 0;
    int at = std::min(int(u * float(total)), total - 1);
    for (const WeightedType& t : types) {
        if (at < t.weight) return t.type;
        at -= t.weight;
    }
    return types.back().type;
}

Terrain::Terrain(int w, int d, uint64_t s)
    : soilType(33), soilDepth(3), waterLevel(-1), shoreType(-1), width(w), depth(d), seed(s),
      heights(size_t(w) * d, 8.0f) {
    top = {{24, 1}};
    rock = {{3, 1}};
}

void Terrain::ground(float h) { std::fill(heights.begin(), heights.end(), h); }

void Terrain::addNoise(float amp, float scale, int octaves, uint64_t s) {
    for (int x = 0; x < width; x++)
        for (int z = 0; z < depth; z++)
            heights[size_t(x) * depth + z] += amp * fractalNoise2(float(x), float(z), scale, octaves, s);
}

void Terrain::hill(float cx, float cz, float r, float h) {
    for (int x = 0; x < width; x++)
        for (int z = 0; z < depth; z++) {
            float d = std::sqrt((x - cx) * (x - cx) + (z - cz) * (z - cz));
            heights[size_t(x) * depth + z] += h * bump(d, r);
        }
}

void Terrain::ridge(float x0, float z0, float x1, float z1, float r, float h) {
    for (int x = 0; x < width; x++)
        for (int z = 0; z < depth; z++)
            heights[size_t(x) * depth + z] += h * bump(segmentDistance(float(x), float(z), x0, z0, x1, z1), r);
}

void Terrain::flatten(float cx, float cz, float r, float h, float edge) {
    for (int x = 0; x < width; x++)
        for (int z = 0; z < depth; z++) {
            float d = std::sqrt((x - cx) * (x - cx) + (z - cz) * (z - cz));
            float& v = heights[size_t(x) * depth + z];
            if (d <= r) v = h;
            else if (edge > 0.0f && d < r + edge) v = h + (v - h) * (1.0f - bump(d - r, edge));
        }
}

void Terrain::flattenRect(float x0, float z0, float x1, float z1, float h, float edge) {
    if (x1 < x0) std::swap(x0, x1);
    if (z1 < z0) std::swap(z0, z1);
    for (int x = 0; x < width; x++)
        for (int z = 0; z < depth; z++) {
            float dx = std::max({x0 - float(x), 0.0f, float(x) - x1});
            float dz = std::max({z0 - float(z), 0.0f, float(z) - z1});
            float d = std::sqrt(dx * dx + dz * dz);
            float& v = heights[size_t(x) * depth + z];
            if (d <= 0.0f) v = h;
            else if (edge > 0.0f && d < edge) v = h + (v - h) * (1.0f - bump(d, edge));
        }
}

int Terrain::columnTop(int x, int z, int worldHeight) const {
    int h = int(std::lround(at(x, z)));
    return std::clamp(h, 1, worldHeight - 3);
}

void Terrain::materialize(World& w) const {
    const int H = int(w.height);
    // Shores are the low land within a few steps of open water, not every low spot.
    std::vector<char> nearWater(heights.size(), 0);
    if (waterLevel >= 0 && shoreType >= 0)
        for (int x = 0; x < width; x++)
            for (int z = 0; z < depth; z++) {
                if (columnTop(x, z, H) >= waterLevel) continue;
                for (int dx = -3; dx <= 3; dx++)
                    for (int dz = -3; dz <= 3; dz++)
                        if (x + dx >= 0 && z + dz >= 0 && x + dx < width && z + dz < depth)
                            nearWater[size_t(x + dx) * depth + z + dz] = 1;
            }
    for (int x = 0; x < width; x++)
        for (int z = 0; z < depth; z++) {
            int t = columnTop(x, z, H);
            // Patches rather than salt and pepper: low-frequency noise plus a little grain.
            float patch = 0.5f + 0.5f * valueNoise2(float(x), float(z), 7.0f, seed + 11);
            float u = std::clamp(0.75f * patch + 0.25f * hashUnit(x, 0, z, seed + 12), 0.0f, 0.999f);
            int topType = pickWeighted(top, u);
            bool underwater = waterLevel >= 0 && t < waterLevel;
            bool shore = nearWater[size_t(x) * depth + z] && t >= waterLevel && t <= waterLevel + 1;
            if (underwater) topType = shoreType >= 0 ? shoreType : soilType;
            else if (shore) topType = shoreType;
            for (int y = 0; y <= t; y++) {
                int type;
                if (y == t) type = topType;
                else if (y > t - 1 - soilDepth) type = soilType;
                else {
                    // Rock variants run in veins through the ground.
                    float v = 0.5f + 0.5f * valueNoise3(float(x), float(y) * 2.0f, float(z), 6.0f, seed + 13);
                    type = pickWeighted(rock, std::clamp(v, 0.0f, 0.999f));
                }
                w.cell(x, y, z) = Block(short(type));
            }
            if (underwater)
                for (int y = t + 1; y <= waterLevel && y < H; y++) w.cell(x, y, z) = Block(19);
        }
}
