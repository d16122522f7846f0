// Status screens: hit-testing, typing, scrolling and the best-time text.
#include "SdlEvents.h"

#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"

#include <gtest/gtest.h>

namespace {

SDL_Event keyEvent(SDL_Keycode k, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = k;
    e.key.keysym.mod = mod;
    return e;
}

// Clicks the screen at x `px` in the row whose top is `rowTop` (overlay units).
void clickAt(StatusScreen& s, float px, float rowTop, int w = 800, int h = 600) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.x = int(px / 100.0f * float(w));
    e.button.y = int((100.0f - (rowTop - 1.5f)) / 100.0f * float(h));
    s.input(e);
}

std::string typeInto(bool textBox, std::initializer_list<std::pair<SDL_Keycode, Uint16>> keys) {
    StatusScreen s("t", vec3(0));
    s.addBox(SNumBox("box", "", textBox));
    s.selected = &s.boxes.front();
    for (auto& k : keys) {
        SDL_Event e = keyEvent(k.first, k.second);
        s.keyInput(e);
    }
    return s.getText("box");
}

}  // namespace

TEST(StatusScreen, ScrollsOnlyWhenRowsDoNotFitWithinItsRange) {
    // Seventeen rows fit (the last hangs from 3 down to 0); the eighteenth
    // would be drawn below the window's edge, so eighteen scroll.
    int t = 0;
    StatusScreen s17("a", vec3(0)), s18("b", vec3(0)), s19("c", vec3(0));
    for (StatusScreen* s : {&s17, &s18, &s19}) {
        for (int i = 0; i < 6; i++) s->addLabel(SLabel("l", &t, nullptr, 0));
        for (int i = 0; i < 11; i++) s->addButton(SButton("b", {{0, "x"}}, &t, 2, 0));
    }
    s18.addBox(SNumBox("n", "1", false));
    s19.addBox(SNumBox("n", "1", false));
    s19.addButton(SButton("b", {{0, "x"}}, &t, 2, 0));
    EXPECT_TRUE(s17.rowsFit());
    EXPECT_FALSE(s18.rowsFit());
    s17.setOffset(10);
    EXPECT_EQ(s17.offset, 83);
    s18.setOffset(10);
    EXPECT_EQ(s18.offset, 90);
    s19.setOffset(10);
    EXPECT_EQ(s19.offset, 93);
    s19.setOffset(10);
    EXPECT_EQ(s19.offset, 95);
    s19.setOffset(-100);
    EXPECT_EQ(s19.offset, 83);
}

// An event editor with 40 lines: scrolled as far as it goes, its last rows are
// on screen and a click where "Back" is drawn reaches "Back"; rows scrolled
// off the top cannot be hit.
TEST(StatusScreen, ScrolledToTheEndTheLastRowsShowAndAreHit) {
    int line = 0, add = 0, back = 0;
    StatusScreen s("Dialog Editor", vec3(0));
    s.addBox(SNumBox("Time", "2", true));
    for (int i = 0; i < 40; i++) s.addButton(SButton("Exchange", {{0, "x"}}, &line, 2, 0));
    s.addButton(SButton("Add", {{0, "x"}}, &add, 2, 0));
    s.addButton(SButton("Back", {{0, "x"}}, &back, 2, 0));
    int last = s.rowCount() - 1;
    EXPECT_LT(s.rowTop(last), 0);  // out of sight at first
    for (int i = 0; i < 100; i++) s.setOffset(5);
    EXPECT_EQ(s.offset, s.maxOffset());
    EXPECT_GE(s.rowTop(last) - StatusScreen::ROW_HEIGHT, 0);
    EXPECT_LE(s.rowTop(last), 100);

    clickAt(s, 40, float(s.rowTop(last)));
    EXPECT_EQ(back, 1);
    clickAt(s, 40, float(s.rowTop(last - 1)));
    EXPECT_EQ(add, 1);
    EXPECT_EQ(line, 0);
    clickAt(s, 40, 101);  // where the box would be, above the window
    EXPECT_EQ(s.selected, nullptr);
}

