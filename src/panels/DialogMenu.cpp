#include "panels/DialogMenu.h"

#include "panels/Event.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

const std::map<int, std::string> EDITOR_BUTTON_TEX = {{0, "button"}, {1, "unbutton"}};

void DialogMenu(Player& p) {
    World* w = p.world;
    StatusScreen* s = new StatusScreen("Dialog Editor", vec3(0, 0, 0));
    for (Event& e : w->events)
        s->addButton(SButton("Event at " + std::to_string(e.time), EDITOR_BUTTON_TEX, &e.menuInt, 2, 0));
    s->addButton(SButton("Add", EDITOR_BUTTON_TEX, &w->addEventButton, 2, 0));
    // Escape closes it too, but a panel that can only be left by a key hides its way out.
    s->addButton(SButton("Back", EDITOR_BUTTON_TEX, &w->closeEventsButton, 2, 0));
    setStatusScreen(w, s);
}

void openEventPanel(World* w, Event& e) {
    StatusScreen* s = new StatusScreen("Dialog Editor", vec3(0, 0, 0));
    s->addBox(SNumBox("Time", std::to_string(e.time), true));
    for (DialogItem& d : e.items) s->addButton(SButton("Exchange", EDITOR_BUTTON_TEX, &d.editButton, 2, 0));
    s->addButton(SButton("Add", EDITOR_BUTTON_TEX, &e.addDialogButton, 2, 0));
    s->addButton(SButton("Delete", EDITOR_BUTTON_TEX, &e.delButton, 2, 0));
    s->addButton(SButton("Back", EDITOR_BUTTON_TEX, &e.backDialogButton, 2, 0));
    setStatusScreen(w, s);
}

void openDialogItemPanel(World* w, DialogItem& d) {
    StatusScreen* s = new StatusScreen("Dialog Editor", vec3(0, 0, 0));
    s->addBox(SNumBox("Name", d.speaker, true));
    s->addBox(SNumBox("Text", d.text, true));
    s->addBox(SNumBox("Texture", d.tex, true));
    s->addButton(SButton("Save", EDITOR_BUTTON_TEX, &d.saveButton, 2, 0));
    s->addButton(SButton("Delete", EDITOR_BUTTON_TEX, &d.delButton, 2, 0));
    setStatusScreen(w, s);
}
