// Drawing of the turret, the enemy turret and the mortar: links, then the
// barrel or dome blocks swung towards the target.
#include "machines/AutoTurret.h"
#include "machines/Mortor.h"
#include "machines/Turret.h"
#include "machines/WeaponRender.h"

// The barrel of a turret or an enemy turret. The aim swings in the main pass
// only, so it moves once per frame however many passes draw it.
template <class Gun>
static void drawBarrel(Gun& g, unsigned int program) {
    if (!isShadowPass(program)) {
        g.yaw = ease(g.yaw, getYawAngle(g.pos, g.target));
        g.pit = ease(g.pit, getPitAngel(g.target, g.pos));
    }
    ensureUnitCube(g.Tvao, g.Tvbo);
    drawTopBlocks(program, g.Tvao, g.top, g.pos, g.yaw, g.pit, g.dir);
}

Turret::~Turret() { deleteMesh(Tvao, Tvbo, 3); }

void Turret::render(unsigned int program) {
    Netable::render(program);
    drawBarrel(*this, program);
}

AutoTurret::~AutoTurret() { deleteMesh(Tvao, Tvbo, 3); }

void AutoTurret::render(unsigned int program) { drawBarrel(*this, program); }

Mortor::~Mortor() { deleteMesh(Tvao, Tvbo, 3); }

void Mortor::render(unsigned int program) {
    Netable::render(program);
    // The dome only turns horizontally.
    if (!isShadowPass(program)) yaw = ease(yaw, getYawAngle(pos, target));
    std::list<std::pair<vec3, int>> dome;
    for (const vec3& c : top) dome.push_back({c, 12});
    ensureUnitCube(Tvao, Tvbo);
    drawTopBlocks(program, Tvao, dome, pos, yaw, 0.0f, dir);
}
