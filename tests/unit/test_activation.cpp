#include "MachineFixture.h"

#include "machines/Activate.h"
#include "machines/Factory.h"
#include "machines/Generator.h"
#include "machines/Mine.h"
#include "machines/Mortor.h"
#include "machines/Relay.h"
#include "machines/ScienceCenter.h"
#include "machines/Shield.h"
#include "machines/Turret.h"

#include <gtest/gtest.h>

namespace {

using Cells = std::initializer_list<std::pair<vec3, int>>;

// Lays `cells` on a fresh base world (over a mortar's pattern if asked) and
// clicks `at` with the activation tool.
std::unique_ptr<World> clicked(Cells cells, vec3 at, bool overMortar = false) {
    auto w = makeBaseWorld();
    if (overMortar) layMortar(*w);
    lay(*w, cells);
    activate(at, w.get());
    return w;
}

// n gen blocks in rows of six at y = 1, starting at (2, 1, 2).
void layGenSlab(World& w, int n) {
    for (int i = 0; i < n; i++) w.setBlock(2 + i % 6, 1, 2 + i / 6, GEN, 0);
}

}  // namespace

TEST(Activation, GeneratorRateFollowsGroupSize) {
    const int sizes[] = {1, 4, 25, 34, 40};
    const int rates[] = {199, 192, 75, 1, 1};
    for (int k = 0; k < 5; k++) {
        auto w = makeBaseWorld();
        w->theShip->levels.gens = 10;  // room for groups of up to 44 blocks
        w->theShip->levels.caps = 2;
        layGenSlab(*w, sizes[k]);
        w->setBlock(2, 2, 2, CAP, 0);
        activate(vec3(2, 1, 2), w.get());
        Generator* g = machineAt<Generator>(*w, vec3(2, 1, 2));
        ASSERT_NE(g, nullptr) << sizes[k] << " gens";
        EXPECT_EQ(g->rate, rates[k]) << sizes[k] << " gens";
        EXPECT_EQ(g->speed, sizes[k]);
        EXPECT_FLOAT_EQ(g->maxStorage, 2 + 3 * 1 + 10);
        EXPECT_EQ(g->blocks.size(), size_t(sizes[k] + 1));
        EXPECT_EQ(w->cell(2, 1, 2).type, 14);
        EXPECT_EQ(w->cell(3, 1, 2).type, sizes[k] > 1 ? GEN : 0);  // the rest of the pattern stays
    }
}

TEST(Activation, GeneratorSizeLimitFollowsResearch) {
    auto w = makeBaseWorld();
    layGenSlab(*w, 5);
    activate(vec3(2, 1, 2), w.get());
    EXPECT_EQ(countMachines(*w, TYPE_GENERATOR), 0);
    EXPECT_EQ(w->cell(2, 1, 2).type, GEN);

    w->setBlock(6, 1, 2, 0, 0);  // four are enough
    activate(vec3(2, 1, 2), w.get());
    EXPECT_EQ(countMachines(*w, TYPE_GENERATOR), 1);

    auto v = makeBaseWorld();
    v->theShip->levels.gens = 1;
    layGenSlab(*v, 8);
    activate(vec3(3, 1, 2), v.get());
    EXPECT_NE(machineAt<Generator>(*v, vec3(3, 1, 2)), nullptr);
}

// The levels are read once per collected group, however many blocks it has.
TEST(Activation, WithoutAShipLevelsAreZeroAndTheGroupSaysSoOnce) {
    auto w = makeFloorWorld(12, 12, 12);
    layGenSlab(*w, 4);
    testing::internal::CaptureStdout();
    activate(vec3(2, 1, 2), w.get());
    std::string out = testing::internal::GetCapturedStdout();
    size_t first = out.find("No ship found, this should happen once...\n");
    EXPECT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find("No ship found", first + 1), std::string::npos) << out;
    Generator* g = machineAt<Generator>(*w, vec3(2, 1, 2));
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->connected);
    EXPECT_FLOAT_EQ(g->range, 3.0f);

    auto based = makeBaseWorld();
    layGenSlab(*based, 4);
    testing::internal::CaptureStdout();
    activate(vec3(2, 1, 2), based.get());
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("No ship found"), std::string::npos);
}

