#include "render/RateOverlay.h"

#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

void renderRateLine(const std::string& line) {
    const float charW = 1.2f, charH = 1.8f;
    GLuint post = shaders["post"];
    glUseProgram(post);
    glUniformMatrix4fv(glGetUniformLocation(post, "projectionMatrix"), 1, GL_FALSE, glm::value_ptr(orthoMat));
    GLint model = glGetUniformLocation(post, "modelMatrix"), color = glGetUniformLocation(post, "uColor");
    glUniform1i(glGetUniformLocation(post, "mode"), 3);
    TextRenderer text("TextAB");
    text.setRenderSize(charW, charH);
    // Right-aligned a character from the edge, top at 99; a dark copy a little
    // lower right keeps it readable over a bright sky.
    const float x = 99.0f - charW * float(line.size()), y = 99.0f;
    const float shadow = 0.15f;
    for (int pass = 0; pass < 2; pass++) {
        float off = pass == 0 ? shadow : 0.0f;
        glm::mat4 at = glm::translate(glm::mat4(1.0f), glm::vec3(x + off, y - off, 0.0f));
        glUniformMatrix4fv(model, 1, GL_FALSE, glm::value_ptr(at));
        float c = pass == 0 ? 0.01f : 1.0f;
        glUniform3f(color, c, c, c);
        text.renderString(line, 0);
    }
    glUniformMatrix4fv(glGetUniformLocation(post, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(glm::mat4(1.0f)));
    glUseProgram(0);
}
