#pragma once
// The smallest rectangle holding every pixel of a picture that differs from
// its background, so that only that part needs copying to the window.
#include <cstdint>
#include <vector>

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;  // empty when w or h is 0
    bool empty() const { return w <= 0 || h <= 0; }
};

// `rgba` holds w x h pixels of four bytes, row by row; `background` is the
// colour (r, g, b) the picture was cleared to. Alpha is not compared.
PixelRect contentBox(const std::vector<uint8_t>& rgba, int w, int h, const uint8_t (&background)[3]);
