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
#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_timer.h>

#include <cstdio>

void GameManager::render() {
    bool gl = window && SDL_GL_GetCurrentContext();
    if (gl) {
        useWindowViewport(window);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (!panelBackdrop(*screen).overlaps(logoBox())) logo.render();
        // A game leaves its HUD red in the text colour; menu text stays white
        // (the colour's zero value) however many games have been played.
        GLuint post = shaders["post"];
        glUseProgram(post);
        glUniform3f(glGetUniformLocation(post, "uColor"), 0.0f, 0.0f, 0.0f);
        screen->render();
        renderNotice();
    }
    SDL_Delay(50);
    if (gl) SDL_GL_SwapWindow(window);
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
    if (!window) return;
    freeCursor(window);
    if (SDL_GL_GetCurrentContext()) glClearColor(0, 0, 0, 1);
}
