// The CPU half of a depth mesh: staging merged faces.
#include "render/DepthMesh.h"

#include "render/CubeFaces.h"

void DepthMesh::addFace(int x, int y, int z, int face, int du, int dv) {
    const CubeFace& f = CUBE_FACES[face];
    const int ua = faceUAxis(f), va = faceVAxis(f);
    // CUBE_FACES lists the faces by bit, not by facing: the normal (which
    // points into the cube) says which side the face looks to.
    int axis = f.normal[0] != 0 ? 0 : f.normal[1] != 0 ? 1 : 2;
    std::vector<float>& out = staged[2 * axis + (f.normal[axis] > 0 ? 0 : 1)];
    for (const auto& corner : f.corners) {
        int o[3] = {corner[0], corner[1], corner[2]};
        o[ua] *= du;
        o[va] *= dv;
        out.insert(out.end(), {float(x + o[0]), float(y + o[1]), float(z + o[2])});
    }
}

void DepthMesh::addSlope(glm::vec3 a, glm::vec3 b, glm::vec3 c, glm::vec3 d) {
    staged[SLOPES].insert(staged[SLOPES].end(), {a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z, d.x, d.y, d.z});
}

size_t DepthMesh::stagedQuads() const {
    size_t floats = 0;
    for (const auto& s : staged) floats += s.size();
    return floats / 12;
}

void DepthMesh::clearStaging() {
    for (auto& s : staged) std::vector<float>().swap(s);
}
