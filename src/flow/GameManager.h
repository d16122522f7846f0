#pragma once
// The program's outer loop: menu screens over the animated logo, and the game
// modes launched from them.
#include "flow/CampaignManager.h"
#include "flow/ControlsMenu.h"
#include "flow/MenuRedraw.h"
#include "panels/PanelLayout.h"
#include "panels/StatusScreen.h"
#include "render/CachedPicture.h"

#include <SDL2/SDL_video.h>
#include <glm/glm.hpp>

#include <string>
#include <vector>

// The title logo: 21 flat quads (84 vertices) spelling "THE VASK" in block
// letters on two rows, at depth -20 in the 100 x 100 menu space.
std::vector<glm::vec3> logoVertices();
// The logo's bounds in the menu space. A screen whose rows reach into them
// (the campaign's best times, the skirmish hints) is shown without the logo.
PanelBox logoBox();

class LogoVAO {
public:
    int time;
    unsigned int vao, vbo[1];
    LogoVAO();
    ~LogoVAO();
    LogoVAO(const LogoVAO&) = delete;
    LogoVAO& operator=(const LogoVAO&) = delete;
    void render();
};

class GameManager {
public:
    StatusScreen mainMenu, settings, options, campaign, load, editMap;
    LogoVAO logo;
    CampaignManager campMan;
    SDL_Window* window;
    StatusScreen* screen;
    int camp, loadMission, randMission, quit, setting, back, editor;
    int fullScrn, sing, shadowSetting, vsync, extraModes, controlsRequest;
    ControlsMenu controls;
    int maps[1000];
    int editMaps[1000];  // the same list on the editor's Open screen
    std::vector<std::string> missionNames;

    explicit GameManager(SDL_Window* w);
    void run();
    // One pass of the menu loop: input, drawing, then the requests it set.
    void menuFrame();
    void render();
    void skirmish(int, bool edit);
    unsigned int mission(std::string name, bool edit, bool camp, float dif);
    // Stores the settings screen; false (and nothing written) while a box
    // holds a value the game cannot use, each such box showing why.
    bool saveSettings();
    void refresh();

private:
    void buildMainMenu();
    // Lists the maps of the folder Maps on the load screen and on the editor's
    // Open screen, one button per map, named without ".map".
    void scanMaps();
    void buildSettings();
    // Escape: leaves a sub-screen for the main menu (Settings as "Back";
    // pressed again after a refusal it drops the edits), quits on the main menu.
    void escape();
    bool onControls() const { return screen == &controls.play || screen == &controls.editor; }
    // The settings screen's boxes as they were when it was opened.
    std::vector<std::string> settingsOnEntry;
    bool settingsRefused = false;
    void openSettings();
    bool checkSettingsBoxes();
    // GL state around a game: the sky colour and hidden cursor while it runs;
    // before the world goes, a texture of our own on the scene's unit; after
    // it has gone (its destructor hides the cursor), the menu's look again.
    void beginGame();
    void releaseScene();
    // Vsync as the settings ask, at once (only with a GL context).
    void applyVsyncSetting();
    void endGame();
    // The menu's screen as last drawn, and when to draw it again.
    CachedPicture menuPicture;
    MenuRedraw menuRedraw;
    bool frameInput = false;  // events were waiting when this menu frame began
    bool backBufferKept = false;  // the back buffer holds the last menu frame (shown without a swap)
    void drawScreen();
    bool inputWaiting() const;
    void releaseMenuPicture();
};

// The maps among a folder's entries: names ending in ".map" that do not
// begin with ".", sorted by name regardless of case.
std::vector<std::string> mapFiles(const std::vector<std::string>& entries);

extern GameManager* mainGame;
extern SDL_Window* universeWin;
