// Reading and writing map files. Maps are shared between players, so the reader
// treats every file as untrusted: it never reads or writes out of bounds, never
// allocates without bound, and makes values safe that would later crash or hang
// a game. Each problem is reported on standard error and makes read() return false.
#include "machines/AutoTurret.h"
#include "machines/Generator.h"
#include "machines/Netable.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "util/BinaryIO.h"
#include "util/SafeFile.h"
#include "world/World.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <sstream>

ActiveBlock* World::getActBlock(int type) {
    switch (type) {
    case TYPE_MIND: return new VaskMind(this, 0, 10, 50, 1);
    case TYPE_SHIP: return new Ship(this);
    case TYPE_GENERATOR: {
        std::set<vec3, veccomp> none;
        return new Generator(this, 0, 0, 0, none);
    }
    case TYPE_AUTOTURRET: return new AutoTurret(this);
    default:
        fprintf(stderr, "loaded invalid ActiveBlock %d\n", type);
        return nullptr;
    }
}

namespace {

// How far beyond the world's box a map may start the player: a world built in
// code and saved before the player moved keeps the default start, which lies
// outside small worlds.
constexpr float PLAYER_START_SLACK = float(MAX_WORLD_SIDE);

// The largest map file the largest allowed world can need: every cell vask
// (type and strength), plus room for its machines and events.
constexpr unsigned long long MAX_MAP_FILE_BYTES = 24 + 4 * MAX_WORLD_CELLS + (64ull << 20);

bool isCellInside(World* w, vec3 p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
    if (p.x != std::floor(p.x) || p.y != std::floor(p.y) || p.z != std::floor(p.z)) return false;
    // Range-check as floats first: converting a huge float to int is undefined.
    if (p.x < 0 || p.y < 0 || p.z < 0 || p.x >= float(w->width) || p.y >= float(w->height) ||
        p.z >= float(w->depth))
        return false;
    return true;
}

// Types whose records the loader cannot build but whose length is known:
// they carry nothing after the common part.
bool isFieldlessMachine(int id) { return id == TYPE_TURRET || (id >= TYPE_MINE && id <= TYPE_TEMPLATE); }

template <typename T>
bool clampField(T& v, T lo, T hi, T replacement, const char* what, const std::string& path) {
    if (v >= lo && v <= hi) return true;
    fprintf(stderr, "%s: %s out of range, corrected\n", path.c_str(), what);
    v = replacement;
    return false;
}

}  // namespace

bool World::read(std::string path) {
    std::string bytes;
    if (!readWholeFile(path, bytes, MAX_MAP_FILE_BYTES)) {
        if (errno == EFBIG)
            fprintf(stderr, "%s: larger than any world a map can hold, map not loaded\n", path.c_str());
        else
            fprintf(stderr, "Could not open map %s\n", path.c_str());
        return false;
    }
    return readFromMemory(bytes, path);
}

