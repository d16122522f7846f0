#pragma once
// Painters turn a texture name into its picture. Each group of textures
// registers its painters in the table; main runs one per entry of kTextures.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "Image.h"

using Painter = std::function<Image(int width, int height)>;
using PainterTable = std::map<std::string, Painter>;

void addNaturalBlocks(PainterTable& t);
void addBuiltBlocks(PainterTable& t);
void addMachineBlocks(PainterTable& t);
void addHudIcons(PainterTable& t);
void addScenery(PainterTable& t);
void addWidgets(PainterTable& t);
void addPortraits(PainterTable& t);

// The window icon, 32 x 32.
Image paintWindowIcon();
// The desktop menu's icon, `size` pixels square, transparent around a disc.
Image paintAppIcon(int size);

// Seed derived from a texture name, so each texture has its own noise.
uint32_t seedOf(const std::string& name);
