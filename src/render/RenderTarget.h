#pragma once
// Textures that frame buffers draw into: the scene, the shadow map and the
// singularity's lens.
#include <GL/glew.h>

// Makes a 2D colour or depth texture of w x h with no contents, clamped at its
// edges and sampled with `filter`; it is left bound to GL_TEXTURE_2D.
GLuint makeTargetTexture(GLint internal, GLsizei w, GLsizei h, GLenum format, GLenum type = GL_FLOAT,
                         GLint filter = GL_NEAREST);
