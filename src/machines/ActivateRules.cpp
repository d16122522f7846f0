// One rule per machine: does the collected group have the machine's shape, and
// if so build the machine into the world.
#include "machines/Activate.h"
#include "machines/ActivateRules.h"
#include "machines/Factory.h"
#include "machines/Generator.h"
#include "machines/Mine.h"
#include "machines/Mortor.h"
#include "machines/PatternShape.h"
#include "machines/Relay.h"
#include "machines/ScienceCenter.h"
#include "machines/Shield.h"
#include "machines/Turret.h"
#include "sound/Sound.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace {

void install(World* w, vec3 cell, ActiveBlock* a) {
    w->setActiveBlockAndUpdate(int(cell.x), int(cell.y), int(cell.z), a);
    soundManager.play("ON", 1.0f);
}

bool isMatterOrCap(int t) { return t == 9 || t == 11; }

}  // namespace

void actGenerator(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    if (cellType(w, pos) != 10) return;
    // Research in generators lets bigger groups work as one generator.
    if (blocks.size() > size_t(4 * (levels.gens + 1))) return;
    install(w, pos, new Generator(w, comp.gens, comp.caps, comp.sensors, blocks));
}

void actRelay(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    vec3 head;
    if (!highestCell(w, blocks, [](int) { return true; }, head)) return;
    install(w, head, new Relay(w, comp.sensors, comp.caps, comp.matter, cellType(w, head), blocks));
}

void actFactory(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    install(w, pos, new Factory(w, comp.sensors, comp.matter, comp.gens, comp.caps, cellType(w, pos), blocks));
}

bool makeScienceCenter(World* w, vec3 pos, resourceStruct& comp, CellSet& blocks) {
    if (cellType(w, pos) != 9) return false;
    for (const vec3& p : blocks)
        if (cellType(w, p) > 9 && cellType(w, p - vec3(0, 1, 0)) != 9) return false;
    install(w, pos, new ScienceCenter(w, comp, blocks));
    return true;
}

void actSC(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    makeScienceCenter(w, pos, comp, blocks);
}

bool actShield(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    vec3 top;
    if (!highestCell(w, blocks, [](int t) { return t == 9; }, top)) return false;
    if (!aloneAtItsHeight(blocks, top)) return false;
    for (const vec3& p : blocks) {
        bool gen = cellType(w, p) == 10;
        if (p.y > top.y ? !gen : gen) return false;
    }
    install(w, top, new Shield(w, comp, blocks));
    return true;
}

int enclosedAir(World* w, const CellSet& roof) {
    int minX = 10000, minZ = 10000, minY = 100000, maxX = 0, maxY = 0, maxZ = 0;
    for (const vec3& p : roof) {
        minX = std::min(minX, int(p.x));
        minY = std::min(minY, int(p.y));
        minZ = std::min(minZ, int(p.z));
        maxX = std::max(maxX, int(p.x));
        maxY = std::max(maxY, int(p.y));
        maxZ = std::max(maxZ, int(p.z));
    }
    int volume = 0;
    for (int x = minX; x <= maxX; x++)
        for (int z = minZ; z <= maxZ; z++) {
            int run = 0;
            bool closedBelow = false;
            for (int y = minY; y <= maxY; y++) {
                if (cellType(w, vec3(x, y, z)) != 0) {
                    volume += run;
                    run = 0;
                    closedBelow = true;
                } else if (closedBelow) {
                    run++;
                }
            }
        }
    return volume;
}

bool actMortor(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    if (comp.relays > comp.gens) return false;
    vec3 top;
    if (!highestCell(w, blocks, [](int t) { return t == 9; }, top)) return false;
    if (!aloneAtItsHeight(blocks, top)) return false;
    CellSet roof;
    for (const vec3& p : blocks) {
        bool relay = cellType(w, p) == 12;
        if (p.y > top.y ? !relay : relay) return false;
        if (p.y > top.y) roof.insert(p);
    }
    int volume = enclosedAir(w, roof);
    if (volume == 0) return false;
    std::list<vec3> dome(roof.begin(), roof.end());
    install(w, top, new Mortor(w, comp, blocks, dome, float(std::sqrt(double(volume)))));
    return true;
}

bool actMine(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    vec3 head;
    int grounded = 0;
    for (const vec3& p : blocks)
        if (cellType(w, p) == 12 && standsOnGround(w, p)) {
            head = p;
            grounded++;
        }
    if (grounded != 1) return false;
    int maxX = int(head.x) + 1, maxZ = int(head.z) + 1, minX = int(head.x) - 1, minZ = int(head.z) - 1;
    for (const vec3& p : blocks) {
        if (p == head || !standsOnGround(w, p)) continue;
        maxX = std::max(maxX, int(p.x));
        minX = std::min(minX, int(p.x));
        maxZ = std::max(maxZ, int(p.z));
        minZ = std::min(minZ, int(p.z));
    }
    install(w, head, new Mine(w, int(head.y), minX, minZ, maxX, maxZ, comp, blocks));
    return true;
}

bool actTurret(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, CellSet& blocks) {
    vec3 top;
    if (!highestCell(w, blocks, isMatterOrCap, top)) return false;
    if (!aloneAtItsHeight(blocks, top)) return false;
    std::list<std::pair<vec3, int>> barrel;
    for (const vec3& p : blocks) {
        if (p.y < top.y && !isMatterOrCap(cellType(w, p))) return false;
        if (p.y > top.y) barrel.emplace_back(p, cellType(w, p));
    }
    install(w, top, new Turret(w, comp, blocks, barrel, cellType(w, top)));
    return true;
}
