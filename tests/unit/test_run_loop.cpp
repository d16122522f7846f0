// One simulation step, timed events, the end test, pause and the end screen.
#include "CaptureOutput.h"
#include "SdlEvents.h"
#include "WorldFixture.h"

#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/Dialog.h"
#include "panels/StatusScreen.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> fired;
bool endScreenOpenWhenFired = false;

void record(Event* e, World*) { fired.push_back(e->items.empty() ? "?" : e->items.front().text); }
void recordVictoryEvent(Event* e, World* w) {
    record(e, w);
    endScreenOpenWhenFired = getStatusScreen(w) != nullptr;
}
// Closes the end screen that follows: its Escape arrives on the next input pass.
void pushEscape(Event*, World*) { SdlEvents::key(SDLK_ESCAPE); }

Event tagged(long long time, EventAction action, const std::string& tag) {
    return makeEvent(time, action, {DialogItem("speaker", tag, "tex")});
}

struct RunTest : ::testing::Test {
    SdlEvents sdl;
    std::unique_ptr<World> w = makeWorld(20, 20, 20);
    Ship* ship = nullptr;
    VaskMind* mind = nullptr;

    void SetUp() override {
        fired.clear();
        endScreenOpenWhenFired = false;
        for (int x = 0; x < 20; x++)
            for (int z = 0; z < 20; z++) w->setBlock(x, 0, z, 3, 0);
        w->player.pos = vec3(10, 5, 10);
    }
    void addShip() { ship = placeShip(*w, vec3(2, 1, 2)); }
    void addMind() { mind = addMachine<VaskMind>(*w, vec3(17, 1, 17), 0, 10, 50, 1); }
    void addShipAndMind() {
        addShip();
        addMind();
    }
};

}  // namespace

TEST_F(RunTest, EventsFireOnTheirFrameInListOrderOnce) {
    addShipAndMind();
    w->events.push_back(tagged(5, record, "five-a"));
    w->events.push_back(tagged(0, record, "zero"));
    w->events.push_back(tagged(2, record, "two"));
    w->events.push_back(tagged(5, record, "five-b"));
    w->events.push_back(tagged(-1, record, "victory"));
    for (long long l = 1; l <= 4; l++) w->tick(l);
    EXPECT_EQ(fired, (std::vector<std::string>{"two"}));
    w->tick(5);
    EXPECT_EQ(fired, (std::vector<std::string>{"two", "five-a", "five-b"}));
    for (long long l = 6; l <= 20; l++) w->tick(l);
    EXPECT_EQ(fired.size(), 3u);
    ASSERT_EQ(w->events.size(), 2u);  // time 0 never comes; -1 waits for a win
    EXPECT_EQ(w->result, 0);
}

TEST_F(RunTest, VictoryEventEndsTheGameAsWon) {
    addShipAndMind();
    w->events.push_back(makeEvent(3, victory));
    w->tick(2);
    EXPECT_EQ(w->result, 0);
    w->tick(3);
    EXPECT_EQ(w->result, 1);
}

TEST_F(RunTest, CheckEndRules) {
    w->checkEnd();
    EXPECT_EQ(w->result, 1);  // neither mind nor ship: won

    w->result = 0;
    addMind();
    w->checkEnd();
    EXPECT_EQ(w->result, 2);  // no ship

    w->result = 0;
    addShip();
    w->checkEnd();
    EXPECT_EQ(w->result, 0);
    w->player.health = -1;
    w->checkEnd();
    EXPECT_EQ(w->result, 2);

    w->result = 0;
    mind->alive = false;
    w->tick(1);  // the mind dies this step; the player is still dead
    EXPECT_EQ(w->result, 1);
}

TEST_F(RunTest, DeadShipIsDeletedAndForgotten) {
    addMind();
    addShip();
    Ship* other = addMachine<Ship>(*w, vec3(3, 1, 2));  // a second network node in reach
    ASSERT_EQ(other->adjacent.size(), 1u);
    ship->alive = false;
    w->tick(1);
    EXPECT_EQ(w->theShip, nullptr);
    EXPECT_TRUE(other->adjacent.empty());
    EXPECT_EQ(w->actives.size(), 2u);
}

TEST_F(RunTest, PanelOfADeadMachineClosesInTheSameStep) {
    addMind();
    addShip();
    setStatusScreen(w.get(), new StatusScreen("Ship", ship->pos));
    w->tick(1);
    ASSERT_NE(getStatusScreen(w.get()), nullptr);
    ship->alive = false;
    w->tick(2);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);

    setStatusScreen(w.get(), new StatusScreen("Paused", vec3(0, 0, 0)));
    mind->alive = false;
    w->tick(3);
    EXPECT_NE(getStatusScreen(w.get()), nullptr);  // menus have no machine
}

