// Any byte string as campaign.dat: reading must never crash, leak or allocate
// without bound, and whatever was read must survive being saved and read again.
#include "../unit/WorldFixture.h"
#include "flow/CampaignManager.h"

#include <memory>

static bool sameMissions(const CampaignManager& a, const CampaignManager& b) {
    for (int i = 0; i < CAMPAIGN_MISSIONS; i++) {
        if (a.missions[i].name != b.missions[i].name || a.missions[i].beat != b.missions[i].beat) return false;
        for (int d = 0; d < CAMPAIGN_DIFFICULTIES; d++)
            if (a.missions[i].time[d] != b.missions[i].time[d]) return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeBytes("fuzz_campaign.dat", std::string(reinterpret_cast<const char*>(data), size));
    // A damaged file is reported on standard error; the fuzzer's own reports must
    // still get through, so it is silenced only around the game's calls.
    auto quiet = std::make_unique<Quiet>();
    CampaignManager c("fuzz_campaign.dat");
    bool saved = c.write("fuzz_campaign_out.dat");
    CampaignManager back("fuzz_campaign_out.dat");
    quiet.reset();
    if (!c.missions[0].beat) __builtin_trap();
    for (const Mission& m : c.missions)
        if (m.name.size() > size_t(MAX_MISSION_NAME) || m.diff != 2) __builtin_trap();
    if (!saved || !sameMissions(c, back)) __builtin_trap();
    return 0;
}
