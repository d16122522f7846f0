#include "Noise.h"

#include <cmath>

static uint32_t mixBits(uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

float hash01(int x, int y, uint32_t seed) {
  uint32_t h = mixBits((uint32_t)x * 0x27d4eb2dU ^ mixBits((uint32_t)y * 0x165667b1U ^ seed));
  return (h >> 8) / 16777216.0f;
}

static int wrapInt(int v, int p) { return ((v % p) + p) % p; }
static float smooth(float t) { return t * t * (3 - 2 * t); }

static float valueNoise2(float x, float y, int pu, int pv, uint32_t seed) {
  int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
  float fx = smooth(x - x0), fy = smooth(y - y0);
  auto at = [&](int i, int j) { return hash01(wrapInt(i, pu), wrapInt(j, pv), seed); };
  float a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
  return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float valueNoise(float x, float y, int period, uint32_t seed) {
  return valueNoise2(x, y, period, period, seed);
}

float fbm2(float u, float v, int periodU, int periodV, int octaves, uint32_t seed) {
  float sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * valueNoise2(u * periodU, v * periodV, periodU, periodV, seed + 101 * o);
    total += weight;
    weight *= 0.5f;
    periodU *= 2;
    periodV *= 2;
  }
  return sum / total;
}

float fbm(float u, float v, int period, int octaves, uint32_t seed) {
  return fbm2(u, v, period, period, octaves, seed);
}

Cell worley(float u, float v, int cells, uint32_t seed) {
  float x = u * cells, y = v * cells;
  int cx = (int)std::floor(x), cy = (int)std::floor(y);
  Cell best;
  best.f1 = best.f2 = 1e9f;
  for (int j = -2; j <= 2; ++j)
    for (int i = -2; i <= 2; ++i) {
      int gx = cx + i, gy = cy + j;
      int wx = wrapInt(gx, cells), wy = wrapInt(gy, cells);
      float px = gx + 0.15f + 0.7f * hash01(wx, wy, seed);
      float py = gy + 0.15f + 0.7f * hash01(wx, wy, seed ^ 0x5bd1e995U);
      float dx = x - px, dy = y - py;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d < best.f1) {
        best.f2 = best.f1;
        best.f1 = d;
        best.id = wy * cells + wx;
        best.ox = dx;
        best.oy = dy;
      } else if (d < best.f2) {
        best.f2 = d;
      }
    }
  return best;
}
