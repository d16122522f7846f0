#pragma once
// Real SDL events for the input dispatchers: only the events subsystem is
// started, so no window or display is needed.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

class SdlEvents {
public:
    SdlEvents() {
        if (!SDL_WasInit(SDL_INIT_EVENTS)) SDL_InitSubSystem(SDL_INIT_EVENTS);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    ~SdlEvents() { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }

    static void key(SDL_Keycode k, bool down = true, Uint16 mod = KMOD_NONE, bool repeat = false) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = k;
        e.key.keysym.mod = mod;
        e.key.repeat = repeat;
        push(e);
    }
    static void keyUp(SDL_Keycode k) { key(k, false); }
    static void click(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = button;
        e.button.state = SDL_PRESSED;
        e.button.x = x;
        e.button.y = y;
        push(e);
    }
    static void wheel(int y, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) {
        SDL_Event e{};
        e.type = SDL_MOUSEWHEEL;
        e.wheel.y = y;
        e.wheel.direction = direction;
        push(e);
    }
    // A movement of the mouse by (dx, dy) pixels, as relative mode reports it.
    static void motion(int dx, int dy) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.xrel = dx;
        e.motion.yrel = dy;
        push(e);
    }
    static void quit() {
        SDL_Event e{};
        e.type = SDL_QUIT;
        push(e);
    }
    static int pending() {
        SDL_PumpEvents();
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

private:
    static void push(SDL_Event& e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
};

// Runs `play` on a thread of its own while the test runs the game's loop, as a
// player at the keyboard would; `play` may stop early when told to. Leaving
// the scope tells it to stop and waits for it.
class Meanwhile {
public:
    explicit Meanwhile(std::function<void(const std::atomic<bool>& stop)> play)
        : thread([this, play] {
              play(stop);
              while (!stop) SDL_Delay(5);
          }) {}
    ~Meanwhile() {
        stop = true;
        thread.join();
    }

private:
    std::atomic<bool> stop{false};
    std::thread thread;
};

// Pixel position of the middle of a widget cell in a status screen row whose top
// edge is at y = rowTop (overlay units), for the default 800 x 600 settings.
inline int pixelX(float px) { return int(px / 100.0f * 800.0f); }
inline int pixelY(float rowTop) { return int((100.0f - (rowTop - 1.5f)) / 100.0f * 600.0f); }
