#pragma once
// Helpers shared by the block painters.
#include <cmath>
#include <functional>

#include "Image.h"
#include "Noise.h"

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
