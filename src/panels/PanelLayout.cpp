#include "panels/PanelLayout.h"

#include "panels/StatusScreen.h"

#include <algorithm>

PanelBox panelBackdrop(const StatusScreen& s) {
    const float rowChar = 1.8f, titleChar = 3.0f, margin = 1.5f;
    float right = 5 + titleChar * float(s.name.size());
    auto reach = [&](float x) { right = std::max(right, x); };
    auto caption = [&](const std::string& c) { reach(5 + StatusScreen::captionCharWidth(c) * float(c.size())); };
    for (const SLabel& l : s.labels) {
        caption(l.name);
        if ((l.dispMode == 0 || l.dispMode == 1) && l.num1)
            reach(30 + rowChar * float(StatusScreen::labelText(l).size()));
        else if (l.dispMode == 2)
            reach(50);
    }
    for (const SNumBox& b : s.boxes) {
        caption(b.name);
        reach(50);
        if (!b.hint.empty()) reach(HINT_X + HINT_CHAR_W * float(b.hint.size()));
        // A refused value's reason is written at row size where the hint goes.
        if (!b.problem.empty()) reach(HINT_X + rowChar * float(b.problem.size()));
    }
    for (const SButton& b : s.buttons) {
        caption(b.name);
        reach(50);
        if (b.mode == 1 && b.times) reach(55 + rowChar * float(StatusScreen::bestTime(b.times[*b.toggle]).size()));
    }
    int rows = int(s.labels.size() + s.boxes.size() + s.buttons.size());
    float top = float(s.offset) + 5 + margin;
    float bottom = rows > 0 ? float(s.offset - 5 * (rows - 1) - 3) - margin : float(s.offset) + 1 - margin;
    return {std::max(0.0f, 5 - 2 * margin), std::clamp(bottom, 0.0f, 100.0f), std::min(100.0f, right + margin),
            std::clamp(top, 0.0f, 100.0f)};
}
