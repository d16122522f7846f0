#pragma once
// Resource bundles and the position ordering shared by machines and patterns.
#include <glm/glm.hpp>

using glm::vec3;

// Five block counts (matter, gens, caps, relays, sensors: block types 9..13) and
// energy. In a request, -1 in a field means "everything the giver has".
struct resourceStruct {
    union {
        struct {
            int matter, gens, caps, relays, sensors;
        };
        int data[5];
    };
    float energy;

    resourceStruct() : data{0, 0, 0, 0, 0}, energy(0.0f) {}
};

bool isEmpty(const resourceStruct& r);

// Orders cells by x, then y, then z.
struct veccomp {
    bool operator()(const vec3& a, const vec3& b) const {
        if (a.x != b.x) return a.x < b.x;
        if (a.y != b.y) return a.y < b.y;
        return a.z < b.z;
    }
};
