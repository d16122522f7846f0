#include "world/World.h"

#include "flow/Input.h"
#include "machines/ActiveBlock.h"
#include "machines/Entity.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "panels/StatusScreen.h"
#include "shell/GameOptions.h"
#include "world/BlockLookup.h"

#include <SDL2/SDL_mouse.h>

#include <cmath>
#include <cstdio>

World::World(unsigned w, unsigned h, unsigned d, SDL_Window* s)
    : sunPos(50, 500, 50), mapType(0), editorMode(false), saveButton(0), strengthButton(0),
      addEventButton(0), publishButton(0), closeEventsButton(0), depth(d), width(w), height(h), SHADOWBUFF_X(512), SHADOWBUFF_Y(1024),
      player(this), screen(s), blockRend(), entRend(), pRend(&player), theShip(nullptr),
      result(0), rateMeter(), showRate(gameOptions.getBool("SHOW_FPS", false)), mark(0), minx(0), maxx(0), miny(0), minz(0), maxy(int(h)), maxz(0),
      shadowBuffer(0), shadowTexture(0), sceneBuffer(0), sceneTexture(0), sceneDepth(0), vao(0),
      vbo{0, 0} {
    int shadows = gameOptions.getInt("SHADOWS", 3);
    if (shadows == 3) {
        SHADOWBUFF_X = 2048;
        SHADOWBUFF_Y = 4096;
    } else if (shadows == 2) {
        SHADOWBUFF_X = 1024;
        SHADOWBUFF_Y = 2048;
    }
    allocateGrid(w, h, d);
    buildSectors();
    // A world without a window is the headless simulation: it makes no GL objects.
    if (screen) createGraphics();
}

World::~World() {
    if (screen) destroyGraphics();
    setStatusScreen(this, nullptr);
    for (ActiveBlock* a : actives) delete a;
    actives.clear();
    deleteEntities();
}

void World::deleteEntities() {
    for (auto& row : sectors)
        for (auto& sector : row) {
            for (Entity* e : sector.ents) delete e;
            sector.ents.clear();
        }
}

void World::allocateGrid(unsigned w, unsigned h, unsigned d) {
    // Allocated before the sizes change: if memory runs out the world stays whole.
    std::vector<Block> grid(size_t(w) * h * d, Block(0));
    blocks.swap(grid);
    width = w;
    height = h;
    depth = d;
}

void World::buildSectors() {
    deleteEntities();
    sectors.clear();
    sectors.resize(width / 10 + 1);
    for (size_t i = 0; i < sectors.size(); i++) {
        sectors[i].reserve(depth / 10 + 1);
        for (size_t j = 0; j <= depth / 10; j++) {
            sectors[i].emplace_back(this);
            sectors[i][j].setSector(int(i), int(j));
        }
    }
}

Block World::getBlock(vec3 p) {
    if (p.x >= 0 && p.x < float(width) && p.y >= 0 && p.y < float(height) && p.z >= 0 &&
        p.z < float(depth))
        return cell(int(p.x), int(p.y), int(p.z));
    return Block(0);
}

std::vector<Block> World::getNeighbors(vec3 v) {
    return {getBlock(v + vec3(-1, 0, 0)), getBlock(v + vec3(1, 0, 0)),
            getBlock(v + vec3(0, -1, 0)), getBlock(v + vec3(0, 1, 0)),
            getBlock(v + vec3(0, 0, -1)), getBlock(v + vec3(0, 0, 1))};
}

void World::setBlock(int x, int y, int z, int type, int data) {
    if (!inWorld(x, y, z)) return;
    Block& b = cell(x, y, z);
    b.type = int16_t(type);
    b.data = int16_t(data);
    if (type == 2 || type == 5) {
        if (b.data == 0) b.data = 10;
        vaskDamage(x, y, z);
    }
}

void World::setBlockData(int x, int y, int z, int data) {
    if (!inWorld(x, y, z)) return;
    cell(x, y, z).data = int16_t(data);
}

