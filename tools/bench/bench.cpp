// vask_bench [--quick] [--save FILE]
// Medians of the simulation, meshing and map-file costs on the reference busy
// world (see ReferenceWorld.h), then how they scale with the world's size and
// the number of minds. Headless: no window, no GL. --quick grows the worlds for
// fewer ticks and skips the 200-cube world. --save writes the reference world
// as a map (for timing frames with vask_screenshot) and skips the scaling.
#include "ReferenceWorld.h"
#include "world/Block.h"
#include "world/World.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Median wall time in milliseconds of `runs` calls of f; the mean goes to
// *mean, the median processor time of this thread to *cpu (on a machine
// shared with other work it varies less than the wall clock).
double timeMs(int runs, const std::function<void()>& f, double* mean = nullptr, double* cpu = nullptr) {
    std::vector<double> t, c;
    for (int i = 0; i < runs; i++) {
        double c0 = threadCpuMs();
        auto t0 = Clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        c.push_back(threadCpuMs() - c0);
    }
    if (mean) {
        *mean = 0;
        for (double x : t) *mean += x / double(t.size());
    }
    if (cpu) *cpu = median(c);
    return median(t);
}

// The map reader and writer print a line per machine; not while timing.
class Mute {
public:
    Mute() : saved(dup(1)) {
        fflush(stdout);
        FILE* null = fopen("/dev/null", "w");
        dup2(fileno(null), 1);
        fclose(null);
    }
    ~Mute() {
        fflush(stdout);
        dup2(saved, 1);
        close(saved);
    }

private:
    int saved;
};

struct Figures {
    double tick = 0, tickMean = 0, allSectors = 0, oneSector = 0, read = 0, write = 0;
    double tickCpu = 0, allCpu = 0, oneCpu = 0, readCpu = 0, writeCpu = 0;
    int machines = 0;
    std::map<int, int> byType;
    size_t actives = 0, vask = 0, faces = 0, quads = 0;
};

Figures measure(unsigned size, int minds, long long growth, bool files, const std::string& savePath = "") {
    Figures f;
    auto w = std::make_unique<World>(size, size, size, nullptr);
    long long tick = 0;
    {
        Mute mute;
        f.machines = bench::buildReferenceWorld(*w, 4242, minds, growth, tick);
    }
    f.actives = w->actives.size();
    f.byType = bench::countActives(*w);
    for (const Block& b : w->blocks) f.vask += b.type == 2;

    // Minds and machines act on some ticks only (every 10th, 20th, ...): the
    // mean shows what those ticks add to the median.
    f.tick = timeMs(2000, [&] { w->tick(tick++); }, &f.tickMean, &f.tickCpu);

    // The eye's meshes draw a quad per visible cell face; the sun's depth
    // meshes merge them.
    for (auto& row : w->sectors)
        for (auto& s : row) {
            w->renderSector(s.posX, s.posZ, s);
            for (const RData& r : s.rData) f.faces += r.indexCount() / 4;
            f.quads += s.depth.stagedQuads();
            s.clearStaging();
        }
    f.allSectors = timeMs(21, [&] {
        for (auto& row : w->sectors)
            for (auto& s : row) {
                w->renderSector(s.posX, s.posZ, s);
                s.clearStaging();
            }
    }, nullptr, &f.allCpu);
    SectorRenderer& mid = w->sectors[w->sectors.size() / 2][w->sectors[0].size() / 2];
    f.oneSector = timeMs(201, [&] {
        w->renderSector(mid.posX, mid.posZ, mid);
        mid.clearStaging();
    }, nullptr, &f.oneCpu);

    if (files) {
        std::string path = "/tmp/vask_bench_" + std::to_string(getpid()) + ".map";
        Mute mute;
        f.write = timeMs(21, [&] { w->write(path); }, nullptr, &f.writeCpu);
        // Each read goes into a freshly built world, as the game's does; building
        // them is not part of the time.
        std::vector<std::unique_ptr<World>> fresh;
        for (int i = 0; i < 21; i++) fresh.push_back(std::make_unique<World>(100, 100, 100, nullptr));
        size_t next = 0;
        f.read = timeMs(21, [&] { fresh[next++]->read(path); }, nullptr, &f.readCpu);
        unlink(path.c_str());
        if (!savePath.empty() && !w->write(savePath)) fprintf(stderr, "could not write %s\n", savePath.c_str());
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = false;
    std::string savePath;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--quick") == 0) quick = true;
        else if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) savePath = argv[++i];
        else {
            fprintf(stderr, "usage: vask_bench [--quick] [--save FILE]\n");
            return 2;
        }
    }
    const long long growth = quick ? 2000 : 20000;
    setupBlockAttribs();

    Figures ref = measure(100, 16, growth, true, savePath);
    printf("reference world: 100^3, 16 minds, %lld ticks of growth, %d machines activated in the base (%zu active blocks "
           "200 ticks later, %zu vask cells, %zu visible faces, %zu quads in the sun's depth meshes)\n",
           growth, ref.machines, ref.actives, ref.vask, ref.faces, ref.quads);
    const char* names[] = {"",      "minds",  "ship",     "turrets", "generators", "mines",
                           "relays", "factories", "science centres", "mortars", "shields"};
    printf("  active blocks by kind:");
    for (const auto& [type, n] : ref.byType)
        printf(" %d %s", n, type >= 0 && type <= 10 ? names[type] : ("of type " + std::to_string(type)).c_str());
    printf("\n");
    printf("  %-20s %10s %12s %10s\n", "", "median ms", "processor ms", "target ms");
    printf("  %-20s %10.4f %12.4f %10s   (mean %.4f ms)\n", "World::tick", ref.tick, ref.tickCpu, "0.1", ref.tickMean);
    printf("  %-20s %10.3f %12.3f %10s\n", "mesh, all sectors", ref.allSectors, ref.allCpu, "15");
    printf("  %-20s %10.4f %12.4f %10s\n", "mesh, one sector", ref.oneSector, ref.oneCpu, "0.3");
    printf("  %-20s %10.3f %12.3f %10s\n", "World::write", ref.write, ref.writeCpu, "20");
    printf("  %-20s %10.3f %12.3f %10s\n", "World::read", ref.read, ref.readCpu, "20");
    if (!savePath.empty()) return 0;
    printf("\nscaling with the world's size (16 minds, %lld ticks of growth):\n", growth);
    printf("  %-6s %12s %12s %14s %14s %10s\n", "size", "tick ms", "mean tick", "all sectors ms", "one sector ms",
           "vask");
    std::vector<unsigned> sizes = {50, 100};
    if (!quick) sizes.push_back(200);
    for (unsigned s : sizes) {
        Figures f = s == 100 ? ref : measure(s, 16, growth, false);
        printf("  %-6u %12.4f %12.4f %14.3f %14.4f %10zu\n", s, f.tick, f.tickMean, f.allSectors, f.oneSector, f.vask);
    }
    printf("\nscaling with the number of minds (100^3, %lld ticks of growth):\n", growth);
    printf("  %-6s %12s %12s %14s %10s\n", "minds", "tick ms", "mean tick", "all sectors ms", "vask");
    for (int m : {1, 16, 64}) {
        Figures f = m == 16 ? ref : measure(100, m, growth, false);
        printf("  %-6d %12.4f %12.4f %14.3f %10zu\n", m, f.tick, f.tickMean, f.allSectors, f.vask);
    }
    return 0;
}
