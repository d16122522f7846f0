// Drawing of the player's overlays: the mining outline in the scene and the HUD
// of the game and of the editor in the 0..100 overlay space.
#include "flow/Player.h"
#include "machines/Activate.h"
#include "panels/StatusScreen.h"
#include "render/GlMesh.h"
#include "render/HudCaptions.h"
#include "render/HudLayout.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "render/PlayerRenderer.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

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

// The HUD's drawing state: the post program, its uniforms, the HUD quad and
// the window's size, so that pieces laid out in pixels land on whole pixels.
struct Hud {
    GLuint program;
    GLint model, mode, colour;
    GLuint quadVao;
    float width, height;
    TextRenderer text{"TextAB"};

    explicit Hud(GLuint vao) : quadVao(vao) {
        GLint view[4];
        glGetIntegerv(GL_VIEWPORT, view);
        width = float(std::max(1, view[2]));
        height = float(std::max(1, view[3]));
        program = shaders["post"];
        glBindTexture(GL_TEXTURE_2D, getTexture("matter"));
        glUseProgram(program);
        glUniformMatrix4fv(glGetUniformLocation(program, "projectionMatrix"), 1, GL_FALSE,
                           glm::value_ptr(orthoMat));
        model = glGetUniformLocation(program, "modelMatrix");
        mode = glGetUniformLocation(program, "mode");
        colour = glGetUniformLocation(program, "uColor");
        setMode(1);
        setColour(1.0f, 0.0f, 0.0f);
        glBindVertexArray(quadVao);
    }
    void setMode(int m) { glUniform1i(mode, m); }
    void setColour(float r, float g, float b) { glUniform3f(colour, r, g, b); }
    float ux(float px) const { return px * 100.0f / width; }
    float uy(float py) const { return py * 100.0f / height; }
    void setModel(const glm::mat4& m) { glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(m)); }
    // The HUD quad (2.34 units square, centred) stretched over a pixel rectangle.
    void icon(const std::string& tex, const PixelRect& r, float z = 0.0f) {
        glm::mat4 m = glm::translate(glm::mat4(1.0f), vec3(ux(r.x + r.w / 2.0f), uy(r.y + r.h / 2.0f), z));
        setModel(glm::scale(m, vec3(ux(float(r.w)) / 2.34f, uy(float(r.h)) / 2.34f, 1)));
        glBindTexture(GL_TEXTURE_2D, getTexture(tex));
        glDrawElements(GL_QUADS, 4, GL_UNSIGNED_SHORT, nullptr);
    }
    // A piece two thirds the size of its slot, centred in it.
    void inner(const std::string& tex, const PixelRect& r, float z) {
        int w = r.w * 2 / 3, h = r.h * 2 / 3;
        icon(tex, {r.x + (r.w - w) / 2, r.y + (r.h - h) / 2, w, h}, z);
    }
    void frame(const PixelRect& r, bool chosen) {
        setMode(chosen ? 2 : 1);
        icon("box2", r);
    }
    void backdrop(const PixelRect& r) {
        setMode(1);
        icon("shade", r, -0.5f);
    }
    // Text at the glyph size of the layout, outlined, in the current colour.
    void words(const HudLayout& l, const std::string& s, const PixelRect& box) {
        text.setRenderSize(ux(float(l.charWidth())), uy(float(l.lineHeight())));
        glm::mat4 m = glm::translate(glm::mat4(1.0f), vec3(ux(float(box.x)), uy(float(box.top())), 0));
        text.renderOutlined(s, 0, {m, {ux(1), uy(1)}, 3});
        rebind();
    }
    void rebind() { glBindVertexArray(quadVao); }
    void finish() {
        setModel(glm::mat4(1.0f));
        glBindVertexArray(0);
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
    }
};

void templateIcon(Hud& hud, Player* p, int k, const PixelRect& r) {
    vec3 at(hud.ux(r.x + r.w / 2.0f), hud.uy(r.y + r.h / 2.0f), -1);
    renderTemplateIcon(p->world, p->templates[size_t(k)], at);
    hud.rebind();
}

// The caption under the tool bar on its backdrop, in light grey so it reads
// apart from the red counts.
void toolCaption(Hud& hud, const HudLayout& l, const std::string& caption) {
    hud.backdrop(l.captionBackdrop);
    hud.setColour(0.9f, 0.9f, 0.85f);
    hud.words(l, caption, l.caption);
    hud.setColour(1.0f, 0.0f, 0.0f);
}

// A tool's option column: choice k framed above the tool's slot, `chosen`
// highlighted, each with its icon (drawn by `draw`) and, when given, its name.
template <typename Draw>
void optionColumn(Hud& hud, const HudLayout& l, int tool, int n, int chosen, Draw draw,
                  const std::vector<std::string>& names = {}) {
    for (int k = 0; k < n; k++) {
        hud.frame(l.option(tool, k), chosen == k);
        hud.setMode(1);
        draw(k, l.option(tool, k));
    }
    hud.setColour(0.9f, 0.9f, 0.85f);
    for (size_t k = 0; k < names.size() && int(k) < n; k++) {
        PixelRect box = l.optionName(tool, int(k), names[k]);
        hud.backdrop({box.x - 2, box.y - 2, box.w + 4, box.h + 4});
        hud.words(l, names[k], box);
    }
    hud.setColour(1.0f, 0.0f, 0.0f);
}

std::string blockTex(int type) {
    auto it = blockAttribs.find(type);
    if (it == blockAttribs.end()) return "dne";
    // Types drawn by no texture of their own show an editor icon instead.
    if (it->second.tex.empty()) return type == 0 || type == 7 ? "emptyIcon" : type == 1 ? "slopeIcon" : "hiddenIcon";
    return it->second.tex;
}

}  // namespace

