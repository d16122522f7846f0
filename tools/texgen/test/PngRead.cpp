#include "PngRead.h"

#include <png.h>

#include <cstdio>

bool decodePng(const std::string& path, Decoded& out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  png_byte sig[8];
  if (std::fread(sig, 1, 8, f) != 8 || png_sig_cmp(sig, 0, 8)) {
    std::fclose(f);
    return false;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_sig_bytes(png, 8);
  png_read_info(png, info);
  out.width = (int)png_get_image_width(png, info);
  out.height = (int)png_get_image_height(png, info);
  out.colorType = png_get_color_type(png, info);
  out.bitDepth = png_get_bit_depth(png, info);
  if (out.colorType == PNG_COLOR_TYPE_RGB) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  bool ok = png_get_rowbytes(png, info) == (size_t)out.width * 4;
  if (ok) {
    out.rgba.assign((size_t)out.width * out.height * 4, 0);
    std::vector<png_bytep> rows(out.height);
    for (int y = 0; y < out.height; ++y) rows[y] = &out.rgba[(size_t)y * out.width * 4];
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);
  return ok;
}
