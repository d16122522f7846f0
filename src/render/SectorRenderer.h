#pragma once
// One 10 x 10 column of the world: its block meshes (one per block type) and the
// moving entities inside it. Mesh building fills plain arrays (CPU, testable
// headless); genMesh uploads them (GL).
#include "render/DepthMesh.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <list>
#include <vector>

using glm::vec3;
using glm::vec4;

class World;
class Entity;

struct RData {
    unsigned int vao = 0;
    unsigned int vbo[4] = {0, 0, 0, 0};  // positions, texcoords, indices, normal+light
    int elements = 0;
    std::vector<float> protoTex;
    std::vector<float> protoCoord;
    std::vector<uint16_t> protoElem;
    std::vector<float> protoNorm;
    // A mesh whose vertices outgrow 16-bit indices (a checkerboard of one type
    // through a tall sector) moves all its indices here instead of wrapping
    // around. `wide` describes the staging arrays, `drawWide` the uploaded mesh.
    std::vector<uint32_t> protoElemWide;
    bool wide = false;
    bool drawWide = false;
    // The mesh holds slope-filler geometry, whose winding says nothing about
    // which side is seen: `slopes` for the staging arrays, `drawSlopes` for
    // the uploaded mesh. Such a mesh is never drawn with back faces culled.
    bool slopes = false;
    bool drawSlopes = false;
    // An uploaded mesh whose quads are grouped by the side their faces look
    // to (-x, +x, -y, +y, -z, +z): group g holds the indices from facing[g] to
    // facing[g + 1]. A group that cannot face the eye need not be drawn.
    bool grouped = false;
    int facing[7] = {0, 0, 0, 0, 0, 0, 0};

    size_t vertexCount() const { return protoTex.size() / 2; }
    size_t indexCount() const { return wide ? protoElemWide.size() : protoElem.size(); }
    // Appends the four indices of one quad (a triangle repeats its last corner).
    void addQuadIndices(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
        if (!wide && d > 0xffff) {
            wide = true;
            protoElemWide.assign(protoElem.begin(), protoElem.end());
            protoElem.clear();
        }
        if (wide) {
            protoElemWide.insert(protoElemWide.end(), {a, b, c, d});
        } else {
            protoElem.insert(protoElem.end(), {uint16_t(a), uint16_t(b), uint16_t(c), uint16_t(d)});
        }
    }
    // Empties the staging arrays and gives their memory back.
    void clearStaging() {
        std::vector<float>().swap(protoTex);
        std::vector<float>().swap(protoCoord);
        std::vector<uint16_t>().swap(protoElem);
        std::vector<float>().swap(protoNorm);
        std::vector<uint32_t>().swap(protoElemWide);
        wide = false;
        slopes = false;
    }
};

class SectorRenderer {
public:
    bool needUpdate;
    World* world;
    int posX, posZ;
    std::vector<RData> rData;
    std::list<Entity*> ents;
    // Set by the frame around the opaque pass when this sector lies clear of
    // the eye: its slope-free opaque meshes are then drawn with back faces
    // culled (they are hidden behind the front faces of the same closed
    // surface anyway). Near the eye the near plane can cut a front face open,
    // so there every face is drawn.
    bool cullBackFaces = false;
    vec3 eye = vec3(0);  // where the eye is while cullBackFaces is set
    // False while World::renderSector knows no vask cell lies in or beside the
    // sector: every corner's light is then 0 and addCube skips counting it.
    bool lightPossible = true;
    // While World::renderSector walks the sector: one byte per cell of the
    // sector and its one-cell rim, 1 where the cell is vask, so that corner
    // lights are counted from dense bytes. vaskOrigin is the world cell of the
    // first byte; x and y steps are vaskStepX and vaskStepY, z is contiguous.
    const uint8_t* vaskCells = nullptr;
    int vaskOrigin[3] = {0, 0, 0};
    long vaskStepX = 0, vaskStepY = 0;
    // The sector's opaque geometry, cube faces merged, for the sun's depth pass.
    DepthMesh depth;
    // Height range of the uploaded meshes (empty when lo > hi), for skipping
    // sectors the camera cannot see. Set by updateBounds from the staging arrays.
    float meshLoY = 1.0f, meshHiY = 0.0f;

    explicit SectorRenderer(World* w);
    ~SectorRenderer();
    // The GL names in rData and the entities belong to one sector: a copy would
    // free them twice. A move takes them along and leaves the source empty.
    SectorRenderer(const SectorRenderer&) = delete;
    SectorRenderer& operator=(const SectorRenderer&) = delete;
    SectorRenderer(SectorRenderer&&) noexcept = default;
    SectorRenderer& operator=(SectorRenderer&&) = delete;

    void setSector(int x, int z) { posX = x; posZ = z; }
    void addCube(vec4 v, int id);
    // One face (index into CUBE_FACES) of cell (x, y, z).
    void addFace(int x, int y, int z, int face, int id);
    // The vask light of a corner point (calcLight), from vaskCells when set.
    float cornerLight(int x, int y, int z) const;
    void addPartial(vec4 v);
    void genMesh();
    void render1(unsigned int shader);
    void render2(unsigned int shader);
    // With `draw` false: no draw, only the uniforms a draw would leave set.
    void render1(unsigned int shader, bool draw);
    void render2(unsigned int shader, bool draw);
    // The sun's depth pass, leaving out the faces that look away from `eye`.
    void renderDepth(unsigned int shader, vec3 eye);
    void renderEntities(unsigned int shader);
    void addEntity(Entity* e) { ents.push_back(e); }
    void update();
    // Empties the staging arrays without touching GL (headless rebuilds).
    void clearStaging();
    // Takes the height range of the staging meshes (before they are uploaded).
    void updateBounds();
    // Makes room in the staging arrays of `type` for `faces` more cube faces.
    void reserveFaces(int type, size_t faces);
};

// Reorders the staging indices of `r` so that its quads are grouped by the
// side their faces look to, in the order -x, +x, -y, +y, -z, +z (read from each
// quad's stored normal, which points into the cube), keeping their order within
// a group; fills `starts` with each group's first index and the total.
void groupQuadsByFacing(RData& r, int (&starts)[7]);

float calcLight(World* w, int x, int y, int z);
vec3 int2vec(int x);
std::vector<vec3> get2Union(vec3 a, vec3 b);
std::vector<vec3> get2XUnion(vec3 a, vec3 b);
