#include "Image.h"

#include <GL/glew.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

Image Image::readFramebuffer(int w, int h) {
    Image img;
    img.w = w;
    img.h = h;
    img.rgba.resize(static_cast<size_t>(w) * h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, img.rgba.data());
    return img;
}

bool Image::savePng(const std::string& path) const {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = h - 1; y >= 0; --y) {  // PNG rows run top to bottom
        std::vector<uint8_t> row(rgba.begin() + static_cast<long>(y) * w * 4,
                                 rgba.begin() + static_cast<long>(y + 1) * w * 4);
        for (size_t i = 3; i < row.size(); i += 4) row[i] = 255;  // show what the window shows
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

void Image::mean(int x, int y, int r, float out[3]) const {
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int yy = std::max(0, y - r); yy <= std::min(h - 1, y + r); ++yy)
        for (int xx = std::max(0, x - r); xx <= std::min(w - 1, x + r); ++xx) {
            const uint8_t* p = &rgba[(static_cast<size_t>(yy) * w + xx) * 4];
            for (int c = 0; c < 3; ++c) sum[c] += p[c];
            ++n;
        }
    for (int c = 0; c < 3; ++c) out[c] = n ? static_cast<float>(sum[c] / n / 255.0) : 0.0f;
}

Image Image::crop(int x, int y, int cw, int ch) const {
    Image out;
    out.w = cw;
    out.h = ch;
    out.rgba.resize(static_cast<size_t>(cw) * ch * 4);
    for (int yy = 0; yy < ch; ++yy)
        std::copy_n(&rgba[(static_cast<size_t>(y + yy) * w + x) * 4], cw * 4,
                    &out.rgba[static_cast<size_t>(yy) * cw * 4]);
    return out;
}

float imageDifference(const Image& a, const Image& b) {
    if (a.rgba.size() != b.rgba.size() || a.rgba.empty()) return 1.0f;
    double sum = 0;
    for (size_t i = 0; i < a.rgba.size(); ++i)
        if (i % 4 != 3) sum += std::abs(a.rgba[i] - b.rgba[i]);
    return static_cast<float>(sum / (a.rgba.size() * 3 / 4) / 255.0);
}

int maxChannelDifference(const Image& a, const Image& b) {
    if (a.rgba.size() != b.rgba.size()) return 255;
    int worst = 0;
    for (size_t i = 0; i < a.rgba.size(); ++i)
        if (i % 4 != 3) worst = std::max(worst, std::abs(a.rgba[i] - b.rgba[i]));
    return worst;
}
