#include "MapBuilder.h"
#include "WorldFixture.h"
#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A small source using most of the language.
const char* kSource = R"(title Test Meadow
folder Maps
seed 42
size 48 32 48
ground 8
noise 3 16 3
flatten 12 12 5 8
hill 36 36 8 6
top grass:3 clover
rock stone:2 stoneDark
soil dirt 2
water 6
shore stoneSand
player 12 12
ship 15 g+1 12
box brick 30 g 8 32 g+1 10
room wood woodTile roof 4 g 30 9 g+4 35
vask 40 g+1 40 2 7
mind 40 g+1 40 ai=3 strength=12 speed=40 size=2
box stone 20 g 40 20 g+2 40
turret 20 g+1 40 dmg=2 rate=25 range=9.5 ammo=2 barrel=metal,gen,relay dir=-z
speaker cmd "Commander Varga" portraitCommander
event 30
cmd: First line.
cmd: Second line, with a # in it.
event 9000 victory
event -1
cmd: Epilogue.
)";

std::string writeSource(const std::string& name, const std::string& text) {
    writeBytes(name, text);
    return name;
}

bool build(const std::string& text, BuiltMap& out, std::string& error) {
    Quiet q;
    return buildMap(writeSource("src_test.vmap", text), out, error);
}

std::string buildError(const std::string& text) {
    BuiltMap m;
    std::string error;
    EXPECT_FALSE(build(text, m, error)) << text;
    return error;
}

}  // namespace

TEST(MapBuild, SourceBecomesAPlayReadyMapThatReloadsCleanly) {
    BuiltMap m;
    std::string error;
    ASSERT_TRUE(build(kSource, m, error)) << error;
    EXPECT_EQ(m.name, "src_test");
    EXPECT_EQ(m.folder, "Maps");
    EXPECT_EQ(m.title, "Test Meadow");
    EXPECT_TRUE(checkMap(*m.world, m.calm).empty());
    ASSERT_FALSE(writtenBytes(*m.world, "mapbuild_out.map").empty());
    auto w = makeWorld(100, 100, 100);
    ASSERT_TRUE(readQuietly(*w, "mapbuild_out.map"));
    EXPECT_EQ(w->mapType, 2);
    EXPECT_EQ(w->width, 48u);
    EXPECT_EQ(w->height, 32u);

    // The player stands on the ground: eye 4 above the feet, centred in the cell.
    int g = groundTop(*w, 12, 12);
    EXPECT_EQ(g, 8);
    EXPECT_FLOAT_EQ(w->player.pos.x, 12.5f);
    EXPECT_FLOAT_EQ(w->player.pos.z, 12.5f);
    EXPECT_NEAR(w->player.pos.y, g + 5.2f, 1e-4);

    ASSERT_NE(w->theShip, nullptr);
    EXPECT_EQ(w->theShip->pos, vec3(15, g + 1, 12));
    EXPECT_EQ(w->cell(15, g + 1, 12).type, 14);

    VaskMind* mind = nullptr;
    AutoTurret* turret = nullptr;
    for (ActiveBlock* a : w->actives) {
        if (auto* v = dynamic_cast<VaskMind*>(a)) mind = v;
        if (auto* t = dynamic_cast<AutoTurret*>(a)) turret = t;
    }
    ASSERT_NE(mind, nullptr);
    EXPECT_EQ(mind->ai, 3);
    EXPECT_EQ(mind->strength, 12);
    EXPECT_EQ(mind->speed, 40);
    EXPECT_EQ(mind->size, 2);
    EXPECT_EQ(w->cell(int(mind->pos.x), int(mind->pos.y), int(mind->pos.z)).type, 5);
    // The vask blob around the mind keeps its strength; grass it touched withered.
    int mx = int(mind->pos.x), my = int(mind->pos.y), mz = int(mind->pos.z);
    EXPECT_EQ(w->cell(mx + 1, my, mz).type, 2);
    EXPECT_EQ(w->cell(mx + 1, my, mz).data, 7);
    EXPECT_EQ(w->cell(mx, my - 1, mz).type, 33);

    ASSERT_NE(turret, nullptr);
    EXPECT_EQ(turret->dmg, 2);
    EXPECT_EQ(turret->rate, 25);
    EXPECT_FLOAT_EQ(turret->range, 9.5f);
    EXPECT_EQ(turret->ammo, 2);
    // The file keeps the barrel in the cells above the turret, reaching out
    // along -z, as the editor leaves it; the game lifts it into the turret on load.
    vec3 t = turret->pos;
    World& file = *m.world;
    EXPECT_EQ(file.cell(int(t.x), int(t.y), int(t.z)).type, 14);
    EXPECT_EQ(file.cell(int(t.x), int(t.y) + 1, int(t.z)).type, 47);
    EXPECT_EQ(file.cell(int(t.x), int(t.y) + 1, int(t.z) - 1).type, 10);
    EXPECT_EQ(file.cell(int(t.x), int(t.y) + 1, int(t.z) - 2).type, 12);

    // The room: walls, floor and roof, hollow inside.
    int rg = groundTop(*m.world, 4, 30);
    EXPECT_EQ(m.world->cell(4, rg - 1, 32).type, 39);
    EXPECT_EQ(m.world->cell(6, rg - 4, 32).type, 37);
    EXPECT_EQ(m.world->cell(6, rg, 32).type, 32);
    EXPECT_EQ(m.world->cell(6, rg - 2, 32).type, 0);

    ASSERT_EQ(w->events.size(), 3u);
    auto e = w->events.begin();
    EXPECT_EQ(e->time, 30);
    EXPECT_EQ(e->activate, displayDialog);
    ASSERT_EQ(e->items.size(), 2u);
    EXPECT_EQ(e->items.front().speaker, "Commander Varga");
    EXPECT_EQ(e->items.front().tex, "portraitCommander");
    EXPECT_EQ(e->items.front().text, "First line.");
    EXPECT_EQ(e->items.back().text, "Second line, with a # in it.");
    ++e;
    EXPECT_EQ(e->time, 9000);
    EXPECT_EQ(e->activate, victory);
    ++e;
    EXPECT_EQ(e->time, -1);
    EXPECT_EQ(e->items.size(), 1u);
}

