#pragma once
// A picture kept in a frame buffer the size of the window: drawn once, then
// copied to the window for as long as it stays the same. The menu's outlined
// text costs far more to draw on software GL than the copy does, and only the
// part that differs from the cleared background is copied.
#include "render/ContentBox.h"

#include <glm/glm.hpp>

class CachedPicture {
public:
    CachedPicture() = default;
    ~CachedPicture();
    CachedPicture(const CachedPicture&) = delete;
    CachedPicture& operator=(const CachedPicture&) = delete;

    // Makes the frame buffer (again, at a new size) and draws into it from now
    // on, cleared to the clear colour; false when the GL cannot make one: draw
    // to the window then.
    bool begin(glm::ivec2 size);
    // Back to drawing into the window; notes where the picture differs from
    // its background.
    void end();
    // Clears the window and copies the kept picture into it; false with none
    // kept.
    bool show();
    bool holds() const { return kept; }
    // Gives the GL objects back (while the context is still current).
    void release();

private:
    unsigned int buffer = 0, colour = 0, depth = 0;
    glm::ivec2 size{0, 0};
    PixelRect content;
    bool kept = false;
};
