#pragma once
// Writes PNG files with libpng for the texture loader's tests and seeds: rows
// of raw samples as the colour type and bit depth want them (16-bit samples
// big-endian), and an optional palette with its transparency.
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

inline bool writePngFile(const std::string& path, unsigned w, unsigned h, int colorType, int bitDepth,
                         const std::vector<unsigned char>& data, const std::vector<png_color>& palette = {},
                         const std::vector<png_byte>& paletteAlpha = {}, int interlace = PNG_INTERLACE_NONE) {
    FILE* fp = fopen(path.c_str(), "wb");
    if (!fp) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, fp);
    png_set_IHDR(png, info, w, h, bitDepth, colorType, interlace, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (!paletteAlpha.empty())
        png_set_tRNS(png, info, paletteAlpha.data(), int(paletteAlpha.size()), nullptr);
    png_write_info(png, info);
    size_t rowBytes = data.size() / h;
    std::vector<png_bytep> rows;
    for (unsigned y = 0; y < h; y++) rows.push_back(const_cast<png_bytep>(data.data() + y * rowBytes));
    png_write_image(png, rows.data());  // every pass of an interlaced image
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fclose(fp) == 0;
}
