#include "render/CachedPicture.h"
#include "render/RenderTarget.h"

#include <SDL2/SDL_video.h>

#include <cmath>
#include <vector>

CachedPicture::~CachedPicture() {
    if (SDL_GL_GetCurrentContext()) release();
}

void CachedPicture::release() {
    if (buffer) glDeleteFramebuffers(1, &buffer);
    if (colour) glDeleteTextures(1, &colour);
    if (depth) glDeleteRenderbuffers(1, &depth);
    buffer = colour = depth = 0;
    size = glm::ivec2(0);
    kept = false;
}

bool CachedPicture::begin(glm::ivec2 want) {
    kept = false;
    if (want.x <= 0 || want.y <= 0) return false;
    if (!buffer || want != size) {
        release();
        glGenFramebuffers(1, &buffer);
        glBindFramebuffer(GL_FRAMEBUFFER, buffer);
        colour = makeTargetTexture(GL_RGBA8, want.x, want.y, GL_RGBA, GL_UNSIGNED_BYTE);
        glBindTexture(GL_TEXTURE_2D, 0);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
        // The screens draw with the depth test on, as they do in the window.
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, want.x, want.y);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        size = want;
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            release();
            return false;
        }
    }
    glBindFramebuffer(GL_FRAMEBUFFER, buffer);
    glViewport(0, 0, size.x, size.y);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    kept = true;
    return true;
}

void CachedPicture::end() {
    if (kept) {
        // Read back once per new picture, so that every later frame copies
        // only what differs from the cleared background.
        std::vector<uint8_t> pixels(size_t(size.x) * size_t(size.y) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, size.x, size.y, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        GLfloat clear[4] = {0, 0, 0, 0};
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        uint8_t background[3];
        for (int i = 0; i < 3; i++)
            background[i] = uint8_t(std::lround(clear[i] * 255.0f));
        content = contentBox(pixels, size.x, size.y, background);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

bool CachedPicture::show() {
    if (!kept) return false;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (content.empty()) return true;
    int x0 = content.x, y0 = content.y, x1 = content.x + content.w, y1 = content.y + content.h;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, buffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(x0, y0, x1, y1, x0, y0, x1, y1, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return true;
}
