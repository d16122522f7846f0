#include "MapType.h"

#include "world/World.h"

#include <cstdint>

namespace {

uint32_t u32At(const std::string& b, size_t at) {
    return uint32_t((unsigned char)b[at]) | uint32_t((unsigned char)b[at + 1]) << 8 |
           uint32_t((unsigned char)b[at + 2]) << 16 | uint32_t((unsigned char)b[at + 3]) << 24;
}

}  // namespace

long long mapTypeOffset(const std::string& bytes) {
    const size_t header = 24;
    if (bytes.size() < header) return -1;
    unsigned long long w = u32At(bytes, 12), h = u32At(bytes, 16), d = u32At(bytes, 20);
    // The same limits as the game's loader: a map it refuses has no type to set.
    if (w == 0 || h == 0 || d == 0 || w > MAX_WORLD_SIDE || h > MAX_WORLD_SIDE || d > MAX_WORLD_SIDE ||
        w * h * d > MAX_WORLD_CELLS)
        return -1;
    size_t at = header;
    for (unsigned long long i = 0; i < w * h * d; i++) {
        if (at + 2 > bytes.size()) return -1;
        bool vask = bytes[at] == 2 && bytes[at + 1] == 0;
        at += vask ? 4 : 2;
    }
    at += 4;  // the active-block count
    if (at >= bytes.size()) return -1;
    return (long long)at;
}
