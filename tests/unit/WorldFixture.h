#pragma once
// Headless worlds for tests: no window, so no GL objects are made.
#include "machines/ActiveBlock.h"
#include "machines/Entity.h"
#include "machines/Resource.h"
#include "machines/Ship.h"
#include "panels/StatusScreen.h"
#include "world/Block.h"
#include "world/World.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

inline std::unique_ptr<World> makeWorld(unsigned w, unsigned h, unsigned d) {
    if (blockAttribs.empty()) setupBlockAttribs();
    return std::make_unique<World>(w, h, d, nullptr);
}

inline void install(World& w, vec3 p, ActiveBlock* a) { w.setActiveBlockAndUpdate(int(p.x), int(p.y), int(p.z), a); }

// A machine of class T, made with `args`, set at p.
template <class T, class... Args>
T* addMachine(World& w, vec3 p, Args&&... args) {
    T* m = new T(&w, std::forward<Args>(args)...);
    install(w, p, m);
    return m;
}

// The world's ship, set at p.
inline Ship* placeShip(World& w, vec3 p) {
    Ship* s = new Ship(&w);
    w.theShip = s;
    install(w, p, s);
    return s;
}

// Fills a panel's boxes by name, as typing into them would.
inline void setBoxes(StatusScreen& s, const std::map<std::string, std::string>& texts) {
    for (SNumBox& b : s.boxes)
        if (texts.count(b.name)) b.text = texts.at(b.name);
}

inline Event makeEvent(long long time, EventAction action, const std::vector<DialogItem>& lines = {}) {
    Event e;
    e.time = time;
    e.activate = action;
    e.items.assign(lines.begin(), lines.end());
    return e;
}

// A count of machine parts, energy none.
inline resourceStruct parts(int matter, int gens, int caps, int relays, int sensors) {
    resourceStruct r;
    r.matter = matter;
    r.gens = gens;
    r.caps = caps;
    r.relays = relays;
    r.sensors = sensors;
    return r;
}

// FNV-1a over the state a replay must reproduce.
struct Fnv1a {
    uint64_t h = 1469598103934665603ull;
    void bytes(const void* p, size_t n) {
        const unsigned char* c = static_cast<const unsigned char*>(p);
        for (size_t i = 0; i < n; i++) h = (h ^ c[i]) * 1099511628211ull;
    }
    template <class T>
    void value(const T& v) {
        bytes(&v, sizeof v);
    }
};

inline int countType(const World& w, int type) {
    int n = 0;
    for (const Block& b : w.blocks) n += b.type == type;
    return n;
}

inline int countMachines(const World& w, int type) {
    int n = 0;
    for (ActiveBlock* a : w.actives) n += a->getType() == type;
    return n;
}

// The highest cell of a column that is ground: not air, vask, a mind, wood,
// leaves or water. -1 for an empty column.
inline int groundTop(World& w, int x, int z) {
    for (int y = int(w.height) - 1; y >= 0; y--) {
        int t = w.cell(x, y, z).type;
        if (t != 0 && t != 2 && t != 5 && t != 17 && t != 18 && t != 19) return y;
    }
    return -1;
}

// Entities of class E (any by default) in flight in all sectors.
template <class E = Entity>
int countEntities(World& w) {
    int n = 0;
    for (auto& row : w.sectors)
        for (auto& s : row) {
            if constexpr (std::is_same_v<E, Entity>) n += int(s.ents.size());
            else
                for (Entity* e : s.ents) n += dynamic_cast<E*>(e) != nullptr;
        }
    return n;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Silences standard output and error for the length of a scope (loaders print a
// line per record; damaged-file sweeps would flood the test log).
class Quiet {
public:
    Quiet() {
        fflush(stdout);
        fflush(stderr);
        out = dup(1);
        err = dup(2);
        FILE* devnull = fopen("/dev/null", "w");
        dup2(fileno(devnull), 1);
        dup2(fileno(devnull), 2);
        fclose(devnull);
    }
    ~Quiet() {
        fflush(stdout);
        fflush(stderr);
        dup2(out, 1);
        dup2(err, 2);
        close(out);
        close(err);
    }

private:
    int out, err;
};

// Reads a map with the loader's chatter silenced.
inline bool readQuietly(World& w, const std::string& path) {
    Quiet q;
    return w.read(path);
}

// The bytes the map writer makes of the world (left at `path`), or none when
// the write fails.
inline std::string writtenBytes(World& w, const std::string& path) {
    bool written;
    {
        Quiet q;
        written = w.write(path);
    }
    return written ? readBytes(path) : std::string();
}

// The names in a folder besides "." and "..", sorted.
inline std::vector<std::string> folderEntries(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != "..") names.push_back(n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}
