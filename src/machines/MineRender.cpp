// The mine's links and a wire frame around the cell it digs, tied to the mine.
#include "machines/MachineDraw.h"
#include "machines/Mine.h"

void Mine::render(unsigned int program) {
    renderLinks(program);
    if (isShadowPass(program) || target.x < 0) return;
    vec3 lo = target - vec3(0.02f), hi = target + vec3(1.02f), centre = pos + vec3(0.5f);
    float coords[30];
    for (int c = 0; c < 8; c++) {
        coords[c * 3] = (c & 1) ? hi.x : lo.x;
        coords[c * 3 + 1] = (c & 2) ? hi.y : lo.y;
        coords[c * 3 + 2] = (c & 4) ? hi.z : lo.z;
    }
    vec3 mid = target + vec3(0.5f);
    coords[24] = centre.x, coords[25] = centre.y, coords[26] = centre.z;
    coords[27] = mid.x, coords[28] = mid.y, coords[29] = mid.z;
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
    setModelMatrix(program, glm::mat4(1.0f));
    setDrawMode(program, 3);
    glDrawElements(GL_LINES, 42, GL_UNSIGNED_SHORT, nullptr);
    glBindVertexArray(0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDeleteBuffers(2, vbo);
    glDeleteVertexArrays(1, &vao);
}
