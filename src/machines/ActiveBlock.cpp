#include "machines/ActiveBlock.h"

#include "util/BinaryIO.h"

#include <cstdio>
#include <istream>
#include <ostream>

ActiveBlock::ActiveBlock(World* w) : pos(0, 0, 0), alive(true), world(w) {}
ActiveBlock::~ActiveBlock() {}
void ActiveBlock::editorUpdate() {}
bool ActiveBlock::isNetable() { return false; }
void ActiveBlock::setPos(vec3 p) { pos = p; }

void ActiveBlock::read(std::istream& in) {
    printf("read a %d\n", getType());
    pos.x = readF32(in);
    pos.y = readF32(in);
    pos.z = readF32(in);
}

void ActiveBlock::write(std::ostream& out) {
    printf("wrote a %d\n", getType());
    writeI32(out, getType());
    writeF32(out, pos.x);
    writeF32(out, pos.y);
    writeF32(out, pos.z);
}
