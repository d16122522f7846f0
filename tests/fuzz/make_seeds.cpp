// Writes a small seed corpus for one fuzz target: real files of the kind the
// target reads, so the fuzzer starts from the format's interesting paths.
#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "util/BinaryIO.h"
#include "world/World.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

static void save(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

static void mapSeeds(const std::string& dir) {
    setupBlockAttribs();
    World w(6, 5, 4, nullptr);
    for (int x = 0; x < 6; x++)
        for (int z = 0; z < 4; z++) w.setBlock(x, 0, z, 3, 0);
    w.setBlock(1, 1, 1, 2, 25);
    w.setBlock(4, 1, 2, 19, 0);
    w.mapType = 2;
    Ship* s = new Ship(&w);
    s->pos = vec3(3, 1, 2);
    w.actives.push_back(s);
    VaskMind* m = new VaskMind(&w, 7, 20, 30, 2);
    m->pos = vec3(0, 1, 0);
    w.actives.push_back(m);
    AutoTurret* t = new AutoTurret(&w);
    t->pos = vec3(5, 1, 3);
    w.actives.push_back(t);
    Event e;
    e.time = 30;
    e.activate = displayDialog;
    e.items.push_back(DialogItem("A", "Hello there.", "portraitCommander"));
    w.events.push_back(e);
    Event v;
    v.time = -1;
    v.activate = victory;
    w.events.push_back(v);
    w.write(dir + "/rich.map");
    World tiny(1, 1, 1, nullptr);
    tiny.write(dir + "/tiny.map");
}

static void settingsSeeds(const std::string& dir) {
    save(dir + "/a.ini", "XRES=1024\nYRES=768\nFULLSCREEN=true\nVOL=0.7\nSHADOWS=2\n");
    save(dir + "/b.ini", "# comment\nword\nA=b=c\n #x=1\nFOV=abc\r\n\nINVERT=TRUE\n");
}

static std::string wav(int channels, int bits, int rate, int frames) {
    std::ostringstream o;
    int bytes = frames * channels * bits / 8;
    o.write("RIFF", 4);
    writeU32(o, uint32_t(36 + bytes));
    o.write("WAVEfmt ", 8);
    writeU32(o, 16);
    writeI16(o, 1);
    writeI16(o, int16_t(channels));
    writeU32(o, uint32_t(rate));
    writeU32(o, uint32_t(rate * channels * bits / 8));
    writeI16(o, int16_t(channels * bits / 8));
    writeI16(o, int16_t(bits));
    o.write("data", 4);
    writeU32(o, uint32_t(bytes));
    for (int i = 0; i < bytes; i++) o.put(char(i * 7));
    return o.str();
}

static void wavSeeds(const std::string& dir) {
    save(dir + "/mono8.wav", wav(1, 8, 11025, 300));
    save(dir + "/stereo16.wav", wav(2, 16, 44100, 200));
    save(dir + "/out.wav", wav(2, 16, 22050, 100));
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: fuzz_seeds KIND DIR\n");
        return 2;
    }
    freopen("/dev/null", "w", stdout);
    std::string kind = argv[1], dir = argv[2];
    if (kind == "map") mapSeeds(dir);
    else if (kind == "settings") settingsSeeds(dir);
    else if (kind == "wav") wavSeeds(dir);
    else {
        fprintf(stderr, "fuzz_seeds: no seeds for %s\n", kind.c_str());
        return 2;
    }
    return 0;
}
