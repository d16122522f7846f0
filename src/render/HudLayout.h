#pragma once
// Where the HUD's pieces go in a window of a given size, in whole pixels from
// the window's bottom-left corner. Everything grows with the window's height;
// text is drawn at a whole multiple of the character sheet's 8 x 12 cells so
// that every glyph keeps all of its strokes. No GL here: the drawing converts
// these rectangles to the 0..100 overlay space.
#include <array>
#include <string>

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;  // left, bottom, width, height
    int right() const { return x + w; }
    int top() const { return y + h; }
    bool overlaps(const PixelRect& o) const {
        return x < o.right() && o.x < right() && y < o.top() && o.y < top();
    }
    bool insideWindow(int width, int height) const {
        return x >= 0 && y >= 0 && right() <= width && top() <= height;
    }
};

constexpr int HUD_RESOURCES = 6;
constexpr int HUD_TOOLS = 4;

// The resource row's order, and what each icon stands for.
extern const std::array<const char*, HUD_RESOURCES> HUD_RESOURCE_ICONS;
extern const std::array<const char*, HUD_RESOURCES> HUD_RESOURCE_NAMES;

struct HudLayout {
    int width = 0, height = 0;
    int glyph = 1;         // text cells are 8 x glyph by 12 x glyph pixels
    PixelRect frameLine;   // left free at the top left for a frame-rate line
    PixelRect resourceBackdrop;
    std::array<PixelRect, HUD_RESOURCES> icons, counts, names;
    std::array<PixelRect, HUD_TOOLS> tools;
    PixelRect caption, captionBackdrop;  // the chosen tool's name and option
    PixelRect reticle;

    int charWidth() const { return 8 * glyph; }
    int lineHeight() const { return 12 * glyph; }
    // The box of `text` with its bottom-left corner at (x, y).
    PixelRect textBox(int x, int y, const std::string& text) const {
        return {x, y, charWidth() * int(text.size()), lineHeight()};
    }
    // Choice k of a tool's option column, stacked upwards from its slot.
    PixelRect option(int tool, int k) const;
    // The name written beside choice k of that column.
    PixelRect optionName(int tool, int k, const std::string& name) const;
};

// `counts` are the numbers shown in the resource row (they may widen it) and
// `caption` the chosen tool's line under the tool bar.
HudLayout layoutHud(int width, int height, const std::array<std::string, HUD_RESOURCES>& counts,
                    const std::string& caption);
