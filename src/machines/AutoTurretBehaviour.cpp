#include "machines/Activate.h"
#include "machines/AutoTurret.h"
#include "machines/Projectiles.h"
#include "machines/WeaponCommon.h"
#include "machines/EditorBoxes.h"
#include "panels/StatusScreen.h"
#include "sound/Sound.h"
#include "world/World.h"

#include <glm/geometric.hpp>

#include <sstream>

// Range beyond this would make the shell search sweep the whole world on every
// shot; map files are held to the same limit.
constexpr float MAX_AUTOTURRET_RANGE = 64.0f;

void AutoTurret::setPos(vec3 p) {
    pos = p;
    top.clear();
    resourceStruct comp, levels;
    std::set<vec3, veccomp> group;
    getComposition(p, world, comp, levels, group);
    for (const vec3& c : group) {
        if (c.y <= p.y) continue;
        int x = int(c.x), y = int(c.y), z = int(c.z);
        top.push_back({c, getWBlock(world, x, y, z).type});
        // In play the barrel is drawn by the turret; the editor keeps the blocks
        // so the map can be edited and saved with them.
        if (!editMode(world)) setBlockWithNotify(world, x, y, z, 0, 10);
    }
    layBarrel(*this);
}

bool AutoTurret::canTarget(int x, int y, int z) { return vaskInReach(world, pos, range, x, y, z); }

void AutoTurret::findTarget() {
    searchShells(pos, range, [this](int x, int y, int z) { return canTarget(x, y, z); }, target);
}

void AutoTurret::update(long long tick) {
    if (!isMachineCell(world, int(pos.x), int(pos.y), int(pos.z))) {
        alive = false;
        return;
    }
    if (tick % safeRate(rate) != 0) return;
    vec3 player = world->player.pos;
    float dist = glm::length(player - pos);
    if (ammo == 2 && dist < range) {
        target = player - vec3(0.5f, 1.0f, 0.5f);
        playerInRange = true;
    } else if (!isVaskCell(world, int(target.x), int(target.y), int(target.z))) {
        playerInRange = false;
        findTarget();
    }
    if (!playerInRange && !isVaskCell(world, int(target.x), int(target.y), int(target.z))) return;
    vec3 muzzle = muzzlePosition(pos, target, tip, dir);
    std::list<vec3> path{target + vec3(0.5f)};
    if (ammo == 0) world->placeEntity(new EntityProjectile(world, muzzle, path, dmg));
    else world->placeEntity(new EntityKineticProjectile(world, muzzle, path, dmg));
    soundManager.play(gunSound(), volumeFromPlayer(world, pos));
}

void AutoTurret::editorUpdate() {
    dir += 1.0f;
    if (!edited) return;
    edited = 0;
    StatusScreen* s = getStatusScreen(world);
    if (!s) return;
    dmg = boxInt(*s, "Damage");
    rate = boxInt(*s, "Rate");
    range = boxFloat(*s, "Range");
    ammo = boxInt(*s, "Type");
    if (dmg < 0) dmg = 1;
    if (rate < 2) rate = 50;
    if (!(range >= 1.0f)) range = 2.0f;
    if (range > MAX_AUTOTURRET_RANGE) range = MAX_AUTOTURRET_RANGE;
    setStatusScreen(world, nullptr);
}

void AutoTurret::onClick() {
    if (!editMode(world)) return;
    StatusScreen* s = new StatusScreen("AutoTurret", pos);
    std::ostringstream r;
    r << range;
    s->addBox(SNumBox("Damage", std::to_string(dmg), false));
    s->addBox(SNumBox("Rate", std::to_string(rate), false));
    s->addBox(SNumBox("Range", r.str(), false));
    s->addBox(SNumBox("Type", std::to_string(ammo), false));
    s->addButton(SButton("Save", {{0, "button"}, {1, "unbutton"}}, &edited, 2, 0));
    setStatusScreen(world, s);
}
