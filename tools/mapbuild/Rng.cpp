#include "Rng.h"

#include <cmath>

static uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

uint64_t MapRng::next() {
    state += 0x9e3779b97f4a7c15ull;
    return mix(state);
}

int MapRng::range(int lo, int hi) {
    if (hi <= lo) return lo;
    uint64_t span = uint64_t(int64_t(hi) - lo + 1);
    return int(int64_t(lo) + int64_t(next() % span));
}

float MapRng::unit() { return float(next() >> 40) / float(1ull << 24); }

uint64_t hashPoint(int64_t x, int64_t y, int64_t z, uint64_t seed) {
    uint64_t h = mix(seed ^ 0x51ed270b1f3a8c4dull);
    h = mix(h ^ uint64_t(x));
    h = mix(h ^ (uint64_t(y) * 0x9e3779b97f4a7c15ull));
    h = mix(h ^ (uint64_t(z) * 0xc2b2ae3d27d4eb4full));
    return h;
}

float hashUnit(int64_t x, int64_t y, int64_t z, uint64_t seed) {
    return float(hashPoint(x, y, z, seed) >> 40) / float(1ull << 24);
}

static float smooth(float t) { return t * t * (3.0f - 2.0f * t); }
static float lerp(float a, float b, float t) { return a + (b - a) * t; }
static float lattice(int64_t x, int64_t y, int64_t z, uint64_t seed) {
    return hashUnit(x, y, z, seed) * 2.0f - 1.0f;
}

float valueNoise2(float x, float z, float scale, uint64_t seed) {
    return valueNoise3(x, 0.0f, z, scale, seed);
}

float valueNoise3(float x, float y, float z, float scale, uint64_t seed) {
    if (scale <= 0.0f) scale = 1.0f;
    float fx = x / scale, fy = y / scale, fz = z / scale;
    float bx = std::floor(fx), by = std::floor(fy), bz = std::floor(fz);
    int64_t ix = int64_t(bx), iy = int64_t(by), iz = int64_t(bz);
    float tx = smooth(fx - bx), ty = smooth(fy - by), tz = smooth(fz - bz);
    float c[2][2];
    for (int dy = 0; dy < 2; dy++)
        for (int dz = 0; dz < 2; dz++)
            c[dy][dz] = lerp(lattice(ix, iy + dy, iz + dz, seed), lattice(ix + 1, iy + dy, iz + dz, seed), tx);
    return lerp(lerp(c[0][0], c[0][1], tz), lerp(c[1][0], c[1][1], tz), ty);
}

float fractalNoise2(float x, float z, float scale, int octaves, uint64_t seed) {
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; i++) {
        sum += weight * valueNoise2(x, z, scale, seed + uint64_t(i) * 7919u);
        total += weight;
        weight *= 0.5f;
        scale *= 0.5f;
        if (scale < 1.0f) break;
    }
    return total > 0.0f ? sum / total : 0.0f;
}