TEST_F(RunTest, TickSelectsTheCellInView) {
    addShipAndMind();
    w->setBlock(10, 5, 4, 3, 0);
    w->player.yaw = 0;  // looking along -z
    w->tick(1);
    EXPECT_EQ(w->player.selected, vec3(10, 5, 4));
    EXPECT_EQ(w->player.selFace, vec3(0, 0, 1));
    w->player.yaw = 90;  // now along -x: nothing within reach but the floor far below
    w->tick(2);
    EXPECT_EQ(w->player.selected, vec3(0, 0, 0));
}

TEST_F(RunTest, DifficultyScalesMindsOnly) {
    addShipAndMind();
    w->applyDif(0.25f);
    EXPECT_EQ(mind->strength, 2);  // 2.5 truncated
    w->applyDif(4.0f);
    EXPECT_EQ(mind->strength, 8);
}

TEST_F(RunTest, DifficultyKeepsMindsWithinWhatACellCanHold) {
    addShipAndMind();
    mind->strength = 3;
    w->applyDif(0.25f);
    EXPECT_EQ(mind->strength, 1);  // never 0, which a cell would turn into 10
    mind->placeVask(5, 1, 5);
    EXPECT_EQ(w->cell(5, 1, 5).data, 1);

    mind->strength = 10000;
    w->applyDif(4.0f);
    EXPECT_EQ(mind->strength, 32767);  // not wrapped negative in the cell's 16 bits
    mind->placeVask(6, 1, 6);
    EXPECT_EQ(w->cell(6, 1, 6).data, 32767);
}

TEST_F(RunTest, WonRunFiresVictoryEventsBeforeTheEndScreenAndCountsItsFrames) {
    addShip();  // no mind: won on the first frame
    w->events.push_back(tagged(-1, recordVictoryEvent, "after-win"));
    w->events.push_back(tagged(1, pushEscape, "close"));
    unsigned int frames = w->run();
    EXPECT_EQ(fired, (std::vector<std::string>{"after-win"}));
    EXPECT_FALSE(endScreenOpenWhenFired);
    EXPECT_EQ(frames, 2u);  // frame 1 and one end-screen frame
    EXPECT_EQ(w->result, 1);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);
    EXPECT_EQ(w->cell(1, 1, 1).type, 14);
}

TEST_F(RunTest, WonCountGrowsWhileTheEndScreenStaysOpen) {
    addShip();
    unsigned int frames;
    {
        Meanwhile closer([](const std::atomic<bool>&) {
            SDL_Delay(30);
            SdlEvents::key(SDLK_ESCAPE);
        });
        frames = w->run();
    }
    // Every end-screen frame costs a point of health and adds one to the count.
    EXPECT_EQ(frames, 1u + unsigned(100 - w->player.health));
    EXPECT_GT(frames, 2u);
}

TEST_F(RunTest, LostRunSkipsVictoryEventsAndReturnsZero) {
    addMind();  // no ship: lost on the first frame
    w->events.push_back(tagged(-1, record, "after-win"));
    w->events.push_back(tagged(1, pushEscape, "close"));
    EXPECT_EQ(w->run(), 0u);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(w->result, 2);
}

TEST_F(RunTest, EscapeInThePauseMenuResumes) {
    addShipAndMind();
    w->result = -1;
    SdlEvents::key(SDLK_ESCAPE);
    w->pause(7);
    EXPECT_EQ(w->result, 0);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);
    EXPECT_EQ(w->cell(0, 0, 0).type, 14);
}

TEST_F(RunTest, PauseButtonsQuitOrResume) {
    w->result = -1;
    SdlEvents::click(pixelX(40), pixelY(83));  // "Quit", the first row
    w->pause(1);
    EXPECT_EQ(w->result, 2);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);

    w->result = -1;
    SdlEvents::click(pixelX(40), pixelY(78));  // "Resume"
    w->pause(1);
    EXPECT_EQ(w->result, 0);

    w->result = -1;
    SdlEvents::quit();
    w->pause(1);
    EXPECT_EQ(w->result, 2);
}

TEST_F(RunTest, EscapeDuringPlayPausesAndQuitEndsInDefeat) {
    addShipAndMind();
    // Escape (pause), then "Quit" on the pause menu, then Escape on the end screen.
    Meanwhile player([](const std::atomic<bool>&) {
        SdlEvents::key(SDLK_ESCAPE);
        SDL_Delay(100);
        SdlEvents::click(pixelX(40), pixelY(83));
        SDL_Delay(100);
        SdlEvents::key(SDLK_ESCAPE);
    });
    EXPECT_EQ(w->run(), 0u);
    EXPECT_EQ(w->result, 2);
}

