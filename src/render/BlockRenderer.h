#pragma once
// Draws single cubes and the scene's fixed furniture: selection outline, landscape
// backdrop, world box, sun, template ghosts and icons. Makes GL objects only when a
// GL context exists, so a headless world carries an inert one.
#include "world/Block.h"

#include <string>

class Player;
class Template;

class BlockRenderer {
public:
    unsigned int vao;
    unsigned int vbo[2];

    BlockRenderer();
    ~BlockRenderer();
    BlockRenderer(const BlockRenderer&) = delete;
    BlockRenderer& operator=(const BlockRenderer&) = delete;

    void renderOutline(vec3 pos);
    void renderLandScape(vec3 pos);
    void renderField(vec3 pos, vec3 src);
    void renderNormalBlock(Block& b, vec3 pos);
    void renderBlock(Block& b, vec3 pos);
    void renderSun(vec3 pos, Player& player);
    void renderTemplate(Template& t, vec3 pos);
    void renderTemplateIcon(Template& t, vec3 pos);
    void renderEntityBlock(std::string tex, vec3 pos, unsigned int shad);
};
