#include "MachineFixture.h"

#include "machines/Activate.h"
#include "machines/Factory.h"
#include "machines/Generator.h"
#include "machines/Mine.h"
#include "machines/Relay.h"
#include "machines/ScienceCenter.h"
#include "panels/StatusScreen.h"

#include <gtest/gtest.h>

TEST(Ship, StartsStockedAndEarnsEnergySlowly) {
    auto w = makeWorld(12, 12, 12);
    Ship* ship = placeShip(*w, vec3(2, 1, 2));
    EXPECT_EQ(ship->store.matter, 5);
    EXPECT_EQ(ship->store.gens, 5);
    EXPECT_EQ(ship->store.relays, 5);
    EXPECT_EQ(ship->store.caps + ship->store.sensors, 0);
    EXPECT_FLOAT_EQ(ship->store.energy, 0);
    runTicks(*w, 1, 101);
    EXPECT_FLOAT_EQ(ship->store.energy, 2);  // ticks 2 and 52
    stepWorld(*w, 102);
    EXPECT_FLOAT_EQ(ship->store.energy, 3);

    // A ship whose cell is taken is destroyed.
    w->setBlockAndUpdate(2, 1, 2, 3, 0);
    stepWorld(*w, 103);
    EXPECT_FALSE(ship->alive);
    stepWorld(*w, 104);
    EXPECT_EQ(w->theShip, nullptr);
    EXPECT_TRUE(w->actives.empty());
}

TEST(Ship, EmptiesAGeneratorAndAMine) {
    auto w = makeWorld(20, 12, 20);
    Ship* ship = placeShip(*w, vec3(2, 1, 2));
    Generator* g = addMachine<Generator>(*w, vec3(5, 1, 2), 0, 0, 0, noPattern);
    g->storage = 7;
    resourceStruct mineParts = parts(0, 1, 0, 1, 0);
    Mine* m = addMachine<Mine>(*w, vec3(2, 1, 5), 1, 1, 1, 3, 3, mineParts, noPattern);
    m->store = 4;
    m->energy = 30;  // over its capacity: the mine asks for nothing
    runTicks(*w, 1, 5);
    EXPECT_FLOAT_EQ(g->storage, 0);
    EXPECT_EQ(m->store, 0);
    EXPECT_FLOAT_EQ(m->energy, 30);  // asked for matter only
    runTicks(*w, 6, 100);
    EXPECT_FLOAT_EQ(ship->store.energy, 2 + 7);
    EXPECT_EQ(ship->store.matter, 5 + 4);
}

TEST(Generator, MakesOneEnergyPerRateTicks) {
    auto w = makeWorld(12, 12, 12);
    Generator* one = addMachine<Generator>(*w, vec3(2, 1, 2), 1, 0, 0, noPattern);
    Generator* four = addMachine<Generator>(*w, vec3(9, 1, 9), 4, 0, 0, noPattern);
    runTicks(*w, 1, 48);
    EXPECT_FLOAT_EQ(four->storage, 0);
    stepWorld(*w, 49);
    EXPECT_FLOAT_EQ(four->storage, 1);
    runTicks(*w, 50, 199);
    EXPECT_FLOAT_EQ(one->storage, 0);
    stepWorld(*w, 200);
    EXPECT_FLOAT_EQ(one->storage, 1);
    runTicks(*w, 201, 1000);
    EXPECT_FLOAT_EQ(four->storage, four->maxStorage);  // full, not beyond
}

TEST(Generator, AsksAMuchFullerNeighbourForHalfTheDifference) {
    auto w = makeWorld(12, 12, 12);
    Generator* full = addMachine<Generator>(*w, vec3(2, 1, 2), 0, 0, 0, noPattern);
    Generator* low = addMachine<Generator>(*w, vec3(4, 1, 2), 0, 0, 0, noPattern);
    full->storage = 10;
    low->storage = 2;
    stepWorld(*w, 5);
    EXPECT_FLOAT_EQ(full->storage, 6);
    EXPECT_TRUE(low->reqLock);
    runTicks(*w, 6, 80);
    EXPECT_FLOAT_EQ(low->storage, 6);
    EXPECT_FALSE(low->reqLock);
    // A difference of 5 or less is left alone.
    runTicks(*w, 81, 200);
    EXPECT_FLOAT_EQ(full->storage, 6);
}

