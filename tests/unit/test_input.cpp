// The play dispatcher's key, wheel, mouse and tool tables, driven by real SDL events.
#include "SdlEvents.h"
#include "WorldFixture.h"

#include "flow/Editor.h"
#include "flow/Input.h"
#include "machines/ActiveBlock.h"
#include "machines/Ship.h"
#include "machines/TemplateBlock.h"
#include "panels/Dialog.h"
#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"

#include <gtest/gtest.h>

namespace {

class Probe : public ActiveBlock {
public:
    int clicks = 0;
    explicit Probe(World* w) : ActiveBlock(w) {}
    void update(long long) override {}
    int getType() override { return 99; }
    int getBlock() override { return 14; }
    void render(unsigned int) override {}
    void onClick() override { clicks++; }
};

struct InputTest : ::testing::Test {
    SdlEvents sdl;
    std::unique_ptr<World> w = makeWorld(20, 20, 20);
    Player& p = w->player;
    int result = 0;

    void press(SDL_Keycode k) {
        SdlEvents::key(k);
        gameInput(result, p);
    }
    void wheel(int y) {
        SdlEvents::wheel(y);
        gameInput(result, p);
    }
    Ship* addShip() { return placeShip(*w, vec3(18, 1, 18)); }
    // Looks at cell c from the +y side (the face above it).
    void select(vec3 c) {
        p.selected = c;
        p.selFace = vec3(0, 1, 0);
    }
    void rightClick() {
        SdlEvents::click(400, 300, SDL_BUTTON_RIGHT);
        gameInput(result, p);
    }
    // Opens a panel whose one text box is selected for typing.
    StatusScreen* openTypingPanel() {
        StatusScreen* s = new StatusScreen("panel", vec3(0, 0, 0));
        s->addBox(SNumBox("Name", "", true));
        s->selected = &s->boxes.front();
        setStatusScreen(w.get(), s);
        return s;
    }
};

}  // namespace

TEST_F(InputTest, MovementKeysSetAndClearTheInputVector) {
    press(SDLK_w);
    EXPECT_FLOAT_EQ(p.iVel.z, -0.05f);
    press(SDLK_s);
    EXPECT_FLOAT_EQ(p.iVel.z, 0.05f);
    press(SDLK_a);
    EXPECT_FLOAT_EQ(p.iVel.x, -0.05f);
    press(SDLK_d);
    EXPECT_FLOAT_EQ(p.iVel.x, 0.05f);
    press(SDLK_SPACE);
    EXPECT_FLOAT_EQ(p.iVel.y, 0.04f);
    press(SDLK_LSHIFT);
    EXPECT_TRUE(p.run);

    for (SDL_Keycode k : {SDLK_w, SDLK_a, SDLK_SPACE, SDLK_LSHIFT}) SdlEvents::keyUp(k);
    gameInput(result, p);
    EXPECT_EQ(p.iVel, vec3(0, 0, 0));
    EXPECT_FALSE(p.run);
    EXPECT_EQ(result, 0);
}

TEST_F(InputTest, EscapeAsksForPauseAndWindowCloseQuits) {
    press(SDLK_ESCAPE);
    EXPECT_EQ(result, -1);
    result = 0;
    SdlEvents::quit();
    gameInput(result, p);
    EXPECT_EQ(result, 2);
}

TEST_F(InputTest, NumberKeysPickToolsOrTheOpenMenusOption) {
    press(SDLK_3);
    EXPECT_EQ(p.mode, 2);
    press(SDLK_5);  // no fifth tool
    EXPECT_EQ(p.mode, 2);

    press(SDLK_e);
    EXPECT_EQ(p.menu, 2);
    press(SDLK_5);
    EXPECT_EQ(p.blockMode, 4);
    EXPECT_EQ(p.mode, 2);
    press(SDLK_e);
    EXPECT_EQ(p.menu, -1);

    press(SDLK_1);
    press(SDLK_e);
    press(SDLK_2);
    EXPECT_EQ(p.remMode, 1);
    press(SDLK_3);  // the remove menu has two options
    EXPECT_EQ(p.remMode, 1);
    press(SDLK_e);

    press(SDLK_2);
    press(SDLK_e);
    press(SDLK_2);
    EXPECT_EQ(p.actMode, 1);
    EXPECT_EQ(p.mode, 1);
}

