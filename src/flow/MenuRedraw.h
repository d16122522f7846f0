#pragma once
// When the menu's screen must be drawn again. A screen changes only through
// input (a click, a key, the wheel, the pointer moving over a button), a switch
// to another screen, a new window size or a game played from it; in between
// its last picture is shown again and only the logo moves. Input is drawn on
// the frame that reads it and on the next one, because what it asks for (Back,
// a refused setting) takes effect after the frame has been drawn.
#include <glm/glm.hpp>

class MenuRedraw {
public:
    // True when this frame must draw the screen; `input` says whether events
    // were waiting when the frame began.
    bool due(bool input, const void* screen, glm::ivec2 size);
    // Forget the kept picture (a game has run, the GL state is not the menu's).
    void invalidate() { stale = true; }

private:
    bool stale = true;
    bool lastInput = false;
    const void* shown = nullptr;
    glm::ivec2 shownSize{0, 0};
};
