#include "machines/Generator.h"

#include "world/World.h"

#include <algorithm>
#include <cmath>

Generator::Generator(World* w, int gen, int caps, int sensors, std::set<vec3, veccomp>& s)
    : Netable(w, float(sensors / 2.0 + 3.0), 10), speed(gen), progress(0), storage(0) {
    rate = std::clamp(int(200 - std::sqrt(double(gen)) * gen), 1, 300);
    maxStorage = float(shipLevels(w).caps + 3 * caps + 10);
    blocks = s;
}