TEST_F(InputTest, TemplateMenuKeysWrapOverTheCapturedTemplates) {
    press(SDLK_4);
    press(SDLK_e);
    for (SDL_Keycode k : {SDLK_2, SDLK_3, SDLK_4, SDLK_5}) {
        press(k);
        EXPECT_EQ(p.tempMode, 0);
    }
    wheel(1);
    wheel(-1);
    EXPECT_EQ(p.tempMode, 0);

    p.templates.resize(2);
    press(SDLK_3);
    EXPECT_EQ(p.tempMode, 2);
    press(SDLK_4);  // 3 mod 3
    EXPECT_EQ(p.tempMode, 0);
    wheel(-1);
    EXPECT_EQ(p.tempMode, 2);
    wheel(1);
    EXPECT_EQ(p.tempMode, 0);
}

TEST_F(InputTest, TRemovesTheLastTemplateOnlyWhileCapturing) {
    p.templates.resize(2);
    p.templates[0].text = "first";
    p.tempMode = 1;
    press(SDLK_t);
    EXPECT_EQ(p.templates.size(), 2u);
    p.tempMode = 0;
    press(SDLK_t);
    ASSERT_EQ(p.templates.size(), 1u);
    EXPECT_EQ(p.templates[0].text, "first");
    press(SDLK_t);
    press(SDLK_t);
    EXPECT_TRUE(p.templates.empty());
}

TEST_F(InputTest, WheelTurnsTheToolOneWayAndOptionsTheOther) {
    wheel(1);
    EXPECT_EQ(p.mode, 3);
    wheel(-1);
    wheel(-1);
    EXPECT_EQ(p.mode, 1);
    press(SDLK_e);  // action menu
    wheel(1);
    EXPECT_EQ(p.actMode, 1);
    wheel(1);
    EXPECT_EQ(p.actMode, 0);
    press(SDLK_e);
    press(SDLK_3);
    press(SDLK_e);
    wheel(-1);
    EXPECT_EQ(p.blockMode, 4);
    // Fast wheels send amounts beyond one notch; options stay in range.
    wheel(-7);
    EXPECT_EQ(p.blockMode, 2);
    press(SDLK_e);
    wheel(9);
    EXPECT_EQ(p.mode, 1);
}

TEST_F(InputTest, HeldKeyRepeatsDoNotToggleTheMenu) {
    SdlEvents::key(SDLK_e, true, KMOD_NONE, true);
    gameInput(result, p);
    EXPECT_EQ(p.menu, -1);
}

TEST_F(InputTest, F3TogglesTheFrameRateLineInPlayAndInTheEditor) {
    EXPECT_FALSE(w->showRate);  // SHOW_FPS is not set
    press(SDLK_F3);
    EXPECT_TRUE(w->showRate);
    SdlEvents::key(SDLK_F3, true, KMOD_NONE, true);  // held: no flicker
    gameInput(result, p);
    EXPECT_TRUE(w->showRate);
    w->editorMode = true;
    SdlEvents::key(SDLK_F3);
    editorInput(result, p);
    EXPECT_FALSE(w->showRate);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(p.menu, -1);

    gameOptions.setString("SHOW_FPS", "true");
    EXPECT_TRUE(makeWorld(4, 4, 4)->showRate);
    gameOptions.properties.erase("SHOW_FPS");
}