TEST(Activation, RelayStandsOnTheHighestBlock) {
    auto w = clicked({{vec3(3, 1, 3), RELAY}, {vec3(3, 2, 3), RELAY}, {vec3(4, 1, 3), MATTER}, {vec3(3, 3, 3), SENSOR},
                      {vec3(3, 3, 4), CAP}},
                     vec3(4, 1, 3));
    // (3,3,3) and (3,3,4) are equally high; the first in set order wins.
    Relay* r = machineAt<Relay>(*w, vec3(3, 3, 3));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->blockHead, SENSOR);
    EXPECT_FLOAT_EQ(r->range, 1 * 1.5f + 2.0f);
    EXPECT_EQ(r->maxStore.matter, 1 + 10);
    EXPECT_FLOAT_EQ(r->maxStore.energy, 2 * 1 + 10);
    EXPECT_EQ(r->maxStore.gens, 2);
    EXPECT_EQ(w->cell(3, 3, 3).type, 14);
    EXPECT_EQ(w->cell(4, 1, 3).type, MATTER);
    EXPECT_EQ(r->blocks.size(), 5u);
}

TEST(Activation, AGroupWithAMachineNeverGetsASecond) {
    auto w = clicked({{vec3(3, 1, 3), RELAY}, {vec3(3, 2, 3), RELAY}}, vec3(3, 1, 3));
    activate(vec3(3, 1, 3), w.get());
    EXPECT_EQ(countMachines(*w, TYPE_RELAY), 1);
    // A gen block touching the relay's group joins it: no generator either.
    lay(*w, {{vec3(2, 1, 3), GEN}});
    activate(vec3(2, 1, 3), w.get());
    EXPECT_EQ(countMachines(*w, TYPE_GENERATOR), 0);
    EXPECT_EQ(w->cell(2, 1, 3).type, GEN);
}

TEST(Activation, GensWithOneMatterMakeAShieldOrAFactory) {
    // Four gens stacked on one matter block: a shield at the matter block.
    auto w = clicked({{vec3(5, 1, 5), MATTER}, {vec3(5, 2, 5), GEN}, {vec3(5, 3, 5), GEN}, {vec3(5, 4, 5), GEN},
                      {vec3(5, 5, 5), GEN}},
                     vec3(5, 3, 5));
    Shield* s = machineAt<Shield>(*w, vec3(5, 1, 5));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->blockHead, MATTER);
    EXPECT_EQ(countMachines(*w, TYPE_GENERATOR), 0);

    // A second block at the matter's height refuses the shield; the factory takes it.
    auto v = clicked({{vec3(5, 1, 5), MATTER}, {vec3(6, 1, 5), CAP}, {vec3(5, 2, 5), GEN}, {vec3(5, 3, 5), GEN}},
                     vec3(5, 2, 5));
    EXPECT_EQ(countMachines(*v, TYPE_SHIELD), 0);
    Factory* f = machineAt<Factory>(*v, vec3(5, 2, 5));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->blockHead, GEN);  // the clicked block
    EXPECT_EQ(f->rate, int(2 * 1.5 + 1.0));
    EXPECT_EQ(f->maxStore, 1 + 3);
    EXPECT_FLOAT_EQ(f->maxEnergy, 2 * 1 + 10);
}

