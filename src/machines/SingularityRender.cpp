// The singularity's lens: the scene behind it, drawn from the player's eye into
// its own buffer, shown on a quad that faces the player.
#include "machines/Projectiles.h"
#include "machines/WeaponRender.h"
#include "render/RenderTarget.h"
#include "render/SeeThrough.h"
#include "shell/GameOptions.h"
#include "world/World.h"

#include <SDL2/SDL_video.h>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdio>
#include <iterator>

constexpr int LENS_SIZE = 512;

void EntityMSingularity::createLens() {
    // A headless world (or one without GL functions loaded) draws nothing.
    if (!SDL_GL_GetCurrentContext() || !glGenFramebuffers) return;
    GLint previous = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &previous);
    glGenFramebuffers(1, &frameBuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer);
    texture = makeTargetTexture(GL_RGB, LENS_SIZE, LENS_SIZE, GL_RGB, GL_FLOAT, GL_LINEAR);
    frameDepth = makeTargetTexture(GL_DEPTH_COMPONENT24, LENS_SIZE, LENS_SIZE, GL_DEPTH_COMPONENT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, frameDepth, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        fprintf(stderr, "singularity buffer create failed\n");
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, GLuint(previous));

    float s = size;
    const float quad[12] = {-s, -s, 0, s, -s, 0, s, s, 0, -s, s, 0};
    const float tex[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    makeStaticMesh(vao, vbo, {{0, 3, quad, std::size(quad)}, {2, 2, tex, std::size(tex)}});
}

EntityMSingularity::~EntityMSingularity() {
    deleteMesh(vao, vbo, 2);
    if (frameBuffer) glDeleteFramebuffers(1, &frameBuffer);
    if (texture) glDeleteTextures(1, &texture);
    if (frameDepth) glDeleteTextures(1, &frameDepth);
}

// Draws the scene as seen from the player through the lens into the lens's
// buffer. False when the singularity is behind the camera.
static bool drawLensView(EntityMSingularity& s, World* w, GLuint block) {
    Player& p = w->player;
    glm::mat4 view(1.0f);
    view = glm::rotate(view, glm::radians(p.pit), vec3(1, 0, 0));
    view = glm::rotate(view, glm::radians(p.yaw), vec3(0, 1, 0));
    view = glm::translate(view, -p.getPos());
    if ((projectionMat * view * glm::vec4(s.spot, 1.0f)).w < 0) return false;

    rendering = true;
    vec3 eye = p.getPos();
    vec3 ahead = s.spot - eye;
    float dist = glm::length(ahead);
    vec3 up = std::abs(ahead.y) > 0.99f * dist ? vec3(0, 0, 1) : vec3(0, 1, 0);
    glm::mat4 lensView = dist > 0 ? glm::lookAt(eye, s.spot, up) : view;
    float near = dist > 0.01f ? dist : 0.01f;
    glm::mat4 lensProj = glm::frustum(-s.size, s.size, -s.size, s.size, near, 500.0f);
    glUseProgram(block);
    glUniformMatrix4fv(glGetUniformLocation(block, "viewMatrix"), 1, GL_FALSE, glm::value_ptr(lensView));
    glUniformMatrix4fv(glGetUniformLocation(block, "projectionMatrix"), 1, GL_FALSE,
                       glm::value_ptr(lensProj));
    glViewport(0, 0, LENS_SIZE, LENS_SIZE);
    // Restores the main camera, viewport and scene buffer afterwards.
    renderSingle(w, s.frameBuffer);
    return true;
}

void EntityMSingularity::render(unsigned int program) {
    if (isShadowPass(program) || rendering || !vao) return;
    spot = pos;
    GLuint block = shaders["block"];
    bool lens = gameOptions.getBool("SINGULARITY", true) && frameBuffer;
    if (lens && !drawLensView(*this, world, block)) return;

    Player& p = world->player;
    glUseProgram(block);
    glUniform4fv(glGetUniformLocation(block, "dort"), 1, glm::value_ptr(distort));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), spot);
    model = glm::rotate(model, glm::radians(-p.yaw), vec3(0, 1, 0));
    model = glm::rotate(model, glm::radians(-p.pit), vec3(1, 0, 0));
    setModelMatrix(block, model);
    setDrawMode(block, lens ? 7 : 8);
    if (lens) setSeeThroughCut(LENS_SEE_THROUGH_CUT);
    glBindVertexArray(vao);
    glDrawArrays(GL_QUADS, 0, 4);
    glBindVertexArray(0);
    setSeeThroughCut(SEE_THROUGH_CUT);
    glBindTexture(GL_TEXTURE_2D, 0);
    setModelMatrix(block, glm::mat4(1.0f));
    rendering = false;
}
