// The block letters of the title logo. Each letter is a few convex quads in a
// box of LETTER_W x LETTER_H; "THE" sits centred above "VASK", right of the menu.
#include "flow/GameManager.h"

#include <algorithm>

namespace {

constexpr float LETTER_W = 8.5f, LETTER_H = 12.0f, STROKE = 2.0f, GAP = 2.0f;
constexpr float DEPTH = -20.0f;

using Quad = std::vector<glm::vec2>;

Quad box(float x0, float y0, float x1, float y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

std::vector<Quad> letter(char c) {
    const float W = LETTER_W, H = LETTER_H, t = STROKE, m = H / 2;
    switch (c) {
    case 'T': return {box(0, H - t, W, H), box(W / 2 - t / 2, 0, W / 2 + t / 2, H - t)};
    case 'H': return {box(0, 0, t, H), box(W - t, 0, W, H), box(t, m - t / 2, W - t, m + t / 2)};
    case 'E':
        return {box(0, 0, t, H), box(t, H - t, W, H), box(t, m - t / 2, W * 0.8f, m + t / 2),
                box(t, 0, W, t)};
    case 'V':
        return {{{0, H}, {W / 2 - t / 2, 0}, {W / 2 + t / 2, 0}, {t * 1.2f, H}},
                {{W - t * 1.2f, H}, {W / 2 - t / 2, 0}, {W / 2 + t / 2, 0}, {W, H}}};
    case 'A':
        return {{{0, 0}, {t * 1.2f, 0}, {W / 2 + t / 2, H}, {W / 2 - t / 2, H}},
                {{W - t * 1.2f, 0}, {W, 0}, {W / 2 + t / 2, H}, {W / 2 - t / 2, H}},
                box(W * 0.22f, H * 0.3f, W * 0.78f, H * 0.3f + t)};
    case 'S':
        // Wedges do the curves: the top bar thickens down the left side to the
        // middle bar, the bottom bar thickens up the right side; a short hook
        // ends the top stroke.
        return {{{0, m + t / 2}, {W, H - t}, {W, H}, {0, H}}, box(0, m - t / 2, W, m + t / 2),
                {{0, 0}, {W, 0}, {W, m - t / 2}, {0, t}}, box(W - t, H - t * 1.6f, W, H - t)};
    case 'K':
        return {box(0, 0, t, H), {{t, m + t}, {W - t * 1.2f, H}, {W, H}, {t, m - t / 2}},
                {{t, m + t / 2}, {t, m - t}, {W - t * 1.2f, 0}, {W, 0}}};
    default: return {};
    }
}

void addWord(std::vector<glm::vec3>& out, const char* word, float left, float bottom) {
    for (int i = 0; word[i]; i++)
        for (const Quad& q : letter(word[i]))
            for (const glm::vec2& p : q)
                out.push_back({left + i * (LETTER_W + GAP) + p.x, bottom + p.y, DEPTH});
}

}  // namespace

std::vector<glm::vec3> logoVertices() {
    std::vector<glm::vec3> v;
    const float right = 56.0f, rowWidth = 4 * LETTER_W + 3 * GAP;
    addWord(v, "THE", right + (rowWidth - (3 * LETTER_W + 2 * GAP)) / 2, 79.0f);
    addWord(v, "VASK", right, 62.0f);
    return v;
}

PanelBox logoBox() {
    PanelBox b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const glm::vec3& p : logoVertices()) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.bottom = std::min(b.bottom, p.y);
        b.top = std::max(b.top, p.y);
    }
    return b;
}