TEST(StatusScreen, TextBoxesTakeTheKeyboardButNumberBoxesWait) {
    StatusScreen numbers("n", vec3(0)), mixed("m", vec3(0));
    numbers.addBox(SNumBox("Strength", "10", false));
    mixed.addBox(SNumBox("Time", "2", false));
    mixed.addBox(SNumBox("Name", "", true));
    mixed.addBox(SNumBox("Text", "", true));
    numbers.focusFirstTextBox();
    mixed.focusFirstTextBox();
    EXPECT_EQ(numbers.selected, nullptr);
    ASSERT_NE(mixed.selected, nullptr);
    EXPECT_EQ(mixed.selected->name, "Name");
    mixed.selected = &mixed.boxes.back();  // a box the player chose stays chosen
    mixed.focusFirstTextBox();
    EXPECT_EQ(mixed.selected->name, "Text");
}

TEST(StatusScreen, RowsBelowLabelsAreHitByBoxThenButtonOrder) {
    int label = 0, a = 0, b = 0;
    StatusScreen s("t", vec3(0));
    s.addLabel(SLabel("value", &label, nullptr, 0));
    s.addBox(SNumBox("first", "", false));
    s.addBox(SNumBox("second", "", false));
    s.addButton(SButton("A", {{0, "x"}}, &a, 2, 0));
    s.addButton(SButton("B", {{0, "x"}}, &b, 5, 0));

    clickAt(s, 40, 83);  // the label's row: nothing
    EXPECT_EQ(s.selected, nullptr);
    clickAt(s, 40, 73);
    ASSERT_NE(s.selected, nullptr);
    EXPECT_EQ(s.selected->name, "second");
    clickAt(s, 55, 63);  // right of the widget
    EXPECT_EQ(b, 0);
    b = 4;
    clickAt(s, 40, 63);
    EXPECT_EQ(b, 0);  // five values wrap from 4 to 0
    EXPECT_EQ(a, 0);
    EXPECT_EQ(s.selected->name, "second");  // a click elsewhere keeps the selection
    // A row's caption works like its widget.
    clickAt(s, 10, 63);
    EXPECT_EQ(b, 1);
    clickAt(s, 6, 78);
    EXPECT_EQ(s.selected->name, "first");
    clickAt(s, 2, 68);  // left of the captions
    EXPECT_EQ(a, 0);
}

TEST(StatusScreen, HitTestingScalesWithTheWindowSize) {
    gameOptions.setString("XRES", "1600");
    gameOptions.setString("YRES", "300");
    int t = 0;
    StatusScreen s("t", vec3(0));
    s.addButton(SButton("A", {{0, "x"}}, &t, 2, 0));
    clickAt(s, 40, 83, 1600, 300);
    gameOptions.properties.erase("XRES");
    gameOptions.properties.erase("YRES");
    EXPECT_EQ(t, 1);
}

TEST(StatusScreen, ActionButtonsSplitIntoActionAndToggle) {
    int diff = 2;
    int calls = 0, gotNum = -1, gotToggle = -1;
    unsigned int times[5] = {0, 0, 0, 0, 0};
    StatusScreen s("t", vec3(0));
    s.addButton(SButton("mission", {{0, "x"}}, &diff, 5, 7,
                        [&](int n, int t) {
                            calls++;
                            gotNum = n;
                            gotToggle = t;
                        },
                        times, "play", 1));
    clickAt(s, 44, 83);
    EXPECT_EQ(diff, 3);
    EXPECT_EQ(calls, 0);
    clickAt(s, 34, 83);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(gotNum, 7);
    EXPECT_EQ(gotToggle, 3);
    clickAt(s, 39, 83);  // the gap between the two
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(diff, 3);
    clickAt(s, 12, 83);  // the mission's name plays it, like its action button
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(diff, 3);
}

TEST(StatusScreen, ActionMayRebuildTheScreenItWasClickedOn) {
    int toggle = 0;
    StatusScreen s("t", vec3(0));
    s.addButton(SButton("rebuild", {{0, "x"}}, &toggle, 2, 0, [&](int, int) { s.buttons.clear(); },
                        nullptr, "play", 1));
    clickAt(s, 34, 83);
    EXPECT_TRUE(s.buttons.empty());
}

