#include "Image.h"

#include <cmath>

Image::Image(int w_, int h_, Rgba fillColour) : w(w_), h(h_), px((size_t)w_ * h_, fillColour) {}

void Image::blend(int x, int y, Rgba c) {
  if (!inside(x, y) || c.a == 0) return;
  Rgba& d = px[(size_t)y * w + x];
  float a = c.a / 255.0f;
  float da = d.a / 255.0f;
  float oa = a + da * (1 - a);
  if (oa <= 0) {
    d = {};
    return;
  }
  auto ch = [&](uint8_t s, uint8_t t) { return clampByte((s * a + t * da * (1 - a)) / oa); };
  d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), clampByte(oa * 255)};
}

void Image::shade(int x, int y, float f) {
  if (inside(x, y)) set(x, y, scale(get(x, y), f));
}

void Image::fillRect(int x, int y, int rw, int rh, Rgba c) {
  for (int j = y; j < y + rh; ++j)
    for (int i = x; i < x + rw; ++i) set(i, j, c);
}

void Image::outlineRect(int x, int y, int rw, int rh, Rgba c) {
  for (int i = x; i < x + rw; ++i) {
    set(i, y, c);
    set(i, y + rh - 1, c);
  }
  for (int j = y; j < y + rh; ++j) {
    set(x, j, c);
    set(x + rw - 1, j, c);
  }
}

void Image::line(int x0, int y0, int x1, int y1, Rgba c) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    blend(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Image::fillCircle(float cx, float cy, float r, Rgba c) { fillEllipse(cx, cy, r, r, c); }

void Image::fillEllipse(float cx, float cy, float rx, float ry, Rgba c) {
  for (int y = (int)std::floor(cy - ry); y <= (int)std::ceil(cy + ry); ++y)
    for (int x = (int)std::floor(cx - rx); x <= (int)std::ceil(cx + rx); ++x) {
      float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1.0f) blend(x, y, c);
    }
}

void Image::fillPolygon(const std::vector<float>& xy, Rgba c) {
  size_t n = xy.size() / 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float px_ = x + 0.5f, py = y + 0.5f;
      bool in = false;
      for (size_t i = 0, j = n - 1; i < n; j = i++) {
        float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
        if ((yi > py) != (yj > py) && px_ < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
      }
      if (in) blend(x, y, c);
    }
}

void Image::bevel(int x, int y, int rw, int rh, float light, float dark, int thick) {
  for (int t = 0; t < thick; ++t) {
    for (int i = x + t; i < x + rw - t; ++i) {
      shade(i, y + t, light);
      shade(i, y + rh - 1 - t, dark);
    }
    for (int j = y + t + 1; j < y + rh - 1 - t; ++j) {
      shade(x + t, j, light);
      shade(x + rw - 1 - t, j, dark);
    }
  }
}

void Image::outlineOpaque(Rgba c, bool diagonal) {
  Image copy = *this;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (copy.get(x, y).a != 0) continue;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          if (!diagonal && dx != 0 && dy != 0) continue;
          if (copy.inside(x + dx, y + dy) && copy.get(x + dx, y + dy).a > 128) near = true;
        }
      if (near) set(x, y, c);
    }
}

void Image::draw(const Image& src, int x, int y) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i) blend(x + i, y + j, src.get(i, j));
}

bool Image::opaque() const {
  for (const Rgba& p : px)
    if (p.a != 255) return false;
  return true;
}

void drawArt(Image& img, int x, int y, const std::vector<std::string>& rows, const std::string& keys,
             const std::vector<Rgba>& colours, int scale) {
  for (size_t j = 0; j < rows.size(); ++j)
    for (size_t i = 0; i < rows[j].size(); ++i) {
      size_t k = keys.find(rows[j][i]);
      if (k == std::string::npos) continue;
      for (int sy = 0; sy < scale; ++sy)
        for (int sx = 0; sx < scale; ++sx)
          img.blend(x + (int)i * scale + sx, y + (int)j * scale + sy, colours[k]);
    }
}
