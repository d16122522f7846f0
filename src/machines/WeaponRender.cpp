#include "machines/WeaponRender.h"

#include "machines/UnitCube.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

bool isShadowPass(GLuint program) {
    auto it = shaders.find("shadow");
    return it != shaders.end() && it->second != 0 && it->second == program;
}

void setModel(GLuint program, const glm::mat4& m) {
    glUniformMatrix4fv(glGetUniformLocation(program, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(m));
}

void setMode(GLuint program, int mode) { glUniform1i(glGetUniformLocation(program, "mode"), mode); }

void ensureUnitCube(unsigned int& vao, unsigned int (&vbo)[3]) {
    if (vao) return;
    const UnitCubeArrays& cube = unitCubeArrays();
    const auto& pos = cube.pos;
    const auto& tex = cube.tex;
    const auto& norm = cube.norm;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(3, vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo[0]);
    glBufferData(GL_ARRAY_BUFFER, sizeof(pos), pos, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, vbo[1]);
    glBufferData(GL_ARRAY_BUFFER, sizeof(tex), tex, GL_STATIC_DRAW);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(2);
    glBindBuffer(GL_ARRAY_BUFFER, vbo[2]);
    glBufferData(GL_ARRAY_BUFFER, sizeof(norm), norm, GL_STATIC_DRAW);
    glVertexAttribPointer(3, 4, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(3);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void deleteMesh(unsigned int& vao, unsigned int* vbo, int count) {
    if (!vao) return;
    glDeleteBuffers(count, vbo);
    glDeleteVertexArrays(1, &vao);
    vao = 0;
    for (int i = 0; i < count; i++) vbo[i] = 0;
}

void drawTopBlocks(GLuint program, unsigned int vao, const std::list<std::pair<vec3, int>>& top,
                   vec3 cell, float yaw, float pit, float dir) {
    glUseProgram(program);
    setMode(program, 0);
    glUniform2f(glGetUniformLocation(program, "shiny"), 0.2f, 2.0f);
    glm::mat4 turn = glm::translate(glm::mat4(1.0f), cell + vec3(0.5f));
    turn = glm::rotate(turn, glm::radians(yaw), vec3(0, 1, 0));
    turn = glm::rotate(turn, glm::radians(pit), vec3(1, 0, 0));
    turn = glm::rotate(turn, glm::radians(dir), vec3(0, 1, 0));
    glActiveTexture(GL_TEXTURE0);
    glBindVertexArray(vao);
    for (const auto& b : top) {
        auto attrib = blockAttribs.find(b.second);
        glBindTexture(GL_TEXTURE_2D, getTexture(attrib != blockAttribs.end() ? attrib->second.tex : "dne"));
        setModel(program, glm::translate(turn, b.first - cell - vec3(0.5f)));
        glDrawArrays(GL_QUADS, 0, 24);
    }
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    setModel(program, glm::mat4(1.0f));
}
