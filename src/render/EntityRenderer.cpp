#include "render/EntityRenderer.h"

#include "render/GlMesh.h"
#include "render/Textures.h"

#include <SDL2/SDL_video.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdint>
#include <iterator>

EntityRenderer::EntityRenderer() : vao(0), vbo{0, 0, 0}, sides{0, 0, 0, 0, 0, 0} {
    if (!SDL_GL_GetCurrentContext()) return;
    static const GLfloat corners[24] = {-0.5f, -0.5f, -0.5f, -0.5f, -0.5f, 0.5f,  -0.5f, 0.5f,
                                        0.5f,  -0.5f, 0.5f,  -0.5f, 0.5f,  -0.5f, -0.5f, 0.5f,
                                        -0.5f, 0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  0.5f,  -0.5f};
    static const GLfloat tex[16] = {0, 0, 0, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 1};
    static const uint16_t quads[24] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 4, 7, 3,
                                       1, 5, 6, 2, 0, 4, 5, 1, 7, 6, 2, 3};
    makeStaticMesh(vao, vbo, {{0, 3, corners, std::size(corners)}, {2, 2, tex, std::size(tex)}}, quads,
                   std::size(quads));
}

EntityRenderer::~EntityRenderer() { deleteMesh(vao, vbo, 3); }

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
