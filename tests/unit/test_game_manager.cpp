// The menus: screens, the menu loop's requests, saving settings and launching maps.
#include "CaptureOutput.h"
#include "SdlEvents.h"
#include "WorldFixture.h"

#include "flow/GameManager.h"
#include "panels/PanelLayout.h"
#include "machines/Ship.h"
#include "panels/Notice.h"
#include "shell/GameOptions.h"
#include "sound/Sound.h"
#include "util/SafeFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <sys/stat.h>

namespace {

// Runs a test inside a fresh folder with a Maps/ subfolder, and restores the
// settings store afterwards.
// Row tops of the settings screen's buttons: four boxes, then FullScreen,
// Singularities, Shadows, Vsync, Extra Modes, Controls and Back.
constexpr float SETTINGS_CONTROLS = 83 - 5 * 4 - 5 * 5;
constexpr float SETTINGS_BACK = 83 - 5 * 4 - 5 * 6;

struct MenuTest : ::testing::Test {
    SdlEvents sdl;
    std::string oldDir, dir;
    GameOptions savedOptions = gameOptions;

    void SetUp() override {
        if (blockAttribs.empty()) setupBlockAttribs();
        char cwd[4096];
        oldDir = getcwd(cwd, sizeof cwd);
        char tmpl[] = "/tmp/vask_menu_XXXXXX";
        dir = mkdtemp(tmpl);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        mkdir("Maps", 0755);
    }
    void TearDown() override {
        gameOptions = savedOptions;
        ASSERT_EQ(chdir(oldDir.c_str()), 0);
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
    }
    static std::vector<std::string> captions(StatusScreen& s) {
        std::vector<std::string> out;
        for (SButton& b : s.buttons) out.push_back(b.name);
        return out;
    }
    // Clicks the menu row whose top is at `rowTop`, then leaves the menu loop
    // (as closing the window does: Escape on a sub-screen only goes back).
    static void clickAndLeave(GameManager& g, float rowTop) {
        SdlEvents::click(pixelX(40), pixelY(rowTop));
        SdlEvents::quit();
        g.run();
    }
    static void writeMap(const std::string& path, char type) {
        Quiet q;
        auto w = makeWorld(20, 20, 20);
        w->mapType = type;
        w->setActiveBlockAndUpdate(3, 3, 3, new Ship(w.get()));
        w->write(path);
    }
};

// Presses Escape every few milliseconds until stopped: closes whatever end
// screen a headless game shows.
void pressEscapes(const std::atomic<bool>& stop) {
    while (!stop) {
        SdlEvents::key(SDLK_ESCAPE);
        SDL_Delay(10);
    }
}

}  // namespace

TEST_F(MenuTest, MainMenuOffersEveryModeUnlessTurnedOff) {
    const std::vector<std::string> plain{"Demo Maps", "Settings", "Quit"};
    gameOptions.setString("EXTRA_MODES", "off");
    {
        GameManager g(nullptr);
        EXPECT_EQ(captions(g.mainMenu), plain);
        EXPECT_EQ(g.screen, &g.mainMenu);
    }
    gameOptions.setString("EXTRA_MODES", "1");
    {
        GameManager g(nullptr);
        EXPECT_EQ(captions(g.mainMenu).size(), 6u);
        // Turned off on the Settings screen, the menu is plain at once.
        g.screen = &g.settings;
        g.extraModes = 0;
        clickAndLeave(g, SETTINGS_BACK);
        EXPECT_EQ(captions(g.mainMenu), plain);
        EXPECT_NE(readBytes("settings.ini").find("EXTRA_MODES=false\n"), std::string::npos);
    }
    gameOptions.properties.erase("EXTRA_MODES");
    GameManager g(nullptr);
    EXPECT_EQ(captions(g.mainMenu), (std::vector<std::string>{"Demo Maps", "Campaign", "Skirmish",
                                                              "Map Editor", "Settings", "Quit"}));
    // Each extra button (Campaign, Skirmish, Map Editor) reaches its screen
    // through the menu loop.
    for (auto [rowTop, screen] : {std::pair{78.0f, &g.campaign}, {73.0f, &g.options}, {68.0f, &g.editMap}}) {
        g.quit = 0;
        g.screen = &g.mainMenu;
        clickAndLeave(g, rowTop);
        EXPECT_EQ(g.screen, screen) << rowTop;
    }
}

