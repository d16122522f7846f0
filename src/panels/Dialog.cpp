#include "panels/Dialog.h"

#include "flow/Input.h"
#include "world/World.h"

#include <GL/glew.h>
#include <SDL2/SDL_video.h>

Dialog::Dialog() : vao(0), vbo{0, 0}, done(false) {
    if (SDL_GL_GetCurrentContext()) createGL();
}

Dialog::~Dialog() {
    if (vao) destroyGL();
}

void Dialog::keyInput(SDL_Event&) {
    if (items.size() < 2) done = true;
    else items.pop_front();
}

void displayDialog(Event* e, World* w) {
    if (e->items.empty()) return;
    Dialog d;
    for (DialogItem& item : e->items) d.addItem(item);
    int stop = 0;
    while (!d.done && !stop) {
        dialogInput(stop, &d);
        // A headless world has nothing to draw; it only takes the key presses.
        if (!w->screen) continue;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        w->renderForDialog();
        d.render();
        SDL_GL_SwapWindow(w->screen);
        // The picture only changes with a key: wait for one (or a while).
        SDL_WaitEventTimeout(nullptr, 50);
    }
    // The conversation took every key release: a walk begun before it goes on
    // only if its key is still held.
    releaseUnheldMovementKeys(w->player);
}
