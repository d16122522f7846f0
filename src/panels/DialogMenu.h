#pragma once
// The map editor's panels for timed events: the list of events, one event with
// its dialog lines, and one line. Each is installed as the world's open panel.
#include <map>
#include <string>

class DialogItem;
class Event;
class Player;
class World;

// Two-state buttons of the editor's panels.
extern const std::map<int, std::string> EDITOR_BUTTON_TEX;

void DialogMenu(Player& p);
void openEventPanel(World* w, Event& e);
void openDialogItemPanel(World* w, DialogItem& d);
