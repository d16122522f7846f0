// The map builder as the build runs it: a folder of sources in, maps and a
// first campaign.dat out, a player's campaign.dat left alone, mistakes failing
// the build with their place.
#include "WorldFixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

namespace {

std::string tinyMap(const std::string& folder, int seed) {
    return "folder " + folder + "\nseed " + std::to_string(seed) +
           "\ncalm 4\nsize 16 16 16\nground 4\nplayer 3 3\nship 5 g+1 3\nmind 12 g+1 12 speed=90\n"
           "speaker a \"A\" portraitPilot\nevent 10\na: hello\n";
}

int runBuilder(const std::string& src, const std::string& run, std::string& log, const std::string& fresh = "") {
    std::string cmd = "SDL_AUDIODRIVER=dummy '" + std::string(VASK_MAPBUILD) + "' " + src + " " + run + " " + fresh +
                      " > tool.log 2>&1";
    int status = system(cmd.c_str());
    log = readBytes("tool.log");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool exists(const std::string& p) {
    struct stat st;
    return stat(p.c_str(), &st) == 0;
}

}  // namespace

TEST(MapBuildTool, BuildsAFolderAndKeepsThePlayersCampaignFile) {
    ASSERT_EQ(system("rm -rf tool_src tool_run && mkdir -p tool_src tool_run/Maps tool_run/Campaign"), 0);
    std::string list;
    for (int i = 1; i <= 26; i++) {
        std::string name = "m" + std::to_string(i);
        writeBytes("tool_src/" + name + ".vmap", tinyMap("Campaign", i));
        list += name + "\n";
    }
    writeBytes("tool_src/campaign.list", "# order\n" + list);
    writeBytes("tool_src/demo.vmap", tinyMap("Maps", 99));

    std::string log;
    ASSERT_EQ(runBuilder("tool_src", "tool_run", log), 0) << log;
    EXPECT_TRUE(exists("tool_run/Maps/demo.map"));
    EXPECT_TRUE(exists("tool_run/Campaign/m26.map"));
    std::string dat = readBytes("tool_run/campaign.dat");
    EXPECT_EQ(dat.size(), 26 * 24u + 9 * 6 + 17 * 7);  // "mN.map" and "mNN.map"
    EXPECT_EQ(dat.substr(0, 10), std::string("\x06\0\0\0m1.map", 10));
    EXPECT_NE(log.find("campaign.dat created"), std::string::npos);

    // A second build over a player's progress leaves it alone, while the copy
    // a package ships starts afresh.
    writeBytes("tool_run/campaign.dat", "progress");
    writeBytes("tool_run/fresh.dat", "stale");
    ASSERT_EQ(runBuilder("tool_src", "tool_run", log, "tool_run/fresh.dat"), 0) << log;
    EXPECT_EQ(readBytes("tool_run/campaign.dat"), "progress");
    EXPECT_EQ(readBytes("tool_run/fresh.dat"), dat);
    EXPECT_EQ(log.find("campaign.dat created"), std::string::npos);

    // A broken source fails the build and names its line; so does a short campaign.
    writeBytes("tool_src/demo.vmap", tinyMap("Maps", 99) + "box granite 1 1 1 2 2 2\n");
    EXPECT_EQ(runBuilder("tool_src", "tool_run", log), 1);
    EXPECT_NE(log.find("demo.vmap:12: unknown block 'granite'"), std::string::npos) << log;
    writeBytes("tool_src/demo.vmap", tinyMap("Maps", 99));
    writeBytes("tool_src/campaign.list", "m1\nm2\n");
    EXPECT_EQ(runBuilder("tool_src", "tool_run", log), 1);
    EXPECT_NE(log.find("campaign.list names 2 missions"), std::string::npos) << log;
}
