#include "render/ViewCull.h"

#include <initializer_list>

bool boxInView(const glm::mat4& viewProj, const glm::vec3& lo, const glm::vec3& hi) {
    glm::vec4 clip[8];
    for (int i = 0; i < 8; i++) {
        glm::vec3 c((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z);
        clip[i] = viewProj * glm::vec4(c, 1.0f);
    }
    // Planes of the clip volume: -w <= x, y, z <= w.
    for (int axis = 0; axis < 3; axis++)
        for (float side : {-1.0f, 1.0f}) {
            bool allOutside = true;
            for (const glm::vec4& p : clip)
                if (side * p[axis] <= p.w) {
                    allOutside = false;
                    break;
                }
            if (allOutside) return false;
        }
    return true;
}
