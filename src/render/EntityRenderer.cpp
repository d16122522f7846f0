#include "render/EntityRenderer.h"

#include "render/Textures.h"

#include <SDL2/SDL_video.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdint>

EntityRenderer::EntityRenderer() : vao(0), vbo{0, 0, 0}, sides{0, 0, 0, 0, 0, 0} {
    if (!SDL_GL_GetCurrentContext()) return;
    static const GLfloat corners[24] = {-0.5f, -0.5f, -0.5f, -0.5f, -0.5f, 0.5f,  -0.5f, 0.5f,
                                        0.5f,  -0.5f, 0.5f,  -0.5f, 0.5f,  -0.5f, -0.5f, 0.5f,
                                        -0.5f, 0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  -0.5f};
    static const GLfloat tex[16] = {0, 0, 0, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 1};
    static const uint16_t quads[24] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 4, 7, 3,
                                       1, 5, 6, 2, 0, 4, 5, 1, 7, 6, 2, 3};
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(3, vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo[0]);
    glBufferData(GL_ARRAY_BUFFER, sizeof(corners), corners, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, vbo[1]);
    glBufferData(GL_ARRAY_BUFFER, sizeof(tex), tex, GL_STATIC_DRAW);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(2);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, vbo[2]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(quads), quads, GL_STATIC_DRAW);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

EntityRenderer::~EntityRenderer() {
    if (!vao && !vbo[0] && !vbo[1] && !vbo[2]) return;
    glBindVertexArray(0);
    if (vao) glDeleteVertexArrays(1, &vao);
    for (unsigned int id : vbo)
        if (id) glDeleteBuffers(1, &id);
}

void EntityRenderer::renderNormalBlock(std::string tex, vec3 pos, unsigned int shad) {
    glBindTexture(GL_TEXTURE_2D, getTexture(tex));
    glUseProgram(shad);
    glm::mat4 model = glm::scale(glm::translate(glm::mat4(1.0f), pos), vec3(0.5f));
    glUniformMatrix4fv(glGetUniformLocation(shad, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(model));
    glBindVertexArray(vao);
    glDrawElements(GL_QUADS, 24, GL_UNSIGNED_SHORT, nullptr);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}
