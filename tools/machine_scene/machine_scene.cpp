// vask_machine_scene --out FILE.png [--no-links] [--size WxH] [--hud] [--panel relay|pause] [--palette]
// Builds a small base by activating hand-laid patterns (ship, generator, relay,
// mine), lets it run long enough for packets to fly and the mine to pick a
// cell, then draws it with World::render and writes the picture. --no-links
// forgets every link first, so a test can compare the two pictures where the
// beams run. --hud keeps the HUD in the picture; --panel opens the relay's
// panel or the pause panel over it; --palette shows the editor's HUD with its
// block palette open at the first block types. Reads Shaders/ and Textures/ from the
// working directory.
#include "../screenshot/GameWindow.h"
#include "machines/Activate.h"
#include "machines/Mine.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "world/World.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

void lay(World& w, int x, int y, int z, int type) { w.setBlockAndUpdate(x, y, z, type, 0); }

void buildBase(World& w) {
    for (int x = 0; x < int(w.width); x++)
        for (int z = 0; z < int(w.depth); z++)
            for (int y = 0; y < 3; y++) w.setBlockAndUpdate(x, y, z, y == 2 ? 24 : 3, 0);
    Ship* ship = new Ship(&w);
    w.theShip = ship;
    w.setActiveBlockAndUpdate(15, 3, 16, ship);
    ship->store.energy = 40;
    lay(w, 21, 3, 16, 10);  // a one-block generator, six cells to the ship's right
    activate(vec3(21, 3, 16), &w);
    lay(w, 10, 3, 17, 12);  // a two-block relay to the ship's left
    lay(w, 10, 4, 17, 12);
    activate(vec3(10, 3, 17), &w);
    lay(w, 15, 3, 21, 12);  // a mine behind the ship
    lay(w, 16, 3, 21, 10);
    activate(vec3(15, 3, 21), &w);
    for (ActiveBlock* a : w.actives)
        if (a->getType() == TYPE_MINE) static_cast<Mine*>(a)->energy = 10;
    // Long enough for the mine's first digging step and for packets to be under way.
    for (long long t = 1; t <= 66; t++) w.tick(t);
}

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    bool noLinks = false, hud = false, palette = false;
    std::string panel;
    int width = 800, height = 600;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--no-links")) noLinks = true;
        else if (!strcmp(argv[i], "--hud")) hud = true;
        else if (!strcmp(argv[i], "--palette")) palette = hud = true;
        else if (!strcmp(argv[i], "--panel") && i + 1 < argc) panel = argv[++i], hud = true;
        else if (!strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!strcmp(argv[i], "--size") && i + 1 < argc) sscanf(argv[++i], "%dx%d", &width, &height);
    }
    if (out.empty() || (!panel.empty() && panel != "relay" && panel != "pause") || width < 16 || height < 16 || width > 4096 || height > 4096) {
        fprintf(stderr, "usage: vask_machine_scene --out FILE.png [--no-links] [--size WxH] [--hud] [--panel relay|pause] [--palette]\n");
        return 2;
    }
    GameWindow gl;
    if (!gl.open("machines", width, height)) return 1;
    int status = 0;
    {
        auto world = std::make_unique<World>(32, 24, 32, gl.window);
        buildBase(*world);
        int packets = 0, links = 0;
        for (auto& row : world->sectors)
            for (auto& sector : row) packets += int(sector.ents.size());
        for (ActiveBlock* a : world->actives)
            if (a->isNetable()) links += int(static_cast<Netable*>(a)->adjacent.size());
        printf("machines %zu, links %d, packets %d\n", world->actives.size(), links / 2, packets);
        if (noLinks)
            for (ActiveBlock* a : world->actives)
                if (a->isNetable()) static_cast<Netable*>(a)->adjacent.clear();
        world->player.setPos(vec3(15.5f, 11.0f, 6.0f));
        world->player.yaw = 180;
        world->player.pit = 30;
        world->sunPos = vec3(40, 300, -60);
        if (palette) {
            world->editorMode = true;
            world->player.mode = world->player.menu = 2;
            world->player.blockMode = 0;
        }
        int quit = 0, resume = 0;
        if (panel == "pause") setStatusScreen(world.get(), makePauseScreen(quit, resume));
        if (panel == "relay")
            for (ActiveBlock* a : world->actives)
                if (a->getType() == TYPE_RELAY) a->onClick();
        for (int i = 0; i < 3; i++) world->render(i);
        if (hud) {
            // The last frame stays in the back buffer: no swap.
            world->screen = nullptr;
            world->render(3);
        } else {
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            world->renderForDialog();
        }
        glFinish();
        if (!GameWindow::noGlErrors()) status = 1;
        if (!gl.saveBackBuffer(out)) status = 1;
    }
    return status;
}
