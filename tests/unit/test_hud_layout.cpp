// The HUD's layout: every piece inside the window, nothing on top of anything
// else, text at whole glyph sizes, for the window sizes players use.
#include "render/HudLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Counts = std::array<std::string, HUD_RESOURCES>;
const std::pair<int, int> SIZES[] = {{640, 480}, {800, 600}, {1024, 768}, {1920, 1080}};

struct Named {
    std::string what;
    PixelRect r;
};

// The pieces drawn at once with no tool menu open.
std::vector<Named> pieces(const HudLayout& l) {
    std::vector<Named> v = {{"frame-rate line", l.frameLine}, {"caption", l.caption}, {"reticle", l.reticle}};
    for (int i = 0; i < HUD_RESOURCES; i++) {
        v.push_back({std::string("icon ") + HUD_RESOURCE_NAMES[size_t(i)], l.icons[size_t(i)]});
        v.push_back({std::string("count ") + HUD_RESOURCE_NAMES[size_t(i)], l.counts[size_t(i)]});
        v.push_back({std::string("name ") + HUD_RESOURCE_NAMES[size_t(i)], l.names[size_t(i)]});
    }
    for (int k = 0; k < HUD_TOOLS; k++) v.push_back({"tool " + std::to_string(k), l.tools[size_t(k)]});
    return v;
}

void expectInsideAndApart(const HudLayout& l, const std::vector<Named>& v, const std::string& where) {
    for (size_t i = 0; i < v.size(); i++) {
        EXPECT_TRUE(v[i].r.insideWindow(l.width, l.height)) << where << ": " << v[i].what << " leaves the window";
        for (size_t j = i + 1; j < v.size(); j++)
            EXPECT_FALSE(v[i].r.overlaps(v[j].r)) << where << ": " << v[i].what << " overlaps " << v[j].what;
    }
}

}  // namespace

TEST(HudLayout, EveryPieceInsideTheWindowAndApart) {
    const Counts typical = {"5", "40", "0", "12", "3", "7"};
    const Counts large = {"1234567", "99999", "250", "1000", "100000", "12"};
    for (auto [w, h] : SIZES)
        for (const Counts& counts : {typical, large}) {
            HudLayout l = layoutHud(w, h, counts, "Place block: generators");
            std::string where = std::to_string(w) + "x" + std::to_string(h) + " count " + counts[0];
            expectInsideAndApart(l, pieces(l), where);
            // Backdrops hold their text and stay clear of the frame-rate line.
            EXPECT_TRUE(l.resourceBackdrop.insideWindow(w, h)) << where;
            EXPECT_TRUE(l.captionBackdrop.insideWindow(w, h)) << where;
            EXPECT_FALSE(l.resourceBackdrop.overlaps(l.frameLine)) << where;
            EXPECT_FALSE(l.captionBackdrop.overlaps(l.tools[0])) << where;
            for (int i = 0; i < HUD_RESOURCES; i++) {
                const PixelRect& c = l.counts[size_t(i)];
                const PixelRect& b = l.resourceBackdrop;
                EXPECT_TRUE(c.x >= b.x && c.right() <= b.right() && c.y >= b.y && c.top() <= b.top()) << where;
                EXPECT_EQ(c.w, int(counts[size_t(i)].size()) * 8 * l.glyph) << "whole digits: " << where;
            }
        }
}

TEST(HudLayout, OpenToolMenuWithNamesStaysClearOfTheRest) {
    const char* blocks[] = {"matter", "generators", "capacitors", "relays", "sensors"};
    for (auto [w, h] : SIZES) {
        HudLayout l = layoutHud(w, h, {"5", "40", "0", "12", "3", "7"}, "Place block: matter");
        std::string where = std::to_string(w) + "x" + std::to_string(h);
        std::vector<Named> v = pieces(l);
        for (int k = 0; k < 5; k++) {
            v.push_back({std::string("choice ") + blocks[k], l.option(2, k)});
            v.push_back({std::string("choice name ") + blocks[k], l.optionName(2, k, blocks[k])});
        }
        // The reticle sits in the middle of the view; the column may pass beside it.
        v.erase(v.begin() + 2);
        expectInsideAndApart(l, v, where);
        EXPECT_FALSE(l.option(2, 4).overlaps(l.resourceBackdrop)) << where;
    }
}

TEST(HudLayout, GrowsWithTheWindowHeightInWholeGlyphSteps) {
    HudLayout small = layoutHud(640, 480, {}, "x"), big = layoutHud(1920, 1080, {}, "x");
    EXPECT_EQ(small.glyph, 1) << "the sheet's own size is the smallest readable one";
    EXPECT_EQ(big.glyph, 2);
    EXPECT_GT(big.tools[0].w, small.tools[0].w);
    EXPECT_EQ(big.tools[0].w, big.tools[0].h) << "square slots whatever the aspect";
    // A count grows to the right without covering the next slot: the row wraps
    // when it would leave the window.
    HudLayout wide = layoutHud(640, 480, {"1234567890123456", "1234567890123456", "1", "1", "1", "1"}, "x");
    EXPECT_GT(wide.resourceBackdrop.h, small.resourceBackdrop.h);
    expectInsideAndApart(wide, pieces(wide), "640x480 with wide counts");
}
