#include "CaptureOutput.h"
#include "SampleMap.h"
#include "util/BinaryIO.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string saved(World& w) { return writtenBytes(w, "map_test.map"); }

bool load(World& w, const std::string& bytes) {
    writeBytes("map_load.map", bytes);
    return readQuietly(w, "map_load.map");
}

// A map file's header: the player's start and the world's sides.
void writeHeader(std::ostream& out, vec3 start, uint32_t width, uint32_t height, uint32_t depth) {
    for (float f : {start.x, start.y, start.z}) writeF32(out, f);
    for (uint32_t side : {width, height, depth}) writeU32(out, side);
}

template <typename T>
T* firstOf(World& w) {
    for (ActiveBlock* a : w.actives)
        if (T* t = dynamic_cast<T*>(a)) return t;
    return nullptr;
}

// A small map holding one of everything the loader builds, and two events.
std::string richMap() {
    auto w = makeWorld(12, 12, 12);
    for (int x = 0; x < 12; x++)
        for (int z = 0; z < 12; z++) w->setBlock(x, 0, z, 3, 0);
    w->setBlock(3, 1, 3, 2, 40);
    w->player.pos = vec3(6.5f, 5.0f, 6.5f);
    w->mapType = 2;
    addSampleRecords(*w, {vec3(6, 1, 6), vec3(2, 1, 2), vec3(8, 1, 8), vec3(9, 1, 2)}, 40,
                     {DialogItem("Commander", "Hold the line.", "portraitCommander"), DialogItem("", "", "")}, 900);
    return saved(*w);
}

}  // namespace

TEST(MapFile, ExactSizesOfATinyMap) {
    auto w = makeWorld(1, 1, 1);
    std::string bytes = saved(*w);
    EXPECT_EQ(bytes.size(), 35u);
    w->setBlock(0, 0, 0, 2, 7);
    bytes = saved(*w);
    ASSERT_EQ(bytes.size(), 37u);
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x02\x00\x07\x00", 4));
    // A world that was never given a type writes 0.
    EXPECT_EQ(bytes[28 + 4], 0);
}

TEST(MapFile, EveryRecordSurvivesSaveAndReload) {
    std::string bytes = richMap();
    auto w = makeWorld(100, 100, 100);
    EXPECT_TRUE(load(*w, bytes));
    EXPECT_EQ(w->width, 12u);
    EXPECT_EQ(w->sectors.size(), 2u);
    EXPECT_EQ(w->mapType, 2);
    EXPECT_EQ(w->player.pos, vec3(6.5f, 5.0f, 6.5f));
    EXPECT_EQ(w->cell(3, 1, 3).type, 2);
    EXPECT_EQ(w->cell(3, 1, 3).data, 40);
    ASSERT_EQ(w->actives.size(), 4u);
    Ship* ship = firstOf<Ship>(*w);
    ASSERT_TRUE(ship);
    EXPECT_EQ(w->theShip, ship);
    EXPECT_EQ(ship->special, 9);
    VaskMind* mind = firstOf<VaskMind>(*w);
    ASSERT_TRUE(mind);
    EXPECT_EQ(mind->pos, vec3(2, 1, 2));
    EXPECT_EQ(mind->ai, 3);
    EXPECT_EQ(mind->strength, 40);
    EXPECT_EQ(mind->speed, 20);
    EXPECT_EQ(mind->size, 2);
    AutoTurret* t = firstOf<AutoTurret>(*w);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->dmg, 3);
    EXPECT_EQ(t->rate, 25);
    EXPECT_FLOAT_EQ(t->range, 12.5f);
    EXPECT_EQ(t->ammo, 2);
    ASSERT_TRUE(firstOf<Generator>(*w));
    ASSERT_EQ(w->events.size(), 2u);
    Event& talk = w->events.front();
    EXPECT_EQ(talk.time, 40);
    EXPECT_EQ(talk.activate, displayDialog);
    ASSERT_EQ(talk.items.size(), 2u);
    EXPECT_EQ(talk.items.front().speaker, "Commander");
    EXPECT_EQ(talk.items.front().text, "Hold the line.");
    EXPECT_EQ(talk.items.front().tex, "portraitCommander");
    EXPECT_EQ(talk.items.back().text, "");
    EXPECT_EQ(w->events.back().activate, victory);
    // Saving the reloaded world gives the same bytes.
    EXPECT_EQ(saved(*w), bytes);
}