void PlayerRenderer::renderHUD() {
    Player* p = player;
    Hud hud(vao);
    resourceStruct n = getNumbers(p->world);
    const int values[HUD_RESOURCES] = {n.matter, int(n.energy), n.sensors, n.caps, n.gens, n.relays};
    std::array<std::string, HUD_RESOURCES> counts;
    for (int i = 0; i < HUD_RESOURCES; i++) counts[size_t(i)] = std::to_string(values[i]);
    HudLayout l = layoutHud(int(hud.width), int(hud.height), counts, gameToolCaption(*p));

    hud.backdrop(l.resourceBackdrop);
    for (size_t i = 0; i < HUD_RESOURCES; i++) hud.icon(HUD_RESOURCE_ICONS[i], l.icons[i]);

    hud.icon(p->remMode == 0 ? "removeIcon" : "breakIcon", l.tools[0]);
    hud.icon(p->actMode == 0 ? "activate" : "deactivate", l.tools[1]);
    hud.inner(modeToIcon(p->blockMode), l.tools[2], -1);
    hud.icon("add", l.tools[2]);
    if (p->tempMode == 0) {
        hud.icon(getTemplateTex(0), l.tools[3], -1);
    } else if (p->tempMode <= int(p->templates.size())) {
        templateIcon(hud, p, p->tempMode - 1, l.tools[3]);
    }

    hud.setMode(3);
    hud.icon("reticle", l.reticle);

    for (size_t i = 0; i < HUD_RESOURCES; i++) hud.words(l, counts[i], l.counts[i]);
    hud.setColour(0.8f, 0.8f, 0.75f);
    for (size_t i = 0; i < HUD_RESOURCES; i++) hud.words(l, HUD_RESOURCE_NAMES[i], l.names[i]);
    hud.setColour(1.0f, 0.0f, 0.0f);
    toolCaption(hud, l, gameToolCaption(*p));
    if (p->noticeTicks > 0) {
        // A refused action says why, centred a little above the tool bar.
        PixelRect box = l.textBox(0, 0, p->notice);
        box.x = std::max(0, (l.width - box.w) / 2);
        box.y = l.tools[0].top() + 2 * l.lineHeight();
        const int pad = 2 * l.glyph;
        hud.backdrop({box.x - pad, box.y - pad, box.w + 2 * pad, box.h + 2 * pad});
        hud.setColour(1.0f, 0.35f, 0.25f);
        hud.words(l, p->notice, box);
        hud.setColour(1.0f, 0.0f, 0.0f);
    }

    for (int k = 0; k < HUD_TOOLS; k++) hud.frame(l.tools[size_t(k)], p->mode == k);

    switch (p->menu) {
    case 0:
        optionColumn(hud, l, 0, 2, p->remMode, [&](int k, const PixelRect& r) {
            hud.icon(k == 0 ? "removeIcon" : "breakIcon", r);
        }, {"dig", "break"});
        break;
    case 1:
        optionColumn(hud, l, 1, 2, p->actMode, [&](int k, const PixelRect& r) {
            hud.icon(k == 0 ? "activate" : "deactivate", r);
        }, {"activate", "deactivate"});
        break;
    case 2:
        optionColumn(hud, l, 2, 5, p->blockMode, [&](int k, const PixelRect& r) { hud.inner(modeToIcon(k), r, 0); },
                     {PART_NAMES, PART_NAMES + 5});
        break;
    case 3:
        optionColumn(hud, l, 3, int(p->templates.size()) + 1, p->tempMode, [&](int k, const PixelRect& r) {
            if (k == 0) hud.inner(getTemplateTex(0), r, 0);
            else templateIcon(hud, p, k - 1, r);
        });
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
    HudLayout l = layoutHud(int(hud.width), int(hud.height), {}, editorToolCaption(*p));

    hud.icon(p->remMode == 0 ? "removeIcon" : "breakIcon", l.tools[0]);
    hud.icon(actors[p->actMode >= 0 && p->actMode < 3 ? p->actMode : 0], l.tools[1]);
    hud.inner(blockTex(p->blockMode), l.tools[2], -1);
    hud.icon("add", l.tools[2]);
    hud.icon(p->mass1 == vec3(0, 0, 0) ? "m1" : "m2", l.tools[3]);

    hud.setMode(3);
    hud.icon("reticle", l.reticle);
    toolCaption(hud, l, editorToolCaption(*p));

    for (int k = 0; k < HUD_TOOLS; k++) hud.frame(l.tools[size_t(k)], p->mode == k);

    int types = BLOCK_TYPE_COUNT;
    switch (p->menu) {
    case 0:
        optionColumn(hud, l, 0, 2, p->remMode, [&](int k, const PixelRect& r) {
            hud.icon(k == 0 ? "removeIcon" : "breakIcon", r);
        }, {"clear", "break"});
        break;
    case 1:
        optionColumn(hud, l, 1, 3, p->actMode, [&](int k, const PixelRect& r) { hud.icon(actors[k], r); },
                     {actors[0], actors[1], actors[2]});
        break;
    case 2: {
        // The current type and the next four, each with its number and name.
        std::vector<std::string> names;
        for (int k = 0; k < 5 && types > 0; k++) {
            int type = (p->blockMode + k) % types;
            names.push_back(std::to_string(type) + " " + editorBlockName(type));
        }
        optionColumn(hud, l, 2, int(names.size()), -1, [&](int k, const PixelRect& r) {
            hud.inner(blockTex((p->blockMode + k) % types), r, 0);
        }, names);
        break;
    }
    default: break;
    }

    hud.finish();
    if (screen) screen->render();
}
