#pragma once
// Little-endian numbers of the binary hazard-grid files, read from and
// appended to byte strings whatever the machine's own byte order.

#include <bit>
#include <cstdint>
#include <string>

namespace tavo {

inline std::uint32_t LeggeU32LE(const char* p) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(p[k]);
    return v;
}

inline std::uint16_t LeggeU16LE(const char* p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                      (static_cast<unsigned char>(p[1]) << 8));
}

inline float LeggeFloatLE(const char* p) { return std::bit_cast<float>(LeggeU32LE(p)); }
inline std::int32_t LeggeI32LE(const char* p) { return std::bit_cast<std::int32_t>(LeggeU32LE(p)); }

inline void AccodaU32LE(std::string& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}

inline void AccodaU16LE(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

inline void AccodaFloatLE(std::string& out, float v) { AccodaU32LE(out, std::bit_cast<std::uint32_t>(v)); }
inline void AccodaI32LE(std::string& out, std::int32_t v) { AccodaU32LE(out, std::bit_cast<std::uint32_t>(v)); }

}  // namespace tavo
