#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include "GlMesh.h"
#include "Image.h"
#include "Preview.h"
#include "render/SeeThrough.h"

namespace {

constexpr int kW = 800, kH = 600;
const glm::vec3 kEye(-2.5f, 8.5f, -4.5f);
const glm::vec3 kCentre(8.0f, 6.0f, 8.0f);
const glm::vec3 kSunPos = glm::vec3(8, 0, 8) + glm::normalize(glm::vec3(0.45f, 1.0f, -0.35f)) * 450.0f;
const glm::vec3 kLensSpot(9.0f, 6.0f, 3.0f);
constexpr float kLensSize = 1.6f;

enum Cell { Air, Grass, Stone, VaskCell };

struct Options {
    bool shadows = true;
    bool vaskLight = true;
    bool lens = true;
};

struct WorldMeshes {
    GlMesh grass, stone, vask, cube, cubeLit, line, beamLine, projectile, quad, lensQuad;
};

using Cells = std::map<std::tuple<int, int, int>, Cell>;

Cells makeCells() {
    Cells c;
    for (int x = 0; x < 16; ++x)
        for (int z = 0; z < 16; ++z) c[{x, 0, z}] = Grass;
    for (int y = 1; y <= 3; ++y) c[{6, y, 6}] = Stone;
    c[{12, 1, 12}] = Stone;
    for (auto p : {std::make_tuple(10, 1, 5), std::make_tuple(11, 1, 5), std::make_tuple(10, 1, 6),
                   std::make_tuple(10, 2, 5)})
        c[p] = VaskCell;
    return c;
}

Cell at(const Cells& c, int x, int y, int z) {
    auto it = c.find({x, y, z});
    return it == c.end() ? Air : it->second;
}

// Like the game's mesher: faces toward non-opaque neighbours, the normal
// pointing into the cube, and a light of 0.25 per vask cell around each corner.
void meshCells(const Cells& cells, Cell type, bool light, GlMesh& out) {
    struct Face { int dx, dy, dz; glm::vec3 c[4]; };
    const Face faces[6] = {
        {-1, 0, 0, {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}},
        {1, 0, 0, {{1, 1, 0}, {1, 1, 1}, {1, 0, 1}, {1, 0, 0}}},
        {0, 0, -1, {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}},
        {0, 0, 1, {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
        {0, -1, 0, {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}},
        {0, 1, 0, {{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}},
    };
    const glm::vec2 uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const auto& kv : cells) {
        if (kv.second != type) continue;
        auto [x, y, z] = kv.first;
        for (const Face& f : faces) {
            Cell n = at(cells, x + f.dx, y + f.dy, z + f.dz);
            bool open = type == VaskCell ? n == Air : (n == Air || n == VaskCell);
            if (!open) continue;
            for (int i = 0; i < 4; ++i) {
                glm::ivec3 corner = glm::ivec3(x, y, z) + glm::ivec3(f.c[i]);
                float l = 0.0f;
                for (int a = -1; a <= 0; ++a)
                    for (int b = -1; b <= 0; ++b)
                        for (int d = -1; d <= 0; ++d)
                            if (at(cells, corner.x + a, corner.y + b, corner.z + d) == VaskCell) l += 0.25f;
                out.vertex(glm::vec3(corner), uv[i],
                           glm::vec4(-f.dx, -f.dy, -f.dz, light ? l : 0.0f));
            }
        }
    }
}

glm::mat4 sceneProjection() {
    return glm::perspective(glm::radians(57.0f), float(kW) / kH, 0.5f, 1000.0f);
}
glm::mat4 sceneView() { return glm::lookAt(kEye, glm::vec3(8, 1, 8), glm::vec3(0, 1, 0)); }

void buildMeshes(WorldMeshes& m, bool vaskLight) {
    Cells cells = makeCells();
    meshCells(cells, Grass, vaskLight, m.grass);
    meshCells(cells, Stone, vaskLight, m.stone);
    meshCells(cells, VaskCell, vaskLight, m.vask);
    m.cube.cube(glm::vec3(0), 1.0f, false);
    m.cubeLit.cube(glm::vec3(0), 1.0f, true);
    // The removal overlay: the 12 edges of a cell.
    m.line.primitive = GL_LINES;
    const glm::vec3 k[8] = {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 1}, {1, 1, 1}, {1, 0, 1}, {0, 0, 1}};
    const int edges[24] = {0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 6, 6, 7, 7, 4, 0, 4, 1, 5, 2, 6, 3, 7};
    for (int e : edges) m.line.pos.insert(m.line.pos.end(), {k[e].x, k[e].y, k[e].z});
    m.beamLine.primitive = GL_LINES;
    m.beamLine.vertex({6.5f, 4.0f, 6.5f}, {0, 0});
    m.beamLine.vertex({12.5f, 1.5f, 12.5f}, {1, 1});
    m.projectile.primitive = GL_TRIANGLES;
    const glm::vec3 tip(13.0f, 2.5f, 4.0f), start(9.0f, 4.0f, 9.0f);
    for (glm::vec3 axis : {glm::vec3(0.3f, 0, 0), glm::vec3(0, 0.3f, 0), glm::vec3(0, 0, 0.3f)}) {
        m.projectile.vertex(tip, {0.5f, 0.5f});
        m.projectile.vertex(start - axis, {0, 0});
        m.projectile.vertex(start + axis, {1, 1});
    }
    // A flat square facing +y, for backdrop and billboards.
    m.quad.vertex({0, 0, 0}, {0, 0});
    m.quad.vertex({0, 0, 1}, {0, 1});
    m.quad.vertex({1, 0, 1}, {1, 1});
    m.quad.vertex({1, 0, 0}, {1, 0});
    // The singularity's billboard, spanned by the lens camera's own axes so its
    // texture lines up with what that camera saw.
    glm::vec3 fwd = glm::normalize(kLensSpot - kEye);
    glm::vec3 right = glm::normalize(glm::cross(fwd, glm::vec3(0, 1, 0)));
    glm::vec3 up = glm::cross(right, fwd);
    m.lensQuad.vertex(kLensSpot - right * kLensSize - up * kLensSize, {0, 0});
    m.lensQuad.vertex(kLensSpot + right * kLensSize - up * kLensSize, {1, 0});
    m.lensQuad.vertex(kLensSpot + right * kLensSize + up * kLensSize, {1, 1});
    m.lensQuad.vertex(kLensSpot - right * kLensSize + up * kLensSize, {0, 1});
    for (GlMesh* g : {&m.grass, &m.stone, &m.vask, &m.cube, &m.cubeLit, &m.line, &m.beamLine,
                      &m.projectile, &m.quad, &m.lensQuad})
        g->upload();
}

void bindTex(Tex t) { glBindTexture(GL_TEXTURE_2D, previewTexture(t)); }

void drawModel(GLuint prog, const GlMesh& mesh, const glm::mat4& model) {
    setMat(prog, "modelMatrix", model);
    mesh.draw();
}

const glm::mat4 kTurret = glm::translate(glm::mat4(1), glm::vec3(4.5f, 1.6f, 8.5f)) *
                          glm::rotate(glm::mat4(1), glm::radians(35.0f), glm::vec3(0, 1, 0)) *
                          glm::rotate(glm::mat4(1), glm::radians(-20.0f), glm::vec3(1, 0, 0)) *
                          glm::translate(glm::mat4(1), glm::vec3(-0.3f, -0.3f, -0.2f)) *
                          glm::scale(glm::mat4(1), glm::vec3(0.6f, 0.6f, 1.6f));

void drawShip(GLuint prog, const WorldMeshes& m) {
    bindTex(Tex::Hull);
    drawModel(prog, m.cube, glm::translate(glm::mat4(1), glm::vec3(1, 1, 10)) * glm::scale(glm::mat4(1), glm::vec3(3.5f, 1.0f, 2.0f)));
    drawModel(prog, m.cube, glm::translate(glm::mat4(1), glm::vec3(1.5f, 2, 10.5f)) * glm::scale(glm::mat4(1), glm::vec3(1.5f, 0.7f, 1.0f)));
}

void shadowPass(const Programs& p, const WorldMeshes& m, const Target& shadow, const glm::mat4& sp,
                const glm::mat4& sv) {
    shadow.bind();
    glClear(GL_DEPTH_BUFFER_BIT);
    glUseProgram(p.shadow);
    setMat(p.shadow, "projectionMatrix", sp);
    setMat(p.shadow, "viewMatrix", sv);
    for (const GlMesh* g : {&m.grass, &m.stone}) drawModel(p.shadow, *g, glm::mat4(1));
    drawModel(p.shadow, m.cubeLit, kTurret);
    drawShip(p.shadow, m);
}

// One frame in the game's order: backdrop, opaque, translucent, overlays,
// machines, entities, shields; `lensTex` 0 leaves the singularity out.
void drawScene(const Programs& p, const WorldMeshes& m, const Target& target, const glm::mat4& proj,
               const glm::mat4& view, const Options& o, GLuint shadowDepth, GLuint lensTex) {
    const GLuint b = p.block;
    target.bind();
    glClearColor(0.5f, 0.5f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    cutSeeThrough(true);
    glUseProgram(b);
    setMat(b, "projectionMatrix", proj);
    setMat(b, "viewMatrix", view);
    setInt(b, "Sampler", 0);
    setInt(b, "shadowMap", 1);
    setInts(b, "resolution", target.w, target.h);
    setInts(b, "shadowBuff", o.shadows ? 512 : 0, o.shadows ? 1024 : 0);
    setFloat(b, "time", 600.0f);
    setFloat(b, "depth", 0.3f);
    setVec(b, "sunPos", kSunPos);
    setVec(b, "playerPos", kEye);
    setVec(b, "uColor", glm::vec3(1, 0, 0));
    setVec(b, "dort", glm::vec4(0.95f, -1.0f, 0.0f, -1.5f));
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowDepth);
    glActiveTexture(GL_TEXTURE0);

    setInt(b, "mode", 5);
    bindTex(Tex::Country);
    drawModel(b, m.quad, glm::translate(glm::mat4(1), glm::vec3(-80, 0.0f, -80)) * glm::scale(glm::mat4(1), glm::vec3(176, 1, 176)));
    setInt(b, "mode", 8);
    bindTex(Tex::Sun);
    glm::vec3 toEye = glm::normalize(kEye - kSunPos);
    glm::mat4 face = glm::inverse(glm::lookAt(kSunPos, kSunPos + toEye, glm::vec3(0, 1, 0)));
    drawModel(b, m.quad, face * glm::rotate(glm::mat4(1), glm::radians(90.0f), glm::vec3(1, 0, 0)) *
                             glm::scale(glm::mat4(1), glm::vec3(70)) * glm::translate(glm::mat4(1), glm::vec3(-0.5f, 0, -0.5f)));
    setInt(b, "mode", 6);
    bindTex(Tex::White);
    // The player is inside the world's box, as in the game.
    drawModel(b, m.cube, glm::translate(glm::mat4(1), glm::vec3(-6, 0, -6)) * glm::scale(glm::mat4(1), glm::vec3(28, 14, 28)));
    glClear(GL_DEPTH_BUFFER_BIT);

    setInt(b, "mode", 0);
    setVec(b, "shiny", glm::vec2(0.1f, 8.0f));
    bindTex(Tex::Grass);
    drawModel(b, m.grass, glm::mat4(1));
    setVec(b, "shiny", glm::vec2(0.6f, 24.0f));
    bindTex(Tex::Stone);
    drawModel(b, m.stone, glm::mat4(1));

    glEnable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    setInt(b, "mode", 1);
    bindTex(Tex::Vask);
    drawModel(b, m.vask, glm::mat4(1));
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_TRUE);

    setInt(b, "mode", 4);
    bindTex(Tex::Stone);
    drawModel(b, m.cube, glm::translate(glm::mat4(1), glm::vec3(8, 1, 12)));
    drawModel(b, m.cube, glm::translate(glm::mat4(1), glm::vec3(8, 2, 12)));
    setInt(b, "mode", 3);
    glLineWidth(3.0f);
    drawModel(b, m.line, glm::translate(glm::mat4(1), glm::vec3(4, 1, 3)));
    glLineWidth(1.0f);

    setInt(b, "mode", 2);
    bindTex(Tex::Beam);
    glLineWidth(8.0f);
    drawModel(b, m.beamLine, glm::mat4(1));
    glLineWidth(1.0f);
    drawModel(b, m.projectile, glm::mat4(1));
    setInt(b, "mode", 0);
    setVec(b, "shiny", glm::vec2(0.2f, 2.0f));
    bindTex(Tex::Stone);
    drawModel(b, m.cubeLit, kTurret);
    setInt(b, "mode", 9);
    drawShip(b, m);

    setInt(b, "mode", 5);
    bindTex(Tex::Icon);
    drawModel(b, m.cube, glm::translate(glm::mat4(1), glm::vec3(8.75f, 2.75f, 8.75f)) * glm::scale(glm::mat4(1), glm::vec3(0.5f)));

    if (lensTex) {
        setInt(b, "mode", 7);
        glBindTexture(GL_TEXTURE_2D, lensTex);
        setSeeThroughCut(LENS_SEE_THROUGH_CUT);
        drawModel(b, m.lensQuad, glm::mat4(1));
        setSeeThroughCut(SEE_THROUGH_CUT);
    }

    setFloat(b, "depth", -1.0f);
    setInt(b, "mode", 6);
    bindTex(Tex::White);
    drawModel(b, m.cube, glm::translate(glm::mat4(1), glm::vec3(10.5f, -0.5f, 10.5f)) * glm::scale(glm::mat4(1), glm::vec3(4)));
    glBindTexture(GL_TEXTURE_2D, 0);
    cutSeeThrough(false);
    glUseProgram(0);
}

Image renderWorld(const Programs& p, const Options& o, Target& scene) {
    WorldMeshes m;
    buildMeshes(m, o.vaskLight);
    Target shadow(512, 1024, false);
    const float half = 0.65f * 16.0f;
    glm::mat4 sp = glm::ortho(-half, half, -half, half, 100.0f, 1000.0f);
    glm::mat4 sv = glm::lookAt(kSunPos, kCentre, glm::vec3(0, 1, 0));
    glm::mat4 bias(0.5f);
    bias[3] = glm::vec4(0.5f, 0.5f, 0.5f, 1.0f);
    glUseProgram(p.block);
    setMat(p.block, "shadowpMatrix", sp);
    setMat(p.block, "shadowbMatrix", bias);
    setMat(p.block, "shadowvMatrix", sv);
    if (o.shadows) shadowPass(p, m, shadow, sp, sv);

    GLuint lensTex = 0;
    std::unique_ptr<Target> lensView;
    if (o.lens) {
        // What lies behind the singularity, seen from the eye through its square.
        lensView = std::make_unique<Target>(512, 512, true);
        float dist = glm::length(kLensSpot - kEye);
        glm::mat4 lp = glm::frustum(-kLensSize, kLensSize, -kLensSize, kLensSize, dist, 500.0f);
        glm::mat4 lv = glm::lookAt(kEye, kLensSpot, glm::vec3(0, 1, 0));
        drawScene(p, m, *lensView, lp, lv, o, shadow.depth, 0);
        lensTex = lensView->color;
    }
    drawScene(p, m, scene, sceneProjection(), sceneView(), o, shadow.depth, lensTex);
    scene.bind();
    Image img = Image::readFramebuffer(scene.w, scene.h);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return img;
}

glm::ivec2 toPixel(glm::vec3 world) {
    glm::vec4 clip = sceneProjection() * sceneView() * glm::vec4(world, 1.0f);
    glm::vec3 ndc = glm::vec3(clip) / clip.w;
    return glm::ivec2((ndc.x * 0.5f + 0.5f) * kW, (ndc.y * 0.5f + 0.5f) * kH);
}

float luma(const float c[3]) { return 0.3f * c[0] + 0.59f * c[1] + 0.11f * c[2]; }

} // namespace

