// HUD icons: resources, tools, cross-hair and the editor's placement icons.
// Shapes are flat-shaded with light from the top left and a dark outline,
// so they stay readable over any scene.
#include "Font.h"
#include "Paint.h"
#include "Painters.h"

static const Rgba kInk = hex(0x101218);

// Shades an opaque shape: pixels whose upper-left neighbour is empty get the
// light tone, those whose lower-right neighbour is empty the dark one.
static void rimLight(Image& img, float light, float dark) {
  Image copy = img;
  auto empty = [&](int x, int y) { return !copy.inside(x, y) || copy.get(x, y).a == 0; };
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      if (empty(x, y)) continue;
      if (empty(x - 1, y) || empty(x, y - 1))
        img.shade(x, y, light);
      else if (empty(x + 1, y) || empty(x, y + 1))
        img.shade(x, y, dark);
    }
}

// Every icon ends outlined in ink; most are rim-lit first.
static Image finish(Image& img) {
  img.outlineOpaque(kInk, false);
  return img;
}
static Image finishLit(Image& img, float light, float dark) {
  rimLight(img, light, dark);
  return finish(img);
}

static Image matterIcon(int w, int h) {
  Image img(w, h);
  img.fillPolygon({8, 1, 15, 4.5f, 8, 8, 1, 4.5f}, hex(0xf6b46a));
  img.fillPolygon({1, 4.5f, 8, 8, 8, 15, 1, 11.5f}, hex(0xc8702e));
  img.fillPolygon({8, 8, 15, 4.5f, 15, 11.5f, 8, 15}, hex(0x8a4418));
  img.line(8, 8, 8, 14, hex(0xffd8a0));
  return finish(img);
}

static Image gensIcon(int w, int h) {
  Image img(w, h);
  img.fillPolygon({9.5f, 0.5f, 2.5f, 9, 7.5f, 9, 5, 15.5f, 13.5f, 6.5f, 8.5f, 6.5f, 12, 0.5f}, hex(0xffd43a));
  return finishLit(img, 1.2f, 0.72f);
}

static Image capsIcon(int w, int h) {
  Image img(w, h);
  img.fillRect(6, 1, 4, 2, hex(0xa0aab8));
  img.fillRect(3, 3, 10, 12, hex(0x2d5cb4));
  for (int k = 0; k < 3; ++k) img.fillRect(5, 5 + k * 3, 6, 2, k == 0 ? hex(0x1a3a78) : hex(0x6cd8ff));
  return finishLit(img, 1.3f, 0.7f);
}

// A hub linked to four nodes, like the relays' network.
static Image relayIcon(int w, int h) {
  Image img(w, h);
  const Rgba green = hex(0x4cd070), wire = hex(0x9af0b0);
  for (auto [x, y] : {std::pair{2, 2}, std::pair{13, 2}, std::pair{2, 13}, std::pair{13, 13}}) {
    img.line(x, y, 7 + (x > 7), 7 + (y > 7), wire);
    img.fillRect(x - (x > 7), y - (y > 7), 2, 2, green);
  }
  img.fillPolygon({8, 3.5f, 12.5f, 8, 8, 12.5f, 3.5f, 8}, green);
  img.fillPolygon({8, 6, 10, 8, 8, 10, 6, 8}, hex(0xe0ffe8));
  return finishLit(img, 1.25f, 0.72f);
}

static Image sensorIcon(int w, int h) {
  Image img(w, h);
  img.fillCircle(8, 8, 7, hex(0xd03446));
  img.fillCircle(8, 8, 5, hex(0x9ab4d4));
  img.fillCircle(8, 8, 4, hex(0x1c3c70));
  img.fillCircle(8, 8, 2, hex(0x0c1830));
  img.set(6, 6, hex(0xffffff));
  img.set(7, 6, hex(0xffffff));
  img.set(6, 7, hex(0xffffff));
  return finishLit(img, 1.25f, 0.75f);
}

static Image energyIcon(int w, int h) {
  Image img(w, h);
  const float c = 7.5f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float dx = std::fabs(x - c), dy = std::fabs(y - c);
      float star = std::min(dx, dy) < 1.0f ? std::max(dx, dy) : 99;  // four rays
      float r = std::sqrt(dx * dx + dy * dy);
      if (r < 2.2f)
        img.set(x, y, hex(0xffffff));
      else if (r < 4.2f)
        img.set(x, y, hex(0xfff2a0));
      else if (star < 7.6f)
        img.set(x, y, hex(0xffd84a));
      else if (r < 5.6f)
        img.set(x, y, hex(0xf0a020, 200));
    }
  return finish(img);
}

