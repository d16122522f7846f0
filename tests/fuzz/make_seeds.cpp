// Writes a small seed corpus for one fuzz target: real files of the kind the
// target reads, so the fuzzer starts from the format's interesting paths.
#include "../unit/PngFile.h"
#include "../unit/WavBytes.h"
#include "../unit/WorldFixture.h"
#include "flow/CampaignManager.h"
#include "machines/AutoTurret.h"
#include "machines/Ship.h"
#include "machines/VaskMind.h"
#include "util/BinaryIO.h"
#include "world/World.h"

#include <png.h>

#include <cstdio>
#include <vector>
#include <sstream>
#include <string>

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
    writeBytes(dir + "/a.ini", "XRES=1024\nYRES=768\nFULLSCREEN=true\nVOL=0.7\nSHADOWS=2\n");
    writeBytes(dir + "/b.ini", "# comment\nword\nA=b=c\n #x=1\nFOV=abc\r\n\nINVERT=TRUE\n");
}

static std::string wav(int channels, int bits, int rate, int frames) {
    std::ostringstream o;
    int bytes = frames * channels * bits / 8;
    o << wavHeader(channels, bits, rate, uint32_t(bytes));
    for (int i = 0; i < bytes; i++) o.put(char(i * 7));
    return o.str();
}

static void wavSeeds(const std::string& dir) {
    writeBytes(dir + "/mono8.wav", wav(1, 8, 11025, 300));
    writeBytes(dir + "/stereo16.wav", wav(2, 16, 44100, 200));
    writeBytes(dir + "/out.wav", wav(2, 16, 22050, 100));
}

// A small PNG of the given colour type and depth with patterned samples.
static void png(const std::string& path, unsigned w, unsigned h, int colorType, int depth, int interlace) {
    int channels = colorType == PNG_COLOR_TYPE_RGB ? 3 : colorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                   : colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
    size_t rowBytes = (size_t(w) * size_t(channels) * size_t(depth) + 7) / 8;
    std::vector<png_byte> data;
    for (unsigned y = 0; y < h; y++)
        for (size_t i = 0; i < rowBytes; i++)
            data.push_back(png_byte((i * 37 + y * 11) & (colorType == PNG_COLOR_TYPE_PALETTE ? 0x55 : 0xff)));
    bool palette = colorType == PNG_COLOR_TYPE_PALETTE;
    writePngFile(path, w, h, colorType, depth, data,
                 palette ? std::vector<png_color>{{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}
                         : std::vector<png_color>{},
                 palette ? std::vector<png_byte>{0, 128} : std::vector<png_byte>{}, interlace);
}

static void pngSeeds(const std::string& dir) {
    png(dir + "/gray.png", 5, 3, PNG_COLOR_TYPE_GRAY, 8, PNG_INTERLACE_NONE);
    png(dir + "/gray2.png", 7, 2, PNG_COLOR_TYPE_GRAY, 2, PNG_INTERLACE_NONE);
    png(dir + "/pal.png", 4, 4, PNG_COLOR_TYPE_PALETTE, 2, PNG_INTERLACE_NONE);
    png(dir + "/rgb.png", 3, 3, PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_ADAM7);
    png(dir + "/rgba16.png", 2, 5, PNG_COLOR_TYPE_RGB_ALPHA, 16, PNG_INTERLACE_NONE);
    png(dir + "/ga.png", 6, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, PNG_INTERLACE_NONE);
}

// Progress files written by the game itself: fresh, part-way through, finished,
// and one cut short in the middle of a record.
static void campaignSeeds(const std::string& dir) {
    CampaignManager fresh(dir + "/none.dat");
    fresh.write(dir + "/fresh.dat");
    CampaignManager played(dir + "/none.dat");
    for (int i = 0; i < CAMPAIGN_MISSIONS; i++) played.missions[i].name = "mission" + std::to_string(i) + ".map";
    played.missions[0].time[2] = 4000;
    played.missions[1].time[0] = 123456;
    played.missions[1].time[4] = 0xffffffffu;
    played.write(dir + "/played.dat");
    for (Mission& m : played.missions)
        for (unsigned int& t : m.time) t = 777;
    played.missions[25].name = std::string(200, 'n');
    played.write(dir + "/finished.dat");
    writeBytes(dir + "/cut.dat", readBytes(dir + "/played.dat").substr(0, 50));
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
    else if (kind == "png") pngSeeds(dir);
    else if (kind == "campaign") campaignSeeds(dir);
    else {
        fprintf(stderr, "fuzz_seeds: no seeds for %s\n", kind.c_str());
        return 2;
    }
    return 0;
}
