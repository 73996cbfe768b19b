#include "fileio/Utf8.h"

namespace tavo {

void AccodaUtf8(std::string& testo, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        testo += static_cast<char>(c);
    } else if (c < 0x800) {
        testo += static_cast<char>(0xC0 | (c >> 6));
        testo += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        testo += static_cast<char>(0xE0 | (c >> 12));
        testo += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        testo += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        testo += static_cast<char>(0xF0 | (c >> 18));
        testo += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        testo += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        testo += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t LeggeUtf8(std::string_view testo, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(testo[i]); };
    const unsigned char b0 = byte(pos);
    int seguito = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        seguito = 1, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguito = 2, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguito = 3, c = b0 & 0x07, minimo = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + seguito >= testo.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int k = 1; k <= seguito; ++k) {
        const unsigned char b = byte(pos + k);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += seguito + 1;
    return c;
}

}  // namespace tavo
