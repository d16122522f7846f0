#include "render/HudCaptions.h"

#include "flow/Player.h"
#include "world/Block.h"

const char* const PART_NAMES[5] = {"matter", "generators", "capacitors", "relays", "sensors"};

std::string gameToolCaption(const Player& p) {
    switch (p.mode) {
    case 0: return p.remMode == 0 ? "Remove: dig out a block" : "Remove: break a machine part";
    case 1: return p.actMode == 0 ? "Machines: activate" : "Machines: deactivate";
    case 2:
        return std::string("Place block: ") + (p.blockMode >= 0 && p.blockMode < 5 ? PART_NAMES[p.blockMode] : "?");
    case 3:
        if (p.tempMode == 0) return "Template: copy a machine's pattern";
        return "Template: build copy " + std::to_string(p.tempMode);
    default: return "";
    }
}

std::string editorBlockName(int type) {
    auto it = blockAttribs.find(type);
    if (it != blockAttribs.end() && !it->second.tex.empty()) return it->second.tex;
    switch (type) {
    case 0: return "air";
    case 1: return "slope filler";
    case 6: return "hidden machine cell";
    case 7: return "hidden passable cell";
    default: return "unknown";
    }
}

std::string editorToolCaption(const Player& p) {
    static const char* actors[] = {"ship", "mind", "turret"};
    switch (p.mode) {
    case 0: return p.remMode == 0 ? "Remove: clear a cell" : "Remove: break a machine part";
    case 1: return std::string("Place: ") + actors[p.actMode >= 0 && p.actMode < 3 ? p.actMode : 0];
    case 2: return "Place block " + std::to_string(p.blockMode) + ": " + editorBlockName(p.blockMode);
    case 3: return p.mass1 == vec3(0, 0, 0) ? "Fill box: first corner" : "Fill box: second corner";
    default: return "";
    }
}
