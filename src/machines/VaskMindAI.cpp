#include "machines/Netable.h"
#include "machines/VaskMind.h"
#include "sound/Sound.h"
#include "world/World.h"

#include <cmath>
#include <cstdlib>

void VaskMind::update(long long tick) {
    int x = int(pos.x), y = int(pos.y), z = int(pos.z);
    // Its cell overwritten (by a shell, or a block written over it): the mind is gone.
    if (getWBlock(world, x, y, z).type != 5) {
        alive = false;
        return;
    }
    if (testCage()) {
        soundManager.play("dead", 1.0f);
        alive = false;
        setBlockWithNotify(world, x, y, z, 16, 10);
        return;
    }
    if (tick % (speed < 1 ? 1 : speed) != 0) return;
    ticker += 1;
    switch (ai) {
    case 1: moveAndTargetMech(50); vineAI(); break;
    case 2: centiped(); break;
    case 3: slimeAI(); break;
    case 4: slugAI(); break;
    case 5: saucerAI(); break;
    case 6: target = getClosestMachine(); saucerAI(); break;
    case 7: archAI(); break;
    case 8: target = getClosestMachine(); archAI(); break;
    case 9: vectorAI(); break;
    case 10: target = getClosestMachine(); vectorAI(); break;
    case 11: stalkAI(); break;
    case 12: target = getClosestMachine(); stalkAI(); break;
    case 13: tracerAI(); break;
    case 14: uAI(); break;
    case 15: target = getClosestMachine(); uAI(); break;
    default: vineAI(); break;
    }
}

bool VaskMind::testCage() {
    // The world's border counts as a wall: a mind there can still be caged.
    const int off[6][3] = {{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const auto& o : off) {
        int t = getWBlock(world, int(pos.x) + o[0], int(pos.y) + o[1], int(pos.z) + o[2]).type;
        if (t == 2 || t == 0) return false;
    }
    return true;
}

vec3 VaskMind::getClosestMachine() {
    ActiveBlock* a = getClosestNetable(world, pos);
    return a ? a->pos : target;
}

void VaskMind::move(vec3 np) {
    // The mind never leaves the grid: a step out of it is no step.
    if (!world->inWorld(int(np.x), int(np.y), int(np.z))) return;
    setBlockWithNotify(world, int(pos.x), int(pos.y), int(pos.z), 2, strength);
    setBlockWithNotify(world, int(np.x), int(np.y), int(np.z), 5, 10);
    pos = np;
}

static float signOf(float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); }

void VaskMind::moveToTarget() {
    vec3 d = target - pos;
    vec3 a = glm::abs(d);
    vec3 step(0);
    if (a.y >= a.x && a.y >= a.z) step.y = signOf(d.y);
    else if (a.x >= a.y && a.x >= a.z) step.x = signOf(d.x);
    else step.z = signOf(d.z);
    if (step != vec3(0)) move(pos + step);
}

bool VaskMind::moveToTargetWithWall() {
    vec3 d = target - pos;
    vec3 step(0);
    if (std::abs(d.x) >= std::abs(d.z)) step.x = signOf(d.x);
    else step.z = signOf(d.z);
    vec3 np = pos + step;
    if (step == vec3(0) || getWBlock(world, int(np.x), int(np.y), int(np.z)).type != 2) return false;
    move(np);
    return pos == np;
}

void VaskMind::moveAndTargetMech(int spd) {
    if (spd < 1 || ticker % spd != 0) return;
    target = getClosestMachine();
    moveToTarget();
}

bool VaskMind::isFree(int x, int y, int z) {
    int t = getWBlock(world, x, y, z).type;
    return t != 2 && t != 5 && t != -1;
}

bool VaskMind::isAir(int x, int y, int z) { return getWBlock(world, x, y, z).type == 0; }

void VaskMind::placeVask(int x, int y, int z) { setBlockWithNotify(world, x, y, z, 2, strength); }

bool VaskMind::fillBox(int half, bool anyFree) {
    int x0 = int(pos.x), y0 = int(pos.y), z0 = int(pos.z);
    for (int a = -half; a <= half; a++)
        for (int b = -half; b <= half; b++)
            for (int c = -half; c <= half; c++) {
                int x = x0 + a, y = y0 + b, z = z0 + c;
                if (anyFree ? isFree(x, y, z) : isAir(x, y, z)) {
                    placeVask(x, y, z);
                    return true;
                }
            }
    return false;
}

void VaskMind::newRandomTarget(int lift) {
    int spanX = int(world->width) - 4, spanZ = int(world->depth) - 4;
    int x = rand() % (spanX > 0 ? spanX : 1) + 2;
    int z = rand() % (spanZ > 0 ? spanZ : 1) + 2;
    int g = 0;
    for (int y = int(world->height) - 1; y > 0; y--)
        if (getWBlock(world, x, y, z).type != 0) {
            g = y;
            break;
        }
    // A target above the world could never be reached.
    int y = g + lift;
    if (y > int(world->height) - 1) y = int(world->height) - 1;
    target = vec3(x, y, z);
}

void VaskMind::newFlatTarget() {
    newRandomTarget(0);
    target.y = 0;
}

bool VaskMind::targetTaken() {
    if (target == vec3(0)) return true;
    int t = getWBlock(world, int(target.x), int(target.y), int(target.z)).type;
    return t == 2 || t == 5;
}

void VaskMind::slideCube(int lowest) {
    int x0 = int(pos.x), y0 = int(pos.y), z0 = int(pos.z);
    int outer = size + 1;
    int removed = 0;
    for (int a = -outer; a <= outer; a++)
        for (int b = lowest; b <= outer; b++)
            for (int c = -outer; c <= outer; c++) {
                if (std::abs(a) != outer && std::abs(b) != outer && std::abs(c) != outer) continue;
                if (getWBlock(world, x0 + a, y0 + b, z0 + c).type != 2) continue;
                setBlockWithNotify(world, x0 + a, y0 + b, z0 + c, 0, 10);
                removed++;
            }
    int owed = removed > 0 ? removed : 1;
    for (int a = -size; a <= size && owed > 0; a++)
        for (int b = -size; b <= size && owed > 0; b++)
            for (int c = -size; c <= size && owed > 0; c++)
                if (isAir(x0 + a, y0 + b, z0 + c)) {
                    placeVask(x0 + a, y0 + b, z0 + c);
                    owed--;
                }
}