TEST_F(MenuTest, ScreensAreBuiltFromSettingsAndTheMapsFolder) {
    for (const char* name : {"b.map", ".hidden.map", "a.map", "Notes.txt", "C.map"})
        writeBytes(std::string("Maps/") + name, "");
    gameOptions.setString("XRES", "1024");
    gameOptions.setString("SHADOWS", "1");
    gameOptions.setString("FULLSCREEN", "false");
    GameManager g(nullptr);

    // Maps only, by name whatever the case, without their extension; the
    // editor's Open screen lists them after its own two buttons.
    EXPECT_EQ(captions(g.load), (std::vector<std::string>{"a", "b", "C", "Back"}));
    EXPECT_EQ(captions(g.editMap), (std::vector<std::string>{"Open", "Back", "a", "b", "C"}));
    for (SButton& b : g.load.buttons) {
        if (b.name == "Back") continue;
        size_t index = size_t(b.toggle - g.maps);
        ASSERT_LT(index, g.missionNames.size());
        EXPECT_EQ(g.missionNames[index], b.name + ".map");
    }
    EXPECT_EQ(g.settings.getText("X Resolution"), "1024");
    EXPECT_EQ(g.settings.getText("Y Resolution"), "600");
    EXPECT_EQ(g.settings.getText("Volume"), "0.5");
    EXPECT_EQ(g.shadowSetting, 1);
    EXPECT_EQ(g.fullScrn, 0);
    EXPECT_EQ(g.sing, 1);
    EXPECT_EQ(g.vsync, 1);  // on unless the file says otherwise
    EXPECT_EQ(g.campaign.buttons.size(), 27u);
    EXPECT_EQ(g.editMap.getText("Map"), "test");
    EXPECT_EQ(g.options.getText("Trees"), "-1");
}

TEST_F(MenuTest, SettingsShowTheWindowedStartWhenNothingIsSaved) {
    // No settings.ini: the game starts in a window, so the screen must say so,
    // and leaving it untouched must keep the next start windowed too.
    gameOptions.properties.erase("FULLSCREEN");
    GameManager g(nullptr);
    EXPECT_EQ(g.fullScrn, 0);
    g.screen = &g.settings;
    clickAndLeave(g, SETTINGS_BACK);
    EXPECT_NE(readBytes("settings.ini").find("FULLSCREEN=false\n"), std::string::npos);
    EXPECT_FALSE(GameOptions("settings.ini").getBool("FULLSCREEN", false));
}

TEST_F(MenuTest, BackFromSettingsWritesTheFileButAppliesOnlyLiveSettings) {
    gameOptions.setString("ZED", "kept");
    GameManager g(nullptr);
    setBoxes(g.settings, {{"X Resolution", "1280"}, {"Volume", "0.8"}});
    g.shadowSetting = 2;
    g.sing = 0;
    g.fullScrn = 1;
    g.vsync = 0;
    g.screen = &g.settings;
    clickAndLeave(g, SETTINGS_BACK);
    EXPECT_EQ(g.screen, &g.mainMenu);

    EXPECT_EQ(readBytes("settings.ini"),
              "EXTRA_MODES=true\nFOV=57\nFULLSCREEN=true\nSHADOWS=2\nSINGULARITY=false\nVOL=0.8\nVSYNC=false\n"
              "XRES=1280\nYRES=600\nZED=kept\n");
    EXPECT_FALSE(gameOptions.getBool("VSYNC", true));
    EXPECT_EQ(gameOptions.getInt("XRES", 800), 800);
    EXPECT_EQ(gameOptions.getString("VOL", ""), "0.8");
    EXPECT_EQ(gameOptions.getInt("SHADOWS", 3), 2);
    EXPECT_FLOAT_EQ(soundManager.vol, 0.8f);
    soundManager.setVolume(0.5f);

    remove("settings.ini");
    g.quit = 0;
    g.screen = &g.load;  // Back elsewhere writes nothing
    clickAndLeave(g, 83);
    EXPECT_EQ(g.screen, &g.mainMenu);
    EXPECT_TRUE(readBytes("settings.ini").empty());
}

