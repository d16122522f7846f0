#pragma once
// The area a status screen's rows cover, in the 0..100 overlay space: the dark
// backdrop drawn behind them, and what the menu's logo must keep clear of.
class StatusScreen;

struct PanelBox {
    float left = 0, bottom = 0, right = 0, top = 0;
    bool overlaps(const PanelBox& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

// The box around the title and every row, as drawn now (live values and the
// scroll offset included), a unit of margin around it, clipped to the window.
PanelBox panelBackdrop(const StatusScreen& s);

// Where a box's hint goes, and its character size: right of the box, smaller
// than the rows' text so that a sentence fits.
constexpr float HINT_X = 52.0f, HINT_CHAR_W = 1.1f, HINT_CHAR_H = 2.0f;