TEST(MapFile, MindCellsCarryNoStrengthInTheCellSection) {
    auto w = makeWorld(2, 2, 2);
    w->setBlock(1, 1, 1, 5, 0);
    std::string bytes = saved(*w);
    EXPECT_EQ(bytes.size(), 24u + 8 * 2 + 4 + 1 + 4);
    auto r = makeWorld(2, 2, 2);
    EXPECT_TRUE(load(*r, bytes));
    EXPECT_EQ(r->cell(1, 1, 1).type, 5);
    EXPECT_EQ(r->cell(1, 1, 1).data, 0);
}

TEST(MapFile, VaskNextToWoodIsNotReappliedOnLoad) {
    auto w = makeWorld(4, 4, 4);
    w->setBlock(1, 1, 1, 39, 0);
    w->setBlock(2, 1, 1, 2, 10);
    w->convertQueue.clear();
    auto r = makeWorld(4, 4, 4);
    EXPECT_TRUE(load(*r, saved(*w)));
    EXPECT_EQ(r->cell(1, 1, 1).type, 39);
    EXPECT_TRUE(r->convertQueue.empty());
}

TEST(MapFile, UnbuildableRecordsAreSkippedInStep) {
    // A relay record (id 6) carries no fields: the loader reports it, consumes
    // its 16 bytes and still reads the mind and the event after it.
    std::string bytes = richMap();
    auto w = makeWorld(12, 12, 12);
    ASSERT_TRUE(load(*w, bytes));
    std::ostringstream out;
    writeHeader(out, vec3(1, 2, 3), 1, 1, 1);
    writeI16(out, 0);
    writeI32(out, 2);
    writeU8(out, 2);
    writeI32(out, 6);  // relay
    for (int i = 0; i < 3; i++) writeF32(out, 0);
    writeI32(out, 1);  // mind
    for (int i = 0; i < 3; i++) writeF32(out, 0);
    writeI32(out, 1);
    writeI32(out, 30);
    writeI32(out, 12);
    writeI32(out, 4);
    writeI32(out, 0);  // no events
    auto r = makeWorld(12, 12, 12);
    testing::internal::CaptureStderr();
    bool clean = r->read((writeBytes("relay.map", out.str()), "relay.map"));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(clean);
    EXPECT_NE(err.find("loaded invalid ActiveBlock 6\n"), std::string::npos);
    ASSERT_EQ(r->actives.size(), 1u);
    EXPECT_EQ(static_cast<VaskMind*>(r->actives.front())->speed, 30);

    // An id the format does not know ends the load, keeping what was read.
    std::string odd = out.str();
    odd[24 + 2 + 4 + 1] = 99;
    auto o = makeWorld(12, 12, 12);
    EXPECT_FALSE(load(*o, odd));
    EXPECT_TRUE(o->actives.empty());
}

