// Drawing one frame of the world: the shadow pass from the sun, the scene into
// an off-screen buffer, and its composition onto the window with the HUD.
#include "machines/ActiveBlock.h"
#include "machines/Projectiles.h"
#include "panels/Notice.h"
#include "render/RateOverlay.h"
#include "render/RenderTarget.h"
#include "render/ShaderHelp.h"
#include "render/SeeThrough.h"
#include "render/ShadowRegion.h"
#include "render/ViewCull.h"
#include "render/Textures.h"
#include "shell/GameOptions.h"
#include "world/World.h"

#include <GL/glew.h>
#include <SDL2/SDL_video.h>
#include <glm/gtc/matrix_access.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

GLint loc(GLuint program, const char* name) { return glGetUniformLocation(program, name); }

void setMat(GLuint program, const char* name, const glm::mat4& m) {
    glUniformMatrix4fv(loc(program, name), 1, GL_FALSE, glm::value_ptr(m));
}

// How far the eye is from the box of a sector's meshes (0 inside it).
float distanceToSector(const SectorRenderer& s, vec3 eye) {
    vec3 lo(10.0f * float(s.posX), s.meshLoY, 10.0f * float(s.posZ));
    vec3 hi(lo.x + 10.0f, s.meshHiY, lo.z + 10.0f);
    return glm::length(glm::max(glm::max(lo - eye, eye - hi), vec3(0.0f)));
}

// True when every texture the opaque meshes may use has no see-through pixel.
bool opaqueWorldTextures() {
    for (const auto& [type, attrib] : blockAttribs)
        if (attrib.renderPass == 1 && type != 1 && textureHasTranslucency(getTexture(attrib.tex))) return false;
    return true;
}

bool sectorInView(const SectorRenderer& s, const glm::mat4& viewProj) {
    if (s.meshLoY > s.meshHiY) return false;
    vec3 lo(10.0f * float(s.posX), s.meshLoY, 10.0f * float(s.posZ));
    return boxInView(viewProj, lo, vec3(lo.x + 10.0f, s.meshHiY, lo.z + 10.0f));
}

// A singularity's lens draws the world through its own camera, which may look
// up texels the player's view does not.
bool lensInFlight(std::vector<std::vector<SectorRenderer>>& sectors) {
    for (auto& row : sectors)
        for (auto& sector : row)
            for (Entity* e : sector.ents)
                if (dynamic_cast<EntityMSingularity*>(e)) return true;
    return false;
}

glm::mat4 cameraOf(Player& player) {
    glm::mat4 view = glm::rotate(glm::mat4(1.0f), glm::radians(player.pit), vec3(1, 0, 0));
    view = glm::rotate(view, glm::radians(player.yaw), vec3(0, 1, 0));
    return glm::translate(view, -player.getPos());
}

}  // namespace