TEST(Activation, ScienceCentreNeedsMatterUnderEveryPartAndAMatterClick) {
    // A gen clicked: no science centre, nothing else fits.
    auto w = clicked({{vec3(5, 1, 5), MATTER}, {vec3(5, 2, 5), GEN}, {vec3(6, 1, 5), MATTER}, {vec3(6, 2, 5), RELAY}},
                     vec3(5, 2, 5));
    EXPECT_EQ(w->actives.size(), 1u);
    activate(vec3(6, 1, 5), w.get());
    ScienceCenter* sc = machineAt<ScienceCenter>(*w, vec3(6, 1, 5));
    ASSERT_NE(sc, nullptr);
    EXPECT_EQ(sc->rate, 1);
    EXPECT_EQ(sc->difficulty, 5000);
    EXPECT_FLOAT_EQ(sc->capacity, 20);
}

TEST(Activation, MortarNeedsAnEnclosedDomeAndALoneTop) {
    auto w = clicked({}, vec3(5, 2, 5), true);
    Mortor* m = machineAt<Mortor>(*w, vec3(5, 3, 5));
    ASSERT_NE(m, nullptr);
    EXPECT_FLOAT_EQ(m->size, 1.0f);  // one enclosed air cell at (5, 5, 5)
    EXPECT_EQ(m->top.size(), 5u);
    EXPECT_EQ(m->top.front(), vec3(5, 4, 5));

    // A cap beside the top: refused, and neither mine nor turret fits.
    EXPECT_EQ(clicked({{vec3(4, 3, 5), CAP}}, vec3(5, 2, 5), true)->actives.size(), 1u);
    // The roof closed without a gap encloses nothing.
    EXPECT_EQ(countMachines(*clicked({{vec3(5, 5, 5), RELAY}}, vec3(5, 2, 5), true), TYPE_MORTOR), 0);
    // Six relays on five gens, the dome still enclosing air: more relays than gens.
    EXPECT_EQ(countMachines(*clicked({{vec3(6, 7, 5), RELAY}}, vec3(5, 2, 5), true), TYPE_MORTOR), 0);
}

TEST(Activation, MineNeedsExactlyOneRelayOnGround) {
    auto w = makeFloorWorld(14, 12, 12);
    Ship* ship = placeShip(*w, vec3(12, 1, 10));
    ship->levels.relays = 2;
    lay(*w, {{vec3(5, 1, 5), RELAY}, {vec3(6, 1, 5), GEN}, {vec3(7, 1, 5), GEN}, {vec3(8, 1, 5), CAP},
             {vec3(8, 2, 5), MATTER}, {vec3(5, 2, 5), GEN}});
    activate(vec3(6, 1, 5), w.get());
    Mine* m = machineAt<Mine>(*w, vec3(5, 1, 5));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->maxY, 1);
    EXPECT_EQ(m->minX, 4);
    EXPECT_EQ(m->maxX, 8);  // widened by the grounded blocks, not by the matter on the cap
    EXPECT_EQ(m->minZ, 4);
    EXPECT_EQ(m->maxZ, 6);
    EXPECT_EQ(m->dmg, 3 + 2);
    EXPECT_EQ(m->rate, 60);
    EXPECT_EQ(m->maxStore, 1 + 10);
    EXPECT_FLOAT_EQ(m->capacity, 2 * 1 + 20);

    EXPECT_EQ(clicked({{vec3(5, 1, 5), RELAY}, {vec3(5, 1, 6), RELAY}, {vec3(6, 1, 5), GEN}}, vec3(6, 1, 5))->actives.size(),
              1u);
    // A relay standing on another pattern block is not on ground.
    EXPECT_EQ(countMachines(*clicked({{vec3(5, 1, 5), GEN}, {vec3(5, 2, 5), RELAY}}, vec3(5, 1, 5)), TYPE_MINE), 0);
}

