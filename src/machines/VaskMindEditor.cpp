#include "machines/EditorBoxes.h"
#include "machines/VaskMind.h"
#include "panels/StatusScreen.h"
#include "world/World.h"

// Bodies wider than this would make every action sweep a huge box; map files
// are held to the same limit.
constexpr int MAX_MIND_SIZE = 32;

void VaskMind::onClick() {
    if (!editMode(world)) return;
    StatusScreen* s = new StatusScreen("VaskMind", pos);
    s->addBox(SNumBox("Size", std::to_string(size), false));
    s->addBox(SNumBox("Speed", std::to_string(speed), false));
    s->addBox(SNumBox("Strength", std::to_string(strength), false));
    s->addBox(SNumBox("Type", std::to_string(ai), false));
    s->addButton(SButton("Save", {{0, "button"}, {1, "unbutton"}}, &edited, 2, 0));
    setStatusScreen(world, s);
}

void VaskMind::editorUpdate() {
    if (!edited) return;
    edited = 0;
    StatusScreen* s = getStatusScreen(world);
    if (!s) return;
    strength = boxInt(*s, "Strength");
    speed = boxInt(*s, "Speed");
    size = boxInt(*s, "Size");
    ai = boxInt(*s, "Type");
    if (speed < 1) speed = 10;
    strength = clampCellStrength(strength);
    if (size < 1) size = 1;
    if (size > MAX_MIND_SIZE) size = MAX_MIND_SIZE;
    setStatusScreen(world, nullptr);
}
