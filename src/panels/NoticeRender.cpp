// Drawing of the message line: a dark strip across the bottom of the window
// with the message in amber over it, drawn last so nothing covers it.
#include "panels/Notice.h"

#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

namespace {
// In the 0..100 overlay space.
constexpr float CHAR_W = 1.5f, CHAR_H = 2.8f, LINE_GAP = 0.6f, PAD = 1.2f, BOTTOM = 12.0f;
}  // namespace

void renderNotice() {
    if (!notice.shown()) return;
    GLuint post = shaders["post"];
    if (!post) return;
    std::vector<std::string> lines = noticeLines(notice, size_t((100.0f - 2 * PAD) / CHAR_W));
    size_t messageLines = lines.size() - 1;

    glUseProgram(post);
    GLint color = glGetUniformLocation(post, "uColor");
    GLfloat tint[3] = {0, 0, 0};
    if (color >= 0) glGetUniformfv(post, color, tint);
    GLboolean depth = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_DEPTH_TEST);
    setDrawMode(post, 3);

    float height = float(lines.size()) * (CHAR_H + LINE_GAP) + 2 * PAD;
    float quad[] = {0, 0, -5, 0, 1, -5, 1, 1, -5, 1, 0, -5};
    float tex[] = {0, 1, 0, 0, 1, 0, 1, 1};
    GLuint vao = 0, vbo[2] = {0, 0};
    makeStaticMesh(vao, vbo, {{0, 3, quad, 12}, {2, 2, tex, 8}});
    auto box = [&](float y, float h, float r, float g, float b) {
        glUniform3f(color, r, g, b);
        setModelMatrix(post, glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(0, y, 0)), glm::vec3(100, h, 1)));
        glBindTexture(GL_TEXTURE_2D, getTexture("white1"));
        glBindVertexArray(vao);
        glDrawArrays(GL_QUADS, 0, 4);
        glBindVertexArray(0);
    };
    box(BOTTOM, height, 0.10f, 0.03f, 0.05f);
    box(BOTTOM + height, 0.5f, 0.95f, 0.55f, 0.10f);
    deleteMesh(vao, vbo, 2);

    TextRenderer text("TextAB");
    text.setRenderSize(CHAR_W, CHAR_H);
    float y = BOTTOM + height - PAD;
    for (size_t i = 0; i < lines.size(); i++) {
        if (i < messageLines) glUniform3f(color, 1.0f, 0.86f, 0.45f);
        else glUniform3f(color, 0.72f, 0.72f, 0.76f);
        setModelMatrix(post, glm::translate(glm::mat4(1.0f), glm::vec3(PAD, y, 0)));
        text.renderString(lines[i], 0);
        y -= CHAR_H + LINE_GAP;
    }

    setModelMatrix(post, glm::mat4(1.0f));
    if (color >= 0) glUniform3fv(color, 1, tint);
    if (depth) glEnable(GL_DEPTH_TEST);
    glUseProgram(0);
}
