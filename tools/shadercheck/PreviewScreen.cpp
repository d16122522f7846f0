#include <glm/gtc/matrix_transform.hpp>

#include "GlMesh.h"
#include "Image.h"
#include "Preview.h"

namespace {

void place(GLuint prog, float x, float y, float sx, float sy) {
    setMat(prog, "modelMatrix", glm::scale(glm::translate(glm::mat4(1), glm::vec3(x, y, 0)), glm::vec3(sx, sy, 1)));
}

struct ScreenMeshes {
    GlMesh full, hud, logo;
    ScreenMeshes() {
        full.vertex({0, 0, -10}, {0, 0});
        full.vertex({0, 100, -10}, {0, 1});
        full.vertex({100, 100, -10}, {1, 1});
        full.vertex({100, 0, -10}, {1, 0});
        // The HUD quad: 2.34 units square around its placement point.
        hud.vertex({-1.17f, -1.17f, -5}, {0, 1});
        hud.vertex({-1.17f, 1.17f, -5}, {0, 0});
        hud.vertex({1.17f, 1.17f, -5}, {1, 0});
        hud.vertex({1.17f, -1.17f, -5}, {1, 1});
        // Block letters of the title: flat quads with positions only.
        const float bars[][4] = {{20, 78, 32, 81}, {25, 66, 27, 78}, {35, 66, 37, 81}, {43, 66, 45, 81},
                                 {37, 72, 43, 74}, {49, 66, 51, 81}, {51, 79, 58, 81}, {51, 72, 56, 74},
                                 {51, 66, 58, 68}, {62, 66, 64, 81}, {64, 73, 72, 75}, {70, 66, 72, 81}};
        for (const auto& b : bars) {
            logo.pos.insert(logo.pos.end(), {b[0], b[1], -20, b[0], b[3], -20, b[2], b[3], -20, b[2], b[1], -20});
        }
        full.upload();
        hud.upload();
        logo.upload();
    }
};

void compose(GLuint post, const ScreenMeshes& m, float hp) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(post);
    setMat(post, "projectionMatrix", glm::ortho(0.0f, 100.0f, 0.0f, 100.0f, 1.0f, 500.0f));
    setMat(post, "modelMatrix", glm::mat4(1));
    setInt(post, "Sampler", 0);
    setInt(post, "Scene", 2);
    setInt(post, "mode", 0);
    setFloat(post, "hp", hp);
    m.full.draw();
}

void drawHud(GLuint post, const ScreenMeshes& m) {
    setVec(post, "uColor", glm::vec3(1, 0, 0));
    setInt(post, "mode", 1);
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Icon));
    for (int k = 0; k < 6; ++k) {
        place(post, 5.0f + 10 * k, 95, 1, 1);
        m.hud.draw();
    }
    setInt(post, "mode", 3);
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Glyphs));
    for (int k = 0; k < 6; ++k) {
        place(post, 7.5f + 10 * k, 95, 0.8f, 1.0f);
        m.hud.draw();
    }
    place(post, 50, 50, 1, 1);
    m.hud.draw();
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Frame));
    for (int k = 0; k < 4; ++k) {
        setInt(post, "mode", k == 1 ? 2 : 1);
        place(post, 20.0f + 7 * k, 7, 3, 3);
        m.hud.draw();
    }
    setInt(post, "mode", 2);  // a status bar, 60 % full, and highlighted text
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::White));
    place(post, 75.0f - 8.0f * 0.4f, 20, 4.0f * 0.6f, 0.6f);
    m.hud.draw();
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Glyphs));
    place(post, 70, 26, 1, 1.3f);
    m.hud.draw();
    setInt(post, "mode", 5);
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Portrait));
    place(post, 88, 40, 4, 6);
    m.hud.draw();
    glClear(GL_DEPTH_BUFFER_BIT);  // the title sits behind the scene quad; the menu draws no scene
    setInt(post, "mode", 4);
    setFloat(post, "time", 100.0f);
    setMat(post, "modelMatrix", glm::mat4(1));
    m.logo.draw();
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}

float redness(const Image& img, int x, int y) {
    float c[3];
    img.mean(x, y, 8, c);
    return c[0] - 0.5f * (c[1] + c[2]);
}

} // namespace

void previewScreen(const Programs& p, const std::string& outDir, const Target& scene) {
    ScreenMeshes m;
    Target screen(scene.w, scene.h, true);
    scene.bind();
    Image sceneImg = Image::readFramebuffer(scene.w, scene.h);
    screen.bind();
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, scene.color);
    glActiveTexture(GL_TEXTURE0);

    compose(p.post, m, 1.0f);
    Image healthy = Image::readFramebuffer(screen.w, screen.h);
    expect(maxChannelDifference(healthy, sceneImg) <= 1, "at full health the scene is shown unchanged");
    compose(p.post, m, 0.15f);
    Image hurt = Image::readFramebuffer(screen.w, screen.h);
    expect(redness(hurt, 12, 12) > redness(healthy, 12, 12) + 0.2f, "low health reddens the screen's edges");
    compose(p.post, m, 0.45f);
    Image scratched = Image::readFramebuffer(screen.w, screen.h);
    expect(redness(scratched, 12, 12) < redness(hurt, 12, 12), "the warning grows as health falls");

    for (float hp : {1.0f, 0.15f}) {
        compose(p.post, m, hp);
        drawHud(p.post, m);
        Image shot = Image::readFramebuffer(screen.w, screen.h);
        expect(shot.savePng(outDir + (hp > 0.5f ? "/screen_full.png" : "/screen_low.png")), "write screen png");
    }
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
