#pragma once
// Vertex-array plumbing shared by everything that draws: float attributes in
// buffers of their own, 16-bit indices, and deleting it all again.
#include <GL/glew.h>

#include <cstddef>
#include <initializer_list>

// Uploads one tightly packed float attribute into a buffer of its own and feeds
// it to `location` of the vertex array bound now.
void uploadAttribute(GLuint buffer, GLuint location, int components, const float* data, size_t floats,
                     GLenum usage);

// One float attribute of a mesh: `floats` values, `components` of them per vertex.
struct MeshAttribute {
    GLuint location;
    int components;
    const float* data;
    size_t floats;
};

// Makes `vao` with one static buffer per attribute in vbo[0..n-1] and, when
// indices are given, a static 16-bit index buffer in vbo[n]. Leaves no vertex
// array and no buffer bound.
void makeStaticMesh(GLuint& vao, GLuint* vbo, std::initializer_list<MeshAttribute> attributes,
                    const GLushort* indices = nullptr, size_t indexCount = 0);

// Deletes a mesh of `count` buffers and zeroes its ids; a mesh never made
// (`vao` 0) makes no GL call, so headless owners can call it freely.
void deleteMesh(GLuint& vao, GLuint* vbo, int count);
