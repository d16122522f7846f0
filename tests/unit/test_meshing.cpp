// Sector meshing on headless worlds: which faces are built, their corners,
// normals and light, the slope filler, and the entity upkeep of a sector.
#include "WorldFixture.h"
#include "machines/Entity.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

// Builds the staging meshes of the sector holding cell (x, z).
SectorRenderer& mesh(World& w, int x = 0, int z = 0) {
    SectorRenderer& s = w.sectors[size_t(x / 10)][size_t(z / 10)];
    w.renderSector(s.posX, s.posZ, s);
    return s;
}

const RData* meshOf(SectorRenderer& s, int type) {
    return size_t(type) < s.rData.size() ? &s.rData[size_t(type)] : nullptr;
}

size_t vertices(SectorRenderer& s, int type) {
    const RData* r = meshOf(s, type);
    return r ? r->vertexCount() : 0;
}

void expectParallel(const RData& r) {
    size_t n = r.protoTex.size() / 2;
    EXPECT_EQ(r.protoCoord.size(), 3 * n);
    EXPECT_EQ(r.protoNorm.size(), 4 * n);
}

vec3 corner(const RData& r, size_t v) {
    return vec3(r.protoCoord[3 * v], r.protoCoord[3 * v + 1], r.protoCoord[3 * v + 2]);
}

}  // namespace

TEST(Meshing, SingleCubeHasSixFacesInTheAir_AndOnTheFloor) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 5, 3, 0);
    w->setBlock(2, 0, 2, 3, 0);
    SectorRenderer& s = mesh(*w);
    const RData* r = meshOf(s, 3);
    ASSERT_NE(r, nullptr);
    // Two cubes, both fully exposed: the world's floor counts as open.
    EXPECT_EQ(r->vertexCount(), 48u);
    EXPECT_EQ(r->protoElem.size(), 48u);
    expectParallel(*r);
    // The floor cube comes first in the walk (x outermost); its first face is x-1.
    EXPECT_EQ(corner(*r, 0), vec3(2, 0, 2));
    EXPECT_EQ(corner(*r, 1), vec3(2, 0, 3));
    EXPECT_EQ(corner(*r, 2), vec3(2, 1, 3));
    EXPECT_EQ(corner(*r, 3), vec3(2, 1, 2));
    EXPECT_FLOAT_EQ(r->protoNorm[0], 1.0f);  // stored normal points into the cube
    // Faces come in the order x-1, x+1, z-1, z+1, bottom, top: the last is the top.
    EXPECT_EQ(corner(*r, 44), vec3(5, 6, 5));
    EXPECT_EQ(corner(*r, 46), vec3(6, 6, 6));
    EXPECT_FLOAT_EQ(r->protoNorm[4 * 44 + 1], -1.0f);
    for (size_t i = 0; i < r->protoElem.size(); i++) EXPECT_EQ(r->protoElem[i], i);
    EXPECT_EQ(w->minx, 0);
    EXPECT_EQ(w->maxx, 10);
}

TEST(Meshing, OpaqueNeighboursHideFacesButFillersDoNot) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 5, 3, 0);
    w->setBlock(6, 5, 5, 4, 0);  // a different opaque type hides as well
    SectorRenderer& s = mesh(*w);
    EXPECT_EQ(vertices(s, 3), 20u);
    EXPECT_EQ(vertices(s, 4), 20u);

    auto w2 = makeWorld(12, 12, 12);
    w2->setBlock(5, 5, 5, 3, 0);
    w2->setBlock(6, 5, 5, 1, 0);  // a lone filler draws nothing and hides nothing
    SectorRenderer& s2 = mesh(*w2);
    EXPECT_EQ(vertices(s2, 3), 24u);
    EXPECT_EQ(vertices(s2, 1), 0u);
}