TEST_F(InputTest, MouseLookTurnsByMovementWrapsYawAndClampsPitch) {
    p.yaw = 0;
    p.pit = 0;
    SdlEvents::motion(100, -50);  // 100 right, 50 up
    gameInput(result, p);
    EXPECT_NEAR(p.yaw, 3.0f, 1e-4f);
    EXPECT_NEAR(p.pit, -1.5f, 1e-4f);

    p.yaw = -179.5f;
    SdlEvents::motion(-20, 0);  // 0.6 degrees further left
    gameInput(result, p);
    EXPECT_NEAR(p.yaw, 179.9f, 1e-3f);

    SdlEvents::motion(0, 10000);
    gameInput(result, p);
    EXPECT_FLOAT_EQ(p.pit, 90.0f);

    gameOptions.setString("INVERT", "yes");
    gameOptions.setString("SENSITIVITY", "0.1");
    SdlEvents::motion(0, 10);
    gameInput(result, p);
    gameOptions.properties.erase("INVERT");
    gameOptions.properties.erase("SENSITIVITY");
    EXPECT_NEAR(p.pit, 89.0f, 1e-4f);
}

TEST_F(InputTest, LeftClickReachesEveryMachineInTheSelectedCell) {
    Probe* a = new Probe(w.get());
    Probe* b = new Probe(w.get());
    Probe* other = new Probe(w.get());
    w->setActiveBlockAndUpdate(3, 4, 5, a);
    w->setActiveBlockAndUpdate(3, 4, 5, b);
    w->setActiveBlockAndUpdate(6, 4, 5, other);
    p.selected = vec3(3.7f, 4.2f, 5.9f);  // truncated to the cell
    SdlEvents::click(10, 10);
    gameInput(result, p);
    EXPECT_EQ(a->clicks, 1);
    EXPECT_EQ(b->clicks, 1);
    EXPECT_EQ(other->clicks, 0);
}

TEST_F(InputTest, MiningCountsDownThirtyTicksAndRefundsTheShip) {
    Ship* ship = addShip();
    int matter = ship->store.matter, gens = ship->store.gens;
    w->setBlock(5, 5, 5, 3, 0);
    w->setBlock(7, 5, 5, 10, 0);
    select(vec3(5, 5, 5));
    rightClick();
    EXPECT_EQ(p.remStatus, 30);
    EXPECT_EQ(p.remBlock, vec3(5, 5, 5));

    p.selected = vec3(0, 0, 0);  // turning away does not stop it
    for (int i = 0; i < 29; i++) w->updatePlayer();
    EXPECT_EQ(w->cell(5, 5, 5).type, 3);
    w->updatePlayer();
    EXPECT_EQ(w->cell(5, 5, 5).type, 0);
    EXPECT_EQ(ship->store.matter, matter + 1);
    EXPECT_EQ(p.remBlock, vec3(0, 0, 0));

    select(vec3(7, 5, 5));
    rightClick();
    for (int i = 0; i < 30; i++) w->updatePlayer();
    EXPECT_EQ(w->cell(7, 5, 5).type, 0);
    EXPECT_EQ(ship->store.gens, gens + 1);
}

TEST_F(InputTest, MiningAnotherBlockAbandonsTheFirstAndUnminableBlocksStay) {
    w->setBlock(5, 5, 5, 3, 0);
    w->setBlock(9, 5, 5, 3, 0);
    w->setBlock(11, 5, 5, 1, 0);  // bedrock is not minable
    select(vec3(5, 5, 5));
    rightClick();
    for (int i = 0; i < 10; i++) w->updatePlayer();
    select(vec3(9, 5, 5));
    rightClick();
    EXPECT_EQ(p.remStatus, 30);
    select(vec3(11, 5, 5));
    rightClick();
    EXPECT_EQ(p.remBlock, vec3(9, 5, 5));
    for (int i = 0; i < 30; i++) w->updatePlayer();
    EXPECT_EQ(w->cell(5, 5, 5).type, 3);
    EXPECT_EQ(w->cell(9, 5, 5).type, 0);  // no ship: removed without refund
    EXPECT_EQ(w->cell(11, 5, 5).type, 1);
}

