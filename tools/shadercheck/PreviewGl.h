#pragma once
// Shared bits of the preview renders: uniform setters, off-screen targets and
// made-up textures standing in for the game's.
#include <GL/glew.h>
#include <glm/glm.hpp>

#include <string>

struct Programs {
    GLuint block = 0, shadow = 0, post = 0;
};

void setMat(GLuint prog, const char* name, const glm::mat4& m);
void setVec(GLuint prog, const char* name, glm::vec2 v);
void setVec(GLuint prog, const char* name, glm::vec3 v);
void setVec(GLuint prog, const char* name, glm::vec4 v);
void setInt(GLuint prog, const char* name, int v);
void setInts(GLuint prog, const char* name, int a, int b);
void setFloat(GLuint prog, const char* name, float v);

// A framebuffer with an optional RGBA colour texture and a depth texture,
// nearest-filtered and clamped like the game's scene and shadow buffers.
struct Target {
    GLuint fbo = 0, color = 0, depth = 0;
    int w = 0, h = 0;
    Target(int width, int height, bool withColor);
    ~Target();
    void bind() const;
};

enum class Tex { Grass, Stone, Vask, Beam, Sun, Glyphs, Icon, Frame, White, Portrait, Country, Hull };
GLuint previewTexture(Tex t);  // made once, kept for the process
// Take the game's own images (by their texture names) from `dir` instead of
// the made-up ones; any that cannot be read stay made up.
void usePreviewTextures(const std::string& dir);

// Failed checks are printed and counted here.
void expect(bool ok, const std::string& what);
int failedChecks();
