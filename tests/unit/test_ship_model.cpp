#include "machines/ShipModel.h"

#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <map>
#include <set>
#include <utility>

namespace {
glm::vec3 vertex(int i) {
    return {shipModel::positions[i * 3], shipModel::positions[i * 3 + 1], shipModel::positions[i * 3 + 2]};
}
}  // namespace

TEST(ShipModel, QuadsUseEveryVertexAndCloseTheHullBehindTheNose) {
    static_assert(shipModel::VERTICES == 36 && shipModel::QUADS == 31 && shipModel::INDICES == 124);
    std::set<int> used;
    std::map<std::pair<int, int>, int> edges;
    for (int q = 0; q < shipModel::QUADS; q++) {
        std::set<int> corners;
        for (int k = 0; k < 4; k++) {
            int a = shipModel::indices[q * 4 + k], b = shipModel::indices[q * 4 + (k + 1) % 4];
            ASSERT_LT(a, shipModel::VERTICES);
            corners.insert(a);
            used.insert(a);
            edges[{std::min(a, b), std::max(a, b)}]++;
            EXPECT_GT(glm::length(vertex(a) - vertex(b)), 0.01f) << "quad " << q;
        }
        EXPECT_EQ(corners.size(), 4u) << "quad " << q;
    }
    EXPECT_EQ(used.size(), size_t(shipModel::VERTICES));
    // Every edge joins two faces, except around the tiny open tip of the nose.
    for (auto& e : edges) {
        if (e.first.second < 4) continue;
        EXPECT_EQ(e.second, 2) << e.first.first << "-" << e.first.second;
    }
    for (int i = 0; i < shipModel::VERTICES; i++) {
        glm::vec3 v = vertex(i);
        EXPECT_LT(glm::length(v - glm::vec3(0.5f)), 2.5f);  // about the ship's own cell
        EXPECT_GE(shipModel::texCoords[i * 2], 0.0f);
        EXPECT_LE(shipModel::texCoords[i * 2 + 1], 1.0f);
    }
}
