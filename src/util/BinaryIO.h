#pragma once
// Little-endian fixed-width reads and writes for the game's binary files.
// A read past the end of the stream yields 0 and leaves the stream failed.
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

template <typename T>
inline T readRaw(std::istream& in) {
    unsigned char b[sizeof(T)] = {};
    in.read(reinterpret_cast<char*>(b), sizeof(T));
    if (!in) return T();
    // Assemble little-endian bytes so the file layout does not depend on the host.
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); i++) v |= uint64_t(b[i]) << (8 * i);
    T out;
    if constexpr (sizeof(T) == 1) {
        uint8_t x = uint8_t(v);
        memcpy(&out, &x, 1);
    } else if constexpr (sizeof(T) == 2) {
        uint16_t x = uint16_t(v);
        memcpy(&out, &x, 2);
    } else if constexpr (sizeof(T) == 4) {
        uint32_t x = uint32_t(v);
        memcpy(&out, &x, 4);
    } else {
        memcpy(&out, &v, 8);
    }
    return out;
}

template <typename T>
inline void writeRaw(std::ostream& out, T value) {
    uint64_t v = 0;
    memcpy(&v, &value, sizeof(T));
    unsigned char b[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); i++) b[i] = (unsigned char)(v >> (8 * i));
    out.write(reinterpret_cast<const char*>(b), sizeof(T));
}

inline int16_t readI16(std::istream& in) { return readRaw<int16_t>(in); }
inline int32_t readI32(std::istream& in) { return readRaw<int32_t>(in); }
inline uint32_t readU32(std::istream& in) { return readRaw<uint32_t>(in); }
inline int64_t readI64(std::istream& in) { return readRaw<int64_t>(in); }
inline uint8_t readU8(std::istream& in) { return readRaw<uint8_t>(in); }
inline float readF32(std::istream& in) { return readRaw<float>(in); }

inline void writeI16(std::ostream& o, int16_t v) { writeRaw(o, v); }
inline void writeI32(std::ostream& o, int32_t v) { writeRaw(o, v); }
inline void writeU32(std::ostream& o, uint32_t v) { writeRaw(o, v); }
inline void writeI64(std::ostream& o, int64_t v) { writeRaw(o, v); }
inline void writeU8(std::ostream& o, uint8_t v) { writeRaw(o, v); }
inline void writeF32(std::ostream& o, float v) { writeRaw(o, v); }
