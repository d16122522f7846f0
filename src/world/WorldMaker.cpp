// Skirmish worlds: simplex-noise terrain with water, stone variants and grass,
// the player's ship on a cleared landing site, enemy minds and trees.
#include "world/WorldMaker.h"

#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "world/World.h"
#include "world/BlockLookup.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

skirmishSettings makeSettings;

int grad3[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {1, 0, 1}, {-1, 0, 1},
                    {1, 0, -1}, {-1, 0, -1}, {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};

#define CLASSIC_PERM                                                                              \
    151, 160, 137, 91, 90, 15, 131, 13, 201, 95, 96, 53, 194, 233, 7, 225, 140, 36, 103, 30, 69,  \
        142, 8, 99, 37, 240, 21, 10, 23, 190, 6, 148, 247, 120, 234, 75, 0, 26, 197, 62, 94, 252, \
        219, 203, 117, 35, 11, 32, 57, 177, 33, 88, 237, 149, 56, 87, 174, 20, 125, 136, 171,     \
        168, 68, 175, 74, 165, 71, 134, 139, 48, 27, 166, 77, 146, 158, 231, 83, 111, 229, 122,   \
        60, 211, 133, 230, 220, 105, 92, 41, 55, 46, 245, 40, 244, 102, 143, 54, 65, 25, 63, 161, \
        1, 216, 80, 73, 209, 76, 132, 187, 208, 89, 18, 169, 200, 196, 135, 130, 116, 188, 159,   \
        86, 164, 100, 109, 198, 173, 186, 3, 64, 52, 217, 226, 250, 124, 123, 5, 202, 38, 147,    \
        118, 126, 255, 82, 85, 212, 207, 206, 59, 227, 47, 16, 58, 17, 182, 189, 28, 42, 223,     \
        183, 170, 213, 119, 248, 152, 2, 44, 154, 163, 70, 221, 153, 101, 155, 167, 43, 172, 9,   \
        129, 22, 39, 253, 19, 98, 108, 110, 79, 113, 224, 232, 178, 185, 112, 104, 218, 246, 97,  \
        228, 251, 34, 242, 193, 238, 210, 144, 12, 191, 179, 162, 241, 81, 51, 145, 235, 249, 14, \
        239, 107, 49, 192, 214, 31, 181, 199, 106, 157, 184, 84, 204, 176, 115, 121, 50, 45, 127, \
        4, 150, 254, 138, 236, 205, 93, 222, 114, 67, 29, 24, 72, 243, 141, 128, 195, 78, 66,     \
        215, 61, 156, 180

int perm[256] = {CLASSIC_PERM};

void restoreClassicPerm() {
    static const int classic[256] = {CLASSIC_PERM};
    std::copy(classic, classic + 256, perm);
}

double dot(int gx, int gy, double x, double y) { return gx * x + gy * y; }

double simplexnoise(double xin, double yin) {
    const double F2 = 0.5 * (std::sqrt(3.0) - 1.0);
    const double G2 = (3.0 - std::sqrt(3.0)) / 6.0;
    double s = (xin + yin) * F2;
    int i = int(std::floor(xin + s));
    int j = int(std::floor(yin + s));
    double t = (i + j) * G2;
    double x0 = xin - (i - t);
    double y0 = yin - (j - t);
    int i1 = x0 > y0 ? 1 : 0;
    int j1 = x0 > y0 ? 0 : 1;
    double x1 = x0 - i1 + G2, y1 = y0 - j1 + G2;
    double x2 = x0 - 1.0 + 2.0 * G2, y2 = y0 - 1.0 + 2.0 * G2;
    int ii = i & 255, jj = j & 255;
    int gi[3] = {perm[(ii + perm[jj]) & 255] % 12,
                 perm[(ii + i1 + perm[(jj + j1) & 255]) & 255] % 12,
                 perm[(ii + 1 + perm[(jj + 1) & 255]) & 255] % 12};
    double xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    double sum = 0;
    for (int k = 0; k < 3; k++) {
        double c = 0.5 - xs[k] * xs[k] - ys[k] * ys[k];
        if (c < 0) continue;
        c *= c;
        sum += c * c * dot(grad3[gi[k]][0], grad3[gi[k]][1], xs[k], ys[k]);
    }
    return 70.0 * sum;
}

TerrainParams deriveTerrainParams(const skirmishSettings& s) {
    TerrainParams p;
    p.bads = (s.enemies >= 1 && s.enemies <= 9999) ? s.enemies : rand() % 5 + 1;
    p.bed = s.bed > 1 ? s.bed : rand() % 25 + 21;
    p.waterLine = WATER_LINE;
    p.mountainHeight = s.height >= 0 ? s.height : rand() % 20 + 3;
    p.trees = (s.trees >= 0 && s.trees <= 999) ? s.trees : rand() % 5 + 1;
    if (s.smoothness > 0) {
        p.smoothness = s.smoothness;
    } else {
        int a = rand() % 20;
        int b = rand() % 20;
        p.smoothness = a * b + 25.0;
    }
    int a = rand() % 20;
    int b = rand() % 20;
    p.rockSmoothness = a * b + 25.0;
    return p;
}

namespace {

// Each phase is reported as it happens, even when standard output is a file.
void report(const char* message) {
    printf("%s\n", message);
    fflush(stdout);
}

// The highest non-empty cell of a column, or -1 when the column is all air.
int columnTop(World& w, int x, int z) {
    for (int y = int(w.height) - 1; y >= 0; y--)
        if (w.cell(x, y, z).type != 0) return y;
    return -1;
}

int stoneVariant(float m) {
    int type = 3;
    if (m < 1.0f) type = 21;
    if (m < 0.5f) type = 20;
    if (m < 0.2f) type = 3;
    return type;
}

TerrainParams shapeTerrain(World& w) {
    // 255 entries only: the last one keeps its value and none becomes 255.
    for (int i = 0; i < 255; i++) perm[i] = rand() % 255;
    TerrainParams p = deriveTerrainParams(makeSettings);
    for (int x = 0; x < int(w.width); x++)
        for (int z = 0; z < int(w.depth); z++) {
            double n = simplexnoise(x / p.smoothness, z / p.smoothness);
            // Absurd menu values must not overflow the conversion; only 0..71 matters.
            double raw = (2 * n * p.mountainHeight + p.bed) + p.mountainHeight;
            int surface = int(std::max(-1.0e6, std::min(1.0e6, raw)));
            // The stone and grass noise depend on the column alone.
            float rock = float(simplexnoise(x / p.rockSmoothness, z / p.rockSmoothness));
            float turf = float(simplexnoise(2.0 * x / p.rockSmoothness, 2.0 * z / p.rockSmoothness));
            for (int y = TERRAIN_TOP; y >= 1; y--) {
                int type;
                if (y >= surface) type = y < p.waterLine ? 19 : 0;
                else type = (y > GRASS_ABOVE && surface - y <= 2) ? 24 : 3;
                if (type == 3) type = stoneVariant(rock);
                if (type == 24) type = turf < -0.5f ? 23 : 24 + rand() % 5;
                w.setBlock(x, y, z, type, 0);
            }
        }
    return p;
}

// Draws sites until one has solid ground on top. Gives up after SITE_ATTEMPTS.
bool findLandingSite(World& w, int& tx, int& ty, int& tz) {
    for (int attempt = 1;; attempt++) {
        tx = 5 + rand() % (int(w.width) - 10);
        tz = 5 + rand() % (int(w.depth) - 10);
        ty = columnTop(w, tx, tz);
        if (attempt > SITE_ATTEMPTS) return false;
        if (ty >= 0 && !blockAttrib(w.cell(tx, ty, tz).type).passable) return true;
    }
}

// The last resort of a world without dry land: a stone deck on the water, big
// enough for the ship and its objective blocks.
void buildLandingPlatform(World& w, int& tx, int& ty, int& tz) {
    tx = 5 + rand() % (int(w.width) - 10);
    tz = 5 + rand() % (int(w.depth) - 10);
    ty = std::min(WATER_LINE - 1, int(w.height) - 2);
    ty = std::max(ty, std::min(columnTop(w, tx, tz), int(w.height) - 2));
    for (int x = tx - 3; x <= tx + 3; x++)
        for (int z = tz - 2; z <= tz + 5; z++) w.setBlock(x, ty, z, 3, 0);
    report("no dry landing site found, landing on a platform");
}

void landShip(World& w, int tx, int ground, int tz) {
    // A column filled to the ceiling still leaves the ship inside the world.
    int ty = std::min(ground + 1, int(w.height) - 1);
    for (int x = tx - 2; x <= tx + 2; x++)
        for (int z = tz; z <= tz + 3; z++)
            for (int y = ty; y < int(w.height); y++) w.setBlock(x, y, z, 0, 0);
    Ship* ship = new Ship(&w);
    w.theShip = ship;
    w.setActiveBlockAndUpdate(tx, ty, tz, ship);
    w.player.setPos(vec3(tx, ty + 8, tz));
    for (int k = 0; k < 4; k++) {
        w.setBlock(tx + 1, ty, tz + k, 34, 0);
        w.setBlock(tx - 1, ty, tz + k, 34, 0);
    }
}

// A mind next to the ship or an objective block would break the ship's cell or
// lose the game before it starts, so mind sites keep off the landing site.
bool nearLanding(int x, int z, int tx, int tz) {
    return x >= tx - 2 && x <= tx + 2 && z >= tz - 1 && z <= tz + 4;
}

void placeMinds(World& w, int count, int tx, int tz) {
    for (int i = 0; i < count; i++) {
        int x = 0, z = 0;
        for (int attempt = 0; attempt < SITE_ATTEMPTS; attempt++) {
            x = 3 + rand() % (int(w.width) - 6);
            z = 3 + rand() % (int(w.depth) - 6);
            if (!nearLanding(x, z, tx, tz)) break;
        }
        int y = columnTop(w, x, z);
        int ai = rand() % 16;
        int speed = rand() % 70 + 20;
        w.setActiveBlockAndUpdate(x, y + 1, z, new VaskMind(&w, ai, 10, speed, 1));
    }
}

bool isGamePiece(int type) { return type == 5 || type == 14 || type == 34; }

// True when a tree at this site would overwrite a mind, the ship or an objective.
bool treeCoversPiece(World& w, int x, int y, int z, int h, int r) {
    auto piece = [&w](int cx, int cy, int cz) {
        return w.inWorld(cx, cy, cz) && isGamePiece(w.cell(cx, cy, cz).type);
    };
    for (int lx = x - r; lx < x + r; lx++)
        for (int ly = y - r; ly < y + r; ly++)
            for (int lz = z - r; lz < z + r; lz++)
                if (piece(lx, ly + h, lz)) return true;
    for (int i = 0; i < h; i++)
        if (piece(x, y + i, z) || piece(x - 1, y + i, z) || piece(x, y + i, z - 1) ||
            piece(x - 1, y + i, z - 1))
            return true;
    return false;
}

}  // namespace

void World::genRandomWorld() {
    if (width <= MIN_GENERATED_SIDE || height <= MIN_GENERATED_SIDE || depth <= MIN_GENERATED_SIDE) {
        printf("cannot build a world of %u x %u x %u: every side must be longer than %u\n", width,
               height, depth, MIN_GENERATED_SIDE);
        return;
    }
    TerrainParams params;
    int tx = 0, ty = 0, tz = 0;
    bool landed = false;
    for (int build = 0; build <= MAX_REGENERATIONS && !landed; build++) {
        report("started building world!");
        params = shapeTerrain(*this);
        report("populating");
        landed = findLandingSite(*this, tx, ty, tz);
    }
    if (!landed) buildLandingPlatform(*this, tx, ty, tz);
    landShip(*this, tx, ty, tz);
    placeMinds(*this, params.bads, tx, tz);
    genTrees(params.trees);
    report("world built");
    mark = char(1 - mark);
    for (auto& row : sectors)
        for (auto& sector : row) {
            if (screen) rebuildSector(sector);
            else sector.needUpdate = true;
        }
    report("done building world!");
}

void World::genTrees(int count) {
    if (width <= MIN_GENERATED_SIDE || depth <= MIN_GENERATED_SIDE) {
        if (count > 0) printf("no room for trees in a world this narrow\n");
        return;
    }
    for (int t = 0; t < count; t++) {
        int h = rand() % 10 + 3;
        int r = rand() % 4 + 2;
        int x, y, z;
        bool plant = true;
        for (int attempt = 1;; attempt++) {
            x = r + rand() % (int(width) - 2 * r);
            z = r + rand() % (int(depth) - 2 * r);
            y = columnTop(*this, x, z);
            bool covers = treeCoversPiece(*this, x, y, z, h, r);
            if (attempt > SITE_ATTEMPTS) {
                plant = !covers;
                break;
            }
            int type = y >= 0 ? cell(x, y, z).type : 0;
            if (type != 2 && !blockAttrib(type).organic && !covers) break;
        }
        if (!plant) continue;
        for (int lx = x - r; lx < x + r; lx++)
            for (int ly = y - r; ly < y + r; ly++)
                for (int lz = z - r; lz < z + r; lz++) setBlock(lx, ly + h, lz, 18, 0);
        for (int i = 0; i < h; i++) {
            setBlock(x, y + i, z, 17, 0);
            setBlock(x - 1, y + i, z, 17, 0);
            setBlock(x, y + i, z - 1, 17, 0);
            setBlock(x - 1, y + i, z - 1, 17, 0);
        }
    }
}
