#pragma once
// Saving player files without ever leaving a half-written one behind:
// the bytes go to a temporary file in the same folder, are flushed to disk,
// and the temporary file is renamed over the old one. Reading files whose
// names come from players (maps, campaign missions) without tripping over
// folders or devices of that name.
#include <cstdint>
#include <string>

// True for the temporary name a save writes first: NAME.tmp followed by the
// saving process's id. Such files are never listed as maps, textures or sounds.
inline bool isTempSaveName(const std::string& name) {
    size_t at = name.rfind(".tmp");
    if (at == std::string::npos || at + 4 == name.size()) return false;
    for (size_t i = at + 4; i < name.size(); i++)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

// Removes the temporary files of saves in `folder` whose process has ended
// (a save cut short by a crash or power loss); a running game's are kept.
void removeStaleTempSaves(const std::string& folder);

// Writes `bytes` to `path` atomically. On failure the old file is untouched,
// a message naming the file goes to standard error and the result is false.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// True when `path` names a regular file that can be opened for reading: a
// folder opens like a file but fails at the first read.
bool isReadableFile(const std::string& path);

// Reads the whole regular file at `path` into `bytes`; false (and `bytes`
// empty) when it cannot be opened, is not a regular file, a read fails, or it
// holds more than `maxBytes` (then errno is EFBIG).
bool readWholeFile(const std::string& path, std::string& bytes, size_t maxBytes = SIZE_MAX);