// The HUD lays "add" over the chosen block's icon, so the plus keeps to the
// top-right corner and leaves the icon visible.
static Image addIcon(int w, int h) {
  Image img(w, h);
  img.fillRect(w - 6, 1, 3, 9, hex(0x4ccf4c));
  img.fillRect(w - 9, 4, 9, 3, hex(0x4ccf4c));
  return finishLit(img, 1.3f, 0.7f);
}

static Image slotFrame(int w, int h) {
  Image img(w, h);
  img.outlineRect(0, 0, w, h, hex(0x0c0e14, 220));
  img.outlineRect(1, 1, w - 2, h - 2, hex(0xd8e0ec));
  img.outlineRect(2, 2, w - 4, h - 4, hex(0x0c0e14, 120));
  for (auto [x, y] : {std::pair{1, 1}, std::pair{w - 4, 1}, std::pair{1, h - 4}, std::pair{w - 4, h - 4}}) {
    img.fillRect(x, y, 3, 1, hex(0xffffff));
    img.fillRect(x, y, 1, 3, hex(0xffffff));
  }
  img.set(w - 2, 1, hex(0xffffff));
  img.set(1, h - 2, hex(0xffffff));
  img.fillRect(w - 4, h - 2, 3, 1, hex(0xffffff));
  img.fillRect(w - 2, h - 4, 1, 3, hex(0xffffff));
  return img;
}

static Image pickaxe(int w, int h) {
  Image img(w, h);
  img.line(2, 14, 10, 6, hex(0x9a6a3a));
  img.line(3, 14, 10, 7, hex(0x6e4622));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float dx = x + 0.5f - 1, dy = 15 - (y + 0.5f), r = std::sqrt(dx * dx + dy * dy);
      float a = std::atan2(dy, dx) * 180 / kPi;
      if (a < 10 || a > 80) continue;
      float half = 0.6f + 1.1f * (1 - std::fabs(a - 45) / 35);
      if (std::fabs(r - 12.2f) < half) img.set(x, y, r > 12.2f ? hex(0xd8dde4) : hex(0x8c939e));
    }
  return finish(img);
}

static Image hammer(int w, int h) {
  Image img(w, h);
  img.line(2, 14, 9, 7, hex(0x9a6a3a));
  img.line(3, 14, 9, 8, hex(0x6e4622));
  const float cx = 10.5f, cy = 5.5f, a = 4.6f, b = 2.4f, k = 0.7071f;
  img.fillPolygon({cx - a * k + b * k, cy - a * k - b * k, cx + a * k + b * k, cy + a * k - b * k,
                   cx + a * k - b * k, cy + a * k + b * k, cx - a * k - b * k, cy - a * k + b * k},
                  hex(0x8c939e));
  rimLight(img, 1.35f, 0.75f);
  const Rgba spark = hex(0xffa030);
  img.line(12, 11, 14, 13, spark);
  img.line(13, 10, 15, 10, spark);
  img.line(11, 12, 11, 15, spark);
  return finish(img);
}

static Image powerSymbol(int w, int h, Rgba colour, bool crossed) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float dx = x + 0.5f - 8, dy = y + 0.5f - 8.5f, r = std::sqrt(dx * dx + dy * dy);
      bool gap = dy < 0 && std::fabs(dx) < 3.2f;
      if (r > 4.2f && r < 6.4f && !gap) img.set(x, y, colour);
    }
  img.fillRect(7, 1, 2, 8, colour);
  rimLight(img, 1.25f, 0.75f);
  if (crossed) {
    for (int i = 0; i < 14; ++i) {
      img.set(1 + i, 14 - i, hex(0xf0f0f0));
      img.set(2 + i, 14 - i, hex(0xf0f0f0));
    }
  }
  return finish(img);
}

static Image reticle(int w, int h) {
  Image img(w, h);
  const Rgba white = hex(0xffffff);
  for (int i : {3, 4, 5, 10, 11, 12}) {
    img.set(i, 7, white);
    img.set(i, 8, white);
    img.set(7, i, white);
    img.set(8, i, white);
  }
  img.fillRect(7, 7, 2, 2, white);
  img.outlineOpaque(hex(0x000000, 150), false);
  return img;
}

