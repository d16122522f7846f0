// Drawing of the player's overlays: the mining outline in the scene and the HUD
// of the game and of the editor in the 0..100 overlay space.
#include "flow/Player.h"
#include "machines/Activate.h"
#include "panels/StatusScreen.h"
#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "render/PlayerRenderer.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdlib>
#include <initializer_list>
#include <iterator>

void PlayerRenderer::createGL() {
    const GLfloat pos[] = {-1.17f, -1.17f, -5, -1.17f, 1.17f, -5, 1.17f, 1.17f, -5, 1.17f, -1.17f, -5};
    const GLfloat tex[] = {0, 1, 0, 0, 1, 0, 1, 1};
    const GLushort idx[] = {0, 1, 2, 3};
    makeStaticMesh(vao, vbo, {{0, 3, pos, std::size(pos)}, {2, 2, tex, std::size(tex)}}, idx, std::size(idx));

    GLuint block = shaders["block"];
    glUseProgram(block);
    glUniform3f(glGetUniformLocation(block, "uColor"), 1.0f, 0.0f, 0.0f);
    glUseProgram(0);
}

void PlayerRenderer::destroyGL() { deleteMesh(vao, vbo, 3); }

void PlayerRenderer::renderRemoval() {
    vec3 b = player->remBlock;
    const vec3 corners[8] = {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0},
                             {0, 1, 1}, {1, 1, 1}, {1, 0, 1}, {0, 0, 1}};
    const int edges[24] = {0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 6, 6, 7, 7, 4, 0, 4, 1, 5, 2, 6, 3, 7};
    GLfloat lines[72];
    for (int i = 0; i < 24; i++) {
        vec3 c = b + corners[edges[i]];
        lines[3 * i] = c.x;
        lines[3 * i + 1] = c.y;
        lines[3 * i + 2] = c.z;
    }
    GLuint tmpVao, tmpVbo;
    glGenVertexArrays(1, &tmpVao);
    glBindVertexArray(tmpVao);
    glGenBuffers(1, &tmpVbo);
    uploadAttribute(tmpVbo, 0, 3, lines, std::size(lines), GL_DYNAMIC_DRAW);

    GLuint block = shaders["block"];
    glUseProgram(block);
    glm::mat4 id(1.0f);
    glUniformMatrix4fv(glGetUniformLocation(block, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(id));
    glUniform1i(glGetUniformLocation(block, "mode"), 3);
    // Thickest half way through the countdown, vanishing at both ends.
    float width = float(std::abs(15 - std::abs(player->remStatus - 15)));
    glLineWidth(width > 0 ? width : 1.0f);
    glDrawArrays(GL_LINES, 0, 24);
    glLineWidth(1.0f);

    glBindVertexArray(0);
    glDeleteBuffers(1, &tmpVbo);
    glDeleteVertexArrays(1, &tmpVao);
}

namespace {

// The HUD's drawing state: the post program, its uniforms and the HUD quad.
struct Hud {
    GLuint program;
    GLint model, mode;
    GLuint quadVao;

    explicit Hud(GLuint vao) : quadVao(vao) {
        program = shaders["post"];
        glBindTexture(GL_TEXTURE_2D, getTexture("matter"));
        glUseProgram(program);
        glUniformMatrix4fv(glGetUniformLocation(program, "projectionMatrix"), 1, GL_FALSE,
                           glm::value_ptr(orthoMat));
        model = glGetUniformLocation(program, "modelMatrix");
        mode = glGetUniformLocation(program, "mode");
        setMode(1);
        glUniform3f(glGetUniformLocation(program, "uColor"), 1.0f, 0.0f, 0.0f);
        glBindVertexArray(quadVao);
    }
    void setMode(int m) { glUniform1i(mode, m); }
    void place(float x, float y, float s = 1.0f, float z = 0.0f) {
        glm::mat4 m = glm::scale(glm::translate(glm::mat4(1.0f), vec3(x, y, z)), vec3(s, s, 1));
        glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(m));
    }
    void icon(const std::string& tex, float x, float y, float s = 1.0f, float z = 0.0f) {
        place(x, y, s, z);
        glBindTexture(GL_TEXTURE_2D, getTexture(tex));
        glDrawElements(GL_QUADS, 4, GL_UNSIGNED_SHORT, nullptr);
    }
    void frame(float x, float y, bool chosen) {
        setMode(chosen ? 2 : 1);
        icon("box2", x, y, 3);
    }
    // A tool's sub-menu under the tool at x: the choices framed one below the
    // other, `chosen` highlighted.
    void choices(float x, int chosen, std::initializer_list<const char*> icons) {
        const int n = int(icons.size());
        for (int k = 0; k < n; k++) frame(x, 14.0f + 7 * k, chosen == k);
        setMode(1);
        for (int k = 0; k < n; k++) icon(icons.begin()[k], x, 14.0f + 7 * k, 3);
    }
    void rebind() { glBindVertexArray(quadVao); }
    void finish() {
        place(0, 0);
        glBindVertexArray(0);
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
    }
};

