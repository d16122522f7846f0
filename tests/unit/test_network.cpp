#include "MachineFixture.h"

#include "machines/Activate.h"
#include "machines/AutoTurret.h"
#include "machines/EntityPacket.h"
#include "machines/Generator.h"
#include "machines/Relay.h"
#include "machines/VaskMind.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A generator of range 3 holding `energy`, making none of its own.
Generator* idleGenerator(World& w, vec3 p, float energy) {
    Generator* g = addMachine<Generator>(w, p, 0, 10, 0, noPattern);
    g->storage = energy;
    return g;
}

// A relay of range 2 with energy room 10 and matter room 10.
Relay* plainRelay(World& w, vec3 p) { return addMachine<Relay>(w, p, 0, 0, 0, 12, noPattern); }

bool linked(Netable* a, Netable* b) {
    return std::count(a->adjacent.begin(), a->adjacent.end(), b) == 1 &&
           std::count(b->adjacent.begin(), b->adjacent.end(), a) == 1;
}

}  // namespace

TEST(Network, LinksOnlyStrictlyWithinTheSumOfRanges) {
    auto w = makeWorld(20, 12, 20);
    Generator* g = idleGenerator(*w, vec3(2, 2, 2), 0);
    Relay* near = plainRelay(*w, vec3(6, 4, 4));  // distance sqrt(24), just under 5
    Relay* far = plainRelay(*w, vec3(2, 2, 7));   // exactly 5
    EXPECT_FLOAT_EQ(g->range + near->range, 5.0f);
    EXPECT_TRUE(linked(g, near));
    EXPECT_TRUE(std::find(g->adjacent.begin(), g->adjacent.end(), far) == g->adjacent.end());
    EXPECT_TRUE(far->adjacent.empty() || far->adjacent.front() == near);
}

TEST(Network, ARelayBetweenJoinsAnIsolatedMachineToTheShip) {
    auto w = makeWorld(20, 12, 20);
    Ship* ship = placeShip(*w, vec3(2, 1, 2));
    Generator* g = idleGenerator(*w, vec3(12, 1, 2), 0);
    EXPECT_TRUE(g->adjacent.empty());
    EXPECT_FALSE(g->connected);
    EXPECT_TRUE(ship->connected);

    Relay* r = plainRelay(*w, vec3(8, 1, 2));
    EXPECT_TRUE(linked(r, ship));
    EXPECT_TRUE(linked(r, g));
    EXPECT_TRUE(g->connected);
    std::list<Netable*> route{g, r, ship};
    EXPECT_EQ(g->path, route);

    // Taking the relay away cuts the generator off again.
    w->removeActiveBlock(8, 1, 2);
    w->updateNet();
    EXPECT_TRUE(g->adjacent.empty());
    EXPECT_FALSE(g->connected);
    EXPECT_TRUE(g->path.empty());
}

TEST(Network, RelayAsksAGeneratorForItsMissingEnergy) {
    auto w = makeWorld(20, 12, 20);
    Generator* rich = idleGenerator(*w, vec3(2, 1, 2), 20);
    Relay* r = plainRelay(*w, vec3(4, 1, 2));
    r->store.energy = 3;
    stepWorld(*w, 5);
    EXPECT_FLOAT_EQ(rich->storage, 13);  // exactly the 7 missing
    EXPECT_EQ(countEntities(*w), 1);
    // A relay does not wait for its packet: ten ticks later it asks again.
    runTicks(*w, 6, 15);
    EXPECT_FLOAT_EQ(r->store.energy, 3);
    EXPECT_FLOAT_EQ(rich->storage, 6);
    runTicks(*w, 16, 100);
    EXPECT_EQ(countEntities(*w), 0);
    EXPECT_FLOAT_EQ(r->store.energy, 15);  // 17 arrived, half again the room kept

    // A poorer generator gives everything it has.
    auto v = makeWorld(20, 12, 20);
    Generator* poor = idleGenerator(*v, vec3(2, 1, 2), 4);
    Relay* s = plainRelay(*v, vec3(4, 1, 2));
    runTicks(*v, 1, 60);
    EXPECT_FLOAT_EQ(poor->storage, 0);
    EXPECT_FLOAT_EQ(s->store.energy, 4);
    // An empty generator answers no.
    resourceStruct ask;
    ask.energy = 1;
    EXPECT_FALSE(poor->handleRequest(ask, s));
}

TEST(Network, RelaysShareHalfOfAWholeSurplus) {
    auto w = makeWorld(20, 12, 20);
    Relay* a = plainRelay(*w, vec3(2, 1, 2));
    Relay* b = plainRelay(*w, vec3(4, 1, 2));
    a->store.matter = 3;
    a->store.energy = 7;
    stepWorld(*w, 5);
    EXPECT_EQ(a->store.matter, 2);
    EXPECT_FLOAT_EQ(a->store.energy, 3.5f);
    ASSERT_EQ(countEntities(*w), 1);
    runTicks(*w, 6, 14);
    EXPECT_EQ(b->store.matter, 0);  // still in flight
    runTicks(*w, 15, 120);
    EXPECT_EQ(a->store.matter + b->store.matter, 3);
    EXPECT_FLOAT_EQ(a->store.energy + b->store.energy, 7);

    // A difference of one block, or of two energy, moves nothing.
    auto v = makeWorld(20, 12, 20);
    Relay* c = plainRelay(*v, vec3(2, 1, 2));
    Relay* d = plainRelay(*v, vec3(4, 1, 2));
    c->store.matter = 1;
    c->store.energy = 2;
    runTicks(*v, 1, 100);
    EXPECT_EQ(countEntities(*v), 0);
    EXPECT_EQ(c->store.matter, 1);
    EXPECT_FLOAT_EQ(d->store.energy, 0);
}

