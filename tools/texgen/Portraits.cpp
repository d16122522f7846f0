// Speaker portraits for map conversations: four crew members and the
// voice of the vask. Built from shaded shapes on a figure layer that gets a
// dark outline, then set on a tinted backdrop.
#include "Paint.h"
#include "Painters.h"
#include "Rng.h"

static const Rgba kInk = hex(0x0c0a10);

// Fills an ellipse, choosing each pixel's shade from a ramp by how much it
// faces the light in the upper left.
static void shadedEllipse(Image& img, float cx, float cy, float rx, float ry, const Ramp& ramp,
                          float bias = 0) {
  for (int y = (int)(cy - ry) - 1; y <= (int)(cy + ry) + 1; ++y)
    for (int x = (int)(cx - rx) - 1; x <= (int)(cx + rx) + 1; ++x) {
      float nx = (x + 0.5f - cx) / rx, ny = (y + 0.5f - cy) / ry;
      float d = nx * nx + ny * ny;
      if (d > 1) continue;
      float lit = 0.55f - 0.35f * nx - 0.3f * ny - 0.25f * d + bias;
      img.set(x, y, pick(ramp, lit));
    }
}

static void shadedRect(Image& img, int x, int y, int w, int h, const Ramp& ramp, float bias = 0) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) {
      float nx = (i + 0.5f - x) / w * 2 - 1;
      img.set(i, j, pick(ramp, 0.55f - 0.35f * nx + bias));
    }
}

static Image backdrop(Rgba top, Rgba bottom) {
  Image img(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      Rgba p = mix(top, bottom, y / 63.0f);
      if (y % 4 == 3) p = scale(p, 0.88f);
      img.set(x, y, p);
    }
  return img;
}

static Image frame(Image back, Image figure) {
  figure.outlineOpaque(kInk, false);
  back.draw(figure, 0, 0);
  back.outlineRect(0, 0, 64, 64, kInk);
  back.outlineRect(1, 1, 62, 62, hex(0x8a94a8));
  back.bevel(1, 1, 62, 62, 1.3f, 0.6f);
  return back;
}

static const Ramp kSkinLight = {hex(0x8a5440), hex(0xb8785a), hex(0xd89a78), hex(0xeebc98)};
static const Ramp kSkinMid = {hex(0x6a3c24), hex(0x8e5634), hex(0xb07448), hex(0xc8905e)};
static const Ramp kSkinDark = {hex(0x4a2a1a), hex(0x6a4028), hex(0x8a5834), hex(0xa87048)};

// Head, neck and ears; eyes looking slightly to the right of the viewer.
static void face(Image& f, const Ramp& skin, Rgba iris, bool stern) {
  shadedRect(f, 26, 40, 12, 12, skin, -0.2f);
  shadedEllipse(f, 19.5f, 30, 2.5f, 4, skin, -0.1f);
  shadedEllipse(f, 44.5f, 30, 2.5f, 4, skin, -0.1f);
  shadedEllipse(f, 32, 29, 12.5f, 15.5f, skin, 0.1f);
  for (int ex : {25, 36}) {
    f.fillRect(ex, 29, 4, 2, hex(0xf0ece8));
    f.fillRect(ex + 2, 29, 2, 2, iris);
    f.set(ex + 3, 29, kInk);
    f.fillRect(ex - (stern ? 0 : 0), stern ? 26 : 25, 5, 1, scale(skin[0], 0.6f));
  }
  if (stern) {
    f.set(28, 27, scale(skin[0], 0.6f));
    f.set(36, 27, scale(skin[0], 0.6f));
  }
  f.line(31, 31, 30, 35, skin[1]);  // nose shade
  f.set(31, 36, skin[0]);
  f.fillRect(28, 39, 8, 1, scale(skin[0], 0.8f));
  f.fillRect(29, 40, 6, 1, skin[1]);
}

static void torso(Image& f, const Ramp& cloth) { shadedEllipse(f, 32, 68, 30, 18, cloth, 0.1f); }

