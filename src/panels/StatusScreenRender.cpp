// Drawing of status screens: captions and values as text on the "TextAB" sheet,
// toggles and bars as the 20 x 3 widget quad, all in the 0..100 overlay space.
#include "panels/StatusScreen.h"

#include "panels/PanelLayout.h"
#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>


void StatusScreen::createGL() {
    float verts[] = {0, 0, -5, 0, -3, -5, 20, -3, -5, 20, 0, -5};
    float tex[] = {0, 0, 0, 1, 1, 1, 1, 0};
    setupVAO(tex, 8, verts, 12, vao, vbo);
}

void StatusScreen::destroyGL() { deleteMesh(vao, vbo, 2); }

namespace {

struct PanelPainter {
    GLuint program;
    GLint model, mode;
    float pixelX, pixelY;  // one window pixel in overlay units
    TextRenderer text{"TextAB"};

    PanelPainter() {
        program = shaders["post"];
        glUseProgram(program);
        model = glGetUniformLocation(program, "modelMatrix");
        mode = glGetUniformLocation(program, "mode");
        GLint view[4];
        glGetIntegerv(GL_VIEWPORT, view);
        pixelX = 100.0f / float(std::max(1, view[2]));
        pixelY = 100.0f / float(std::max(1, view[3]));
    }
    void place(float x, float y, float sx = 1.0f, float sy = 1.0f) {
        glm::mat4 m = glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(x, y, 0)), glm::vec3(sx, sy, 1));
        glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(m));
    }
    // Panels are drawn over bright ground and sky: a dark outline keeps thin
    // letters legible on both, whatever their own colour.
    void words(const std::string& s, float x, float y) {
        glm::mat4 m = glm::translate(glm::mat4(1.0f), glm::vec3(x, y, 0));
        text.renderOutlined(s, 0, {m, {pixelX, pixelY}, 3});
    }
    // A refused value's reason, in red beside its box (the outline keeps the
    // colour the text is drawn in).
    void problem(const std::string& s, float x, float y) {
        GLint colour = glGetUniformLocation(program, "uColor");
        GLfloat kept[3] = {0, 0, 0};
        if (colour >= 0) glGetUniformfv(program, colour, kept);
        if (colour >= 0) glUniform3f(colour, 1.0f, 0.25f, 0.2f);
        words(s, x, y);
        if (colour >= 0) glUniform3fv(colour, 1, kept);
    }
    void caption(const std::string& s, float y) {
        text.setRenderSize(StatusScreen::captionCharWidth(s), 3);
        words(s, 5, y);
        text.setRenderSize(1.8f, 3);
    }
    void quad(GLuint vao, const std::string& texName, float x, float y, float sx, int m, float sy = 1.0f) {
        glUniform1i(mode, m);
        place(x, y, sx, sy);
        glBindTexture(GL_TEXTURE_2D, getTexture(texName));
        glBindVertexArray(vao);
        glDrawArrays(GL_QUADS, 0, 4);
        glBindVertexArray(0);
    }
};

std::string texFor(SButton& b) {
    auto it = b.tex.find(*b.toggle);
    return it == b.tex.end() ? std::string() : it->second;
}

}  // namespace

void StatusScreen::render() {
    PanelPainter p;
    PanelBox back = panelBackdrop(*this);
    // The widget quad is 20 x 3 units, hanging below its row's y.
    p.quad(vao, "shade", back.left, back.top, (back.right - back.left) / 20.0f, 1,
           (back.top - back.bottom) / 3.0f);
    p.text.setRenderSize(3, 4);
    p.words(name, 5, float(offset + 5));
    p.text.setRenderSize(1.8f, 3);

    // Rows are placed by rowTop, as hit-testing finds them.
    int row = 0;
    float y = float(rowTop(row));
    for (SLabel& l : labels) {
        p.caption(l.name, y);
        if ((l.dispMode == 0 || l.dispMode == 1) && l.num1) {
            p.words(StatusScreen::labelText(l), 30, y);
        } else if (l.dispMode == 2 && l.num1 && l.num2) {
            float full = float(*l.num2);
            float part = full != 0 ? float(*l.num1) / full : 0.0f;
            p.quad(vao, "white1", 30, y, part, 2);
            p.quad(vao, "box", 30, y, 1, 1);
        }
        y = float(rowTop(++row));
    }
    for (SNumBox& b : boxes) {
        p.caption(b.name, y);
        p.words(b.shown(), 30, y);
        if (!b.hint.empty() && b.problem.empty()) {
            p.text.setRenderSize(HINT_CHAR_W, HINT_CHAR_H);
            p.words(b.hint, HINT_X, y - 0.5f);
            p.text.setRenderSize(1.8f, 3);
        }
        if (&b == selected) p.quad(vao, "box", 30, y, 1, 1);
        if (!b.problem.empty()) p.problem(b.problem, HINT_X, y);
        y = float(rowTop(++row));
    }
    for (SButton& b : buttons) {
        p.caption(b.name, y);
        if (b.mode == 0) {
            p.quad(vao, texFor(b), 30, y, 1, 1);
        } else if (b.mode == 1) {
            p.quad(vao, b.buttonTex, 30, y, 0.4f, 1);
            p.quad(vao, texFor(b), 40, y, 0.4f, 1);
            if (b.times) p.words(bestTime(b.times[*b.toggle]), 55, y);
        }
        y = float(rowTop(++row));
    }
    p.place(0, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}