TEST_F(InputTest, BreakingTurnsMachineBlocksIntoBrokenOnes) {
    w->setBlock(5, 5, 5, 11, 10);
    w->setBlock(6, 5, 5, 3, 0);
    p.remMode = 1;
    select(vec3(5, 5, 5));
    rightClick();
    select(vec3(6, 5, 5));
    rightClick();
    EXPECT_EQ(w->cell(5, 5, 5).type, 8);
    EXPECT_EQ(w->cell(5, 5, 5).data, 0);
    EXPECT_EQ(w->cell(6, 5, 5).type, 3);
    EXPECT_EQ(p.remStatus, 0);
}

TEST_F(InputTest, PlacingTakesFromTheShipAtItsLevel) {
    Ship* ship = addShip();
    ship->store.gens = 1;
    ship->levels.gens = 3;
    p.pos = vec3(10, 15, 10);
    p.mode = 2;
    p.blockMode = 1;
    w->setBlock(3, 3, 3, 3, 0);
    select(vec3(3, 3, 3));
    rightClick();
    EXPECT_EQ(w->cell(3, 4, 3).type, 10);
    EXPECT_EQ(w->cell(3, 4, 3).data, 3);
    EXPECT_EQ(ship->store.gens, 0);

    w->setBlock(5, 3, 3, 3, 0);  // out of stock now
    select(vec3(5, 3, 3));
    rightClick();
    EXPECT_EQ(w->cell(5, 4, 3).type, 0);
}

TEST_F(InputTest, PlacingIsRefusedNextToVaskInsideThePlayerAndWithoutShipOrTarget) {
    p.pos = vec3(10, 15, 10);
    p.mode = 2;
    w->setBlock(3, 3, 3, 3, 0);
    select(vec3(3, 3, 3));
    rightClick();  // no ship
    EXPECT_EQ(w->cell(3, 4, 3).type, 0);

    Ship* ship = addShip();
    int matter = ship->store.matter;
    w->setBlock(4, 4, 3, 2, 10);  // vask beside the target
    rightClick();
    EXPECT_EQ(w->cell(3, 4, 3).type, 0);

    w->setBlock(10, 11, 10, 3, 0);  // target (10, 12, 10) is inside the player
    select(vec3(10, 11, 10));
    rightClick();
    EXPECT_EQ(w->cell(10, 12, 10).type, 0);

    select(vec3(0, 0, 0));  // looking at nothing
    p.selFace = vec3(0, 0, 0);
    rightClick();
    EXPECT_EQ(w->cell(0, 0, 0).type, 0);
    EXPECT_EQ(ship->store.matter, matter);
}

TEST_F(InputTest, TemplateToolCapturesMachineBlocksAndPlacesSites) {
    p.mode = 3;
    w->setBlock(5, 5, 5, 9, 10);
    w->setBlock(7, 5, 5, 3, 0);
    select(vec3(7, 5, 5));
    rightClick();
    EXPECT_TRUE(p.templates.empty());
    select(vec3(5, 5, 5));
    rightClick();
    ASSERT_EQ(p.templates.size(), 1u);

    size_t before = w->actives.size();
    p.tempMode = 1;
    select(vec3(7, 5, 5));
    rightClick();
    ASSERT_EQ(w->actives.size(), before + 1);
    ActiveBlock* site = w->actives.back();
    EXPECT_EQ(site->getType(), TYPE_TEMPLATE);
    EXPECT_EQ(site->pos, vec3(7, 6, 5));
}

// The ship's cell holds a machine block, minable and breakable like any other;
// taking it would lose the game on the spot.
TEST_F(InputTest, RemoveToolsLeaveTheShipsCellAndSayWhy) {
    Ship* ship = addShip();
    w->setBlock(17, 1, 18, 11, 10);
    for (int remMode : {0, 1}) {
        p.remMode = remMode;
        p.noticeTicks = 0;
        select(ship->pos);
        rightClick();
        EXPECT_EQ(w->cell(18, 1, 18).type, 14) << remMode;
        EXPECT_EQ(p.remBlock, vec3(0, 0, 0)) << remMode;
        EXPECT_NE(p.notice.find("ship"), std::string::npos) << p.notice;
        EXPECT_GT(p.noticeTicks, 0);
    }
    for (int i = 0; i < 30; i++) w->updatePlayer();
    EXPECT_EQ(w->cell(18, 1, 18).type, 14);
    EXPECT_TRUE(ship->alive);

    // Beside the ship the tools work as ever, and the line fades.
    select(vec3(17, 1, 18));
    rightClick();
    EXPECT_EQ(w->cell(17, 1, 18).type, 8);
    for (int i = 0; i < 200; i++) w->updatePlayer();
    EXPECT_EQ(p.noticeTicks, 0);
}

