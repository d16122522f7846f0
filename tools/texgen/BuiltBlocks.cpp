// Building materials placed by map makers: masonry, roads, roofs, wood,
// glass, paint, metal and the decorative blocks.
#include "Paint.h"
#include "Painters.h"
#include "Rng.h"

static Image brick(int w, int h) {
  const Ramp ramp = {hex(0x5e2016), hex(0x7a2c1c), hex(0x953a24), hex(0xab4a2e), hex(0xc0603e)};
  const Rgba mortar = hex(0xb3aa9c), mortarDark = hex(0x948b7e);
  uint32_t s = seedOf("brick");
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int row = y / 4, ly = y % 4;
      int bx = (x + (row % 2) * 4) % 16;
      int brickId = row * 4 + (x + (row % 2) * 4) / 8;
      if (ly == 3 || bx % 8 == 7) {
        img.set(x, y, hash01(x, y, s) < 0.3f ? mortarDark : mortar);
        continue;
      }
      float t = 0.3f + 0.35f * hash01(brickId, 0, s) + 0.25f * (hash01(x, y, s + 1) - 0.5f);
      if (ly == 0) t += 0.22f;  // lit top edge
      if (ly == 2) t -= 0.18f;
      if (bx % 8 == 6) t -= 0.12f;
      img.set(x, y, pick(ramp, t));
    }
  return img;
}

static const Ramp kAsphalt = {hex(0x26262a), hex(0x303036), hex(0x3a3a40), hex(0x45454c), hex(0x55555c)};

static Image asphalt(int w, int h, const std::string& name) {
  uint32_t s = seedOf(name);
  Image img = rampFill(w, h, kAsphalt, [&](float u, float v) {
    return 0.45f + 0.5f * (fbm(u, v, 4, 2, s) - 0.5f) + 0.6f * (hash01((int)(u * w), (int)(v * h), s) - 0.5f);
  });
  Rng rng(name);
  for (int i = 0; i < 7; ++i) img.set(rng.range(0, w - 1), rng.range(0, h - 1), hex(0x707078));
  return img;
}

// Paint on a road wears off in places.
static void roadPaint(Image& img, int x, int y, int rw, int rh, Rgba paint, const std::string& name) {
  uint32_t s = seedOf(name) + 17;
  for (int j = y; j < y + rh; ++j)
    for (int i = x; i < x + rw; ++i) {
      float r = hash01(i, j, s);
      if (r < 0.12f) continue;
      img.set(i, j, r < 0.3f ? scale(paint, 0.82f) : paint);
    }
}

static Image road2(int w, int h) {
  Image img = asphalt(w, h, "road2");
  roadPaint(img, 7, 2, 2, 10, hex(0xe0b42a), "road2");
  return img;
}

static Image road3(int w, int h) {
  Image img = asphalt(w, h, "road3");
  roadPaint(img, 2, 0, 3, 16, hex(0xe4e4dc), "road3");
  roadPaint(img, 10, 0, 3, 16, hex(0xe4e4dc), "road3");
  return img;
}

// Overlapping rows of tiles, each row shading from a lit top to a dark lip.
static Image tiles(int w, int h, const Ramp& ramp, int tileW, int tileH, bool rounded,
                   const std::string& name) {
  uint32_t s = seedOf(name);
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int row = y / tileH, ly = y % tileH;
      int shifted = x + (row % 2) * (tileW / 2);
      int lx = shifted % tileW, id = row * 16 + shifted / tileW;
      float t = 0.75f - 0.5f * ly / (tileH - 1) + 0.2f * (hash01(id, 5, s) - 0.5f) +
                0.12f * (hash01(x, y, s) - 0.5f);
      if (rounded) t += 0.25f * std::sin(kPi * (lx + 0.5f) / tileW) - 0.12f;
      if (lx == 0) t = 0.08f;
      if (ly == tileH - 1) t = 0.0f;
      img.set(x, y, pick(ramp, t));
    }
  return img;
}

static Image roof(int w, int h) {
  const Ramp ramp = {hex(0x4a1a10), hex(0x6e2818), hex(0x8c3620),
                     hex(0xa8462a), hex(0xc25a36), hex(0xd87448)};
  return tiles(w, h, ramp, 4, 4, true, "roof");
}

static Image roof2(int w, int h) {
  const Ramp ramp = {hex(0x1e2129), hex(0x2b2f3a), hex(0x373c4a),
                     hex(0x444a5b), hex(0x535a6e), hex(0x666e84)};
  return tiles(w, h, ramp, 8, 4, false, "roof2");
}

static const Ramp kConcrete = {hex(0x828280), hex(0x939391), hex(0xa3a3a0), hex(0xb2b2ae), hex(0xc0c0bc)};

