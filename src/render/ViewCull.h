#pragma once
// Which parts of the world can reach the picture at all. Pure arithmetic, so
// the test runs headless.
#include <glm/glm.hpp>

// False only when the box [lo, hi] lies wholly outside one plane of the view
// volume of `viewProj` (projection times camera): nothing inside it can be
// drawn. A box that only might be seen counts as seen.
bool boxInView(const glm::mat4& viewProj, const glm::vec3& lo, const glm::vec3& hi);
