// Rebindable keys: the settings that hold them, play and editor input that
// follows them, and the Controls screen that changes them.
#include "CaptureOutput.h"
#include "SdlEvents.h"
#include "WorldFixture.h"

#include "flow/ControlsMenu.h"
#include "flow/Input.h"
#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Restores the settings store after a test that changes it.
struct KeysTest : ::testing::Test {
    SdlEvents sdl;
    GameOptions saved = gameOptions;
    void TearDown() override { gameOptions = saved; }
};

}  // namespace

TEST_F(KeysTest, DefaultsAreTodaysKeysAndSettingsRebindWithSwaps) {
    KeyBindings keys;
    const std::pair<KeyAction, SDL_Keycode> today[] = {
        {KEY_ACTION_FORWARD, SDLK_w},   {KEY_ACTION_BACK, SDLK_s},      {KEY_ACTION_LEFT, SDLK_a},
        {KEY_ACTION_RIGHT, SDLK_d},     {KEY_ACTION_LIFT, SDLK_SPACE},  {KEY_ACTION_RUN, SDLK_LSHIFT},
        {KEY_ACTION_TOOL_MENU, SDLK_e}, {KEY_ACTION_FORGET_TEMPLATE, SDLK_t}, {KEY_ACTION_TOOL_1, SDLK_1},
        {KEY_ACTION_TOOL_5, SDLK_5},    {KEY_ACTION_PAUSE, SDLK_ESCAPE}, {KEY_ACTION_SAVE_MAP, SDLK_g},
        {KEY_ACTION_VASK_STRENGTH, SDLK_v}, {KEY_ACTION_DIALOG_EDITOR, SDLK_b}};
    for (auto [action, key] : today) EXPECT_EQ(keys.keys[action], key) << keyActionInfo(action).setting;
    for (int a = 0; a < KEY_ACTION_COUNT; a++) EXPECT_EQ(keys.actionFor(keys.keys[a]), a);

    GameOptions o;
    o.setString("KEY_FORWARD", "up");
    o.setString("KEY_LIFT", "e");         // the tool menu's key: it takes space
    o.setString("KEY_BACK", "spacebar");  // no such key: stays s
    KeyBindings read = KeyBindings::fromOptions(o);
    EXPECT_EQ(read.keys[KEY_ACTION_FORWARD], SDLK_UP);
    EXPECT_EQ(read.keys[KEY_ACTION_LIFT], SDLK_e);
    EXPECT_EQ(read.keys[KEY_ACTION_TOOL_MENU], SDLK_SPACE);
    EXPECT_EQ(read.keys[KEY_ACTION_BACK], SDLK_s);
    EXPECT_EQ(read.actionFor(SDLK_w), -1);
}

TEST_F(KeysTest, UnknownKeyNamesFallBackWithOneMessageEach) {
    GameOptions o;
    o.setString("KEY_FORWARD", "W");
    o.setString("KEY_PAUSE", "f15");  // a real key that happens to be the unknown one's
    o.setString("KEY_RUN", "rshift");
    CaptureOutput out;
    repairKeySettings(o);
    EXPECT_EQ(out.text(), "settings.ini: KEY_FORWARD=W is not a key name; using w\n");
    EXPECT_EQ(o.getString("KEY_FORWARD", ""), "w");
    EXPECT_EQ(o.getKey("KEY_PAUSE", SDLK_ESCAPE), SDLK_F15);
    repairKeySettings(o);
    EXPECT_EQ(out.text(), "settings.ini: KEY_FORWARD=W is not a key name; using w\n");
}

TEST_F(KeysTest, PlayAndEditorFollowTheBoundKeys) {
    gameOptions.setString("KEY_FORWARD", "i");
    gameOptions.setString("KEY_TOOL_3", "k8");
    gameOptions.setString("KEY_PAUSE", "p");
    gameOptions.setString("KEY_SAVE_MAP", "tab");
    auto w = makeWorld(20, 20, 20);
    Player& p = w->player;
    int result = 0;

    SdlEvents::key(SDLK_w);
    SdlEvents::key(SDLK_3);
    gameInput(result, p);
    EXPECT_EQ(p.iVel.z, 0.0f);  // w is free now, 3 picks nothing
    EXPECT_EQ(p.mode, 0);
    SdlEvents::key(SDLK_i);
    SdlEvents::key(SDLK_KP_8);
    gameInput(result, p);
    EXPECT_FLOAT_EQ(p.iVel.z, -0.05f);
    EXPECT_EQ(p.mode, 2);
    SdlEvents::keyUp(SDLK_i);
    gameInput(result, p);
    EXPECT_EQ(p.iVel.z, 0.0f);

    // The pause key pauses, and Escape still does.
    SdlEvents::key(SDLK_p);
    gameInput(result, p);
    EXPECT_EQ(result, -1);
    result = 0;
    SdlEvents::key(SDLK_ESCAPE);
    gameInput(result, p);
    EXPECT_EQ(result, -1);

    result = 0;
    w->editorMode = true;
    SdlEvents::key(SDLK_g);
    editorInput(result, p);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);
    SdlEvents::key(SDLK_TAB);
    editorInput(result, p);
    ASSERT_NE(getStatusScreen(w.get()), nullptr);
    EXPECT_EQ(getStatusScreen(w.get())->name, "Save");
}

