// Sky, landscape, panels' backdrop, beams, the ship's hull and the flat
// helper textures.
#include "Paint.h"
#include "Painters.h"
#include "Rng.h"

// Shown for any texture name the game cannot find, and as the translucent
// box of fields, so it is loud in colour but only half opaque.
static Image missing(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.set(x, y, ((x / 4) + (y / 4)) % 2 ? hex(0xff20ff, 140) : hex(0x200020, 110));
  return img;
}

static Image sun(int w, int h) {
  Image img(w, h);
  const float c = w / 2.0f, disc = w * 0.3f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float dx = x + 0.5f - c, dy = y + 0.5f - c, r = std::sqrt(dx * dx + dy * dy);
      Rgba p{};
      if (r < disc * 0.55f)
        p = hex(0xffffff);
      else if (r < disc * 0.85f)
        p = hex(0xfffbe0);
      else if (r < disc)
        p = hex(0xfff0a8);
      else if (r < c) {  // halo in steps, fading out
        float t = (r - disc) / (c - disc);
        int band = (int)(t * 4);
        static const uint8_t alpha[4] = {150, 95, 50, 20};
        p = hex(band < 2 ? 0xffe070 : 0xffc850, alpha[std::min(band, 3)]);
      }
      img.set(x, y, p);
    }
  return img;
}

// Farmland seen from far above: fields in a patchwork, hedges between
// them, woods and a few ponds. It tiles in both directions.
static Image country(int w, int h) {
  uint32_t s = seedOf("country");
  const Rgba crops[] = {hex(0x5c8a34), hex(0x6f9a3c), hex(0x8aa848), hex(0xb8a858),
                        hex(0x9a7a48), hex(0x4e7a2e), hex(0xa8b460), hex(0x76843a)};
  const Ramp forest = {hex(0x1c3c16), hex(0x24501c), hex(0x2f6424)};
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float u = uOf(x, w), v = uOf(y, h);
      Cell c = worley(u, v, 6, s);
      Rgba p = crops[(int)(hash01(c.id, 0, s) * 8)];
      bool stripes = hash01(c.id, 1, s) < 0.5f;
      if (stripes && ((x + (hash01(c.id, 2, s) < 0.5f ? y : 0)) / 2) % 2) p = scale(p, 0.9f);
      if (c.f2 - c.f1 < 0.05f) p = hex(0x3a5222);  // hedgerows and tracks
      float wood = fbm(u, v, 4, 3, s + 9);
      if (wood > 0.6f) p = pick(forest, (wood - 0.6f) * 6 + 0.3f * hash01(x, y, s));
      float pond = fbm(u, v, 3, 2, s + 21);
      if (pond < 0.24f) p = pond < 0.21f ? hex(0x2c5a8a) : hex(0x6a8a5a);
      img.set(x, y, p);
    }
  return img;
}

static Image blackground(int w, int h) {
  uint32_t s = seedOf("blackground");
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float n = fbm(uOf(x, w), uOf(y, h), 4, 2, s);
      Rgba p = mix(hex(0x080a12, 225), hex(0x141a2a, 225), n);
      if (y % 2) p = scale(p, 0.92f);  // faint scanlines
      img.set(x, y, p);
    }
  img.outlineRect(0, 0, w, h, hex(0x2e3850, 235));
  return img;
}

static Image beam(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float d = std::fabs(y + 0.5f - h / 2.0f) / (h / 2.0f);  // 0 at the core
      float pulse = 0.08f * std::sin(2 * kPi * (x + 0.5f) / w * 2);
      float t = std::clamp(1 - d + pulse, 0.0f, 1.0f);
      Rgba p = t > 0.8f    ? hex(0xffffff)
               : t > 0.55f ? hex(0xb8f4ff)
               : t > 0.3f  ? hex(0x4cc8f0)
                           : hex(0x1a78c0);
      p.a = clampByte(150 + 105 * t);
      img.set(x, y, p);
    }
  return img;
}

// Hull plating for the player's ship: panels, seams, rivets, a red band
// and a row of lit ports.
static Image shipHull(int w, int h) {
  const Ramp plate = {hex(0x5a616c), hex(0x6e7682), hex(0x848c98), hex(0x9aa2ad), hex(0xb0b7c1)};
  uint32_t s = seedOf("ship2");
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int row = y / 16, lx = (x + (row % 2) * 8) % 16, ly = y % 16;
      int id = row * 8 + (x + (row % 2) * 8) / 16;
      float t = 0.4f + 0.3f * hash01(id, 0, s) + 0.15f * (fbm(uOf(x, w), uOf(y, h), 8, 2, s) - 0.5f);
      if (ly == 0 || lx == 0) t += 0.3f;
      if (ly == 15 || lx == 15) t = 0.0f;
      if ((lx == 2 || lx == 13) && (ly == 2 || ly == 13)) t = 0.99f;
      img.set(x, y, pick(plate, t));
    }
  for (int x = 0; x < w; ++x) {
    for (int y = 36; y < 42; ++y)
      img.set(x, y, y == 36 ? hex(0xe85a4a) : y == 41 ? hex(0x6a1a14) : hex(0xb82c24));
    img.set(x, 42, hex(0x2a2e36));
  }
  for (int k = 0; k < 4; ++k) {  // ports
    int px = 4 + k * 16;
    img.fillRect(px, 22, 8, 5, hex(0x1a2634));
    img.fillRect(px + 1, 23, 6, 3, hex(0x58c8f0));
    img.fillRect(px + 1, 23, 2, 1, hex(0xd8f8ff));
  }
  for (int x = 0; x < w; x += 2)  // vents
    for (int y = 50; y < 58; ++y) img.set(x + (y % 2), y, scale(img.get(x, y), 0.6f));
  return img;
}

void addScenery(PainterTable& t) {
  t.insert({{"dne", missing}, {"sun", sun}, {"country", country}, {"blackground", blackground}, {"beam", beam},
            {"ship2", shipHull}, {"white1", [](int w, int h) { return Image(w, h, hex(0xffffff)); }},
            // Behind panels and HUD text: dark, with the world still showing through.
            {"shade", [](int w, int h) { return Image(w, h, hex(0x0a0d16, 170)); }}});
}
