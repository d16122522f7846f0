#include "CaptureOutput.h"
#include "RunTool.h"
#include "SdlEvents.h"
#include "WorldFixture.h"
#include "flow/Editor.h"
#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class Editor : public ::testing::Test {
protected:
    SdlEvents sdl;
    std::unique_ptr<World> w;
    long long frame = 0;

    // A stone floor at y = 1; the player stands over (10, 1, 10) looking down.
    void SetUp() override {
        w = makeWorld(20, 20, 20);
        w->editorMode = true;
        for (int x = 0; x < 20; x++)
            for (int z = 0; z < 20; z++) w->setBlock(x, 1, z, 3, 0);
        lookDownAt(10, 10);
    }

    void lookDownAt(int x, int z) {
        w->player.pos = vec3(x + 0.5f, 8.0f, z + 0.5f);
        w->player.vel = vec3(0);
        w->player.pit = 90;
        tick();
    }

    void tick() { w->editorTick(++frame); }

    void dispatch() { editorInput(w->result, w->player); }
    // One key or wheel turn, handled at once.
    void hit(SDL_Keycode k) {
        SdlEvents::key(k);
        dispatch();
    }
    void turn(int notches) {
        SdlEvents::wheel(notches);
        dispatch();
    }
    void rightClick() {
        SdlEvents::click(400, 300, SDL_BUTTON_RIGHT);
        dispatch();
    }

    StatusScreen* screen() { return getStatusScreen(w.get()); }

    std::vector<std::string> buttonNames() {
        std::vector<std::string> names;
        for (SButton& b : screen()->buttons) names.push_back(b.name);
        return names;
    }

    // Window pixel of a point of the 100 x 100 panel space.
    void clickPanel(float px, float py) {
        float w = float(gameOptions.getInt("XRES", 800)), h = float(gameOptions.getInt("YRES", 600));
        SdlEvents::click(int(px / 100 * w + 0.5f), int((100 - py) / 100 * h + 0.5f));
        dispatch();
    }

    // Row tops run down from the panel's offset: labels, then boxes, then buttons.
    float rowTop(int row) { return float(screen()->offset - 5 * row); }

    // Clicks the nth button of that name on the open panel, then runs a step.
    void press(const std::string& name, int nth = 0) {
        ASSERT_NE(screen(), nullptr);
        int row = int(screen()->labels.size() + screen()->boxes.size());
        for (SButton& b : screen()->buttons) {
            if (b.name == name && nth-- == 0) {
                clickPanel(40, rowTop(row) - 1.5f);
                tick();
                return;
            }
            row++;
        }
        FAIL() << "no button " << name;
    }

    void typeChar(char c) {
        bool shift = (c >= 'A' && c <= 'Z') || c == '!' || c == '?';
        SDL_Keycode k = c == '!' ? SDLK_1 : c == '?' ? SDLK_SLASH : SDL_Keycode(shift ? c - 'A' + 'a' : c);
        SdlEvents::key(k, true, shift ? KMOD_LSHIFT : KMOD_NONE);
    }

    // Selects the box with a click, clears it and types the text.
    void typeInto(const std::string& name, const std::string& text) {
        ASSERT_NE(screen(), nullptr);
        int row = int(screen()->labels.size());
        for (SNumBox& b : screen()->boxes) {
            if (b.name == name) {
                clickPanel(40, rowTop(row) - 1.5f);
                ASSERT_EQ(screen()->selected, &b);
                for (size_t i = b.text.size(); i > 0; i--) SdlEvents::key(SDLK_BACKSPACE);
                for (char c : text) typeChar(c);
                dispatch();
                return;
            }
            row++;
        }
        FAIL() << "no box " << name;
    }
};

}  // namespace

TEST_F(Editor, FillToolFillsTheBoxBetweenTwoCorners) {
    turn(1);  // the main tool turns backwards: remove -> fill
    ASSERT_EQ(w->player.mode, 3);
    w->player.blockMode = 4;
    w->player.placeData = 10;
    EXPECT_EQ(w->player.selected, vec3(10, 1, 10));
    rightClick();
    EXPECT_EQ(w->player.mass1, vec3(10, 2, 10));
    EXPECT_EQ(countType(*w, 4), 0);
    rightClick();  // the same cell again: a box of one cell
    EXPECT_EQ(countType(*w, 4), 1);
    EXPECT_EQ(w->cell(10, 2, 10).type, 4);
    EXPECT_EQ(w->player.mass1, vec3(0));
    EXPECT_EQ(w->player.mass2, vec3(0));

    lookDownAt(3, 5);
    rightClick();
    lookDownAt(5, 4);
    rightClick();
    EXPECT_EQ(countType(*w, 4), 1 + 3 * 2);
    for (int x = 3; x <= 5; x++)
        for (int z = 4; z <= 5; z++) EXPECT_EQ(w->cell(x, 2, z).type, 4);
}