void World::setBlockAndUpdate(int x, int y, int z, int type, int data) {
    if (!inWorld(x, y, z)) return;
    setBlock(x, y, z, type, data);
    mark++;
    auto flag = [this](int sx, int sz) {
        if (sx >= 0 && sz >= 0 && size_t(sx) < sectors.size() && size_t(sz) < sectors[sx].size())
            sectors[sx][sz].needUpdate = true;
    };
    int sx = x / 10, sz = z / 10;
    flag(sx, sz);
    // A cell on a sector's edge can expose faces of the neighbouring sector.
    if (x % 10 == 0 && x > 0) flag((x - 1) / 10, sz);
    if (x % 10 == 9) flag((x + 1) / 10, sz);
    if (z % 10 == 0 && z > 0) flag(sx, (z - 1) / 10);
    if (z % 10 == 9) flag(sx, (z + 1) / 10);
}

void World::placeVask(int x, int y, int z, int strength) { setBlockAndUpdate(x, y, z, 2, strength); }

void World::setActiveBlockAndUpdate(int x, int y, int z, ActiveBlock* a) {
    setBlockAndUpdate(x, y, z, a->getBlock(), 0);
    a->setPos(vec3(x, y, z));
    actives.push_back(a);
}

void World::removeActiveBlock(int x, int y, int z) {
    vec3 p(x, y, z);
    for (auto it = actives.begin(); it != actives.end();) {
        if ((*it)->pos == p) {
            ActiveBlock* a = *it;
            it = actives.erase(it);
            if (a == (ActiveBlock*)theShip) theShip = nullptr;
            if (a->isNetable()) unlink(static_cast<Netable*>(a));
            delete a;
        } else {
            ++it;
        }
    }
}

ActiveBlock* World::getActBlock(vec3 pos) {
    for (ActiveBlock* a : actives)
        if (a->pos == pos) return a;
    fprintf(stderr, "get active block failed \n");
    return nullptr;
}

void World::placeEntity(Entity* e) {
    int sx = int(e->pos.x) / 10, sz = int(e->pos.z) / 10;
    // An entity that strays outside the sector table is clamped to its edge so
    // it is still owned (and deleted) by some sector.
    if (sx < 0) sx = 0;
    if (sz < 0) sz = 0;
    if (size_t(sx) >= sectors.size()) sx = int(sectors.size()) - 1;
    if (size_t(sz) >= sectors[sx].size()) sz = int(sectors[sx].size()) - 1;
    sectors[sx][sz].addEntity(e);
}

void World::unlink(Netable* n) {
    for (ActiveBlock* a : actives)
        if (a->isNetable()) static_cast<Netable*>(a)->removeNeighbor(n);
}

void World::updateNet() {
    for (ActiveBlock* a : actives)
        if (a->isNetable()) static_cast<Netable*>(a)->reNet();
}

vec3 World::rayTrace(vec3 start, vec3 dir, float dist, vec3* face) {
    float t = 0;
    while (t < dist) {
        vec3 p = start + dir * t;
        if (p.x > 0 && p.x < float(width) && p.y > 0 && p.y < float(height) && p.z > 0 &&
            p.z < float(depth)) {
            vec3 c(int(p.x), int(p.y), int(p.z));
            if (cell(int(p.x), int(p.y), int(p.z)).type != 0) {
                if (face) {
                    vec3 q = start + dir * float(double(t) - 0.1);
                    *face = vec3(int(q.x), int(q.y), int(q.z)) - c;
                }
                return c;
            }
        }
        t = float(double(t) + 0.1);
    }
    if (face) *face = vec3(0, 0, 0);
    return vec3(0, 0, 0);
}

vec3 World::playerCanMove(vec3 p, vec3 off) {
    vec3 target = p + off;
    vec3 step = off;
    vec3 s = player.size;
    float dims[3] = {float(width), float(height), float(depth)};
    for (int i = 0; i < 3; i++) {
        if (target[i] - s[i] < 0) {
            target[i] = s[i];
            step[i] = 0;
        }
        if (target[i] + s[i] >= dims[i]) {
            target[i] = dims[i] - s[i];
            step[i] = 0;
        }
    }
    for (float x = target.x - s.x; x < target.x + s.x; x = float(double(x) + 0.49))
        for (float y = target.y - s.y; y < target.y + 0.5f; y = float(double(y) + 0.49))
            for (float z = target.z - s.z; z < target.z + s.z; z = float(double(z) + 0.49))
                if (!blockAttrib(getBlock(vec3(x, y, z)).type).passable) return p;
    return p + step;
}

bool World::canPlayerPlace(vec3 v) {
    for (Block& b : getNeighbors(v))
        if (b.type == 2) return false;
    return !insidePlayer(v);
}