TEST(MapBuild, SameSourceGivesTheSameBytesAndTheSeedMatters) {
    BuiltMap a, b, c;
    std::string error;
    ASSERT_TRUE(build(kSource, a, error)) << error;
    ASSERT_TRUE(build(kSource, b, error)) << error;
    std::string first = writtenBytes(*a.world, "mapbuild_out.map");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(writtenBytes(*b.world, "mapbuild_out.map"), first);

    std::string reseeded = kSource;
    reseeded.replace(reseeded.find("seed 42"), 7, "seed 43");
    ASSERT_TRUE(build(reseeded, c, error)) << error;
    EXPECT_NE(writtenBytes(*c.world, "mapbuild_out.map"), first);
}

TEST(MapBuild, MistakesAreReportedWithFileAndLine) {
    const std::string head = "folder Maps\nsize 32 24 32\nground 6\n";
    EXPECT_NE(buildError(head + "wobble 3\n").find("src_test.vmap:4: unknown command 'wobble'"), std::string::npos);
    EXPECT_NE(buildError(head + "box granite 1 1 1 2 2 2\n").find(":4: unknown block 'granite'"), std::string::npos);
    EXPECT_NE(buildError(head + "box stone 1 1 1 2 2 2\nhill 5 5 3 3\n").find(":5: terrain shaping must come before"),
              std::string::npos);
    EXPECT_NE(buildError(head + "speaker a \"A\" tex\na: hello\n").find(":5: dialog lines belong to an event"),
              std::string::npos);
    EXPECT_NE(buildError(head + "speaker a \"A\" tex\nevent 50 victory\na: hi\n").find(":6: a victory event shows no dialog"),
              std::string::npos);
    EXPECT_NE(buildError(head + "event 0\n").find(":4: an event fires at a frame of 1"), std::string::npos);
    // Nine rows of 27 characters fit the dialog box: 9 words of 26 letters do, 10 do not.
    std::string word(26, 'w'), nine, ten;
    for (int i = 0; i < 9; i++) nine += word + " ";
    ten = nine + word;
    BuiltMap fits;
    std::string error;
    EXPECT_TRUE(build(head + "player 5 5\nship 7 g+1 5\nspeaker a \"A\" tex\nevent 5\na: " + nine + "\n", fits, error))
        << error;
    EXPECT_NE(buildError(head + "speaker a \"A\" tex\nevent 5\na: " + ten + "\n").find(":6: dialog line too long"),
              std::string::npos);
    EXPECT_NE(buildError(head + "mind 5 g+1 5 ai=22\n").find("mind ai runs from 0 to 15"), std::string::npos);
    EXPECT_NE(buildError(head + "box mind 1 1 1 1 1 1\n").find("come from actors"), std::string::npos);
    EXPECT_NE(buildError(head + "ship 4 g+1 4\nship 6 g+1 6\n").find(":5: a map holds one ship"), std::string::npos);
    EXPECT_NE(buildError("size 32 24 32\nplayer 5 5\n").find("no 'folder Maps' or 'folder Campaign'"), std::string::npos);
    EXPECT_NE(buildError(head + "box stone 1 1 1 2 2 2\n").find("no player start"), std::string::npos);
    EXPECT_NE(buildError("ground 5\n").find(":1: 'size W H D' must come first"), std::string::npos);

    // An include names the included file's own line.
    writeBytes("inc_bad.vinc", "ship 4 g+1 4\nbogus\n");
    EXPECT_NE(buildError(head + "include inc_bad.vinc\n").find("inc_bad.vinc:2: unknown command 'bogus'"),
              std::string::npos);
}