// Filling over a machine or a mind removes it with its cell, as the remove tool
// does; one outside the box stays.
TEST_F(Editor, FillingOverActorsRemovesThem) {
    placeShip(*w, vec3(4, 2, 4));
    addMachine<VaskMind>(*w, vec3(5, 3, 5), 0, 10, 50, 1);
    addMachine<VaskMind>(*w, vec3(8, 2, 8), 0, 10, 50, 1);
    w->player.blockMode = 3;
    w->player.mass1 = vec3(3, 2, 3);
    w->player.mass2 = vec3(6, 3, 6);
    w->massPlace();
    EXPECT_EQ(w->cell(4, 2, 4).type, 3);
    EXPECT_EQ(w->cell(5, 3, 5).type, 3);
    ASSERT_EQ(w->actives.size(), 1u);
    EXPECT_EQ(w->actives.front()->pos, vec3(8, 2, 8));
    EXPECT_EQ(w->theShip, nullptr);
}

TEST_F(Editor, EDropsTheFirstCorner) {
    turn(1);
    w->player.blockMode = 4;
    rightClick();
    ASSERT_NE(w->player.mass1, vec3(0));
    hit(SDLK_e);
    EXPECT_EQ(w->player.mass1, vec3(0));
    EXPECT_EQ(w->player.menu, -1);
    lookDownAt(4, 4);
    rightClick();  // a new first corner, not a fill
    EXPECT_EQ(w->player.mass1, vec3(4, 2, 4));
    EXPECT_EQ(countType(*w, 4), 0);
}

TEST_F(Editor, ActorsArePlacedAndRemovingACellDeletesItsMachine) {
    SdlEvents::wheel(-1);  // remove -> place actor
    SdlEvents::key(SDLK_e);
    SdlEvents::wheel(1);  // actor menu: ship -> mind
    hit(SDLK_e);
    ASSERT_EQ(w->player.mode, 1);
    ASSERT_EQ(w->player.actMode, 1);
    rightClick();
    ASSERT_EQ(w->actives.size(), 1u);
    auto* mind = dynamic_cast<VaskMind*>(w->actives.front());
    ASSERT_NE(mind, nullptr);
    EXPECT_EQ(mind->pos, vec3(10, 2, 10));
    EXPECT_EQ(mind->ai, 0);
    EXPECT_EQ(mind->strength, 10);
    EXPECT_EQ(mind->speed, 50);
    EXPECT_EQ(w->cell(10, 2, 10).type, 5);

    tick();  // the ray now stops at the mind's cell
    EXPECT_EQ(w->player.selected, vec3(10, 2, 10));
    turn(1);  // back to the remove tool
    rightClick();
    EXPECT_EQ(w->cell(10, 2, 10).type, 0);
    EXPECT_TRUE(w->actives.empty());

    // A ship becomes the world's ship; breaking its cell removes it.
    w->player.mode = 1;
    w->player.actMode = 0;
    tick();
    rightClick();
    ASSERT_NE(w->theShip, nullptr);
    tick();
    w->player.mode = 0;
    w->player.remMode = 1;
    rightClick();
    EXPECT_EQ(w->cell(10, 2, 10).type, 8);
    EXPECT_EQ(w->theShip, nullptr);
    EXPECT_TRUE(w->actives.empty());

    w->player.mode = 1;
    w->player.actMode = 2;
    lookDownAt(4, 4);
    rightClick();
    ASSERT_EQ(w->actives.size(), 1u);
    EXPECT_NE(dynamic_cast<AutoTurret*>(w->actives.front()), nullptr);
}

