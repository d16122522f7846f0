// The player's machine parts and machines, the vask and its minds, and the
// small cubes that fly between machines.
#include "Paint.h"
#include "Painters.h"
#include "Rng.h"

static const Rgba kOutline = hex(0x14161c);

// Machine parts share one steel frame so they read as a family; the inset
// panel's colour and symbol tell them apart.
static Image partFrame(int w, int h, Rgba panel, const std::string& name) {
  Image img(w, h, kOutline);
  const Ramp steel = {hex(0x4c525b), hex(0x6d747e), hex(0x8b929b), hex(0xaab0b8), hex(0xc9ced4)};
  uint32_t s = seedOf(name);
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x) {
      float t = 0.5f + 0.2f * (hash01(x, y, s) - 0.5f);
      if (x == 1 || y == 1) t = 0.95f;
      if (x == w - 2 || y == h - 2) t = 0.05f;
      img.set(x, y, pick(steel, t));
    }
  Ramp shades = shadesOf(panel, 5, 0.7f, 1.15f);
  Image inner = rampFill(w - 6, h - 6, shades, [&](float u, float v) {
    return 0.55f + 0.25f * (fbm(u, v, 3, 2, s + 1) - 0.5f) + 0.15f * (1 - u - v);
  });
  img.draw(inner, 3, 3);
  for (int i = 3; i < w - 3; ++i) {  // recessed panel: dark top/left lip
    img.shade(i, 3, 0.6f);
    img.shade(i, h - 4, 1.2f);
  }
  for (int j = 4; j < h - 4; ++j) {
    img.shade(3, j, 0.6f);
    img.shade(w - 4, j, 1.2f);
  }
  for (auto [x, y] : {std::pair{1, 1}, std::pair{w - 3, 1}, std::pair{1, h - 3}, std::pair{w - 3, h - 3}}) {
    img.set(x, y, hex(0xe6eaee));  // rivets
    img.set(x + 1, y + 1, hex(0x3a3f46));
  }
  return img;
}

// Each part's inset panel colour and symbol, drawn with the keys "kdmlw"
// (outline, dark, mid, light, white) in the listed colours.
struct PartSymbol {
  const char* name;
  uint32_t panel;
  int x, y;
  std::vector<std::string> art;
  std::vector<Rgba> colours;
};

static const std::vector<PartSymbol>& partSymbols() {
  static const std::vector<PartSymbol> parts = {
      {"matterBlock", 0xb8662c, 4, 4,
        {"..kkkk..",
         ".kwwllk.",
         "kwllllmk",
         "kllllmmk",
         "klllmmdk",
         "klmmmddk",
         ".kmmddk.",
         "..kkkk.."},
        {hex(0x2a1406), hex(0x9a5a22), hex(0xd88a3c), hex(0xf6c070), hex(0xfff0d0)}},
      {"genBlock", 0xe2b420, 4, 3,
        {"....kkkk",
         "...kwwk.",
         "..kwwk..",
         ".kwwkkkk",
         ".kwwwwwk",
         ".kkkkwk.",
         "...kwk..",
         "..kwk...",
         ".kwk....",
         ".kk....."},
        {hex(0x1c1606), {}, {}, {}, hex(0xfffbe0)}},
      {"capBlock", 0x2d5cb4, 4, 4,
        {"...kk...",
         ".kkkkkk.",
         ".kwwwwk.",
         ".kkkkkk.",
         ".kllllk.",
         ".kkkkkk.",
         ".kllllk.",
         ".kkkkkk."},
        {hex(0x0a1430), {}, {}, hex(0x58c8f0), hex(0xd8f8ff)}},
      {"relayBlock", 0x2f9a52, 4, 4,
        {"w......w",
         ".w.kk.w.",
         "..kwwk..",
         ".kwwwwk.",
         ".kwwwwk.",
         "..kwwk..",
         ".w.kk.w.",
         "w......w"},
        {hex(0x0a2412), {}, {}, {}, hex(0xe0ffe8)}},
      {"sensorBlock", 0xb42a3c, 4, 4,
        {"..kkkk..",
         ".kllllk.",
         "klmddmlk",
         "klddwdlk",
         "klddddlk",
         "klmddmlk",
         ".kllllk.",
         "..kkkk.."},
        {hex(0x140408), hex(0x0c1830), hex(0x1c3c70), hex(0x9ab4d4), hex(0xffffff)}},
  };
  return parts;
}

