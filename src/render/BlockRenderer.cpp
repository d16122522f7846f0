#include "render/BlockRenderer.h"

#include "flow/Player.h"
#include "machines/Activate.h"
#include "machines/Template.h"
#include "machines/UnitCube.h"
#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <SDL2/SDL_video.h>
#include <glm/gtc/matrix_transform.hpp>

#include <iterator>

// The unit cube's faces run bottom, top, ...: the top face starts at vertex 4.
constexpr int TOP_FIRST = 4;

BlockRenderer::BlockRenderer() : vao(0), vbo{0, 0} {
    if (!SDL_GL_GetCurrentContext()) return;
    const UnitCubeArrays& cube = unitCubeArrays();
    makeStaticMesh(vao, vbo, {{0, 3, cube.pos, std::size(cube.pos)}, {2, 2, cube.tex, std::size(cube.tex)}});
}

BlockRenderer::~BlockRenderer() { deleteMesh(vao, vbo, 2); }

// Binds the cube and a texture, draws `count` vertices from `first`, unbinds.
static void drawCube(GLuint vao, const std::string& tex, GLenum primitive, int first, int count) {
    glBindTexture(GL_TEXTURE_2D, getTexture(tex));
    glBindVertexArray(vao);
    glDrawArrays(primitive, first, count);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void BlockRenderer::renderOutline(vec3 pos) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    setModelMatrix(program, glm::scale(glm::translate(glm::mat4(1.0f), pos - vec3(0.05f)), vec3(1.1f)));
    drawCube(vao, "blackground", GL_LINE_LOOP, 0, 24);
}

void BlockRenderer::renderLandScape(vec3 pos) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    setDrawMode(program, 5);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), vec3(-5 * pos.x, pos.y, -5 * pos.z));
    setModelMatrix(program, glm::scale(model, vec3(10 * pos.x, 1, 10 * pos.z)));
    // The top face winds clockwise seen from above; culling front faces keeps it
    // visible from above only.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    drawCube(vao, "country", GL_QUADS, TOP_FIRST, 4);
    glCullFace(GL_BACK);
    glDisable(GL_CULL_FACE);
}

void BlockRenderer::renderField(vec3 pos, vec3 src) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    setDrawMode(program, 6);
    setModelMatrix(program, glm::scale(glm::translate(glm::mat4(1.0f), src), pos));
    drawCube(vao, "dne", GL_QUADS, 0, 24);
}

void BlockRenderer::renderNormalBlock(Block& b, vec3 pos) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    setModelMatrix(program, glm::translate(glm::mat4(1.0f), pos));
    drawCube(vao, blockAttrib(b.type).tex, GL_QUADS, 0, 24);
}

void BlockRenderer::renderBlock(Block& b, vec3 pos) {
    if (blockAttrib(b.type).renderPass == 1) renderNormalBlock(b, pos);
}

void BlockRenderer::renderSun(vec3 pos, Player& player) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), pos);
    model = glm::rotate(model, glm::radians(-player.yaw), vec3(0, 1, 0));
    model = glm::rotate(model, glm::radians(90 - player.pit), vec3(1, 0, 0));
    setModelMatrix(program, glm::scale(model, vec3(80)));
    drawCube(vao, "sun", GL_QUADS, TOP_FIRST, 4);
}

void BlockRenderer::renderTemplate(Template& t, vec3 pos) {
    for (const auto& [offset, type] : t.data) {
        Block b = Block(short(type));
        renderNormalBlock(b, pos + offset);
    }
}

void BlockRenderer::renderTemplateIcon(Template& t, vec3 pos) {
    vec3 lo(0), hi(0);
    for (const auto& entry : t.data) {
        lo = glm::min(lo, entry.first);
        hi = glm::max(hi, entry.first);
    }
    vec3 centre = (lo + hi + vec3(1)) / 2.0f;
    GLuint program = shaders["post"];
    glUseProgram(program);
    for (const auto& [offset, type] : t.data) {
        setModelMatrix(program, glm::translate(glm::mat4(1.0f), pos + offset - centre));
        drawCube(vao, blockAttrib(type).tex, GL_QUADS, 0, 24);
    }
}

void BlockRenderer::renderEntityBlock(std::string tex, vec3 pos, unsigned int shad) {
    glUseProgram(shad);
    setDrawMode(shad, 5);
    setModelMatrix(shad, glm::scale(glm::translate(glm::mat4(1.0f), pos - vec3(0.25f)), vec3(0.5f)));
    drawCube(vao, tex, GL_QUADS, 0, 24);
}

void renderTemplateIcon(World* w, Template& t, vec3 pos) { w->blockRend.renderTemplateIcon(t, pos); }
