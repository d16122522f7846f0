#pragma once
// An RGBA picture with the few drawing operations the painters need.
// Row 0 is the top row, as in the PNG file and in the game's texture space.
#include <string>
#include <vector>

#include "Color.h"

class Image {
 public:
  Image(int w = 0, int h = 0, Rgba fill = {});

  int width() const { return w; }
  int height() const { return h; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }

  Rgba get(int x, int y) const { return px[(size_t)y * w + x]; }
  void set(int x, int y, Rgba c) {
    if (inside(x, y)) px[(size_t)y * w + x] = c;
  }
  // Coordinates wrap around, for seamless block textures.
  void setWrap(int x, int y, Rgba c) { set(((x % w) + w) % w, ((y % h) + h) % h, c); }
  // Paints `c` over the pixel using c's alpha.
  void blend(int x, int y, Rgba c);
  // Lightens (f > 1) or darkens (f < 1) a pixel, alpha kept.
  void shade(int x, int y, float f);

  void fillRect(int x, int y, int rw, int rh, Rgba c);
  void outlineRect(int x, int y, int rw, int rh, Rgba c);
  void line(int x0, int y0, int x1, int y1, Rgba c);
  // Pixels whose centres lie within radius r of (cx, cy).
  void fillCircle(float cx, float cy, float r, Rgba c);
  void fillEllipse(float cx, float cy, float rx, float ry, Rgba c);
  // Filled polygon by pixel-centre test (even-odd rule).
  void fillPolygon(const std::vector<float>& xy, Rgba c);
  // Light top/left edge and dark bottom/right edge of a rectangle, `thick` px.
  void bevel(int x, int y, int rw, int rh, float light, float dark, int thick = 1);
  // Draws a dark outline around every opaque pixel onto transparent neighbours.
  void outlineOpaque(Rgba c, bool diagonal = false);
  // Copies `src` onto this image at (x, y), blending by alpha.
  void draw(const Image& src, int x, int y);

  const std::vector<Rgba>& pixels() const { return px; }
  bool opaque() const;

 private:
  int w, h;
  std::vector<Rgba> px;
};

// Draws character art: each character of `rows` is looked up in `keys`
// (parallel to `colours`); characters not in `keys` leave the pixel as is.
void drawArt(Image& img, int x, int y, const std::vector<std::string>& rows, const std::string& keys,
             const std::vector<Rgba>& colours, int scale = 1);