bool World::insidePlayer(vec3 cell) {
    vec3 d = cell - player.pos;
    return std::fabs(d.x) < 2 && std::fabs(d.z) < 2 && d.y > -4 && d.y < 1;
}

void World::massPlace() {
    vec3 a = player.mass1, b = player.mass2;
    int x0 = int(std::min(a.x, b.x)), x1 = int(std::max(a.x, b.x) + 1);
    int y0 = int(std::min(a.y, b.y)), y1 = int(std::max(a.y, b.y) + 1);
    int z0 = int(std::min(a.z, b.z)), z1 = int(std::max(a.z, b.z) + 1);
    for (int x = x0; x < x1; x++)
        for (int y = y0; y < y1; y++)
            for (int z = z0; z < z1; z++) setBlockAndUpdate(x, y, z, player.blockMode, player.placeData);
    // A machine or mind whose cell was filled over is gone, as under the remove
    // tool; left in the list it would be saved with the map and come back in play
    // (a mind in a stone cell dies on the first frame and may win the map).
    std::vector<vec3> covered;
    for (ActiveBlock* a : actives) {
        vec3 p = a->pos;
        if (p.x >= x0 && p.x < x1 && p.y >= y0 && p.y < y1 && p.z >= z0 && p.z < z1) covered.push_back(p);
    }
    for (vec3 p : covered) removeActiveBlock(int(p.x), int(p.y), int(p.z));
    player.mass1 = vec3(0, 0, 0);
    player.mass2 = vec3(0, 0, 0);
}

void World::onClick(int x, int y, int z) {
    vec3 p(x, y, z);
    // Copy first: a click may open a panel but never changes the list, yet be safe.
    std::vector<ActiveBlock*> hits;
    for (ActiveBlock* a : actives)
        if (a->pos == p) hits.push_back(a);
    for (ActiveBlock* a : hits) a->onClick();
}

// ---- free accessors ----

Block getWBlock(World* w, int x, int y, int z) {
    if (!w->inWorld(x, y, z)) return Block(-1);
    return w->cell(x, y, z);
}
void setBlockWithNotify(World* w, int x, int y, int z, int type, int data) {
    w->setBlockAndUpdate(x, y, z, type, data);
}
void setBlockData(World* w, int x, int y, int z, int data) { w->setBlockData(x, y, z, data); }
void placeEntity(World* w, Entity* e) { w->placeEntity(e); }
ActiveBlock* getActiveBlock(World* w, vec3 pos) { return w->getActBlock(pos); }

int getActiveBlockType(World* w, vec3 pos) {
    ActiveBlock* a = w->getActBlock(pos);
    if (!a) return 0;
    if (a->getBlock() != 14) return a->getBlock();
    if (a->isNetable()) return static_cast<Netable*>(a)->blockHead;
    return 14;
}

vec3 getDims(World* w) { return vec3(w->width, w->height, w->depth); }
std::vector<Block> getNeighbors(World* w, vec3 v) { return w->getNeighbors(v); }
bool editMode(World* w) { return w->editorMode; }

resourceStruct* getLevels(World* w) {
    if (!w->theShip) {
        printf("No ship found, this should happen once...\n");
        return nullptr;
    }
    return &w->theShip->levels;
}

resourceStruct shipLevels(World* w) { return w->theShip ? w->theShip->levels : resourceStruct(); }
resourceStruct getNumbers(World* w) { return w->theShip ? w->theShip->store : resourceStruct(); }
Ship* getShip(World* w) { return w->theShip; }
Player* getPlayer(World* w) { return &w->player; }
BlockRenderer* getBlockRenderer(World* w) { return &w->blockRend; }
EntityRenderer* getEntityRenderer(World* w) { return &w->entRend; }

void setStatusScreen(World* w, StatusScreen* s) {
    if (w->pRend.screen && w->pRend.screen != s) delete w->pRend.screen;
    w->pRend.screen = s;
    if (s) s->focusFirstTextBox();
    if (!w->screen) return;
    if (s) freeCursor(w->screen);
    else hideCursorForLook(w->screen);
}

StatusScreen* getStatusScreen(World* w) { return w->pRend.screen; }
vec3 canMove(World* w, vec3 p, vec3 off) { return w->playerCanMove(p, off); }
void renderSingle(World* w, unsigned int id) { w->renderForSingle(id); }
