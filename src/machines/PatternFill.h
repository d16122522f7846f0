#pragma once
// Walks the cells of a pattern in the order a recursive fill would (a cell, then
// the whole +x branch, then -x, +y, -y, +z, -z) but on an explicit stack, so a
// huge connected structure cannot overflow the call stack.
#include <glm/glm.hpp>

#include <vector>

// visit(cell) decides whether the cell belongs and returns true to expand it.
template <class Visit>
void fillPattern(glm::vec3 start, Visit visit) {
    static const glm::vec3 order[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0},
                                       {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    std::vector<glm::vec3> stack{start};
    while (!stack.empty()) {
        glm::vec3 p = stack.back();
        stack.pop_back();
        if (!visit(p)) continue;
        // Pushed last-first so the +x neighbour is the next one taken.
        for (int i = 5; i >= 0; --i) stack.push_back(p + order[i]);
    }
}
