// The ship's links and its own model.
#include "machines/MachineDraw.h"
#include "machines/Ship.h"
#include "machines/ShipModel.h"

#include <glm/gtc/matrix_transform.hpp>

Ship::~Ship() {
    if (vao) {
        glDeleteVertexArrays(1, &vao);
        glDeleteBuffers(3, vbo);
    }
}

void Ship::render(unsigned int program) {
    renderLinks(program);
    // Built on first use: drawing only ever happens with a GL context.
    if (!vao) {
        glGenVertexArrays(1, &vao);
        glGenBuffers(3, vbo);
        glBindVertexArray(vao);
        uploadAttribute(vbo[0], 0, 3, shipModel::positions, shipModel::VERTICES * 3, GL_STATIC_DRAW);
        uploadAttribute(vbo[1], 2, 2, shipModel::texCoords, shipModel::VERTICES * 2, GL_STATIC_DRAW);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, vbo[2]);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(shipModel::indices), shipModel::indices, GL_STATIC_DRAW);
        glBindVertexArray(0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    }
    glUseProgram(program);
    setModelMatrix(program, glm::translate(glm::mat4(1.0f), pos));
    setDrawMode(program, 9);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, getTexture("ship2"));
    glBindVertexArray(vao);
    glDrawElements(GL_QUADS, shipModel::INDICES, GL_UNSIGNED_SHORT, nullptr);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}
