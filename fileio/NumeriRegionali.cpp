#include "fileio/NumeriRegionali.h"

#include "fileio/NumeriTesto.h"
#include "fileio/Utf8.h"
#include "geometry/Estremi.h"
#include "ports/ErroreCalcolo.h"

#include <charconv>
#include <cmath>
#include <limits>

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

namespace {

bool Blank(char32_t c) { return c == U'\t' || SpazioRaggruppamento(c); }
bool Cifra(char32_t c) { return c >= U'0' && c <= U'9'; }

// True when the text holds nothing but the blanks a typed number may have around it.
bool SoloBianchi(std::string_view testo) {
    for (std::size_t pos = 0; pos < testo.size();)
        if (!Blank(LeggeUtf8(testo, pos))) return false;
    return true;
}

bool Raggruppa(char32_t c, const Separatori& sep) {
    return sep.migliaia != 0 && sep.migliaia != sep.decimale &&
           (c == sep.migliaia || (SpazioRaggruppamento(sep.migliaia) && SpazioRaggruppamento(c)));
}

}  // namespace

std::optional<double> NumeroDigitato(std::string_view testo, const Separatori& sep) {
    std::u32string c;
    for (std::size_t pos = 0; pos < testo.size();) c += LeggeUtf8(testo, pos);
    std::size_t i = 0, fine = c.size();
    while (i < fine && Blank(c[i])) ++i;
    while (fine > i && Blank(c[fine - 1])) --fine;

    // The same number in the file form, which NumeroDouble reads.
    std::string s;
    if (i < fine && (c[i] == U'+' || c[i] == U'-')) {
        if (c[i] == U'-') s += '-';
        ++i;
    }
    const std::size_t inizioIntere = s.size();
    int cifre = 0, gruppo = 0;
    bool raggruppato = false;
    for (; i < fine && c[i] != sep.decimale; ++i) {
        if (Cifra(c[i])) {
            s += static_cast<char>(c[i]);
            ++cifre;
            ++gruppo;
        } else if (Raggruppa(c[i], sep)) {
            const bool primoValido = gruppo >= 1 && gruppo <= 3 && s[inizioIntere] != '0';
            if (raggruppato ? gruppo != 3 : !primoValido) return std::nullopt;
            raggruppato = true;
            gruppo = 0;
        } else {
            break;
        }
    }
    if (raggruppato && gruppo != 3) return std::nullopt;
    if (i < fine && c[i] == sep.decimale) {
        s += '.';
        for (++i; i < fine && Cifra(c[i]); ++i) {
            s += static_cast<char>(c[i]);
            ++cifre;
        }
    }
    if (cifre == 0) return std::nullopt;
    if (i < fine && (c[i] == U'E' || c[i] == U'e')) {
        s += 'E';
        if (++i < fine && (c[i] == U'+' || c[i] == U'-')) s += static_cast<char>(c[i++]);
        int cifreEsponente = 0;
        for (; i < fine && Cifra(c[i]); ++i, ++cifreEsponente) s += static_cast<char>(c[i]);
        if (cifreEsponente == 0) return std::nullopt;
    }
    if (i != fine) return std::nullopt;
    return NumeroDouble(s);
}

std::optional<float> SingoloDigitato(std::string_view testo, const Separatori& sep) {
    const auto v = NumeroDigitato(testo, sep);
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*v);
}

std::string MotivoNonNumero(std::string_view testo, const Separatori& sep) {
    const std::string t(testo);
    if (SoloBianchi(testo)) return "manca il valore.";
    if (NumeroDigitato(testo, sep)) return "\"" + t + "\" è fuori scala.";
    std::string decimale;
    AccodaUtf8(decimale, sep.decimale);
    return "\"" + t + "\" non è un numero: scrivere ad esempio " + FormattaConDecimali(1234.5, 1, sep) +
           " (separatore decimale \"" + decimale + "\").";
}

std::string RifiutoCasella(std::string_view casella, std::string_view motivo) {
    return "Dato non valido in \"" + std::string(casella) + "\": " + std::string(motivo);
}

double ValLocale(std::string_view testo, const Separatori& sep) { return NumeroDigitato(testo, sep).value_or(0); }

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
