// The game manager's GL side: the menu frame and the colours around a game.
#include "flow/GameManager.h"
#include "flow/Input.h"
#include "panels/Notice.h"
#include "panels/PanelLayout.h"
#include "render/ShaderHelp.h"
#include "render/SubBufferCopy.h"
#include "render/Textures.h"
#include "shell/GameOptions.h"
#include "shell/Vsync.h"
#include "util/FirstFrameClock.h"

#include <GL/glew.h>
#include <SDL2/SDL_events.h>
#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_timer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

void GameManager::drawScreen() {
    // A game leaves its HUD red in the text colour; menu text stays white
    // (the colour's zero value) however many games have been played.
    GLuint post = shaders["post"];
    glUseProgram(post);
    glUniform3f(glGetUniformLocation(post, "uColor"), 0.0f, 0.0f, 0.0f);
    screen->render();
}

// The window pixels holding the logo, with a pixel to spare on every side.
static PixelRect logoPixels(glm::ivec2 size) {
    PanelBox b = logoBox();
    int x0 = std::max(0, int(std::floor(b.left / 100.0f * float(size.x))) - 1);
    int y0 = std::max(0, int(std::floor(b.bottom / 100.0f * float(size.y))) - 1);
    int x1 = std::min(size.x, int(std::ceil(b.right / 100.0f * float(size.x))) + 1);
    int y1 = std::min(size.y, int(std::ceil(b.top / 100.0f * float(size.y))) + 1);
    return {x0, y0, x1 - x0, y1 - y0};
}

void GameManager::render() {
    bool gl = window && SDL_GL_GetCurrentContext();
    bool swap = gl;
    if (gl) {
        // The screen is drawn into a kept picture only when it may have
        // changed; a frame copies that picture and draws the logo over it.
        // Where the back buffer can be shown without a swap it keeps that
        // frame, and later frames draw and show only the logo. With the logo
        // hidden nothing moves, and the window keeps showing the last frame.
        glm::ivec2 size = windowSize(window);
        bool logoShown = !panelBackdrop(*screen).overlaps(logoBox());
        bool changed = menuRedraw.due(frameInput, screen, size);
        if (changed && menuPicture.begin(size)) {
            drawScreen();
            menuPicture.end();
        }
        // A frame that changed is shown with a swap, which also lets the GL
        // take up a new window size; the frames after it keep their back buffer.
        bool partial = !changed && menuPicture.holds() && canCopySubBuffer();
        swap = !partial && (changed || logoShown || !menuPicture.holds());
        useWindowViewport(window);
        if (swap || (partial && !backBufferKept)) {
            bool kept = menuPicture.show();
            if (!kept) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (logoShown) logo.render();
            if (!kept) drawScreen();
            renderNotice();
            if (partial) copySubBuffer(0, 0, size.x, size.y);
        } else if (partial && logoShown) {
            PixelRect r = logoPixels(size);
            glScissor(r.x, r.y, r.w, r.h);
            glEnable(GL_SCISSOR_TEST);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            logo.render();
            renderNotice();
            glDisable(GL_SCISSOR_TEST);
            copySubBuffer(r.x, r.y, r.w, r.h);
        }
        if (swap) backBufferKept = false;
        else if (partial) backBufferKept = true;
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
    backBufferKept = false;  // the game swapped: the back buffer holds nothing of ours
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
