#pragma once
// Small GL helpers shared by the machines' drawing files (never included by
// state files, so the simulation stays free of GL).
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <glm/glm.hpp>

// Links, outlines and energy glows cast no shadow.
inline bool isShadowPass(GLuint program) { return program != 0 && program == shaders["shadow"]; }

inline void setModelMatrix(GLuint program, const glm::mat4& m) {
    glUniformMatrix4fv(glGetUniformLocation(program, "modelMatrix"), 1, GL_FALSE, &m[0][0]);
}

inline void setDrawMode(GLuint program, int mode) { glUniform1i(glGetUniformLocation(program, "mode"), mode); }

// Uploads one tightly packed float attribute into a buffer of its own.
inline void uploadAttribute(GLuint buffer, GLuint location, int components, const float* data, size_t floats,
                            GLenum usage) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(floats * sizeof(float)), data, usage);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(location);
}
