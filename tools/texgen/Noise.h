#pragma once
// Tileable noise for block textures: every function repeats with the given
// period, so a block face joins its neighbours without seams.
#include <cstdint>

// Value noise at lattice coordinates (x, y), repeating every `period`
// lattice cells. Result in [0, 1].
float valueNoise(float x, float y, int period, uint32_t seed);

// Sum of `octaves` value-noise layers for texture coordinates u, v in [0, 1);
// the first layer has `period` cells across the texture, each next one twice
// as many at half the weight. Result in [0, 1].
float fbm(float u, float v, int period, int octaves, uint32_t seed);

// Same as fbm, but with separate periods along u and v (streaky materials).
float fbm2(float u, float v, int periodU, int periodV, int octaves, uint32_t seed);

// Cellular noise: one feature point per cell of a cells x cells grid over
// u, v in [0, 1), wrapping. Distances are in cell units.
struct Cell {
  float f1 = 0, f2 = 0;  // distance to nearest and second-nearest point
  int id = 0;            // index of the nearest point, stable per cell
  float ox = 0, oy = 0;  // offset from the nearest point, in cell units
};
Cell worley(float u, float v, int cells, uint32_t seed);

// A hash in [0, 1) for integer inputs.
float hash01(int x, int y, uint32_t seed);
