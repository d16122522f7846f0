#pragma once
// Saving player files without ever leaving a half-written one behind:
// the bytes go to a temporary file in the same folder, are flushed to disk,
// and the temporary file is renamed over the old one.
#include <string>

// Writes `bytes` to `path` atomically. On failure the old file is untouched,
// a message naming the file goes to standard error and the result is false.
bool writeFileAtomically(const std::string& path, const std::string& bytes);
