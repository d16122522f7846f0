#pragma once
// The game's bitmap font: 5 x 9 glyphs (7 rows above the baseline, 2 below)
// for printable ASCII, laid out on the 30 x 19 character sheet `TextAB`
// and also used to letter buttons and captions.
#include <string>
#include <vector>

#include "Image.h"

namespace font {

constexpr int kSheetCols = 30;
constexpr int kSheetRows = 19;
constexpr int kCellW = 8;
constexpr int kCellH = 12;
constexpr int kGlyphW = 5;
constexpr int kGlyphH = 9;
// Where a glyph sits inside its cell. The renderer reads cells with a step
// of 0.995 of a cell, so the window slides left/up by up to 1.2 px at the
// far columns; glyphs keep clear of the cell's right and bottom edges.
constexpr int kGlyphX = 1;
constexpr int kGlyphY = 2;

// Rows of the glyph for `c` ('#' set, '.' clear), or null for codes without one.
const std::vector<std::string>* glyph(char c);

// Width in pixels of `text` drawn with one pixel between glyphs.
int textWidth(const std::string& text);

// Draws `text` with the top of its capitals at row y.
void drawText(Image& img, int x, int y, const std::string& text, Rgba colour);

// The character sheet: white glyphs on a transparent background.
Image makeCharSheet();

}  // namespace font