TEST_F(RunTest, DialogEventWaitsForAKeyPerLine) {
    addShipAndMind();
    Event e = tagged(1, displayDialog, "one");
    e.items.push_back(DialogItem("s", "two", "t"));
    e.items.push_back(DialogItem("s", "three", "t"));
    w->events.push_back(e);
    for (int i = 0; i < 3; i++) SdlEvents::key(SDLK_SPACE);
    w->tick(1);
    EXPECT_TRUE(w->events.empty());
    EXPECT_EQ(SdlEvents::pending(), 0);

    Dialog d;
    for (const char* t : {"a", "b", "c"}) d.addItem(DialogItem("s", t, "x"));
    SDL_Event key{};
    d.keyInput(key);
    d.keyInput(key);
    EXPECT_FALSE(d.done);
    d.keyInput(key);
    EXPECT_TRUE(d.done);
}

TEST_F(RunTest, AWalkBegunBeforeAConversationStopsWithIt) {
    addShipAndMind();
    w->player.iVel = vec3(0.05f, 0, -0.05f);  // W and D held when the talk begins
    w->player.run = true;
    w->events.push_back(tagged(1, displayDialog, "one"));
    SdlEvents::keyUp(SDLK_w);  // let go during the conversation
    SdlEvents::keyUp(SDLK_d);
    SdlEvents::key(SDLK_SPACE);
    w->tick(1);
    ASSERT_TRUE(w->events.empty());
    EXPECT_EQ(w->player.iVel, vec3(0, 0, 0));
    EXPECT_FALSE(w->player.run);
}

TEST_F(RunTest, EmptyDialogEventShowsNothing) {
    addShipAndMind();
    w->events.push_back(makeEvent(1, displayDialog));
    w->tick(1);  // would wait for keys forever if it showed anything
    EXPECT_TRUE(w->events.empty());
    EXPECT_EQ(w->result, 0);
}

namespace {
// Plays the world to a victory at step 300 with a fake clock on which every
// call to the clock costs `msPerLook` (so steps and pictures take fake time);
// returns the won count, and the steps and pictures of the run's pace line.
unsigned int playToStep300(World& w, double msPerLook, std::string& pace) {
    double t = 0;
    PaceClock fake{[&] { return t += msPerLook / 1000; }, [&](double s) { t += s; }};
    w.events.push_back(makeEvent(300, victory));
    // Closes the end screen at once.
    w.events.push_back(makeEvent(-1, pushEscape));
    srand(99);
    CaptureOutput out;
    unsigned int won = w.run(fake);
    pace = out.text();
    return won;
}
}  // namespace

TEST_F(RunTest, TheStepsAreTheSameWhateverThePace) {
    addShipAndMind();
    std::string bytes, pace;
    std::vector<std::string> paces;
    for (double ms : {0.5, 9.0, 40.0, 200.0}) {
        SCOPED_TRACE(ms);
        auto fresh = makeWorld(20, 20, 20);
        fresh->player.pos = w->player.pos;
        for (int x = 0; x < 20; x++)
            for (int z = 0; z < 20; z++) fresh->setBlock(x, 0, z, 3, 0);
        placeShip(*fresh, vec3(2, 1, 2));
        addMachine<VaskMind>(*fresh, vec3(17, 1, 17), 0, 10, 50, 1);
        unsigned int n = playToStep300(*fresh, ms, pace);
        paces.push_back(pace);
        const std::string file = "run_loop_pace_" + std::to_string(int(ms)) + ".map";
        std::string now = writtenBytes(*fresh, file);
        std::remove(file.c_str());
        ASSERT_FALSE(now.empty());
        if (bytes.empty()) bytes = now;
        EXPECT_EQ(n, 301u);  // 300 steps and one end-screen step
        EXPECT_EQ(now, bytes);
    }
    // The runs really were paced differently: fewer pictures at a higher cost.
    std::vector<long long> pictures;
    for (const std::string& p : paces) {
        long long steps = 0, n = 0;
        ASSERT_EQ(sscanf(p.c_str(), "Pace: %lld steps and %lld pictures", &steps, &n), 2) << p;
        pictures.push_back(n);
    }
    EXPECT_EQ(pictures.front(), 299);
    EXPECT_LT(pictures[2], pictures[1]);
    EXPECT_LT(pictures[3], pictures[2]);
}