static Image conc1(int w, int h) {
  uint32_t s = seedOf("conc1");
  Image img = rampFill(w, h, kConcrete, [&](float u, float v) {
    return 0.5f + 0.35f * (fbm(u, v, 4, 3, s) - 0.5f) + 0.3f * (hash01((int)(u * w), (int)(v * h), s) - 0.5f);
  });
  for (int y = 0; y < h; ++y) img.shade(w - 1, y, 0.78f);  // formwork joint
  for (int x = 0; x < w; ++x) img.shade(x, h - 1, 0.78f);
  for (auto [x, y] : {std::pair{4, 4}, std::pair{11, 11}}) {  // form-tie holes
    img.set(x, y, hex(0x4e4e4c));
    img.shade(x + 1, y, 0.85f);
    img.shade(x, y + 1, 1.1f);
  }
  return img;
}

static Image conc2(int w, int h) {
  uint32_t s = seedOf("conc2");
  Image img = rampFill(w, h, kConcrete, [&](float u, float v) {
    int slab = (int)(u * 2) + 2 * (int)(v * 2);
    return 0.35f + 0.3f * hash01(slab, 2, s) + 0.3f * (hash01((int)(u * w), (int)(v * h), s) - 0.5f);
  });
  for (int by = 0; by < h; by += 8)
    for (int bx = 0; bx < w; bx += 8) {
      img.bevel(bx, by, 8, 8, 1.1f, 0.72f);
      img.set(bx + 7, by + 7, hex(0x5c5c5a));
    }
  return img;
}

static const Ramp kOak = {hex(0x3b2212), hex(0x52301a), hex(0x683e22), hex(0x7e4e2c), hex(0x945f37)};
static const Ramp kPine = {hex(0x7e5728), hex(0x9a6e36), hex(0xb48544), hex(0xca9b55), hex(0xdcb06a)};
static const Ramp kParquet = {hex(0x5a3418), hex(0x744522), hex(0x8c572d), hex(0xa36a3a), hex(0xb98048)};

// Boards of `board` pixels running along x (or y when vertical), with grain,
// dark gaps and one butt joint per board.
static Image planks(int w, int h, const Ramp& ramp, int board, bool vertical, const std::string& name) {
  uint32_t s = seedOf(name);
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int along = vertical ? y : x, across = vertical ? x : y;
      int id = across / board, l = across % board;
      float u = uOf(vertical ? across : along, w), v = uOf(vertical ? along : across, h);
      float grain = vertical ? fbm2(u, v, 4, 1, 2, s) : fbm2(u, v, 1, 4, 2, s);
      float t = 0.25f + 0.35f * hash01(id, 0, s) + 0.5f * (grain - 0.5f);
      if (std::sin(2 * kPi * (across * 0.5f / board + grain * 1.5f)) > 0.8f) t -= 0.15f;
      int joint = (int)(hash01(id, 1, s) * 16);
      if (l == board - 1 || along == joint)
        t = 0.0f;
      else if (l == 0)
        t += 0.15f;
      img.set(x, y, pick(ramp, t));
    }
  return img;
}

static Image wood(int w, int h) {
  Image img = planks(w, h, kOak, 4, false, "wood");
  Rng rng("wood");
  for (int b = 0; b < 4; ++b) img.set(rng.range(1, 14), b * 4 + 1, hex(0x22140a));  // nails
  return img;
}

static Image pine(int w, int h) {
  Image img = planks(w, h, kPine, 4, true, "pine");
  for (auto [x, y] : {std::pair{1, 5}, std::pair{9, 12}, std::pair{13, 2}}) {  // knots
    img.set(x, y, hex(0x5e3c18));
    img.set(x + 1, y, hex(0x6e4820));
    img.set(x, y - 1, hex(0x8a6030));
    img.set(x, y + 1, hex(0x8a6030));
  }
  return img;
}

static Image woodTile(int w, int h) {
  uint32_t s = seedOf("woodTile");
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int bx = x / 8, by = y / 8;
      bool horizontal = (bx + by) % 2 == 0;
      int across = horizontal ? y % 8 : x % 8, along = horizontal ? x % 8 : y % 8;
      int id = (bx + 2 * by) * 2 + across / 4;
      float t =
          0.35f + 0.3f * hash01(id, 0, s) + 0.3f * (hash01(horizontal ? along / 2 : across, id, s) - 0.5f);
      if (across % 4 == 3)
        t = 0.02f;
      else if (across % 4 == 0)
        t += 0.2f;
      img.set(x, y, pick(kParquet, t));
    }
  return img;
}