TEST(StatusScreen, TypingRules) {
    const Uint16 shift = KMOD_LSHIFT, rshift = KMOD_RSHIFT;
    EXPECT_EQ(typeInto(true, {{SDLK_h, 0}, {SDLK_i, shift}, {SDLK_1, shift}, {SDLK_SPACE, 0},
                              {SDLK_COMMA, 0}, {SDLK_QUOTE, 0}, {SDLK_SLASH, rshift}, {SDLK_SLASH, 0},
                              {SDLK_2, shift}}),
              "hI! ,'?2");
    EXPECT_EQ(typeInto(false, {{SDLK_h, 0}, {SDLK_1, shift}, {SDLK_KP_7, 0}, {SDLK_KP_0, 0},
                               {SDLK_PERIOD, 0}, {SDLK_KP_PERIOD, 0}, {SDLK_MINUS, 0},
                               {SDLK_KP_MINUS, 0}, {SDLK_SPACE, 0}, {SDLK_SLASH, shift}, {SDLK_F1, 0}}),
              "170..--");
    EXPECT_EQ(typeInto(false, {{SDLK_BACKSPACE, 0}, {SDLK_4, 0}, {SDLK_5, 0}, {SDLK_BACKSPACE, 0}}), "4");

    StatusScreen s("t", vec3(0));
    s.addBox(SNumBox("box", "12", false));
    SDL_Event e = keyEvent(SDLK_3);
    s.keyInput(e);  // nothing selected
    EXPECT_EQ(s.getText("box"), "12");
}

TEST(StatusScreen, LongTextShowsItsLastElevenCharacters) {
    SNumBox box("Map", "abcdefghijkl", true);
    EXPECT_EQ(box.shown(), "bcdefghijkl");
    EXPECT_EQ(SNumBox("Map", "abcdefghijk", true).shown(), "abcdefghijk");
    StatusScreen s("t", vec3(0));
    s.addBox(box);
    EXPECT_EQ(s.getText("Map"), "abcdefghijkl");
    EXPECT_EQ(s.getText("missing"), "0");
}

TEST(StatusScreen, BestTimeInHoursMinutesSeconds) {
    EXPECT_EQ(StatusScreen::bestTime(216000 + 3600 * 2 + 60 * 3), "Best Time: 1:2:3");
    EXPECT_EQ(StatusScreen::bestTime(0), "Best Time: 0:0:0");
    EXPECT_EQ(StatusScreen::bestTime(216000 * 3 + 3599), "Best Time: 3:0:59");
}

TEST(StatusScreenLayout, CaptionsEndBeforeTheValueColumn) {
    // Captions start at x 5 and values at x 30: "Energy Storage" at the usual
    // width ran into its number, and long map names under their buttons.
    for (size_t n = 1; n <= 40; n++) {
        std::string caption(n, 'x');
        float w = StatusScreen::captionCharWidth(caption);
        EXPECT_LE(5.0f + w * float(n), 29.0f + 1e-4f) << n << " characters";
        EXPECT_LE(w, 1.8f);
        if (n <= 13) {
            EXPECT_FLOAT_EQ(w, 1.8f) << "short captions keep their size";
        }
    }
    EXPECT_LT(StatusScreen::captionCharWidth("Energy Storage"), 1.8f);
    EXPECT_GT(StatusScreen::captionCharWidth("first_steps.map"), 1.5f);  // still readable
}

TEST(StatusScreenLayout, LabelValuesReadAsPlainNumbers) {
    float crumb = 6.10948e-07f, cap = 20.0f, half = 1.5f, below = -3e-5f;
    int count = 4, room = 10;
    // An energy store drained by float steps keeps a crumb; it reads as empty.
    EXPECT_EQ(StatusScreen::labelText(SLabel("Energy", &crumb, &cap, 1)), "0/20");
    EXPECT_EQ(StatusScreen::labelText(SLabel("Energy", &below, &cap, 1)), "0/20");
    EXPECT_EQ(StatusScreen::labelText(SLabel("Energy", &half, &cap, 1)), "1.5/20");
    EXPECT_EQ(StatusScreen::labelText(SLabel("Range", &half, (float*)nullptr, 1)), "1.5");
    EXPECT_EQ(StatusScreen::labelText(SLabel("Mass", &count, &room, 0)), "4/10");
    float small = 0.003f;  // a real, small amount still shows
    EXPECT_EQ(StatusScreen::labelText(SLabel("Energy", &small, &cap, 1)), "0.003/20");
}
