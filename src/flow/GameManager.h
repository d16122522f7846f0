#pragma once
// The program's outer loop: menu screens over the animated logo, and the game
// modes launched from them.
#include "flow/CampaignManager.h"
#include "panels/StatusScreen.h"

#include <SDL2/SDL_video.h>

#include <string>
#include <vector>

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
    int fullScrn, sing, shadowSetting;
    int maps[1000];
    std::vector<std::string> missionNames;

    explicit GameManager(SDL_Window* w);
    void run();
    void render();
    void skirmish(int, bool edit);
    unsigned int mission(std::string name, bool edit, bool camp, float dif);
    void saveSettings();
    void refresh();
};

extern GameManager* mainGame;
extern SDL_Window* universeWin;
