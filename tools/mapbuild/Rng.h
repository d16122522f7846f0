#pragma once
// The map builder's own randomness. Maps must come out byte-identical from the
// same sources on every build, so nothing here touches rand(), the clock or any
// global state: a generator is a seed and a counter, and noise is a pure hash of
// the lattice point and the seed.
#include <cstdint>

class MapRng {
public:
    explicit MapRng(uint64_t seed) : state(seed) {}
    uint64_t next();
    // Uniform integer in [lo, hi], both inclusive; lo when hi < lo.
    int range(int lo, int hi);
    // Uniform float in [0, 1).
    float unit();

private:
    uint64_t state;
};

// Well-mixed 64-bit hash of a lattice point under a seed.
uint64_t hashPoint(int64_t x, int64_t y, int64_t z, uint64_t seed);
// The hash as a float in [0, 1).
float hashUnit(int64_t x, int64_t y, int64_t z, uint64_t seed);

// Smooth value noise in [-1, 1] with features about `scale` cells wide.
float valueNoise2(float x, float z, float scale, uint64_t seed);
float valueNoise3(float x, float y, float z, float scale, uint64_t seed);
// Octaves of value noise, each half the size and half the weight of the last;
// the sum is normalised back to [-1, 1].
float fractalNoise2(float x, float z, float scale, int octaves, uint64_t seed);
