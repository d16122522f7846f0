// The title logo's GL side: one buffer of positions, drawn by the post program's
// logo effect with a running time.
#include "flow/GameManager.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <SDL2/SDL_video.h>
#include <glm/gtc/type_ptr.hpp>

LogoVAO::LogoVAO() : time(0), vao(0), vbo{0} {
    if (!SDL_GL_GetCurrentContext()) return;
    std::vector<glm::vec3> v = logoVertices();
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo[0]);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(v.size() * sizeof(glm::vec3)), v.data(), GL_STATIC_DRAW);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glBindVertexArray(0);
}

LogoVAO::~LogoVAO() {
    if (!vao) return;
    glBindVertexArray(0);
    glDeleteBuffers(1, vbo);
    glDeleteVertexArrays(1, &vao);
}

void LogoVAO::render() {
    if (!vao) return;
    GLuint post = shaders["post"];
    glUseProgram(post);
    glm::mat4 id(1.0f);
    glUniformMatrix4fv(glGetUniformLocation(post, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(id));
    glUniform1i(glGetUniformLocation(post, "mode"), 4);
    time++;
    glUniform1f(glGetUniformLocation(post, "time"), float(time));
    glBindVertexArray(vao);
    glDrawArrays(GL_QUADS, 0, 84);
    glBindVertexArray(0);
    glUseProgram(0);
}
