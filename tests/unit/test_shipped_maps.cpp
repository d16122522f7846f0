// The maps that ship: every source builds to the very bytes in the run folder,
// and every shipped file loads cleanly and is playable.
#include "MapBuilder.h"
#include "WorldFixture.h"
#include "machines/ActiveBlock.h"
#include "util/BinaryIO.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> mapSources() {
    std::vector<std::string> out;
    for (const std::string& n : folderEntries(VASK_MAP_SOURCES))
        if (n.size() > 5 && n.compare(n.size() - 5, 5, ".vmap") == 0) out.push_back(std::string(VASK_MAP_SOURCES) + "/" + n);
    return out;
}

}  // namespace

TEST(ShippedMaps, EverySourceBuildsToTheShippedBytesAndLoadsPlayable) {
    std::vector<std::string> sources = mapSources();
    ASSERT_GE(sources.size(), 32u);  // six demo maps and the 26 missions
    int demos = 0, missions = 0;
    for (const std::string& src : sources) {
        SCOPED_TRACE(src);
        BuiltMap m;
        std::string error;
        {
            Quiet q;
            ASSERT_TRUE(buildMap(src, m, error)) << error;
        }
        EXPECT_TRUE(checkMap(*m.world, m.calm).empty());
        (m.folder == "Maps" ? demos : missions)++;

        std::string shipped = std::string(VASK_RUN_DIR) + "/" + m.folder + "/" + m.name + ".map";
        std::string fresh = writtenBytes(*m.world, "shipped_fresh.map");
        EXPECT_FALSE(fresh.empty());
        EXPECT_EQ(fresh, readBytes(shipped)) << "rebuild differs from " << shipped;

        auto w = makeWorld(100, 100, 100);
        EXPECT_TRUE(readQuietly(*w, shipped));
        EXPECT_EQ(w->mapType, 2);
        ASSERT_NE(w->theShip, nullptr);
        EXPECT_GE(countMachines(*w, TYPE_MIND), 1);
        static const std::set<std::string> portraits = {"portraitCommander", "portraitEngineer", "portraitScientist",
                                                        "portraitPilot", "portraitVask"};
        for (const Event& e : w->events) {
            EXPECT_TRUE(e.time >= 1 || e.time == -1) << e.time;
            for (const DialogItem& d : e.items) {
                EXPECT_TRUE(portraits.count(d.tex)) << d.tex;
                EXPECT_FALSE(d.speaker.empty());
                EXPECT_FALSE(d.text.empty());
            }
        }
        EXPECT_FALSE(w->events.empty());
    }
    EXPECT_GE(demos, 6);
    EXPECT_EQ(missions, 26);
}

TEST(ShippedMaps, CampaignFileNamesTwentySixExistingMissions) {
    std::string bytes = readBytes(std::string(VASK_RUN_DIR) + "/campaign.dat");
    std::istringstream in(bytes);
    std::string listError;
    std::vector<std::string> order = readCampaignList(std::string(VASK_MAP_SOURCES) + "/campaign.list", listError);
    ASSERT_EQ(listError, "");
    ASSERT_EQ(order.size(), 26u);
    for (int i = 0; i < 26; i++) {
        int32_t len = readI32(in);
        ASSERT_TRUE(in) << "record " << i;
        ASSERT_GT(len, 0);
        ASSERT_LT(len, 256);
        std::string name(size_t(len), '\0');
        in.read(&name[0], len);
        for (int k = 0; k < 5; k++) readU32(in);
        ASSERT_TRUE(in) << "record " << i;
        EXPECT_EQ(name, order[size_t(i)] + ".map");
        std::ifstream mission(std::string(VASK_RUN_DIR) + "/Campaign/" + name);
        EXPECT_TRUE(mission.good()) << name;
    }
    EXPECT_EQ(in.peek(), EOF) << "campaign.dat holds more than 26 records";
}
