#include "drawing/FileDxf.h"

#include "fileio/FileSuDisco.h"
#include "fileio/Utf8.h"

#include <charconv>
#include <string>

namespace tavo {

std::string NumeroDxf(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

FileDxf::FileDxf(std::filesystem::path percorso) : percorso_(std::move(percorso)) {
    byte_.reserve(4096);
    Riga("  0");
    Riga("SECTION");
    Riga("  2");
    Riga("ENTITIES");
}

void FileDxf::Riga(std::string_view testo) {
    byte_.append(testo);
    byte_.append("\r\n");
}

void FileDxf::Numero(double v) { Riga(NumeroDxf(v)); }

namespace {

// The number as the file-print statement writes its digits: a blank where
// the sign of a positive number would stand.
std::string ConSegno(long v) { return (v < 0 ? "-" : " ") + std::to_string(v < 0 ? -v : v); }

// The text in ASCII, which every reader takes alike: a file with no header
// names no code page, and readers guess different ones. The degree sign is
// the control code "%%d", every other character beyond ASCII its escape
// "\U+XXXX" (four upper-case hex digits; one beyond them, which the escape
// cannot hold, is '?'). Line breaks and control characters are blanks: a
// break inside a value would end the group.
std::string TestoAscii(std::string_view utf8) {
    std::string ascii;
    ascii.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = LeggeUtf8(utf8, pos);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            ascii += ' ';
        } else if (c < 0x7F) {
            ascii += static_cast<char>(c);
        } else if (c == U'\u00B0') {
            ascii += "%%d";
        } else if (c > 0xFFFF) {
            ascii += '?';
        } else {
            static constexpr char cifre[] = "0123456789ABCDEF";
            ascii += "\\U+";
            for (int shift = 12; shift >= 0; shift -= 4) ascii += cifre[(c >> shift) & 0xF];
        }
    }
    return ascii;
}

}  // namespace

// The signed form right-aligned in six characters.
void FileDxf::Colore6(long colore) {
    std::string s = ConSegno(colore);
    if (s.size() < 6) s.insert(0, 6 - s.size(), ' ');
    Riga(s);
}

void FileDxf::LineaDxf(double x1, double y1, double x2, double y2, long colore) {
    Riga("  0"), Riga("LINE"), Riga("  8"), Riga("0"), Riga(" 62"), Colore6(colore);
    Riga(" 10"), Numero(x1), Riga(" 20"), Numero(y1), Riga(" 30"), Riga("0.0");
    Riga(" 11"), Numero(x2), Riga(" 21"), Numero(y2), Riga(" 31"), Riga("0.0");
}

void FileDxf::CerchioDxf(double x, double y, double r, long colore) {
    Riga("  0"), Riga("CIRCLE"), Riga("  8"), Riga("0"), Riga(" 62"), Colore6(colore);
    Riga(" 10"), Numero(x), Riga(" 20"), Numero(y), Riga(" 30"), Riga("0.0");
    Riga(" 40"), Numero(r);
}

void FileDxf::Vertici(int n, std::span<const double> x, std::span<const double> y, bool chiuso,
                      long colore) {
    Riga("  0"), Riga("POLYLINE"), Riga("  8"), Riga("0"), Riga(" 66"), Riga("     1");
    Riga(" 62"), Colore6(colore);
    Riga(" 10"), Riga("0.0"), Riga(" 20"), Riga("0.0"), Riga(" 30"), Riga("0.0");
    const int m = chiuso && n > 0 ? n + 1 : n;
    for (int k = 0; k < m; ++k) {
        const std::size_t i = static_cast<std::size_t>(k < n ? k : 0);
        Riga("  0"), Riga("VERTEX"), Riga("  8"), Riga("0");
        Riga(" 10"), Numero(x[i]), Riga(" 20"), Numero(y[i]), Riga(" 30"), Riga("0.0");
    }
    Riga("  0"), Riga("SEQEND"), Riga("  8"), Riga("0");
}

void FileDxf::PoligonaleDxf(int n, std::span<const double> x, std::span<const double> y,
                            long colore) {
    Vertici(n, x, y, false, colore);
}

void FileDxf::PoligonoDxf(int n, std::span<const double> x, std::span<const double> y,
                          long colore) {
    Vertici(n, x, y, true, colore);
}

void FileDxf::SolidDxf(int n, std::span<const double> x, std::span<const double> y, long colore) {
    PoligonoDxf(n - 1, x, y, colore);
}

void FileDxf::TestoDxf(double x, double y, double h, std::string_view testo, long colore) {
    // The colour as the file-print statement writes a number: the signed
    // form, then a blank.
    const std::string cT = ConSegno(colore) + " ";
    const std::string valore = TestoAscii(testo);
    Riga("  0"), Riga("TEXT"), Riga("  8"), Riga("0"), Riga(" 62"), Riga(cT);
    Riga(" 10"), Numero(x), Riga(" 20"), Numero(y), Riga(" 30"), Riga("0.0");
    Riga(" 40"), Numero(h), Riga("  1"), Riga(valore);
}

void FileDxf::Chiude() {
    Riga("  0");
    Riga("ENDSEC");
    Riga("  0");
    Riga("EOF");
    ScriveFileIntero(percorso_, byte_, primaDiSostituire);
}

}  // namespace tavo