TEST_F(MenuTest, SettingsRefuseWhatTheGameCannotStartWith) {
    writeBytes("settings.ini", "XRES=1024\n");
    GameManager g(nullptr);
    setBoxes(g.settings, {{"X Resolution", "12345"}, {"FOV", "200"}, {"Volume", "0.7"}});
    g.screen = &g.settings;
    clickAndLeave(g, SETTINGS_BACK);
    EXPECT_EQ(g.screen, &g.settings);
    EXPECT_EQ(readBytes("settings.ini"), "XRES=1024\n");  // nothing at all is kept
    EXPECT_EQ(gameOptions.getString("VOL", "0.5"), "0.5");
    std::vector<std::string> problems;
    for (SNumBox& b : g.settings.boxes) problems.push_back(b.problem);
    EXPECT_EQ(problems, (std::vector<std::string>{"must be 320 to 7680", "", "must be 1 to 179", ""}));

    // Fixed, the same "Back" stores everything and the reasons go.
    setBoxes(g.settings, {{"X Resolution", "1280"}, {"FOV", "70"}});
    g.quit = 0;
    clickAndLeave(g, SETTINGS_BACK);
    EXPECT_EQ(g.screen, &g.mainMenu);
    EXPECT_NE(readBytes("settings.ini").find("XRES=1280\n"), std::string::npos);
    for (SNumBox& b : g.settings.boxes) EXPECT_EQ(b.problem, "") << b.name;
}

TEST_F(MenuTest, EscapeGoesBackFromSubScreensAndQuitsFromTheMainMenu) {
    GameManager g(nullptr);
    auto escape = [&g] {
        SdlEvents::key(SDLK_ESCAPE);
        g.menuFrame();
    };
    for (StatusScreen* s : {&g.load, &g.campaign, &g.options, &g.editMap}) {
        g.screen = s;
        escape();
        EXPECT_EQ(g.screen, &g.mainMenu) << s->name;
        EXPECT_EQ(g.quit, 0);
    }
    EXPECT_FALSE(isReadableFile("settings.ini"));

    // On Settings Escape is "Back": it saves...
    g.screen = &g.settings;
    escape();
    EXPECT_EQ(g.screen, &g.mainMenu);
    EXPECT_TRUE(isReadableFile("settings.ini"));
    remove("settings.ini");

    // ... but refuses a bad value; Escape again drops the edits, writing nothing.
    SdlEvents::click(pixelX(40), pixelY(63));  // "Settings", under the modes
    g.menuFrame();
    ASSERT_EQ(g.screen, &g.settings);
    setBoxes(g.settings, {{"Y Resolution", "0"}});
    escape();
    EXPECT_EQ(g.screen, &g.settings);
    escape();
    EXPECT_EQ(g.screen, &g.mainMenu);
    EXPECT_EQ(g.settings.getText("Y Resolution"), "600");
    EXPECT_EQ(g.settings.boxes.front().problem, "");
    EXPECT_FALSE(isReadableFile("settings.ini"));

    escape();
    EXPECT_EQ(g.quit, 1);
}

TEST_F(MenuTest, ControlsAreReachedFromSettingsAndReturnThere) {
    GameManager g(nullptr);
    g.screen = &g.settings;
    clickAndLeave(g, SETTINGS_CONTROLS);
    ASSERT_EQ(g.screen, &g.controls.play);
    SdlEvents::click(pixelX(40), pixelY(83 - 5 * 5));  // "Run"
    SdlEvents::key(SDLK_CAPSLOCK);
    g.menuFrame();
    SdlEvents::key(SDLK_ESCAPE);
    g.menuFrame();
    EXPECT_EQ(g.screen, &g.settings);
    EXPECT_EQ(GameOptions("settings.ini").getString("KEY_RUN", ""), "capslock");
}

TEST_F(MenuTest, MissionLogsAndPlaysPlayableMaps) {
    writeMap("Maps/win.map", 2);
    GameManager g(nullptr);

    testing::internal::CaptureStdout();
    unsigned int missing = g.mission("nope.map", false, false, 1.0f);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(missing, 0u);
    EXPECT_EQ(out, "Loading: Maps/nope.map\n");

    Meanwhile closer(pressEscapes);
    Quiet q;
    EXPECT_GT(g.mission("win.map", false, false, 1.0f), 0u);  // no mind: won
}

