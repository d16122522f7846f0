#include "PreviewGl.h"

#include <glm/gtc/type_ptr.hpp>
#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

void setMat(GLuint p, const char* n, const glm::mat4& m) {
    glUniformMatrix4fv(glGetUniformLocation(p, n), 1, GL_FALSE, glm::value_ptr(m));
}
void setVec(GLuint p, const char* n, glm::vec2 v) { glUniform2f(glGetUniformLocation(p, n), v.x, v.y); }
void setVec(GLuint p, const char* n, glm::vec3 v) { glUniform3f(glGetUniformLocation(p, n), v.x, v.y, v.z); }
void setVec(GLuint p, const char* n, glm::vec4 v) {
    glUniform4f(glGetUniformLocation(p, n), v.x, v.y, v.z, v.w);
}
void setInt(GLuint p, const char* n, int v) { glUniform1i(glGetUniformLocation(p, n), v); }
void setInts(GLuint p, const char* n, int a, int b) { glUniform2i(glGetUniformLocation(p, n), a, b); }
void setFloat(GLuint p, const char* n, float v) { glUniform1f(glGetUniformLocation(p, n), v); }

namespace {
GLuint upload(int w, int h, GLint filter, const std::vector<uint8_t>& px) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glBindTexture(GL_TEXTURE_2D, 0);
    return id;
}

GLuint makeTexture(int w, int h, GLint filter, const std::function<glm::vec4(float, float)>& f) {
    std::vector<uint8_t> px(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            glm::vec4 c = glm::clamp(f((x + 0.5f) / w, (y + 0.5f) / h), 0.0f, 1.0f);
            for (int k = 0; k < 4; ++k)
                px[(static_cast<size_t>(y) * w + x) * 4 + k] = static_cast<uint8_t>(c[k] * 255.0f + 0.5f);
        }
    return upload(w, h, filter, px);
}

// The top row first, as the game uploads its images.
GLuint loadPng(const std::string& path) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str())) return 0;
    img.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> px(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, px.data(), 0, nullptr)) return 0;
    return upload(static_cast<int>(img.width), static_cast<int>(img.height), GL_NEAREST, px);
}

const char* gameName(Tex t) {
    switch (t) {
    case Tex::Grass: return "grass";
    case Tex::Stone: return "stone";
    case Tex::Vask: return "vask";
    case Tex::Beam: return "beam";
    case Tex::Sun: return "sun";
    case Tex::Glyphs: return "reticle";
    case Tex::Icon: return "matter";
    case Tex::Frame: return "box2";
    case Tex::White: return "white1";
    case Tex::Portrait: return "portraitVask";
    case Tex::Country: return "country";
    case Tex::Hull: return "ship2";
    }
    return "dne";
}

std::string textureDir;

float hash(float x, float y) {
    float v = std::sin(x * 127.1f + y * 311.7f) * 43758.5453f;
    return v - std::floor(v);
}

