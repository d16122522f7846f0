// shadercheck SHADERDIR [--preview OUTDIR [TEXTUREDIR]]
// Builds the game's three programs in a real GL context and fails on any
// compile or link message, on a failed link, or on a uniform or attribute the
// game does not provide. With --preview it also renders every shading mode
// into PNG images and checks the effects a program can measure, with made-up
// textures or, given TEXTUREDIR, the game's own.
#include <GL/glew.h>
#include <SDL2/SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Preview.h"
#include "ShaderPrograms.h"

int main(int argc, char** argv) {
    const bool preview = (argc == 4 || argc == 5) && std::strcmp(argv[2], "--preview") == 0;
    if (argc != 2 && !preview) {
        std::fprintf(stderr, "usage: shadercheck SHADERDIR [--preview OUTDIR [TEXTUREDIR]]\n");
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* win = SDL_CreateWindow("shadercheck", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 64, 64,
                                       SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext ctx = win ? SDL_GL_CreateContext(win) : nullptr;
    if (!ctx) {
        std::fprintf(stderr, "no GL context: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        std::fprintf(stderr, "glewInit failed\n");
        return 1;
    }
    std::printf("GL %s, %s\n", glGetString(GL_VERSION), glGetString(GL_RENDERER));

    int problems = 0;
    Programs progs;
    for (const char* name : {"block", "shadow", "post"}) {
        BuiltProgram p = buildProgram(argv[1], name);
        if (!p.log.empty()) {
            std::fprintf(stderr, "%s", p.log.c_str());
            ++problems;
        }
        if (!p.ok) {
            std::fprintf(stderr, "program %s failed to build\n", name);
            ++problems;
            continue;
        }
        for (const std::string& c : checkContract(p)) {
            std::fprintf(stderr, "%s\n", c.c_str());
            ++problems;
        }
        std::printf("program %s: built\n", name);
        (std::strcmp(name, "block") == 0 ? progs.block : std::strcmp(name, "shadow") == 0 ? progs.shadow : progs.post) = p.id;
    }

    if (preview && problems == 0) {
        if (argc == 5) usePreviewTextures(argv[4]);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        Target scene(800, 600, true);
        previewWorld(progs, argv[3], scene);
        previewScreen(progs, argv[3], scene);
        previewModes(progs, argv[3]);
        problems += failedChecks();
        if (GLenum err = glGetError(); err != GL_NO_ERROR) {
            std::fprintf(stderr, "GL error 0x%x during the preview\n", err);
            ++problems;
        }
        std::printf("preview images in %s\n", argv[3]);
    }

    SDL_GL_DeleteContext(ctx);
    SDL_DestroyWindow(win);
    SDL_Quit();
    std::printf("%s\n", problems ? "shadercheck: FAILED" : "shadercheck: all programs clean");
    return problems ? 1 : 0;
}
