#pragma once
// Random skirmish worlds: the generator's settings, the simplex-noise tables and
// the parameters one generation derives from the settings.

// Filled by the skirmish menu; a negative or out-of-range value lets the
// generator choose at random.
struct skirmishSettings {
    int enemies;
    int height;
    int smoothness;
    int trees;
    int bed;
    skirmishSettings() : enemies(-1), height(-1), smoothness(-1), trees(-1), bed(-1) {}
};

extern skirmishSettings makeSettings;

extern int grad3[12][3];
extern int perm[256];

// Puts the classic permutation back (generation reseeds it from rand()).
void restoreClassicPerm();

double dot(int gx, int gy, double x, double y);
// 2-D simplex noise, roughly in [-1, 1].
double simplexnoise(double xin, double yin);

// Everything one generation decides before it shapes the terrain.
struct TerrainParams {
    int bads;            // minds
    int bed;             // base height
    int waterLine;
    int mountainHeight;  // relief
    int trees;
    double smoothness;
    double rockSmoothness;
};

// Draws the values the settings leave open from rand(), in a fixed order.
TerrainParams deriveTerrainParams(const skirmishSettings& s);

constexpr int TERRAIN_TOP = 70;
constexpr int WATER_LINE = 29;
constexpr int GRASS_ABOVE = 34;
// A side of this length or less leaves no room for the landing, mind and tree sites.
constexpr unsigned MIN_GENERATED_SIDE = 10;
// Terrain rebuilds tried when no dry landing site turns up before settling for a
// platform on the water.
constexpr int MAX_REGENERATIONS = 3;
constexpr int SITE_ATTEMPTS = 100;
