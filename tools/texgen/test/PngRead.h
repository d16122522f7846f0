#pragma once
// Reads back the PNGs texgen writes, for the tests.
#include <string>
#include <vector>

struct Decoded {
  int width = 0, height = 0, colorType = -1, bitDepth = 0;
  std::vector<unsigned char> rgba;  // always expanded to 4 bytes per pixel
  unsigned at(int x, int y, int channel) const { return rgba[((size_t)y * width + x) * 4 + channel]; }
  unsigned red(int x, int y) const { return at(x, y, 0); }
  unsigned alpha(int x, int y) const { return at(x, y, 3); }
};

constexpr int kPngRgb = 2;       // PNG colour type numbers
constexpr int kPngRgbAlpha = 6;

// False when the file is missing or not a PNG libpng can read as 8-bit RGB(A).
bool decodePng(const std::string& path, Decoded& out);
