#pragma once
// Small GL helpers shared by the machines' drawing files (never included by
// state files, so the simulation stays free of GL).
#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <glm/glm.hpp>

// True when `program` is the depth-only shadow program: links, outlines and
// energy glows cast no shadow.
inline bool isShadowPass(GLuint program) {
    auto it = shaders.find("shadow");
    return it != shaders.end() && it->second != 0 && it->second == program;
}
