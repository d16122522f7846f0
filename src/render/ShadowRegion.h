#pragma once
// The sun's camera over the world, and which texels of its shadow map the
// picture can look up. The sun's camera sees the whole world, but the eye sees
// only part of it: texels outside that part are never read, so the shadow pass
// need not clear or fill them. On software GL filling the whole map costs more
// than the rest of the frame.
// Pure arithmetic, so the test runs headless.
#include <glm/glm.hpp>

// The sun's orthographic view of a world `width` by `depth` cells.
glm::mat4 shadowProjection(float width, float depth);

// The sun's camera, looking at `target` with the sky's up, or with north as
// up when the sun stands straight above it: the sky's up then gives no view
// at all, and every shadow would vanish.
glm::mat4 sunView(glm::vec3 sun, glm::vec3 target);

// From the sun's clip space into the shadow map's 0..1.
const glm::mat4 SHADOW_BIAS(0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0.5f, 0, 0.5f, 0.5f, 0.5f, 1);

// Texels [x0, x1) x [y0, y1) of the shadow map.
struct TexelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    bool meets(const TexelRect& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

// The texels around every point that lies both in the view volume of
// `viewProj` (projection times camera) and in the box [lo, hi], as the map of
// `mapSize` texels placed by `toMap` (the sun's projection and view, then the
// bias into 0..1) sees them, widened by `margin` texels and kept inside the
// map. Empty when the view and the box do not meet.
TexelRect shadowRegion(const glm::mat4& viewProj, glm::vec3 lo, glm::vec3 hi, const glm::mat4& toMap,
                       glm::ivec2 mapSize, int margin);

// The texels the box [lo, hi] covers in the map, widened by `margin` and kept
// inside it: what a draw of everything in the box can write.
TexelRect boxInMap(glm::vec3 lo, glm::vec3 hi, const glm::mat4& toMap, glm::ivec2 mapSize, int margin);
