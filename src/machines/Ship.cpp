#include "machines/Ship.h"

#include "util/BinaryIO.h"
#include "world/World.h"

Ship::Ship(World* w) : Netable(w, 5.0f, 9), special(0), vao(0), vbo{0, 0, 0} {
    store.matter = 5;
    store.gens = 5;
    store.relays = 5;
}

void Ship::read(std::istream& in) {
    ActiveBlock::read(in);
    special = readI32(in);
}

void Ship::write(std::ostream& out) {
    ActiveBlock::write(out);
    writeI32(out, special);
}

void Ship::onClick() {}
