// Singularities, kinetic bullets and the enemy turret.
#include "TickHelper.h"
#include "WorldFixture.h"

#include "machines/AutoTurret.h"
#include "machines/Projectiles.h"
#include "panels/StatusScreen.h"

#include <gtest/gtest.h>

TEST(Singularity, PoolPaysForWeakCellsAndWearsDownStrongOnes) {
    Quiet q;
    auto w = makeWorld(20, 20, 20);
    w->placeVask(4, 5, 5, 1);
    w->placeVask(6, 5, 5, 2);
    auto* s = new EntityMSingularity(w.get(), vec3(5.5f, 5.5f, 5.5f), {vec3(15.5f, 5.5f, 5.5f)}, 3, 1.0f);
    w->placeEntity(s);
    runTicks(*w, 1, 1);
    EXPECT_EQ(w->cell(4, 5, 5).type, 0);
    EXPECT_EQ(w->cell(6, 5, 5).type, 2);
    EXPECT_EQ(w->cell(6, 5, 5).data, 0);
    EXPECT_EQ(s->dmg, 2);
    runTicks(*w, 2, 2);
    EXPECT_EQ(w->cell(6, 5, 5).type, 0);
    EXPECT_EQ(s->dmg, 2);
    // A cell it cannot pay for is only worn down.
    w->placeVask(5, 6, 5, 7);
    runTicks(*w, 3, 3);
    EXPECT_EQ(w->cell(5, 6, 5).data, 5);
    EXPECT_EQ(s->dmg, 2);
}

TEST(Singularity, ChargesForAHundredTicksThenFliesAndVanishes) {
    Quiet q;
    auto w = makeWorld(20, 20, 20);
    auto* s = new EntityMSingularity(w.get(), vec3(5.5f, 5.5f, 5.5f), {vec3(8.5f, 5.5f, 5.5f)}, 3, 1.0f);
    w->placeEntity(s);
    runTicks(*w, 1, 99);
    EXPECT_EQ(s->pos, vec3(5.5f, 5.5f, 5.5f));
    EXPECT_FLOAT_EQ(s->distort.y, -0.99f);
    EXPECT_FLOAT_EQ(s->distort.w, -1.5f * 0.99f);
    runTicks(*w, 100, 110);
    EXPECT_GT(s->pos.x, 5.5f);
    EXPECT_LT(s->pos.x, 8.5f);
    runTicks(*w, 111, 160);
    EXPECT_EQ(countEntities<EntityMSingularity>(*w), 0);
}

TEST(KineticBullet, HurtsThePlayerOnceAndDies) {
    Quiet q;
    auto w = makeWorld(20, 20, 20);
    w->player.pos = vec3(10.5f, 9.0f, 10.5f);
    w->player.health = 100;
    // Flies past the player's body and on to a waypoint beyond him.
    w->placeEntity(new EntityKineticProjectile(w.get(), vec3(2.5f, 7.0f, 10.5f), {vec3(18.5f, 7.0f, 10.5f)}, 1));
    // This one passes 2 cells to the side: harmless.
    w->placeEntity(new EntityKineticProjectile(w.get(), vec3(2.5f, 7.0f, 12.5f), {vec3(18.5f, 7.0f, 12.5f)}, 1));
    runTicks(*w, 1, 40);
    EXPECT_EQ(w->player.health, 30);
    EXPECT_EQ(countEntities<EntityKineticProjectile>(*w), 0);
}

namespace {
AutoTurret* placeAutoTurret(World& w, vec3 p, int ammo) {
    AutoTurret* t = new AutoTurret(&w);
    t->ammo = ammo;
    install(w, p, t);
    return t;
}
}  // namespace

TEST(AutoTurret, TakesItsBarrelFromThePatternAboveIt) {
    Quiet q;
    auto w = makeWorld(20, 20, 20);
    w->setBlockAndUpdate(10, 6, 10, 47, 0);
    w->setBlockAndUpdate(11, 6, 10, 47, 0);
    w->setBlockAndUpdate(10, 4, 10, 47, 0);  // below: part of the group, not the barrel
    AutoTurret* t = placeAutoTurret(*w, vec3(10, 5, 10), 0);
    ASSERT_EQ(t->top.size(), 2u);
    EXPECT_EQ(w->cell(10, 6, 10).type, 0);
    EXPECT_EQ(w->cell(11, 6, 10).type, 0);
    EXPECT_EQ(w->cell(10, 4, 10).type, 47);
    EXPECT_EQ(t->tip, vec3(1, 1, 0));

    // In the editor the blocks stay where they are.
    auto e = makeWorld(20, 20, 20);
    e->editorMode = true;
    e->setBlockAndUpdate(10, 6, 10, 47, 0);
    AutoTurret* et = placeAutoTurret(*e, vec3(10, 5, 10), 0);
    EXPECT_EQ(et->top.size(), 1u);
    EXPECT_EQ(e->cell(10, 6, 10).type, 47);

    // Losing its own cell ends it.
    w->setBlockAndUpdate(10, 5, 10, 0, 0);
    runTicks(*w, 1, 1);
    EXPECT_FALSE(t->alive);
}

