#pragma once
// RGBA8 images: read back from the current framebuffer, compared and saved.
#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;  // bottom row first, as GL reads it

    static Image readFramebuffer(int w, int h);
    bool savePng(const std::string& path) const;
    // Mean colour (0..1) of the square of half-size r around (x, y), clipped to the image.
    void mean(int x, int y, int r, float out[3]) const;
    Image crop(int x, int y, int cw, int ch) const;
};

// Mean absolute difference per channel, 0..1.
float imageDifference(const Image& a, const Image& b);
int maxChannelDifference(const Image& a, const Image& b);
