#include "panels/StatusScreen.h"

#include "shell/GameOptions.h"

#include <SDL2/SDL_video.h>

#include <algorithm>
#include <cmath>
#include <sstream>

StatusScreen::StatusScreen(std::string n, vec3 s)
    : name(n), source(s), selected(nullptr), vao(0), vbo{0, 0}, offset(83) {
    // Menus and panels are also built by headless code (tests, the simulation).
    if (SDL_GL_GetCurrentContext()) createGL();
}

StatusScreen::~StatusScreen() {
    if (vao) destroyGL();
}

void StatusScreen::input(SDL_Event& e) {
    float w = float(gameOptions.getInt("XRES", 800));
    float h = float(gameOptions.getInt("YRES", 600));
    // In fullscreen the window is the display's size, whatever XRES says.
    if (SDL_Window* win = SDL_GetWindowFromID(e.button.windowID)) {
        int ww = 0, wh = 0;
        SDL_GetWindowSize(win, &ww, &wh);
        if (ww > 0 && wh > 0) w = float(ww), h = float(wh);
    }
    float px = float(e.button.x) / w * 100.0f;
    float py = 100.0f - float(e.button.y) / h * 100.0f;
    int row = int(labels.size());
    auto inRow = [&](int k) {
        float top = float(rowTop(k));
        return top > py && py > top - float(ROW_HEIGHT);
    };
    // A row's caption answers a click like its widget does: players aim at the words.
    bool onCaption = px > 3 && px <= 30;

    for (SNumBox& b : boxes) {
        if (((px > 30 && px < 50) || onCaption) && inRow(row)) {
            selected = &b;
            return;
        }
        row++;
    }
    for (SButton& b : buttons) {
        if (b.mode == 0) {
            if (((px > 30 && px < 50) || onCaption) && inRow(row)) {
                b.activate();
                return;
            }
        } else if (b.mode == 1 && inRow(row)) {
            if (px > 40 && px < 48) {
                b.activate();
                return;
            }
            if ((px > 30 && px < 38) || onCaption) {
                // The action may rebuild this very screen (the campaign does),
                // so call a copy and touch nothing of the button afterwards.
                ButtonAction action = b.callBack;
                int arg = b.callnum, value = *b.toggle;
                if (action) action(arg, value);
                return;
            }
        }
        row++;
    }
}

void StatusScreen::keyInput(SDL_Event& e) {
    if (!selected) return;
    std::string& t = selected->text;
    bool textBox = selected->mode;
    SDL_Keycode k = e.key.keysym.sym;
    bool shift = (e.key.keysym.mod & (KMOD_LSHIFT | KMOD_RSHIFT)) != 0;

    if (k >= SDLK_a && k <= SDLK_z) {
        if (textBox) t += char(shift ? k - 'a' + 'A' : k);
    } else if (k >= SDLK_0 && k <= SDLK_9) {
        t += (textBox && shift && k == SDLK_1) ? '!' : char(k);
    } else if (k >= SDLK_KP_1 && k <= SDLK_KP_9) {
        t += char('1' + (k - SDLK_KP_1));
    } else if (k == SDLK_KP_0) {
        t += '0';
    } else if (k == SDLK_PERIOD || k == SDLK_KP_PERIOD) {
        t += '.';
    } else if (k == SDLK_MINUS || k == SDLK_KP_MINUS) {
        t += '-';
    } else if (k == SDLK_SPACE || k == SDLK_COMMA || k == SDLK_QUOTE) {
        if (textBox) t += char(k);
    } else if (k == SDLK_SLASH) {
        if (textBox && shift) t += '?';
    } else if (k == SDLK_BACKSPACE) {
        if (!t.empty()) t.pop_back();
    }
}

// Seventeen rows fit; an eighteenth would hang below the window's bottom edge.
bool StatusScreen::rowsFit() const {
    int n = rowCount();
    return n == 0 || FIRST_ROW - ROW_STEP * (n - 1) - ROW_HEIGHT >= 0;
}

int StatusScreen::maxOffset() const { return std::max(FIRST_ROW, ROW_STEP * rowCount()); }

void StatusScreen::setOffset(int d) {
    if (!rowsFit()) offset += d;
    offset = std::clamp(offset, FIRST_ROW, maxOffset());
}

void StatusScreen::focusFirstTextBox() {
    if (selected) return;
    for (SNumBox& b : boxes)
        if (b.mode) {
            selected = &b;
            return;
        }
}

std::string StatusScreen::getText(std::string n) {
    for (SNumBox& b : boxes)
        if (b.name == n) return b.text;
    return "0";
}

namespace {

// A float the way the panels show it. Stores drained by float arithmetic keep
// crumbs like 6.1e-07; a player reads those as empty, not in exponent form.
void putFloat(std::ostringstream& out, float v) {
    out << (std::fabs(v) < 0.0005f ? 0.0f : v);
}

}  // namespace

std::string StatusScreen::labelText(const SLabel& l) {
    std::ostringstream out;
    if (l.dispMode == 1) {
        putFloat(out, *reinterpret_cast<float*>(l.num1));
        if (l.num2) {
            out << "/";
            putFloat(out, *reinterpret_cast<float*>(l.num2));
        }
    } else {
        out << *l.num1;
        if (l.num2) out << "/" << *l.num2;
    }
    return out.str();
}

float StatusScreen::captionCharWidth(const std::string& caption) {
    // Captions start at 5 and values at 30; one unit stays free between them.
    const float room = 24.0f, usual = 1.8f;
    return caption.size() * usual <= room ? usual : room / float(caption.size());
}

std::string StatusScreen::bestTime(unsigned int t) {
    return "Best Time: " + std::to_string(t / 216000) + ":" + std::to_string((t / 3600) % 60) + ":" +
           std::to_string((t / 60) % 60);
}
