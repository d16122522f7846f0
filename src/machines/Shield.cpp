#include "machines/Shield.h"

#include "machines/WeaponCommon.h"
#include "panels/StatusScreen.h"
#include "sound/Sound.h"
#include "world/World.h"

Shield::Shield(World* w, resourceStruct& cmp, std::set<vec3, veccomp>& s)
    : Netable(w, float(cmp.sensors + 5), 9), ammo(0), energy(0), strength(0) {
    resourceStruct levels = shipLevels(w);
    hp = cmp.matter + 1;
    dmg = cmp.gens;
    rate = 30;
    capacity = float((levels.caps + 2) * cmp.caps + 5);
    size = float(cmp.gens / 2 + 1);
    maxStrength = (levels.relays + 5) * 2 * cmp.gens;
    blocks = s;
}

void Shield::update(long long tick) {
    Netable::update(tick);
    if (!alive) return;
    if (tick % 30 == 0) {
        // One unit of energy buys five of strength.
        if (maxStrength <= strength + energy * 5.0f) {
            energy -= float((maxStrength - strength) / 5.0);
            if (energy < 0) energy = 0;  // rounding must not leave a debt
            strength = maxStrength;
        } else {
            strength = int(energy * 5.0f + strength);
            energy = 0;
        }
        doDmg();
    }
    if (tick % 20 == 5 && !reqLock) askForEnergy(this, energy, capacity);
}

void Shield::doDmg() {
    int before = strength;
    int x0 = int(pos.x), y0 = int(pos.y), z0 = int(pos.z);
    auto burn = [&](int x, int y, int z) {
        Block b = getWBlock(world, x, y, z);
        if (b.type != 2 || b.data >= strength) return;
        strength -= b.data;
        setBlockWithNotify(world, x, y, z, 0, 10);
    };
    for (int a = int(-size); float(a) < size; a++)
        for (int b = int(-size); float(b) < size; b++) {
            burn(x0 + a, int(y0 + size), z0 + b);
            burn(x0 + a, int(y0 - size), z0 + b);
            burn(x0 + a, y0 + b, int(z0 + size));
            burn(x0 + a, y0 + b, int(z0 - size));
            burn(int(x0 + size), y0 + a, z0 + b);
            burn(int(x0 - size), y0 + a, z0 + b);
        }
    if (strength != before) soundManager.play("SD", volumeFromPlayer(world, pos));
}

void Shield::takeCargo(resourceStruct r) { takeEnergy(this, energy, capacity, r); }

bool Shield::handleRequest(resourceStruct, Netable*) { return false; }

void Shield::onClick() {
    StatusScreen* s = new StatusScreen("Shield", pos);
    s->addLabel(SLabel("Range", &range, (float*)nullptr, 1));
    s->addLabel(SLabel("Energy Storage", &energy, &capacity, 1));
    s->addLabel(SLabel("Strength", &strength, &maxStrength, 2));
    s->addLabel(SLabel("Strength", &strength, nullptr, 0));
    s->addLabel(SLabel("HP", &hp, nullptr, 0));
    s->addLabel(SLabel("Damage", &dmg, nullptr, 0));
    s->addLabel(SLabel("Rate", &rate, nullptr, 0));
    setStatusScreen(world, s);
}
