#include "render/ContentBox.h"

#include <algorithm>

PixelRect contentBox(const std::vector<uint8_t>& rgba, int w, int h, const uint8_t (&background)[3]) {
    if (w <= 0 || h <= 0 || rgba.size() < size_t(w) * size_t(h) * 4) return {};
    int left = w, right = -1, bottom = h, top = -1;
    for (int y = 0; y < h; y++) {
        const uint8_t* row = &rgba[size_t(y) * size_t(w) * 4];
        int first = -1, last = -1;
        for (int x = 0; x < w; x++) {
            const uint8_t* p = row + 4 * x;
            if (p[0] != background[0] || p[1] != background[1] || p[2] != background[2]) {
                if (first < 0) first = x;
                last = x;
            }
        }
        if (first < 0) continue;
        left = std::min(left, first);
        right = std::max(right, last);
        bottom = std::min(bottom, y);
        top = y;
    }
    if (right < 0) return {};
    return {left, bottom, right - left + 1, top - bottom + 1};
}