void World::createGraphics() {
    int xres = gameOptions.getInt("XRES", 800);
    int yres = gameOptions.getInt("YRES", 600);

    glGenFramebuffers(1, &sceneBuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, sceneBuffer);
    sceneTexture = makeTargetTexture(GL_RGB, xres, yres, GL_RGB);
    // 24-bit depth with a stencil beside it: the stencil marks the pixels the
    // opaque world covers, so the backdrop is only drawn where it shows.
    sceneDepth = makeTargetTexture(GL_DEPTH24_STENCIL8, xres, yres, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, sceneTexture, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_TEXTURE_2D, sceneDepth, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        fprintf(stderr, "scenebuffer create failed\n");

    glGenFramebuffers(1, &shadowBuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, shadowBuffer);
    shadowTexture = makeTargetTexture(GL_DEPTH_COMPONENT24, SHADOWBUFF_X, SHADOWBUFF_Y, GL_DEPTH_COMPONENT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, shadowTexture, 0);
    glDrawBuffer(GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        fprintf(stderr, "framebuffer create failed\n");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);

    glm::mat4 shadowProj = shadowProjection(float(width), float(depth));
    GLuint shadow = shaders["shadow"], block = shaders["block"];
    glUseProgram(shadow);
    setMat(shadow, "projectionMatrix", shadowProj);
    glUseProgram(block);
    setMat(block, "shadowpMatrix", shadowProj);
    setMat(block, "shadowbMatrix", SHADOW_BIAS);
    // Without shadows the map is never drawn. The program outlives the world,
    // and an earlier game's light matrix would make every surface look up this
    // blank map and fall into shadow; a zero size tells the shader "no shadows".
    bool shadows = gameOptions.getInt("SHADOWS", 3) != 0;
    glUniform2i(loc(block, "shadowBuff"), shadows ? SHADOWBUFF_X : 0, shadows ? SHADOWBUFF_Y : 0);
    glUseProgram(0);

    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowTexture);
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, sceneTexture);
    glActiveTexture(GL_TEXTURE0);

    // The scene can go straight to the window only with the same depth and
    // stencil precision, so that the picture is the same either way.
    GLint depthBits = 0, stencilBits = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_STENCIL, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE,
                                          &stencilBits);
    windowTakesScene = depthBits == 24 && stencilBits == 8;
    glGetError();  // a driver that cannot say leaves an error: the scene buffer is used then

    GLfloat quad[12] = {0, 0, -10, 0, 100, -10, 100, 100, -10, 100, 0, -10};
    GLfloat quadTex[8] = {0, 0, 0, 1, 1, 1, 1, 0};
    setupVAO(quadTex, 8, quad, 12, vao, vbo);
}

void World::destroyGraphics() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &shadowBuffer);
    glDeleteTextures(1, &shadowTexture);
    glDeleteFramebuffers(1, &sceneBuffer);
    glDeleteTextures(1, &sceneTexture);
    glDeleteTextures(1, &sceneDepth);
    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vao);
    glDeleteBuffers(2, vbo);
    shadowBuffer = shadowTexture = sceneBuffer = sceneTexture = sceneDepth = vao = 0;
    vbo[0] = vbo[1] = 0;
}

