#pragma once
// Which parts of the world can reach the picture at all. Pure arithmetic, so
// the test runs headless.
#include <glm/glm.hpp>

// False only when the box [lo, hi] lies wholly outside one plane of the view
// volume of `viewProj` (projection times camera): nothing inside it can be
// drawn. A box that only might be seen counts as seen.
bool boxInView(const glm::mat4& viewProj, const glm::vec3& lo, const glm::vec3& hi);

// The runs of a mesh grouped by the side its faces look to (-x, +x, -y, +y,
// -z, +z; group g spans start[g] to start[g + 1]) whose faces may look toward
// `eye`; `lo` and `hi` bound the planes the faces lie in. A face looking to +x
// is seen only from an eye beyond its plane. Groups that follow each other
// make one run.
struct FacingRuns {
    int first[6];
    int count[6];
    int runs = 0;
};
FacingRuns runsFacingEye(const int* start, const glm::vec3& eye, const glm::vec3& lo, const glm::vec3& hi);
