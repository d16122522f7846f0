// The shadow pass fills only the texels the eye can look up. A texel left out
// that a visible point reads would show a stale shadow, so the region must
// hold every point of the world the camera sees, and should leave out what it
// cannot see.
#include "render/ShadowRegion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <glm/gtc/matrix_transform.hpp>

namespace {

const glm::ivec2 MAP(2048, 4096);
const glm::vec3 WORLD(100, 64, 100);

// The game's sun over a world of WORLD cells, into a 0..1 map.
glm::mat4 sunToMap(glm::vec3 sun) {
    return SHADOW_BIAS * shadowProjection(WORLD.x, WORLD.z) * sunView(sun, WORLD / 2.0f);
}

// The player's camera: 57 degrees, 4:3, near 0.5, far 1000, turned by yaw and pitch.
glm::mat4 eyeView(glm::vec3 eye, float yaw, float pit) {
    glm::mat4 view = glm::rotate(glm::mat4(1.0f), glm::radians(pit), glm::vec3(1, 0, 0));
    view = glm::rotate(view, glm::radians(yaw), glm::vec3(0, 1, 0));
    return glm::perspective(glm::radians(57.0f), 800.0f / 600.0f, 0.5f, 1000.0f) * glm::translate(view, -eye);
}

bool seenBy(const glm::mat4& viewProj, glm::vec3 p) {
    glm::vec4 c = viewProj * glm::vec4(p, 1.0f);
    return c.w > 0 && std::abs(c.x) <= c.w && std::abs(c.y) <= c.w && std::abs(c.z) <= c.w;
}

glm::vec2 texelOf(const glm::mat4& toMap, glm::vec3 p) {
    glm::vec4 m = toMap * glm::vec4(p, 1.0f);
    return glm::vec2(m) / m.w * glm::vec2(MAP);
}

float area(const TexelRect& r) { return r.empty() ? 0.0f : float(r.x1 - r.x0) * float(r.y1 - r.y0); }

}  // namespace

TEST(ShadowRegion, HoldsEveryWorldPointTheEyeSeesAndLeavesOutMuchOfTheRest) {
    srand(7);
    struct View {
        glm::vec3 eye, sun;
        float yaw, pit;
    };
    // From the edge across the world, from the middle looking down and at the
    // horizon, from outside the world, and under a low evening sun.
    const View views[] = {{{50, 30, 98}, {80, 500, 40}, 0, 10},   {{50, 40, 50}, {80, 500, 40}, 90, 80},
                          {{50, 40, 50}, {80, 500, 40}, 200, 0},  {{-30, 80, -30}, {80, 500, 40}, 135, 30},
                          {{20, 20, 20}, {50, 60, 520}, 300, -20}};
    for (const View& v : views) {
        glm::mat4 vp = eyeView(v.eye, v.yaw, v.pit), toMap = sunToMap(v.sun);
        TexelRect r = shadowRegion(vp, glm::vec3(0), WORLD, toMap, MAP, 0);
        int seen = 0;
        for (int i = 0; i < 20000; i++) {
            glm::vec3 p = WORLD * glm::vec3(rand() % 1001, rand() % 1001, rand() % 1001) / 1000.0f;
            if (!seenBy(vp, p)) continue;
            seen++;
            glm::vec2 t = texelOf(toMap, p);
            ASSERT_TRUE(t.x >= float(r.x0) && t.x <= float(r.x1) && t.y >= float(r.y0) && t.y <= float(r.y1))
                << "point " << p.x << "," << p.y << "," << p.z << " at texel " << t.x << "," << t.y << " outside "
                << r.x0 << ".." << r.x1 << " x " << r.y0 << ".." << r.y1 << " for the eye at " << v.eye.x << ","
                << v.eye.y << "," << v.eye.z;
        }
        EXPECT_GT(seen, 100);
    }
    // Looking down from the middle sees a small part of the map; looking
    // across from the edge, less than all of it.
    TexelRect whole = boxInMap(glm::vec3(0), WORLD, sunToMap({80, 500, 40}), MAP, 0);
    EXPECT_LT(area(shadowRegion(eyeView({50, 40, 50}, 90, 80), glm::vec3(0), WORLD, sunToMap({80, 500, 40}), MAP, 0)),
              0.4f * area(whole));
    EXPECT_LT(area(shadowRegion(eyeView({50, 30, 98}, 0, 10), glm::vec3(0), WORLD, sunToMap({80, 500, 40}), MAP, 0)),
              0.8f * area(whole));
}