TEST(MapFile, UnsafeValuesAreMadeSafe) {
    std::ostringstream out;
    writeHeader(out, vec3(NAN, 0, 0), 3, 3, 3);
    for (int i = 0; i < 27; i++) writeI16(out, i == 0 ? 3 : (i == 1 ? 77 : 0));
    writeI32(out, 3);
    writeU8(out, 2);
    writeI32(out, 1);  // mind with hostile numbers
    for (int i = 0; i < 3; i++) writeF32(out, 1);
    writeI32(out, 5000);  // size
    writeI32(out, 0);     // speed
    writeI32(out, -4);    // strength
    writeI32(out, 0);
    writeI32(out, 15);  // enemy turret with rate 0 and an endless range
    for (int i = 0; i < 3; i++) writeF32(out, 2);
    writeI32(out, 1);
    writeI32(out, 0);
    writeF32(out, INFINITY);
    writeI32(out, 1);
    writeI32(out, 1);  // mind outside the world
    writeF32(out, 50);
    writeF32(out, 1);
    writeF32(out, 1);
    for (int i = 0; i < 4; i++) writeI32(out, 1);
    writeI32(out, 0);
    auto w = makeWorld(10, 10, 10);
    EXPECT_FALSE(load(*w, out.str()));
    EXPECT_EQ(w->cell(0, 0, 1).type, 0);  // unknown block type 77 became air
    EXPECT_TRUE(std::isfinite(w->player.pos.x));
    ASSERT_EQ(w->actives.size(), 2u);
    VaskMind* m = firstOf<VaskMind>(*w);
    EXPECT_EQ(m->speed, 10);
    EXPECT_EQ(m->strength, 1);
    EXPECT_EQ(m->size, 32);
    AutoTurret* t = firstOf<AutoTurret>(*w);
    EXPECT_EQ(t->rate, 50);
    EXPECT_FLOAT_EQ(t->range, 64.0f);
}

// A map may ship a ready base: its machines are linked as if placed one by one,
// so a generator two links from the ship has its route before the first tick.
TEST(MapFile, LoadedMachinesAreLinkedToTheShip) {
    auto w = makeWorld(12, 12, 12);
    w->mapType = 2;
    placeShip(*w, vec3(1, 1, 1));
    std::set<vec3, veccomp> none;
    for (vec3 p : {vec3(5, 1, 1), vec3(10, 1, 1), vec3(11, 1, 11)}) addMachine<Generator>(*w, p, 0, 0, 0, none);
    std::string bytes = saved(*w);
    auto v = makeWorld(12, 12, 12);
    ASSERT_TRUE(load(*v, bytes));
    std::vector<Netable*> net;
    for (ActiveBlock* a : v->actives) net.push_back(static_cast<Netable*>(a));
    ASSERT_EQ(net.size(), 4u);
    Netable *ship = net[0], *near = net[1], *far = net[2], *alone = net[3];
    EXPECT_EQ(ship->adjacent, std::list<Netable*>{near});
    EXPECT_EQ(near->adjacent, (std::list<Netable*>{ship, far}));
    EXPECT_EQ(far->adjacent, std::list<Netable*>{near});
    EXPECT_TRUE(near->connected);
    EXPECT_TRUE(far->connected);
    EXPECT_EQ(far->path, (std::list<Netable*>{far, near, ship}));
    EXPECT_FALSE(alone->connected);
    EXPECT_TRUE(alone->adjacent.empty());
}

// Strengths live in 16-bit cells and vask is never 0 or below (negative vask
// would raise a shield): a map beyond either bound is corrected with one
// message per kind, not one per cell.
TEST(MapFile, StrengthsAreKeptWithinWhatACellHolds) {
    std::ostringstream out;
    writeHeader(out, vec3(1, 2, 1), 2, 2, 2);
    const int16_t vask[8] = {7, 0, -5, -32768, 32767, 1, 0, 0};
    for (int16_t v : vask) {
        writeI16(out, 2);
        writeI16(out, v);
    }
    writeI32(out, 2);
    writeU8(out, 2);
    for (int32_t strength : {int32_t(70000), INT32_MAX}) {
        writeI32(out, 1);
        for (int i = 0; i < 3; i++) writeF32(out, 1);
        for (int32_t v : {1, 50, strength, 0}) writeI32(out, v);
    }
    writeI32(out, 0);
    auto w = makeWorld(4, 4, 4);
    writeBytes("map_load.map", out.str());
    std::string err;
    bool clean;
    {
        CaptureOutput captured;
        clean = w->read("map_load.map");
        err = captured.errors();
    }
    EXPECT_FALSE(clean);
    const int16_t expected[8] = {7, 1, 1, 1, 32767, 1, 1, 1};
    for (size_t i = 0; i < 8; i++) EXPECT_EQ(w->blocks[i].data, expected[i]) << i;
    size_t first = err.find("vask cells of strength out of range");
    EXPECT_NE(first, std::string::npos) << err;
    EXPECT_EQ(err.find("vask cells of strength", first + 1), std::string::npos) << err;
    ASSERT_EQ(w->actives.size(), 2u);
    for (ActiveBlock* a : w->actives) EXPECT_EQ(static_cast<VaskMind*>(a)->strength, 32767);
}

