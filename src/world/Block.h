#pragma once
// One grid cell and the table of block types that gives each type its behaviour.
#include <glm/glm.hpp>

#include <cstdint>
#include <map>
#include <string>

using glm::vec2;
using glm::vec3;
using glm::vec4;
using glm::mat4;

class Block {
public:
    int16_t type;
    int16_t data;  // strength for vask (2) and mind (5) cells
    uint8_t mark;

    Block() : type(0), data(0), mark(0) {}
    Block(short t) : type(t), data(0), mark(0) {}
};

class BlockAttrib {
public:
    std::string tex;
    int renderPass;  // 0 never meshed, 1 opaque cube, >1 own translucent pass
    bool passable;
    bool machine;
    bool organic;
    bool minable;
    bool grass;
    vec2 shiny;

    BlockAttrib();
    BlockAttrib(std::string tex, int renderPass, bool passable);

    BlockAttrib& setMachine(bool b);
    BlockAttrib& setMineable(bool b);
    BlockAttrib& setOrganic(bool b);
    BlockAttrib& setGrass(bool b);
    BlockAttrib& setShiny(float x, float y);
};

// Block types run from 0 to this value minus one.
constexpr int BLOCK_TYPE_COUNT = 54;

extern std::map<int, BlockAttrib> blockAttribs;

void setupBlockAttribs();

// Vask and mind cells keep their strength in 16 bits and are never 0 or below.
constexpr int MAX_CELL_STRENGTH = 32767;
inline int clampCellStrength(double s) {
    if (!(s >= 1)) return 1;  // NaN too
    return s > MAX_CELL_STRENGTH ? MAX_CELL_STRENGTH : int(s);
}

// True for every type the table knows (0..53).
inline bool isKnownBlockType(int t) { return t >= 0 && t < BLOCK_TYPE_COUNT; }
