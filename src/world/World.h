#pragma once
// The state of one game: the block grid, the machines and minds standing in it,
// the player, the timed events, the sectors with their meshes and entities, and
// (only when built with a window) the GL buffers that draw it.
#include "flow/FrameRateMeter.h"
#include "flow/Player.h"
#include "flow/StepPacer.h"
#include "machines/Resource.h"
#include "panels/Event.h"
#include "render/BlockRenderer.h"
#include "render/EntityRenderer.h"
#include "render/PlayerRenderer.h"
#include "render/SectorRenderer.h"
#include "world/Block.h"

#include <SDL2/SDL_video.h>

#include <iosfwd>
#include <list>
#include <set>
#include <string>
#include <vector>

class ActiveBlock;
class Entity;
class Netable;
class Ship;
class StatusScreen;

// Map loads refuse worlds beyond these sizes: a shared file must not make the
// game allocate without bound.
constexpr unsigned MAX_WORLD_SIDE = 1024;
constexpr unsigned long long MAX_WORLD_CELLS = 64ull * 1000 * 1000;

class World {
public:
    vec3 sunPos;
    char mapType;
    bool editorMode;
    int saveButton, strengthButton, addEventButton;
    // The editor's further panel buttons: "Publish" on the save panel, "Back"
    // on the event list, and the answers of the unsaved-changes question.
    int publishButton, closeEventsButton;
    // The map as last saved (or as opened) in the editor: its cells, its
    // machine and event records, and the cells the vask has spread into since
    // (the world changing by itself is no edit of the player's).
    std::vector<Block> savedBlocks;
    std::string savedRecords;
    std::set<vec3, veccomp> spreadSinceSave;
    std::list<Event> events;
    unsigned int depth, width, height;
    int SHADOWBUFF_X, SHADOWBUFF_Y;
    // blocks[x][y][z]; stored as one dense array (see cell()).
    std::vector<Block> blocks;
    std::vector<std::vector<SectorRenderer>> sectors;
    std::list<ActiveBlock*> actives;
    std::set<vec3, veccomp> convertQueue;
    Player player;
    SDL_Window* screen;
    BlockRenderer blockRend;
    EntityRenderer entRend;
    PlayerRenderer pRend;
    Ship* theShip;
    int result;
    // Pictures and steps against real time, and whether the line showing them
    // is drawn (F3 toggles it; SHOW_FPS in the settings turns it on at start).
    FrameRateMeter rateMeter;
    bool showRate;
    char mark;
    int minx, maxx, miny, minz, maxy, maxz;
    unsigned int shadowBuffer, shadowTexture, sceneBuffer, sceneTexture, sceneDepth;
    // Where the frame's scene is drawn: the window itself (0) when the
    // composition would only copy it there, else the scene buffer. A scene
    // drawn into the window leaves the scene buffer out of date until a
    // conversation, which shows it, draws the last frame's scene into it.
    unsigned int sceneTarget = 0;
    bool sceneStale = false;
    bool windowTakesScene = false;  // the window has the scene buffer's depth and stencil
    long long lastFrame = 0;
    // A frame ends by showing it; a tool that reads the frame back turns this off.
    bool presentFrames = true;
    unsigned int vao, vbo[2];

    World(unsigned w, unsigned h, unsigned d, SDL_Window* s);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // --- grid ---
    bool inWorld(int x, int y, int z) const {
        return x >= 0 && y >= 0 && z >= 0 && unsigned(x) < width && unsigned(y) < height &&
               unsigned(z) < depth;
    }
    Block& cell(int x, int y, int z) { return blocks[(size_t(x) * height + y) * depth + z]; }
    Block getBlock(vec3 p);
    std::vector<Block> getNeighbors(vec3 v);
    void setBlock(int x, int y, int z, int type, int data);
    void setBlockData(int x, int y, int z, int data);
    void setBlockAndUpdate(int x, int y, int z, int type, int data);
    void placeVask(int x, int y, int z, int strength);
    void setActiveBlockAndUpdate(int x, int y, int z, ActiveBlock* a);
    void removeActiveBlock(int x, int y, int z);
    ActiveBlock* getActBlock(vec3 pos);
    void placeEntity(Entity* e);
    void unlink(Netable* n);
    void updateNet();
    vec3 rayTrace(vec3 start, vec3 dir, float dist, vec3* face);
    vec3 playerCanMove(vec3 p, vec3 off);
    bool canPlayerPlace(vec3 v);
    // Whether a block in this cell would stand inside the player's body.
    bool insidePlayer(vec3 cell);
    void massPlace();
    int getResult() { return result; }

