#include "machines/Shield.h"
#include "machines/WeaponRender.h"
#include "render/BlockRenderer.h"
#include "world/World.h"

void Shield::render(unsigned int program) {
    Netable::render(program);
    // The bubble is see-through: main pass only, and only while it holds.
    auto it = shaders.find("block");
    if (it == shaders.end() || it->second != program || strength <= 0) return;
    glUseProgram(program);
    glUniform1f(glGetUniformLocation(program, "depth"), -1.0f);
    getBlockRenderer(world)->renderField(vec3(2 * size), pos - vec3(size - 0.5f));
}
