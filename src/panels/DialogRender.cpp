// Drawing of a dialog: a dark text box, the speaker's portrait, the speaker's
// name, the wrapped text and the hint to go on.
#include "panels/Dialog.h"

#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>

void Dialog::createGL() {
    float verts[] = {0, 0, -5, 0, -5, -5, 5, -5, -5, 5, 0, -5};
    float tex[] = {0, 0, 0, 1, 1, 1, 1, 0};
    setupVAO(tex, 8, verts, 12, vao, vbo);
}

void Dialog::destroyGL() { deleteMesh(vao, vbo, 2); }

void Dialog::render() {
    if (items.empty()) return;
    DialogItem& item = items.front();
    GLuint post = shaders["post"];
    glUseProgram(post);
    GLint model = glGetUniformLocation(post, "modelMatrix");
    GLint mode = glGetUniformLocation(post, "mode");
    glUniform3f(glGetUniformLocation(post, "uColor"), 1.0f, 0.0f, 0.0f);
    auto place = [&](glm::vec3 at, glm::vec3 scale) {
        glm::mat4 m = glm::scale(glm::translate(glm::mat4(1.0f), at), scale);
        glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(m));
    };
    auto quad = [&](const std::string& tex) {
        glBindTexture(GL_TEXTURE_2D, getTexture(tex));
        glBindVertexArray(vao);
        glDrawArrays(GL_QUADS, 0, 4);
        glBindVertexArray(0);
    };

    glUniform1i(mode, 1);
    place({30, 80, -1}, {10, 6, 1});
    quad("blackground");
    glUniform1i(mode, 5);
    place({7, 80, 0}, {4, 7, 1});
    quad(item.tex);

    TextRenderer text("TextAB");
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    const glm::vec2 pixel(100.0f / float(std::max(1, view[2])), 100.0f / float(std::max(1, view[3])));
    // The name and the hint stand on the bright sky: a dark outline keeps
    // them legible.
    auto outlined = [&](const std::string& s, float x, float y) {
        text.renderOutlined(s, 0, {glm::translate(glm::mat4(1.0f), glm::vec3(x, y, 0)), pixel, 2});
    };
    text.setRenderSize(3, 4);
    outlined(item.speaker, 7, 90);
    text.setRenderSize(1.8f, 3);
    place({30, 80, 0}, {1, 1, 1});
    text.renderToBox(item.text, 50, 30);
    // The hint as large as menu text, on a strip of shade of its own below the text box.
    glUniform1i(mode, 1);
    place({29, 50.5f, -1}, {9.8f, 1, 1});
    quad("shade");
    glUniform1i(mode, 2);
    outlined("press any key to continue", 30, 50);

    place({0, 0, 0}, {1, 1, 1});
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}
