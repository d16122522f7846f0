#include "render/BlockRenderer.h"

#include "flow/Player.h"
#include "machines/Activate.h"
#include "machines/Template.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "world/World.h"

#include <SDL2/SDL_video.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace {

// Unit cube, 4 vertices per face: y = 0, y = 1, x = 0, x = 1, z = 0, z = 1.
GLfloat CUBE_POS[72] = {
    0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 0,  // bottom
    1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1, 0,  // top
    0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0,  // x = 0
    1, 1, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0,  // x = 1
    0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0,  // z = 0
    1, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0, 1,  // z = 1
};
constexpr int TOP_FIRST = 4;

void setModel(GLuint program, const glm::mat4& model) {
    glUniformMatrix4fv(glGetUniformLocation(program, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(model));
}

void setMode(GLuint program, int mode) { glUniform1i(glGetUniformLocation(program, "mode"), mode); }

}  // namespace

BlockRenderer::BlockRenderer() : vao(0), vbo{0, 0} {
    if (!SDL_GL_GetCurrentContext()) return;
    GLfloat tex[48];
    static const GLfloat face[8] = {0, 0, 0, 1, 1, 1, 1, 0};
    for (int f = 0; f < 6; f++)
        for (int i = 0; i < 8; i++) tex[f * 8 + i] = face[i];
    GLuint buffers[2] = {0, 0};
    setupVAO(tex, 48, CUBE_POS, 72, vao, buffers);
    vbo[0] = buffers[0];
    vbo[1] = buffers[1];
}

BlockRenderer::~BlockRenderer() {
    if (!vao && !vbo[0] && !vbo[1]) return;
    glBindVertexArray(0);
    if (vao) glDeleteVertexArrays(1, &vao);
    for (unsigned int id : vbo)
        if (id) glDeleteBuffers(1, &id);
}

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
    setModel(program, glm::scale(glm::translate(glm::mat4(1.0f), pos - vec3(0.05f)), vec3(1.1f)));
    drawCube(vao, "blackground", GL_LINE_LOOP, 0, 24);
}

void BlockRenderer::renderLandScape(vec3 pos) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    setMode(program, 5);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), vec3(-5 * pos.x, pos.y, -5 * pos.z));
    setModel(program, glm::scale(model, vec3(10 * pos.x, 1, 10 * pos.z)));
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
    setMode(program, 6);
    setModel(program, glm::scale(glm::translate(glm::mat4(1.0f), src), pos));
    drawCube(vao, "dne", GL_QUADS, 0, 24);
}

void BlockRenderer::renderNormalBlock(Block& b, vec3 pos) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    setModel(program, glm::translate(glm::mat4(1.0f), pos));
    drawCube(vao, blockAttribs[b.type].tex, GL_QUADS, 0, 24);
}

void BlockRenderer::renderBlock(Block& b, vec3 pos) {
    if (blockAttribs[b.type].renderPass == 1) renderNormalBlock(b, pos);
}

void BlockRenderer::renderSun(vec3 pos, Player& player) {
    GLuint program = shaders["block"];
    glUseProgram(program);
    glm::mat4 model = glm::translate(glm::mat4(1.0f), pos);
    model = glm::rotate(model, glm::radians(-player.yaw), vec3(0, 1, 0));
    model = glm::rotate(model, glm::radians(90 - player.pit), vec3(1, 0, 0));
    setModel(program, glm::scale(model, vec3(80)));
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
        setModel(program, glm::translate(glm::mat4(1.0f), pos + offset - centre));
        drawCube(vao, blockAttribs[type].tex, GL_QUADS, 0, 24);
    }
}

void BlockRenderer::renderEntityBlock(std::string tex, vec3 pos, unsigned int shad) {
    glUseProgram(shad);
    setMode(shad, 5);
    setModel(shad, glm::scale(glm::translate(glm::mat4(1.0f), pos - vec3(0.25f)), vec3(0.5f)));
    drawCube(vao, tex, GL_QUADS, 0, 24);
}

void renderTemplateIcon(World* w, Template& t, vec3 pos) { w->blockRend.renderTemplateIcon(t, pos); }
