#pragma once
#include <string>

#include "Synth.h"

namespace soundgen {

// Writes `s` as a canonical 44-byte-header RIFF/WAVE file, 16-bit PCM.
// Returns false if the file cannot be written.
bool writeWav(const std::string& path, const Sound& s);

} // namespace soundgen
