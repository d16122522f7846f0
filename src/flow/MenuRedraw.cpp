#include "flow/MenuRedraw.h"

bool MenuRedraw::due(bool input, const void* screen, glm::ivec2 size) {
    bool redraw = stale || input || lastInput || screen != shown || size != shownSize;
    stale = false;
    lastInput = input;
    shown = screen;
    shownSize = size;
    return redraw;
}
