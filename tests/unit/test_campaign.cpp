#include "CaptureOutput.h"
#include "WorldFixture.h"
#include "flow/CampaignManager.h"
#include "util/BinaryIO.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Record {
    std::string name;
    std::vector<unsigned> times;
};

std::string record(int32_t len, const std::string& name, std::vector<unsigned> times) {
    std::ostringstream out;
    writeI32(out, len);
    out << name;
    for (unsigned t : times) writeU32(out, t);
    return out.str();
}

std::string campaignFile(const std::vector<Record>& records) {
    std::string bytes;
    for (const Record& r : records) bytes += record(int32_t(r.name.size()), r.name, r.times);
    return bytes;
}

std::vector<Record> sample() {
    std::vector<Record> r;
    for (int i = 0; i < CAMPAIGN_MISSIONS; i++)
        r.push_back({"mission" + std::to_string(i) + ".map", {0, 0, 0, 0, 0}});
    r[0].times = {0, 0, 4000, 0, 0};
    r[1].times = {0, 0, 0, 0, 70000};
    r[5].name = "";  // an empty caption is valid
    r[5].times = {1, 2, 3, 4, 5};
    return r;
}

void expectPlayable(const CampaignManager& c, std::vector<int> playable) {
    for (int i = 0; i < CAMPAIGN_MISSIONS; i++) {
        bool want = false;
        for (int p : playable) want = want || p == i;
        EXPECT_EQ(c.missions[i].beat, want) << "mission " << i;
    }
}

}  // namespace

TEST(Campaign, ReadWriteRoundTripIsByteForByte) {
    std::string bytes = campaignFile(sample());
    writeBytes("camp_round.dat", bytes);
    CampaignManager c("camp_round.dat");
    EXPECT_EQ(c.missions[0].name, "mission0.map");
    EXPECT_EQ(c.missions[5].name, "");
    EXPECT_EQ(c.missions[1].time[4], 70000u);
    EXPECT_EQ(c.missions[5].time[2], 3u);
    for (const Mission& m : c.missions) EXPECT_EQ(m.diff, 2);
    // Mission 0 always; 1 and 2 after wins in 0 and 1; 6 after mission 5's times.
    expectPlayable(c, {0, 1, 2, 6});

    ASSERT_TRUE(c.write("camp_round_out.dat"));
    EXPECT_EQ(readBytes("camp_round_out.dat"), bytes);
    ASSERT_TRUE(c.write());
    EXPECT_EQ(readBytes("camp_round.dat"), bytes);
}

TEST(Campaign, MissingFileIsAFreshCampaign) {
    unlink("camp_missing.dat");
    CampaignManager c("camp_missing.dat");
    expectPlayable(c, {0});
    for (const Mission& m : c.missions) {
        EXPECT_EQ(m.name, "");
        for (unsigned t : m.time) EXPECT_EQ(t, 0u);
    }
    ASSERT_TRUE(c.write());
    EXPECT_EQ(readBytes("camp_missing.dat"), std::string(CAMPAIGN_MISSIONS * 24, '\0'));
}

TEST(Campaign, WinsUnlockAndTheLatestResultCounts) {
    writeBytes("camp_play.dat", campaignFile(sample()));
    CampaignManager c("camp_play.dat");
    std::vector<std::pair<std::string, float>> played;
    unsigned next = 0;
    c.runMission = [&](const std::string& name, float factor) {
        played.push_back({name, factor});
        return next;
    };

    next = 900;
    c.playCamp(2, 3);  // won on hard
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].first, "mission2.map");
    EXPECT_EQ(played[0].second, 2.0f);
    EXPECT_EQ(c.missions[2].time[3], 900u);
    EXPECT_EQ(c.missions[2].time[2], 0u);
    EXPECT_TRUE(c.missions[3].beat);
    EXPECT_FALSE(c.missions[4].beat);

    next = 1500;  // a slower win replaces the faster one
    c.playCamp(2, 3);
    EXPECT_EQ(c.missions[2].time[3], 1500u);
    next = 0;  // a loss at very easy is stored as well
    c.playCamp(0, 0);
    EXPECT_EQ(played.back().second, 0.25f);

    // Every game is saved at once.
    CampaignManager reread("camp_play.dat");
    EXPECT_EQ(reread.missions[2].time[3], 1500u);
    expectPlayable(reread, {0, 1, 2, 3, 6});
    EXPECT_EQ(difficultyFactor(1), 0.5f);
    EXPECT_EQ(difficultyFactor(2), 1.0f);
    EXPECT_EQ(difficultyFactor(4), 4.0f);
}

