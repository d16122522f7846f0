#pragma once
// The game's own GL start-up in a window of a given size, for the tools that
// draw with the game's code and save the picture as a PNG. Closing it shuts the
// game's GL objects down first, as the game does.
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "shell/GameOptions.h"
#include "world/Block.h"

#include <GL/glew.h>
#include <SDL2/SDL.h>
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

class GameWindow {
public:
    SDL_Window* window = nullptr;

    // Opens the window (the settings take its size) and loads the shaders,
    // textures and block attributes. False, said on standard error, without GL.
    bool open(const char* title, int width, int height) {
        w = width;
        h = height;
        gameOptions.setString("XRES", std::to_string(width));
        gameOptions.setString("YRES", std::to_string(height));
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
            return false;
        }
        // As the game asks for its window, so that frames are drawn the same way.
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        window = SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_OPENGL);
        if (!window) {
            SDL_GL_ResetAttributes();
            window = SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_OPENGL);
        }
        context = window ? SDL_GL_CreateContext(window) : nullptr;
        glewExperimental = GL_TRUE;
        if (!context || glewInit() != GLEW_OK) {
            fprintf(stderr, "no GL context: %s\n", SDL_GetError());
            return false;
        }
        glGetError();  // GLEW may leave an error behind on some drivers
        loadTextures();
        setupGL();
        setupUniforms();
        setupBlockAttribs();
        started = true;
        return true;
    }

    ~GameWindow() {
        if (started) {
            shutdownGL();
            unloadTextures();
        }
        if (context) SDL_GL_DeleteContext(context);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }

    // Reports every error flag a GL call of the drawing left behind.
    static bool noGlErrors() {
        bool none = true;
        for (GLenum err = glGetError(); err != GL_NO_ERROR; err = glGetError()) {
            fprintf(stderr, "GL error 0x%x while drawing\n", err);
            none = false;
        }
        return none;
    }

    // Writes the back buffer, made opaque, to a PNG. False, said on standard
    // error, when the file cannot be written.
    bool saveBackBuffer(const std::string& path) const {
        std::vector<unsigned char> rgba(size_t(w) * size_t(h) * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
        FILE* fp = fopen(path.c_str(), "wb");
        if (!fp) {
            perror(path.c_str());
            return false;
        }
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png ? png_create_info_struct(png) : nullptr;
        if (!png || !info || setjmp(png_jmpbuf(png))) {
            fprintf(stderr, "error from libpng while writing %s\n", path.c_str());
            png_destroy_write_struct(&png, &info);
            fclose(fp);
            return false;
        }
        png_init_io(png, fp);
        png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        // GL reads bottom row first; PNG rows go top first.
        for (int y = h - 1; y >= 0; y--) png_write_row(png, rgba.data() + size_t(y) * size_t(w) * 4);
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
        return fclose(fp) == 0;
    }

private:
    SDL_GLContext context = nullptr;
    int w = 0, h = 0;
    bool started = false;
};