namespace {

// A Controls screen in a scratch folder, its rows clicked as a player would.
struct ControlsTest : KeysTest {
    std::string oldDir, dir;
    ControlsMenu menu;
    void SetUp() override {
        char cwd[4096];
        oldDir = getcwd(cwd, sizeof cwd);
        char tmpl[] = "/tmp/vask_controls_XXXXXX";
        dir = mkdtemp(tmpl);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        gameOptions.properties.clear();
    }
    void TearDown() override {
        KeysTest::TearDown();
        ASSERT_EQ(chdir(oldDir.c_str()), 0);
        ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0);
    }
    // Clicks widget row `row` (0 = the first) of the page shown.
    int clickRow(int row) {
        SdlEvents::click(pixelX(40), pixelY(83.0f - 5.0f * float(row)));
        return menu.input();
    }
    int press(SDL_Keycode k) {
        SdlEvents::key(k);
        return menu.input();
    }
    std::string shownKey(StatusScreen& page, int row) {
        auto it = page.boxes.begin();
        std::advance(it, row);
        return it->text;
    }
};

}  // namespace

TEST_F(ControlsTest, ClickAnActionPressAKeyAndItSwapsAndSaves) {
    writeBytes("settings.ini", "XRES=1280\n");  // for the next start only
    menu.open();
    ASSERT_EQ(menu.play.boxes.size(), 14u);
    EXPECT_EQ(shownKey(menu.play, 0), "w");
    EXPECT_EQ(shownKey(menu.play, 4), "space");

    EXPECT_EQ(clickRow(0), 0);  // "Walk forward" waits for a key
    EXPECT_EQ(menu.play.selected, &menu.play.boxes.front());
    EXPECT_EQ(menu.play.boxes.front().problem, "press a key");
    EXPECT_EQ(press(SDLK_AC_BACK), 0);  // a key without a name: still waiting
    EXPECT_NE(menu.play.selected, nullptr);
    EXPECT_EQ(press(SDLK_s), 0);
    EXPECT_EQ(shownKey(menu.play, 0), "s");
    EXPECT_EQ(shownKey(menu.play, 1), "w");  // "Walk back" took the old key
    EXPECT_EQ(menu.play.selected, nullptr);
    EXPECT_EQ(menu.play.boxes.front().problem, "");

    // Escape gives up a wait without binding anything.
    clickRow(2);
    EXPECT_EQ(press(SDLK_ESCAPE), 0);
    EXPECT_EQ(shownKey(menu.play, 2), "a");

    // The editor's own keys are on a page of their own; its "Back" returns.
    clickRow(14);  // "Editor Keys"
    ASSERT_EQ(menu.shown, &menu.editor);
    clickRow(0);
    press(SDLK_e);  // the tool menu's key: swapped with "Save map"
    EXPECT_EQ(shownKey(menu.editor, 0), "e");
    EXPECT_EQ(shownKey(menu.play, 6), "g");
    EXPECT_EQ(clickRow(3), 0);
    EXPECT_EQ(menu.shown, &menu.play);

    EXPECT_EQ(clickRow(15), 1);  // "Back" saves and leaves
    GameOptions file("settings.ini");
    EXPECT_EQ(file.getString("XRES", ""), "1280");
    EXPECT_EQ(file.getString("KEY_FORWARD", ""), "s");
    EXPECT_EQ(file.getString("KEY_BACK", ""), "w");
    EXPECT_EQ(file.getString("KEY_SAVE_MAP", ""), "e");
    EXPECT_EQ(file.getString("KEY_TOOL_MENU", ""), "g");
    EXPECT_EQ(file.getString("KEY_LIFT", ""), "space");
    // New worlds play with them at once.
    EXPECT_EQ(KeyBindings::fromOptions(gameOptions).keys[KEY_ACTION_FORWARD], SDLK_s);

    // Escape with nothing waiting leaves as "Back" does; closing the window ends.
    menu.open();
    EXPECT_EQ(press(SDLK_ESCAPE), 1);
    SdlEvents::quit();
    EXPECT_EQ(menu.input(), 2);
}
