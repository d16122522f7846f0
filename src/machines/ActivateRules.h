#pragma once
// The science-centre rule with a result, so activation can stop after it.
#include "machines/Resource.h"

#include <set>

class World;

bool makeScienceCenter(World* w, vec3 pos, resourceStruct& comp, std::set<vec3, veccomp>& blocks);
// Air cells lying, within the box around the roof cells, between two non-air
// cells of the same column: the room a mortar's dome encloses.
int enclosedAir(World* w, const std::set<vec3, veccomp>& roof);