static Image commander(int, int) {
  Image f(64, 64);
  const Ramp navy = {hex(0x141c34), hex(0x1e2a4a), hex(0x2a3a62), hex(0x3a4e7e)};
  torso(f, navy);
  face(f, kSkinLight, hex(0x3a5a7a), true);
  f.fillRect(14, 52, 10, 3, hex(0xd8b040));  // shoulder boards
  f.fillRect(40, 52, 10, 3, hex(0xd8b040));
  f.fillPolygon({26, 50, 32, 58, 38, 50}, hex(0xe8e8e8));  // shirt collar
  f.fillPolygon({30.5f, 52, 33.5f, 52, 33, 62, 31, 62}, hex(0x8a1a1a));
  for (int x = 20; x <= 44; ++x) f.set(x, 16, hex(0x9a9a9a));  // grey temples
  shadedEllipse(f, 20.5f, 24, 2, 5, {hex(0x6a6a6a), hex(0x9a9a9a), hex(0xc0c0c0)});
  shadedEllipse(f, 43.5f, 24, 2, 5, {hex(0x6a6a6a), hex(0x9a9a9a), hex(0xc0c0c0)});
  shadedEllipse(f, 32, 13, 17, 7, navy, 0.1f);  // peaked cap
  f.fillRect(17, 15, 30, 4, hex(0x141c34));
  f.fillRect(17, 16, 30, 1, hex(0xd8b040));
  f.fillPolygon({19, 19, 45, 19, 42, 22, 22, 22}, hex(0x0c1020));
  shadedEllipse(f, 32, 11, 3, 3, {hex(0x9a7a20), hex(0xd8b040), hex(0xfff0a0)});
  f.line(24, 34, 22, 38, scale(kSkinLight[1], 0.8f));  // old scar
  return frame(backdrop(hex(0x2a3446), hex(0x121824)), f);
}

static Image engineer(int, int) {
  Image f(64, 64);
  const Ramp orange = {hex(0x7a3410), hex(0xa8501a), hex(0xd06c24), hex(0xf08c3a)};
  torso(f, orange);
  f.fillRect(10, 56, 44, 3, hex(0xd8e060));  // reflective band
  f.fillRect(27, 50, 10, 8, hex(0x3a4a5a));
  face(f, kSkinMid, hex(0x4a3a2a), false);
  for (int i = 0; i < 40; ++i) {  // stubble
    int x = 22 + (i * 7) % 20, y = 36 + (i * 3) % 7;
    if (f.get(x, y).a) f.shade(x, y, 0.8f);
  }
  const Ramp hat = {hex(0x8a6a08), hex(0xc8a010), hex(0xf0c828), hex(0xfff07a)};
  shadedEllipse(f, 32, 17, 16, 10, hat);
  f.fillRect(14, 18, 36, 3, hex(0xc8a010));
  f.fillRect(14, 18, 36, 1, hex(0xfff07a));
  f.fillRect(31, 8, 2, 10, hex(0xfff07a));
  for (int gx : {22, 34}) {  // goggles pushed up on the hat
    f.fillRect(gx, 14, 8, 4, hex(0x2a2a2a));
    f.fillRect(gx + 1, 15, 6, 2, hex(0x6ad0f0));
    f.set(gx + 1, 15, hex(0xd8f8ff));
  }
  return frame(backdrop(hex(0x46342a), hex(0x1e1610)), f);
}

static Image scientist(int, int) {
  Image f(64, 64);
  const Ramp coat = {hex(0x9aa2ac), hex(0xc4cad2), hex(0xe4e8ec), hex(0xffffff)};
  const Ramp hair = {hex(0x120c14), hex(0x221828), hex(0x342640), hex(0x4c3a5c)};
  shadedEllipse(f, 32, 34, 17, 20, hair);  // long hair behind the head
  torso(f, coat);
  f.fillPolygon({25, 50, 32, 62, 39, 50}, hex(0x2a8a8a));  // shirt
  f.line(25, 50, 31, 63, hex(0x9aa2ac));
  f.line(39, 50, 33, 63, hex(0x9aa2ac));
  face(f, kSkinDark, hex(0x2a1a10), false);
  shadedEllipse(f, 32, 18, 14, 8, hair, 0.1f);
  f.fillPolygon({18, 18, 26, 14, 22, 26}, hair[2]);
  for (int gx : {24, 35}) {  // glasses
    f.outlineRect(gx, 27, 6, 5, hex(0xd8dce4));
    f.set(gx + 1, 28, hex(0xffffff));
  }
  f.line(30, 28, 34, 28, hex(0xd8dce4));
  f.fillRect(40, 54, 4, 6, hex(0x3a6ad0));  // pen in the coat pocket
  return frame(backdrop(hex(0x1e4a4e), hex(0x0c2024)), f);
}

