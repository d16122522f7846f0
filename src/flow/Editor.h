#pragma once
// The map editor's input: play's movement and look, with tools that place and
// remove anything, fill boxes, and open the save, strength and dialog panels.
class Player;

// Drains the pending SDL events (handing them to the open panel, if any) and
// reports through `result` (2 window closed, -1 pause requested). Returns 0.
int editorInput(int& result, Player& p);