TEST(ShadowRegion, EmptyWhenTheEyeLooksAwayAndClampedToTheMap) {
    glm::mat4 toMap = sunToMap({80, 500, 40});
    // Outside the world, looking away from it.
    EXPECT_TRUE(shadowRegion(eyeView({50, 30, 150}, 180, 0), glm::vec3(0), WORLD, toMap, MAP, 3).empty());
    // A margin never reaches past the map's edges.
    TexelRect r = shadowRegion(eyeView({50, 200, 50}, 0, 90), glm::vec3(-500), glm::vec3(600), toMap, MAP, 50);
    EXPECT_GE(r.x0, 0);
    EXPECT_GE(r.y0, 0);
    EXPECT_LE(r.x1, MAP.x);
    EXPECT_LE(r.y1, MAP.y);
    EXPECT_FALSE(r.empty());
    // The margin widens the region by that many texels on each side.
    TexelRect tight = shadowRegion(eyeView({50, 40, 50}, 90, 80), glm::vec3(0), WORLD, toMap, MAP, 0);
    TexelRect wide = shadowRegion(eyeView({50, 40, 50}, 90, 80), glm::vec3(0), WORLD, toMap, MAP, 5);
    EXPECT_EQ(wide.x0, tight.x0 - 5);
    EXPECT_EQ(wide.y1, tight.y1 + 5);
}

TEST(ShadowRegion, ABoxMeetsTheRegionOnlyWhereItsShadowCanFall) {
    glm::mat4 toMap = sunToMap({80, 500, 40});
    TexelRect region = boxInMap(glm::vec3(0, 0, 0), glm::vec3(10, 64, 10), toMap, MAP, 0);
    // The sector beside it shares an edge texel or two; one across the world does not.
    EXPECT_TRUE(boxInMap(glm::vec3(10, 0, 0), glm::vec3(20, 64, 10), toMap, MAP, 2).meets(region));
    EXPECT_FALSE(boxInMap(glm::vec3(80, 0, 80), glm::vec3(90, 64, 90), toMap, MAP, 2).meets(region));
    EXPECT_FALSE(TexelRect{}.meets(region));
}

TEST(ShadowRegion, ASunStraightOverheadStillCastsShadows) {
    // glm's lookAt has no "up" to turn by there; the map then showed nothing.
    glm::mat4 toMap = sunToMap({50, 500, 50});
    for (int i = 0; i < 16; i++) EXPECT_TRUE(std::isfinite(toMap[i / 4][i % 4]));
    // The world's middle lands in the map's middle, a point further along x
    // further along the map's x, and a higher point nearer to the sun.
    glm::vec4 mid = toMap * glm::vec4(50, 32, 50, 1), east = toMap * glm::vec4(60, 32, 50, 1);
    glm::vec4 high = toMap * glm::vec4(50, 60, 50, 1);
    EXPECT_NEAR(mid.x, 0.5f, 1e-4f);
    EXPECT_NEAR(mid.y, 0.5f, 1e-4f);
    EXPECT_GT(east.x, mid.x + 0.05f);
    EXPECT_LT(high.z, mid.z);
    // Anywhere else the sky's up is kept.
    glm::mat4 slanted = sunView({80, 500, 40}, {50, 32, 50});
    glm::mat4 sky = glm::lookAt(glm::vec3(80, 500, 40), glm::vec3(50, 32, 50), glm::vec3(0, 1, 0));
    for (int i = 0; i < 16; i++) EXPECT_FLOAT_EQ(slanted[i / 4][i % 4], sky[i / 4][i % 4]);
}

TEST(ShadowRegion, AnUndefinedViewKeepsTheWholeMap) {
    glm::mat4 broken(std::nanf(""));
    TexelRect r = shadowRegion(eyeView({50, 40, 50}, 90, 80), glm::vec3(0), WORLD, broken, MAP, 0);
    EXPECT_EQ(r.x0, 0);
    EXPECT_EQ(r.y0, 0);
    EXPECT_EQ(r.x1, MAP.x);
    EXPECT_EQ(r.y1, MAP.y);
}
