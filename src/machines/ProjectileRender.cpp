// Drawing of shells (a tracer streak fixed in space) and kinetic bullets.
#include "machines/Projectiles.h"
#include "machines/WeaponRender.h"
#include "render/BlockRenderer.h"

#include <iterator>

EntityProjectile::~EntityProjectile() { deleteMesh(vao, vbo, 2); }

// Three crossed triangles with their apex at the first waypoint and their bases
// across the launch point; built once, the streak does not follow the shell.
static void buildStreak(unsigned int& vao, unsigned int* vbo, vec3 start, vec3 apex) {
    const vec3 across[3] = {vec3(0.3f, 0, 0), vec3(0, 0.3f, 0), vec3(0, 0, 0.3f)};
    float pos[27], tex[18];
    for (int i = 0; i < 3; i++) {
        vec3 v[3] = {apex, start - across[i], start + across[i]};
        const float uv[3][2] = {{0.5f, 1.0f}, {0.0f, 0.0f}, {1.0f, 0.0f}};
        for (int k = 0; k < 3; k++) {
            for (int c = 0; c < 3; c++) pos[i * 9 + k * 3 + c] = v[k][c];
            tex[i * 6 + k * 2] = uv[k][0];
            tex[i * 6 + k * 2 + 1] = uv[k][1];
        }
    }
    makeStaticMesh(vao, vbo, {{0, 3, pos, std::size(pos)}, {2, 2, tex, std::size(tex)}});
}

void EntityProjectile::render(unsigned int program) {
    if (path.empty()) return;
    if (!vao) buildStreak(vao, vbo, start, path.front());
    glUseProgram(program);
    setDrawMode(program, 2);
    setModelMatrix(program, glm::mat4(1.0f));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, getTexture("beam"));
    glBindVertexArray(vao);
    glDrawArrays(GL_TRIANGLES, 0, 9);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void EntityKineticProjectile::render(unsigned int program) { rend->renderEntityBlock("gun", pos, program); }
