// The ten ways a mind grows its vask. Each action places at most one cell in
// its fill steps, so a mind only moves or builds further once its surroundings
// are complete.
#include "machines/VaskMind.h"
#include "world/World.h"

#include <cmath>
#include <cstdlib>

void VaskMind::vineAI() {
    int wx = int(pos.x), wy = int(pos.y), wz = int(pos.z);
    int r = rand() % 4;
    int sx = (r & 1) ? 1 : -1, sz = (r & 2) ? 1 : -1;
    const int side[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int step = 0; step < 100; step++) {
        for (const auto& s : side)
            if (isAir(wx + s[0], wy, wz + s[1])) {
                placeVask(wx + s[0], wy, wz + s[1]);
                return;
            }
        if (isAir(wx, wy - 1, wz)) {
            placeVask(wx, wy - 1, wz);
            return;
        }
        int nx = wx, nz = wz;
        if (rand() % 2 == 0) nx += sx;
        else nz += sz;
        if (getWBlock(world, nx, wy, nz).type == 2) {
            wx = nx;
            wz = nz;
            if (getWBlock(world, wx, wy - 1, wz).type == 2) wy -= 1;
        } else if (getWBlock(world, wx, wy + 1, wz).type == 2) {
            wy += 1;
        } else if (isAir(wx, wy + 1, wz)) {
            setBlockWithNotify(world, wx, wy + 1, wz, 2, 10);
            return;
        }
    }
}

void VaskMind::centiped() {
    if (fillBox(1, false) || fillBox(2, false)) return;
    int x = int(pos.x), y = int(pos.y), z = int(pos.z);
    int lx = dir == 0 ? 1 : 0, lz = dir == 0 ? 0 : 1;
    for (int i = 0; i < 10; i++) {
        if (isAir(x + lx, y - i, z + lz)) {
            placeVask(x + lx, y - i, z + lz);
            return;
        }
        if (isAir(x - lx, y - i, z - lz)) {
            placeVask(x - lx, y - i, z - lz);
            return;
        }
    }
    if (target == vec3(0) || pos == target) newRandomTarget(8);
    moveToTarget();
    moveToTarget();
    vec3 d = target - pos;
    // Legs at right angles to the motion.
    dir = std::abs(d.x) > std::abs(d.z) ? 1 : 0;
}

void VaskMind::slimeAI() {
    if (fillBox(1, false) || fillBox(size, false)) return;
    bool arrived = target == vec3(0) || (pos.x == target.x && pos.z == target.z);
    bool moved = moveToTargetWithWall();
    if (!moved || arrived) newFlatTarget();
    int x = int(pos.x), z = int(pos.z);
    if (getWBlock(world, x, int(pos.y) - size, z).type != 2) move(pos + vec3(0, 1, 0));
    if (isAir(x, int(pos.y) - size - 1, z)) move(pos - vec3(0, 1, 0));
    slideCube(-size - 1);
}

void VaskMind::slugAI() {
    if (fillBox(1, false) || fillBox(size, false)) return;
    bool arrived = target == vec3(0) || (pos.x == target.x && pos.z == target.z);
    bool moved = moveToTargetWithWall();
    if (arrived) newFlatTarget();
    int x = int(pos.x), z = int(pos.z);
    if (!moved || getWBlock(world, x, int(pos.y) - size, z).type != 2) move(pos + vec3(0, 1, 0));
    if (moved && isAir(x, int(pos.y) - size - 1, z)) move(pos - vec3(0, 1, 0));
    // The two lowest layers of the shell stay behind as its trail.
    slideCube(1 - size);
}