// A map that is not there or cannot be played says so on screen, in words
// that say what to do, and the menu stays as it was.
TEST_F(MenuTest, MapsThatCannotBePlayedSaySoOnScreen) {
    writeMap("Maps/draft.map", 1);
    writeBytes("Maps/junk.map", "not a map at all");
    GameManager g(nullptr);
    struct Case {
        const char* name;
        bool edit;
        const char* says;
    } cases[] = {
        {"nope.map", false, "Could not open Maps/nope.map: it is missing or cannot be read. Choose another map."},
        {"nope.map", true, "There is no map Maps/nope.map to open: type the name of a map saved in Maps/"},
        {"draft.map", false, "Maps/draft.map is a draft and cannot be played yet: 'vaskmap publish Maps/draft.map'"},
        {"junk.map", false, "Maps/junk.map is not a map this game can open; it may be damaged. Choose another map."},
        {"junk.map", true, "Maps/junk.map is not a map this game can open"},
    };
    for (const Case& c : cases) {
        notice.clear();
        CaptureOutput out;
        EXPECT_EQ(g.mission(c.name, c.edit, false, 1.0f), 0u);
        EXPECT_EQ(notice.text().rfind(c.says, 0), 0u) << c.name << ": " << notice.text();
        EXPECT_NE(out.errors().find(c.says), std::string::npos) << out.errors();
        EXPECT_EQ(g.screen, &g.mainMenu);
    }
    notice.clear();
}

TEST_F(MenuTest, DraftsOpenInTheEditorButAreNotPlayed) {
    writeMap("Maps/draft.map", 1);
    GameManager g(nullptr);
    {
        CaptureOutput out;
        EXPECT_EQ(g.mission("draft.map", false, false, 1.0f), 0u);
        EXPECT_NE(out.text().find("Maps/draft.map is a draft; 'vaskmap publish Maps/draft.map' makes it playable\n"),
                  std::string::npos)
            << out.text();
    }
    notice.clear();  // the player read it; otherwise it takes the first key below

    // In the editor: G opens "Save", whose button (the row under its box) saves
    // the draft again as Maps/test.map; then the window is closed.
    SdlEvents::key(SDLK_g);
    SdlEvents::click(pixelX(40), pixelY(78));
    {
        Meanwhile closer([](const std::atomic<bool>& stop) {
            for (int i = 0; i < 1000 && !stop; i++) {
                struct stat st;
                if (stat("Maps/test.map", &st) == 0) SdlEvents::quit();
                SDL_Delay(10);
            }
        });
        Quiet q;
        g.mission("draft.map", true, false, 1.0f);
    }
    auto w = makeWorld(1, 1, 1);
    EXPECT_TRUE(readQuietly(*w, "Maps/test.map"));
    EXPECT_EQ(w->width, 20u);
    EXPECT_EQ(int(w->mapType), 1);
    ASSERT_EQ(w->actives.size(), 1u);
    EXPECT_EQ(w->actives.front()->getType(), TYPE_SHIP);
}

// Without campaign.dat every slot names "" and its path is the folder
// "Campaign/"; a folder in Maps/ gets a button too. Neither is a map: playing
// one must act as a missing map, not end the program.
TEST_F(MenuTest, FoldersAreNotPlayedAsMaps) {
    mkdir("Campaign", 0755);
    mkdir("Maps/old", 0755);
    GameManager g(nullptr);
    ASSERT_EQ(g.campMan.missions[0].name, "");
    mainGame = &g;
    {
        Quiet q;
        g.campMan.missions[0].time[2] = 77;
        g.campMan.playCamp(0, 2);
        mainGame = nullptr;
        EXPECT_EQ(g.mission("old", false, false, 1.0f), 0u);
        EXPECT_EQ(g.mission("old", true, false, 1.0f), 0u);
    }
    EXPECT_EQ(g.campMan.missions[0].time[2], 0u);  // counted as lost, and saved
    EXPECT_EQ(readBytes("campaign.dat").size(), 26u * 24u);
}

TEST_F(MenuTest, DemoMapsListsMapsSavedAfterStart) {
    GameManager g(nullptr);
    EXPECT_EQ(captions(g.load), (std::vector<std::string>{"Back"}));
    writeMap("Maps/late.map", 2);
    clickAndLeave(g, 83);  // Demo Maps
    ASSERT_EQ(g.screen, &g.load);
    EXPECT_EQ(captions(g.load), (std::vector<std::string>{"late", "Back"}));
    EXPECT_EQ(g.missionNames[size_t(g.load.buttons.front().toggle - g.maps)], "late.map");
}

