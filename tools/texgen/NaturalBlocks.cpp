// Terrain and plants: stone kinds, soil, grass, trees, water.
#include "Paint.h"
#include "Painters.h"
#include "Rng.h"

static Image stone(int w, int h) {
  const Ramp ramp = {hex(0x4a4b53), hex(0x5a5b64), hex(0x6b6c75),
                     hex(0x7c7d86), hex(0x8e8f98), hex(0xa2a3ab)};
  uint32_t s = seedOf("stone");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    Cell c = worley(u, v, 4, s + 7);
    // Each lump of rock faces the light a little differently.
    float t =
        0.3f + 0.3f * hash01(c.id, 0, s) - 0.45f * (c.ox + c.oy) * 0.5f + 0.45f * (fbm(u, v, 8, 2, s) - 0.5f);
    if (c.f2 - c.f1 < 0.06f) t = 0.0f;
    return t;
  });
  Rng rng("stone");
  for (int i = 0; i < 8; ++i) img.shade(rng.range(0, w - 1), rng.range(0, h - 1), 1.15f);
  for (int i = 0; i < 6; ++i) img.shade(rng.range(0, w - 1), rng.range(0, h - 1), 0.8f);
  return img;
}

static Image stoneDark(int w, int h) {
  const Ramp ramp = {hex(0x1b1c22), hex(0x272831), hex(0x33353f), hex(0x42444f), hex(0x555763)};
  uint32_t s = seedOf("stoneDark");
  return rampFill(w, h, ramp, [&](float u, float v) {
    Cell c = worley(u, v, 3, s);
    float facet = 0.3f + 0.45f * hash01(c.id, 3, s);
    float t = facet + 0.25f * (fbm(u, v, 8, 2, s + 1) - 0.5f) - 0.35f * c.oy;
    if (c.f2 - c.f1 < 0.09f) t = 0.0f;
    return t;
  });
}

static Image stoneSand(int w, int h) {
  const Ramp ramp = {hex(0x8c6d45), hex(0xa6865a), hex(0xbf9f6e), hex(0xd4b883), hex(0xe6cf9c)};
  uint32_t s = seedOf("stoneSand");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    float n = fbm(u, v, 4, 2, s);
    float band = std::sin(2 * kPi * (v * 3 + 0.6f * n));
    return 0.55f + 0.3f * band + 0.35f * (fbm(u, v, 8, 2, s + 3) - 0.5f);
  });
  Rng rng("stoneSand");
  for (int i = 0; i < 6; ++i) {
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.shade(x, y, 0.72f);
    img.shade(x, y - 1, 0.9f);
  }
  return img;
}

static Image bedrock(int w, int h) {
  const Ramp ramp = {hex(0x0e0e11), hex(0x1b1b20), hex(0x2a2a31), hex(0x3d3d46), hex(0x55555f)};
  uint32_t s = seedOf("BBlock");
  return rampFill(w, h, ramp, [&](float u, float v) {
    Cell c = worley(u, v, 4, s);
    float t = contrast(fbm(u, v, 4, 3, s + 2), 2.2f) - 0.5f * c.f1;
    if (c.f1 < 0.18f) t += 0.35f;  // glassy flecks
    return t;
  });
}

static Image dirt(int w, int h) {
  const Ramp ramp = {hex(0x3a2415), hex(0x513220), hex(0x67422b), hex(0x7d5336), hex(0x946645)};
  uint32_t s = seedOf("dirt");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    return contrast(fbm(u, v, 4, 3, s), 1.7f) + 0.25f * (hash01((int)(u * 64), (int)(v * 64), s) - 0.5f);
  });
  Rng rng("dirt");
  for (int i = 0; i < 5; ++i) {
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.setWrap(x, y, hex(0x8a7a68));
    img.setWrap(x + 1, y, hex(0x736452));
    img.setWrap(x, y - 1, hex(0xb0a08a));
    img.setWrap(x + 1, y + 1, hex(0x2c1b10));
  }
  return img;
}

// Grass variants share one look and differ in tint and small details,
// so a meadow of mixed variants reads as one surface with some life in it.
struct GrassStyle {
  float hueWarm;  // shifts green towards yellow
  float bright;
  int flowers;  // tiny blossoms
  bool dryPatch;
};

static Image grassWith(int w, int h, const std::string& name, GrassStyle st) {
  Ramp ramp = {hex(0x2a5a1c), hex(0x377024), hex(0x45872c), hex(0x569e37), hex(0x6fb646)};
  for (Rgba& c : ramp) {
    c.r = clampByte(c.r * st.bright + 40 * st.hueWarm);
    c.g = clampByte(c.g * st.bright + 6 * st.hueWarm);
    c.b = clampByte(c.b * st.bright);
  }
  uint32_t s = seedOf(name);
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    float t = contrast(fbm(u, v, 4, 2, s), 1.5f);
    t += 0.3f * (hash01((int)(u * w), (int)(v * h), s + 9) - 0.5f);
    return t;
  });
  Rng rng(name);
  for (int i = 0; i < 22; ++i) {  // blades: a light tip over a dark foot
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.setWrap(x, y, ramp[4]);
    img.setWrap(x, y + 1, ramp[3]);
    img.setWrap(x, y + 2, ramp[0]);
  }
  if (st.dryPatch) {
    const Rgba straw = hex(0x9a9a48);
    int cx = rng.range(0, w - 1), cy = rng.range(0, h - 1);
    for (int k = 0; k < 9; ++k) img.setWrap(cx + rng.range(-2, 2), cy + rng.range(-1, 1), straw);
  }
  const Rgba petals[] = {hex(0xf4f0d8), hex(0xf0d040), hex(0xd890d8)};
  for (int i = 0; i < st.flowers; ++i) {
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.setWrap(x, y, petals[i % 3]);
    img.setWrap(x, y + 1, ramp[0]);
  }
  return img;
}

