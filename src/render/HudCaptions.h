#pragma once
// The words of the HUD: the line under the tool bar that names the chosen tool
// and its option, and the names of the editor's block types.
#include <string>

class Player;

// The names of the five machine-part blocks the place tool offers, in its order.
extern const char* const PART_NAMES[5];

std::string gameToolCaption(const Player& p);
std::string editorToolCaption(const Player& p);
// A block type as the editor's palette names it: its texture's name, or a
// word for the types that have none.
std::string editorBlockName(int type);