TEST_F(InputTest, TemplateSitesAreNotPlacedWhereTheyWouldEncloseThePlayer) {
    p.mode = 3;
    for (int y = 5; y <= 7; y++) w->setBlock(5, y, 5, 9, 10);  // a column three high
    select(vec3(5, 5, 5));
    rightClick();
    ASSERT_EQ(p.templates.size(), 1u);
    p.tempMode = 1;
    p.pos = vec3(10.5f, 8, 10.5f);  // the body reaches from y 4 up to 8
    size_t before = w->actives.size();

    // The site's own cell (10, 3, 10) is clear of the body, but the column
    // would rise into it.
    w->setBlock(10, 2, 10, 3, 0);
    select(vec3(10, 2, 10));
    rightClick();
    EXPECT_EQ(w->actives.size(), before);
    EXPECT_EQ(w->cell(10, 3, 10).type, 0);
    EXPECT_GT(p.noticeTicks, 0);

    // A step aside it fits.
    w->setBlock(13, 2, 10, 3, 0);
    select(vec3(13, 2, 10));
    rightClick();
    ASSERT_EQ(w->actives.size(), before + 1);
    EXPECT_EQ(w->actives.back()->pos, vec3(13, 3, 10));
}

TEST_F(InputTest, WheelScrollsALongPanel) {
    int toggles[30] = {};
    StatusScreen* s = new StatusScreen("panel", vec3(0, 0, 0));
    for (int& t : toggles) s->addButton(SButton("b", {{0, "x"}}, &t, 2, 0));
    setStatusScreen(w.get(), s);
    wheel(-2);
    EXPECT_EQ(s->offset, 93);
    wheel(-100);
    EXPECT_EQ(s->offset, s->maxOffset());
    SdlEvents::click(pixelX(40), pixelY(float(s->rowTop(29))));
    gameInput(result, p);
    EXPECT_EQ(toggles[29], 1);
    EXPECT_EQ(p.mode, 0);  // the wheel did not reach the tools
}

TEST_F(InputTest, OpenPanelTakesTheEventsAndEscapeClosesIt) {
    StatusScreen* s = openTypingPanel();

    SdlEvents::key(SDLK_w);
    gameInput(result, p);
    EXPECT_EQ(p.iVel.z, 0.0f);
    EXPECT_EQ(s->getText("Name"), "w");

    SdlEvents::key(SDLK_ESCAPE);
    SdlEvents::key(SDLK_w);  // after the panel closed: dropped with the batch
    gameInput(result, p);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);
    EXPECT_EQ(p.iVel.z, 0.0f);
    EXPECT_EQ(result, 0);
}

TEST_F(InputTest, KeysLetGoWhileAPanelIsOpenStopTheWalk) {
    // Walking and running, the player clicks a machine; the keys come up while
    // its panel is open.
    press(SDLK_w);
    press(SDLK_d);
    press(SDLK_LSHIFT);
    setStatusScreen(w.get(), new StatusScreen("panel", vec3(0, 0, 0)));
    for (SDL_Keycode k : {SDLK_w, SDLK_d, SDLK_LSHIFT}) SdlEvents::keyUp(k);
    gameInput(result, p);
    ASSERT_NE(getStatusScreen(w.get()), nullptr);
    SdlEvents::key(SDLK_ESCAPE);
    gameInput(result, p);
    ASSERT_EQ(getStatusScreen(w.get()), nullptr);
    EXPECT_EQ(p.iVel, vec3(0, 0, 0));
    EXPECT_FALSE(p.run);

    // A release after the panel closed in the same batch counts too.
    press(SDLK_a);
    setStatusScreen(w.get(), new StatusScreen("panel", vec3(0, 0, 0)));
    SdlEvents::key(SDLK_ESCAPE);
    SdlEvents::keyUp(SDLK_a);
    gameInput(result, p);
    EXPECT_EQ(p.iVel.x, 0.0f);
}