static Image clover(int w, int h) {
  Image img = grassWith(w, h, "clover", {-0.2f, 0.92f, 0, false});
  Rng rng("clover");
  const Rgba leaf = hex(0x5fb452), dark = hex(0x2c5a22), mid = hex(0x4a9a3e);
  for (int i = 0; i < 7; ++i) {  // three-lobed leaves
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.setWrap(x, y - 1, leaf);
    img.setWrap(x - 1, y, mid);
    img.setWrap(x + 1, y, leaf);
    img.setWrap(x, y, dark);
    img.setWrap(x, y + 1, dark);
  }
  for (int i = 0; i < 2; ++i) {  // clover blossoms
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.setWrap(x, y, hex(0xf2eef0));
    img.setWrap(x + 1, y, hex(0xe8b8d0));
    img.setWrap(x, y + 1, hex(0xd898b8));
  }
  return img;
}

static Image trunk(int w, int h) {
  const Ramp ramp = {hex(0x2b1c10), hex(0x402c19), hex(0x573d24), hex(0x6d4e30), hex(0x85623f)};
  uint32_t s = seedOf("trunk");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    float t = contrast(fbm2(u, v, 8, 2, 3, s), 2.0f);
    float ridge = std::fabs(std::sin(2 * kPi * (u * 4 + 0.15f * fbm2(u, v, 2, 4, 2, s + 5))));
    if (ridge < 0.22f) t = 0.05f;  // fissures between bark ridges
    return t;
  });
  return img;
}

static Image leaves(int w, int h) {
  const Ramp ramp = {hex(0x143712), hex(0x1e4e19), hex(0x296621),
                     hex(0x377f2b), hex(0x4e9b3b), hex(0x6db552)};
  uint32_t s = seedOf("leaves");
  return rampFill(w, h, ramp, [&](float u, float v) {
    Cell c = worley(u, v, 5, s);
    float t = 0.85f - 1.1f * c.f1 - 0.45f * c.oy + 0.2f * (hash01(c.id, 1, s) - 0.5f);
    if (c.f2 - c.f1 < 0.12f) t = 0.02f;  // shade between leaf clusters
    return t;
  });
}

static Image water(int w, int h) {
  const Ramp ramp = {hex(0x17407a, 175), hex(0x1f5190, 170), hex(0x2a64a6, 165),
                     hex(0x3a7bbf, 165), hex(0x5296d2, 175), hex(0x9ccaf0, 200)};
  uint32_t s = seedOf("water");
  return rampFill(w, h, ramp, [&](float u, float v) {
    float n = fbm(u, v, 2, 3, s);
    float wave = std::sin(2 * kPi * (v * 3 + 0.25f * std::sin(2 * kPi * (u * 2 + n))));
    float t = 0.25f + 0.5f * n;
    if (wave > 0.86f)
      t = 0.99f;  // crest glint
    else if (wave > 0.55f)
      t += 0.22f;  // crest body
    else if (wave < -0.7f)
      t -= 0.15f;  // trough
    return t;
  });
}

static Image redDesert(int w, int h) {
  const Ramp ramp = {hex(0x6e2a18), hex(0x8c3a22), hex(0xa84d2d), hex(0xc1623b), hex(0xd87d50)};
  uint32_t s = seedOf("redDesert");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    float n = fbm(u, v, 2, 2, s);
    float ripple = std::sin(2 * kPi * (v * 4 + 0.5f * std::sin(2 * kPi * u) + 0.4f * n));
    return 0.5f + 0.32f * ripple + 0.3f * (fbm(u, v, 8, 1, s + 4) - 0.5f);
  });
  Rng rng("redDesert");
  for (int i = 0; i < 6; ++i) img.shade(rng.range(0, w - 1), rng.range(0, h - 1), 1.2f);
  return img;
}

void addNaturalBlocks(PainterTable& t) {
  t.insert({{"stone", stone}, {"stoneDark", stoneDark}, {"stoneSand", stoneSand}, {"BBlock", bedrock},
            {"dirt", dirt},
            {"grass", [](int w, int h) { return grassWith(w, h, "grass", {0.0f, 1.0f, 0, false}); }},
            {"grass2", [](int w, int h) { return grassWith(w, h, "grass2", {0.35f, 1.0f, 0, false}); }},
            {"grass3", [](int w, int h) { return grassWith(w, h, "grass3", {-0.1f, 0.88f, 0, false}); }},
            {"grass4", [](int w, int h) { return grassWith(w, h, "grass4", {0.1f, 1.02f, 3, false}); }},
            {"grass5", [](int w, int h) { return grassWith(w, h, "grass5", {0.25f, 0.97f, 0, true}); }},
            {"clover", clover}, {"trunk", trunk}, {"leaves", leaves}, {"water", water},
            {"redDesert", redDesert}});
}
