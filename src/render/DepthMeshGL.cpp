// The GL half of a depth mesh: one position buffer, drawn a facing group at a time.
#include "render/DepthMesh.h"

#include "render/GlMesh.h"
#include "render/ViewCull.h"

#include <utility>

DepthMesh::~DepthMesh() { release(); }

DepthMesh::DepthMesh(DepthMesh&& other) noexcept
    : vao(std::exchange(other.vao, 0u)), vbo(std::exchange(other.vbo, 0u)) {
    for (int g = 0; g < 8; g++) first[g] = std::exchange(other.first[g], 0);
    for (int g = 0; g < 7; g++) staged[g] = std::move(other.staged[g]);
}

void DepthMesh::release() {
    // A mesh never uploaded (headless) makes no GL call.
    deleteMesh(vao, &vbo, 1);
    for (int& f : first) f = 0;
}

void DepthMesh::upload() {
    release();
    std::vector<float> all;
    all.reserve(stagedQuads() * 12);
    for (int g = 0; g < 7; g++) {
        first[g] = int(all.size() / 3);
        all.insert(all.end(), staged[g].begin(), staged[g].end());
    }
    first[7] = int(all.size() / 3);
    clearStaging();
    if (all.empty()) return;
    makeStaticMesh(vao, &vbo, {{0, 3, all.data(), all.size()}});
}

void DepthMesh::draw(glm::vec3 eye, glm::vec3 lo, glm::vec3 hi) const {
    if (!vao) return;
    FacingRuns seen = runsFacingEye(first, eye, lo, hi);
    glBindVertexArray(vao);
    if (seen.runs > 0) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glMultiDrawArrays(GL_QUADS, seen.first, seen.count, seen.runs);
        glDisable(GL_CULL_FACE);
    }
    if (first[7] > first[SLOPES]) glDrawArrays(GL_QUADS, first[SLOPES], first[7] - first[SLOPES]);
    glBindVertexArray(0);
}
