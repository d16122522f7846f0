#include "shell/SettingsFile.h"

#include "shell/GameOptions.h"

bool storeSettings(const SettingChanges& changes, const std::string& path) {
    GameOptions file(path);
    for (const auto& [key, value] : changes) {
        gameOptions.setString(key, value);
        file.setString(key, value);
    }
    return file.writeOptions(path);
}
