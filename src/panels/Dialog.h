#pragma once
// A conversation shown over the frozen world: one DialogItem per key press.
#include "panels/Event.h"

#include <SDL2/SDL_events.h>

#include <list>

class Dialog {
public:
    std::list<DialogItem> items;  // the first one is shown
    unsigned int vao, vbo[2];
    bool done;

    Dialog();
    ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    void addItem(DialogItem d) { items.push_back(d); }
    void keyInput(SDL_Event& e);
    void render();

private:
    void createGL();
    void destroyGL();
};