// Found by fuzzing: a player start 13 million cells away hung the first tick,
// the player's physics stepping by fractions of a cell a float that large
// cannot hold. A start that far out is moved above the centre; one above the
// top (falling in) is kept.
TEST(MapFile, PlayerStartFarOutsideTheWorldIsMovedIn) {
    auto map = [](vec3 start) {
        std::ostringstream out;
        writeHeader(out, start, 6, 6, 6);
        for (int i = 0; i < 216; i++) writeI16(out, i % 6 == 0 ? 3 : 0);  // a stone floor at y = 0
        writeI32(out, 0);
        writeU8(out, 2);
        writeI32(out, 0);
        return out.str();
    };
    for (vec3 far : {vec3(50, 95, 1.31072e7f), vec3(-3e9f, 2, 2), vec3(2, 4e20f, 2), vec3(2, 2, 1100)}) {
        auto w = makeWorld(6, 6, 6);
        EXPECT_FALSE(load(*w, map(far)));
        EXPECT_EQ(w->player.pos, vec3(3.5f, 1.0f + w->player.size.y, 3.5f)) << far.z;
        w->tick(1);  // returns
    }
    auto w = makeWorld(6, 6, 6);
    EXPECT_TRUE(load(*w, map(vec3(2.5f, 40.0f, 2.5f))));
    EXPECT_EQ(w->player.pos, vec3(2.5f, 40.0f, 2.5f));
}

TEST(MapFile, AbsurdHeadersAreRefused) {
    for (uint32_t side : {0u, 1025u, 0xFFFFFFFFu}) {
        std::ostringstream out;
        writeHeader(out, vec3(1), side, 4, 4);
        auto w = makeWorld(5, 5, 5);
        EXPECT_FALSE(load(*w, out.str()));
        EXPECT_EQ(w->width, 5u);  // left as the constructed empty world
        EXPECT_EQ(w->blocks.size(), 125u);
    }
    std::ostringstream big;
    writeHeader(big, vec3(1), 1000, 1000, 1000);  // a billion cells
    auto w = makeWorld(5, 5, 5);
    EXPECT_FALSE(load(*w, big.str()));
    EXPECT_EQ(w->blocks.size(), 125u);
}

// A file far larger than any world a map can hold is refused before a byte of
// it is read (the test file is sparse: it takes no disk space).
TEST(MapFile, OversizedFilesAreRefusedUnread) {
    std::ostringstream out;
    writeHeader(out, vec3(1), 4, 4, 4);
    writeBytes("huge.map", out.str());
    ASSERT_EQ(truncate("huge.map", 2ll << 30), 0);
    auto w = makeWorld(5, 5, 5);
    std::string err;
    bool loaded;
    {
        CaptureOutput captured;
        loaded = w->read("huge.map");
        err = captured.errors();
    }
    EXPECT_FALSE(loaded);
    EXPECT_NE(err.find("huge.map: larger than any world a map can hold"), std::string::npos) << err;
    EXPECT_EQ(w->blocks.size(), 125u);
}

