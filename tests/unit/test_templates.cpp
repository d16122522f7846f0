#include "MachineFixture.h"

#include "machines/Activate.h"
#include "machines/AutoTurret.h"
#include "machines/Relay.h"
#include "machines/Template.h"
#include "machines/TemplateBlock.h"
#include "machines/Turret.h"
#include "panels/StatusScreen.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<std::tuple<int, int, int>, int> entries(const Template& t) {
    std::map<std::tuple<int, int, int>, int> m;
    for (const auto& e : t.data) m[{int(e.first.x), int(e.first.y), int(e.first.z)}] = e.second;
    return m;
}

}  // namespace

TEST(Template, CapturesABuiltMachineWithItsHeadBlock) {
    auto w = makeBaseWorld();
    buildRelay(*w, vec3(5, 1, 5));
    ASSERT_NE(machineAt<Relay>(*w, vec3(5, 2, 5)), nullptr);
    Template t(w.get(), vec3(6, 1, 5));
    EXPECT_EQ(t.start, vec3(6, 1, 5));
    std::map<std::tuple<int, int, int>, int> expected{{{0, 0, 0}, MATTER}, {{-1, 0, 0}, RELAY}, {{-1, 1, 0}, RELAY}};
    EXPECT_EQ(entries(t), expected);
}

TEST(Template, StartsAtTheLowestCellReachedFirst) {
    auto w = makeWorld(12, 12, 12);
    // From (5,2,5) the +x branch is walked first and reaches (6,1,5) before
    // the -x branch reaches the equally low (4,1,5).
    lay(*w, {{vec3(5, 2, 5), GEN}, {vec3(6, 2, 5), GEN}, {vec3(6, 1, 5), CAP}, {vec3(4, 2, 5), GEN},
             {vec3(4, 1, 5), SENSOR}});
    Template t(w.get(), vec3(5, 2, 5));
    EXPECT_EQ(t.start, vec3(6, 1, 5));
    auto m = entries(t);
    EXPECT_EQ(m.size(), 5u);
    EXPECT_EQ((m[{0, 0, 0}]), CAP);
    EXPECT_EQ((m[{-2, 0, 0}]), SENSOR);
    EXPECT_EQ((m[{-1, 1, 0}]), GEN);
}

TEST(Template, CapturesATurretsBarrelNotItsHiddenBlocks) {
    auto w = makeBaseWorld();
    layTurret(*w);
    activate(vec3(5, 3, 5), w.get());
    ASSERT_NE(machineAt<Turret>(*w, vec3(5, 2, 5)), nullptr);
    ASSERT_EQ(w->cell(5, 3, 5).type, 6);
    Template t(w.get(), vec3(5, 1, 5));
    std::map<std::tuple<int, int, int>, int> expected{
        {{0, 0, 0}, CAP}, {{0, 1, 0}, MATTER}, {{0, 2, 0}, GEN}, {{0, 3, 0}, RELAY}, {{1, 3, 0}, SENSOR}};
    EXPECT_EQ(entries(t), expected);
}

TEST(Template, CapturesAMortarsDomeAsRelays) {
    auto w = makeBaseWorld();
    layMortar(*w);
    activate(vec3(5, 2, 5), w.get());
    ASSERT_EQ(countMachines(*w, TYPE_MORTOR), 1);
    Template t(w.get(), vec3(4, 2, 5));
    auto m = entries(t);
    EXPECT_EQ(m.size(), 11u);
    int relays = 0;
    for (auto& e : m) {
        EXPECT_NE(e.second, 6);
        relays += e.second == RELAY;
    }
    EXPECT_EQ(relays, 5);
    EXPECT_EQ((m[{1, 1, 0}]), MATTER);  // the mortar's own cell, by its head
}

TEST(Template, LeavesOutTheEnemyTurret) {
    auto w = makeWorld(12, 12, 12);
    install(*w, vec3(5, 1, 5), new AutoTurret(w.get()));
    lay(*w, {{vec3(6, 1, 5), GEN}, {vec3(4, 1, 5), GEN}});
    Template t(w.get(), vec3(6, 1, 5));
    std::map<std::tuple<int, int, int>, int> expected{{{0, 0, 0}, GEN}};
    EXPECT_EQ(entries(t), expected);
}

