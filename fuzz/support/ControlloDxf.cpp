#include "fuzz/support/ControlloDxf.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>
#include <vector>

namespace tavo::fuzz {
namespace {

std::string_view SenzaBlank(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

template <class Numero>
bool Legge(std::string_view s, Numero& n) {
    if (s.empty()) return false;
    const auto [fine, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return ec == std::errc{} && fine == s.data() + s.size();
}

// A word of the text that a non-finite number prints as (nan, inf,
// infinity, -nan(ind), 1.#INF, 1.#IND), in any case.
bool MostraNonFinito(std::string_view testo) {
    std::string parola;
    auto nonFinita = [&] {
        return parola == "nan" || parola == "inf" || parola == "infinity" || parola == "#inf" ||
               parola == "#ind" || parola == "#qnan";
    };
    for (char c : testo) {
        if (std::isalpha(static_cast<unsigned char>(c)) || (c == '#' && parola.empty())) {
            parola += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        if (nonFinita()) return true;
        parola.clear();
    }
    return nonFinita();
}

struct Gruppo {
    int codice;
    std::string_view valore;
    std::size_t riga;  // 1-based line of the code
};

std::string Dove(const Gruppo& g) { return " (riga " + std::to_string(g.riga) + ")"; }

std::string DifettoValore(const Gruppo& g, std::string_view testoUtente) {
    if (g.codice >= 10 && g.codice <= 59) {
        double x = 0;
        if (!Legge(g.valore, x)) return "il valore del gruppo " + std::to_string(g.codice) + " non è un numero: \"" +
                                      std::string(g.valore) + "\"" + Dove(g);
        if (!std::isfinite(x)) return "numero non finito nel gruppo " + std::to_string(g.codice) + Dove(g);
    } else if (g.codice >= 60 && g.codice <= 79) {
        long n = 0;
        if (!Legge(SenzaBlank(g.valore), n))
            return "il valore del gruppo " + std::to_string(g.codice) + " non è un intero: \"" +
                   std::string(g.valore) + "\"" + Dove(g);
    } else if (g.codice == 1 && g.valore != testoUtente && MostraNonFinito(g.valore)) {
        return "un testo mostra un numero non finito: \"" + std::string(g.valore) + "\"" + Dove(g);
    }
    return {};
}

// Vertices only between POLYLINE and SEQEND, and every polyline ended.
std::string DifettoPolilinee(const std::vector<Gruppo>& gruppi) {
    bool inPolilinea = false;
    for (const Gruppo& g : gruppi) {
        if (g.codice != 0) continue;
        if (g.valore == "VERTEX") {
            if (!inPolilinea) return "VERTEX fuori da una POLYLINE" + Dove(g);
        } else if (g.valore == "SEQEND") {
            if (!inPolilinea) return "SEQEND senza POLYLINE" + Dove(g);
            inPolilinea = false;
        } else {
            if (inPolilinea) return "POLYLINE non chiusa da SEQEND" + Dove(g);
            inPolilinea = g.valore == "POLYLINE";
        }
    }
    if (inPolilinea) return "l'ultima POLYLINE non è chiusa da SEQEND";
    return {};
}

}  // namespace

std::string DifettoDxf(std::string_view byte, std::string_view testoUtente) {
    if (!byte.ends_with("\r\n")) return "il file non finisce con CR LF";
    std::vector<std::string_view> righe;
    for (std::string_view resto = byte; !resto.empty();) {
        const std::size_t fine = resto.find("\r\n");
        const std::string_view riga = resto.substr(0, fine);
        if (riga.find_first_of("\r\n") != std::string_view::npos)
            return "un a capo dentro la riga " + std::to_string(righe.size() + 1);
        righe.push_back(riga);
        resto.remove_prefix(fine + 2);
    }
    if (righe.size() % 2 != 0) return "numero dispari di righe: " + std::to_string(righe.size());

    std::vector<Gruppo> gruppi;
    for (std::size_t i = 0; i < righe.size(); i += 2) {
        Gruppo g{0, righe[i + 1], i + 1};
        if (righe[i].size() != 3 || !Legge(SenzaBlank(righe[i]), g.codice))
            return "codice di gruppo non intero in tre caratteri: \"" + std::string(righe[i]) + "\"" + Dove(g);
        if (std::string difetto = DifettoValore(g, testoUtente); !difetto.empty()) return difetto;
        gruppi.push_back(g);
    }

    auto coppia = [&](std::size_t k, int codice, std::string_view valore) {
        return gruppi[k].codice == codice && gruppi[k].valore == valore;
    };
    const std::size_t n = gruppi.size();
    if (n < 2 || !coppia(0, 0, "SECTION") || !coppia(1, 2, "ENTITIES"))
        return "il file non comincia con la sezione ENTITIES";
    if (n < 4 || !coppia(n - 2, 0, "ENDSEC") || !coppia(n - 1, 0, "EOF"))
        return "il file non finisce con ENDSEC ed EOF";
    for (std::size_t k = 2; k + 2 < n; ++k)
        if (gruppi[k].codice == 0 && (gruppi[k].valore == "SECTION" || gruppi[k].valore == "ENDSEC" ||
                                      gruppi[k].valore == "EOF"))
            return "sezione o EOF in mezzo alle entità" + Dove(gruppi[k]);
    return DifettoPolilinee({gruppi.begin() + 2, gruppi.end() - 2});
}

}  // namespace tavo::fuzz