static Image shipIcon(int w, int h) {
  Image img(w, h);
  img.fillPolygon({8,  0.5f, 11, 7,    15.5f, 11.5f, 15.5f, 13.5f, 10.5f, 12.5f, 10,
                   15, 6,    15, 5.5f, 12.5f, 0.5f,  13.5f, 0.5f,  11.5f, 5,     7},
                  hex(0xc8ccd4));
  rimLight(img, 1.15f, 0.7f);
  img.fillRect(7, 4, 2, 3, hex(0x58c8f0));
  img.set(7, 4, hex(0xd8f8ff));
  img.fillRect(2, 11, 3, 1, hex(0xd03446));
  img.fillRect(11, 11, 3, 1, hex(0xd03446));
  img.fillRect(7, 15, 2, 1, hex(0xffa030));
  return finish(img);
}

static Image turretIcon(int w, int h) {
  Image img(w, h);
  for (int i = 0; i < 3; ++i) img.line(8 + i, 8, 14 + i, 2, hex(0x6c737e));
  img.fillCircle(8, 10, 4.2f, hex(0x9aa2ae));
  img.fillPolygon({2, 15.5f, 14, 15.5f, 12, 11, 4, 11}, hex(0x6c737e));
  img.fillRect(3, 12, 10, 1, hex(0xe0a020));
  return finishLit(img, 1.3f, 0.72f);
}

// A wire cube with the corner being picked marked and numbered.
static Image massCorner(int w, int h, char digit) {
  Image img(w, h);
  const Rgba wire = hex(0x9ad8f0);
  img.outlineRect(1, 4, 8, 8, wire);
  img.outlineRect(4, 1, 8, 8, wire);
  img.line(1, 4, 4, 1, wire);
  img.line(8, 4, 11, 1, wire);
  img.line(1, 11, 4, 8, wire);
  img.line(8, 11, 11, 8, wire);
  if (digit == '1')
    img.fillRect(0, 10, 3, 3, hex(0xffd43a));
  else
    img.fillRect(10, 0, 3, 3, hex(0xffd43a));
  font::drawText(img, 10, 8, std::string(1, digit), hex(0xffffff));
  return finish(img);
}

// Editor palette icons for block types that are never drawn: a wire cube for
// empty cells, a wedge for the slope filler, a dashed machine cell.
static Image wireCube(int w, int h, Rgba edge, bool dashed) {
  Image img(w, h);
  const int a = 2, b = 10, d = 4;  // front square a..b, back square shifted by d
  auto square = [&](int o) {
    for (int k = a; k <= b; ++k) {
      if (dashed && (k / 2) % 2) continue;
      img.set(k + o, a + d - o, edge);
      img.set(k + o, b + d - o, edge);
      img.set(a + o, k + d - o, edge);
      img.set(b + o, k + d - o, edge);
    }
  };
  square(0);
  square(d);
  for (int k = 0; k <= d; ++k)
    for (int x : {a, b})
      for (int y : {a, b}) img.set(x + k, y + d - k, edge);
  return img;
}

static Image slopeIcon(int w, int h) {
  Image img(w, h);
  img.fillPolygon({1, 14, 15, 14, 15, 3}, hex(0x9aa0a8));
  img.fillPolygon({15, 3, 15, 14, 12, 14}, hex(0x6a7078));
  return finishLit(img, 1.2f, 0.75f);
}

void addHudIcons(PainterTable& t) {
  t.insert({{"emptyIcon", [](int w, int h) { return wireCube(w, h, hex(0xd8e4f0), false); }},
            {"hiddenIcon", [](int w, int h) { return wireCube(w, h, hex(0xffd43a), true); }},
            {"slopeIcon", slopeIcon}});
  t.insert({{"matter", matterIcon}, {"gens", gensIcon}, {"caps", capsIcon}, {"relay", relayIcon},
            {"sensor", sensorIcon}, {"energy", energyIcon}, {"add", addIcon}, {"box2", slotFrame},
            {"removeIcon", pickaxe}, {"breakIcon", hammer},
            {"activate", [](int w, int h) { return powerSymbol(w, h, hex(0x48d860), false); }},
            {"deactivate", [](int w, int h) { return powerSymbol(w, h, hex(0xe04848), true); }},
            {"reticle", reticle}, {"ship", shipIcon}, {"turret", turretIcon},
            {"m1", [](int w, int h) { return massCorner(w, h, '1'); }},
            {"m2", [](int w, int h) { return massCorner(w, h, '2'); }}});
}