TEST_F(Editor, WheelRangesWrap) {
    Player& p = w->player;
    turn(-2);  // remove -> place block
    ASSERT_EQ(p.mode, 2);
    SdlEvents::key(SDLK_e);
    turn(-1);
    EXPECT_EQ(p.menu, 2);
    EXPECT_EQ(p.blockMode, BLOCK_TYPE_COUNT - 1);
    turn(1);
    EXPECT_EQ(p.blockMode, 0);
    turn(7);
    EXPECT_EQ(p.blockMode, 7);
    hit(SDLK_e);
    rightClick();
    EXPECT_EQ(w->cell(10, 2, 10).type, 7);

    p.menu = 1;
    for (int want : {1, 2, 0}) {
        turn(1);
        EXPECT_EQ(p.actMode, want);
    }
    p.menu = 0;
    turn(-1);
    EXPECT_EQ(p.remMode, 1);
    p.menu = -1;
    p.mode = 0;
    turn(-1);
    EXPECT_EQ(p.mode, 1);
}

TEST_F(Editor, ToolsIgnoreClicksAtNothing) {
    w->setBlock(0, 0, 0, 3, 0);
    w->player.pit = -90;  // the sky
    tick();
    ASSERT_EQ(w->player.selected, vec3(0));
    for (int mode = 0; mode < 4; mode++) {
        w->player.mode = mode;
        rightClick();
        rightClick();
    }
    EXPECT_EQ(w->cell(0, 0, 0).type, 3);
    EXPECT_TRUE(w->actives.empty());
    EXPECT_EQ(w->player.mass1, vec3(0));
}

// A mind placed beside an objective block would lose a game; the editor carries on.
TEST_F(Editor, VaskBesideAnObjectiveDoesNotEndTheSession) {
    w->setBlock(11, 2, 10, 34, 0);
    w->setBlock(9, 2, 10, 19, 0);  // water: the vask spreads into it next step
    w->setBlock(8, 2, 10, 34, 0);
    w->player.mode = 1;
    w->player.actMode = 1;
    rightClick();
    EXPECT_EQ(w->cell(10, 2, 10).type, 5);
    EXPECT_EQ(w->result, 0);
    tick();
    EXPECT_EQ(w->cell(9, 2, 10).type, 2);
    EXPECT_EQ(w->result, 0);
}

TEST_F(Editor, StrengthPanelSetsThePlacedData) {
    hit(SDLK_v);
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(screen()->name, "Meta?");
    EXPECT_EQ(screen()->getText("Vask Strength"), "10");
    EXPECT_FALSE(screen()->boxes.front().mode);
    typeInto("Vask Strength", "250.9");
    press("Set");
    EXPECT_EQ(screen(), nullptr);
    EXPECT_EQ(w->player.placeData, 250);
    for (auto [typed, want] : std::vector<std::pair<std::string, int>>{{"abc", 0}, {"99999", 32767}, {"-5", 0}}) {
        hit(SDLK_v);
        typeInto("Vask Strength", typed);
        press("Set");
        EXPECT_EQ(w->player.placeData, want) << typed;
    }
}

TEST_F(Editor, SavedMapShowsWhatWasPlaced) {
    mkdir("Maps", 0755);
    unlink("Maps/editor-save.map");
    w->mapType = 1;
    w->player.mode = 2;
    w->player.blockMode = 2;  // vask
    w->player.placeData = 33;
    rightClick();
    lookDownAt(4, 4);
    w->player.mode = 1;
    w->player.actMode = 1;
    rightClick();
    hit(SDLK_b);
    press("Add");
    hit(SDLK_ESCAPE);  // close the dialog editor: keys go to an open panel
    ASSERT_EQ(screen(), nullptr);

    hit(SDLK_g);
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(screen()->name, "Save");
    EXPECT_EQ(screen()->getText("Save as"), "test");
    typeInto("Save as", "editor-save");
    {
        Quiet q;
        press("Save");
    }
    EXPECT_EQ(screen(), nullptr);
    std::string info;
    ASSERT_EQ(runTool("vaskmap", "info Maps/editor-save.map", info), 0) << info;
    EXPECT_NE(info.find("\"mapType\":1,"), std::string::npos) << info;
    EXPECT_NE(info.find("\"vask\":{\"cells\":1,\"strength\":33}"), std::string::npos) << info;
    EXPECT_NE(info.find("\"actives\":[{\"type\":1,\"pos\":[4,2,4],\"size\":1,\"speed\":50,\"strength\":10,\"ai\":0}]"),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("\"events\":[{\"time\":2,\"victory\":false,\"items\":[]}]"), std::string::npos) << info;
}