static Image pilot(int, int) {
  Image f(64, 64);
  const Ramp suit = {hex(0x26361e), hex(0x38502a), hex(0x4c6a36), hex(0x628846)};
  torso(f, suit);
  f.fillRect(40, 54, 8, 5, hex(0xd03446));  // patch
  f.fillRect(41, 55, 6, 1, hex(0xf0f0f0));
  face(f, kSkinLight, hex(0x3a7a4a), false);
  const Ramp helmet = {hex(0x7a808a), hex(0xb0b6c0), hex(0xdce0e6), hex(0xffffff)};
  shadedEllipse(f, 32, 25, 18, 18, helmet);
  shadedEllipse(f, 32, 33, 11.5f, 13, kSkinLight, 0.1f);  // face opening
  for (int ex : {25, 36}) {
    f.fillRect(ex, 30, 4, 2, hex(0xf0ece8));
    f.fillRect(ex + 2, 30, 2, 2, hex(0x3a7a4a));
    f.set(ex + 3, 30, kInk);
    f.fillRect(ex, 27, 5, 1, scale(kSkinLight[0], 0.7f));
  }
  f.line(31, 32, 30, 36, kSkinLight[1]);
  f.fillRect(28, 40, 8, 1, scale(kSkinLight[0], 0.8f));
  f.fillRect(19, 11, 26, 7, hex(0x2a3a5a));  // visor pushed up
  f.fillRect(20, 12, 10, 2, hex(0x8ab8e8));
  f.fillRect(14, 28, 4, 8, hex(0x3a3e46));  // ear cups and mic
  f.fillRect(46, 28, 4, 8, hex(0x3a3e46));
  f.line(17, 35, 25, 42, hex(0x3a3e46));
  f.fillRect(25, 41, 3, 2, hex(0x1a1c20));
  return frame(backdrop(hex(0x3a5a8a), hex(0x142038)), f);
}

// The vask speaks through something with too many eyes.
static Image vaskVoice(int, int) {
  Image f(64, 64);
  const Ramp flesh = {hex(0x1e0830), hex(0x36104e), hex(0x52206e), hex(0x70348e), hex(0x9050b0)};
  for (int k = 0; k < 6; ++k) {  // tendrils
    float x0 = 10 + k * 9;
    for (int y = 40; y < 64; ++y) {
      int x = (int)(x0 + 3 * std::sin(y * 0.35f + k));
      f.fillRect(x, y, 3, 1, flesh[1 + k % 2]);
    }
  }
  shadedEllipse(f, 32, 28, 19, 22, flesh);
  shadedEllipse(f, 32, 12, 11, 7, flesh, 0.15f);
  const Rgba glow = hex(0x9cff3c), core = hex(0xeaff9a);
  struct Eye {
    float x, y, r;
  };
  for (Eye e : {Eye{24, 26, 4}, Eye{40, 26, 4}, Eye{32, 18, 3}, Eye{18, 36, 2.2f}, Eye{46, 36, 2.2f}}) {
    f.fillEllipse(e.x, e.y, e.r + 1, e.r, hex(0x10041a));
    f.fillEllipse(e.x, e.y, e.r, e.r - 1, glow);
    f.fillEllipse(e.x, e.y, e.r * 0.5f, e.r - 1, core);
    f.fillRect((int)e.x, (int)(e.y - e.r + 1), 1, (int)(2 * e.r - 2), hex(0x08020c));  // slit
  }
  f.fillPolygon({22, 42, 42, 42, 38, 49, 26, 49}, hex(0x08020c));  // maw
  for (int x = 24; x < 41; x += 3) {
    f.set(x, 43, hex(0xd8e8a0));
    f.set(x + 1, 48, hex(0xd8e8a0));
  }
  Rng rng("portraitVask");
  for (int k = 0; k < 4; ++k) {  // glowing veins under the skin
    auto path = wanderPath(64, 64, rng, 20 + 8 * k, 10 + 3 * k, kPi * (0.4f + 0.1f * k), 22, 0.8f);
    for (auto [x, y] : path)
      if (f.get(x, y).a && f.get(x, y) != hex(0x08020c)) f.blend(x, y, hex(0x7ee030, 150));
  }
  Image back = backdrop(hex(0x1a2e10), hex(0x0a0410));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      float r = std::sqrt((x - 32.0f) * (x - 32.0f) + (y - 28.0f) * (y - 28.0f));
      if (r < 30) back.set(x, y, mix(back.get(x, y), hex(0x4a8a1a), (30 - r) / 60));
    }
  return frame(back, f);
}

void addPortraits(PainterTable& t) {
  t.insert({{"portraitCommander", commander}, {"portraitEngineer", engineer}, {"portraitScientist", scientist},
            {"portraitPilot", pilot}, {"portraitVask", vaskVoice}});
}
