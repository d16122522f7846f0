// The message line: what it queues, what dismisses it, how it wraps, and that
// the dispatchers hand it the click or key that answers it.
#include "CaptureOutput.h"
#include "SdlEvents.h"
#include "WorldFixture.h"

#include "flow/Input.h"
#include "panels/Notice.h"
#include "panels/StatusScreen.h"
#include "util/WrapText.h"

#include <gtest/gtest.h>

namespace {

// Every test starts with no message on screen: one left by an earlier test's
// failed save would take that test's first click.
struct ClearNoticeBeforeEachTest : testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { notice.clear(); }
};
const bool clearNoticeRegistered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ClearNoticeBeforeEachTest);
    return true;
}();

SDL_Event keyEvent(Uint32 type, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = SDLK_a;
    e.key.repeat = repeat;
    return e;
}

SDL_Event eventOf(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
}

}  // namespace

TEST(Notice, QueuesMessagesOnceEachAndWritesThemToStandardError) {
    Notice n;
    CaptureOutput out;
    n.show("Could not save a");
    n.show("Could not save b");
    n.show("Could not save a");  // repeated before it was read
    n.show("");
    EXPECT_EQ(n.text(), "Could not save a");
    EXPECT_EQ(n.waiting(), 1u);
    n.dismiss();
    EXPECT_EQ(n.text(), "Could not save b");
    EXPECT_EQ(n.waiting(), 0u);
    n.dismiss();
    EXPECT_FALSE(n.shown());
    EXPECT_EQ(n.text(), "");
    n.dismiss();  // nothing to dismiss
    EXPECT_EQ(out.errors(), "Could not save a\nCould not save b\nCould not save a\n\n");

    // A flood keeps the first messages; every one still reaches standard error.
    for (int i = 0; i < 30; i++) n.show("failure " + std::to_string(i));
    EXPECT_EQ(n.text(), "failure 0");
    EXPECT_EQ(n.waiting(), Notice::MAX_QUEUED);
    EXPECT_NE(out.errors().find("failure 29\n"), std::string::npos);
}

TEST(Notice, OnlyAFreshKeyPressOrAClickDismisses) {
    Notice n;
    for (Uint32 type : {Uint32(SDL_MOUSEMOTION), Uint32(SDL_KEYUP), Uint32(SDL_MOUSEWHEEL), Uint32(SDL_QUIT)})
        EXPECT_FALSE(n.takes(eventOf(type)));  // nothing shown: nothing taken
    {
        CaptureOutput quiet;
        n.show("one");
        n.show("two");
    }
    for (Uint32 type : {Uint32(SDL_MOUSEMOTION), Uint32(SDL_KEYUP), Uint32(SDL_MOUSEWHEEL), Uint32(SDL_QUIT)})
        EXPECT_FALSE(n.takes(eventOf(type)));
    EXPECT_FALSE(n.takes(keyEvent(SDL_KEYDOWN, true)));
    EXPECT_EQ(n.text(), "one");
    EXPECT_TRUE(n.takes(keyEvent(SDL_KEYDOWN)));
    EXPECT_EQ(n.text(), "two");
    EXPECT_TRUE(n.takes(eventOf(SDL_MOUSEBUTTONDOWN)));
    EXPECT_FALSE(n.shown());
    EXPECT_FALSE(n.takes(keyEvent(SDL_KEYDOWN)));
}

TEST(Notice, LinesWrapAtSpacesWithinTheWidthAndEndWithHowToDismiss) {
    std::string text = "Could not save settings.ini: Permission denied. Allow writing to the folder.";
    for (size_t width : {13u, 17u, 40u, 200u}) {  // no word is longer than 13
        std::vector<std::string> lines = wrapWords(text, width);
        std::string joined;
        for (const std::string& l : lines) {
            EXPECT_LE(l.size(), width) << l;
            EXPECT_FALSE(l.empty());
            joined += (joined.empty() ? "" : " ") + l;
        }
        EXPECT_EQ(joined, text) << width;
    }
    // A word longer than a line is cut, not lost; spaces alone are no line.
    EXPECT_EQ(wrapWords("a Textures/extremely_long_name.png b", 12),
              (std::vector<std::string>{"a", "Textures/ext", "remely_long_", "name.png b"}));
    EXPECT_TRUE(wrapWords("   ", 10).empty());
    EXPECT_TRUE(wrapWords("text", 0).empty());

    Notice n;
    EXPECT_TRUE(noticeLines(n, 40).empty());
    CaptureOutput quiet;
    n.show(text);
    std::vector<std::string> lines = noticeLines(n, 40);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "Click or press a key to dismiss");
    n.show("another");
    n.show("and another");
    EXPECT_EQ(noticeLines(n, 40).back(), "Click or press a key to dismiss (2 more)");
}

// The click that answers a message is used up: it must not also press the
// button under it, in the menus, in a panel or in play.
TEST(Notice, DispatchersGiveTheAnsweringClickToTheMessage) {
    SdlEvents sdl;
    CaptureOutput quiet;
    int toggle = 0, result = 0;
    StatusScreen menu("menu", vec3(0, 0, 0));
    menu.addButton(SButton("b", {{0, "x"}}, &toggle, 2, 0));
    notice.show("Could not save settings.ini");
    SdlEvents::key(SDLK_ESCAPE);  // answers the message, does not leave the menu
    SdlEvents::click(pixelX(40), pixelY(83));
    menuInput(result, &menu);
    EXPECT_FALSE(notice.shown());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(toggle, 1);

    auto w = makeWorld(20, 20, 20);
    StatusScreen* panel = new StatusScreen("panel", vec3(0, 0, 0));
    panel->addButton(SButton("b", {{0, "x"}}, &toggle, 2, 0));
    setStatusScreen(w.get(), panel);
    notice.show("Could not save Maps/x.map");
    SdlEvents::click(pixelX(40), pixelY(83));
    gameInput(result, w->player);
    EXPECT_EQ(toggle, 1);
    EXPECT_FALSE(notice.shown());

    setStatusScreen(w.get(), nullptr);
    notice.show("Could not save Maps/x.map");
    SdlEvents::key(SDLK_ESCAPE);  // would ask for the pause menu
    SdlEvents::key(SDLK_w);
    gameInput(result, w->player);
    EXPECT_EQ(result, 0);
    EXPECT_LT(w->player.iVel.z, 0.0f);  // the key after the answer walks
}
