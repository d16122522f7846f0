#pragma once
// The bytes of PCM WAV files, for the sound loader's tests and seeds.
#include "util/BinaryIO.h"

#include <sstream>
#include <string>

// The 44-byte header of a PCM WAV whose data chunk holds `dataBytes`; the RIFF
// size also counts `laterBytes` of chunks that follow the data.
inline std::string wavHeader(int channels, int bits, int rate, uint32_t dataBytes, uint32_t laterBytes = 0) {
    std::ostringstream o;
    o.write("RIFF", 4);
    writeU32(o, 36 + dataBytes + laterBytes);
    o.write("WAVEfmt ", 8);
    writeU32(o, 16);
    writeI16(o, 1);
    writeI16(o, int16_t(channels));
    writeU32(o, uint32_t(rate));
    writeU32(o, uint32_t(rate * channels * bits / 8));
    writeI16(o, int16_t(channels * bits / 8));
    writeI16(o, int16_t(bits));
    o.write("data", 4);
    writeU32(o, dataBytes);
    return o.str();
}