static Image machine(int w, int h) {
  const Ramp steel = {hex(0x2a2e35), hex(0x383d46), hex(0x474d57), hex(0x575e69), hex(0x6a727e)};
  uint32_t s = seedOf("machine");
  Image img = rampFill(w, h, steel, [&](float u, float v) {
    return 0.5f + 0.3f * (fbm2(u, v, 2, 8, 2, s) - 0.5f);
  });
  img.bevel(0, 0, w, 8, 1.2f, 0.7f);
  img.bevel(0, 8, w, 8, 1.2f, 0.7f);
  for (int y : {10, 12}) {  // vents
    for (int x = 3; x < 13; ++x) {
      img.set(x, y, hex(0x15171b));
      img.set(x, y + 1, hex(0x7a828e));
    }
  }
  for (int x = 2; x < 14; ++x)  // hazard stripe
    for (int y = 3; y < 5; ++y) img.set(x, y, ((x + y) / 2) % 2 ? hex(0xe0b020) : hex(0x1a1a1a));
  img.set(12, 1, hex(0x50ff70));  // status light
  img.set(13, 1, hex(0x208a3a));
  for (auto [x, y] : {std::pair{1, 6}, std::pair{14, 6}, std::pair{1, 14}, std::pair{14, 14}})
    img.set(x, y, hex(0x9aa2ae));
  return img;
}

static Image vask(int w, int h) {
  const Ramp flesh = {hex(0x1c0630, 205), hex(0x300c4a, 190), hex(0x461664, 180), hex(0x5e2280, 178),
                      hex(0x78309a, 185), hex(0x8e48a8, 195)};
  const Rgba vein = hex(0xb4ff4a, 230), veinDim = hex(0x5fae2c, 210), spore = hex(0xe8ff8a, 240);
  uint32_t s = seedOf("vask");
  Rng rng("vask");
  // Veins: meandering paths that wrap, some glowing, some dim.
  std::vector<int> veinAt((size_t)w * h, 0);
  for (int k = 0; k < 4; ++k) {
    auto path = wanderPath(w, h, rng, rng.range(0, w - 1), rng.range(0, h - 1), rng.unit() * 2 * kPi,
                           rng.range(10, 18), 0.9f);
    for (auto [x, y] : path) veinAt[(size_t)y * w + x] = k < 2 ? 2 : 1;
  }
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (int v = veinAt[(size_t)y * w + x]) {
        img.set(x, y, v == 2 ? vein : veinDim);
        continue;
      }
      float near = 99;  // wrapped distance to the closest vein
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
          if (veinAt[(size_t)j * w + i]) {
            int dx = std::abs(i - x), dy = std::abs(j - y);
            dx = std::min(dx, w - dx), dy = std::min(dy, h - dy);
            near = std::min(near, std::sqrt((float)(dx * dx + dy * dy)));
          }
      // Flesh swells around the veins and sinks into dark folds away from them.
      float t = 0.95f - 0.16f * near + 0.35f * (fbm(uOf(x, w), uOf(y, h), 4, 2, s) - 0.5f);
      img.set(x, y, pick(flesh, t));
    }
  for (int i = 0; i < 3; ++i) {  // spore blisters
    int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
    img.setWrap(x, y, spore);
    img.setWrap(x + 1, y + 1, hex(0x3a7a1c, 220));
  }
  return img;
}

// The mind: a chitin shell around one slit-pupilled, glowing eye.
static Image mindLike(int w, int h, bool dead) {
  uint32_t s = seedOf(dead ? "deadMind" : "mind");
  const Ramp shell = dead ? Ramp{hex(0x1a171c), hex(0x2a262c), hex(0x3a353c), hex(0x4c464e), hex(0x605a62)}
                          : Ramp{hex(0x0e0414), hex(0x1e0a2a), hex(0x2e1140), hex(0x431a58), hex(0x5a2670)};
  const Rgba crack = dead ? hex(0x0a0a0a) : hex(0x6cf02c);
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float u = uOf(x, w), v = uOf(y, h);
      Cell c = worley(u, v, 3, s);
      if (c.f2 - c.f1 < 0.06f) {
        img.set(x, y, crack);
        continue;
      }
      float t = 0.4f + 0.3f * hash01(c.id, 0, s) - 0.6f * c.oy * 0.5f - 0.4f * c.f1 +
                0.2f * (fbm(u, v, 8, 1, s) - 0.5f);
      img.set(x, y, pick(shell, t));
    }
  if (dead) {
    drawArt(img, 3, 5,
            {"..kkkkkk..",
             ".kmmmmmmk.",
             "kmddddddmk",
             ".kmmmmmmk.",
             "..kkkkkk.."},
            "kmd", {hex(0x0c0b0b), hex(0x4a4644), hex(0x262322)});
    img.line(2, 12, 6, 8, hex(0x0a0a0a));
    img.line(11, 3, 13, 0, hex(0x0a0a0a));
    return img;
  }
  drawArt(img, 2, 4,
          {"...kkkkkk...",
           ".kkrggggrkk.",
           "krgyyppyygrk",
           "kgyyyppyyygk",
           "krgyyppyygrk",
           ".kkrggggrkk.",
           "...kkkkkk..."},
          "krgyp", {hex(0x08020c), hex(0xc0186a), hex(0x7ee030), hex(0xe8ff70), hex(0x050208)});
  img.set(6, 6, hex(0xffffff));  // wet glint
  return img;
}

