// Values the Settings screen refuses, and what start-up does with a size
// that cannot be one.
#include "CaptureOutput.h"

#include "shell/SettingsCheck.h"
#include "shell/SettingsFile.h"

#include "WorldFixture.h"

#include <gtest/gtest.h>

TEST(SettingsCheck, RangesOfTheSettingsScreen) {
    const std::pair<const char*, const char*> fine[] = {
        {"XRES", "320"}, {"XRES", "7680"}, {"YRES", "240"}, {"YRES", "4320"}, {"FOV", "57"}, {"FOV", "1"},
        {"FOV", "179"}, {"VOL", "0"}, {"VOL", "4"}, {"VOL", "0.5"}, {"SHADOWS", "0"}, {"SHADOWS", "3"},
        {"SOMETHING", "anything"}};
    for (auto [key, text] : fine) EXPECT_EQ(settingProblem(key, text), "") << key << "=" << text;

    const std::pair<const char*, const char*> refused[] = {
        {"XRES", "12345"}, {"XRES", "0"}, {"XRES", "319"}, {"XRES", "7681"}, {"XRES", ""}, {"XRES", "800.5"},
        {"XRES", "8-00"}, {"YRES", "239"}, {"YRES", "-600"}, {"FOV", "0"}, {"FOV", "180"}, {"FOV", "-"},
        {"VOL", "4.01"}, {"VOL", "-0.1"}, {"VOL", "."}, {"SHADOWS", "4"}, {"XRES", "99999999999999999999"}};
    for (auto [key, text] : refused) EXPECT_NE(settingProblem(key, text), "") << key << "=" << text;

    // The reason names the range, short enough to stand beside the box.
    EXPECT_EQ(settingProblem("XRES", "12345"), "must be 320 to 7680");
    EXPECT_EQ(settingProblem("VOL", "x"), "number 0 to 4");
}

TEST(SettingsCheck, StartUpDropsOnlySizesThatCannotBeSizes) {
    GameOptions o;
    o.setString("XRES", "0");
    o.setString("YRES", "abc");
    {
        CaptureOutput out;
        dropImpossibleSizes(o);
        EXPECT_EQ(out.text(),
                  "settings.ini: XRES=0 is not a window size; using 800\n"
                  "settings.ini: YRES=abc is not a window size; using 600\n");
    }
    EXPECT_EQ(o.getInt("XRES", 800), 800);
    EXPECT_EQ(o.getInt("YRES", 600), 600);

    // Too large for a display is for the window to report; a line ending
    // from a Windows editor is no fault.
    o.setString("XRES", "123456");
    o.setString("YRES", "-1");
    {
        CaptureOutput out;
        dropImpossibleSizes(o);
        EXPECT_EQ(out.text(), "settings.ini: YRES=-1 is not a window size; using 600\n");
    }
    EXPECT_EQ(o.getInt("XRES", 800), 123456);
    o.setString("YRES", "768\r");
    {
        CaptureOutput out;
        dropImpossibleSizes(o);
        EXPECT_EQ(out.text(), "");
    }
    EXPECT_EQ(o.getInt("YRES", 600), 768);
}

TEST(SettingsCheck, StoredChangesKeepWhatTheFileHoldsForTheNextStart) {
    char tmpl[] = "/tmp/vask_settings_XXXXXX";
    std::string dir = mkdtemp(tmpl);
    std::string path = dir + "/settings.ini";
    GameOptions saved = gameOptions;
    writeBytes(path, "XRES=1280\nFULLSCREEN=false\n");
    gameOptions.setString("XRES", "800");
    EXPECT_TRUE(storeSettings({{"FULLSCREEN", "true"}, {"KEY_FORWARD", "i"}}, path));
    EXPECT_EQ(readBytes(path), "FULLSCREEN=true\nKEY_FORWARD=i\nXRES=1280\n");
    EXPECT_EQ(gameOptions.getString("KEY_FORWARD", ""), "i");
    EXPECT_EQ(gameOptions.getInt("XRES", 0), 800);
    // A folder that cannot be written to is reported, not ignored.
    EXPECT_FALSE(storeSettings({{"FULLSCREEN", "false"}}, dir + "/missing/settings.ini"));
    gameOptions = saved;
    remove(path.c_str());
    rmdir(dir.c_str());
}
