// Start-up and shutdown of The Vask. The settings and the sound manager are
// ready before main runs (static initialisation); main opens the window and the
// GL context, loads the shared rendering resources and hands over to the menus.
#include "flow/GameManager.h"
#include "flow/KeyBindings.h"
#include "render/FailureScreen.h"
#include "render/ShaderCheck.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "shell/GameOptions.h"
#include "shell/SettingsCheck.h"
#include "shell/SoftwareShadows.h"
#include "shell/Vsync.h"
#include "sound/Sound.h"
#include "util/SafeFile.h"
#include "world/Block.h"

#include <GL/glew.h>
#include <SDL2/SDL.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// Starts SDL's video. Without a reachable display SDL quietly falls back to
// drawing off-screen, which would leave a game running that nobody can see or
// close; a display that refuses one connection now and then gets a few more
// tries before the game gives up.
static bool startVideo() {
    const bool driverChosen = SDL_getenv("SDL_VIDEODRIVER") != nullptr;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            printf("Unable to init SDL: %s\n", SDL_GetError());
            return false;
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        bool offscreen = driver && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
        if (driverChosen || !offscreen) return true;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_Delay(200);
    }
    printf("Unable to start video: no display to open a window on\n");
    return false;
}

int main(int, char**) {
    if (!startVideo()) return 1;
    for (const char* folder : {".", "Maps", "Campaign"}) removeStaleTempSaves(folder);
    // SDL turns SIGTERM and SIGINT into a window close request, which a game
    // in progress answers with its pause menu: a shutdown or Ctrl+C must end
    // the program instead (every save is already complete on disk).
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    atexit(SDL_Quit);

    // A typo in a hand-edited file must not keep the game from starting.
    dropImpossibleSizes(gameOptions);
    repairKeySettings(gameOptions);

    bool fullscreen = gameOptions.getBool("FULLSCREEN", false);
    int yres = gameOptions.getInt("YRES", 600);
    int xres = gameOptions.getInt("XRES", 800);
    Uint32 flags = SDL_WINDOW_OPENGL | (fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
    // Depth and stencil like the scene buffer's let a frame be drawn straight
    // into the window; a display without them still gets a window.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    auto open = [&] {
        return SDL_CreateWindow("The Vask v0.95", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, xres, yres, flags);
    };
    SDL_Window* window = open();
    if (!window) {
        SDL_GL_ResetAttributes();
        window = open();
    }
    if (!window) {
        printf("Unable to start video: %s\n", SDL_GetError());
        printf("%dx%d\n", xres, yres);
        return 1;
    }

    loadIcon("Textures/VaskIcon.bmp", window);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    // Every later step draws; without a context they would crash instead.
    if (!context) {
        printf("Unable to create an OpenGL context: %s\n", SDL_GetError());
        return 1;
    }
    GLenum glew = glewInit();
    if (glew != GLEW_OK) fprintf(stderr, "Error: %s\n", glewGetErrorString(glew));
    printf("%s\n", applyVsync(gameOptions.getBool("VSYNC", true), SDL_GL_SetSwapInterval).c_str());
    const GLubyte* renderer = glGetString(GL_RENDERER);
    preferNoShadowsOnSoftwareGL(gameOptions, renderer ? reinterpret_cast<const char*>(renderer) : "");

    loadTextures();
    setupGL();
    setupUniforms();
    // Without its programs the game would run in a black window; say why instead.
    ShaderFailure shaderFailure = checkShaderPrograms();
    if (!shaderFailure.ok()) {
        fprintf(stderr, "%s\n", shaderFailure.message().c_str());
        showFailureScreen(window, shaderFailure.message());
        shutdownGL();
        unloadTextures();
        SDL_GL_DeleteContext(context);
        return 1;
    }
    setupBlockAttribs();

    srand((unsigned)time(nullptr));
    soundManager.setVolume(gameOptions.getFloat("VOL", 0.5f));
    universeWin = window;

    GameManager game(window);
    mainGame = &game;
    game.run();

    shutdownGL();
    unloadTextures();
    SDL_GL_DeleteContext(context);
    printf("Exited cleanly\n");
    return 0;
}
