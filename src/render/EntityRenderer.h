#pragma once
// Draws small centred cubes for moving things.
#include <glm/glm.hpp>

#include <string>

using glm::vec3;

class EntityRenderer {
public:
    unsigned int vao;
    unsigned int vbo[3];
    unsigned int sides[6];

    EntityRenderer();
    ~EntityRenderer();
    EntityRenderer(const EntityRenderer&) = delete;
    EntityRenderer& operator=(const EntityRenderer&) = delete;

    void renderNormalBlock(std::string tex, vec3 pos, unsigned int shad);
};
