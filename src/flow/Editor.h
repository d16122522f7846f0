#pragma once
// The map editor's input: play's movement and look, with tools that place and
// remove anything, fill boxes, and open the save, strength and dialog panels.
class Player;
class World;

// Drains the pending SDL events (handing them to the open panel, if any) and
// reports through `result` (2 window closed, -1 pause requested). Returns 0.
int editorInput(int& result, Player& p);

// The "Save" panel (G): a name, "Save" for a draft and "Publish" for a playable map.
void openSavePanel(World* w);
