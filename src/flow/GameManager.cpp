#include "flow/GameManager.h"

#include "flow/Input.h"
#include "panels/Notice.h"
#include "shell/GameOptions.h"
#include "shell/SettingsCheck.h"
#include "sound/Sound.h"
#include "util/SafeFile.h"
#include "world/World.h"
#include "world/WorldMaker.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <memory>

GameManager* mainGame = nullptr;
SDL_Window* universeWin = nullptr;

namespace {
const std::map<int, std::string> BUTTON = {{0, "button"}, {1, "unbutton"}};
const std::map<int, std::string> OFF_ON = {{0, "off"}, {1, "on"}};
const std::map<int, std::string> SHADOW_LEVELS = {{0, "off"}, {1, "low"}, {2, "med"}, {3, "high"}};
const std::map<int, std::string> DIFFICULTY = {
    {0, "very easy"}, {1, "easy"}, {2, "normal"}, {3, "hard"}, {4, "insane"}};
constexpr int MAX_MAP_BUTTONS = 1000;

int boxNumber(StatusScreen& s, const std::string& name) { return int(atof(s.getText(name).c_str())); }
}  // namespace

GameManager::GameManager(SDL_Window* w)
    : mainMenu("", vec3(0)), settings("Settings", vec3(0)), options("Skirmish Options", vec3(0)),
      campaign("Campaign", vec3(0)), load("Load Map", vec3(0)), editMap("Edit Map", vec3(0)),
      window(w), screen(&mainMenu), camp(0), loadMission(0), randMission(0), quit(0), setting(0),
      back(0), editor(0), fullScrn(0), sing(0), shadowSetting(0), vsync(0), extraModes(0), controlsRequest(0),
      maps{}, editMaps{} {
    editMap.addBox(SNumBox("Map", "test", true));
    buildMainMenu();
    scanMaps();
    refresh();

    // What each number does to the generated world; out of range is random too.
    const std::pair<const char*, const char*> skirmishBoxes[] = {
        {"Trees", "trees, 0 to 999; -1: 1 to 5 at random"},
        {"Enemies", "vask minds, 1 to 9999; -1: 1 to 5"},
        {"Smoothness", "hill width, 1 and up; -1: random"},
        {"Height", "hill height, 0 = flat; -1: 3 to 22"},
        {"Floor", "ground level, 2 and up; -1: 21 to 45"}};
    for (auto [box, hint] : skirmishBoxes) options.addBox(SNumBox(box, "-1", false, hint));
    options.addButton(SButton("Skirmish", BUTTON, &randMission, 2, 0));
    options.addButton(SButton("Map Editor", BUTTON, &editor, 2, 0));
    options.addButton(SButton("Back", BUTTON, &back, 2, 0));

    buildSettings();
    releaseScene();
    endGame();
}

void GameManager::buildMainMenu() {
    mainMenu.buttons.clear();
    mainMenu.addButton(SButton("Demo Maps", BUTTON, &loadMission, 2, 0));
    // A player who wants the plain menu back turns the other modes off.
    if (gameOptions.getBool("EXTRA_MODES", true)) {
        mainMenu.addButton(SButton("Campaign", BUTTON, &camp, 2, 0));
        mainMenu.addButton(SButton("Skirmish", BUTTON, &randMission, 2, 0));
        mainMenu.addButton(SButton("Map Editor", BUTTON, &editor, 2, 0));
    }
    mainMenu.addButton(SButton("Settings", BUTTON, &setting, 2, 0));
    mainMenu.addButton(SButton("Quit", BUTTON, &quit, 2, 0));
}