TEST(MapFile, AbsurdStringAndCountLengthsEndTheLoad) {
    std::string bytes = richMap();
    // The first dialog string length sits right after the first event's header.
    size_t events = bytes.rfind(std::string("\x28\0\0\0\0\0\0\0", 8));
    ASSERT_NE(events, std::string::npos);
    std::string huge = bytes;
    size_t len = events + 8 + 1 + 4;
    huge[len] = '\xff';
    huge[len + 1] = '\xff';
    huge[len + 2] = '\xff';
    huge[len + 3] = '\x7f';
    auto w = makeWorld(12, 12, 12);
    EXPECT_FALSE(load(*w, huge));
    EXPECT_EQ(w->actives.size(), 4u);  // what came before is kept
    EXPECT_TRUE(w->events.empty());

    std::string manyItems = bytes;
    manyItems[events + 9 + 3] = '\x40';
    auto v = makeWorld(12, 12, 12);
    EXPECT_FALSE(load(*v, manyItems));
}

TEST(MapFile, DamagedFilesNeverCrash) {
    std::string bytes = richMap();
    // Every truncation keeps what was read and never reads past the end.
    for (size_t cut = 0; cut < bytes.size(); cut++) {
        auto w = makeWorld(4, 4, 4);
        EXPECT_FALSE(load(*w, bytes.substr(0, cut))) << cut;
    }
    srand(1234);
    for (int round = 0; round < 300; round++) {
        std::string noisy = bytes;
        int flips = 1 + rand() % 8;
        for (int i = 0; i < flips; i++) noisy[size_t(rand()) % noisy.size()] = char(rand());
        auto w = makeWorld(4, 4, 4);
        load(*w, noisy);
        for (ActiveBlock* a : w->actives) EXPECT_TRUE(w->inWorld(int(a->pos.x), int(a->pos.y), int(a->pos.z)));
    }
    for (int round = 0; round < 50; round++) {
        std::string junk(size_t(rand() % 400), '\0');
        for (char& c : junk) c = char(rand());
        auto w = makeWorld(4, 4, 4);
        load(*w, junk);
    }
    auto w = makeWorld(4, 4, 4);
    EXPECT_FALSE(w->read("no_such_file.map"));
}

// A folder opens like a file and fails at the first read; the loader once let
// that failure escape as an exception and end the program.
TEST(MapFile, AFolderIsNoMap) {
    mkdir("folder.map", 0755);
    auto w = makeWorld(4, 4, 4);
    w->setBlock(1, 1, 1, 3, 0);
    CaptureOutput out;
    EXPECT_FALSE(w->read("folder.map"));
    EXPECT_NE(out.errors().find("Could not open map folder.map"), std::string::npos) << out.errors();
    EXPECT_EQ(w->width, 4u);
    EXPECT_EQ(w->getBlock(vec3(1, 1, 1)).type, 3);
    rmdir("folder.map");
}

// Found by fuzzing: a mind record at a position like 8e11 was converted to int
// before its range was checked (undefined behaviour). Found by the sanitizer
// run: an enemy turret aims from its loaded position while it is read, before
// the loader drops machines outside the world, and a far-off position was
// converted to int on the way. Both are dropped safely.
TEST(MapFile, MachinesFarOutsideTheWorldAreDropped) {
    std::ostringstream mind, turret;
    writeI32(mind, 1);
    for (float f : {8.24634e+11f, -3e30f, 0.0f}) writeF32(mind, f);
    for (int i = 0; i < 4; i++) writeI32(mind, 5);
    writeI32(turret, 15);
    for (float f : {1.47572e+20f, 0.0f, float(NAN)}) writeF32(turret, f);
    writeI32(turret, 1);
    writeI32(turret, 50);
    writeF32(turret, 10);
    writeI32(turret, 1);
    for (const std::string& record : {mind.str(), turret.str()}) {
        std::ostringstream out;
        writeHeader(out, vec3(1), 2, 2, 2);
        for (int i = 0; i < 8; i++) writeI16(out, 0);
        writeI32(out, 1);
        writeU8(out, 2);
        out << record;
        writeI32(out, 0);
        auto w = makeWorld(2, 2, 2);
        EXPECT_FALSE(load(*w, out.str()));
        EXPECT_TRUE(w->actives.empty());
    }
}
