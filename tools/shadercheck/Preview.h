#pragma once
// Preview renders: draw every mode of the game's shaders into images for a
// person to look at, and check the few things a program can judge itself.
#include <string>

#include "PreviewGl.h"

// A small world with every block mode: scene.png (and the numeric checks
// on shadows and vask light). Leaves the finished scene in `scene`.
void previewWorld(const Programs& p, const std::string& outDir, Target& scene);
// The scene composed by the post program at full and at low health, with HUD
// pieces in every post mode: screen_full.png, screen_low.png.
void previewScreen(const Programs& p, const std::string& outDir, const Target& scene);
// One tile per mode, each a cube (block) or quad (post): modes.png.
void previewModes(const Programs& p, const std::string& outDir);
