// vask_hud_layout WIDTH HEIGHT COUNT...
// Prints one line per piece, "name x y w h" in window pixels from the top-left
// corner (as screenshots count them): the HUD laid out with the six counts
// given and the place tool's caption, and the pause panel's backdrop.
#include "panels/PanelLayout.h"
#include "panels/StatusScreen.h"
#include "render/HudLayout.h"
#include "world/World.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int width = 0, height = 0;

void print(const std::string& name, const PixelRect& r) {
    printf("%s %d %d %d %d\n", name.c_str(), r.x, height - r.top(), r.w, r.h);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 + HUD_RESOURCES || (width = atoi(argv[1])) < 16 || (height = atoi(argv[2])) < 16) {
        fprintf(stderr, "usage: vask_hud_layout WIDTH HEIGHT MATTER ENERGY SENSORS CAPS GENS RELAYS\n");
        return 2;
    }
    std::array<std::string, HUD_RESOURCES> counts;
    for (int i = 0; i < HUD_RESOURCES; i++) counts[size_t(i)] = argv[3 + i];
    HudLayout l = layoutHud(width, height, counts, "Remove: dig out a block");
    print("backdrop", l.resourceBackdrop);
    for (size_t i = 0; i < HUD_RESOURCES; i++) {
        print(std::string("count_") + HUD_RESOURCE_NAMES[i], l.counts[i]);
        print(std::string("name_") + HUD_RESOURCE_NAMES[i], l.names[i]);
    }
    print("caption", l.caption);
    print("tool0", l.tools[0]);

    int quit = 0, resume = 0;
    StatusScreen* pause = makePauseScreen(quit, resume);
    PanelBox b = panelBackdrop(*pause);
    delete pause;
    auto px = [](float u, int side) { return int(std::lround(u * float(side) / 100.0f)); };
    print("pause", {px(b.left, width), px(b.bottom, height), px(b.right - b.left, width), px(b.top - b.bottom, height)});
    return 0;
}