TEST(Meshing, TranslucentFacesBetweenPasses) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(2, 2, 2, 2, 5);
    w->setBlock(3, 2, 2, 2, 5);  // vask against vask: no face between
    w->setBlock(2, 6, 2, 2, 5);
    w->setBlock(3, 6, 2, 19, 0);  // vask against water: both build the face
    w->setBlock(2, 9, 2, 2, 5);
    w->setBlock(3, 9, 2, 3, 0);  // vask against stone: the vask's face is hidden
    SectorRenderer& s = mesh(*w);
    EXPECT_EQ(vertices(s, 2), (10 + 6 + 5) * 4u);
    EXPECT_EQ(vertices(s, 19), 24u);
    EXPECT_EQ(vertices(s, 3), 24u);  // a translucent neighbour never hides an opaque face
    expectParallel(s.rData[2]);
}

TEST(Meshing, LightCountsVaskAroundACorner) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(4, 4, 4, 2, 5);
    w->setBlock(5, 4, 4, 2, 5);
    w->setBlock(4, 5, 4, 2, 5);
    EXPECT_FLOAT_EQ(calcLight(w.get(), 5, 5, 5), 0.75f);
    EXPECT_FLOAT_EQ(calcLight(w.get(), 6, 5, 5), 0.25f);
    EXPECT_FLOAT_EQ(calcLight(w.get(), 7, 7, 7), 0.0f);
    w->setBlock(0, 0, 0, 2, 5);
    EXPECT_FLOAT_EQ(calcLight(w.get(), 0, 0, 0), 0.25f);  // cells outside the world are air
    EXPECT_FLOAT_EQ(calcLight(w.get(), 12, 12, 12), 0.0f);

    // The stone's x-1 face starts at corner (5, 5, 5), which three vask cells touch.
    w->setBlock(5, 5, 5, 3, 0);
    SectorRenderer& s = mesh(*w);
    ASSERT_GE(vertices(s, 3), 4u);
    EXPECT_EQ(corner(s.rData[3], 0), vec3(5, 5, 5));
    EXPECT_FLOAT_EQ(s.rData[3].protoNorm[3], 0.75f);
}

TEST(Meshing, VaskInTheNextSectorLightsTheRim) {
    auto w = makeWorld(30, 12, 30);
    w->setBlock(9, 5, 5, 3, 0);
    w->setBlock(10, 5, 5, 2, 5);  // sector (1, 0)
    w->setBlock(5, 5, 0, 3, 0);
    w->setBlock(5, 5, 29, 2, 5);  // far away: lights nothing here
    SectorRenderer& s = mesh(*w);
    const RData& r = s.rData[3];
    ASSERT_EQ(r.vertexCount(), 48u);
    // The stone at x = 9 comes second in the walk; its x+1 face is its second face.
    for (size_t v = 4 * 6 + 4; v < 4 * 6 + 8; v++) {
        EXPECT_EQ(corner(r, v).x, 10.0f);
        EXPECT_FLOAT_EQ(r.protoNorm[4 * v + 3], 0.25f) << "vertex " << v;
    }
    for (size_t v = 0; v < 24; v++) EXPECT_FLOAT_EQ(r.protoNorm[4 * v + 3], 0.0f);
}

TEST(Meshing, FillerCornerTakesTheLastSolidNeighboursTexture) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(4, 5, 5, 3, 0);  // x-1
    w->setBlock(5, 4, 5, 3, 0);  // y-1
    w->setBlock(5, 5, 4, 4, 0);  // z-1, brick: the last in neighbour order
    w->setBlock(5, 5, 5, 1, 0);
    SectorRenderer s(w.get());
    s.addPartial(vec4(5, 5, 5, 0));
    ASSERT_EQ(vertices(s, 4), 3u);
    EXPECT_EQ(vertices(s, 3), 0u);
    const RData& r = s.rData[4];
    EXPECT_EQ(corner(r, 0), vec3(6, 5, 5));
    EXPECT_EQ(corner(r, 1), vec3(5, 6, 5));
    EXPECT_EQ(corner(r, 2), vec3(5, 5, 6));
    EXPECT_EQ(r.protoElem, (std::vector<uint16_t>{0, 1, 2, 2}));
    expectParallel(r);
    EXPECT_LT(r.protoNorm[0], 0.0f);  // faces into the filled corner

    // The walk hands the filler to addPartial as well: the brick's own cube plus the corner.
    SectorRenderer& walked = mesh(*w);
    EXPECT_EQ(vertices(walked, 4), 24u + 3u);

    // A filler at z-1 lends no texture; the stone below it does.
    w->setBlock(5, 5, 4, 1, 0);
    SectorRenderer s2(w.get());
    s2.addPartial(vec4(5, 5, 5, 0));
    EXPECT_EQ(vertices(s2, 3), 3u);
}

