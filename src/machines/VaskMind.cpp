#include "machines/VaskMind.h"

#include "util/BinaryIO.h"

VaskMind::VaskMind(World* w, int a, int str, int spd, int si)
    : ActiveBlock(w), target(0, 0, 0), dir(0), ai(a), size(si), speed(spd), strength(str),
      ticker(0), edited(0) {}

void VaskMind::read(std::istream& in) {
    ActiveBlock::read(in);
    size = readI32(in);
    speed = readI32(in);
    strength = readI32(in);
    ai = readI32(in);
}

void VaskMind::write(std::ostream& out) {
    ActiveBlock::write(out);
    writeI32(out, size);
    writeI32(out, speed);
    writeI32(out, strength);
    writeI32(out, ai);
}