void World::renderShadowMap() {
    glBindFramebuffer(GL_FRAMEBUFFER, shadowBuffer);
    glViewport(0, 0, SHADOWBUFF_X, SHADOWBUFF_Y);

    vec3 target(width / 2.0f, height / 2.0f, depth / 2.0f);
    glm::mat4 light = sunView(sunPos, target);
    glm::mat4 toMap = SHADOW_BIAS * shadowProjection(float(width), float(depth)) * light;
    glm::ivec2 mapSize(SHADOWBUFF_X, SHADOWBUFF_Y);
    // Only the texels the eye can look up are cleared and drawn. The shader
    // reads 2 x 2 texels a little off the surface (0.08 cells along its
    // normal), so the region reaches two texels and a tenth of a cell further.
    float texelsPerCell = std::max(glm::length(glm::vec3(glm::row(toMap, 0))) * float(mapSize.x),
                                   glm::length(glm::vec3(glm::row(toMap, 1))) * float(mapSize.y));
    int margin = 2 + int(std::ceil(0.1f * texelsPerCell));
    TexelRect seen{0, 0, mapSize.x, mapSize.y};
    if (!lensInFlight(sectors)) {
        // Machines and the ship may stand a little outside the world's cells.
        vec3 pad(4.0f);
        seen = shadowRegion(projectionMat * cameraOf(player), -pad, vec3(float(width), float(height), float(depth)) + pad,
                            toMap, mapSize, margin);
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(seen.x0, seen.y0, std::max(seen.x1 - seen.x0, 0), std::max(seen.y1 - seen.y0, 0));
    glClear(GL_DEPTH_BUFFER_BIT);

    GLuint shadow = shaders["shadow"], block = shaders["block"];
    glUseProgram(shadow);
    setMat(shadow, "viewMatrix", light);
    setMat(shadow, "modelMatrix", glm::mat4(1.0f));
    glUseProgram(block);
    setMat(block, "shadowvMatrix", light);

    // A ray from the sun meets the world first on a face turned toward it, so
    // the faces turned away never reach the map: they are skipped like the
    // faces turned away from the eye, with the eye far off toward the sun
    // (its camera looks at the world along parallel rays).
    vec3 towardSun = glm::normalize(sunPos - target);
    for (auto& row : sectors)
        for (auto& sector : row) {
            if (sector.needUpdate) rebuildSector(sector);
            vec3 lo(10.0f * float(sector.posX), sector.meshLoY, 10.0f * float(sector.posZ));
            vec3 hi(lo.x + 10.0f, sector.meshHiY, lo.z + 10.0f);
            bool reaches = sector.meshLoY <= sector.meshHiY && boxInMap(lo, hi, toMap, mapSize, 2).meets(seen);
            if (reaches) sector.renderDepth(shadow, target + towardSun * 1e5f);
        }
    for (ActiveBlock* a : actives) a->render(shadow);
    glDisable(GL_SCISSOR_TEST);

    glViewport(0, 0, gameOptions.getInt("XRES", 800), gameOptions.getInt("YRES", 600));
}

// A full-screen quad at the far plane through the depth-only program, with
// no colour written, under the depth function `test` and whatever stencil
// state is set. That program's matrices are put back afterwards.
void World::fullScreenDepthPass(unsigned int test) {
    GLuint shadow = shaders["shadow"];
    glUseProgram(shadow);
    const char* names[3] = {"projectionMatrix", "viewMatrix", "modelMatrix"};
    glm::mat4 saved[3];
    for (int k = 0; k < 3; k++) {
        GLint at = loc(shadow, names[k]);
        if (at >= 0) glGetUniformfv(shadow, at, glm::value_ptr(saved[k]));
    }
    setMat(shadow, "projectionMatrix", glm::mat4(1.0f));
    setMat(shadow, "viewMatrix", glm::mat4(1.0f));
    // Overlay space 0..100 onto clip space -1..1, flat at z = 0.
    setMat(shadow, "modelMatrix", glm::scale(glm::translate(glm::mat4(1.0f), vec3(-1, -1, 0)), vec3(0.02f, 0.02f, 0)));
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthFunc(test);
    glDepthRange(1.0, 1.0);
    glBindVertexArray(vao);
    glDrawArrays(GL_QUADS, 0, 4);
    glBindVertexArray(0);
    glDepthRange(0.0, 1.0);
    glDepthFunc(GL_LEQUAL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    for (int k = 0; k < 3; k++) setMat(shadow, names[k], saved[k]);
    glUseProgram(0);
}

// The landscape, the sun and the world box, behind everything else.
void World::renderBackdrop() {
    GLuint block = shaders["block"];
    blockRend.renderLandScape(vec3(float(width), 30, float(depth)));
    glUseProgram(block);
    glUniform1i(loc(block, "mode"), 8);
    blockRend.renderSun(sunPos, player);
    blockRend.renderField(vec3(float(width), float(height), float(depth)), vec3(0));
}

bool World::plainComposition() {
    // From half health up the composition shows the scene unchanged.
    return player.health >= 50 && shaders["post"] != 0;
}

void World::render(long long l) {
    lastFrame = l;
    // Drawn straight into a window of its size, the scene needs no copy there
    // (on software GL copying a whole frame costs as much as a tenth of it).
    glm::ivec2 frame(gameOptions.getInt("XRES", 800), gameOptions.getInt("YRES", 600));
    bool direct = windowTakesScene && plainComposition() && windowSize(screen) == frame;
    sceneTarget = direct ? 0 : sceneBuffer;
    renderScene(l);
    sceneStale = direct;
    renderPost(l);
}

void World::renderScene(long long l) {
    if (gameOptions.getInt("SHADOWS", 3) != 0) renderShadowMap();

    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget);
    glViewport(0, 0, gameOptions.getInt("XRES", 800), gameOptions.getInt("YRES", 600));
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    cutSeeThrough(true);
    glUseProgram(0);

    GLuint block = shaders["block"];
    glUseProgram(block);
    glm::mat4 camera = cameraOf(player);
    setMat(block, "viewMatrix", camera);
    glUniform1f(loc(block, "time"), float(l));
    glUniform1f(loc(block, "depth"), 0.3f);
    glUniform3fv(loc(block, "sunPos"), 1, glm::value_ptr(sunPos));
    vec3 eye = player.getPos();
    glUniform3fv(loc(block, "playerPos"), 1, glm::value_ptr(eye));

    // With opaque textures the opaque world comes first, unblended and nearest
    // sector first, and the backdrop is then drawn only where no world covers
    // it: the same picture as drawing the backdrop first and the world over it
    // in grid order, for far fewer shaded pixels (a near hill hides whole
    // sectors, whose pixels then fail the depth test before being shaded).
    // A block texture with see-through pixels needs the old order.
    // Sectors wholly outside the view are not drawn. Afterwards every sector
    // sets again, in grid order, the uniforms its draws leave, so later
    // drawers see the same state as after drawing them all in grid order.
    // The new order also needs the depth-only program for its full-screen passes.
    bool opaque = opaqueWorldTextures() && shaders["shadow"] != 0;
    if (!opaque) {
        renderBackdrop();
        glClear(GL_DEPTH_BUFFER_BIT);
    }
    glm::mat4 viewProj = projectionMat * camera;
    std::vector<char> seen;
    std::vector<std::pair<float, SectorRenderer*>> nearFirst;
    for (auto& row : sectors)
        for (auto& sector : row) {
            if (sector.needUpdate) rebuildSector(sector);
            seen.push_back(sectorInView(sector, viewProj));
            if (seen.back()) nearFirst.push_back({distanceToSector(sector, eye), &sector});
        }
    if (opaque) {
        std::stable_sort(nearFirst.begin(), nearFirst.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        glDisable(GL_BLEND);
        cutSeeThrough(false);
    }
    // Software GL sorts a frame's triangles into screen tiles on this thread
    // and shades them on its own threads only once the frame is handed over.
    // Handing over the near sectors (few triangles, most of the pixels) as
    // soon as they are sorted lets it shade them while the rest are sorted.
    const size_t handovers = 3, part = nearFirst.size() / (handovers + 1);
    for (size_t k = 0; k < nearFirst.size(); k++) {
        const auto& entry = nearFirst[k];
        if (part > 0 && k > 0 && k % part == 0 && k / part <= handovers) glFlush();
        // Back faces are skipped only in the opaque order and away from the eye.
        entry.second->cullBackFaces = opaque && entry.first > 1.0f;
        entry.second->eye = eye;
        entry.second->render1(block);
        entry.second->cullBackFaces = false;
    }
    glEnable(GL_BLEND);
    cutSeeThrough(true);

    if (opaque) {
        // Pixels the world drew are nearer than the far plane: mark them.
        glEnable(GL_STENCIL_TEST);
        glStencilFunc(GL_ALWAYS, 1, 0xff);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
        glDepthMask(GL_FALSE);
        fullScreenDepthPass(GL_GREATER);
        glDepthMask(GL_TRUE);

        glStencilFunc(GL_EQUAL, 0, 0xff);
        glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
        glStencilMask(0);
        renderBackdrop();
        // The backdrop never hides the world: its depth is thrown away again.
        fullScreenDepthPass(GL_ALWAYS);
        glStencilMask(0xff);
        glDisable(GL_STENCIL_TEST);
    }
    for (auto& row : sectors)
        for (auto& sector : row) sector.render1(block, false);

    size_t i = 0;
    for (auto& row : sectors)
        for (auto& sector : row) sector.render2(block, seen[i++]);

    if (player.selected != vec3(0)) {
        glUseProgram(block);
        glUniform1i(loc(block, "mode"), 0);
        bool offset = editorMode ? player.mode != 0 : player.mode == 2;
        blockRend.renderOutline(player.selected + (offset ? player.selFace : vec3(0)));
        if (player.mode == 3 && player.tempMode != 0 && size_t(player.tempMode) <= player.templates.size()) {
            glUniform1i(loc(block, "mode"), 4);
            blockRend.renderTemplate(player.templates[size_t(player.tempMode - 1)], player.selected + player.selFace);
        }
    }
    if (player.remStatus > 0) pRend.renderRemoval();

    for (ActiveBlock* a : actives)
        if (a->getType() != TYPE_SHIELD) a->render(block);
    for (auto& row : sectors)
        for (auto& sector : row) sector.renderEntities(block);
    // Shields are see-through, so they come after everything they may cover.
    for (ActiveBlock* a : actives)
        if (a->getType() == TYPE_SHIELD) a->render(block);

    cutSeeThrough(false);
    glUseProgram(0);
}

void World::renderPost(long long l) {
    GLuint post = shaders["post"];
    // From half health up a copy of the scene buffer gives the same pixels as
    // shading every one of them; a scene drawn into the window needs neither.
    bool plain = plainComposition();
    bool inWindow = sceneTarget == 0;
    int xres = gameOptions.getInt("XRES", 800), yres = gameOptions.getInt("YRES", 600);
    // In fullscreen the window is larger than the frame: the copy stretches it.
    glm::ivec2 window = windowSize(screen);
    if (plain && !inWindow) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, sceneBuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        bool same = window == glm::ivec2(xres, yres);
        glBlitFramebuffer(0, 0, xres, yres, 0, 0, window.x, window.y, GL_COLOR_BUFFER_BIT, same ? GL_NEAREST : GL_LINEAR);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, window.x, window.y);
    glClear(plain ? GL_DEPTH_BUFFER_BIT : GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(post);
    glUniform1i(loc(post, "mode"), 0);
    glUniform1f(loc(post, "hp"), float(player.health) / 100.0f);
    if (!plain) {
        glBindVertexArray(vao);
        glDrawArrays(GL_QUADS, 0, 4);
        glBindVertexArray(0);
    }
    // Before the HUD, so an open panel covers it.
    if (showRate) renderRateLine(rateMeter.overlayLine());
    if (editorMode) pRend.renderEditorHUD();
    else pRend.renderHUD();
    renderNotice();
    glUseProgram(0);
    if (screen && presentFrames) SDL_GL_SwapWindow(screen);
}

void World::renderForSingle(unsigned int frame) {
    glBindFramebuffer(GL_FRAMEBUFFER, frame);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    GLuint block = shaders["block"];
    glUseProgram(block);
    blockRend.renderLandScape(vec3(float(width), 30, float(depth)));
    glClear(GL_DEPTH_BUFFER_BIT);
    for (auto& row : sectors)
        for (auto& sector : row) sector.render1(block);
    for (auto& row : sectors)
        for (auto& sector : row) sector.render2(block);
    blockRend.renderField(vec3(float(width), float(height), float(depth)), vec3(0));
    if (player.remStatus > 0) pRend.renderRemoval();
    glUseProgram(block);
    glUniform1i(loc(block, "mode"), 0);
    blockRend.renderSun(sunPos, player);
    for (ActiveBlock* a : actives) a->render(block);
    for (auto& row : sectors)
        for (auto& sector : row) sector.renderEntities(block);

    // Give the interrupted main frame its camera, projection, viewport and target back.
    glUseProgram(block);
    setMat(block, "viewMatrix", cameraOf(player));
    setMat(block, "projectionMatrix", projectionMat);
    glViewport(0, 0, gameOptions.getInt("XRES", 800), gameOptions.getInt("YRES", 600));
    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget);
    glUseProgram(0);
}

void World::renderForDialog() {
    if (sceneStale) {
        sceneTarget = sceneBuffer;
        renderScene(lastFrame);
        sceneStale = false;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    useWindowViewport(screen);
    GLuint post = shaders["post"];
    glUseProgram(post);
    glUniform1i(loc(post, "mode"), 0);
    setMat(post, "modelMatrix", glm::mat4(1.0f));
    glUniform1f(loc(post, "hp"), float(player.health) / 100.0f);
    glBindVertexArray(vao);
    glDrawArrays(GL_QUADS, 0, 4);
    glBindVertexArray(0);
    glUseProgram(0);
}
