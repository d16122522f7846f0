#pragma once
// Campaign progress: 26 missions, five difficulties, kept in campaign.dat.
#include <functional>
#include <string>

constexpr int CAMPAIGN_MISSIONS = 26;
constexpr int CAMPAIGN_DIFFICULTIES = 5;
// Longest mission name campaign.dat may carry; a longer one is damage.
constexpr int MAX_MISSION_NAME = 4096;

struct Mission {
    unsigned int time[CAMPAIGN_DIFFICULTIES];  // ticks to the latest win, 0 if not won
    std::string name;
    int diff;
    bool beat;  // playable
    Mission() : time{0, 0, 0, 0, 0}, diff(2), beat(false) {}
};

class CampaignManager {
public:
    Mission missions[CAMPAIGN_MISSIONS];
    // Plays a mission's map at a difficulty factor and answers the ticks to
    // victory (0 when lost). Unset, the game manager plays it.
    std::function<unsigned int(const std::string& name, float factor)> runMission;

    CampaignManager();  // reads "campaign.dat"
    explicit CampaignManager(const std::string& path);
    bool write();
    bool write(const std::string& path);
    void playCamp(int mission, int diff);
    void noplayCamp(int, int) {}

private:
    std::string file;
    void load(const std::string& path);
};

// Difficulty factor applied to the minds: 2^(diff - 2).
float difficultyFactor(int diff);
