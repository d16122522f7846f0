// The mine's links and a wire frame around the cell it digs, tied to the mine.
#include "machines/MachineDraw.h"
#include "machines/Mine.h"

void Mine::render(unsigned int program) {
    renderLinks(program);
    if (isShadowPass(program) || target.x < 0) return;
    // A frame slightly larger than the cell, so it is not hidden by the cell's faces.
    vec3 lo = target - vec3(0.02f), hi = target + vec3(1.02f);
    vec3 points[10];
    for (int c = 0; c < 8; c++) points[c] = vec3((c & 1) ? hi.x : lo.x, (c & 2) ? hi.y : lo.y, (c & 4) ? hi.z : lo.z);
    points[8] = pos + vec3(0.5f);
    points[9] = target + vec3(0.5f);
    float coords[30];
    for (int i = 0; i < 10; i++)
        for (int k = 0; k < 3; k++) coords[i * 3 + k] = points[i][k];
    // The cube's 12 edges, a line from every corner to the mine, and one from
    // the cell's centre to the mine.
    static const unsigned short lines[42] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 2, 1, 3, 4, 6, 5, 7, 0, 4, 1, 5, 2,
                                             6, 3, 7, 0, 8, 1, 8, 2, 8, 3, 8, 4, 8, 5, 8, 6, 8, 7, 8, 9, 8};
    GLuint vao, vbo[2];
    glGenVertexArrays(1, &vao);
    glGenBuffers(2, vbo);
    glBindVertexArray(vao);
    uploadAttribute(vbo[0], 0, 3, coords, 30, GL_STREAM_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, vbo[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(lines), lines, GL_STREAM_DRAW);
    glUseProgram(program);
    setModelMatrix(program, glm::mat4(1.0f));
    setDrawMode(program, 3);
    glDrawElements(GL_LINES, 42, GL_UNSIGNED_SHORT, nullptr);
    glBindVertexArray(0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDeleteBuffers(2, vbo);
    glDeleteVertexArrays(1, &vao);
}