TEST(Activation, TurretTakesTheBlocksAboveItsTop) {
    auto w = makeBaseWorld();
    layTurret(*w);
    activate(vec3(5, 3, 5), w.get());
    Turret* t = machineAt<Turret>(*w, vec3(5, 2, 5));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->blockHead, MATTER);
    std::list<std::pair<vec3, int>> barrel{{vec3(5, 3, 5), GEN}, {vec3(5, 4, 5), RELAY}, {vec3(6, 4, 5), SENSOR}};
    EXPECT_EQ(t->top, barrel);

    auto v = clicked({{vec3(5, 1, 5), CAP}, {vec3(5, 2, 5), MATTER}, {vec3(6, 2, 5), SENSOR}, {vec3(5, 3, 5), GEN},
                      {vec3(5, 4, 5), RELAY}},
                     vec3(5, 3, 5));
    EXPECT_EQ(v->actives.size(), 1u);
    // A gen below the top is not a turret's foot.
    auto u = clicked({{vec3(5, 1, 5), GEN}, {vec3(5, 2, 5), MATTER}, {vec3(5, 3, 5), RELAY}, {vec3(5, 4, 5), GEN}},
                     vec3(5, 3, 5));
    EXPECT_EQ(countMachines(*u, TYPE_TURRET), 0);
}

TEST(Activation, HugeGroupsAreCollectedWithoutRecursion) {
    auto w = makeWorld(64, 64, 64);
    for (Block& b : w->blocks) b.type = GEN;
    resourceStruct comp, levels;
    std::set<vec3, veccomp> blocks;
    getComposition(vec3(0, 0, 0), w.get(), comp, levels, blocks);
    EXPECT_EQ(comp.gens, 64 * 64 * 64);
    EXPECT_EQ(blocks.size(), size_t(64 * 64 * 64));
}

TEST(Deactivation, GivesThePatternBackWithinTwentyTicks) {
    auto w = makeBaseWorld();
    Ship* ship = w->theShip;
    buildRelay(*w, vec3(3, 1, 3));
    ASSERT_NE(machineAt<Relay>(*w, vec3(3, 2, 3)), nullptr);
    deactivate(vec3(4, 1, 3), w.get());
    EXPECT_EQ(w->cell(3, 2, 3).type, 0);
    runTicks(*w, 1, 20);
    EXPECT_EQ(countMachines(*w, TYPE_RELAY), 0);
    EXPECT_EQ(w->cell(3, 2, 3).type, RELAY);
    EXPECT_EQ(w->cell(3, 1, 3).type, RELAY);
    EXPECT_EQ(w->cell(4, 1, 3).type, MATTER);
    EXPECT_TRUE(ship->adjacent.empty());
    activate(vec3(3, 1, 3), w.get());
    EXPECT_NE(machineAt<Relay>(*w, vec3(3, 2, 3)), nullptr);

    // Deactivating a group without a machine changes nothing.
    lay(*w, {{vec3(7, 1, 7), GEN}});
    deactivate(vec3(7, 1, 7), w.get());
    EXPECT_EQ(w->cell(7, 1, 7).type, GEN);
}

TEST(Deactivation, RefundsOnlyAFactorysMatter) {
    auto w = makeBaseWorld();
    Ship* ship = w->theShip;
    lay(*w, {{vec3(3, 1, 3), MATTER}, {vec3(4, 1, 3), GEN}});
    activate(vec3(3, 1, 3), w.get());
    Factory* f = machineAt<Factory>(*w, vec3(3, 1, 3));
    ASSERT_NE(f, nullptr);
    f->store.matter = 4;
    f->store.gens = 1;
    deactivate(vec3(4, 1, 3), w.get());
    EXPECT_EQ(ship->store.matter, 5 + 4);
    EXPECT_EQ(ship->store.gens, 5);
    runTicks(*w, 1, 21);
    EXPECT_EQ(countMachines(*w, TYPE_FACTORY), 0);
    EXPECT_EQ(w->cell(3, 1, 3).type, MATTER);

    lay(*w, {{vec3(6, 1, 6), GEN}});
    activate(vec3(6, 1, 6), w.get());
    machineAt<Generator>(*w, vec3(6, 1, 6))->storage = 5;
    int matter = ship->store.matter;
    deactivate(vec3(6, 1, 6), w.get());
    EXPECT_EQ(ship->store.matter, matter);
}
