// Drawing of the turret, the enemy turret and the mortar: links, then the
// barrel or dome blocks swung towards the target.
#include "machines/AutoTurret.h"
#include "machines/Mortor.h"
#include "machines/Turret.h"
#include "machines/WeaponRender.h"

Turret::~Turret() { deleteMesh(Tvao, Tvbo, 3); }

void Turret::render(unsigned int program) {
    Netable::render(program);
    if (!isShadowPass(program)) {
        yaw = ease(yaw, getYawAngle(pos, target));
        pit = ease(pit, getPitAngel(target, pos));
    }
    ensureUnitCube(Tvao, Tvbo);
    drawTopBlocks(program, Tvao, top, pos, yaw, pit, dir);
}

AutoTurret::~AutoTurret() { deleteMesh(Tvao, Tvbo, 3); }

void AutoTurret::render(unsigned int program) {
    if (!isShadowPass(program)) {
        yaw = ease(yaw, getYawAngle(pos, target));
        pit = ease(pit, getPitAngel(target, pos));
    }
    ensureUnitCube(Tvao, Tvbo);
    drawTopBlocks(program, Tvao, top, pos, yaw, pit, dir);
}

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
