// Player movement, health and the player's part of a world step.
#include "WorldFixture.h"

#include "flow/Player.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"

#include <gtest/gtest.h>

namespace {

// A floor of stone at y = 0 and a player standing on it at x = 6 (feet at 1).
std::unique_ptr<World> floorWorld() {
    auto w = makeWorld(20, 20, 20);
    for (int x = 0; x < 20; x++)
        for (int z = 0; z < 20; z++) w->setBlock(x, 0, z, 3, 0);
    w->player.yaw = 0;
    w->player.pos = vec3(6.001f, 5.0f, 10.0f);
    return w;
}

}  // namespace

TEST(Player, FreeFallSettlesAtTerminalSpeed) {
    auto w = makeWorld(10, 400, 10);
    w->player.pos = vec3(5, 380, 5);
    float last = 0;
    for (int i = 0; i < 200; i++) {
        float y = w->player.pos.y;
        w->player.update();
        last = w->player.pos.y - y;
    }
    EXPECT_NEAR(w->player.vel.y, -0.2f, 1e-4f);
    EXPECT_NEAR(last, -0.2f, 1e-4f);
}

TEST(Player, StandsOnTheFloorAndLiftRisesAtHeldSpeed) {
    auto w = floorWorld();
    for (int i = 0; i < 50; i++) w->player.update();
    EXPECT_FLOAT_EQ(w->player.pos.y, 5.0f);

    w->player.iVel.y = 0.04f;
    for (int i = 0; i < 200; i++) w->player.update();
    EXPECT_NEAR(w->player.vel.y, 0.2f, 1e-4f);
    EXPECT_GT(w->player.pos.y, 15.0f);
}

TEST(Player, StepsUpOneCellOnlyWhenMovingFasterThanTheThreshold) {
    auto w = floorWorld();
    for (int z = 0; z < 20; z++) w->setBlock(4, 1, z, 3, 0);  // a ledge one cell high

    w->player.vel = vec3(-0.005f, 0, 0);  // damped to 0.0045: too slow to climb
    w->player.update();
    EXPECT_FLOAT_EQ(w->player.pos.x, 6.001f);
    EXPECT_FLOAT_EQ(w->player.pos.y, 5.0f);

    w->player.vel = vec3(-0.02f, 0, 0);
    w->player.update();
    EXPECT_FLOAT_EQ(w->player.pos.y, 6.0f);
    EXPECT_LT(w->player.pos.x, 6.0f);
}

TEST(Player, TallWallStopsTheMoveCompletely) {
    auto w = floorWorld();
    for (int y = 1; y < 20; y++)
        for (int z = 0; z < 20; z++) w->setBlock(4, y, z, 3, 0);
    w->player.iVel = vec3(-0.05f, 0, 0);
    for (int i = 0; i < 40; i++) w->player.update();
    EXPECT_FLOAT_EQ(w->player.pos.y, 5.0f);
    EXPECT_GE(w->player.pos.x - w->player.size.x, 5.0f);  // never inside the wall
    EXPECT_LT(w->player.pos.x - w->player.size.x, 5.05f);
}

TEST(Player, LiftingWhileWalkingShortensTheHorizontalStep) {
    auto walk = makeWorld(30, 60, 30), lift = makeWorld(30, 60, 30);
    for (World* w : {walk.get(), lift.get()}) {
        w->player.yaw = 0;
        w->player.pos = vec3(15, 30, 15);
        w->player.iVel.z = -0.05f;
    }
    lift->player.iVel.y = 0.04f;
    walk->player.update();
    lift->player.update();
    float walked = 15 - walk->player.pos.z, lifted = 15 - lift->player.pos.z;
    EXPECT_NEAR(walked, 0.015f, 1e-5f);  // speed 0.15 x 0.1
    EXPECT_GT(lifted, 0.0f);
    EXPECT_LT(lifted, walked * 0.9f);
}

TEST(Player, HeadingTurnsTheStepAndRunningLengthensIt) {
    auto w = makeWorld(30, 60, 30);
    w->player.pos = vec3(15, 30, 15);
    w->player.yaw = 180;  // the start heading looks along +z
    w->player.iVel.z = -0.05f;
    w->player.run = true;
    w->player.update();
    EXPECT_NEAR(w->player.pos.z - 15, 0.0375f, 1e-5f);
    EXPECT_NEAR(w->player.pos.x, 15.0f, 1e-5f);
}

TEST(Player, HealthRegeneratesToFullAndVaskCostsOneNetPerTick) {
    auto w = floorWorld();
    w->player.health = 98;
    w->updatePlayer();
    EXPECT_EQ(w->player.health, 99);
    w->updatePlayer();
    w->updatePlayer();
    EXPECT_EQ(w->player.health, 100);

    w->setBlock(6, 2, 10, 2, 10);  // vask at the player's knees
    EXPECT_TRUE(w->hurtPlayer());
    w->updatePlayer();  // full health does not regenerate: 100 - 2
    EXPECT_EQ(w->player.health, 98);
    w->updatePlayer();  // below full: +1 - 2
    w->updatePlayer();
    EXPECT_EQ(w->player.health, 96);
}

TEST(Player, VaskAboveTheEyesDoesNotHurt) {
    auto w = floorWorld();
    w->setBlock(6, 5, 10, 2, 10);  // the eye is at y = 5.0: the box ends there
    EXPECT_FALSE(w->hurtPlayer());
    w->setBlock(6, 4, 10, 2, 10);
    EXPECT_TRUE(w->hurtPlayer());
}

TEST(Player, DyingInVaskLosesTheGameInThatStep) {
    auto w = floorWorld();
    placeShip(*w, vec3(15, 1, 15));
    addMachine<VaskMind>(*w, vec3(18, 1, 18), 0, 10, 50, 1);
    w->setBlock(6, 2, 10, 2, 10);
    w->player.health = 1;
    // Regeneration comes first: 1 + 1 - 2 leaves the player at 0, still alive.
    w->tick(1);
    EXPECT_EQ(w->player.health, 0);
    EXPECT_EQ(w->result, 0);
    w->tick(2);
    EXPECT_EQ(w->player.health, -1);
    EXPECT_EQ(w->result, 2);
}
