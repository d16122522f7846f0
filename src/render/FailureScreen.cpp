#include "render/FailureScreen.h"

#include "render/Textures.h"
#include "util/WrapText.h"

#include <GL/glew.h>
#include <SDL2/SDL.h>

namespace {

// In a 0..100 space over the window, y up.
constexpr float LEFT = 6.0f, CHAR_W = 1.6f, CHAR_H = 3.0f, LINE = 4.0f;

void drawLine(TextRenderer& text, const std::string& s, float x, float top, float w, float h) {
    glBegin(GL_QUADS);
    for (size_t i = 0; i < s.size(); i++) {
        GLfloat t[8];
        text.getTexCoords(s[i], t);
        float x0 = x + float(i) * w, x1 = x0 + w;
        glTexCoord2f(t[0], t[1]);
        glVertex2f(x0, top);
        glTexCoord2f(t[2], t[3]);
        glVertex2f(x0, top - h);
        glTexCoord2f(t[4], t[5]);
        glVertex2f(x1, top - h);
        glTexCoord2f(t[6], t[7]);
        glVertex2f(x1, top);
    }
    glEnd();
}

void drawScreen(TextRenderer& text, const std::vector<std::string>& lines) {
    glUseProgram(0);
    glBindVertexArray(0);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0.09f, 0.03f, 0.07f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 100, 0, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, text.charSheet);

    glColor4f(1.0f, 0.7f, 0.25f, 1.0f);
    drawLine(text, "The Vask cannot start", LEFT, 88, 2.6f, 4.6f);
    float y = 78;
    for (size_t i = 0; i < lines.size(); i++, y -= LINE) {
        bool last = i + 1 == lines.size();
        if (last) glColor4f(0.7f, 0.7f, 0.75f, 1.0f);
        else glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        drawLine(text, lines[i], LEFT, y, CHAR_W, CHAR_H);
    }
    glColor4f(1, 1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace

void showFailureScreen(SDL_Window* window, const std::string& message) {
    auto sheet = loadedTextures.find("TextAB");
    if (sheet == loadedTextures.end() || sheet->second == 0 || !glIsTexture(sheet->second)) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "The Vask cannot start", message.c_str(), window);
        return;
    }
    TextRenderer text("TextAB");
    std::vector<std::string> lines = wrapWords(message, size_t((100.0f - 2 * LEFT) / CHAR_W));
    lines.push_back("");
    lines.push_back("Press a key or click to close.");
    for (;;) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            bool press = (e.type == SDL_KEYDOWN && !e.key.repeat) || e.type == SDL_MOUSEBUTTONDOWN;
            if (press || e.type == SDL_QUIT) return;
        }
        drawScreen(text, lines);
        SDL_GL_SwapWindow(window);
        SDL_Delay(50);
    }
}
