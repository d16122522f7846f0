// The menu's kept picture: when it is drawn again, and which part of it is
// copied to the window.
#include "flow/MenuRedraw.h"
#include "render/ContentBox.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuRedraw, DrawsOnChangeAndOnTheFrameAfterInput) {
    MenuRedraw r;
    int mainMenu = 0, settings = 0;
    glm::ivec2 size(800, 600);
    EXPECT_TRUE(r.due(false, &mainMenu, size)) << "nothing kept yet";
    EXPECT_FALSE(r.due(false, &mainMenu, size));
    EXPECT_FALSE(r.due(false, &mainMenu, size));

    // A click is read before the frame is drawn, but what it asks for (a
    // refused setting, Back) happens after: both frames draw.
    EXPECT_TRUE(r.due(true, &mainMenu, size));
    EXPECT_TRUE(r.due(false, &mainMenu, size));
    EXPECT_FALSE(r.due(false, &mainMenu, size));

    EXPECT_TRUE(r.due(false, &settings, size)) << "another screen";
    EXPECT_FALSE(r.due(false, &settings, size));
    EXPECT_TRUE(r.due(false, &settings, glm::ivec2(1024, 768))) << "the window was resized";
    EXPECT_FALSE(r.due(false, &settings, glm::ivec2(1024, 768)));

    r.invalidate();  // a game ran
    EXPECT_TRUE(r.due(false, &settings, glm::ivec2(1024, 768)));
    EXPECT_FALSE(r.due(false, &settings, glm::ivec2(1024, 768)));
}

// The rectangle as (x, y, w, h), for one comparison with a readable failure.
std::vector<int> corners(const PixelRect& r) { return {r.x, r.y, r.w, r.h}; }

struct Picture {
    int w, h;
    std::vector<uint8_t> rgba;
    Picture(int w, int h, uint8_t r, uint8_t g, uint8_t b) : w(w), h(h), rgba(size_t(w * h) * 4) {
        for (int i = 0; i < w * h; i++)
            set(i % w, i / w, r, g, b);
    }
    void set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = &rgba[size_t(y * w + x) * 4];
        p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
    }
};

TEST(ContentBox, HoldsEveryPixelThatDiffersFromTheBackground) {
    const uint8_t black[3] = {0, 0, 0};
    Picture p(40, 30, 0, 0, 0);
    EXPECT_TRUE(contentBox(p.rgba, p.w, p.h, black).empty()) << "a blank picture needs no copy";

    p.set(7, 3, 0, 0, 1);  // one channel off by one counts
    EXPECT_EQ((std::vector<int>{7, 3, 1, 1}), corners(contentBox(p.rgba, p.w, p.h, black)));

    // Pixels in opposite corners stretch it to the whole picture.
    p.set(0, 29, 20, 20, 20);
    p.set(39, 0, 20, 20, 20);
    EXPECT_EQ((std::vector<int>{0, 0, 40, 30}), corners(contentBox(p.rgba, p.w, p.h, black)));
}

TEST(ContentBox, ComparesWithTheClearColourNotBlack) {
    const uint8_t sky[3] = {128, 128, 255};
    Picture p(10, 10, 128, 128, 255);
    p.set(2, 5, 0, 0, 0);
    p.set(6, 8, 0, 0, 0);
    EXPECT_EQ((std::vector<int>{2, 5, 5, 4}), corners(contentBox(p.rgba, p.w, p.h, sky)));
    // Alpha alone does not make a pixel differ: the window shows no alpha.
    Picture q(4, 4, 128, 128, 255);
    q.rgba[3] = 0;
    EXPECT_TRUE(contentBox(q.rgba, q.w, q.h, sky).empty());
    // A short buffer is refused rather than read past its end.
    EXPECT_TRUE(contentBox(std::vector<uint8_t>(8), 4, 4, sky).empty());
}

}  // namespace
