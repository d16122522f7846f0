// The game manager's GL side: the menu frame and the colours around a game.
#include "flow/GameManager.h"
#include "flow/Input.h"
#include "panels/Notice.h"
#include "panels/PanelLayout.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "shell/GameOptions.h"
#include "shell/Vsync.h"
#include "util/FirstFrameClock.h"

#include <GL/glew.h>
#include <SDL2/SDL_events.h>
#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_timer.h>

#include <cstdio>

void GameManager::drawScreen() {
    // A game leaves its HUD red in the text colour; menu text stays white
    // (the colour's zero value) however many games have been played.
    GLuint post = shaders["post"];
    glUseProgram(post);
    glUniform3f(glGetUniformLocation(post, "uColor"), 0.0f, 0.0f, 0.0f);
    screen->render();
}

void GameManager::render() {
    bool gl = window && SDL_GL_GetCurrentContext();
    bool swap = gl;
    if (gl) {
        // The screen is drawn into a kept picture only when it may have
        // changed; a frame copies that picture and draws the logo over it.
        // With the logo hidden nothing moves, and the window keeps showing
        // the last frame until the screen changes.
        glm::ivec2 size = windowSize(window);
        bool logoShown = !panelBackdrop(*screen).overlaps(logoBox());
        bool changed = menuRedraw.due(frameInput, screen, size);
        if (changed && menuPicture.begin(size)) {
            drawScreen();
            menuPicture.end();
        }
        swap = changed || logoShown || !menuPicture.holds();
        if (swap) {
            useWindowViewport(window);
            bool kept = menuPicture.show();
            if (!kept) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (logoShown) logo.render();
            if (!kept) drawScreen();
            renderNotice();
        }
    }
    SDL_Delay(50);
    if (swap) SDL_GL_SwapWindow(window);
    noteFirstFrame();
}

void GameManager::beginGame() {
    if (window && SDL_GL_GetCurrentContext()) glClearColor(0.5f, 0.5f, 1.0f, 1.0f);
    hideCursorForLook(window);
}

void GameManager::applyVsyncSetting() {
    if (!window || !SDL_GL_GetCurrentContext()) return;
    printf("%s\n", applyVsync(gameOptions.getBool("VSYNC", true), SDL_GL_SetSwapInterval).c_str());
}

void GameManager::releaseScene() {
    if (!window || !SDL_GL_GetCurrentContext()) return;
    // The world's scene texture on unit 2 is about to go; leave a valid one.
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, getTexture("blackground"));
    glActiveTexture(GL_TEXTURE0);
}

void GameManager::endGame() {
    menuRedraw.invalidate();
    if (!window) return;
    freeCursor(window);
    if (SDL_GL_GetCurrentContext()) glClearColor(0, 0, 0, 1);
}

bool GameManager::inputWaiting() const {
    if (!window) return false;
    SDL_PumpEvents();
    return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE;
}

void GameManager::releaseMenuPicture() {
    if (window && SDL_GL_GetCurrentContext()) menuPicture.release();
}
