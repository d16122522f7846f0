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

FacingRuns runsFacingEye(const int* start, const glm::vec3& eye, const glm::vec3& lo, const glm::vec3& hi) {
    FacingRuns r;
    for (int g = 0; g < 6; g++) {
        int axis = g / 2;
        bool seen = (g % 2 == 0) ? eye[axis] < hi[axis] : eye[axis] > lo[axis];
        int count = start[g + 1] - start[g];
        if (!seen || count == 0) continue;
        if (r.runs > 0 && r.first[r.runs - 1] + r.count[r.runs - 1] == start[g]) {
            r.count[r.runs - 1] += count;
            continue;
        }
        r.first[r.runs] = start[g];
        r.count[r.runs] = count;
        r.runs++;
    }
    return r;
}
