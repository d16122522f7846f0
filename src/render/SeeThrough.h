#pragma once
// The `block` program leaves its see-through pixels (alpha below the cut) to
// the alpha test instead of discarding them itself. A program that may discard
// makes software GL shade every pixel before it can write depth; with the test
// off, as it is for the opaque world, depth is tested and written first.
#include <GL/glew.h>

constexpr float SEE_THROUGH_CUT = 0.02f;

inline void cutSeeThrough(bool on) {
    if (!on) {
        glDisable(GL_ALPHA_TEST);
        return;
    }
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GEQUAL, SEE_THROUGH_CUT);
}
