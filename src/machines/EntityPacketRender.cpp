// A packet is a small cube in the colour of the first kind it carries.
#include "machines/EntityPacket.h"
#include "machines/MachineDraw.h"
#include "render/BlockRenderer.h"

void EntityPacket::render(unsigned int program) {
    const char* tex = nullptr;
    if (cargo.matter > 0) tex = "matter";
    else if (cargo.caps > 0) tex = "capBlock";
    else if (cargo.gens > 0) tex = "genBlock";
    else if (cargo.relays > 0) tex = "relayBlock";
    else if (cargo.energy > 0) tex = isShadowPass(program) ? nullptr : "energycube";  // a glow casts no shadow
    else if (cargo.sensors > 0) tex = "sensorBlock";
    if (!tex || !rend) return;
    glUseProgram(program);
    setDrawMode(program, 5);
    rend->renderEntityBlock(tex, pos, program);
}
