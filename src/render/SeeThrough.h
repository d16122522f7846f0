#pragma once
// The `block` program leaves its see-through pixels (alpha below the cut) to
// the alpha test instead of discarding them itself. A program that may discard
// makes software GL shade every pixel before it can write depth; with the test
// off, as it is for the opaque world, depth is tested and written first.
#include <GL/glew.h>

constexpr float SEE_THROUGH_CUT = 0.02f;
// The singularity's lens fades out toward its rim: only its faintest sliver is
// cut, so that the rim keeps its soft edge.
constexpr float LENS_SEE_THROUGH_CUT = 0.01f;

// The cut of the alpha test while it is on; put SEE_THROUGH_CUT back after a
// draw that needs another.
inline void setSeeThroughCut(float cut) { glAlphaFunc(GL_GEQUAL, cut); }

inline void cutSeeThrough(bool on) {
    if (!on) {
        glDisable(GL_ALPHA_TEST);
        return;
    }
    glEnable(GL_ALPHA_TEST);
    setSeeThroughCut(SEE_THROUGH_CUT);
}
