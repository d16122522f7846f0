#pragma once
// Pieces shared by the turret, the enemy turret, the mortar and the shield:
// the outward shell search for vask, the muzzle geometry, sound volumes and the
// energy request pass.
#include "machines/Resource.h"

#include <list>
#include <string>
#include <utility>

class Netable;
class World;

// True when the cell exists and holds a block with the machine attribute.
bool isMachineCell(World* w, int x, int y, int z);
bool isVaskCell(World* w, int x, int y, int z);

// Vask at (x, y, z) no farther than `range` from `pos` (squared comparison).
bool vaskInReach(World* w, vec3 pos, float range, int x, int y, int z);

// Searches cube shells of growing radius around `pos` (radius below `range`)
// and stores the first cell that `canTarget` accepts in `target`. The face
// offsets run over the whole face, edges and corners included: vask sitting
// on a shell's +/+ edge would otherwise never be seen.
template <class Pred>
bool searchShells(vec3 pos, float range, Pred canTarget, vec3& target) {
    int x = int(pos.x), y = int(pos.y), z = int(pos.z);
    for (int r = 1; float(r) < range; r++)
        for (int a = -r; a <= r; a++)
            for (int b = -r; b <= r; b++) {
                const int cells[6][3] = {{x + a, y + r, z + b}, {x + a, y - r, z + b},
                                         {x + a, y + b, z + r}, {x + a, y + b, z - r},
                                         {x + r, y + a, z + b}, {x - r, y + a, z + b}};
                for (const auto& c : cells)
                    if (canTarget(c[0], c[1], c[2])) {
                        target = vec3(c[0], c[1], c[2]);
                        return true;
                    }
            }
    return false;
}

// The barrel block farthest from `pos` horizontally (first of equals). With
// no block off the machine's axis the machine's own cell is used, so the
// muzzle stays at the machine instead of some point far away.
vec3 farthestTop(vec3 pos, const std::list<std::pair<vec3, int>>& top);
vec3 farthestTop(vec3 pos, const std::list<vec3>& top);

// Where a shell leaves the barrel when the machine at `pos`, whose barrel tip
// sits at offset `tip` when turned by `dir`, aims at `target`.
vec3 muzzlePosition(vec3 pos, vec3 target, vec3 tip, float dir);

// 1 / distance from the player to `p`; right at the player the loudest volume.
float volumeFromPlayer(World* w, vec3 p);
// One of the four gun sounds "LH1".."LH4", drawn at random.
std::string gunSound();

// The weapons' request pass: relays first, then generators, relays and the
// ship, each list walked from the last link to the first, asking for the
// missing energy until one ask is answered (which sets reqLock).
void askForEnergy(Netable* self, float energy, float capacity);

// Shot ticks come every `rate` ticks; a rate below 1 would divide by zero.
inline int safeRate(int rate) { return rate < 1 ? 1 : rate; }
