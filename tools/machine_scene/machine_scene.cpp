// vask_machine_scene --out FILE.png [--no-links] [--size WxH]
// Builds a small base by activating hand-laid patterns (ship, generator, relay,
// mine), lets it run long enough for packets to fly and the mine to pick a
// cell, then draws it with World::render and writes the picture. --no-links
// forgets every link first, so a test can compare the two pictures where the
// beams run. Reads Shaders/ and Textures/ from the working directory.
#include "machines/Activate.h"
#include "machines/Mine.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "shell/GameOptions.h"
#include "world/World.h"

#include <GL/glew.h>
#include <SDL2/SDL.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

bool writePng(const std::string& path, int w, int h, const std::vector<unsigned char>& rgba) {
    FILE* fp = fopen(path.c_str(), "wb");
    if (!fp) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(fp);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = h - 1; y >= 0; y--) png_write_row(png, rgba.data() + size_t(y) * size_t(w) * 4);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fclose(fp) == 0;
}

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
    bool noLinks = false;
    int width = 800, height = 600;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--no-links")) noLinks = true;
        else if (!strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
        else if (!strcmp(argv[i], "--size") && i + 1 < argc) sscanf(argv[++i], "%dx%d", &width, &height);
    }
    if (out.empty() || width < 16 || height < 16 || width > 4096 || height > 4096) {
        fprintf(stderr, "usage: vask_machine_scene --out FILE.png [--no-links] [--size WxH]\n");
        return 2;
    }
    gameOptions.setString("XRES", std::to_string(width));
    gameOptions.setString("YRES", std::to_string(height));
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("machines", 0, 0, width, height, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    glewExperimental = GL_TRUE;
    if (!context || glewInit() != GLEW_OK) {
        fprintf(stderr, "no GL context\n");
        return 1;
    }
    glGetError();
    loadTextures();
    setupGL();
    setupUniforms();
    setupBlockAttribs();

    int status = 0;
    {
        auto world = std::make_unique<World>(32, 24, 32, window);
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
        for (int i = 0; i < 3; i++) world->render(i);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        world->renderForDialog();
        glFinish();
        for (GLenum err = glGetError(); err != GL_NO_ERROR; err = glGetError()) {
            fprintf(stderr, "GL error 0x%x while drawing\n", err);
            status = 1;
        }
        std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        for (size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
        if (!writePng(out, width, height, pixels)) {
            fprintf(stderr, "could not write %s\n", out.c_str());
            status = 1;
        }
    }
    shutdownGL();
    unloadTextures();
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}
