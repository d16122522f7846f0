#pragma once
// A captured pattern of machine-part blocks, as offsets from its lowest cell.
#include "machines/Resource.h"

#include <set>
#include <string>
#include <utility>

class World;

struct paircomp {
    bool operator()(const std::pair<vec3, int>& a, const std::pair<vec3, int>& b) const {
        return veccomp()(a.first, b.first);
    }
};

class Template {
public:
    std::string text;
    std::string tex;
    vec3 start;
    std::set<std::pair<vec3, int>, paircomp> data;

    Template() : start(0, 0, 0) {}
    Template(World* w, vec3 v);
    void getComposition(vec3 pos, World* w, std::set<std::pair<vec3, int>, paircomp>& l);
};

// Adds the parts of the machine at pos that its cell does not show: a turret's
// barrel with its real types, a mortar's dome as relay blocks.
void templateActiveBlock(World* w, vec3 pos, std::set<std::pair<vec3, int>, paircomp>& l);
