// vask_soak [TICKS [SEED]]: one long headless game (see SoakWorld.h). Prints the
// machines at the start and the end, the counts that must not grow without
// bound, resident memory at tick 20,000 and at the end, and a hash of the final
// world. Fails when the base cannot be built or memory grew by more than 10 %.
#include "../unit/SoakWorld.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

static void printMachines(FILE* out, const char* when, const std::map<int, int>& counts) {
    fprintf(out, "%s:", when);
    for (auto& kv : counts) fprintf(out, " type %d x%d", kv.first, kv.second);
    fprintf(out, "\n");
}

int main(int argc, char** argv) {
    long long ticks = argc > 1 ? atoll(argv[1]) : 200000;
    unsigned seed = argc > 2 ? unsigned(atoi(argv[2])) : SOAK_SEED;
    long long mark = std::min(ticks, 20000LL);
    // The run silences standard output and error; progress goes to a copy.
    FILE* out = fdopen(dup(1), "w");
    setvbuf(out, nullptr, _IOLBF, 0);
    auto w = makeSoakWorld(seed);
    if (!w) {
        fprintf(out, "seed %u leaves no room for the base\n", seed);
        return 1;
    }
    printMachines(out, "machines at start", soakMachineCounts(*w));
    auto start = std::chrono::steady_clock::now();
    SoakReport r = runSoak(*w, ticks, mark, [&](long long t, const SoakReport& s) {
        double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        fprintf(out, "tick %lld: %.1f s, entities %d, converts %zu, actives %zu, rss %.1f MiB\n", t, secs,
                s.endEntities, s.endConverts, s.endActives, residentBytes() / 1048576.0);
    });
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printMachines(out, "machines at end", r.machinesAtEnd);
    fprintf(out, "ticks %lld in %.1f s (%.3f ms per tick)\n", ticks, secs, secs * 1000 / double(ticks));
    fprintf(out, "most entities %d, most queued conversions %zu, most actives %zu, most queued sounds %zu\n",
            r.maxEntities, r.maxConverts, r.maxActives, r.maxSounds);
    fprintf(out, "ship lost at tick %lld, last machine gone by tick %lld, vask cells at the end %d\n", r.shipLostAt,
            r.lastMachineAt, r.vaskAtEnd);
    fprintf(out, "rss at tick %lld: %.1f MiB, at the end: %.1f MiB (%+.1f %%)\n", mark, r.rssAtMark / 1048576.0,
            r.rssAtEnd / 1048576.0, 100.0 * double(r.rssAtEnd - r.rssAtMark) / double(r.rssAtMark));
    fprintf(out, "hash %016llx\n", (unsigned long long)r.hash);
    if (r.rssAtEnd > r.rssAtMark * 11 / 10) {
        fprintf(out, "resident memory grew by more than 10 %%\n");
        return 1;
    }
    return 0;
}
