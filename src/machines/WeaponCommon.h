#pragma once
// Pieces shared by the turret, the enemy turret, the mortar and the shield:
// the outward shell search for vask, the aiming angles and barrel geometry,
// sound volumes, the energy request pass and the read-out panel.
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

// The angles in degrees, about y and then about x, under which `b` sees `a`.
float getYawAngle(vec3& a, vec3& b);
float getPitAngel(vec3& a, vec3& b);

// Placing a turret or an enemy turret: the barrel block farthest out gives the
// muzzle's offset `tip` and the barrel's own heading `dir`, and the aim starts
// along the barrel at the machine's own cell.
template <class Gun>
void layBarrel(Gun& g) {
    g.target = g.pos;
    vec3 t = farthestTop(g.pos, g.top);
    g.dir = -getYawAngle(g.pos, t);
    g.tip = t - g.pos;
    g.yaw = -g.dir;
    g.pit = 0;
}

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

// A delivery of energy to a weapon: stored up to one and a half times its
// capacity, never below empty, and the weapon may ask again.
void takeEnergy(Netable* self, float& energy, float capacity, const resourceStruct& r);

// The read-out panel of a turret or mortar titled `title`: "Range", "Energy
// Storage", "HP", "Damage" and "Rate", watched live.
void openWeaponStatus(Netable* self, const std::string& title, float& energy, float& capacity, int& hp, int& dmg,
                      int& rate);

// Shot ticks come every `rate` ticks; a rate below 1 would divide by zero.
inline int safeRate(int rate) { return rate < 1 ? 1 : rate; }