bool World::readFromMemory(const std::string& bytes, const std::string& path) {
    std::istringstream in(bytes);
    bool clean = true;

    // Header: player position and the sides.
    vec3 start;
    start.x = readF32(in);
    start.y = readF32(in);
    start.z = readF32(in);
    uint32_t w = readU32(in), h = readU32(in), d = readU32(in);
    printf("%u %u %u\n", w, h, d);
    if (!in) {
        fprintf(stderr, "%s: header cut short, map not loaded\n", path.c_str());
        return false;
    }
    if (w == 0 || h == 0 || d == 0 || w > MAX_WORLD_SIDE || h > MAX_WORLD_SIDE ||
        d > MAX_WORLD_SIDE || (unsigned long long)w * h * d > MAX_WORLD_CELLS) {
        fprintf(stderr, "%s: world size %ux%ux%u refused, map not loaded\n", path.c_str(), w, h, d);
        return false;
    }
    try {
        allocateGrid(w, h, d);
    } catch (const std::bad_alloc&) {
        fprintf(stderr, "%s: not enough memory for a %ux%ux%u world, map not loaded\n", path.c_str(), w, h, d);
        return false;
    }
    buildSectors();
    miny = 0;
    maxy = int(height);

    // Cells, parsed straight from the buffer: a million stream reads would be slow.
    size_t at = size_t(in.tellg());
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t n = bytes.size();
    int badTypes = 0, weakVask = 0;
    bool cut = false;
    for (size_t i = 0; i < blocks.size(); i++) {
        if (at + 2 > n) {
            cut = true;
            break;
        }
        int16_t type = int16_t(p[at] | (p[at + 1] << 8));
        at += 2;
        int16_t data = 0;
        if (type == 2) {
            if (at + 2 > n) {
                cut = true;
                break;
            }
            data = int16_t(p[at] | (p[at + 1] << 8));
            at += 2;
        }
        if (!isKnownBlockType(type)) {
            badTypes++;
            type = 0;
            data = 0;
        } else if (type == 2 && data < 1) {
            // Vask is never 0 or weaker: negative vask would feed a shield.
            weakVask++;
            data = 1;
        }
        blocks[i].type = type;
        blocks[i].data = data;
    }
    if (badTypes) {
        fprintf(stderr, "%s: %d cells of unknown block types loaded as empty space\n", path.c_str(), badTypes);
        clean = false;
    }
    if (weakVask) {
        fprintf(stderr, "%s: %d vask cells of strength out of range, corrected\n", path.c_str(), weakVask);
        clean = false;
    }
    // Millions of cells out, a float cannot hold the fractions of a cell the
    // player's physics steps by, and those loops would never end.
    auto offWorld = [](float v, unsigned side) {
        return !(v >= -PLAYER_START_SLACK && v <= float(side) + PLAYER_START_SLACK);
    };
    bool nan = !std::isfinite(start.x) || !std::isfinite(start.y) || !std::isfinite(start.z);
    if (nan || offWorld(start.x, width) || offWorld(start.y, height) || offWorld(start.z, depth)) {
        fprintf(stderr, "%s: player position %s, placed above the centre\n", path.c_str(),
                nan ? "is not a number" : "is outside the world");
        int cx = int(width / 2), cz = int(depth / 2), top = 0;
        for (int y = int(height) - 1; y >= 0; y--)
            if (cell(cx, y, cz).type != 0) {
                top = y;
                break;
            }
        start = vec3(cx + 0.5f, float(top) + 1.0f + player.size.y, cz + 0.5f);
        clean = false;
    }
    player.setPos(start);

    if (cut) {
        fprintf(stderr, "%s: file ends inside the cells\n", path.c_str());
        clean = false;
    } else {
        in.seekg(std::streamoff(at));
        clean = readRecords(in, path) && clean;
    }
    linkLoadedMachines(this);

    mark = char(1 - mark);
    for (auto& row : sectors)
        for (auto& sector : row) {
            if (screen) rebuildSector(sector);
            else sector.needUpdate = true;
        }
    return clean;
}

