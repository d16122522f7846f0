#pragma once
// GL helpers shared by the weapons' drawing files (never included by state code).
#include "machines/MachineDraw.h"
#include "world/Block.h"

#include <list>
#include <utility>

// One unit cube (0..1) of 24 vertices with texture coordinates and normals,
// made on first use; the barrels and domes draw every block with it.
void ensureUnitCube(unsigned int& vao, unsigned int (&vbo)[3]);

// Draws barrel or dome blocks around the machine cell `cell`: every block is
// turned by yaw (about y), pit (about x) and dir (about y) round the cell's centre.
void drawTopBlocks(GLuint program, unsigned int vao, const std::list<std::pair<vec3, int>>& top,
                   vec3 cell, float yaw, float pit, float dir);

// The exponential swing of a barrel towards its aim, once per frame.
inline float ease(float current, float wanted) { return 0.9f * current + 0.1f * wanted; }
