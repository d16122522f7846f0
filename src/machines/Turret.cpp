#include "machines/Turret.h"

#include "machines/Projectiles.h"
#include "machines/WeaponCommon.h"
#include "sound/Sound.h"
#include "world/World.h"

Turret::Turret(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s,
               std::list<std::pair<vec3, int>>& topBlocks, int head)
    : Netable(w, float(cmp.sensors + 5), head), ammo(0), energy(0), dir(0), yaw(0), pit(0),
      top(topBlocks), target(0, 0, 0), tip(0, 0, 0), Tvao(0), Tvbo{0, 0, 0} {
    resourceStruct levels = shipLevels(w);
    hp = cmp.matter + 1;
    dmg = cmp.gens * (levels.relays + 1);
    // More than 50 relay blocks would give a rate of 0: fire every tick instead.
    rate = safeRate(cmp.relays > 0 ? 50 / cmp.relays : 50);
    capacity = float((levels.caps + 1) * cmp.caps + 5);
    blocks = s;
    // The barrel becomes part of the machine: hidden cells the turret draws itself.
    for (auto& b : top) setBlockWithNotify(w, int(b.first.x), int(b.first.y), int(b.first.z), 6, 10);
}

void Turret::setPos(vec3 p) {
    Netable::setPos(p);
    layBarrel(*this);
}

bool Turret::canTarget(int x, int y, int z) { return vaskInReach(world, pos, range, x, y, z); }

void Turret::findTarget() {
    searchShells(pos, range, [this](int x, int y, int z) { return canTarget(x, y, z); }, target);
}

void Turret::update(long long tick) {
    Netable::update(tick);
    if (!alive) {
        // Shut down: the barrel turns back into the blocks it was built from.
        for (auto& b : top) {
            int x = int(b.first.x), y = int(b.first.y), z = int(b.first.z);
            if (isMachineCell(world, x, y, z)) setBlockWithNotify(world, x, y, z, b.second, 10);
        }
        return;
    }
    if (tick % safeRate(rate) == 0) {
        if (!isVaskCell(world, int(target.x), int(target.y), int(target.z))) findTarget();
        float cost = float(dmg / 5.0);
        if (isVaskCell(world, int(target.x), int(target.y), int(target.z)) && energy > cost) {
            energy -= cost;
            vec3 muzzle = muzzlePosition(pos, target, tip, dir);
            world->placeEntity(new EntityProjectile(world, muzzle, {target + vec3(0.5f)}, dmg));
            soundManager.play(gunSound(), volumeFromPlayer(world, pos));
        }
    }
    if (tick % 20 == 5 && !reqLock) askForEnergy(this, energy, capacity);
}

void Turret::takeCargo(resourceStruct r) { takeEnergy(this, energy, capacity, r); }

bool Turret::handleRequest(resourceStruct, Netable*) { return false; }

void Turret::onClick() { openWeaponStatus(this, "Turret", energy, capacity, hp, dmg, rate); }