TEST_F(InputTest, EClosesAPanelInPlayButTypesInTheEditor) {
    for (bool editor : {false, true}) {
        w->editorMode = editor;
        StatusScreen* s = openTypingPanel();
        SdlEvents::key(SDLK_e);
        statusInput(result, p);
        if (editor) {
            ASSERT_EQ(getStatusScreen(w.get()), s);
            EXPECT_EQ(s->getText("Name"), "e");
        } else {
            EXPECT_EQ(getStatusScreen(w.get()), nullptr);
        }
    }
    SdlEvents::quit();
    statusInput(result, p);
    EXPECT_EQ(result, 2);
}

TEST_F(InputTest, PanelClicksHitItsButtons) {
    int toggle = 0;
    StatusScreen* s = new StatusScreen("panel", vec3(0, 0, 0));
    s->addButton(SButton("Go", {{0, "a"}, {1, "b"}}, &toggle, 2, 0));
    setStatusScreen(w.get(), s);
    SdlEvents::click(pixelX(40), pixelY(83));
    gameInput(result, p);
    EXPECT_EQ(toggle, 1);
}

TEST(Dispatchers, DialogTakesKeysAndClicksAndEscapeStopsIt) {
    SdlEvents sdl;
    Dialog d;
    for (const char* line : {"one", "two", "three", "four"}) d.addItem(DialogItem("s", line, "t"));
    int stop = 0;
    SdlEvents::key(SDLK_x);
    SdlEvents::click(1, 1);
    dialogInput(stop, &d);
    EXPECT_EQ(d.items.front().text, "three");
    EXPECT_EQ(stop, 0);
    SdlEvents::key(SDLK_ESCAPE);
    dialogInput(stop, &d);
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(d.items.front().text, "four");
    stop = 0;
    SdlEvents::quit();
    dialogInput(stop, &d);
    EXPECT_EQ(stop, 1);
}

TEST(Dispatchers, MenuInputScrollsClicksAndLeavesOnEscape) {
    SdlEvents sdl;
    StatusScreen s("menu", vec3(0, 0, 0));
    int toggles[20] = {};
    for (int& t : toggles) s.addButton(SButton("b", {{0, "x"}}, &t, 2, 0));
    int result = 0;
    SdlEvents::wheel(-2);
    menuInput(result, &s);
    EXPECT_EQ(s.offset, 93);
    SdlEvents::click(pixelX(40), pixelY(93));
    menuInput(result, &s);
    EXPECT_EQ(toggles[0], 1);
    EXPECT_EQ(result, 0);
    SdlEvents::key(SDLK_ESCAPE);
    menuInput(result, &s);
    EXPECT_EQ(result, 1);
    result = 0;
    SdlEvents::quit();
    menuInput(result, &s);
    EXPECT_EQ(result, 2);

    // A flipped wheel (natural scrolling) scrolls the way the player turns it.
    SdlEvents::wheel(-1, SDL_MOUSEWHEEL_FLIPPED);  // from 93, as +1 on a plain wheel
    menuInput(result, &s);
    EXPECT_EQ(s.offset, 88);
    SdlEvents::wheel(1, SDL_MOUSEWHEEL_FLIPPED);
    menuInput(result, &s);
    EXPECT_EQ(s.offset, 93);
    // F11 without a window is ignored, not typed or taken as a menu key.
    result = 0;
    SdlEvents::key(SDLK_F11);
    menuInput(result, &s);
    EXPECT_EQ(result, 0);
}
