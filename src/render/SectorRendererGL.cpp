// The GL half of a sector: uploading the staging meshes and drawing them.
#include "machines/Entity.h"
#include "render/GlMesh.h"
#include "render/SectorRenderer.h"
#include "render/ShaderHelp.h"
#include "render/Textures.h"
#include "render/ViewCull.h"
#include "world/Block.h"
#include "world/BlockLookup.h"

#include <glm/gtc/type_ptr.hpp>

#include <cstdint>

namespace {

void uploadFloats(GLuint buffer, GLuint attrib, GLint size, const std::vector<float>& data) {
    uploadAttribute(buffer, attrib, size, data.data(), data.size(), GL_STATIC_DRAW);
}

const BlockAttrib* attribOf(size_t type) {
    return findBlockAttrib(int(type));
}

}  // namespace

SectorRenderer::~SectorRenderer() {
    // A headless sector never made a GL object, and so makes no GL call here.
    for (RData& r : rData) deleteMesh(r.vao, r.vbo, 4);
}

void SectorRenderer::genMesh() {
    updateBounds();
    glBindVertexArray(0);
    for (RData& r : rData) {
        deleteMesh(r.vao, r.vbo, 4);
        r.elements = int(r.indexCount());
        r.drawWide = r.wide;
        r.drawSlopes = r.slopes;
        // Opaque, slope-free meshes in opaque textures are grouped by facing,
        // so the frame can leave out the groups that face away from the eye.
        // Their quads' order then differs, which only a blended texel could show.
        const BlockAttrib* attrib = attribOf(size_t(&r - rData.data()));
        r.grouped = r.elements > 0 && !r.slopes && attrib && attrib->renderPass == 1 &&
                    !textureHasTranslucency(getTexture(attrib->tex));
        if (r.grouped) groupQuadsByFacing(r, r.facing);
        // An empty mesh would draw nothing; it keeps no GL objects at all.
        if (r.elements == 0) {
            r.clearStaging();
            continue;
        }
        glGenVertexArrays(1, &r.vao);
        glBindVertexArray(r.vao);
        glGenBuffers(4, r.vbo);
        uploadFloats(r.vbo[0], 0, 3, r.protoCoord);
        uploadFloats(r.vbo[1], 2, 2, r.protoTex);
        uploadFloats(r.vbo[3], 3, 4, r.protoNorm);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, r.vbo[2]);
        if (r.wide)
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(r.protoElemWide.size() * sizeof(uint32_t)),
                         r.protoElemWide.data(), GL_STATIC_DRAW);
        else
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(r.protoElem.size() * sizeof(uint16_t)),
                         r.protoElem.data(), GL_STATIC_DRAW);
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        r.clearStaging();
    }
    depth.upload();
}

// Draws the groups of a grouped mesh that may face the eye; `lo` and `hi`
// bound the planes its faces lie in.
static void drawFacingEye(const RData& r, vec3 eye, vec3 lo, vec3 hi) {
    FacingRuns seen = runsFacingEye(r.facing, eye, lo, hi);
    GLenum type = r.drawWide ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
    size_t unit = r.drawWide ? sizeof(uint32_t) : sizeof(uint16_t);
    const void* offsets[6];
    for (int d = 0; d < seen.runs; d++)
        offsets[d] = reinterpret_cast<const void*>(uintptr_t(size_t(seen.first[d]) * unit));
    if (seen.runs == 1) glDrawElements(GL_QUADS, seen.count[0], type, offsets[0]);
    else if (seen.runs > 1) glMultiDrawElements(GL_QUADS, seen.count, type, offsets, seen.runs);
}

// Draws every uploaded mesh whose type's pass is picked by `wanted`. Without
// `draw` it only sets the uniforms the draws would have left behind, so that a
// sector out of view changes nothing for the drawers after it.
template <typename Pick>
static void drawMeshes(std::vector<RData>& rData, GLuint shader, bool draw, bool cull, Pick wanted,
                       vec3 eye = vec3(0), vec3 lo = vec3(0), vec3 hi = vec3(0)) {
    GLint shinyLoc = glGetUniformLocation(shader, "shiny");
    GLint modeLoc = glGetUniformLocation(shader, "mode");
    if (cull) glCullFace(GL_BACK);
    const RData* last = nullptr;
    const BlockAttrib* lastAttrib = nullptr;
    size_t lastType = 0;
    for (size_t i = 0; i < rData.size(); i++) {
        RData& r = rData[i];
        const BlockAttrib* a = attribOf(i);
        if (!r.vao || !a || !wanted(int(i), a->renderPass)) continue;
        last = &r, lastAttrib = a, lastType = i;
        if (!draw) continue;
        glUniform2f(shinyLoc, a->shiny.x, a->shiny.y);
        glUniform1i(modeLoc, (a->renderPass > 1 && i == 2) ? 1 : 0);
        glBindTexture(GL_TEXTURE_2D, getTexture(a->tex));
        if (cull) {
            if (r.drawSlopes) glDisable(GL_CULL_FACE);
            else glEnable(GL_CULL_FACE);
        }
        glBindVertexArray(r.vao);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, r.vbo[2]);
        if (cull && r.grouped) drawFacingEye(r, eye, lo, hi);
        else glDrawElements(GL_QUADS, r.elements, r.drawWide ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT, nullptr);
    }
    if (!draw) {
        if (!last) return;
        glUniform2f(shinyLoc, lastAttrib->shiny.x, lastAttrib->shiny.y);
        glUniform1i(modeLoc, (lastAttrib->renderPass > 1 && lastType == 2) ? 1 : 0);
        return;
    }
    if (cull) glDisable(GL_CULL_FACE);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void SectorRenderer::render1(unsigned int shader) { render1(shader, true); }
void SectorRenderer::render2(unsigned int shader) { render2(shader, true); }

void SectorRenderer::render1(unsigned int shader, bool draw) {
    glUseProgram(shader);
    glm::mat4 identity(1.0f);
    glUniformMatrix4fv(glGetUniformLocation(shader, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(identity));
    glUniform1i(glGetUniformLocation(shader, "mode"), 0);
    vec3 lo(10.0f * float(posX), meshLoY, 10.0f * float(posZ));
    drawMeshes(rData, shader, draw, draw && cullBackFaces, [](int, int pass) { return pass == 1; }, eye, lo,
               vec3(lo.x + 10.0f, meshHiY, lo.z + 10.0f));
    glUseProgram(0);
}

void SectorRenderer::render2(unsigned int shader, bool draw) {
    glUseProgram(shader);
    glm::mat4 identity(1.0f);
    glUniformMatrix4fv(glGetUniformLocation(shader, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(identity));
    if (!draw) {
        drawMeshes(rData, shader, false, false, [](int, int pass) { return pass > 1; });
        glUseProgram(0);
        return;
    }
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glDepthMask(GL_FALSE);
    drawMeshes(rData, shader, true, false, [](int, int pass) { return pass > 1; });
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_TRUE);
    glUseProgram(0);
}

void SectorRenderer::renderDepth(unsigned int shader, vec3 eye) {
    glUseProgram(shader);
    glm::mat4 identity(1.0f);
    glUniformMatrix4fv(glGetUniformLocation(shader, "modelMatrix"), 1, GL_FALSE, glm::value_ptr(identity));
    vec3 lo(10.0f * float(posX), meshLoY, 10.0f * float(posZ));
    vec3 hi(lo.x + 10.0f, meshHiY, lo.z + 10.0f);
    depth.draw(eye, lo, hi);
    glUseProgram(0);
}

void SectorRenderer::renderEntities(unsigned int shader) {
    for (Entity* e : ents) e->render(shader);
}
