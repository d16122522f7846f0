#pragma once
// Whether the shader programs can draw the game: without them every frame is
// plain black, so start-up checks them and tells the player what is wrong.
#include <map>
#include <string>
#include <vector>

// The programs every frame needs.
extern const std::vector<std::string> REQUIRED_PROGRAMS;

// One program as made from the folder.
struct ProgramState {
    bool linked = false;
    // The first line of what went wrong, when it did not link.
    std::string error;
};

struct ShaderFailure {
    bool folderMissing = false;
    std::vector<std::string> missing;  // required programs with no stage files
    std::vector<std::string> broken;   // programs that did not compile or link
    std::string firstError;            // the first broken program's first error line
    bool ok() const { return !folderMissing && missing.empty() && broken.empty(); }
    // What went wrong and what to do about it, for the player; empty when ok().
    std::string message() const;
};

// Judges the programs as loaded, by name.
ShaderFailure judgeShaders(bool folderFound, const std::map<std::string, ProgramState>& programs);

// Judges the programs in `shaders` (queries GL for their link status).
ShaderFailure checkShaderPrograms();
