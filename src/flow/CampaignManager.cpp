#include "flow/CampaignManager.h"

#include "flow/GameManager.h"
#include "util/BinaryIO.h"
#include "util/SafeFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

float difficultyFactor(int diff) { return float(std::pow(2.0, diff - 2)); }

CampaignManager::CampaignManager() : CampaignManager("campaign.dat") {}

CampaignManager::CampaignManager(const std::string& path) : file(path) {
    missions[0].beat = true;
    load(path);
}

// A missing file is a fresh campaign. A damaged one keeps every field read
// before the damage: a length that cannot be a name ends the read, and so does
// the end of the file.
void CampaignManager::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    for (Mission& m : missions) {
        int32_t len = readI32(in);
        if (!in) break;
        if (len < 0 || len > MAX_MISSION_NAME) {
            fprintf(stderr, "%s: mission name of %d bytes, rest of the campaign ignored\n",
                    path.c_str(), len);
            break;
        }
        std::string name(size_t(len), '\0');
        in.read(&name[0], len);
        name.resize(size_t(in.gcount()));
        m.name = name;
        if (!in) break;
        bool complete = true;
        for (unsigned int& t : m.time) {
            uint32_t v = readU32(in);
            if (!in) {
                complete = false;
                break;
            }
            t = v;
        }
        if (!complete) break;
    }
    for (int i = 0; i + 1 < CAMPAIGN_MISSIONS; i++)
        for (unsigned int t : missions[i].time)
            if (t != 0) missions[i + 1].beat = true;
}

bool CampaignManager::write() { return write(file); }

bool CampaignManager::write(const std::string& path) {
    std::ostringstream out;
    for (const Mission& m : missions) {
        writeI32(out, int32_t(m.name.size()));
        out.write(m.name.data(), std::streamsize(m.name.size()));
        for (unsigned int t : m.time) writeU32(out, t);
    }
    return writeFileAtomically(path, out.str());
}

void CampaignManager::playCamp(int i, int d) {
    if (i < 0 || i >= CAMPAIGN_MISSIONS || d < 0 || d >= CAMPAIGN_DIFFICULTIES) {
        fprintf(stderr, "no campaign mission %d at difficulty %d\n", i, d);
        return;
    }
    float factor = difficultyFactor(d);
    unsigned int t = 0;
    if (runMission) t = runMission(missions[i].name, factor);
    else if (mainGame) t = mainGame->mission(missions[i].name, false, true, factor);
    // The latest result counts, win or not.
    missions[i].time[d] = t;
    if (t != 0 && i < CAMPAIGN_MISSIONS - 1) missions[i + 1].beat = true;
    if (mainGame) mainGame->refresh();
    write();
}
