// vask_bench [--quick]
// Medians of the simulation, meshing and map-file costs on the reference busy
// world (see ReferenceWorld.h), then how they scale with the world's size and
// the number of minds. Headless: no window, no GL. --quick grows the worlds for
// fewer ticks and skips the 200-cube world.
#include "ReferenceWorld.h"
#include "world/Block.h"
#include "world/World.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Median time in milliseconds of `runs` calls of f; the mean goes to *mean.
double timeMs(int runs, const std::function<void()>& f, double* mean = nullptr) {
    std::vector<double> t;
    for (int i = 0; i < runs; i++) {
        auto t0 = Clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    if (mean) {
        *mean = 0;
        for (double x : t) *mean += x / double(t.size());
    }
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
    int machines = 0;
    size_t actives = 0, vask = 0, faces = 0;
};

Figures measure(unsigned size, int minds, long long growth, bool files) {
    Figures f;
    auto w = std::make_unique<World>(size, size, size, nullptr);
    long long tick = 0;
    {
        Mute mute;
        f.machines = bench::buildReferenceWorld(*w, 4242, minds, growth, tick);
    }
    f.actives = w->actives.size();
    for (const Block& b : w->blocks) f.vask += b.type == 2;

    // Minds and machines act on some ticks only (every 10th, 20th, ...): the
    // mean shows what those ticks add to the median.
    f.tick = timeMs(2000, [&] { w->tick(tick++); }, &f.tickMean);

    for (auto& row : w->sectors)
        for (auto& s : row) {
            w->renderSector(s.posX, s.posZ, s);
            for (const RData& r : s.rData) f.faces += r.indexCount() / 4;
            s.clearStaging();
        }
    f.allSectors = timeMs(21, [&] {
        for (auto& row : w->sectors)
            for (auto& s : row) {
                w->renderSector(s.posX, s.posZ, s);
                s.clearStaging();
            }
    });
    SectorRenderer& mid = w->sectors[w->sectors.size() / 2][w->sectors[0].size() / 2];
    f.oneSector = timeMs(201, [&] {
        w->renderSector(mid.posX, mid.posZ, mid);
        mid.clearStaging();
    });

    if (files) {
        std::string path = "/tmp/vask_bench_" + std::to_string(getpid()) + ".map";
        Mute mute;
        f.write = timeMs(21, [&] { w->write(path); });
        // Each read goes into a freshly built world, as the game's does; building
        // them is not part of the time.
        std::vector<std::unique_ptr<World>> fresh;
        for (int i = 0; i < 21; i++) fresh.push_back(std::make_unique<World>(100, 100, 100, nullptr));
        size_t next = 0;
        f.read = timeMs(21, [&] { fresh[next++]->read(path); });
        unlink(path.c_str());
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const long long growth = quick ? 2000 : 20000;
    setupBlockAttribs();

    Figures ref = measure(100, 16, growth, true);
    printf("reference world: 100^3, 16 minds, %lld ticks of growth, base of %d machines (%zu active blocks, "
           "%zu vask cells, %zu visible faces)\n",
           growth, ref.machines, ref.actives, ref.vask, ref.faces);
    printf("  World::tick          median %8.4f ms   (target <= 0.1 ms), mean %.4f ms\n", ref.tick, ref.tickMean);
    printf("  mesh, all sectors    median %8.3f ms   (target <= 15 ms)\n", ref.allSectors);
    printf("  mesh, one sector     median %8.4f ms   (target <= 0.3 ms)\n", ref.oneSector);
    printf("  World::write         median %8.3f ms   (target <= 20 ms)\n", ref.write);
    printf("  World::read          median %8.3f ms   (target <= 20 ms)\n", ref.read);

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
