#include "fileio/NumeriRegionali.h"

#include "fileio/NumeriTesto.h"
#include "fileio/Utf8.h"
#include "geometry/Estremi.h"
#include "ports/ErroreCalcolo.h"

#include <charconv>
#include <cmath>

namespace tavo {
namespace {

// Digits of round(a * 10^decimali), a >= 0, rounding half away from zero
// on the 15 significant digits of a.
std::string CifreArrotondate(double a, int decimali) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
    std::string cifre;
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p != '.') cifre += *p;
    }
    int esponente = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), r.ptr, esponente);
    const int scala = esponente - 14 + decimali;  // value = cifre * 10^scala
    if (scala >= 0) {
        cifre.append(static_cast<std::size_t>(scala), '0');
    } else {
        const int tenute = static_cast<int>(cifre.size()) + scala;
        if (tenute < 0) return "0";
        const bool suPiu = cifre[static_cast<std::size_t>(tenute)] >= '5';
        cifre.resize(static_cast<std::size_t>(tenute));
        if (suPiu) {
            int k = tenute - 1;
            for (; k >= 0 && cifre[static_cast<std::size_t>(k)] == '9'; --k) {
                cifre[static_cast<std::size_t>(k)] = '0';
            }
            if (k < 0) cifre.insert(cifre.begin(), '1');
            else ++cifre[static_cast<std::size_t>(k)];
        }
    }
    const auto primo = cifre.find_first_not_of('0');
    return primo == std::string::npos ? "0" : cifre.substr(primo);
}

std::string TestoRegionaleCifre(double v, int cifre, const Separatori& sep) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, verificaFinito(v, "TestoRegionale"),
                                 std::chars_format::general, cifre);
    std::string testo;
    for (const char* p = buf; p < r.ptr; ++p) {
        if (*p == '.') AccodaUtf8(testo, sep.decimale);
        else testo += *p == 'e' ? 'E' : *p;
    }
    return testo == "-0" ? "0" : testo;
}

}  // namespace

std::string TogliCarattere(std::string_view testo, int p) {
    std::string risultato;
    int indice = 0;
    for (std::size_t pos = 0; pos < testo.size();) {
        const std::size_t inizio = pos;
        LeggeUtf8(testo, pos);
        if (++indice != p) risultato.append(testo.substr(inizio, pos - inizio));
    }
    return risultato;
}

std::string TestoConPuntoDecimale(std::string_view testo, const Separatori& sep) {
    std::string s;
    bool decimaleVisto = false;
    for (std::size_t pos = 0; pos < testo.size();) {
        const std::size_t inizio = pos;
        const char32_t c = LeggeUtf8(testo, pos);
        const bool raggruppa = sep.migliaia != 0 &&
            (c == sep.migliaia || (SpazioRaggruppamento(sep.migliaia) && SpazioRaggruppamento(c)));
        if (raggruppa) continue;
        if (c == sep.decimale && !decimaleVisto) {
            s += '.';
            decimaleVisto = true;
        } else {
            s.append(testo.substr(inizio, pos - inizio));
        }
    }
    return s;
}

double ValLocale(std::string_view testo, const Separatori& sep) {
    return ValoreIniziale(TestoConPuntoDecimale(testo, sep));
}

std::string FormattaConDecimali(double v, int decimali, const Separatori& sep) {
    const std::string cifre = CifreArrotondate(std::fabs(verificaFinito(v, "FormattaConDecimali")), decimali);
    const std::string tutte =
        cifre.size() > static_cast<std::size_t>(decimali)
            ? cifre
            : std::string(static_cast<std::size_t>(decimali) + 1 - cifre.size(), '0') + cifre;
    const std::size_t intere = tutte.size() - static_cast<std::size_t>(decimali);
    std::string testo = v < 0 ? "-" : "";
    for (std::size_t k = 0; k < intere; ++k) {
        if (k > 0 && (intere - k) % 3 == 0 && sep.migliaia != 0) AccodaUtf8(testo, sep.migliaia);
        testo += tutte[k];
    }
    if (decimali > 0) {
        AccodaUtf8(testo, sep.decimale);
        testo.append(tutte, intere);
    }
    return testo;
}

std::string FormattaCifreSignificative(int n, double v, std::string* schema, const Separatori& sep) {
    verificaFinito(v, "FormattaCifreSignificative");
    const bool positivo = v >= 0;
    const double a = std::fabs(v);
    const int e = static_cast<int>(std::floor(Log10(a) + 0.000001)) + 1;
    if (e <= -19) return " 0";
    const int decimali = (a <= 1 || e < n) ? n - e : 0;
    if (schema) {
        *schema = "#,##0";
        if (decimali > 0) *schema += "." + std::string(static_cast<std::size_t>(decimali), '0');
    }
    const std::string testo = FormattaConDecimali(v, decimali, sep);
    return positivo ? " " + testo : testo;
}

std::string FormattaValore(double v, const Separatori& sep) {
    if (std::fabs(verificaFinito(v, "FormattaValore")) > 0.001) return FormattaCifreSignificative(4, v, nullptr, sep);
    return "0";
}

std::string TestoRegionale(float v, const Separatori& sep) { return TestoRegionaleCifre(v, 7, sep); }
std::string TestoRegionale(double v, const Separatori& sep) { return TestoRegionaleCifre(v, 15, sep); }

}  // namespace tavo