    // --- vask ---
    void vaskDamage(int x, int y, int z);
    void updateConverts();

    // --- map file ---
    // Returns true when the file loaded cleanly; false when it could not be
    // opened or was damaged (every problem is also reported on standard error).
    bool read(std::string path);
    // The same from bytes already in memory; `path` names them in messages.
    bool readFromMemory(const std::string& bytes, const std::string& path);
    bool write(std::string path);
    // The map file's bytes for the world as it stands, and the part of them
    // after the cells: the machines, minds and events.
    std::string mapBytes();
    std::string recordBytes();
    ActiveBlock* getActBlock(int type);

    // --- run loop ---
    // Plays at 60 steps a second of real time (the steady clock); tests may
    // hand in a clock of their own.
    unsigned int run();
    unsigned int run(const PaceClock& clock);
    void tick(long long l);
    void pause(long long count);
    void checkEnd();
    void updatePlayer();
    bool hurtPlayer();
    void applyDif(float f);
    void onClick(int x, int y, int z);

    // --- editor ---
    void editorTick(long long frame);
    // Writes Maps/<name>.map as a draft (map type 1) or, published, as a map
    // Demo Maps plays (type 2); the world's own type is left as it was.
    bool saveEditedMap(const std::string& name, bool publish);
    // Whether the map differs from the last save. Where the player stands is
    // not an edit, though the file records it as the starting point; nor is
    // the vask's own spreading.
    void markSaved();
    bool hasUnsavedChanges();
    // Asked when the editor is quit: true to leave, false to keep editing.
    bool confirmEditorQuit(long long frame);

    // --- terrain generation ---
    void genRandomWorld();
    void genTrees(int count);

    // --- drawing ---
    void renderSector(int x, int z, SectorRenderer& sector);
    void rebuildSector(SectorRenderer& sector);
    void render(long long l);
    void renderShadowMap();
    void renderPost(long long l);
    void renderForSingle(unsigned int frame);
    void renderForDialog();

private:
    void allocateGrid(unsigned w, unsigned h, unsigned d);
    void buildSectors();
    // GL side of construction and destruction; only called with a window.
    void createGraphics();
    void fullScreenDepthPass(unsigned int test);
    void renderBackdrop();
    // The 3D part of a frame, into sceneTarget; render() adds the composition.
    void renderScene(long long l);
    bool plainComposition();
    void destroyGraphics();
    void deleteEntities();
    bool readRecords(std::istream& in, const std::string& path);
    bool sanitizeActive(ActiveBlock* a, const std::string& path);
};

// Free accessors the machines use to reach the world.
Block getWBlock(World* w, int x, int y, int z);
void setBlockWithNotify(World* w, int x, int y, int z, int type, int data);
void setBlockData(World* w, int x, int y, int z, int data);
void placeEntity(World* w, Entity* e);
ActiveBlock* getActiveBlock(World* w, vec3 pos);
int getActiveBlockType(World* w, vec3 pos);
vec3 getDims(World* w);
std::vector<Block> getNeighbors(World* w, vec3 v);
bool editMode(World* w);
// The ship's research levels, or none (with a message) when there is no ship.
resourceStruct* getLevels(World* w);
// The ship's levels as a value: zero when the world has no ship, silently.
resourceStruct shipLevels(World* w);
resourceStruct getNumbers(World* w);
Ship* getShip(World* w);
Player* getPlayer(World* w);
BlockRenderer* getBlockRenderer(World* w);
EntityRenderer* getEntityRenderer(World* w);
void setStatusScreen(World* w, StatusScreen* s);
// The pause panel, its buttons bound to the caller's two toggles.
StatusScreen* makePauseScreen(int& quit, int& resume);
StatusScreen* getStatusScreen(World* w);
vec3 canMove(World* w, vec3 p, vec3 off);
void renderSingle(World* w, unsigned int id);