// Texture coordinate t = 0 is the top row, as the game uploads its images.
glm::vec4 build(Tex t, float u, float v) {
    const int cx = static_cast<int>(u * 8), cy = static_cast<int>(v * 8);
    const float n = hash(static_cast<float>(cx), static_cast<float>(cy));
    const float edge = std::fmin(std::fmin(u, 1 - u), std::fmin(v, 1 - v));
    switch (t) {
    case Tex::Grass:
        return ((cx + cy) % 2 ? glm::vec4(0.30f, 0.62f, 0.22f, 1) : glm::vec4(0.45f, 0.34f, 0.2f, 1)) *
               (0.85f + 0.3f * n);
    case Tex::Stone: return glm::vec4(glm::vec3(0.5f + 0.2f * n), 1.0f);
    case Tex::Vask: return glm::vec4(0.45f + 0.3f * n, 0.15f, 0.55f + 0.3f * n, 1.0f);
    case Tex::Beam: return glm::vec4(0.4f, 0.9f, 1.0f, 1.0f - std::fabs(v - 0.5f) * 1.6f);
    case Tex::Sun: {
        float r = glm::length(glm::vec2(u, v) - 0.5f) * 2.0f;
        return glm::vec4(1.0f, 0.9f, 0.5f, glm::clamp(1.2f - r * 1.2f, 0.0f, 1.0f));
    }
    case Tex::Glyphs: {  // a white "+" on transparent, like a glyph sheet cell
        bool on = (std::fabs(u - 0.5f) < 0.12f && std::fabs(v - 0.5f) < 0.4f) ||
                  (std::fabs(v - 0.5f) < 0.12f && std::fabs(u - 0.5f) < 0.4f);
        return on ? glm::vec4(1) : glm::vec4(1, 1, 1, 0);
    }
    case Tex::Icon: return edge < 0.1f ? glm::vec4(0.9f, 0.9f, 0.9f, 1) : glm::vec4(0.2f, 0.5f, 0.9f, 1);
    case Tex::Frame: return edge < 0.08f ? glm::vec4(0.8f, 0.8f, 0.8f, 1) : glm::vec4(0, 0, 0, 0);
    case Tex::White: return glm::vec4(1);
    case Tex::Portrait: {
        glm::vec2 p(u - 0.5f, v - 0.45f);
        bool head = glm::length(p * glm::vec2(1.0f, 0.8f)) < 0.3f;
        bool eye = glm::length(glm::vec2(std::fabs(p.x) - 0.1f, p.y + 0.05f)) < 0.05f;
        if (eye) return glm::vec4(0.1f, 0.1f, 0.1f, 1);
        return head ? glm::vec4(0.5f, 0.75f, 0.45f, 1) : glm::vec4(0.15f, 0.15f, 0.25f, 1);
    }
    case Tex::Country: return glm::vec4(0.25f + 0.1f * n, 0.5f + 0.15f * n, 0.2f, 1.0f);
    case Tex::Hull:
        return glm::vec4(glm::vec3(0.6f + 0.1f * n) * (edge < 0.05f || std::fabs(v - 0.5f) < 0.02f ? 0.6f : 1.0f), 1);
    }
    return glm::vec4(1, 0, 1, 1);
}
int failures = 0;
} // namespace

GLuint previewTexture(Tex t) {
    static std::map<Tex, GLuint> made;
    auto it = made.find(t);
    if (it != made.end()) return it->second;
    if (!textureDir.empty())
        if (GLuint id = loadPng(textureDir + "/" + gameName(t) + ".png")) return made[t] = id;
    GLint filter = (t == Tex::Sun || t == Tex::Portrait) ? GL_LINEAR : GL_NEAREST;
    return made[t] = makeTexture(64, 64, filter, [t](float u, float v) { return build(t, u, v); });
}

void usePreviewTextures(const std::string& dir) { textureDir = dir; }

Target::Target(int width, int height, bool withColor) : w(width), h(height) {
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    auto tex = [&](GLuint& id, GLint internal, GLenum format, GLenum type) {
        glGenTextures(1, &id);
        glBindTexture(GL_TEXTURE_2D, id);
        glTexImage2D(GL_TEXTURE_2D, 0, internal, w, h, 0, format, type, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    };
    if (withColor) {
        tex(color, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color, 0);
    } else {
        glDrawBuffer(GL_NONE);
        glReadBuffer(GL_NONE);
    }
    tex(depth, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_FLOAT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        std::fprintf(stderr, "preview framebuffer incomplete\n");
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

Target::~Target() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &fbo);
    if (color) glDeleteTextures(1, &color);
    glDeleteTextures(1, &depth);
}

void Target::bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glViewport(0, 0, w, h);
}

void expect(bool ok, const std::string& what) {
    if (ok) return;
    ++failures;
    std::fprintf(stderr, "check failed: %s\n", what.c_str());
}

int failedChecks() { return failures; }