TEST_F(MenuTest, MapButtonsLaunchTheirMapsFromTheLoadScreen) {
    writeMap("Maps/win.map", 2);
    GameManager g(nullptr);
    {
        Quiet q;
        clickAndLeave(g, 83);  // Demo Maps
    }
    ASSERT_EQ(g.screen, &g.load);
    g.quit = 0;
    SdlEvents::click(pixelX(40), pixelY(83));  // the only map
    testing::internal::CaptureStdout();
    {
        Meanwhile closer(pressEscapes);  // its Escapes also close the menu afterwards
        g.run();
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Loading: Maps/win.map\n"), std::string::npos);
}

// The editor's Open screen lists the maps after "Open" and "Back"; a click on
// a map's name asks for that map in the editor.
TEST_F(MenuTest, EditorListAsksForAMapByItsName) {
    writeMap("Maps/draft.map", 1);
    writeMap("Maps/another.map", 1);
    GameManager g(nullptr);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.x = pixelX(10);   // the caption
    e.button.y = pixelY(63);   // after the box, "Open", "Back" and "another"
    g.editMap.input(e);
    for (size_t i = 0; i < g.missionNames.size(); i++)
        EXPECT_EQ(g.editMaps[i], g.missionNames[i] == "draft.map" ? 1 : 0) << g.missionNames[i];
    EXPECT_EQ(g.maps[0] + g.maps[1], 0) << "nothing asked of Demo Maps";
}

TEST_F(MenuTest, MapRequestsOfOneFrameRunInListOrder) {
    writeMap("Maps/first.map", 1);
    writeMap("Maps/second.map", 1);
    GameManager g(nullptr);
    int firstIndex = -1, secondIndex = -1;
    for (size_t i = 0; i < g.missionNames.size(); i++) {
        if (g.missionNames[i] == "first.map") firstIndex = int(i);
        if (g.missionNames[i] == "second.map") secondIndex = int(i);
    }
    ASSERT_GE(firstIndex, 0);
    ASSERT_GE(secondIndex, 0);
    g.maps[firstIndex] = 1;
    g.maps[secondIndex] = 1;
    SdlEvents::key(SDLK_ESCAPE);
    testing::internal::CaptureStdout();
    g.run();
    std::string out = testing::internal::GetCapturedStdout();
    size_t first = out.find("Loading: Maps/first.map\n"), second = out.find("Loading: Maps/second.map\n");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(first < second, firstIndex < secondIndex);
    EXPECT_EQ(g.maps[firstIndex] + g.maps[secondIndex], 0);
}

TEST_F(MenuTest, LogoShowsOnlyBesidePanelsThatLeaveItFree) {
    GameManager g(nullptr);
    for (StatusScreen* free : {&g.mainMenu, &g.settings, &g.load, &g.editMap})
        EXPECT_FALSE(panelBackdrop(*free).overlaps(logoBox())) << free->name;
    // Best times and the skirmish hints stand where the logo would.
    EXPECT_TRUE(panelBackdrop(g.campaign).overlaps(logoBox()));
    EXPECT_TRUE(panelBackdrop(g.options).overlaps(logoBox()));
    for (const SNumBox& b : g.options.boxes) EXPECT_NE(b.hint.find("-1"), std::string::npos) << b.name;
}

TEST(Logo, TwentyOneConvexQuadsOnTwoRowsInTheMenuSpace) {
    std::vector<glm::vec3> v = logoVertices();
    ASSERT_EQ(v.size(), 84u);
    float topRowLow = 100, bottomRowHigh = 0;
    for (size_t q = 0; q < v.size(); q += 4) {
        float turn = 0;
        for (int i = 0; i < 4; i++) {
            glm::vec3 a = v[q + i], b = v[q + (i + 1) % 4], c = v[q + (i + 2) % 4];
            EXPECT_FLOAT_EQ(a.z, -20.0f);
            EXPECT_TRUE(a.x >= 0 && a.x <= 100 && a.y >= 0 && a.y <= 100);
            float cross = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
            EXPECT_NE(cross, 0.0f) << "quad " << q / 4 << " has a straight corner";
            if (turn != 0) {
                EXPECT_GT(cross * turn, 0.0f) << "quad " << q / 4 << " is not convex";
            }
            turn = cross;
        }
        float y = v[q].y;
        if (q < 4 * 9) topRowLow = std::min(topRowLow, y);  // T, H, E
        else bottomRowHigh = std::max(bottomRowHigh, y);
    }
    EXPECT_GT(topRowLow, bottomRowHigh);
}
