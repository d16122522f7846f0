// Any byte string as campaign.dat: reading must never crash, leak or allocate
// without bound, and whatever was read must survive being saved and read again.
#include "flow/CampaignManager.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

static int devNull = -1, realStderr = -1;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    devNull = open("/dev/null", O_WRONLY);
    realStderr = dup(2);
    return 0;
}

// A damaged file is reported on standard error; the fuzzer's own reports must
// still get through, so it is silenced only around the game's calls.
static void quiet(bool on) {
    fflush(stderr);
    dup2(on ? devNull : realStderr, 2);
}

static bool sameMissions(const CampaignManager& a, const CampaignManager& b) {
    for (int i = 0; i < CAMPAIGN_MISSIONS; i++) {
        if (a.missions[i].name != b.missions[i].name || a.missions[i].beat != b.missions[i].beat) return false;
        for (int d = 0; d < CAMPAIGN_DIFFICULTIES; d++)
            if (a.missions[i].time[d] != b.missions[i].time[d]) return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out("fuzz_campaign.dat", std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    quiet(true);
    CampaignManager c("fuzz_campaign.dat");
    bool saved = c.write("fuzz_campaign_out.dat");
    CampaignManager back("fuzz_campaign_out.dat");
    quiet(false);
    if (!c.missions[0].beat) __builtin_trap();
    for (const Mission& m : c.missions)
        if (m.name.size() > size_t(MAX_MISSION_NAME) || m.diff != 2) __builtin_trap();
    if (!saved || !sameMissions(c, back)) __builtin_trap();
    return 0;
}
