#pragma once
// The decimal and digit-grouping characters of the user's regional settings.
// The core keeps them as a plain value; the windows fill it at start-up from
// the system locale (SeparatoriDaLocale takes the locale's two texts as they
// come, e.g. QLocale::system().decimalPoint() and groupSeparator() in UTF-8)
// and hand it to VerificaImpostazioniInternazionali, which installs it.

#include <string_view>

namespace tavo {

struct Separatori {
    char32_t decimale = U'.';
    // 0 when there is no usable grouping character.
    char32_t migliaia = U',';

    bool operator==(const Separatori&) const = default;
};

// The decimal character where a routine needs one byte: the regional one
// when it is ASCII, else the point.
inline char DecimaleAscii(const Separatori& sep) {
    return sep.decimale < 0x80 ? static_cast<char>(sep.decimale) : '.';
}

// The first character of each text; an empty decimal text gives the point,
// an empty grouping text gives 0 (grouping disabled).
Separatori SeparatoriDaLocale(std::string_view decimaleUtf8, std::string_view migliaiaUtf8);

// True for the blank and the blanks that locales use for grouping (no-break
// space U+00A0, narrow no-break space U+202F, thin space U+2009): the user
// types a plain blank where such a locale shows one of the others.
bool SpazioRaggruppamento(char32_t c);

// The separators in force for reading and formatting; a point and a comma
// until start-up installs the system's.
const Separatori& separatoriRegionali();
void impostaSeparatoriRegionali(const Separatori& s);

// Installs separators for the lifetime of the guard (tests, previews).
class SeparatoriInstallati {
public:
    explicit SeparatoriInstallati(const Separatori& s);
    ~SeparatoriInstallati();
    SeparatoriInstallati(const SeparatoriInstallati&) = delete;
    SeparatoriInstallati& operator=(const SeparatoriInstallati&) = delete;

private:
    Separatori precedenti_;
};

}  // namespace tavo