TEST(MapBuild, ChecksRefuseMapsThatCouldNotShip) {
    const std::string base = "folder Maps\nsize 48 24 48\nground 6\nplayer 8 8\n";
    auto problems = [&](const std::string& body, int calm = 24) {
        BuiltMap m;
        std::string error;
        EXPECT_TRUE(build(base + body, m, error)) << error;
        std::string all;
        for (auto& p : checkMap(*m.world, calm)) all += p + "\n";
        return all;
    };
    std::string fine = "ship 10 g+1 8\nmind 40 g+1 40\n";
    EXPECT_EQ(problems(fine), "");
    EXPECT_NE(problems("mind 40 g+1 40\n").find("exactly one ship, found 0"), std::string::npos);
    EXPECT_NE(problems("ship 10 g+1 8\n").find("at least one mind"), std::string::npos);
    EXPECT_NE(problems("ship 10 g+1 8\nmind 14 g+1 14\n").find("closer than 24 cells"), std::string::npos);
    EXPECT_EQ(problems("ship 10 g+1 8\nmind 14 g+1 14\n", 4), "");
    EXPECT_NE(problems("ship 40 g+1 8\nmind 40 g+1 40\n").find("more than 16 cells"), std::string::npos);
    EXPECT_NE(problems(fine + "box stone 7 7 7 9 12 9\n").find("inside blocks"), std::string::npos);
    EXPECT_NE(problems(fine + "box obj 30 7 30 30 7 30\nvask 31 7 30 0 5\n").find("vask touches the objective"),
              std::string::npos);
    EXPECT_NE(problems(fine + "turret 14 g+1 8 ammo=2 range=10\n").find("would shoot the player"), std::string::npos);
    EXPECT_EQ(problems(fine + "turret 30 g+1 8 ammo=2 range=10\n"), "");
}

// Writing it only where none exists is checked on the map builder program.
TEST(MapBuild, CampaignFileBytesAndMissionList) {
    std::vector<std::string> names = {"a.map", "longer_name.map", ""};
    std::string bytes = campaignBytes(names);
    ASSERT_EQ(bytes.size(), (24 + 5) + (24 + 15) + 24u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x05\0\0\0", 4));
    EXPECT_EQ(bytes.substr(4, 5), "a.map");
    EXPECT_EQ(bytes.substr(9, 20), std::string(20, '\0'));

    writeBytes("list_test.txt", "# order\nfirst\n\n  second  # note\n");
    std::string error;
    EXPECT_EQ(readCampaignList("list_test.txt", error), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(error, "");
    readCampaignList("no_such_list.txt", error);
    EXPECT_NE(error.find("cannot open"), std::string::npos);
}