bool World::readRecords(std::istream& in, const std::string& path) {
    int32_t count = readI32(in);
    char type = char(readU8(in));
    if (!in) {
        fprintf(stderr, "%s: file ends before the machines\n", path.c_str());
        return false;
    }
    mapType = type;
    bool clean = true;
    try {
        for (int32_t i = 0; i < count; i++) {
            int32_t id = readI32(in);
            if (!in) {
                fprintf(stderr, "%s: file ends inside the machines\n", path.c_str());
                return false;
            }
            ActiveBlock* a = getActBlock(id);
            if (!a) {
                clean = false;
                if (isFieldlessMachine(id)) {
                    in.ignore(12);
                    continue;
                }
                fprintf(stderr, "%s: unknown machine record, rest of the map skipped\n", path.c_str());
                return false;
            }
            a->read(in);
            if (!in) {
                delete a;
                fprintf(stderr, "%s: file ends inside a machine record\n", path.c_str());
                return false;
            }
            if (!isCellInside(this, a->pos)) {
                fprintf(stderr, "%s: machine %d outside the world dropped\n", path.c_str(), id);
                delete a;
                clean = false;
                continue;
            }
            clean = sanitizeActive(a, path) && clean;
            actives.push_back(a);
            if (a->getType() == TYPE_SHIP) theShip = static_cast<Ship*>(a);
        }

        int32_t eventCount = readI32(in);
        if (!in) {
            fprintf(stderr, "%s: file ends before the events\n", path.c_str());
            return false;
        }
        // An event takes at least 13 bytes: a count that cannot fit is damage.
        std::streampos here = in.tellg();
        in.seekg(0, std::ios::end);
        std::streamoff left = in.tellg() - here;
        in.seekg(here);
        if (eventCount < 0 || std::streamoff(eventCount) * 13 > left) {
            fprintf(stderr, "%s: %d events cannot fit in the file\n", path.c_str(), eventCount);
            return false;
        }
        for (int32_t i = 0; i < eventCount; i++) {
            Event e;
            e.read(in);
            events.push_back(e);
        }
    } catch (const std::exception& ex) {
        printf("%s\n", ex.what());
        return false;
    }
    return clean;
}

bool World::sanitizeActive(ActiveBlock* a, const std::string& path) {
    bool ok = true;
    if (a->getType() == TYPE_MIND) {
        VaskMind* m = static_cast<VaskMind*>(a);
        ok = clampField(m->speed, 1, INT32_MAX, 10, "mind speed", path) && ok;
        ok = clampField(m->strength, 1, MAX_CELL_STRENGTH, m->strength < 1 ? 1 : MAX_CELL_STRENGTH, "mind strength",
                        path) && ok;
        ok = clampField(m->size, 1, 32, m->size < 1 ? 1 : 32, "mind size", path) && ok;
    } else if (a->getType() == TYPE_AUTOTURRET) {
        AutoTurret* t = static_cast<AutoTurret*>(a);
        ok = clampField(t->rate, 2, INT32_MAX, 50, "turret rate", path) && ok;
        float r = t->range;
        ok = clampField(t->range, 1.0f, 64.0f, (r > 64.0f) ? 64.0f : 1.0f, "turret range", path) && ok;
    }
    return ok;
}

bool World::write(std::string path) { return writeFileAtomically(path, mapBytes()); }

std::string World::recordBytes() {
    std::ostringstream tail;
    writeI32(tail, int32_t(actives.size()));
    writeU8(tail, uint8_t(mapType));
    for (ActiveBlock* a : actives) a->write(tail);
    writeI32(tail, int32_t(events.size()));
    for (Event& e : events) e.write(tail);
    return tail.str();
}

std::string World::mapBytes() {
    std::ostringstream head;
    vec3 p = player.getPos();
    writeF32(head, p.x);
    writeF32(head, p.y);
    writeF32(head, p.z);
    writeU32(head, width);
    writeU32(head, height);
    writeU32(head, depth);

    // The file is assembled in one buffer: the cells are encoded straight into
    // it (a vask cell carries its strength), then written in one go.
    std::string h = head.str(), t = recordBytes();
    size_t vask = 0;
    for (const Block& b : blocks) vask += b.type == 2;
    std::string bytes(h.size() + 2 * blocks.size() + 2 * vask + t.size(), '\0');
    char* out = &bytes[0];
    memcpy(out, h.data(), h.size());
    out += h.size();
    for (const Block& b : blocks) {
        *out++ = char(b.type & 0xff);
        *out++ = char((b.type >> 8) & 0xff);
        if (b.type == 2) {
            *out++ = char(b.data & 0xff);
            *out++ = char((b.data >> 8) & 0xff);
        }
    }
    memcpy(out, t.data(), t.size());
    return bytes;
}
