#pragma once
// A headless player for scripted playthroughs. It only does what a player can:
// walk somewhere, look at a block face and press the right mouse button with a
// tool selected, then let the game run. The selection comes from the game's
// own look ray, and the click goes through the game's own right-click action.
#include "WorldFixture.h"
#include "flow/Input.h"
#include "machines/Ship.h"
#include "world/World.h"

#include <cmath>
#include <functional>
#include <vector>

class PlayerBot {
public:
    explicit PlayerBot(World& world) : w(world), home(world.player.pos) {}

    World& w;
    vec3 home;  // a safe place to step back to: the start
    long long frame = 0;

    void goHome() {
        w.player.pos = home;
        w.player.vel = vec3(0);
    }

    // Plays n frames, or fewer when the game ends.
    void play(int n) {
        Quiet q;  // sounds without a Sounds folder report themselves on every play
        for (int i = 0; i < n && w.result == 0; i++) w.tick(++frame);
    }

    int ground(int x, int z) { return groundTop(w, x, z); }

    int type(vec3 c) { return w.getBlock(c).type; }
    resourceStruct& store() { return w.theShip->store; }

    // Cuts a block; the ship has it thirty frames later.
    bool mine(vec3 cell) {
        if (!click(0, 0, cell, vec3(0, 1, 0))) return false;
        play(31);
        return type(cell) == 0;
    }

    // Sets a part (0 matter, 1 generator, 2 capacitor, 3 relay, 4 sensor) against a face of `on`.
    bool place(int part, vec3 on, vec3 face) {
        vec3 target = on + face;
        if (!click(2, part, on, face, target)) return false;
        return type(target) == 9 + part;
    }

    bool activateAt(vec3 cell, vec3 face = vec3(0, 1, 0)) { return click(1, 0, cell, face); }
    bool breakAt(vec3 cell, vec3 face) { return click(0, 1, cell, face); }

    // Walks to a spot from where `face` of `cell` is in view and reach, looks at
    // it and right-clicks with the given tool. False when no such spot exists.
    bool click(int mode, int sub, vec3 cell, vec3 face, vec3 keepFree = vec3(-1)) {
        if (!aim(cell, face, keepFree)) return false;
        Player& p = w.player;
        p.mode = mode;
        p.menu = -1;
        if (mode == 0) p.remMode = sub;
        if (mode == 1) p.actMode = sub;
        if (mode == 2) p.blockMode = sub;
        Quiet q;
        useTool(p);
        return true;
    }

    bool aim(vec3 cell, vec3 face, vec3 keepFree) {
        vec3 facePoint = cell + vec3(0.5f) + face * 0.5f;
        std::vector<vec3> spots;
        for (int dx = -6; dx <= 6; dx++)
            for (int dy = -3; dy <= 8; dy++)
                for (int dz = -6; dz <= 6; dz++) {
                    vec3 off(dx, dy + 0.3f, dz);
                    if (glm::dot(off, face) < 0.5f || glm::length(off) > 8.5f) continue;
                    spots.push_back(facePoint + off);
                }
        std::stable_sort(spots.begin(), spots.end(), [&](vec3 a, vec3 b) {
            return glm::length(a - facePoint) < glm::length(b - facePoint);
        });
        for (vec3 eye : spots) {
            if (!bodyFits(eye)) continue;
            if (keepFree.x >= 0 && blocksPlacing(eye, keepFree)) continue;
            vec3 dir = glm::normalize(facePoint - eye);
            vec3 hitFace;
            vec3 hit = w.rayTrace(eye, dir, 10, &hitFace);
            if (hit != cell || hitFace != face) continue;
            Player& p = w.player;
            p.pos = eye;
            p.vel = vec3(0);
            p.pit = float(-std::asin(dir.y) * 180.0 / 3.14159265);
            p.yaw = float(std::atan2(dir.x, -dir.z) * 180.0 / 3.14159265);
            p.selected = hit;
            p.selFace = hitFace;
            return true;
        }
        return false;
    }

private:
    // The player's box as movement samples it, clear of solid blocks and of vask.
    bool bodyFits(vec3 p) {
        vec3 s = w.player.size;
        for (double x = p.x - s.x; x < p.x + s.x; x += 0.49)
            for (double y = p.y - s.y; y < p.y + 0.5; y += 0.49)
                for (double z = p.z - s.z; z < p.z + s.z; z += 0.49) {
                    if (x < 0 || y < 0 || z < 0) return false;
                    if (x >= w.width || y >= w.height || z >= w.depth) return false;
                    Block b = w.getBlock(vec3(float(x), float(y), float(z)));
                    if (!blockAttribs[b.type].passable || b.type == 2) return false;
                }
        return true;
    }

    // The game refuses to set a block inside the player's own body.
    static bool blocksPlacing(vec3 eye, vec3 target) {
        vec3 d = target - eye;
        return std::fabs(d.x) < 2 && std::fabs(d.z) < 2 && d.y > -4 && d.y < 1;
    }
};
