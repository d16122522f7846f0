#include "GlMesh.h"

void GlMesh::vertex(glm::vec3 p, glm::vec2 t) {
    pos.insert(pos.end(), {p.x, p.y, p.z});
    tex.insert(tex.end(), {t.x, t.y});
}

void GlMesh::vertex(glm::vec3 p, glm::vec2 t, glm::vec4 n) {
    vertex(p, t);
    norm.insert(norm.end(), {n.x, n.y, n.z, n.w});
}

void GlMesh::cube(glm::vec3 o, float s, bool withNormals, float light) {
    // Corners per face, counter-clockwise seen from outside, with the inward normal.
    struct Face { glm::vec3 c[4]; glm::vec3 inward; };
    const Face faces[6] = {
        {{{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}, {1, 0, 0}},
        {{{1, 1, 0}, {1, 1, 1}, {1, 0, 1}, {1, 0, 0}}, {-1, 0, 0}},
        {{{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, {0, 0, 1}},
        {{{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}, {0, 0, -1}},
        {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, {0, 1, 0}},
        {{{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}, {0, -1, 0}},
    };
    const glm::vec2 uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const Face& f : faces)
        for (int i = 0; i < 4; ++i) {
            if (withNormals) vertex(o + f.c[i] * s, uv[i], glm::vec4(f.inward, light));
            else vertex(o + f.c[i] * s, uv[i]);
        }
}

void GlMesh::upload() {
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(3, vbo);
    auto feed = [](GLuint buf, GLuint loc, int comps, const std::vector<float>& data) {
        glBindBuffer(GL_ARRAY_BUFFER, buf);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.size() * sizeof(float)), data.data(),
                     GL_STATIC_DRAW);
        glVertexAttribPointer(loc, comps, GL_FLOAT, GL_FALSE, 0, nullptr);
        glEnableVertexAttribArray(loc);
    };
    feed(vbo[0], 0, 3, pos);
    if (!tex.empty()) feed(vbo[1], 2, 2, tex);
    if (!norm.empty()) feed(vbo[2], 3, 4, norm);
    glBindVertexArray(0);
    count = static_cast<GLsizei>(pos.size() / 3);
}

void GlMesh::draw() const {
    glBindVertexArray(vao);
    glDrawArrays(primitive, 0, count);
    glBindVertexArray(0);
}

GlMesh::~GlMesh() {
    if (vao) glDeleteVertexArrays(1, &vao);
    glDeleteBuffers(3, vbo);
}