void templateIcon(Player* p, int k, float x, float y) {
    renderTemplateIcon(p->world, p->templates[size_t(k)], vec3(x, y, -1));
}

}  // namespace

void PlayerRenderer::renderHUD() {
    Player* p = player;
    Hud hud(vao);

    const char* row[] = {"matter", "energy", "sensor", "caps", "gens", "relay"};
    for (int i = 0; i < 6; i++) hud.icon(row[i], 5.0f + 10 * i, 95);

    hud.icon(p->remMode == 0 ? "removeIcon" : "breakIcon", 20, 7, 3);
    hud.icon(p->actMode == 0 ? "activate" : "deactivate", 27, 7, 3);
    hud.icon(modeToIcon(p->blockMode), 34, 7, 2, -1);
    hud.icon("add", 34, 7, 3);
    if (p->tempMode == 0) {
        hud.icon(getTemplateTex(0), 41, 7, 3, -1);
    } else if (p->tempMode <= int(p->templates.size())) {
        templateIcon(p, p->tempMode - 1, 41, 7);
    }

    hud.rebind();
    hud.setMode(3);
    hud.icon("reticle", 50, 50);

    resourceStruct n = getNumbers(p->world);
    TextRenderer text("TextAB");
    text.setRenderSize(1.5f, 2.0f);
    const int values[] = {n.matter, int(n.energy), n.sensors, n.caps, n.gens, n.relays};
    for (int i = 0; i < 6; i++) {
        hud.place(7.0f + 10 * i, 96);
        text.renderString(std::to_string(values[i]), 0);
    }
    if (p->noticeTicks > 0) {
        // Centred above the tool bar.
        const float charW = 1.5f;
        text.setRenderSize(charW, 2.5f);
        hud.place(50.0f - charW * float(p->notice.size()) / 2, 20);
        text.renderString(p->notice, 0);
    }

    hud.rebind();
    for (int k = 0; k < 4; k++) hud.frame(20.0f + 7 * k, 7, p->mode == k);

    switch (p->menu) {
    case 0: hud.choices(20, p->remMode, {"removeIcon", "breakIcon"}); break;
    case 1: hud.choices(27, p->actMode, {"activate", "deactivate"}); break;
    case 2:
        for (int k = 0; k < 5; k++) {
            hud.frame(34, 14.0f + 7 * k, p->blockMode == k);
            hud.setMode(1);
            hud.icon(modeToIcon(k), 34, 14.0f + 7 * k, 2);
        }
        break;
    case 3:
        for (int k = 0; k <= int(p->templates.size()); k++) {
            hud.frame(41, 14.0f + 7 * k, p->tempMode == k);
            hud.setMode(1);
            if (k == 0) {
                hud.icon(getTemplateTex(0), 41, 14, 2);
            } else {
                templateIcon(p, k - 1, 41, 14.0f + 7 * k);
                hud.rebind();
            }
        }
        break;
    default: break;
    }

    closeVanishedPanel();
    hud.finish();
    if (screen) screen->render();
}

void PlayerRenderer::renderEditorHUD() {
    Player* p = player;
    Hud hud(vao);
    const char* actors[] = {"ship", "mind", "turret"};
    auto blockTex = [](int type) {
        const BlockAttrib* a = findBlockAttrib(type);
        return a ? a->tex : std::string("dne");
    };

    hud.icon(p->remMode == 0 ? "removeIcon" : "breakIcon", 20, 7, 3);
    hud.icon(actors[p->actMode >= 0 && p->actMode < 3 ? p->actMode : 0], 27, 7, 3);
    hud.icon(blockTex(p->blockMode), 34, 7, 2, -1);
    hud.icon("add", 34, 7, 3);
    hud.icon(p->mass1 == vec3(0, 0, 0) ? "m1" : "m2", 41, 7, 3);

    hud.setMode(3);
    hud.icon("reticle", 50, 50);

    hud.setMode(2);
    TextRenderer text("TextAB");
    text.setRenderSize(1.0f, 1.5f);
    hud.place(31, 10);
    text.renderString(std::to_string(p->blockMode), 0);

    hud.rebind();
    for (int k = 0; k < 4; k++) hud.frame(20.0f + 7 * k, 7, p->mode == k);

    int types = BLOCK_TYPE_COUNT;
    switch (p->menu) {
    case 0: hud.choices(20, p->remMode, {"removeIcon", "breakIcon"}); break;
    case 1: hud.choices(27, p->actMode, {actors[0], actors[1], actors[2]}); break;
    case 2:
        for (int k = 0; k < 5 && types > 0; k++) {
            hud.frame(34, 14.0f + 7 * k, false);
            hud.setMode(1);
            hud.icon(blockTex((p->blockMode + k) % types), 34, 14.0f + 7 * k, 2);
        }
        break;
    default: break;
    }

    hud.finish();
    if (screen) screen->render();
}