// Within a run an unlocked mission stays unlocked; at the next start it is
// locked again when its predecessor's only win has since been lost.
TEST(Campaign, LosingTheOnlyWinRelocksAfterARestart) {
    writeBytes("camp_relock.dat", campaignFile(sample()));
    CampaignManager c("camp_relock.dat");
    ASSERT_TRUE(c.missions[1].beat);
    c.runMission = [](const std::string&, float) { return 0u; };
    c.playCamp(0, 2);  // mission 0's only win was at normal
    EXPECT_EQ(c.missions[0].time[2], 0u);
    EXPECT_TRUE(c.missions[1].beat);
    CampaignManager restarted("camp_relock.dat");
    EXPECT_FALSE(restarted.missions[1].beat);
    EXPECT_TRUE(restarted.missions[2].beat);  // mission 1 still holds a win
}

TEST(Campaign, LastMissionAndBadRowsUnlockNothing) {
    unlink("camp_last.dat");
    CampaignManager c("camp_last.dat");
    int calls = 0;
    c.runMission = [&](const std::string&, float) {
        calls++;
        return 777u;
    };
    c.playCamp(25, 4);
    EXPECT_EQ(c.missions[25].time[4], 777u);
    expectPlayable(c, {0});
    {
        CaptureOutput out;
        c.playCamp(26, 0);
        c.playCamp(-1, 0);
        c.playCamp(3, 5);
        EXPECT_NE(out.errors().find("no campaign mission"), std::string::npos);
    }
    EXPECT_EQ(calls, 1);
}

TEST(Campaign, DamagedFilesKeepWhatWasRead) {
    std::vector<Record> r = sample();
    std::string good = record(int32_t(r[0].name.size()), r[0].name, r[0].times) +
                       record(int32_t(r[1].name.size()), r[1].name, r[1].times);
    for (int32_t badLength : {-1, -100000, MAX_MISSION_NAME + 1, 0x7fffffff}) {
        writeBytes("camp_bad.dat", good + record(badLength, "abc", {9, 9, 9, 9, 9}) +
                                       campaignFile(std::vector<Record>(r.begin() + 3, r.end())));
        CaptureOutput out;
        CampaignManager c("camp_bad.dat");
        EXPECT_EQ(c.missions[1].name, "mission1.map");
        EXPECT_EQ(c.missions[1].time[4], 70000u);
        EXPECT_EQ(c.missions[2].name, "") << badLength;
        EXPECT_EQ(c.missions[3].name, "") << "nothing after the damage is read";
        expectPlayable(c, {0, 1, 2});
        EXPECT_NE(out.errors().find("rest of the campaign ignored"), std::string::npos);
    }

    // Records 0 and 1 take 36 bytes each. Cut inside a name: the name's bytes so far; cut inside the times: the
    // times read so far.
    std::string full = campaignFile(r);
    writeBytes("camp_short.dat", good.substr(0, 36 + 4 + 5));
    CampaignManager cutName("camp_short.dat");
    EXPECT_EQ(cutName.missions[0].time[2], 4000u);
    EXPECT_EQ(cutName.missions[1].name, "missi");
    EXPECT_EQ(cutName.missions[1].time[4], 0u);

    writeBytes("camp_short.dat", good.substr(0, good.size() - 6));
    CampaignManager cutTimes("camp_short.dat");
    EXPECT_EQ(cutTimes.missions[1].name, "mission1.map");
    EXPECT_EQ(cutTimes.missions[1].time[2], 0u);
    expectPlayable(cutTimes, {0, 1});

    writeBytes("camp_short.dat", full.substr(0, 2));
    CampaignManager stub("camp_short.dat");
    expectPlayable(stub, {0});
}

// Saving goes through a temporary file: when that cannot be made, the save
// fails with a message and the old progress is still there, whole.
TEST(Campaign, FailedSaveLeavesTheOldFile) {
    std::string bytes = campaignFile(sample());
    writeBytes("camp_keep.dat", bytes);
    CampaignManager c("camp_keep.dat");
    c.missions[7].time[1] = 12345;
    std::string blocker = "camp_keep.dat.tmp" + std::to_string(getpid());
    ASSERT_EQ(mkdir(blocker.c_str(), 0755), 0);
    CaptureOutput out;
    EXPECT_FALSE(c.write());
    EXPECT_NE(out.errors().find("Could not save camp_keep.dat"), std::string::npos);
    EXPECT_EQ(readBytes("camp_keep.dat"), bytes);
    rmdir(blocker.c_str());
}