void previewWorld(const Programs& p, const std::string& outDir, Target& scene) {
    Target plain(kW, kH, true);
    Options noShadow, noGlow;
    noShadow.shadows = false;
    noGlow.vaskLight = false;
    Image unshadowed = renderWorld(p, noShadow, plain);
    Image unglowed = renderWorld(p, noGlow, plain);
    Image full = renderWorld(p, Options(), scene);
    expect(full.savePng(outDir + "/scene.png"), "write scene.png");

    // The tower's shadow falls on the ground away from the sun.
    glm::vec3 sunDir = glm::normalize(kSunPos - glm::vec3(6.5f, 4.0f, 6.5f));
    glm::vec3 shadowed = glm::vec3(6.5f, 3.0f, 6.5f) - sunDir * (2.0f / sunDir.y);
    glm::vec3 open(2.5f, 1.0f, 4.5f);
    float a[3], b[3];
    glm::ivec2 s = toPixel(shadowed), o = toPixel(open);
    full.mean(s.x, s.y, 2, a);
    unshadowed.mean(s.x, s.y, 2, b);
    expect(luma(a) < 0.8f * luma(b), "the tower casts a shadow on the ground");
    full.mean(o.x, o.y, 2, a);
    unshadowed.mean(o.x, o.y, 2, b);
    expect(std::fabs(luma(a) - luma(b)) < 0.03f, "open ground is not darkened by shadow acne");

    // Ground next to the vask glows purple; ground far away does not change.
    glm::ivec2 g = toPixel(glm::vec3(9.85f, 1.0f, 5.8f));
    full.mean(g.x, g.y, 1, a);
    unglowed.mean(g.x, g.y, 1, b);
    expect(a[2] - a[1] > b[2] - b[1] + 0.04f, "vask light tints nearby ground purple");
    full.mean(o.x, o.y, 2, a);
    unglowed.mean(o.x, o.y, 2, b);
    expect(std::fabs(luma(a) - luma(b)) < 0.01f, "ground away from the vask is untouched by its light");
}