TEST(Meshing, FillerEdgeSlopeAndShapesThatDrawNothing) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(4, 5, 5, 3, 0);  // x-1
    w->setBlock(5, 4, 5, 3, 0);  // y-1
    SectorRenderer s(w.get());
    s.addPartial(vec4(5, 5, 5, 0));
    ASSERT_EQ(vertices(s, 3), 4u);
    const RData& r = s.rData[3];
    EXPECT_EQ(corner(r, 0), vec3(6, 5, 6));
    EXPECT_EQ(corner(r, 1), vec3(6, 5, 5));
    EXPECT_EQ(corner(r, 2), vec3(5, 6, 5));
    EXPECT_EQ(corner(r, 3), vec3(5, 6, 6));

    // Four solid neighbours of which x-1/x+1 face each other: the same slope.
    w->setBlock(6, 5, 5, 3, 0);
    w->setBlock(5, 5, 6, 3, 0);
    SectorRenderer four(w.get());
    four.addPartial(vec4(5, 5, 5, 0));
    EXPECT_EQ(vertices(four, 3), 4u);

    auto w2 = makeWorld(12, 12, 12);
    w2->setBlock(4, 5, 5, 3, 0);
    w2->setBlock(6, 5, 5, 3, 0);  // only x-1 and x+1
    SectorRenderer pair(w2.get());
    pair.addPartial(vec4(5, 5, 5, 0));
    EXPECT_EQ(vertices(pair, 3), 0u);
    w2->setBlock(5, 4, 5, 3, 0);  // three, but two of them on one axis
    SectorRenderer three(w2.get());
    three.addPartial(vec4(5, 5, 5, 0));
    EXPECT_EQ(vertices(three, 3), 0u);
}

TEST(Meshing, UnionHelpers) {
    std::vector<vec3> u = get2Union(vec3(1, 0, 0), vec3(0, -1, 0));
    EXPECT_EQ(u[0], vec3(1, 0, 0));
    EXPECT_EQ(u[1], vec3(1, 0, 1));
    std::vector<vec3> x = get2XUnion(vec3(1, 0, 0), vec3(0, 1, 0));
    ASSERT_EQ(x.size(), 4u);
    EXPECT_EQ(x[0], vec3(0, 1, 0));
    EXPECT_EQ(x[1], vec3(0, 1, 1));
    EXPECT_EQ(x[2], vec3(1, 0, 1));
    EXPECT_EQ(x[3], vec3(1, 0, 0));
    EXPECT_EQ(int2vec(3), vec3(0, -1, 0));
}

TEST(Meshing, SectorsOutsideOrAtTheEdgeOfTheWorld) {
    auto w = makeWorld(20, 10, 15);
    for (int x = 0; x < 20; x++)
        for (int z = 0; z < 15; z++) w->setBlock(x, 0, z, 3, 0);
    ASSERT_EQ(w->sectors.size(), 3u);
    SectorRenderer& outside = w->sectors[2][0];
    w->renderSector(2, 0, outside);
    EXPECT_TRUE(outside.rData.empty());

    // The last sector along z holds 5 of its 10 columns.
    SectorRenderer& edge = w->sectors[0][1];
    w->renderSector(0, 1, edge);
    EXPECT_EQ(w->minz, 10);
    EXPECT_EQ(w->maxz, 15);
    // 10 x 5 floor cells: tops and bottoms of all, sides only at the world's edges.
    EXPECT_EQ(vertices(edge, 3), (10 * 5 * 2 + 10 + 5) * 4u);

    // A headless rebuild leaves nothing staged and clears the flag.
    edge.needUpdate = true;
    w->rebuildSector(edge);
    EXPECT_FALSE(edge.needUpdate);
    EXPECT_EQ(vertices(edge, 3), 0u);
}

