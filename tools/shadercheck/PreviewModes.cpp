#include <glm/gtc/matrix_transform.hpp>

#include <vector>

#include "GlMesh.h"
#include "Image.h"
#include "Preview.h"
#include "render/SeeThrough.h"

namespace {

constexpr int kTile = 160;

struct BlockLook {
    int mode;
    float depth;
};
// Every block mode, plus mode 6 a second time as a shield bubble.
const BlockLook kBlockLooks[] = {{0, 0.3f}, {1, 0.3f}, {2, 0.3f}, {3, 0.3f}, {4, 0.3f}, {5, 0.3f},
                                 {6, 0.3f}, {6, -1.0f}, {7, 0.3f}, {8, 0.3f}, {9, 0.3f}};

void blockTile(const Programs& p, const GlMesh& cube, const GlMesh& billboard, const BlockLook& look) {
    const GLuint b = p.block;
    const glm::vec3 eye(2.3f, 1.9f, 2.7f);
    glUseProgram(b);
    setMat(b, "projectionMatrix", glm::perspective(glm::radians(45.0f), 1.0f, 0.5f, 1000.0f));
    setMat(b, "viewMatrix", glm::lookAt(eye, glm::vec3(0.5f), glm::vec3(0, 1, 0)));
    setMat(b, "modelMatrix", glm::mat4(1));
    setInt(b, "Sampler", 0);
    setInt(b, "shadowMap", 1);
    setInts(b, "shadowBuff", 0, 0);
    setFloat(b, "time", 300.0f);
    setFloat(b, "depth", look.depth);
    setVec(b, "sunPos", glm::vec3(200, 400, 300));
    setVec(b, "playerPos", eye);
    setVec(b, "shiny", glm::vec2(0.6f, 16.0f));
    setVec(b, "uColor", glm::vec3(1, 0, 0));
    setVec(b, "dort", glm::vec4(0.95f, -1.0f, 0.0f, -1.5f));
    setInt(b, "mode", look.mode);
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Grass));
    if (look.mode == 3) glLineWidth(3.0f);
    cutSeeThrough(true);
    if (look.mode == 7) setSeeThroughCut(LENS_SEE_THROUGH_CUT);
    if (look.mode == 7 || look.mode == 8) billboard.draw();
    else cube.draw();
    cutSeeThrough(false);
    glLineWidth(1.0f);
}

void postTile(const Programs& p, const GlMesh& quad, const GlMesh& plain, int mode) {
    const GLuint post = p.post;
    glUseProgram(post);
    setMat(post, "projectionMatrix", glm::ortho(0.0f, 100.0f, 0.0f, 100.0f, 1.0f, 500.0f));
    setMat(post, "modelMatrix", glm::mat4(1));
    setInt(post, "Sampler", 0);
    setInt(post, "Scene", 2);
    setInt(post, "mode", mode);
    setFloat(post, "hp", 0.2f);
    setFloat(post, "time", 40.0f);
    setVec(post, "uColor", glm::vec3(1, 0.2f, 0.1f));
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Portrait));
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, previewTexture(Tex::Portrait));
    glActiveTexture(GL_TEXTURE0);
    if (mode == 4) plain.draw();
    else quad.draw();
}

} // namespace

void previewModes(const Programs& p, const std::string& outDir) {
    GlMesh cube, billboard, quad, plain;
    cube.cube(glm::vec3(0), 1.0f, true, 1.0f);
    // Faces the tile camera, spanning the cube's extent.
    billboard.vertex({1.2f, -0.2f, -0.2f}, {0, 0});
    billboard.vertex({1.2f, 1.2f, -0.2f}, {0, 1});
    billboard.vertex({-0.2f, 1.2f, 1.2f}, {1, 1});
    billboard.vertex({-0.2f, -0.2f, 1.2f}, {1, 0});
    const float q[4][2] = {{10, 10}, {10, 90}, {90, 90}, {90, 10}};
    const float t[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    for (int i = 0; i < 4; ++i) {
        quad.vertex({q[i][0], q[i][1], -5}, {t[i][0], t[i][1]});
        plain.pos.insert(plain.pos.end(), {q[i][0], q[i][1], -5});
    }
    for (GlMesh* g : {&cube, &billboard, &quad, &plain}) g->upload();

    const int blockCount = sizeof kBlockLooks / sizeof kBlockLooks[0];
    const int cols = 6, rows = (blockCount + cols - 1) / cols + 1;
    Target sheet(cols * kTile, rows * kTile, true);
    sheet.bind();
    glClearColor(0.25f, 0.25f, 0.3f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    std::vector<glm::ivec2> blockAt, postAt;
    for (int i = 0; i < blockCount; ++i) {
        glm::ivec2 at((i % cols) * kTile, (rows - 1 - i / cols) * kTile);
        glViewport(at.x, at.y, kTile, kTile);
        blockTile(p, cube, billboard, kBlockLooks[i]);
        blockAt.push_back(at);
    }
    for (int m = 0; m < 6; ++m) {
        glm::ivec2 at(m * kTile, 0);
        glViewport(at.x, at.y, kTile, kTile);
        postTile(p, quad, plain, m);
        postAt.push_back(at);
    }
    glUseProgram(0);
    Image img = Image::readFramebuffer(sheet.w, sheet.h);
    expect(img.savePng(outDir + "/modes.png"), "write modes.png");

    auto distinct = [&](const std::vector<glm::ivec2>& at, const char* what) {
        for (size_t i = 0; i < at.size(); ++i)
            for (size_t j = i + 1; j < at.size(); ++j) {
                float d = imageDifference(img.crop(at[i].x, at[i].y, kTile, kTile),
                                          img.crop(at[j].x, at[j].y, kTile, kTile));
                expect(d > 0.01f, std::string(what) + " looks " + std::to_string(i) + " and " +
                                      std::to_string(j) + " are nearly the same");
            }
    };
    distinct(blockAt, "block");
    distinct(postAt, "post");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
