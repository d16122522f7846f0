// Blocks and scenery of a map source: boxes, rooms, balls, lines, painted
// ground, trees, boulders and balls of vask.
#include "MapScript.h"

#include "Rng.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace mapsource {

// mode 0 solid, 1 the six faces, 2 the four sides
void Script::box(int type, int x0, int y0, int z0, int x1, int y1, int z1, int mode) {
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    if (z1 < z0) std::swap(z0, z1);
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            for (int z = z0; z <= z1; z++) {
                bool side = x == x0 || x == x1 || z == z0 || z == z1;
                bool face = side || y == y0 || y == y1;
                if (mode == 0 || (mode == 1 && face) || (mode == 2 && side)) set(x, y, z, type);
            }
}

void Script::sphere(int type, int cx, int cy, int cz, float r) {
    int R = int(std::ceil(r));
    for (int dx = -R; dx <= R; dx++)
        for (int dy = -R; dy <= R; dy++)
            for (int dz = -R; dz <= R; dz++)
                if (float(dx * dx + dy * dy + dz * dz) <= r * (r + 1.0f)) set(cx + dx, cy + dy, cz + dz, type);
}

void Script::line(int type, vec3 a, vec3 b, float r) {
    vec3 lo = glm::min(a, b) - vec3(r + 1), hi = glm::max(a, b) + vec3(r + 1);
    vec3 ab = b - a;
    float len2 = glm::dot(ab, ab);
    for (int x = int(std::floor(lo.x)); x <= int(hi.x); x++)
        for (int y = int(std::floor(lo.y)); y <= int(hi.y); y++)
            for (int z = int(std::floor(lo.z)); z <= int(hi.z); z++) {
                vec3 p(x, y, z);
                float t = len2 > 0 ? std::clamp(glm::dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
                vec3 d = p - (a + t * ab);
                if (glm::dot(d, d) <= r * (r + 1.0f)) set(x, y, z, type);
            }
}

// A trunk of height h on grass with a round crown; false when the spot is unfit.
bool Script::tree(int x, int z, int h, uint64_t grain) {
    int g = groundTop(x, z);
    if (g < 0 || !isGrassy(w->cell(x, g, z).type)) return false;
    if (g + h + 3 >= int(w->height)) return false;
    for (int dx = -2; dx <= 2; dx++)
        for (int dz = -2; dz <= 2; dz++)
            for (int y = g + 1; y <= g + h + 2; y++) {
                if (!w->inWorld(x + dx, y, z + dz)) return false;
                if (w->cell(x + dx, y, z + dz).type != 0) return false;
            }
    int top = g + h;
    for (int dx = -2; dx <= 2; dx++)
        for (int dy = -2; dy <= 2; dy++)
            for (int dz = -2; dz <= 2; dz++) {
                float d = float(dx * dx + dz * dz) + float(dy * dy) * 1.6f;
                float ragged = 4.2f + 1.6f * hashUnit(x + dx, top + dy, z + dz, grain);
                if (d <= ragged) set(x + dx, top + dy, z + dz, 18);
            }
    for (int y = g + 1; y <= top; y++) set(x, y, z, 17);
    return true;
}

void Script::room(const std::vector<std::string>& t) {
    need(t, 9, 9);
    int wall = placeableBlock(t[1]), floor = placeableBlock(t[2]), roof = placeableBlock(t[3]);
    int x0 = num(t[4]), z0 = num(t[6]), x1 = num(t[7]), z1 = num(t[9]);
    int y0 = yAt(t[5], x0, z0), y1 = yAt(t[8], x0, z0);
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    if (z1 < z0) std::swap(z0, z1);
    box(wall, x0, y0, z0, x1, y1, z1, 2);
    box(floor, x0, y0, z0, x1, y0, z1, 0);
    box(roof, x0, y1, z0, x1, y1, z1, 0);
    box(0, x0 + 1, y0 + 1, z0 + 1, x1 - 1, y1 - 1, z1 - 1, 0);
}

void Script::paint(const std::vector<std::string>& t, bool alongPath) {
    int type = placeableBlock(t.size() > 1 ? t[1] : "");
    float half = 0;
    if (!alongPath) need(t, 5, 5);
    else {
        need(t, 6, 6);
        half = parseFloat(t[6]) / 2.0f;
    }
    ensureGrid();
    float x0 = parseFloat(t[2]), z0 = parseFloat(t[3]), x1 = parseFloat(t[4]), z1 = parseFloat(t[5]);
    for (int x = 0; x < int(w->width); x++)
        for (int z = 0; z < int(w->depth); z++) {
            bool inside;
            if (!alongPath) {
                inside = x >= std::min(x0, x1) && x <= std::max(x0, x1) && z >= std::min(z0, z1) &&
                         z <= std::max(z0, z1);
            } else {
                vec3 a(x0, 0, z0), b(x1, 0, z1), p(x, 0, z), ab = b - a;
                float len2 = glm::dot(ab, ab);
                float s = len2 > 0 ? std::clamp(glm::dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
                inside = glm::length(p - (a + s * ab)) <= half;
            }
            if (!inside) continue;
            int g = groundTop(x, z);
            if (g >= 0 && w->cell(x, g + 1, z).type != 19) set(x, g, z, type);
        }
}

void Script::plantTrees(const std::vector<std::string>& t) {
    need(t, 3, 7);
    ensureGrid();
    int count = num(t[1]), lo = num(t[2]), hi = num(t[3]);
    int x0, z0, x1, z1;
    region(t, 4, x0, z0, x1, z1);
    MapRng r = nextRng();
    int planted = 0;
    for (int tries = 0; planted < count && tries < count * 40; tries++) {
        int x = r.range(x0, x1), z = r.range(z0, z1), h = r.range(lo, hi);
        if (cleared(float(x), float(z), 2.0f) && tree(x, z, h, seed + uint64_t(tries))) planted++;
    }
}

void Script::scatterBoulders(const std::vector<std::string>& t) {
    need(t, 4, 8);
    ensureGrid();
    int count = num(t[1]);
    float lo = parseFloat(t[2]), hi = parseFloat(t[3]);
    int type = placeableBlock(t[4]);
    int x0, z0, x1, z1;
    region(t, 5, x0, z0, x1, z1);
    MapRng r = nextRng();
    for (int i = 0; i < count; i++) {
        int x = r.range(x0, x1), z = r.range(z0, z1);
        float rad = lo + (hi - lo) * r.unit();
        if (!cleared(float(x), float(z), rad)) continue;
        int g = groundTop(x, z);
        if (g < 0 || w->cell(x, g + 1, z).type == 19) continue;
        int R = int(std::ceil(rad));
        for (int dx = -R; dx <= R; dx++)
            for (int dy = -R; dy <= R; dy++)
                for (int dz = -R; dz <= R; dz++) {
                    float d = float(dx * dx + dz * dz) + float(dy * dy) * 1.4f;
                    float ragged = 0.8f + 0.35f * hashUnit(x + dx, g + dy, z + dz, seed + 5);
                    if (d > rad * rad * ragged || !w->inWorld(x + dx, g + dy, z + dz)) continue;
                    int old = w->cell(x + dx, g + dy, z + dz).type;
                    if (old == 0 || isGrassy(old) || old == 3 || old == 20 || old == 21)
                        set(x + dx, g + dy, z + dz, type);
                }
    }
}

void Script::vaskBall(const std::vector<std::string>& t) {
    need(t, 5, 5);
    ensureGrid();
    int x = num(t[1]), z = num(t[3]);
    int y = yAt(t[2], x, z);
    float rad = parseFloat(t[4]);
    int strength = num(t[5]);
    if (strength < 1 || strength > 32767) fail("vask strength runs from 1 to 32767");
    int R = int(std::ceil(rad));
    for (int dx = -R; dx <= R; dx++)
        for (int dy = -R; dy <= R; dy++)
            for (int dz = -R; dz <= R; dz++) {
                if (float(dx * dx + dy * dy + dz * dz) > rad * (rad + 1.0f)) continue;
                if (!w->inWorld(x + dx, y + dy, z + dz)) continue;
                int old = w->cell(x + dx, y + dy, z + dz).type;
                // Vask grows over the land: it fills air and swallows water and trees.
                if (old == 0 || isOrganic(old)) w->setBlock(x + dx, y + dy, z + dz, 2, strength);
            }
}

}  // namespace mapsource
