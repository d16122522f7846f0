#pragma once
// Every image texgen writes into Textures/, with its size in pixels. The
// generator paints exactly these and its test checks exactly these, so a
// texture the game asks for by name is added here and nowhere else.
#include <cstddef>

struct TextureEntry {
  const char* name;  // file name without ".png"; the game's texture name
  int width;
  int height;
};

inline constexpr TextureEntry kTextures[] = {
    // Block faces, one per block type that is drawn.
    {"vask", 16, 16}, {"stone", 16, 16}, {"brick", 16, 16}, {"mind", 16, 16},
    {"broke", 16, 16}, {"matterBlock", 16, 16}, {"genBlock", 16, 16}, {"capBlock", 16, 16},
    {"relayBlock", 16, 16}, {"sensorBlock", 16, 16}, {"machine", 16, 16}, {"deadMind", 16, 16},
    {"trunk", 16, 16}, {"leaves", 16, 16}, {"water", 16, 16}, {"stoneDark", 16, 16},
    {"stoneSand", 16, 16}, {"BBlock", 16, 16}, {"clover", 16, 16}, {"grass", 16, 16},
    {"grass2", 16, 16}, {"grass3", 16, 16}, {"grass4", 16, 16}, {"grass5", 16, 16},
    {"road", 16, 16}, {"road2", 16, 16}, {"road3", 16, 16}, {"roof", 16, 16},
    {"dirt", 16, 16}, {"obj", 16, 16}, {"conc1", 16, 16}, {"conc2", 16, 16},
    {"woodTile", 16, 16}, {"marble", 16, 16}, {"wood", 16, 16}, {"pine", 16, 16},
    {"window", 16, 16}, {"redDesert", 16, 16}, {"pink", 16, 16}, {"blue", 16, 16},
    {"green", 16, 16}, {"wheel", 16, 16}, {"metal", 16, 16}, {"rolldoor", 16, 16},
    {"fence", 16, 16}, {"redC", 16, 16}, {"goldE", 16, 16}, {"goldA", 16, 16},
    {"roof2", 16, 16},
    // Small cubes flying between machines.
    {"energycube", 16, 16}, {"gun", 16, 16},
    // HUD: resources, tools, cross-hair, editor icons.
    {"matter", 16, 16}, {"gens", 16, 16}, {"caps", 16, 16}, {"relay", 16, 16},
    {"sensor", 16, 16}, {"energy", 16, 16}, {"add", 16, 16}, {"box2", 16, 16},
    {"removeIcon", 16, 16}, {"breakIcon", 16, 16}, {"activate", 16, 16},
    {"deactivate", 16, 16}, {"reticle", 16, 16}, {"ship", 16, 16}, {"turret", 16, 16},
    {"m1", 16, 16}, {"m2", 16, 16}, {"emptyIcon", 16, 16}, {"slopeIcon", 16, 16}, {"hiddenIcon", 16, 16},
    // Fallback and scenery.
    {"dne", 16, 16}, {"sun", 64, 64}, {"country", 128, 128}, {"blackground", 64, 64},
    {"beam", 16, 16}, {"ship2", 64, 64}, {"white1", 8, 8}, {"shade", 8, 8},
    // Character sheet: 30 x 19 cells of 8 x 12 pixels.
    {"TextAB", 240, 228},
    // Panel widgets. A full-width widget covers 160 x 18 pixels of an
    // 800 x 600 window, the action and toggle buttons of a campaign row 64 x 18.
    {"box", 160, 18}, {"wizard2", 160, 18}, {"button", 160, 18}, {"unbutton", 160, 18},
    {"asept", 160, 18}, {"unsept", 160, 18}, {"on", 160, 18}, {"off", 160, 18},
    {"low", 160, 18}, {"med", 160, 18}, {"high", 160, 18},
    {"Fgens", 160, 18}, {"Fcaps", 160, 18}, {"Frelay", 160, 18}, {"Fsensor", 160, 18},
    {"SCmatter", 160, 18}, {"SCgens", 160, 18}, {"SCrelay", 160, 18}, {"SCsensor", 160, 18},
    {"play", 64, 18}, {"noplay", 64, 18},
    {"very easy", 64, 18}, {"easy", 64, 18}, {"normal", 64, 18}, {"hard", 64, 18},
    {"insane", 64, 18},
    // Speaker portraits for map conversations.
    {"portraitCommander", 64, 64}, {"portraitEngineer", 64, 64},
    {"portraitScientist", 64, 64}, {"portraitPilot", 64, 64}, {"portraitVask", 64, 64},
};

inline constexpr size_t kTextureCount = sizeof(kTextures) / sizeof(kTextures[0]);
// The block faces come first in the list.
inline constexpr size_t kBlockTextureCount = 49;

// The window icon is a BMP beside the textures.
inline constexpr const char* kWindowIconFile = "VaskIcon.bmp";
inline constexpr int kWindowIconSize = 32;

// Desktop menu icons, written by `texgen --app-icons` in the freedesktop
// icon theme's layout: <size>x<size>/apps/<kAppIconName>.png.
inline constexpr int kAppIconSizes[] = {48, 128, 256};
inline constexpr const char* kAppIconName = "the-vask";