std::vector<std::string> mapFiles(const std::vector<std::string>& entries) {
    std::vector<std::string> files;
    for (const std::string& e : entries)
        if (e.size() > 4 && e[0] != '.' && e.compare(e.size() - 4, 4, ".map") == 0) files.push_back(e);
    auto folded = [](std::string s) {
        for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::sort(files.begin(), files.end(), [&](const std::string& a, const std::string& b) {
        std::string fa = folded(a), fb = folded(b);
        return fa != fb ? fa < fb : a < b;
    });
    return files;
}

void GameManager::scanMaps() {
    std::vector<std::string> entries;
    scanDirectory(entries, "Maps");
    missionNames = mapFiles(entries);
    load.buttons.clear();
    editMap.buttons.clear();
    editMap.addButton(SButton("Open", BUTTON, &editor, 2, 0));
    editMap.addButton(SButton("Back", BUTTON, &back, 2, 0));
    for (size_t i = 0; i < missionNames.size() && i < MAX_MAP_BUTTONS; i++) {
        std::string shown = missionNames[i].substr(0, missionNames[i].size() - 4);
        load.addButton(SButton(shown, BUTTON, &maps[i], 2, 0));
        editMap.addButton(SButton(shown, BUTTON, &editMaps[i], 2, 0));
    }
    load.addButton(SButton("Back", BUTTON, &back, 2, 0));
}

void GameManager::buildSettings() {
    shadowSetting = gameOptions.getInt("SHADOWS", 3);
    // The same default as the window's at start-up: the toggle must show the
    // mode the game is in, or leaving the screen would switch it.
    fullScrn = gameOptions.getBool("FULLSCREEN", false) ? 1 : 0;
    sing = gameOptions.getBool("SINGULARITY", true) ? 1 : 0;
    vsync = gameOptions.getBool("VSYNC", true) ? 1 : 0;
    extraModes = gameOptions.getBool("EXTRA_MODES", true) ? 1 : 0;
    settings.addBox(SNumBox("X Resolution", gameOptions.getString("XRES", "800"), false));
    settings.addBox(SNumBox("Y Resolution", gameOptions.getString("YRES", "600"), false));
    settings.addBox(SNumBox("FOV", gameOptions.getString("FOV", "57"), false));
    settings.addBox(SNumBox("Volume", gameOptions.getString("VOL", "0.5"), false));
    settings.addButton(SButton("FullScreen", OFF_ON, &fullScrn, 2, 0));
    settings.addButton(SButton("Singularities", OFF_ON, &sing, 2, 0));
    settings.addButton(SButton("Shadows", SHADOW_LEVELS, &shadowSetting, 4, 0));
    settings.addButton(SButton("Vsync", OFF_ON, &vsync, 2, 0));
    settings.addButton(SButton("Extra Modes", OFF_ON, &extraModes, 2, 0));
    settings.addButton(SButton("Controls", BUTTON, &controlsRequest, 2, 0));
    settings.addButton(SButton("Back", BUTTON, &back, 2, 0));
}

void GameManager::refresh() {
    campaign.buttons.clear();
    for (int i = 0; i < CAMPAIGN_MISSIONS; i++) {
        Mission& m = campMan.missions[i];
        ButtonAction action;
        if (m.beat) action = [this](int mission, int diff) { campMan.playCamp(mission, diff); };
        else action = [this](int mission, int diff) { campMan.noplayCamp(mission, diff); };
        campaign.addButton(SButton(m.name, DIFFICULTY, &m.diff, 5, i, action, m.time,
                                   m.beat ? "play" : "noplay", 1));
    }
    campaign.addButton(SButton("Back", BUTTON, &back, 2, 0));
}

void GameManager::run() {
    while (!quit) menuFrame();
    releaseMenuPicture();
}

void GameManager::menuFrame() {
    frameInput = inputWaiting();
    if (onControls()) {
        int left = controls.input();
        if (left == 2) quit = 1;
        screen = left == 1 ? &settings : controls.shown;
    } else {
        int request = 0;
        menuInput(request, screen);
        if (request == 2) quit = 1;
        else if (request == 1) escape();
    }
    render();
    if (back) {
        back = 0;
        if (screen != &settings || saveSettings()) screen = &mainMenu;
    }
    if (setting) {
        setting = 0;
        openSettings();
    }
    if (controlsRequest) {
        controlsRequest = 0;
        controls.open();
        screen = controls.shown;
    }
    if (editor && screen == &mainMenu) {
        editor = 0;
        scanMaps();
        screen = &editMap;
    }
    if (editor && screen == &options) {
        editor = 0;
        skirmish(0, true);
    }
    if (editor && screen == &editMap) {
        editor = 0;
        mission(editMap.getText("Map") + ".map", true, false, 1.0f);
    }
    if (camp) {
        screen = &campaign;
        camp = 0;
    }
    if (loadMission) {
        // Maps saved or published since the last look must be listed.
        scanMaps();
        screen = &load;
        loadMission = 0;
    }
    for (int i = 0; i < MAX_MAP_BUTTONS; i++) {
        if (maps[i]) {
            maps[i] = 0;
            mission(missionNames[size_t(i)], false, false, 1.0f);
        }
        if (editMaps[i]) {
            editMaps[i] = 0;
            mission(missionNames[size_t(i)], true, false, 1.0f);
        }
    }
    if (randMission && screen == &mainMenu) {
        screen = &options;
        randMission = 0;
        return;
    }
    if (randMission && screen == &options) {
        randMission = 0;
        skirmish(0, false);
    }
    screen->focusFirstTextBox();
}

unsigned int GameManager::mission(std::string name, bool edit, bool camp, float dif) {
    std::cout << "Loading: Maps/" << name << std::endl;
    std::string path = (camp ? "Campaign/" : "Maps/") + name;
    // A folder of that name (an empty campaign slot names "Campaign/") is no map.
    if (!isReadableFile(path)) {
        if (edit) showNotice("There is no map " + path + " to open: type the name of a map saved in Maps/, without \".map\".");
        else showNotice("Could not open " + path + ": it is missing or cannot be read. Choose another map.");
        return 0;
    }
    beginGame();
    unsigned int result = 0;
    auto w = std::make_unique<World>(100, 100, 100, window);
    w->editorMode = edit;
    w->read(path);
    // The editor saves drafts (type 1) and must be able to open them again.
    if (w->mapType == 2 || (edit && w->mapType == 1)) {
        if (edit) w->mapType = 1;
        w->applyDif(dif);
        result = w->run();
    } else if (w->mapType == 1) {
        std::cout << path << " is a draft; 'vaskmap publish " << path << "' makes it playable" << std::endl;
        showNotice(path + " is a draft and cannot be played yet: 'vaskmap publish " + path + "' makes it playable.");
    } else {
        showNotice(path + " is not a map this game can open; it may be damaged. Choose another map.");
    }
    releaseScene();
    w.reset();
    endGame();
    return result;
}

void GameManager::skirmish(int, bool edit) {
    beginGame();
    auto w = std::make_unique<World>(100, 100, 100, window);
    makeSettings.trees = boxNumber(options, "Trees");
    makeSettings.enemies = boxNumber(options, "Enemies");
    makeSettings.smoothness = boxNumber(options, "Smoothness");
    makeSettings.height = boxNumber(options, "Height");
    makeSettings.bed = boxNumber(options, "Floor");
    w->editorMode = edit;
    w->genRandomWorld();
    w->mapType = 1;
    w->run();
    releaseScene();
    w.reset();
    endGame();
}

void GameManager::escape() {
    if (screen == &mainMenu) {
        quit = 1;
    } else if (screen == &settings && settingsRefused) {
        // Escape again after a refusal: the player gives up the edits.
        auto text = settingsOnEntry.begin();
        for (SNumBox& b : settings.boxes) {
            b.text = *text++;
            b.problem.clear();
        }
        settingsRefused = false;
        screen = &mainMenu;
    } else {
        back = 1;
    }
}

void GameManager::openSettings() {
    // F11 may have changed the window since the screen was built.
    fullScrn = gameOptions.getBool("FULLSCREEN", false) ? 1 : 0;
    settingsOnEntry.clear();
    for (SNumBox& b : settings.boxes) settingsOnEntry.push_back(b.text);
    settingsRefused = false;
    screen = &settings;
}

bool GameManager::checkSettingsBoxes() {
    static const std::map<std::string, std::string> KEY_OF_BOX = {
        {"X Resolution", "XRES"}, {"Y Resolution", "YRES"}, {"FOV", "FOV"}, {"Volume", "VOL"}};
    bool fine = true;
    for (SNumBox& b : settings.boxes) {
        auto key = KEY_OF_BOX.find(b.name);
        b.problem = key == KEY_OF_BOX.end() ? "" : settingProblem(key->second, b.text);
        fine = fine && b.problem.empty();
    }
    settingsRefused = !fine;
    return fine;
}

bool GameManager::saveSettings() {
    // One bad value would stop the next start (or leave it in a window of
    // one pixel): nothing is kept until every box can be used.
    if (!checkSettingsBoxes()) return false;
    gameOptions.setString("VOL", settings.getText("Volume"));
    soundManager.setVolume(gameOptions.getFloat("VOL", 0.5f));
    gameOptions.setString("SHADOWS", std::to_string(shadowSetting));
    gameOptions.setString("SINGULARITY", sing ? "true" : "false");
    gameOptions.setString("VSYNC", vsync ? "true" : "false");
    applyVsyncSetting();
    // Resolution, field of view and full screen apply at the next start only.
    GameOptions next = gameOptions;
    next.setString("XRES", settings.getText("X Resolution"));
    next.setString("YRES", settings.getText("Y Resolution"));
    next.setString("FOV", settings.getText("FOV"));
    next.setString("FULLSCREEN", fullScrn ? "true" : "false");
    // Kept live too, so that reopening the screen shows what was chosen.
    gameOptions.setString("FULLSCREEN", fullScrn ? "true" : "false");
    gameOptions.setString("EXTRA_MODES", extraModes ? "true" : "false");
    next.setString("EXTRA_MODES", extraModes ? "true" : "false");
    buildMainMenu();
    next.writeOptions("settings.ini");
    return true;
}
