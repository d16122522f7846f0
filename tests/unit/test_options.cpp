#include "CaptureOutput.h"
#include "WorldFixture.h"
#include "shell/GameOptions.h"
#include "shell/SoftwareShadows.h"

#include <gtest/gtest.h>

static GameOptions loadFrom(const std::string& text) {
    writeBytes("opts_test.ini", text);
    return GameOptions("opts_test.ini");
}

TEST(GameOptions, ParsingKeepsEverythingTheFileSays) {
    GameOptions o = loadFrom(
        "XRES=1024\nXRES=1280\nA=b=c\nword\n# comment\n #x=1\nFULLSCREEN=TRUE\nVOL=true\r\nINVERT=true\n");
    EXPECT_EQ(o.getInt("XRES", 800), 1280);          // later line wins
    EXPECT_EQ(o.getString("A", ""), "b=c");          // split at the first '='
    EXPECT_EQ(o.getString("word", ""), "word");      // no '=': key and value both the line
    EXPECT_EQ(o.properties.count("# comment"), 0u);  // comments only in column one
    EXPECT_EQ(o.getString(" #x", ""), "1");
    EXPECT_TRUE(o.getBool("INVERT", false));
    EXPECT_EQ(o.getInt("MISSING", 7), 7);
    EXPECT_FLOAT_EQ(o.getFloat("MISSING", 0.5f), 0.5f);
    EXPECT_EQ(o.getInt("A", 3), 0);  // not a number reads as 0
}

TEST(GameOptions, MissingFileGivesDefaults) {
    GameOptions o("no_such_settings.ini");
    EXPECT_TRUE(o.properties.empty());
    EXPECT_EQ(o.getInt("XRES", 800), 800);
    EXPECT_EQ(o.getInt("YRES", 600), 600);
    EXPECT_FALSE(o.getBool("FULLSCREEN", false));
}

TEST(GameOptions, WritesInByteOrderAndDropsEmptyValues) {
    GameOptions o;
    o.setString("YRES", "600");
    o.setString("VOL", "0.7");
    o.setString("XRES", "800");
    o.setString("EMPTY", "");
    o.setString("word", "word");
    ASSERT_TRUE(o.writeOptions("opts_out.ini"));
    EXPECT_EQ(readBytes("opts_out.ini"), "VOL=0.7\nXRES=800\nYRES=600\nword=word\n");
}

TEST(GameOptions, BooleansTakeTheUsualSpellingsAndIgnoreTypos) {
    GameOptions o = loadFrom(
        "A=1\nB=yes\nC=On\nD=TRUE\nE=true\r\nF=0\nG=no\nH=off\nI= False \nJ=treu\nK=\n");
    for (const char* key : {"A", "B", "C", "D", "E"}) EXPECT_TRUE(o.getBool(key, false)) << key;
    for (const char* key : {"F", "G", "H", "I"}) EXPECT_FALSE(o.getBool(key, true)) << key;
    // A word that is neither keeps the default, whichever it is.
    EXPECT_TRUE(o.getBool("J", true));
    EXPECT_FALSE(o.getBool("J", false));
    EXPECT_TRUE(o.getBool("K", true));
}

TEST(GameOptions, KeyNames) {
    // Names are case-sensitive: "A" is as unknown as "spacebar", and both give F15.
    const std::pair<const char*, int> keys[] = {
        {"a", 97}, {"0", 48}, {"=", 61}, {"`", 96}, {"k5", SDLK_KP_5}, {"kenter", SDLK_KP_ENTER}, {"delete", 127},
        {"backspace", 8}, {"esc", 27}, {"f12", SDLK_F12}, {"lshift", SDLK_LSHIFT}, {"space", SDLK_SPACE},
        {"tab", SDLK_TAB}, {"return", SDLK_RETURN}, {"capslock", SDLK_CAPSLOCK}, {"spacebar", SDLK_F15},
        {"A", SDLK_F15}};
    for (auto [name, key] : keys) {
        EXPECT_EQ(GameOptions::stringToKey(name), key) << name;
        // What the Controls screen stores must read back as the same key.
        SDL_Keycode read = GameOptions::stringToKey(name);
        if (read != SDLK_F15) {
            EXPECT_EQ(GameOptions::stringToKey(GameOptions::keyToString(read)), read) << name;
        }
    }
    EXPECT_EQ(GameOptions::keyToString(SDLK_F15), "f15");
    EXPECT_EQ(GameOptions::keyToString(SDLK_AC_BACK), "");  // no name: cannot be stored
}

TEST(GameOptions, SoftwareGLStartsWithoutShadowsUnlessTheFileSays) {
    EXPECT_TRUE(isSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(isSoftwareRenderer("softpipe"));
    EXPECT_TRUE(isSoftwareRenderer("Mesa X11 swrast"));
    EXPECT_FALSE(isSoftwareRenderer("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)"));

    GameOptions unset;
    {
        CaptureOutput out;
        EXPECT_TRUE(preferNoShadowsOnSoftwareGL(unset, "llvmpipe (LLVM 15.0.6, 256 bits)"));
        EXPECT_NE(out.text().find("shadows off"), std::string::npos);
    }
    EXPECT_EQ(unset.getInt("SHADOWS", 3), 0);
    // Said once: the setting is now there, so a second call keeps quiet.
    {
        CaptureOutput out;
        EXPECT_FALSE(preferNoShadowsOnSoftwareGL(unset, "llvmpipe"));
        EXPECT_EQ(out.text(), "");
    }

    GameOptions chosen;
    chosen.processINILine("SHADOWS=3");
    EXPECT_FALSE(preferNoShadowsOnSoftwareGL(chosen, "llvmpipe"));
    EXPECT_EQ(chosen.getInt("SHADOWS", 3), 3);

    GameOptions hardware;
    EXPECT_FALSE(preferNoShadowsOnSoftwareGL(hardware, "NVIDIA GeForce GTX 1060/PCIe/SSE2"));
    EXPECT_EQ(hardware.properties.count("SHADOWS"), 0u);
}
