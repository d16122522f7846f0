// Panel widgets: button plates in their states, lettered captions for
// toggles and difficulties, the bar frame and the menu plate.
#include "Font.h"
#include "Paint.h"
#include "Painters.h"

static const Rgba kInk = hex(0x0c0e14);

enum class Look { Raised, Pressed };

// A plate with rounded corners; raised plates are lit from the top, pressed
// ones sit lower and glow.
static Image plate(int w, int h, Rgba base, Look look) {
  Image img(w, h);
  for (int y = 0; y < h; ++y) {
    float t = (float)y / (h - 1);
    float f = look == Look::Raised ? 1.15f - 0.35f * t : 0.8f + 0.35f * t;
    for (int x = 0; x < w; ++x) img.set(x, y, scale(base, f));
  }
  float light = look == Look::Raised ? 1.35f : 0.6f, dark = look == Look::Raised ? 0.6f : 1.3f;
  img.bevel(1, 1, w - 2, h - 2, light, dark);
  img.outlineRect(0, 0, w, h, kInk);
  for (auto [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
    img.set(x, y, Rgba{});
  return img;
}

// Capitals centred in the area right of `left`, with a drop shadow.
static void letter(Image& img, const std::string& text, int left = 0, Rgba colour = hex(0xffffff)) {
  int x = left + (img.width() - left - font::textWidth(text)) / 2;
  int y = (img.height() - 7) / 2;
  font::drawText(img, x + 1, y + 1, text, hex(0x000000, 170));
  font::drawText(img, x, y, text, colour);
}

static const Rgba kSteel = hex(0x4a5a74);
static const Rgba kLit = hex(0x2a8cc8);
static const Rgba kAccept = hex(0x2f8a44);

static Image led(int w, int h, bool on) {
  Image img = plate(w, h, kSteel, Look::Raised);
  img.fillCircle(10, h / 2.0f, 4.5f, kInk);
  img.fillCircle(10, h / 2.0f, 3.5f, on ? hex(0x40e060) : hex(0x5a1e1e));
  img.set(9, h / 2 - 2, on ? hex(0xd8ffd8) : hex(0x8a4a4a));
  letter(img, on ? "ON" : "OFF", 16, on ? hex(0xffffff) : hex(0xc0c8d4));
  return img;
}

static Image level(int w, int h, int lit, const std::string& word) {
  Image img = plate(w, h, kSteel, Look::Raised);
  for (int k = 0; k < 3; ++k) {
    int bh = 4 + 3 * k, bx = 5 + 5 * k, by = h - 3 - bh;
    img.fillRect(bx, by, 4, bh, kInk);
    img.fillRect(bx + 1, by + 1, 2, bh - 2, k < lit ? hex(0x60e8ff) : hex(0x2a3444));
  }
  letter(img, word, 20);
  return img;
}

static Image resourcePlate(int w, int h, const Image& icon, const std::string& word) {
  Image img = plate(w, h, kSteel, Look::Raised);
  img.draw(icon, 3, (h - icon.height()) / 2);
  letter(img, word, 20);
  return img;
}

static Image accept(int w, int h, Look look) {
  Image img = plate(w, h, kAccept, look);
  int d = look == Look::Pressed ? 1 : 0;
  const std::vector<std::string> tick = {"......kk", ".....kwk", "kk..kwk.",
                                         "kwkkwk..", ".kwwk...", "..kk...."};
  drawArt(img, 8 + d, 5 + d, tick, "kw", {kInk, hex(0xffffff)});
  letter(img, "OK", 16);
  return img;
}

static Image menuPlate(int w, int h) {
  Image img = plate(w, h, hex(0x3a3070), Look::Raised);
  for (int x = 2; x < w - 2; ++x) img.set(x, 1, hex(0x9a8cff));
  for (int k = 0; k < 3; ++k) {  // chevrons at both ends
    img.set(4 + k, h / 2 - 2 + k, hex(0xd8d0ff));
    img.set(4 + k, h / 2 + 2 - k, hex(0xd8d0ff));
    img.set(w - 5 - k, h / 2 - 2 + k, hex(0xd8d0ff));
    img.set(w - 5 - k, h / 2 + 2 - k, hex(0xd8d0ff));
  }
  return img;
}

static Image barFrame(int w, int h) {
  Image img(w, h);
  img.outlineRect(0, 0, w, h, hex(0x0c0e14, 220));
  img.outlineRect(1, 1, w - 2, h - 2, hex(0xdce4f0));
  for (auto [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
    img.set(x, y, Rgba{});
  return img;
}

static Image play(int w, int h) {
  Image img = plate(w, h, kAccept, Look::Raised);
  float cx = w / 2.0f;
  img.fillPolygon({cx - 4, 3, cx + 5, h / 2.0f, cx - 4, h - 3.0f}, kInk);
  img.fillPolygon({cx - 3, 4.5f, cx + 3.5f, h / 2.0f, cx - 3, h - 4.5f}, hex(0xb8ffb8));
  return img;
}

static Image padlock(int w, int h) {
  Image img = plate(w, h, hex(0x505560), Look::Raised);
  int cx = w / 2;
  const std::vector<std::string> lock = {"..kkkk..", ".kmmmmk.", ".km..mk.", ".km..mk.", "kkkkkkkk",
                                         "kllllllk", "kllkklk.", "klllklk.", "kllllllk", ".kkkkkk."};
  drawArt(img, cx - 4, 4, lock, "kml", {kInk, hex(0xa8adb6), hex(0x8a8f98)});
  img.set(cx - 4 + 6, 10, hex(0x8a8f98));
  img.set(cx - 4 + 7, 10, kInk);
  img.set(cx - 4 + 6, 11, hex(0x8a8f98));
  img.set(cx - 4 + 7, 11, kInk);
  return img;
}

static Image difficulty(int w, int h, Rgba tint, const std::string& word) {
  Image img = plate(w, h, tint, Look::Raised);
  letter(img, word);
  return img;
}

void addWidgets(PainterTable& t) {
  t.insert({{"box", barFrame}, {"wizard2", menuPlate},
            {"button", [](int w, int h) { return plate(w, h, kSteel, Look::Raised); }},
            {"unbutton", [](int w, int h) { return plate(w, h, kLit, Look::Pressed); }},
            {"asept", [](int w, int h) { return accept(w, h, Look::Raised); }},
            {"unsept", [](int w, int h) { return accept(w, h, Look::Pressed); }},
            {"on", [](int w, int h) { return led(w, h, true); }},
            {"off", [](int w, int h) { return led(w, h, false); }},
            {"low", [](int w, int h) { return level(w, h, 1, "LOW"); }},
            {"med", [](int w, int h) { return level(w, h, 2, "MED"); }},
            {"high", [](int w, int h) { return level(w, h, 3, "HIGH"); }}, {"play", play}, {"noplay", padlock},
            {"very easy", [](int w, int h) { return difficulty(w, h, hex(0x2f8a6a), "VERY EASY"); }},
            {"easy", [](int w, int h) { return difficulty(w, h, hex(0x3a8a34), "EASY"); }},
            {"normal", [](int w, int h) { return difficulty(w, h, hex(0x8a7a1e), "NORMAL"); }},
            {"hard", [](int w, int h) { return difficulty(w, h, hex(0xa0521e), "HARD"); }},
            {"insane", [](int w, int h) { return difficulty(w, h, hex(0xa01e2a), "INSANE"); }}});

  // The factory and the science centre cycle through the same resources
  // (the science centre even reuses the factory's capacitor plate), so
  // both show the resource itself: its icon and its name.
  struct Mode {
    const char* tex;
    const char* icon;
    const char* word;
  };
  static const Mode modes[] = {{"Fgens", "gens", "GENERATORS"},  {"Fcaps", "caps", "CAPACITORS"},
                               {"Frelay", "relay", "RELAYS"},    {"Fsensor", "sensor", "SENSORS"},
                               {"SCmatter", "matter", "MATTER"}, {"SCgens", "gens", "GENERATORS"},
                               {"SCrelay", "relay", "RELAYS"},   {"SCsensor", "sensor", "SENSORS"}};
  for (const Mode& m : modes) {
    PainterTable* table = &t;
    std::string icon = m.icon, word = m.word;
    t[m.tex] = [table, icon, word](int w, int h) {
      return resourcePlate(w, h, table->at(icon)(16, 16), word);
    };
  }
}
