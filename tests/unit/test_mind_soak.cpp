// Every behaviour runs for a long time on rough terrain with a machine to hunt,
// a player to chase and an enemy turret shooting back. Nothing may crash or
// reach outside the grid (run it under AddressSanitizer too).
#include "TickHelper.h"
#include "WorldFixture.h"

#include "machines/AutoTurret.h"
#include "machines/VaskMind.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int SIDE = 60;

// Rolling hills of stone under dirt and grass, a lake, a few trees.
void buildTerrain(World& w) {
    for (int x = 0; x < SIDE; x++)
        for (int z = 0; z < SIDE; z++) {
            int h = 20 + int(8 * std::sin(x * 0.21) * std::cos(z * 0.17)) + rand() % 3;
            for (int y = 0; y < h; y++) w.cell(x, y, z).type = y == 0 ? 1 : (y < h - 3 ? 3 : 33);
            w.cell(x, h, z).type = h < 16 ? 19 : 24;
        }
    for (int t = 0; t < 12; t++) {
        int x = 3 + rand() % (SIDE - 6), z = 3 + rand() % (SIDE - 6);
        int y = SIDE - 1;
        while (y > 0 && w.cell(x, y, z).type == 0) y--;
        for (int k = 1; k <= 4; k++) w.cell(x, y + k, z).type = 17;
        for (int a = -1; a <= 1; a++)
            for (int b = -1; b <= 1; b++)
                if (w.cell(x + a, y + 5, z + b).type == 0) w.cell(x + a, y + 5, z + b).type = 18;
    }
}

int surface(World& w, int x, int z) {
    int y = SIDE - 1;
    while (y > 0 && w.cell(x, y, z).type == 0) y--;
    return y;
}

}  // namespace

TEST(MindSoak, EveryBehaviourRunsLongOnRoughTerrain) {
    for (int ai = 0; ai < 16; ai++) {
        srand(1000 + ai);
        auto w = makeWorld(SIDE, SIDE, SIDE);
        buildTerrain(*w);
        int tx = 45, tz = 45;
        AutoTurret* turret = new AutoTurret(w.get());
        turret->ammo = ai % 3;
        w->setActiveBlockAndUpdate(tx, surface(*w, tx, tz) + 1, tz, turret);
        w->player.pos = vec3(30.5f, float(surface(*w, 30, 30) + 5), 30.5f);
        int mx = 12 + ai, mz = 15;
        int size = 1 + ai % 3;
        addMachine<VaskMind>(*w, vec3(mx, surface(*w, mx, mz) + 4, mz), ai, 8, 1, size);

        {
            Quiet q;  // every shot reports its missing sound
            for (long long tick = 1; tick <= 50000; tick++) stepWorld(*w, tick, true);
        }

        int vask = countType(*w, 2);
        if (getenv("SOAK_VERBOSE")) {
            int alive = 0, ticker = 0;
            for (ActiveBlock* a : w->actives)
                if (a->getType() == TYPE_MIND) alive++, ticker = static_cast<VaskMind*>(a)->ticker;
            fprintf(stderr, "ai %d: vask %d, minds %d, actions %d, turret %d\n", ai, vask, alive, ticker,
                    int(w->actives.size()) - alive);
        }
        EXPECT_GT(vask, 0) << "ai " << ai;
        for (ActiveBlock* a : w->actives) {
            EXPECT_TRUE(w->inWorld(int(a->pos.x), int(a->pos.y), int(a->pos.z))) << "ai " << ai;
            if (a->getType() == TYPE_MIND) {
                EXPECT_EQ(w->cell(int(a->pos.x), int(a->pos.y), int(a->pos.z)).type, 5) << "ai " << ai;
                EXPECT_GT(static_cast<VaskMind*>(a)->ticker, 0) << "ai " << ai;
            }
        }
    }
}