TEST(Factory, TurnsMatterIntoTheSelectedItem) {
    auto w = makeWorld(12, 12, 12);
    Factory* f = addMachine<Factory>(*w, vec3(2, 1, 2), 0, 0, 1, 0, 9, noPattern);
    ASSERT_EQ(f->rate, 2);
    f->onClick();
    StatusScreen* panel = getStatusScreen(w.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->name, "Factory");
    ASSERT_EQ(panel->labels.size(), 9u);
    EXPECT_EQ(panel->labels.back().name, "Progress");
    EXPECT_EQ(panel->labels.back().dispMode, 2);
    ASSERT_EQ(panel->buttons.size(), 1u);
    panel->buttons.front().activate();
    panel->buttons.front().activate();  // mode 2: relays
    f->store.matter = 1;
    f->store.energy = 100;
    runTicks(*w, 1, 993);  // 100 working steps: progress 200, not yet more
    EXPECT_EQ(f->store.matter, 1);
    EXPECT_EQ(f->progress, 200);
    stepWorld(*w, 1003);
    EXPECT_EQ(f->store.matter, 0);
    EXPECT_EQ(f->store.relays, 1);
    EXPECT_EQ(f->progress, 0);
    EXPECT_NEAR(f->store.energy, 100 - 101 * 0.2, 1e-3);
    setStatusScreen(w.get(), nullptr);

    // Without energy above 0.3 nothing moves.
    Factory* idle = addMachine<Factory>(*w, vec3(9, 1, 9), 0, 0, 1, 0, 9, noPattern);
    idle->store.matter = 1;
    idle->store.energy = 0.3f;
    runTicks(*w, 1004, 1100);
    EXPECT_EQ(idle->progress, 0);
}

TEST(Factory, ExcessCargoIsTakenFromMatter) {
    auto w = makeWorld(12, 12, 12);
    Factory* f = addMachine<Factory>(*w, vec3(2, 1, 2), 0, 0, 1, 0, 9, noPattern);
    ASSERT_EQ(f->maxStore, 3);
    f->store.matter = 2;
    resourceStruct cargo = parts(0, 3, 0, 0, 0);
    cargo.energy = 100;
    f->takeCargo(cargo);
    EXPECT_EQ(f->store.matter, 0);
    EXPECT_EQ(f->store.gens, 3);
    EXPECT_FLOAT_EQ(f->store.energy, 15);  // 1.5 x its capacity of 10
    // Matter never goes below nothing, even when the goods alone overflow.
    f->takeCargo(parts(0, 2, 0, 0, 0));
    EXPECT_EQ(f->store.matter, 0);
    EXPECT_EQ(f->store.gens, 5);
}

TEST(Factory, FeedsRelaysWithItsGoodsAndAsksThemForMatter) {
    auto w = makeWorld(20, 12, 20);
    Factory* f = addMachine<Factory>(*w, vec3(2, 1, 2), 0, 2, 1, 0, 9, noPattern);
    Relay* r = addMachine<Relay>(*w, vec3(4, 1, 2), 0, 0, 0, 12, noPattern);
    f->store.gens = 3;
    f->tabulateCargo();
    r->store.matter = 8;
    r->store.energy = 10;
    stepWorld(*w, 5);
    EXPECT_EQ(f->store.gens, 1);  // a relay keeps at most two of each
    EXPECT_EQ(f->cargo, 1);
    EXPECT_EQ(r->store.matter, 8 - (5 - 3));  // the room the factory had then
    EXPECT_FLOAT_EQ(r->store.energy, 0);      // all ten it was missing
    runTicks(*w, 6, 14);
    EXPECT_TRUE(f->reqLock);  // one order outstanding
    runTicks(*w, 15, 50);  // delivered, before the next working step
    EXPECT_EQ(r->store.gens, 2);
    EXPECT_EQ(f->store.matter, 2);
    EXPECT_FLOAT_EQ(f->store.energy, 10);
}

TEST(ScienceCenter, LevelsUpPastEightThenSixteenThousand) {
    auto w = makeWorld(30, 12, 30);
    Ship* ship = placeShip(*w, vec3(25, 1, 25));
    resourceStruct kit = parts(2, 100, 0, 1, 0);
    ScienceCenter* sc = addMachine<ScienceCenter>(*w, vec3(2, 1, 2), kit, noPattern);
    ASSERT_EQ(sc->rate, 100);
    sc->mode = 1;
    sc->energy = 1e6f;
    sc->onClick();
    runTicks(*w, 1, 80);
    EXPECT_EQ(ship->levels.gens, 0);
    EXPECT_EQ(sc->progress, 8000);
    stepWorld(*w, 81);
    EXPECT_EQ(ship->levels.gens, 1);
    EXPECT_EQ(sc->progress, 0);
    runTicks(*w, 82, 241);
    EXPECT_EQ(ship->levels.gens, 1);
    EXPECT_EQ(sc->difficulty, 16000);
    stepWorld(*w, 242);
    EXPECT_EQ(ship->levels.gens, 2);
    // The open panel shows the new level.
    StatusScreen* panel = getStatusScreen(w.get());
    ASSERT_NE(panel, nullptr);
    auto label = std::next(panel->labels.begin(), 3);
    EXPECT_EQ(label->name, "Generators");
    EXPECT_EQ(*label->num1, 2);
    EXPECT_EQ(ship->levels.matter + ship->levels.caps + ship->levels.relays + ship->levels.sensors, 0);
}

