#pragma once
// Turning hand-built patterns of machine-part blocks into machines, and back.
#include "machines/Resource.h"

#include <set>

class World;

void getComposition(vec3 pos, World* w, resourceStruct& ret, resourceStruct& levels, std::set<vec3, veccomp>& l);

void actGenerator(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
void actRelay(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
void actFactory(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
void actSC(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
bool actShield(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
bool actMortor(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
bool actMine(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);
bool actTurret(World* w, vec3 pos, resourceStruct& comp, resourceStruct& levels, std::set<vec3, veccomp>& blocks);

void activate(vec3 pos, World* w);
void deactivate(vec3 pos, World* w);

class Template;
void renderTemplateIcon(World* w, Template& t, vec3 pos);
