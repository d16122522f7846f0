// The campaign order and the first campaign.dat: 26 records of a name and five
// zero times. A campaign.dat that exists already is a player's progress and is
// left alone.
#include "MapBuilder.h"

#include "util/BinaryIO.h"
#include "util/SafeFile.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

std::vector<std::string> readCampaignList(const std::string& path, std::string& error) {
    std::vector<std::string> names;
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return names;
    }
    std::string line;
    while (std::getline(in, line)) {
        size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        size_t a = line.find_first_not_of(" \t\r");
        if (a == std::string::npos) continue;
        size_t b = line.find_last_not_of(" \t\r");
        names.push_back(line.substr(a, b - a + 1));
    }
    return names;
}

std::string campaignBytes(const std::vector<std::string>& missionFiles) {
    std::ostringstream out;
    for (const std::string& name : missionFiles) {
        writeI32(out, int32_t(name.size()));
        out.write(name.data(), std::streamsize(name.size()));
        for (int i = 0; i < 5; i++) writeU32(out, 0);
    }
    return out.str();
}

bool writeCampaignIfMissing(const std::string& path, const std::vector<std::string>& missionFiles) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return false;
    return writeFileAtomically(path, campaignBytes(missionFiles));
}