TEST(Meshing, ManyVerticesOfOneTypeSwitchToWideIndices) {
    // A 3D checkerboard: every stone cell shows all six faces, 30,000 faces in
    // one sector, far beyond what 16-bit indices can address.
    auto w = makeWorld(10, 100, 10);
    for (int x = 0; x < 10; x++)
        for (int y = 0; y < 100; y++)
            for (int z = 0; z < 10; z++)
                if ((x + y + z) % 2 == 0) w->setBlock(x, y, z, 3, 0);
    SectorRenderer& s = mesh(*w);
    const RData& r = s.rData[3];
    ASSERT_EQ(r.vertexCount(), 5000u * 24);
    EXPECT_TRUE(r.wide);
    EXPECT_TRUE(r.protoElem.empty());
    ASSERT_EQ(r.protoElemWide.size(), r.vertexCount());
    for (size_t i = 0; i < r.protoElemWide.size(); i++)
        if (r.protoElemWide[i] != i) FAIL() << "index " << i << " is " << r.protoElemWide[i];

    s.clearStaging();
    EXPECT_FALSE(s.rData[3].wide);
}

namespace {

class CountingEntity : public Entity {
public:
    int* updates;
    int* deleted;
    CountingEntity(World* w, vec3 p, int* u, int* d) : Entity(w, p), updates(u), deleted(d) {}
    ~CountingEntity() override { ++*deleted; }
    void update() override { ++*updates; }
    void render(unsigned int) override {}
};

}  // namespace

TEST(Meshing, SectorUpdateHandsOverMovedEntities) {
    // Counters outlive the world, whose destructor deletes the entities left.
    int updatesA = 0, updatesB = 0, updatesC = 0, deleted = 0, updatesFar = 0;
    auto w = makeWorld(30, 10, 30);
    auto* a = new CountingEntity(w.get(), vec3(9.9f, 2, 5), &updatesA, &deleted);
    auto* b = new CountingEntity(w.get(), vec3(5, 2, 5), &updatesB, &deleted);
    auto* c = new CountingEntity(w.get(), vec3(6, 2, 5), &updatesC, &deleted);
    SectorRenderer& s0 = w->sectors[0][0];
    s0.addEntity(a);
    s0.addEntity(b);
    s0.addEntity(c);
    c->alive = false;

    a->pos.x = 10.1f;
    s0.update();
    EXPECT_EQ(updatesA, 0);  // handed over, not updated by the old sector
    EXPECT_EQ(updatesB, 1);  // the next entity is still visited
    EXPECT_EQ(deleted, 1);   // the dead one is deleted
    ASSERT_EQ(s0.ents.size(), 1u);
    EXPECT_EQ(s0.ents.front(), b);
    ASSERT_EQ(w->sectors[1][0].ents.size(), 1u);
    EXPECT_EQ(w->sectors[1][0].ents.front(), a);
    w->sectors[1][0].update();
    EXPECT_EQ(updatesA, 1);

    // An entity beyond the world's edge is filed under the edge sector and must
    // keep being updated there, not handed back to itself forever.
    SectorRenderer& edge = w->sectors[3][0];
    edge.addEntity(new CountingEntity(w.get(), vec3(55, 2, 5), &updatesFar, &deleted));
    edge.update();
    edge.update();
    EXPECT_EQ(updatesFar, 2);
    EXPECT_EQ(edge.ents.size(), 1u);
}

