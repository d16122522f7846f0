// The ship's links and its own model.
#include "machines/MachineDraw.h"
#include "machines/Ship.h"
#include "machines/ShipModel.h"

#include <glm/gtc/matrix_transform.hpp>

Ship::~Ship() { deleteMesh(vao, vbo, 3); }

void Ship::render(unsigned int program) {
    renderLinks(program);
    // Built on first use: drawing only ever happens with a GL context.
    if (!vao) {
        makeStaticMesh(vao, vbo,
                       {{0, 3, shipModel::positions, shipModel::VERTICES * 3},
                        {2, 2, shipModel::texCoords, shipModel::VERTICES * 2}},
                       shipModel::indices, shipModel::INDICES);
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
