#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace soundgen {

namespace {
void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v & 0xff));
    b.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
void putTag(std::vector<uint8_t>& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }
} // namespace

bool writeWav(const std::string& path, const Sound& s) {
    const uint32_t dataBytes = static_cast<uint32_t>(s.data.size() * 2);
    const uint32_t blockAlign = static_cast<uint32_t>(s.channels * 2);
    std::vector<uint8_t> b;
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, static_cast<uint32_t>(s.channels));
    put32(b, static_cast<uint32_t>(s.rate));
    put32(b, static_cast<uint32_t>(s.rate) * blockAlign);
    put16(b, blockAlign);
    put16(b, 16);
    putTag(b, "data");
    put32(b, dataBytes);
    for (float v : s.data) {
        long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        put16(b, static_cast<uint32_t>(static_cast<int16_t>(q)) & 0xffff);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

} // namespace soundgen