void VaskMind::saucerAI() {
    int x = int(pos.x), y = int(pos.y), z = int(pos.z);
    for (int a = -size; a <= size; a++)
        for (int b = -size; b <= size; b++)
            if (isFree(x + a, y, z + b)) {
                placeVask(x + a, y, z + b);
                return;
            }
    if (targetTaken()) newRandomTarget(0);
    if (pos.x == target.x && pos.z == target.z)
        for (int yy = y; yy >= 1; yy--)
            if (isFree(x, yy, z)) {
                placeVask(x, yy, z);
                return;
            }
    bool moved = moveToTargetWithWall();
    x = int(pos.x);
    z = int(pos.z);
    if (!moved || getWBlock(world, x, int(pos.y) - size, z).type != 2) move(pos + vec3(0, 1, 0));
    if (moved && isAir(x, int(pos.y) - size - 1, z)) move(pos - vec3(0, 1, 0));
    x = int(pos.x);
    y = int(pos.y);
    z = int(pos.z);
    int removed = 0;
    for (int a = -size - 1; a <= size + 1; a++)
        for (int b = -1; b <= 1; b++)
            for (int c = -size - 1; c <= size + 1; c++)
                if (getWBlock(world, x + a, y + b, z + c).type == 2) {
                    setBlockWithNotify(world, x + a, y + b, z + c, 0, 10);
                    removed++;
                }
    int owed = removed > 0 ? removed : 1;
    for (int a = -size; a <= size && owed > 0; a++)
        for (int c = -size; c <= size && owed > 0; c++)
            if (isAir(x + a, y, z + c)) {
                placeVask(x + a, y, z + c);
                owed--;
            }
}

void VaskMind::archAI() {
    if (fillBox(1, false)) return;
    if (targetTaken()) newRandomTarget(0);
    vec3 d = target - pos;
    for (int i = 0; i * 0.01 < 1.1; i++) {
        float t = float(i * 0.01);
        // A parabola 6.25 cells high at its middle.
        vec3 p = pos + t * d;
        p.y -= (t - 1) * t * 25;
        if (isFree(int(p.x), int(p.y), int(p.z))) {
            placeVask(int(p.x), int(p.y), int(p.z));
            return;
        }
    }
    if (isFree(int(target.x), int(target.y), int(target.z)))
        placeVask(int(target.x), int(target.y), int(target.z));
}

void VaskMind::vectorAI() {
    if (fillBox(1, false)) return;
    if (targetTaken()) newRandomTarget(rand() % 10);
    int x = int(pos.x), y = int(pos.y), z = int(pos.z);
    int tx = int(target.x), ty = int(target.y), tz = int(target.z);
    auto tryCell = [this](int cx, int cy, int cz) {
        if (!isFree(cx, cy, cz)) return false;
        placeVask(cx, cy, cz);
        return true;
    };
    int sy = ty > y ? 1 : -1, sx = tx > x ? 1 : -1, sz = tz > z ? 1 : -1;
    for (int cy = y; cy != ty; cy += sy)
        if (tryCell(x, cy, z)) return;
    for (int cx = x; cx != tx; cx += sx)
        if (tryCell(cx, ty, z)) return;
    for (int cz = z; cz != tz; cz += sz)
        if (tryCell(tx, ty, cz)) return;
}

void VaskMind::stalkAI() {
    if (fillBox(1, false)) return;
    if (targetTaken()) newRandomTarget(rand() % 10);
    vec3 d = target - pos;
    for (int i = 0; i * 0.01 < 1.0; i++) {
        vec3 p = pos + float(i * 0.01) * d;
        if (isFree(int(p.x), int(p.y), int(p.z))) {
            placeVask(int(p.x), int(p.y), int(p.z));
            return;
        }
    }
    int tx = int(target.x), ty = int(target.y), tz = int(target.z);
    for (int i = 0; i < 2 * size; i++)
        if (isFree(tx, ty - size + i, tz)) placeVask(tx, ty - size + i, tz);
}

void VaskMind::tracerAI() {
    if (fillBox(1, false) || fillBox(size, false)) return;
    target = world->player.pos;
    moveToTarget();
    fillBox(size, false);
}

void VaskMind::uAI() {
    if (fillBox(1, false) || fillBox(size, true)) return;
    if (targetTaken()) newRandomTarget(0);
    moveToTarget();
    fillBox(size, true);
}
