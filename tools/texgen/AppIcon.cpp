// The desktop icon: the window icon's eye in a disc of vask flesh, drawn from
// shapes rather than pixel art so it stays sharp at every size a menu asks for.
#include <cmath>

#include "Paint.h"
#include "Painters.h"

namespace {

const Rgba kClear = hex(0x000000, 0);

// Colour of the design at (u, v) in [0, 1]², the picture's centre at (0.5, 0.5).
Rgba iconAt(float u, float v, uint32_t seed) {
  const float dx = u - 0.5f, dy = v - 0.5f, r = std::sqrt(dx * dx + dy * dy);
  if (r > 0.48f) return kClear;
  if (r > 0.445f) return hex(0x1a0628);

  // The eye: an almond whose edge is where m reaches 1, in rings like the
  // window icon's (dark lid, red rim, green, yellow iris, black slit).
  const float halfWidth = 0.37f, halfHeight = 0.19f;
  const float m = std::fabs(dy) / halfHeight + (dx / halfWidth) * (dx / halfWidth);
  if (m < 1.0f) {
    const float hx = dx + 0.075f, hy = dy + 0.06f;
    if (hx * hx + hy * hy < 0.032f * 0.032f) return hex(0xffffff);
    const float px = dx / 0.04f, py = dy / 0.15f;
    if (px * px + py * py < 1.0f) return hex(0x050208);
    if (m > 0.84f) return hex(0x08020c);
    if (m > 0.68f) return hex(0xc0186a);
    if (m > 0.5f) return hex(0x7ee030);
    return mix(hex(0xe8ff70), hex(0xb8d040), r / 0.2f);
  }

  const Ramp flesh = {hex(0x2a0c40), hex(0x421660), hex(0x5e2480), hex(0x7c38a0)};
  Cell c = worley(u, v, 5, seed);
  if (c.f2 - c.f1 < 0.07f) return hex(0x7ee030);
  return pick(flesh, 0.25f + 1.1f * c.f1 - 0.9f * dy);
}

}  // namespace

Image paintAppIcon(int size) {
  // Four by four samples a pixel: smooth edges without a blur pass.
  constexpr int kSamples = 4;
  const uint32_t seed = seedOf("VaskIcon");
  Image img(size, size, kClear);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          Rgba c = iconAt((x + (sx + 0.5f) / kSamples) / size, (y + (sy + 0.5f) / kSamples) / size, seed);
          r += c.r * c.a, g += c.g * c.a, b += c.b * c.a, a += c.a;
        }
      if (a <= 0) continue;
      img.set(x, y, {clampByte(r / a), clampByte(g / a), clampByte(b / a), clampByte(a / (kSamples * kSamples))});
    }
  return img;
}