TEST(ScienceCenter, ResearchesNothingWithoutAShip) {
    auto w = makeWorld(12, 12, 12);
    resourceStruct kit = parts(2, 100, 0, 1, 0);
    ScienceCenter* sc = addMachine<ScienceCenter>(*w, vec3(2, 1, 2), kit, noPattern);
    sc->energy = 1e6f;
    testing::internal::CaptureStdout();
    runTicks(*w, 1, 200);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(sc->progress, 200 * 100);
    EXPECT_EQ(sc->difficulty, 5000);
    EXPECT_FALSE(sc->handleRequest(parts(1, 0, 0, 0, 0), sc));
}

TEST(Mine, DigsItsColumnAtItsRate) {
    auto w = makeFloorWorld(12, 12, 12);
    lay(*w, {{vec3(5, 1, 5), 3}, {vec3(5, 2, 5), 33}, {vec3(5, 3, 5), 12}, {vec3(6, 3, 5), 10}});
    activate(vec3(5, 3, 5), w.get());
    Mine* m = machineAt<Mine>(*w, vec3(5, 3, 5));
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->dmg, 1);
    ASSERT_EQ(m->rate, 60);
    m->energy = 10;
    runTicks(*w, 1, 21 * 60 - 1);
    EXPECT_EQ(w->cell(5, 2, 5).type, 33);
    EXPECT_EQ(m->store, 0);
    stepWorld(*w, 21 * 60);
    EXPECT_EQ(w->cell(5, 2, 5).type, 0);
    EXPECT_EQ(m->store, 1);
    EXPECT_NEAR(m->energy, 10 - 21 * 0.1, 1e-4);
    runTicks(*w, 21 * 60 + 1, 42 * 60);
    EXPECT_EQ(w->cell(5, 1, 5).type, 0);
    EXPECT_EQ(w->cell(5, 0, 5).type, 3);  // the bottom layer is never dug
    EXPECT_EQ(m->store, 2);

    // Nothing left in reach: however strong, it makes no matter out of air.
    m->dmg = 40;
    m->energy = 30;
    runTicks(*w, 42 * 60 + 1, 50 * 60);
    EXPECT_EQ(m->store, 2);
}

TEST(Mine, RefusesCellsBeyondItsRange) {
    auto w = makeFloorWorld(12, 12, 12);
    lay(*w, {{vec3(5, 3, 5), 3}});
    resourceStruct kit = parts(0, 1, 0, 1, 0);
    Mine* m = addMachine<Mine>(*w, vec3(5, 9, 5), 9, 4, 4, 6, 6, kit, noPattern);
    EXPECT_FLOAT_EQ(m->range, 5);
    EXPECT_FALSE(m->canTarget(5, 3, 5));  // 6 cells down
    m->energy = 10;
    runTicks(*w, 1, 60 * 30);
    EXPECT_EQ(w->cell(5, 3, 5).type, 3);
    EXPECT_EQ(m->store, 0);
    lay(*w, {{vec3(5, 4, 5), 3}});
    EXPECT_TRUE(m->canTarget(5, 4, 5));  // exactly the range
    runTicks(*w, 60 * 30 + 1, 60 * 60);
    EXPECT_EQ(w->cell(5, 4, 5).type, 0);
    EXPECT_EQ(m->store, 1);
}

TEST(Mine, StepLengthAndGiving) {
    auto w = makeWorld(20, 12, 20);
    resourceStruct three = parts(0, 1, 0, 3, 0), many = parts(0, 1, 0, 61, 0);
    Mine* m = addMachine<Mine>(*w, vec3(2, 1, 2), 1, 1, 1, 3, 3, three, noPattern);
    EXPECT_EQ(m->rate, 20);
    Mine* huge = addMachine<Mine>(*w, vec3(15, 1, 15), 1, 1, 1, 3, 3, many, noPattern);
    EXPECT_EQ(huge->rate, 1);

    Relay* r = addMachine<Relay>(*w, vec3(4, 1, 2), 0, 0, 0, 12, noPattern);
    resourceStruct ask;
    ask.matter = 2;
    EXPECT_FALSE(m->handleRequest(ask, r));  // nothing stored yet
    m->store = 3;
    EXPECT_TRUE(m->handleRequest(ask, r));
    EXPECT_EQ(m->store, 1);
    m->energy = 0;
    resourceStruct all;
    all.matter = -1;
    EXPECT_FALSE(m->handleRequest(all, r));  // without energy "everything" is refused
}