// B, Add, the event's button, Add a line, Exchange, edit, Save, Back: the
// whole editing cycle, then deleting a line and the event.
TEST_F(Editor, EventAndDialogEditingCycle) {
    hit(SDLK_b);
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(screen()->name, "Dialog Editor");
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Add", "Back"}));

    press("Add");
    ASSERT_EQ(w->events.size(), 1u);
    Event& e = w->events.front();
    EXPECT_EQ(e.time, 2);
    EXPECT_EQ(e.activate, displayDialog);
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Event at 2", "Add", "Back"}));

    press("Event at 2");
    EXPECT_EQ(screen()->getText("Time"), "2");
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Add", "Delete", "Back"}));
    typeInto("Time", "300");
    press("Add");  // a new line; the typed time is kept
    ASSERT_EQ(e.items.size(), 1u);
    EXPECT_EQ(e.items.front().speaker, "name");
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Exchange", "Add", "Delete", "Back"}));
    EXPECT_EQ(screen()->getText("Time"), "300");
    press("Exchange");  // the new line's panel
    EXPECT_EQ(e.time, 300);
    EXPECT_EQ(screen()->getText("Name"), "name");
    EXPECT_EQ(screen()->getText("Text"), "text");
    EXPECT_EQ(screen()->getText("Texture"), "texture");
    typeInto("Name", "Mira");
    typeInto("Text", "Hold the ridge, we're coming!");
    typeInto("Texture", "face1");
    press("Save");
    EXPECT_EQ(e.items.front().speaker, "Mira");
    EXPECT_EQ(e.items.front().text, "Hold the ridge, we're coming!");
    EXPECT_EQ(e.items.front().tex, "face1");
    tick();  // the event panel comes back on the next step
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Exchange", "Add", "Delete", "Back"}));
    EXPECT_EQ(screen()->getText("Time"), "300");
    typeInto("Time", "-1");
    press("Back");
    EXPECT_EQ(e.time, -1);
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Event at -1", "Add", "Back"}));

    // A second line, then delete the first: the event panel returns at once.
    press("Event at -1");
    press("Add");
    press("Exchange");
    press("Delete");
    ASSERT_EQ(e.items.size(), 1u);
    EXPECT_EQ(e.items.front().speaker, "name");
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Exchange", "Add", "Delete", "Back"}));

    press("Delete");  // the event itself
    EXPECT_TRUE(w->events.empty());
    EXPECT_EQ(buttonNames(), (std::vector<std::string>{"Add", "Back"}));
    press("Back");
    EXPECT_EQ(screen(), nullptr);
}

// Forty events: the list scrolls with the wheel until "Add" and "Back" show,
// and adding one more leaves them where they are on screen.
TEST_F(Editor, LongEventListScrollsToItsButtons) {
    for (int i = 0; i < 40; i++) w->events.push_back(makeEvent(100 + i, displayDialog));
    hit(SDLK_b);
    ASSERT_EQ(screen()->rowCount(), 42);
    for (int i = 0; i < 60; i++) turn(-1);
    EXPECT_EQ(screen()->offset, screen()->maxOffset());
    EXPECT_EQ(rowTop(41), 5);  // "Back" just above the bottom edge
    press("Add");
    ASSERT_EQ(w->events.size(), 41u);
    EXPECT_EQ(screen()->rowCount(), 43);
    EXPECT_EQ(buttonNames()[40], "Event at 2");
    EXPECT_EQ(rowTop(42), 5);
    press("Back");
    EXPECT_EQ(screen(), nullptr);
}

// "Save" keeps a draft, "Publish" writes a map Demo Maps plays; the world
// being edited stays a draft either way.
TEST_F(Editor, PublishWritesAPlayableMap) {
    mkdir("Maps", 0755);
    w->mapType = 1;
    for (auto [button, type] : std::vector<std::pair<std::string, int>>{{"Publish", 2}, {"Save", 1}}) {
        std::string name = "editor-" + button;
        hit(SDLK_g);
        ASSERT_NE(screen()->selected, nullptr);  // the name box takes the keys at once
        for (int i = 0; i < 4; i++) SdlEvents::key(SDLK_BACKSPACE);
        for (char c : name) typeChar(c);
        dispatch();
        press(button);
        EXPECT_EQ(screen(), nullptr);
        auto back = makeWorld(1, 1, 1);
        ASSERT_TRUE(back->read("Maps/" + name + ".map")) << name;
        EXPECT_EQ(int(back->mapType), type) << name;
        EXPECT_EQ(int(w->mapType), 1);
        unlink(("Maps/" + name + ".map").c_str());
    }
}

