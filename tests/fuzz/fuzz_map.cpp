// Any byte string as a map file: the loader must never crash, leak or read out of
// bounds, and whatever it loads must be safe to play for a while.
#include "machines/ActiveBlock.h"
#include "world/World.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setupBlockAttribs();
    // The loader reports every record and problem; keep the fuzzer's log readable.
    freopen("/dev/null", "w", stdout);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Legal worlds up to the loader's cap of 64 million cells take hundreds of
    // megabytes; the fuzzer runs under a 512 MiB limit with the sanitizers on, so
    // it explores the format on smaller worlds (bigger ones are refused anyway).
    if (size >= 24) {
        uint32_t dims[3];
        memcpy(dims, data + 12, sizeof dims);
        unsigned long long cells = (unsigned long long)dims[0] * dims[1] * dims[2];
        if (cells > 4000000ull && cells <= MAX_WORLD_CELLS) return 0;
    }
    World w(8, 8, 8, nullptr);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    w.readFromMemory(bytes, "fuzz.map");
    // A loaded world must be safe to save again.
    for (ActiveBlock* a : w.actives)
        if (!w.inWorld(int(a->pos.x), int(a->pos.y), int(a->pos.z))) __builtin_trap();
    // ...and to play: a few steps of the simulation with what was loaded (on
    // small worlds, to keep the pace up). A conversation waits for a key press,
    // which never comes here, so the events (already parsed) are left out.
    if (w.blocks.size() > 100000) return 0;
    w.events.clear();
    for (long long t = 1; t <= 20; t++) w.tick(t);
    return 0;
}
