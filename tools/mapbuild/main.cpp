// mapbuild SOURCES RUNDIR [FRESH_CAMPAIGN]: compiles every SOURCES/*.vmap into
// RUNDIR/Maps or RUNDIR/Campaign, checks each map, and creates
// RUNDIR/campaign.dat from SOURCES/campaign.list unless a player's
// campaign.dat is already there. FRESH_CAMPAIGN, when given, always receives
// a campaign.dat without progress: the one a package ships.
#include "MapBuilder.h"

#include "machines/ActiveBlock.h"
#include "util/SafeFile.h"
#include "world/World.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr size_t CAMPAIGN_MISSIONS = 26;

std::vector<std::string> sources(const std::string& dir) {
    std::vector<std::string> out;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n.size() > 5 && n.compare(n.size() - 5, 5, ".vmap") == 0) out.push_back(dir + "/" + n);
        }
        closedir(d);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// World::write reports every record on standard output; a build log wants one line a map.
bool writeQuietly(World& w, const std::string& path) {
    fflush(stdout);
    int saved = dup(1);
    FILE* null = fopen("/dev/null", "w");
    if (null) {
        dup2(fileno(null), 1);
        fclose(null);
    }
    bool ok = w.write(path);
    fflush(stdout);
    dup2(saved, 1);
    close(saved);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        fprintf(stderr, "usage: mapbuild SOURCE_DIR RUN_DIR [FRESH_CAMPAIGN]\n");
        return 2;
    }
    std::string src = argv[1], run = argv[2];
    int errors = 0;
    std::map<std::string, std::string> folders;  // map name -> folder
    for (const std::string& path : sources(src)) {
        BuiltMap m;
        std::string error;
        if (!buildMap(path, m, error)) {
            fprintf(stderr, "%s\n", error.c_str());
            errors++;
            continue;
        }
        std::vector<std::string> problems = checkMap(*m.world, m.calm);
        for (const std::string& p : problems) fprintf(stderr, "%s: %s\n", path.c_str(), p.c_str());
        if (!problems.empty()) {
            errors++;
            continue;
        }
        std::string out = run + "/" + m.folder + "/" + m.name + ".map";
        if (!writeQuietly(*m.world, out)) {
            errors++;
            continue;
        }
        int minds = 0;
        for (ActiveBlock* a : m.world->actives) minds += a->getType() == TYPE_MIND;
        printf("%s/%s.map  %ux%ux%u  %d minds  %zu events  %s\n", m.folder.c_str(), m.name.c_str(),
               m.world->width, m.world->height, m.world->depth, minds, m.world->events.size(), m.title.c_str());
        folders[m.name] = m.folder;
    }

    std::string listError;
    std::vector<std::string> names = readCampaignList(src + "/campaign.list", listError);
    if (!listError.empty()) {
        fprintf(stderr, "%s\n", listError.c_str());
        errors++;
    } else if (names.size() != CAMPAIGN_MISSIONS) {
        fprintf(stderr, "campaign.list names %zu missions, the campaign has %zu\n", names.size(), CAMPAIGN_MISSIONS);
        errors++;
    }
    std::vector<std::string> files;
    for (const std::string& n : names) {
        auto it = folders.find(n);
        if (it == folders.end() || it->second != "Campaign") {
            fprintf(stderr, "campaign.list: no campaign map '%s'\n", n.c_str());
            errors++;
        }
        files.push_back(n + ".map");
    }
    if (errors) {
        fprintf(stderr, "mapbuild: %d problem(s)\n", errors);
        return 1;
    }
    if (writeCampaignIfMissing(run + "/campaign.dat", files)) printf("campaign.dat created\n");
    if (argc == 4 && !writeFileAtomically(argv[3], campaignBytes(files))) return 1;
    return 0;
}