TEST_F(Editor, UnsavedChangesAreThoseTheFileWouldShow) {
    mkdir("Maps", 0755);
    w->markSaved();
    EXPECT_FALSE(w->hasUnsavedChanges());
    w->player.pos += vec3(3, 0, 2);  // walking about is no edit
    w->convertQueue.insert(vec3(5, 1, 5));  // nor is the vask's own spreading
    tick();
    ASSERT_EQ(w->cell(5, 1, 5).type, 2);
    EXPECT_FALSE(w->hasUnsavedChanges());

    w->player.mode = 2;
    w->player.blockMode = 4;
    rightClick();
    EXPECT_TRUE(w->hasUnsavedChanges());
    ASSERT_TRUE(w->saveEditedMap("editor-unsaved", false));
    EXPECT_FALSE(w->hasUnsavedChanges());

    w->events.push_back(makeEvent(5, displayDialog));
    EXPECT_TRUE(w->hasUnsavedChanges());
    ASSERT_TRUE(w->saveEditedMap("editor-unsaved", true));
    EXPECT_FALSE(w->hasUnsavedChanges());
    w->events.back().items.push_back(DialogItem("a", "b", "c"));
    EXPECT_TRUE(w->hasUnsavedChanges());
    unlink("Maps/editor-unsaved.map");
}

// A save the file system refuses (here the name is taken by a folder holding a
// file) is reported, leaves neither a damaged file nor a temporary one, and
// keeps its panel open for another name.
TEST_F(Editor, FailedSaveIsReportedAndKeepsItsPanelOpen) {
    mkdir("Maps", 0755);
    mkdir("Maps/taken.map", 0755);
    writeBytes("Maps/taken.map/keep", "kept");
    hit(SDLK_g);
    ASSERT_NE(screen(), nullptr);
    typeInto("Save as", "taken");
    {
        CaptureOutput out;
        press("Save");
        EXPECT_NE(out.errors().find("Could not save Maps/taken.map: "), std::string::npos) << out.errors();
    }
    EXPECT_EQ(readBytes("Maps/taken.map/keep"), "kept");
    struct stat st;
    EXPECT_NE(stat(("Maps/taken.map.tmp" + std::to_string(getpid())).c_str(), &st), 0);
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(screen()->name, "Save");

    typeInto("Save as", "editor-retry");
    press("Save");
    EXPECT_EQ(screen(), nullptr);
    EXPECT_FALSE(readBytes("Maps/editor-retry.map").empty());
    unlink("Maps/editor-retry.map");
    unlink("Maps/taken.map/keep");
    rmdir("Maps/taken.map");
}

// "Quit" on the editor's pause screen: an unchanged map leaves at once; an
// edited one asks, and "Keep editing", "Save first" (the Save panel opens)
// and "Discard" answer it.
TEST_F(Editor, QuittingWithUnsavedChangesAsksFirst) {
    auto quitAnswering = [&](int answerRow) {
        w->result = -1;
        Meanwhile player([answerRow](const std::atomic<bool>&) {
            SdlEvents::click(pixelX(40), pixelY(83));  // "Quit"
            if (answerRow < 0) return;
            // The question opens as soon as the click has been taken.
            while (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) SDL_Delay(5);
            SDL_Delay(100);
            SdlEvents::click(pixelX(40), pixelY(float(83 - 5 * answerRow)));
        });
        w->pause(1);
    };
    w->markSaved();
    quitAnswering(-1);
    EXPECT_EQ(w->result, 2);
    EXPECT_EQ(screen(), nullptr);

    w->setBlockAndUpdate(3, 3, 3, 4, 0);
    quitAnswering(2);  // "Keep editing"
    EXPECT_EQ(w->result, 0);
    EXPECT_EQ(screen(), nullptr);
    EXPECT_EQ(w->cell(3, 3, 3).type, 4);
    quitAnswering(0);  // "Save first"
    EXPECT_EQ(w->result, 0);
    ASSERT_NE(screen(), nullptr);
    EXPECT_EQ(screen()->name, "Save");
    setStatusScreen(w.get(), nullptr);
    quitAnswering(1);  // "Discard"
    EXPECT_EQ(w->result, 2);
    EXPECT_EQ(screen(), nullptr);
}
