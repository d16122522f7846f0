#include "machines/AutoTurret.h"

#include "util/BinaryIO.h"
#include "world/World.h"

AutoTurret::AutoTurret(World* w)
    : ActiveBlock(w), dmg(1), rate(50), ammo(1), edited(0), dir(0), range(10.0f), yaw(0), pit(0),
      playerInRange(false), target(0, 0, 0), tip(0, 0, 0), Tvao(0), Tvbo{0, 0, 0} {}

void AutoTurret::read(std::istream& in) {
    ActiveBlock::read(in);
    // Aim geometry follows the loaded position; a position outside the world
    // is only stored, and the loader then drops the turret.
    if (pos.x >= 0 && pos.y >= 0 && pos.z >= 0 && pos.x < float(world->width) &&
        pos.y < float(world->height) && pos.z < float(world->depth))
        setPos(pos);
    dmg = readI32(in);
    rate = readI32(in);
    range = readF32(in);
    ammo = readI32(in);
}

void AutoTurret::write(std::ostream& out) {
    ActiveBlock::write(out);
    writeI32(out, dmg);
    writeI32(out, rate);
    writeF32(out, range);
    writeI32(out, ammo);
}