TEST(Meshing, WalkAgreesWithTheRulesOnRandomWorlds) {
    // Odd sizes leave partial sectors at the far edges; the mix holds opaque,
    // translucent (three passes), undrawn and vask cells.
    const int types[] = {0, 0, 0, 2, 3, 4, 6, 19, 41, 49, 50};
    srand(77);
    auto w = makeWorld(23, 9, 21);
    for (Block& b : w->blocks) {
        b.type = int16_t(types[rand() % 11]);
        if (b.type == 2) b.data = 10;
    }
    auto pass = [](int t) { return blockAttribs[t].renderPass; };
    for (auto& row : w->sectors)
        for (auto& s : row) {
            w->renderSector(s.posX, s.posZ, s);
            std::map<int, size_t> faces;
            std::map<int, double> light;
            for (int x = 10 * s.posX; x < std::min(10 * s.posX + 10, 23); x++)
                for (int y = 0; y < 9; y++)
                    for (int z = 10 * s.posZ; z < std::min(10 * s.posZ + 10, 21); z++) {
                        int t = w->cell(x, y, z).type, p = pass(t);
                        if (p == 0) continue;
                        const int d[6][3] = {{-1, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}};
                        for (const auto& o : d) {
                            int nx = x + o[0], ny = y + o[1], nz = z + o[2];
                            bool open = true;
                            if (w->inWorld(nx, ny, nz)) {
                                int u = w->cell(nx, ny, nz).type, q = pass(u);
                                open = p == 1 ? (q != 1 || u == 1) : ((q != 1 && q != p) || u == 1);
                            }
                            if (!open) continue;
                            faces[t]++;
                            // The face's corners: the cell's corners on that side.
                            for (int a = 0; a < 2; a++)
                                for (int b = 0; b < 2; b++) {
                                    int c[3] = {x, y, z};
                                    int axis = o[0] ? 0 : o[1] ? 1 : 2;
                                    c[axis] += (o[axis] > 0);
                                    c[(axis + 1) % 3] += a;
                                    c[(axis + 2) % 3] += b;
                                    double l = 0;
                                    for (int dx = -1; dx <= 0; dx++)
                                        for (int dy = -1; dy <= 0; dy++)
                                            for (int dz = -1; dz <= 0; dz++)
                                                l += w->getBlock(vec3(c[0] + dx, c[1] + dy, c[2] + dz)).type == 2 ? 0.25 : 0;
                                    light[t] += l;
                                }
                        }
                    }
            for (size_t t = 0; t < std::max(s.rData.size(), size_t(51)); t++) {
                size_t got = t < s.rData.size() ? s.rData[t].vertexCount() : 0;
                ASSERT_EQ(got, 4 * faces[int(t)]) << "type " << t << " sector " << s.posX << "," << s.posZ;
                double gotLight = 0;
                if (t < s.rData.size())
                    for (size_t v = 0; v < got; v++) gotLight += s.rData[t].protoNorm[4 * v + 3];
                EXPECT_NEAR(gotLight, light[int(t)], 1e-3) << "type " << t;
            }
        }
}

// A sector owns GL names: a copy would free them twice, so sectors only move,
// and a moved-from sector has nothing left to free.
TEST(Meshing, SectorsMoveButNeverCopy) {
    EXPECT_FALSE(std::is_copy_constructible_v<SectorRenderer>);
    EXPECT_FALSE(std::is_copy_assignable_v<SectorRenderer>);
    EXPECT_TRUE(std::is_nothrow_move_constructible_v<SectorRenderer>);
    SectorRenderer a(nullptr);
    a.rData.resize(3);
    a.rData[1].vao = 7;
    SectorRenderer b(std::move(a));
    EXPECT_TRUE(a.rData.empty());
    ASSERT_EQ(b.rData.size(), 3u);
    EXPECT_EQ(b.rData[1].vao, 7u);
    b.rData[1].vao = 0;  // not a real GL name: nothing to free headless
}

// The objective is the cell the player must defend: it is drawn as an opaque
// cube of its own texture, yet a mine still does not count it as ground.
TEST(Meshing, ObjectiveBlocksAreDrawnOpaque) {
    auto w = makeWorld(12, 12, 12);
    w->setBlock(5, 5, 5, 34, 0);
    w->setBlock(6, 5, 5, 3, 0);
    SectorRenderer& s = mesh(*w);
    EXPECT_EQ(vertices(s, 34), 20u);  // five open faces
    EXPECT_EQ(vertices(s, 3), 20u);   // the stone's face against it is hidden
    EXPECT_EQ(blockAttribs[34].tex, "obj");
    EXPECT_FALSE(blockAttribs[34].passable);
    EXPECT_FALSE(blockAttribs[34].minable);
}
