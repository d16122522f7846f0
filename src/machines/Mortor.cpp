#include "machines/Mortor.h"

#include "machines/Projectiles.h"
#include "machines/WeaponCommon.h"
#include "sound/Sound.h"
#include "world/World.h"

#include <algorithm>

Mortor::Mortor(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s, std::list<vec3>& topBlocks, float ss)
    : Netable(w, float(cmp.sensors * 3 + 10), 9), ammo(0), energy(0), dir(0), size(ss), yaw(0),
      top(topBlocks), target(0, 0, 0), hasTarget(false), Tvao(0), Tvbo{0, 0, 0} {
    resourceStruct levels = shipLevels(w);
    hp = cmp.matter + 1;
    dmg = int(cmp.gens * 0.75);
    // Research past relays level 17 would bring the rate to 0: once a tick is the limit.
    rate = safeRate(std::clamp(350 - 20 * levels.relays, 0, 300));
    capacity = float((levels.caps + 2) * cmp.caps + 5);
    blocks = s;
    for (vec3& b : top) setBlockWithNotify(w, int(b.x), int(b.y), int(b.z), 6, 10);
}

void Mortor::setPos(vec3 p) {
    Netable::setPos(p);
    target = p;
    vec3 t = farthestTop(pos, top);
    dir = 90 - getYawAngle(pos, t);
    yaw = dir;
}

bool Mortor::canTarget(int x, int y, int z) { return vaskInReach(world, pos, range, x, y, z); }

void Mortor::findTarget() {
    target = vec3(0, 0, 0);
    hasTarget = searchShells(pos, range, [this](int x, int y, int z) { return canTarget(x, y, z); }, target);
}

void Mortor::findDenseTarget() {
    findTarget();
    if (!hasTarget) return;
    // One cell deeper into the vask, away from the mortar.
    target += glm::sign(target - pos);
}

void Mortor::update(long long tick) {
    Netable::update(tick);
    if (!alive) {
        for (vec3& b : top) {
            int x = int(b.x), y = int(b.y), z = int(b.z);
            if (isMachineCell(world, x, y, z)) setBlockWithNotify(world, x, y, z, 12, 10);
        }
        return;
    }
    if (tick % safeRate(rate) == 0) {
        if (!hasTarget || !isVaskCell(world, int(target.x), int(target.y), int(target.z))) findDenseTarget();
        if (hasTarget && energy > 2 * dmg) {
            energy -= 2 * dmg;
            vec3 start = pos + vec3(0.5f, float(size / 2.0 + 2.0), 0.5f);
            world->placeEntity(
                new EntityMSingularity(world, start, {target + vec3(0.5f)}, dmg, float(size / 2.0)));
            soundManager.play("SG1", 1.0f);
        }
    }
    if (tick % 20 == 5 && !reqLock) askForEnergy(this, energy, capacity);
}

void Mortor::takeCargo(resourceStruct r) { takeEnergy(this, energy, capacity, r); }

bool Mortor::handleRequest(resourceStruct, Netable*) { return false; }

void Mortor::onClick() { openWeaponStatus(this, "Singularity Generator", energy, capacity, hp, dmg, rate); }
