#pragma once
// Helpers shared by the block painters.
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "Image.h"
#include "Noise.h"
#include "Rng.h"

constexpr float kPi = 3.14159265f;

// Texture coordinates of a pixel centre.
inline float uOf(int x, int w) { return (x + 0.5f) / w; }

// Fills every pixel with the ramp entry chosen by f(u, v) in [0, 1].
inline Image rampFill(int w, int h, const Ramp& ramp, const std::function<float(float, float)>& f) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.set(x, y, pick(ramp, f(uOf(x, w), uOf(y, h))));
  return img;
}

// Stretches a [0, 1] value around its middle.
inline float contrast(float t, float k) { return 0.5f + (t - 0.5f) * k; }

// A ramp of shades of one colour, from dark to light.
inline Ramp shadesOf(Rgba base, int n = 5, float lo = 0.6f, float hi = 1.25f) {
  Ramp r;
  for (int i = 0; i < n; ++i) r.push_back(scale(base, lo + (hi - lo) * i / (n - 1)));
  return r;
}

// A meandering one-pixel path that wraps around the edges: starts at
// (x, y) heading roughly along angle `dir` (radians) and turns a little at
// every step. Returns the pixels it visited.
inline std::vector<std::pair<int, int>> wanderPath(int w, int h, Rng& rng, float x, float y, float dir,
                                                   int steps, float wobble = 0.5f) {
  std::vector<std::pair<int, int>> path;
  int lastX = -9999, lastY = -9999;
  for (int i = 0; i < steps * 3; ++i) {
    int px = (((int)std::floor(x) % w) + w) % w, py = (((int)std::floor(y) % h) + h) % h;
    if (px != lastX || py != lastY) path.push_back({px, py});
    lastX = px, lastY = py;
    if ((int)path.size() >= steps) break;
    dir += (rng.unit() - 0.5f) * wobble;
    x += 0.5f * std::cos(dir);
    y += 0.5f * std::sin(dir);
  }
  return path;
}