TEST(AutoTurret, ModeTwoPrefersThePlayerInRange) {
    Quiet q;
    auto w = makeWorld(30, 30, 30);
    AutoTurret* t = placeAutoTurret(*w, vec3(10, 5, 10), 2);
    w->placeVask(13, 5, 10, 50);
    w->player.pos = vec3(14.5f, 9.0f, 10.5f);
    w->player.health = 100;
    runTicks(*w, 1, 50);
    EXPECT_TRUE(t->playerInRange);
    EXPECT_EQ(t->target, w->player.pos - vec3(0.5f, 1.0f, 0.5f));
    EXPECT_EQ(countEntities<EntityKineticProjectile>(*w), 1);
    runTicks(*w, 51, 60);
    EXPECT_EQ(w->player.health, 30);
    EXPECT_EQ(w->cell(13, 5, 10).data, 50);

    // Out of range: back to the vask.
    w->player.pos = vec3(28.5f, 20.0f, 28.5f);
    runTicks(*w, 61, 100);
    EXPECT_FALSE(t->playerInRange);
    EXPECT_EQ(t->target, vec3(13, 5, 10));
    runTicks(*w, 101, 110);
    EXPECT_EQ(w->cell(13, 5, 10).data, 49);
    EXPECT_EQ(w->player.health, 30);
}

TEST(AutoTurret, ShellsInModeZeroAndNothingWithoutVask) {
    Quiet q;
    auto w = makeWorld(30, 30, 30);
    placeAutoTurret(*w, vec3(10, 5, 10), 0);
    w->player.pos = vec3(12.5f, 9.0f, 10.5f);
    runTicks(*w, 1, 100);
    EXPECT_EQ(countEntities<EntityProjectile>(*w), 0);
    w->placeVask(10, 5, 14, 3);
    runTicks(*w, 101, 150);
    EXPECT_EQ(countEntities<EntityProjectile>(*w), 1);
    EXPECT_EQ(countEntities<EntityKineticProjectile>(*w), 0);
    runTicks(*w, 151, 300);
    EXPECT_EQ(w->cell(10, 5, 14).type, 0);
}

TEST(AutoTurret, EditorPanelSavesClampedValues) {
    Quiet q;
    auto w = makeWorld(20, 20, 20);
    AutoTurret* t = placeAutoTurret(*w, vec3(10, 5, 10), 1);
    t->onClick();
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);  // not in play

    w->editorMode = true;
    t->onClick();
    StatusScreen* s = getStatusScreen(w.get());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->name, "AutoTurret");
    EXPECT_EQ(s->getText("Rate"), "50");
    EXPECT_EQ(s->getText("Range"), "10");
    setBoxes(*s, {{"Rate", "1"}, {"Range", "0.5"}, {"Damage", "-4"}, {"Type", "2"}});
    float before = t->dir;
    t->editorUpdate();
    EXPECT_FLOAT_EQ(t->dir, before + 1.0f);
    EXPECT_EQ(t->rate, 50);  // nothing saved yet
    s->buttons.front().activate();
    t->editorUpdate();
    EXPECT_EQ(t->rate, 50);
    EXPECT_FLOAT_EQ(t->range, 2.0f);
    EXPECT_EQ(t->dmg, 1);
    EXPECT_EQ(t->ammo, 2);
    EXPECT_EQ(t->edited, 0);
    EXPECT_EQ(getStatusScreen(w.get()), nullptr);

    t->onClick();
    setBoxes(*getStatusScreen(w.get()), {{"Rate", "7"}, {"Range", "1e9"}});
    t->edited = 1;
    t->editorUpdate();
    EXPECT_EQ(t->rate, 7);
    EXPECT_LE(t->range, 64.0f);
}

TEST(AutoTurret, HugeMachineGroupFromAMapIsCollectedSafely) {
    Quiet q;
    // A shared map can hold one connected block of machine parts of any size.
    auto w = makeWorld(70, 70, 70);
    for (Block& b : w->blocks) b.type = 47;
    AutoTurret* t = placeAutoTurret(*w, vec3(35, 1, 35), 0);
    EXPECT_EQ(t->top.size(), size_t(70 * 70 * 68));
    EXPECT_EQ(w->cell(35, 2, 35).type, 0);
    EXPECT_EQ(w->cell(35, 0, 35).type, 47);
}