TEST(ConstructionSite, IsSuppliedByTheShipAndBecomesThePattern) {
    auto w = makeFloorWorld(14, 12, 14);
    Ship* ship = placeShip(*w, vec3(1, 1, 12));  // out of the relay's reach
    buildRelay(*w, vec3(5, 1, 5));
    Template t(w.get(), vec3(6, 1, 5));
    TemplateBlock* site = new TemplateBlock(w.get(), t);
    EXPECT_EQ(site->needs.matter, 1);
    EXPECT_EQ(site->needs.relays, 2);
    install(*w, vec3(10, 1, 10), site);
    EXPECT_EQ(w->cell(10, 1, 10).type, 14);
    site->onClick();
    StatusScreen* panel = getStatusScreen(w.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->name, "TemplateBlock");
    ASSERT_EQ(panel->labels.size(), 5u);
    int* shownRelays = std::next(panel->labels.begin(), 3)->num1;
    EXPECT_EQ(*shownRelays, 2);

    runTicks(*w, 1, 5);
    EXPECT_EQ(ship->store.matter, 4);
    EXPECT_EQ(ship->store.relays, 3);
    EXPECT_TRUE(site->reqLock);
    EXPECT_EQ(countEntities(*w), 1);
    runTicks(*w, 6, 200);  // delivered, not yet built
    EXPECT_EQ(*shownRelays, 0);
    EXPECT_TRUE(site->alive);
    runTicks(*w, 201, 203);
    EXPECT_FALSE(site->alive);
    setStatusScreen(w.get(), nullptr);
    stepWorld(*w, 204);
    EXPECT_EQ(countMachines(*w, TYPE_TEMPLATE), 0);
    EXPECT_EQ(w->cell(10, 1, 10).type, MATTER);
    EXPECT_EQ(w->cell(9, 1, 10).type, RELAY);
    EXPECT_EQ(w->cell(9, 2, 10).type, RELAY);
    EXPECT_EQ(w->cell(9, 2, 10).data, 10);
    EXPECT_EQ(ship->store.matter, 4);
    EXPECT_EQ(ship->store.relays, 3);

    activate(vec3(10, 1, 10), w.get());
    EXPECT_NE(machineAt<Relay>(*w, vec3(9, 2, 10)), nullptr);
}

TEST(ConstructionSite, WaitsForShortSuppliesAndNeverOverwrites) {
    auto w = makeFloorWorld(14, 12, 14);
    Ship* ship = placeShip(*w, vec3(1, 1, 12));  // out of the relay's reach
    buildRelay(*w, vec3(5, 1, 5));
    Template t(w.get(), vec3(6, 1, 5));
    ship->store.relays = 1;
    lay(*w, {{vec3(9, 2, 10), 3}});
    TemplateBlock* site = addMachine<TemplateBlock>(*w, vec3(10, 1, 10), t);
    runTicks(*w, 1, 300);
    EXPECT_TRUE(site->alive);
    EXPECT_EQ(site->needs.relays, 1);
    EXPECT_EQ(site->needs.matter, 0);
    EXPECT_EQ(ship->store.relays, 0);
    ship->store.relays = 4;
    runTicks(*w, 301, 600);
    EXPECT_EQ(countMachines(*w, TYPE_TEMPLATE), 0);
    EXPECT_EQ(ship->store.relays, 3);
    EXPECT_EQ(w->cell(9, 2, 10).type, 3);  // the stone stays
    EXPECT_EQ(w->cell(9, 1, 10).type, RELAY);
    EXPECT_EQ(w->cell(10, 1, 10).type, MATTER);
}

TEST(ConstructionSite, IgnoresPlanEntriesThatAreNoMachineParts) {
    auto w = makeWorld(12, 12, 12);
    Template t;
    t.data.insert({vec3(0, 0, 0), 0});  // a captured construction site's head
    t.data.insert({vec3(1, 0, 0), 47});
    t.data.insert({vec3(0, 1, 0), 5});
    TemplateBlock* site = new TemplateBlock(w.get(), t);
    for (int n : site->needs.data) EXPECT_EQ(n, 0);
    install(*w, vec3(4, 1, 4), site);
    runTicks(*w, 1, 4);
    EXPECT_EQ(countMachines(*w, TYPE_TEMPLATE), 0);
    EXPECT_EQ(w->cell(4, 1, 4).type, 0);
    EXPECT_EQ(w->cell(5, 1, 4).type, 47);
    EXPECT_EQ(w->cell(4, 2, 4).type, 0);
}
