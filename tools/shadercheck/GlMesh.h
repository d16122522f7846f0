#pragma once
// A tiny vertex-array builder laid out like the game's meshes: one tightly
// packed buffer per attribute (0 position, 2 texture, 3 normal-and-light).
#include <GL/glew.h>
#include <glm/glm.hpp>

#include <vector>

class GlMesh {
public:
    std::vector<float> pos, tex, norm;
    GLenum primitive = GL_QUADS;

    void vertex(glm::vec3 p, glm::vec2 t);
    void vertex(glm::vec3 p, glm::vec2 t, glm::vec4 n);
    // Unit cube faces at `origin` (scaled by `size`); with normals (pointing
    // into the cube, light `light`) when `withNormals` is set.
    void cube(glm::vec3 origin, float size, bool withNormals, float light = 0.0f);
    void upload();
    void draw() const;
    ~GlMesh();

private:
    GLuint vao = 0, vbo[3] = {0, 0, 0};
    GLsizei count = 0;
};
