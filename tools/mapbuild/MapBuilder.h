#pragma once
// Compiles the readable map sources (*.vmap) into play-ready worlds, checks them
// against what every shipped map needs, and writes the campaign's progress file.
#include <memory>
#include <string>
#include <vector>

class World;

struct BuiltMap {
    std::string name;    // file stem of the source, also the map's file stem
    std::string folder;  // "Maps" or "Campaign"
    std::string title;
    int calm;            // minds start at least this far (horizontally) from the player
    std::unique_ptr<World> world;

    BuiltMap();
    ~BuiltMap();
    BuiltMap(BuiltMap&&) noexcept;
    BuiltMap& operator=(BuiltMap&&) noexcept;
};

// Builds one source file. On failure the result is false and `error` reads
// "file:line: what went wrong".
bool buildMap(const std::string& sourcePath, BuiltMap& out, std::string& error);

// What a built map must satisfy to ship: one message per problem, none when fine.
std::vector<std::string> checkMap(World& w, int calm);

// The campaign order: the non-empty, non-comment lines of a list file.
std::vector<std::string> readCampaignList(const std::string& path, std::string& error);

// campaign.dat bytes for missions in order, every time zero.
std::string campaignBytes(const std::vector<std::string>& missionFiles);

// Writes campaign.dat unless the file is already there (it holds a player's
// progress). Returns true when it wrote the file.
bool writeCampaignIfMissing(const std::string& path, const std::vector<std::string>& missionFiles);
