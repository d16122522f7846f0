#include "ImageFiles.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

bool writePng(const std::string& path, const Image& img) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    std::fprintf(stderr, "%s: libpng could not write the image\n", path.c_str());
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  const bool rgb = img.opaque();
  const int channels = rgb ? 3 : 4;
  png_init_io(png, f);
  png_set_IHDR(png, info, img.width(), img.height(), 8, rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row((size_t)img.width() * channels);
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      Rgba p = img.get(x, y);
      png_byte* d = &row[(size_t)x * channels];
      d[0] = p.r;
      d[1] = p.g;
      d[2] = p.b;
      if (!rgb) d[3] = p.a;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(f) != 0) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  return true;
}

static void put16(std::vector<unsigned char>& b, unsigned v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
static void put32(std::vector<unsigned char>& b, unsigned v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

bool writeBmp24(const std::string& path, const Image& img) {
  const unsigned rowBytes = ((unsigned)img.width() * 3 + 3) & ~3u;
  const unsigned dataBytes = rowBytes * (unsigned)img.height();
  std::vector<unsigned char> b;
  b.push_back('B');
  b.push_back('M');
  put32(b, 54 + dataBytes);
  put32(b, 0);
  put32(b, 54);  // pixel data offset
  put32(b, 40);  // BITMAPINFOHEADER
  put32(b, (unsigned)img.width());
  put32(b, (unsigned)img.height());  // positive: rows stored bottom-up
  put16(b, 1);
  put16(b, 24);
  put32(b, 0);  // no compression
  put32(b, dataBytes);
  put32(b, 2835);  // 72 dpi
  put32(b, 2835);
  put32(b, 0);
  put32(b, 0);
  for (int y = img.height() - 1; y >= 0; --y) {
    for (int x = 0; x < img.width(); ++x) {
      Rgba p = img.get(x, y);
      b.push_back(p.b);
      b.push_back(p.g);
      b.push_back(p.r);
    }
    for (unsigned pad = (unsigned)img.width() * 3; pad < rowBytes; ++pad) b.push_back(0);
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) std::fprintf(stderr, "%s: could not write the bitmap\n", path.c_str());
  return ok;
}
