#include "fileio/Cp1252.h"

#include "fileio/Utf8.h"

#include <array>

namespace tavo {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> Alti{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string DaCp1252(std::string_view byte) {
    std::string testo;
    testo.reserve(byte.size());
    for (char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        AccodaUtf8(testo, u >= 0x80 && u < 0xA0 ? Alti[u - 0x80] : char32_t{u});
    }
    return testo;
}

std::string ACp1252(std::string_view utf8) {
    std::string byte;
    byte.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = LeggeUtf8(utf8, pos);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte += static_cast<char>(c);
            continue;
        }
        char scelto = '?';
        for (std::size_t k = 0; k < Alti.size(); ++k) {
            if (Alti[k] == c) scelto = static_cast<char>(0x80 + k);
        }
        byte += scelto;
    }
    return byte;
}

}  // namespace tavo
