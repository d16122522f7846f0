#include "machines/WeaponRender.h"

#include "machines/UnitCube.h"

#include <glm/gtc/matrix_transform.hpp>
#include <iterator>

void ensureUnitCube(unsigned int& vao, unsigned int (&vbo)[3]) {
    if (vao) return;
    const UnitCubeArrays& cube = unitCubeArrays();
    makeStaticMesh(vao, vbo, {{0, 3, cube.pos, std::size(cube.pos)},
                              {2, 2, cube.tex, std::size(cube.tex)},
                              {3, 4, cube.norm, std::size(cube.norm)}});
}

void drawTopBlocks(GLuint program, unsigned int vao, const std::list<std::pair<vec3, int>>& top,
                   vec3 cell, float yaw, float pit, float dir) {
    glUseProgram(program);
    setDrawMode(program, 0);
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
        setModelMatrix(program, glm::translate(turn, b.first - cell - vec3(0.5f)));
        glDrawArrays(GL_QUADS, 0, 24);
    }
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    setModelMatrix(program, glm::mat4(1.0f));
}