static Image broke(int w, int h) {
  Image img = partFrame(w, h, hex(0x5a5550), "broke");
  uint32_t s = seedOf("broke");
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float u = uOf(x, w), v = uOf(y, h);
      float scorch = fbm(u, v, 3, 2, s);
      if (scorch > 0.58f) img.shade(x, y, 0.45f);
      float rust = fbm(u, v, 4, 2, s + 5);
      if (rust > 0.62f) img.set(x, y, mix(img.get(x, y), hex(0x8a3e16), 0.7f));
    }
  const Rgba crack = hex(0x0a0a0c);
  img.line(0, 5, 5, 7, crack);
  img.line(5, 7, 8, 12, crack);
  img.line(8, 12, 15, 13, crack);
  img.line(5, 7, 10, 2, crack);
  img.fillRect(9, 8, 3, 2, hex(0x000000));  // a hole punched through
  img.set(9, 10, hex(0xff8a30));             // embers
  img.set(12, 9, hex(0xffb040));
  return img;
}

static Image objective(int w, int h) {
  Image img(w, h, hex(0x0c1428));
  const float c = w / 2.0f - 0.5f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float d = std::fabs(x - c) + std::fabs(y - c);
      float r = std::sqrt((x - c) * (x - c) + (y - c) * (y - c));
      if (std::fabs(r - 6.3f) < 0.5f) img.set(x, y, hex(0x2a6a9a));
      if (d < 5.6f) img.set(x, y, (x < c ? (y < c ? hex(0xaef4ff) : hex(0x50c4e8)) : (y < c ? hex(0x7ad8f4) : hex(0x2890c0))));
      if (d < 1.6f) img.set(x, y, hex(0xffffff));
    }
  const Rgba gold = hex(0xe8c24c), goldDark = hex(0x8a6414);
  img.outlineRect(0, 0, w, h, goldDark);
  for (auto [x, y] : {std::pair{0, 0}, std::pair{w - 3, 0}, std::pair{0, h - 3}, std::pair{w - 3, h - 3}})
    img.fillRect(x, y, 3, 3, gold);
  return img;
}

static Image energyCube(int w, int h) {
  Image img(w, h);
  const float c = w / 2.0f - 0.5f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float r = std::max(std::fabs(x - c), std::fabs(y - c)) / c;
      Rgba p = mix(hex(0xfff8d8), hex(0xf0a818), r * r);
      if (x % 5 == 2 || y % 5 == 2) p = mix(p, hex(0xffffff), 0.5f);
      img.set(x, y, p);
    }
  img.outlineRect(0, 0, w, h, hex(0xc07010));
  return img;
}

static Image slug(int w, int h) {
  const Ramp brass = {hex(0x5a3e12), hex(0x82601e), hex(0xa8822e), hex(0xcaa444), hex(0xe8cc70), hex(0xfff0b0)};
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float t = 0.5f + 0.45f * std::sin(kPi * (x + 0.5f) / w) - 0.25f;
      if (x == 4 || x == 5) t += 0.35f;  // lengthwise sheen
      if (y % 5 == 4) t -= 0.35f;        // grooves
      img.set(x, y, pick(brass, t));
    }
  return img;
}

void addMachineBlocks(PainterTable& t) {
  for (const PartSymbol& p : partSymbols())
    t[p.name] = [&p](int w, int h) {
      Image img = partFrame(w, h, hex(p.panel), p.name);
      drawArt(img, p.x, p.y, p.art, "kdmlw", p.colours);
      return img;
    };
  t.insert({{"machine", machine}, {"vask", vask}, {"mind", [](int w, int h) { return mindLike(w, h, false); }},
            {"deadMind", [](int w, int h) { return mindLike(w, h, true); }}, {"broke", broke},
            {"obj", objective}, {"energycube", energyCube}, {"gun", slug}});
}
