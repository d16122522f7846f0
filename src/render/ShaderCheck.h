#pragma once
// Whether the shader programs can draw the game: without them every frame is
// plain black, so start-up checks them and tells the player what is wrong.
#include <map>
#include <string>
#include <vector>

// The programs every frame needs.
extern const std::vector<std::string> REQUIRED_PROGRAMS;

struct ShaderFailure {
    bool folderMissing = false;
    std::vector<std::string> missing;  // required programs with no stage files
    std::vector<std::string> broken;   // programs that did not compile or link
    bool ok() const { return !folderMissing && missing.empty() && broken.empty(); }
    // What went wrong and what to do about it, for the player; empty when ok().
    std::string message() const;
};

// Judges the programs as loaded: `linked` maps each program that was made to
// whether it linked.
ShaderFailure judgeShaders(bool folderFound, const std::map<std::string, bool>& linked);

// Judges the programs in `shaders` (queries GL for their link status).
ShaderFailure checkShaderPrograms();
