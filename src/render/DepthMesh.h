#pragma once
// A sector's opaque geometry as the sun's depth pass needs it: positions only,
// runs of cube faces in one plane merged into larger quads whatever their
// block type and grouped by the side they look to, and the slope fillers. A
// depth map cannot tell one merged quad from the faces it covers, while the
// eye's view could (texture coordinates, light and fog interpolated over a
// larger quad round differently), so only the sun's pass draws merged faces.
// Building is CPU work (DepthMesh.cpp); upload and drawing are GL
// (DepthMeshGL.cpp).
#include <glm/glm.hpp>

#include <cstddef>
#include <vector>

// Whether the faces of cells of `type` (drawn in `renderPass`) go into the
// depth mesh as cubes: the opaque ones. Slope fillers go in as their slopes;
// the translucent passes cast no shadow.
inline bool typeInDepthMesh(int type, int renderPass) { return type > 1 && renderPass == 1; }

class DepthMesh {
public:
    // Staging: x, y, z of four corners per quad, one array per facing
    // (-x, +x, -y, +y, -z, +z) in the winding of the eye's mesh, and last the
    // slopes (a triangle repeats its last corner), which are drawn from both
    // sides since their winding says nothing about which side is seen.
    static constexpr int SLOPES = 6;
    std::vector<float> staged[7];

    DepthMesh() = default;
    ~DepthMesh();
    // The GL names belong to one sector: a copy would free them twice. A move
    // takes them along and leaves the source without any.
    DepthMesh(const DepthMesh&) = delete;
    DepthMesh& operator=(const DepthMesh&) = delete;
    DepthMesh(DepthMesh&& other) noexcept;
    DepthMesh& operator=(DepthMesh&&) = delete;

    // Adds the face `face` (index into CUBE_FACES) of the du x dv rectangle of
    // cells starting at cell (x, y, z), along the face's u and v axes.
    void addFace(int x, int y, int z, int face, int du, int dv);
    void addSlope(glm::vec3 a, glm::vec3 b, glm::vec3 c, glm::vec3 d);
    size_t stagedQuads() const;
    void clearStaging();

    // Replaces the uploaded mesh by the staging arrays and empties them.
    void upload();
    // Draws the slopes and the groups whose faces may look toward `eye`, the
    // latter with back faces culled; `lo` and `hi` bound the planes the faces
    // lie in.
    void draw(glm::vec3 eye, glm::vec3 lo, glm::vec3 hi) const;

private:
    unsigned int vao = 0, vbo = 0;
    int first[8] = {0, 0, 0, 0, 0, 0, 0, 0};  // group g is vertices first[g] to first[g + 1]
    void release();
};
