#include "render/ShadowRegion.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using Polygon = std::vector<glm::dvec3>;

// The part of `poly` on the side of `plane` where dot(plane.xyz, p) + plane.w >= 0.
Polygon clip(const Polygon& poly, const glm::dvec4& plane) {
    Polygon out;
    for (size_t i = 0; i < poly.size(); i++) {
        glm::dvec3 a = poly[i], b = poly[(i + 1) % poly.size()];
        double da = glm::dot(glm::dvec3(plane), a) + plane.w, db = glm::dot(glm::dvec3(plane), b) + plane.w;
        if (da >= 0) out.push_back(a);
        if ((da >= 0) != (db >= 0)) out.push_back(a + (b - a) * (da / (da - db)));
    }
    return out;
}

// Corner i of a hexahedron is (x, y, z) = (i & 1, i & 2, i & 4) of its own axes.
std::array<Polygon, 6> facesOf(const std::array<glm::dvec3, 8>& c) {
    return {{{c[0], c[2], c[6], c[4]},
             {c[1], c[3], c[7], c[5]},
             {c[0], c[1], c[5], c[4]},
             {c[2], c[3], c[7], c[6]},
             {c[0], c[1], c[3], c[2]},
             {c[4], c[5], c[7], c[6]}}};
}

std::array<glm::dvec3, 8> boxCorners(glm::dvec3 lo, glm::dvec3 hi) {
    std::array<glm::dvec3, 8> c;
    for (int i = 0; i < 8; i++) c[i] = glm::dvec3(i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z);
    return c;
}

// Texels covered by `points` seen through `toMap`, each widened by `spread`
// texels along x and y, kept inside the map.
TexelRect cover(const glm::dvec3* points, size_t count, const glm::dmat4& toMap, glm::ivec2 mapSize,
                glm::dvec2 spread) {
    if (count == 0) return {};
    glm::dvec2 lo(1e30), hi(-1e30);
    for (size_t i = 0; i < count; i++) {
        glm::dvec4 m = toMap * glm::dvec4(points[i], 1.0);
        glm::dvec2 t = glm::dvec2(m) / m.w * glm::dvec2(mapSize);
        // A sun straight above the point it looks at has no defined view.
        if (!std::isfinite(t.x) || !std::isfinite(t.y)) return {0, 0, mapSize.x, mapSize.y};
        lo = glm::min(lo, t), hi = glm::max(hi, t);
    }
    lo -= spread, hi += spread;
    TexelRect r;
    r.x0 = int(std::clamp(std::floor(lo.x), 0.0, double(mapSize.x)));
    r.y0 = int(std::clamp(std::floor(lo.y), 0.0, double(mapSize.y)));
    r.x1 = int(std::clamp(std::ceil(hi.x), 0.0, double(mapSize.x)));
    r.y1 = int(std::clamp(std::ceil(hi.y), 0.0, double(mapSize.y)));
    return r;
}

}  // namespace

glm::mat4 shadowProjection(float width, float depth) {
    return glm::ortho(-0.65f * width, 0.65f * width, -0.65f * depth, 0.65f * depth, 100.0f, 1000.0f);
}

glm::mat4 sunView(glm::vec3 sun, glm::vec3 target) {
    glm::vec3 ahead = target - sun;
    bool overhead = glm::length(glm::cross(ahead, glm::vec3(0, 1, 0))) <= 1e-6f * glm::length(ahead);
    return glm::lookAt(sun, target, overhead ? glm::vec3(0, 0, -1) : glm::vec3(0, 1, 0));
}

TexelRect shadowRegion(const glm::mat4& viewProj, glm::vec3 lo, glm::vec3 hi, const glm::mat4& toMap,
                       glm::ivec2 mapSize, int margin) {
    // Doubles: the far corners of the view lie a thousand cells away, and
    // single floats would misplace the cut there by more than a texel.
    glm::dmat4 vp(viewProj);
    glm::dmat4 unproject = glm::inverse(vp);
    std::array<glm::dvec3, 8> frustum;
    for (int i = 0; i < 8; i++) {
        glm::dvec4 p = unproject * glm::dvec4(i & 1 ? 1 : -1, i & 2 ? 1 : -1, i & 4 ? 1 : -1, 1);
        frustum[i] = glm::dvec3(p) / p.w;
    }
    // Inside the view: -w <= x, y, z <= w of the clip coordinates.
    std::array<glm::dvec4, 6> viewPlanes;
    glm::dvec4 rowW(vp[0][3], vp[1][3], vp[2][3], vp[3][3]);
    for (int axis = 0; axis < 3; axis++) {
        glm::dvec4 row(vp[0][axis], vp[1][axis], vp[2][axis], vp[3][axis]);
        viewPlanes[size_t(2 * axis)] = rowW + row;
        viewPlanes[size_t(2 * axis + 1)] = rowW - row;
    }
    std::array<glm::dvec4, 6> boxPlanes = {{{1, 0, 0, -double(lo.x)},
                                            {-1, 0, 0, double(hi.x)},
                                            {0, 1, 0, -double(lo.y)},
                                            {0, -1, 0, double(hi.y)},
                                            {0, 0, 1, -double(lo.z)},
                                            {0, 0, -1, double(hi.z)}}};

    // Every corner of the common part of two convex solids lies on a face of
    // one of them, inside the other.
    std::vector<glm::dvec3> corners;
    auto keep = [&corners](Polygon face, const std::array<glm::dvec4, 6>& planes) {
        for (const glm::dvec4& plane : planes) face = clip(face, plane);
        corners.insert(corners.end(), face.begin(), face.end());
    };
    for (const Polygon& face : facesOf(boxCorners(lo, hi))) keep(face, viewPlanes);
    for (const Polygon& face : facesOf(frustum)) keep(face, boxPlanes);
    return cover(corners.data(), corners.size(), glm::dmat4(toMap), mapSize, glm::dvec2(margin));
}

TexelRect boxInMap(glm::vec3 lo, glm::vec3 hi, const glm::mat4& toMap, glm::ivec2 mapSize, int margin) {
    std::array<glm::dvec3, 8> c = boxCorners(lo, hi);
    return cover(c.data(), c.size(), glm::dmat4(toMap), mapSize, glm::dvec2(margin));
}