static Image marble(int w, int h) {
  const Ramp ramp = {hex(0xcfccd0), hex(0xdddbda), hex(0xe8e6e2), hex(0xf2f0ec), hex(0xfaf9f5)};
  uint32_t s = seedOf("marble");
  Image img =
      rampFill(w, h, ramp, [&](float u, float v) { return 0.55f + 0.6f * (fbm(u, v, 2, 2, s) - 0.5f); });
  Rng rng("marble");
  const Rgba veins[] = {hex(0x8c8898), hex(0xb0adb8), hex(0xbab6c4)};
  for (int k = 0; k < 3; ++k) {
    auto path = wanderPath(w, h, rng, rng.range(0, w - 1), rng.range(0, h - 1), 0.6f + rng.unit() * 0.4f,
                           k == 0 ? 24 : 10, 0.7f);
    for (auto [x, y] : path) {
      img.set(x, y, veins[k]);
      if (k == 0) img.setWrap(x + 1, y, veins[2]);
    }
  }
  return img;
}

static Image windowPane(int w, int h) {
  Image img(w, h, hex(0x9ccbe8, 80));
  for (int i = 0; i < w + h; ++i)  // glints across the glass
    for (int k = 0; k < 2; ++k) {
      img.set(i - 3 - k, i, hex(0xe8f6ff, 150));
      img.set(i + 6, i, hex(0xd8eeff, 120));
    }
  const Rgba frame = hex(0xdfe3e6), frameDark = hex(0x8f979e);
  img.outlineRect(0, 0, w, h, frame);
  img.fillRect(7, 0, 2, h, frame);
  img.fillRect(0, 7, w, 2, frame);
  for (int i = 0; i < w; ++i) {
    img.set(i, h - 1, frameDark);
    img.set(i, 8, frameDark);
  }
  for (int j = 0; j < h; ++j) {
    img.set(w - 1, j, frameDark);
    img.set(8, j, frameDark);
  }
  return img;
}

static Image painted(int w, int h, Rgba base, const std::string& name) {
  uint32_t s = seedOf(name);
  Ramp ramp = shadesOf(base, 5, 0.85f, 1.08f);
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    return 0.55f + 0.35f * (fbm(u, v, 4, 2, s) - 0.5f) +
           0.35f * (hash01((int)(u * w), (int)(v * h), s) - 0.5f);
  });
  img.bevel(0, 0, w, h, 1.15f, 0.78f);
  return img;
}

static Image wheel(int w, int h) {
  Image img(w, h);
  const float c = w / 2.0f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float dx = x + 0.5f - c, dy = y + 0.5f - c, r = std::sqrt(dx * dx + dy * dy);
      float a = std::atan2(dy, dx);
      Rgba p{};
      if (r <= 7.6f) {
        bool tread = r > 6.3f && std::fmod(a + 2 * kPi, kPi / 6) < 0.18f;
        p = tread ? hex(0x3c3c42) : hex(0x1c1c20);
        if (r > 5.0f && r < 6.3f && dy < 0) p = hex(0x2a2a30);  // lit sidewall
      }
      if (r <= 4.6f) p = (dy + dx < 0) ? hex(0xc4c9d0) : hex(0x9a9fa8);
      if (r > 4.0f && r <= 4.6f) p = hex(0x6c717a);
      if (r <= 1.7f) p = hex(0x50555e);
      img.set(x, y, p);
    }
  for (int k = 0; k < 5; ++k) {  // lug nuts
    float a = k * 2 * kPi / 5 - kPi / 2;
    img.set((int)(c + 2.9f * std::cos(a)), (int)(c + 2.9f * std::sin(a)), hex(0x3a3e46));
  }
  return img;
}

static Image metal(int w, int h) {
  const Ramp ramp = {hex(0x6a707a), hex(0x7c838d), hex(0x8f96a0), hex(0xa2a9b2), hex(0xb6bcc4)};
  uint32_t s = seedOf("metal");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    return 0.55f + 0.9f * (fbm2(u, v, 1, 16, 2, s) - 0.5f) + 0.2f * (1 - u - v) * 0.5f;
  });
  img.bevel(0, 0, w, h, 1.18f, 0.7f);
  for (auto [x, y] : {std::pair{2, 2}, std::pair{13, 2}, std::pair{2, 13}, std::pair{13, 13}}) {
    img.set(x, y, hex(0xdfe3e8));
    img.set(x + 1, y + 1, hex(0x4c525b));
    img.set(x + 1, y, hex(0x9aa1aa));
    img.set(x, y + 1, hex(0x9aa1aa));
  }
  return img;
}

