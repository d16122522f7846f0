#pragma once
// Colours and shade ramps shared by every painter.
#include <algorithm>
#include <cstdint>
#include <vector>

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
  bool operator!=(const Rgba& o) const { return !(*this == o); }
};

inline uint8_t clampByte(float v) { return (uint8_t)std::clamp((int)(v + 0.5f), 0, 255); }

// 0xRRGGBB plus an alpha byte.
inline Rgba hex(uint32_t rgb, uint8_t a = 255) {
  return {(uint8_t)(rgb >> 16), (uint8_t)(rgb >> 8), (uint8_t)rgb, a};
}

inline Rgba mix(Rgba x, Rgba y, float t) {
  return {clampByte(x.r + (y.r - x.r) * t), clampByte(x.g + (y.g - x.g) * t),
          clampByte(x.b + (y.b - x.b) * t), clampByte(x.a + (y.a - x.a) * t)};
}

// Multiplies the colour channels; alpha is kept.
inline Rgba scale(Rgba c, float f) {
  return {clampByte(c.r * f), clampByte(c.g * f), clampByte(c.b * f), c.a};
}

// A dark-to-light list of shades; pixel art picks discrete steps from it
// instead of blending smoothly, which keeps the look crisp.
using Ramp = std::vector<Rgba>;

inline Rgba pick(const Ramp& ramp, float t) {
  int n = (int)ramp.size();
  int i = std::clamp((int)(t * n), 0, n - 1);
  return ramp[i];
}
