#include "render/GlMesh.h"

void uploadAttribute(GLuint buffer, GLuint location, int components, const float* data, size_t floats,
                     GLenum usage) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(floats * sizeof(float)), data, usage);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(location);
}

void makeStaticMesh(GLuint& vao, GLuint* vbo, std::initializer_list<MeshAttribute> attributes,
                    const GLushort* indices, size_t indexCount) {
    GLsizei buffers = GLsizei(attributes.size()) + (indices ? 1 : 0);
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(buffers, vbo);
    GLuint* next = vbo;
    for (const MeshAttribute& a : attributes)
        uploadAttribute(*next++, a.location, a.components, a.data, a.floats, GL_STATIC_DRAW);
    if (indices) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, *next);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indexCount * sizeof(GLushort)), indices, GL_STATIC_DRAW);
    }
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    if (indices) glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void deleteMesh(GLuint& vao, GLuint* vbo, int count) {
    if (!vao) return;
    glBindVertexArray(0);
    glDeleteBuffers(count, vbo);
    glDeleteVertexArrays(1, &vao);
    vao = 0;
    for (int i = 0; i < count; i++) vbo[i] = 0;
}