TEST(Network, RelayKeepsHalfAgainItsEnergyCapacityAndClampsCounts) {
    auto w = makeWorld(20, 12, 20);
    Relay* r = plainRelay(*w, vec3(2, 1, 2));
    r->reqLock = true;
    resourceStruct cargo;
    cargo.energy = 20;
    cargo.matter = 25;
    cargo.gens = 3;
    r->takeCargo(cargo);
    EXPECT_FLOAT_EQ(r->store.energy, 15);
    EXPECT_EQ(r->store.matter, 10);
    EXPECT_EQ(r->store.gens, 2);
    EXPECT_FALSE(r->reqLock);
}

TEST(Network, RelayAndShipEvenOutTheirStores) {
    auto w = makeWorld(20, 12, 20);
    Ship* ship = placeShip(*w, vec3(2, 1, 2));
    Relay* r = plainRelay(*w, vec3(5, 1, 2));
    ship->store.energy = 30;
    stepWorld(*w, 5);
    EXPECT_FLOAT_EQ(ship->store.energy, 15);  // (max(30, 10) - 0) / 2
    EXPECT_EQ(ship->store.matter, 3);         // (5 - 0) / 2 = 2 given
    EXPECT_FALSE(r->reqLock);

    // The ship drains a relay's finished goods and half its surplus.
    auto v = makeWorld(20, 12, 20);
    Ship* s = placeShip(*v, vec3(2, 1, 2));
    Relay* q = plainRelay(*v, vec3(5, 1, 2));
    q->store.gens = 2;
    q->store.sensors = 1;
    q->store.matter = 10;
    q->store.energy = 10;
    stepWorld(*v, 5);
    EXPECT_EQ(q->store.gens, 0);
    EXPECT_EQ(q->store.sensors, 0);
    EXPECT_EQ(q->store.matter, 10 - (10 - 5) / 2);
    EXPECT_FLOAT_EQ(q->store.energy, 5);
    EXPECT_EQ(countEntities(*v), 2);
    runTicks(*v, 6, 14);
    EXPECT_EQ(s->store.gens, 5);
    runTicks(*v, 15, 100);
    EXPECT_EQ(s->store.gens, 7);
    EXPECT_EQ(s->store.sensors, 1);
}

TEST(Network, PacketToAShutDownMachineIsLostAtItsWaypoint) {
    auto w = makeFloorWorld(20, 12, 20);
    Relay* giver = plainRelay(*w, vec3(2, 1, 2));
    giver->store.matter = 2;
    lay(*w, {{vec3(5, 1, 2), 12}, {vec3(5, 2, 2), 12}});
    activate(vec3(5, 1, 2), w.get());
    Relay* asker = machineAt<Relay>(*w, vec3(5, 2, 2));
    ASSERT_NE(asker, nullptr);
    ASSERT_TRUE(linked(giver, asker));
    stepWorld(*w, 5);
    EXPECT_EQ(giver->store.matter, 1);
    ASSERT_EQ(countEntities(*w), 1);
    w->setBlockAndUpdate(5, 1, 2, 0, 0);  // break the asker's pattern
    runTicks(*w, 6, 21);
    EXPECT_EQ(machineAt<Relay>(*w, vec3(5, 2, 2)), nullptr);
    EXPECT_EQ(w->cell(5, 2, 2).type, 12);  // its head block is back
    runTicks(*w, 22, 200);
    EXPECT_EQ(countMachines(*w, TYPE_RELAY), 1);
    EXPECT_EQ(countEntities(*w), 0);
    EXPECT_EQ(giver->store.matter, 1);
    EXPECT_TRUE(giver->adjacent.empty());
}

TEST(Network, PacketSpeedFollowsMatterResearch) {
    auto w = makeWorld(20, 12, 20);
    Ship* ship = placeShip(*w, vec3(2, 1, 2));
    Relay* r = plainRelay(*w, vec3(5, 1, 2));
    EntityPacket slow(w.get(), vec3(2.5f, 1.5f, 2.5f), {ship, r});
    EXPECT_FLOAT_EQ(slow.speed, 0.05f);
    ship->levels.matter = 3;
    EntityPacket fast(w.get(), vec3(2.5f, 1.5f, 2.5f), {ship, r});
    EXPECT_FLOAT_EQ(fast.speed, 0.2f);
    fast.update();  // reaches the first waypoint, then flies on
    fast.update();
    EXPECT_NEAR(fast.pos.x, 2.7f, 1e-5);
    EXPECT_TRUE(fast.alive);
}

TEST(Network, MinedBlocksGoBackToTheShip) {
    auto w = makeWorld(12, 12, 12);
    Ship* ship = placeShip(*w, vec3(2, 1, 2));
    returnMatter(ship, 3);
    returnMatter(ship, 11);
    returnMatter(ship, 9);
    EXPECT_EQ(ship->store.matter, 7);
    EXPECT_EQ(ship->store.caps, 1);
}

TEST(Network, ClosestMachineCountsEnemyTurretsButNotMinds) {
    auto w = makeWorld(20, 12, 20);
    install(*w, vec3(1, 1, 1), new VaskMind(w.get(), 0, 10, 50, 1));
    EXPECT_EQ(getClosestNetable(w.get(), vec3(1, 1, 1)), nullptr);
    Relay* r = plainRelay(*w, vec3(10, 1, 10));
    AutoTurret* t = addMachine<AutoTurret>(*w, vec3(4, 1, 4));
    EXPECT_EQ(getClosestNetable(w.get(), vec3(1, 1, 1)), t);
    EXPECT_EQ(getClosestNetable(w.get(), vec3(9, 1, 9)), r);
}
