// Link beams between network machines.
#include "machines/MachineDraw.h"
#include "machines/Netable.h"

#include <vector>

Netable::~Netable() {
    if (Nvao) {
        glDeleteVertexArrays(1, &Nvao);
        glDeleteBuffers(3, Nvbo);
    }
}

void Netable::render(unsigned int program) { renderLinks(program); }

void Netable::renderLinks(unsigned int program) {
    if (isShadowPass(program)) return;
    std::vector<vec3> ends;
    ends.reserve(adjacent.size() * 2);
    for (Netable* n : adjacent) {
        ends.push_back(pos + vec3(0.5f));
        ends.push_back(n->pos + vec3(0.5f));
    }
    if (int(adjacent.size()) != lastSize || ends != linkEnds) {
        if (!Nvao) {
            glGenVertexArrays(1, &Nvao);
            glGenBuffers(3, Nvbo);
        }
        std::vector<float> coords, tex;
        for (size_t i = 0; i < ends.size(); i++) {
            coords.insert(coords.end(), {ends[i].x, ends[i].y, ends[i].z});
            // Across its rows the beam texture runs from a white core to a dim edge;
            // a line samples one row, the cyan between them.
            tex.insert(tex.end(), {float(i % 2), 0.21f});
        }
        glBindVertexArray(Nvao);
        uploadAttribute(Nvbo[0], 0, 3, coords.data(), coords.size(), GL_DYNAMIC_DRAW);
        uploadAttribute(Nvbo[1], 2, 2, tex.data(), tex.size(), GL_DYNAMIC_DRAW);
        glBindVertexArray(0);
        lastSize = int(adjacent.size());
        linkEnds.swap(ends);
    }
    if (linkEnds.empty()) return;
    glUseProgram(program);
    setModelMatrix(program, glm::mat4(1.0f));
    setDrawMode(program, 2);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, getTexture("beam"));
    glLineWidth(50.0f);
    glBindVertexArray(Nvao);
    glDrawArrays(GL_LINES, 0, GLsizei(linkEnds.size()));
    glBindVertexArray(0);
    glLineWidth(1.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
}
