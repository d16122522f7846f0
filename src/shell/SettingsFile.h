#pragma once
// Settings changed outside the Settings screen (F11, the Controls screen) go
// both into the running game and into settings.ini, without disturbing what
// the file holds for the next start only (a new resolution, say).
#include <string>
#include <utility>
#include <vector>

using SettingChanges = std::vector<std::pair<std::string, std::string>>;

// Applies the changes to gameOptions and to the file `path` (written whole
// through a temporary file). Returns false when the file could not be written.
bool storeSettings(const SettingChanges& changes, const std::string& path = "settings.ini");