static Image rolldoor(int w, int h) {
  const Ramp ramp = {hex(0x434951), hex(0x565d66), hex(0x6a727c), hex(0x7f8791), hex(0x959da7)};
  uint32_t s = seedOf("rolldoor");
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      static const float slat[4] = {0.9f, 0.65f, 0.45f, 0.05f};
      float t = slat[y % 4] + 0.15f * (fbm2(uOf(x, w), uOf(y, h), 8, 1, 1, s) - 0.5f);
      img.set(x, y, pick(ramp, t));
    }
  return img;
}

static Image fence(int w, int h) {
  const Rgba post = hex(0x8c6e4f), postLight = hex(0xa68a68), postDark = hex(0x5e4833), rail = hex(0x74593f);
  Image img(w, h);
  for (int p : {1, 9}) {
    img.fillRect(p, 2, 5, h - 2, post);
    img.fillRect(p + 1, 1, 3, 1, post);
    img.set(p + 2, 0, post);
    for (int y = 2; y < h; ++y) {
      img.set(p, y, postLight);
      img.set(p + 4, y, postDark);
    }
  }
  for (int ry : {4, 11}) {
    img.fillRect(0, ry, w, 2, rail);
    for (int x = 0; x < w; ++x) img.set(x, ry + 1, postDark);
  }
  uint32_t s = seedOf("fence");
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (img.get(x, y).a && hash01(x, y, s) < 0.15f) img.shade(x, y, 0.88f);
  return img;
}

static Image redCrystal(int w, int h) {
  const Ramp ramp = {hex(0x520a14, 190), hex(0x7e1222, 180), hex(0xa41c30, 175),
                     hex(0xc83446, 180), hex(0xe85a6c, 200), hex(0xffb0bc, 230)};
  uint32_t s = seedOf("redC");
  Image img = rampFill(w, h, ramp, [&](float u, float v) {
    Cell c = worley(u, v, 3, s);
    // Every facet has its own slant, so the light runs across it.
    float a = hash01(c.id, 1, s) - 0.5f, b = hash01(c.id, 2, s) - 0.5f;
    float t = 0.2f + 0.4f * hash01(c.id, 0, s) + 1.4f * (a * c.ox + b * c.oy);
    if (c.f2 - c.f1 < 0.06f) t = c.oy < 0 ? 0.99f : 0.05f;
    return t;
  });
  Rng rng("redC");
  for (int i = 0; i < 3; ++i) img.set(rng.range(0, w - 1), rng.range(0, h - 1), hex(0xffffff, 240));
  return img;
}

static const Ramp kGold = {hex(0x5e400c), hex(0x856012), hex(0xab821e),
                           hex(0xcda22e), hex(0xe8c24c), hex(0xfbe68c)};

static Image goldEngraved(int w, int h) {
  uint32_t s = seedOf("goldE");
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int a = (x + y) % 8, b = ((x - y) % 8 + 8) % 8;
      float t = 0.5f + 0.2f * (hash01(x, y, s) - 0.5f);
      if (a == 0 || b == 0)
        t = 0.12f;  // engraved lattice
      else if (a == 1 || b == 1)
        t = 0.75f;                      // lit far edge of the groove
      if (a == 4 && b == 4) t = 0.99f;  // raised studs
      img.set(x, y, pick(kGold, t));
    }
  img.bevel(0, 0, w, h, 1.1f, 0.7f);
  return img;
}

static Image goldPolished(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float d = (x + (y % 8) * 1.5f) / 24.0f;  // diagonal sheen per bar
      float t = 0.45f + 0.3f * std::sin(2 * kPi * d);
      if (std::fabs(d - 0.45f) < 0.06f) t = 0.99f;
      img.set(x, y, pick(kGold, t));
    }
  img.bevel(0, 0, w, 8, 1.25f, 0.6f);
  img.bevel(0, 8, w, 8, 1.25f, 0.6f);
  return img;
}

void addBuiltBlocks(PainterTable& t) {
  t.insert({{"brick", brick}, {"road", [](int w, int h) { return asphalt(w, h, "road"); }}, {"road2", road2},
            {"road3", road3}, {"roof", roof}, {"roof2", roof2}, {"conc1", conc1}, {"conc2", conc2},
            {"woodTile", woodTile}, {"marble", marble}, {"wood", wood}, {"pine", pine}, {"window", windowPane},
            {"pink", [](int w, int h) { return painted(w, h, hex(0xd98aab), "pink"); }},
            {"blue", [](int w, int h) { return painted(w, h, hex(0x3762c0), "blue"); }},
            {"green", [](int w, int h) { return painted(w, h, hex(0x3f9a45), "green"); }}, {"wheel", wheel},
            {"metal", metal}, {"rolldoor", rolldoor}, {"fence", fence}, {"redC", redCrystal},
            {"goldE", goldEngraved}, {"goldA", goldPolished}});
}
