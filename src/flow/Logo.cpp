// The title logo's GL side: one buffer of positions, drawn by the post program's
// logo effect with a running time.
#include "flow/GameManager.h"
#include "render/GlMesh.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"

#include <GL/glew.h>
#include <SDL2/SDL_video.h>
#include <glm/gtc/type_ptr.hpp>

LogoVAO::LogoVAO() : time(0), vao(0), vbo{0} {
    if (!SDL_GL_GetCurrentContext()) return;
    std::vector<glm::vec3> v = logoVertices();
    makeStaticMesh(vao, vbo, {{0, 3, reinterpret_cast<const float*>(v.data()), v.size() * 3}});
}

LogoVAO::~LogoVAO() { deleteMesh(vao, vbo, 1); }

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
