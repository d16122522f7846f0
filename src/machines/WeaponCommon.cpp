#include "machines/WeaponCommon.h"

#include "machines/Netable.h"
#include "panels/StatusScreen.h"
#include "sound/Sound.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <cstdlib>

bool isMachineCell(World* w, int x, int y, int z) {
    int t = getWBlock(w, x, y, z).type;
    return blockAttrib(t).machine;
}

bool isVaskCell(World* w, int x, int y, int z) { return getWBlock(w, x, y, z).type == 2; }

bool vaskInReach(World* w, vec3 pos, float range, int x, int y, int z) {
    if (!isVaskCell(w, x, y, z)) return false;
    vec3 d = vec3(x, y, z) - pos;
    return d.x * d.x + d.y * d.y + d.z * d.z <= range * range;
}

template <class Cell>
static vec3 farthest(vec3 pos, const std::list<Cell>& top, vec3 (*cellOf)(const Cell&)) {
    vec3 best = pos;
    int bestDist = 0;
    for (const Cell& c : top) {
        vec3 p = cellOf(c);
        float dx = p.x - pos.x, dz = p.z - pos.z;
        int d = int(dx * dx + dz * dz);
        if (d > bestDist) {
            bestDist = d;
            best = p;
        }
    }
    return best;
}

static vec3 pairCell(const std::pair<vec3, int>& c) { return c.first; }
static vec3 plainCell(const vec3& c) { return c; }

vec3 farthestTop(vec3 pos, const std::list<std::pair<vec3, int>>& top) {
    return farthest(pos, top, &pairCell);
}

vec3 farthestTop(vec3 pos, const std::list<vec3>& top) { return farthest(pos, top, &plainCell); }

vec3 muzzlePosition(vec3 pos, vec3 target, vec3 tip, float dir) {
    glm::mat4 m(1.0f);
    m = glm::rotate(m, glm::radians(getYawAngle(pos, target)), vec3(0, 1, 0));
    m = glm::rotate(m, glm::radians(getPitAngel(target, pos)), vec3(1, 0, 0));
    m = glm::rotate(m, glm::radians(dir), vec3(0, 1, 0));
    return pos + vec3(m * glm::vec4(tip, 1.0f)) + vec3(0.5f);
}

float volumeFromPlayer(World* w, vec3 p) {
    float d = glm::length(w->player.pos - p);
    return d > 0.0f ? 1.0f / d : MAX_SOUND_VOLUME;
}

std::string gunSound() { return "LH" + std::to_string(1 + rand() % 4); }

void askForEnergy(Netable* self, float energy, float capacity) {
    auto pass = [&](bool (*wanted)(int)) {
        for (auto it = self->adjacent.rbegin(); it != self->adjacent.rend() && !self->reqLock; ++it) {
            if (!wanted((*it)->getType()) || energy >= capacity) continue;
            resourceStruct req;
            req.energy = capacity - energy;
            if ((*it)->handleRequest(req, self)) self->reqLock = true;
        }
    };
    pass([](int t) { return t == TYPE_RELAY; });
    pass([](int t) { return t == TYPE_GENERATOR || t == TYPE_RELAY || t == TYPE_SHIP; });
}

void takeEnergy(Netable* self, float& energy, float capacity, const resourceStruct& r) {
    energy += r.energy;
    if (energy < 0) energy = 0;
    if (energy > 1.5f * capacity) energy = 1.5f * capacity;
    self->reqLock = false;
}

void openWeaponStatus(Netable* self, const std::string& title, float& energy, float& capacity, int& hp, int& dmg,
                      int& rate) {
    StatusScreen* s = new StatusScreen(title, self->pos);
    s->addLabel(SLabel("Range", &self->range, (float*)nullptr, 1));
    s->addLabel(SLabel("Energy Storage", &energy, &capacity, 1));
    s->addLabel(SLabel("HP", &hp, nullptr, 0));
    s->addLabel(SLabel("Damage", &dmg, nullptr, 0));
    s->addLabel(SLabel("Rate", &rate, nullptr, 0));
    setStatusScreen(self->world, s);
}

float getYawAngle(vec3& a, vec3& b) {
    return float(std::atan2(double(a.x - b.x), double(a.z - b.z)) * 180.0 / 3.14159);
}

float getPitAngel(vec3& a, vec3& b) {
    double dx = a.x - b.x, dz = a.z - b.z;
    return float(std::atan2(double(a.y - b.y), std::sqrt(dx * dx + dz * dz)) * 180.0 / 3.14159);
}
