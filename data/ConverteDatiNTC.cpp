// Builds the three hazard-grid files that the site search reads from the
// public source data of data/hazard (see SOURCES.md there):
//
//   NTCtabellaSpettri.dat  the grid nodes, by ascending longitude, ties by
//                          ascending node ID (the search stops at the first
//                          record east of the site's band, so it needs the order)
//   NTCcomuni.dat          the provinces region by region (regions in the
//                          order of their ISTAT code, provinces by name), then
//                          the municipalities province by province, by name
//   NTCisole.txt           the small islands with their 27 values
//
// Usage: ConverteDatiNTC <source folder> <destination folder>

#include "fileio/Cp1252.h"
#include "fileio/FileSuDisco.h"
#include "seismic/ComuniNTC.h"
#include "seismic/IsoleNTC.h"
#include "seismic/ReticoloNTC.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tavo;
namespace fs = std::filesystem;

std::vector<std::string> Campi(std::string_view riga, char separatore) {
    std::vector<std::string> campi;
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t fine = riga.find(separatore, inizio);
        campi.emplace_back(riga.substr(inizio, fine - inizio));
        if (fine == std::string_view::npos) return campi;
        inizio = fine + 1;
    }
}

// The data rows of a text file with one header line, each split into
// exactly `quanti` fields.
std::vector<std::vector<std::string>> Righe(const fs::path& file, char separatore, std::size_t quanti) {
    std::istringstream in(LeggeFileIntero(file));
    std::vector<std::vector<std::string>> righe;
    std::string riga;
    for (int numero = 1; std::getline(in, riga); ++numero) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (numero == 1 || riga.empty()) continue;
        auto campi = Campi(riga, separatore);
        if (campi.size() != quanti)
            throw std::runtime_error(TestoPercorso(file) + ", riga " + std::to_string(numero) + ": " +
                                     std::to_string(campi.size()) + " campi invece di " +
                                     std::to_string(quanti));
        righe.push_back(std::move(campi));
    }
    return righe;
}

template <class T>
T Numero(const std::string& testo) {
    T v{};
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
    if (errore != std::errc{} || fine != testo.data() + testo.size())
        throw std::runtime_error("numero non valido: \"" + testo + "\"");
    if constexpr (std::is_floating_point_v<T>)
        if (!std::isfinite(v)) throw std::runtime_error("numero non valido: \"" + testo + "\"");
    return v;
}

// Alphabetical order as a reader expects it: letters without their accents
// and case first, the exact bytes only to break ties.
std::string ChiaveAlfabetica(std::string_view utf8) {
    // Base letters of the Windows-1252 bytes 0xC0..0xFF.
    static constexpr std::string_view Base =
        "aaaaaaaceeeeiiiidnooooo*ouuuuythsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string chiave;
    for (char b : ACp1252(utf8)) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0xC0) chiave += Base[u - 0xC0];
        else chiave += static_cast<char>(u < 0x80 ? std::tolower(u) : u);
    }
    return chiave;
}

bool PrimaAlfabetica(const std::string& a, const std::string& b) {
    const std::string ka = ChiaveAlfabetica(a), kb = ChiaveAlfabetica(b);
    return ka != kb ? ka < kb : a < b;
}

std::string Reticolo(const fs::path& sorgente) {
    constexpr std::size_t Periodi = NumeroPeriodiTabellati;
    std::vector<NodoReticolo> nodi;
    for (const auto& r : Righe(sorgente / "ntc2008_grid.tsv", '\t', 3 + 3 * Periodi)) {
        NodoReticolo n;
        n.ID = Numero<std::int32_t>(r[0]);
        n.Longitudine = Numero<float>(r[1]);
        n.Latitudine = Numero<float>(r[2]);
        for (std::size_t i = 0; i < Periodi; ++i) {
            n.Ag[i] = Numero<float>(r[3 + 3 * i]);
            n.F0[i] = Numero<float>(r[4 + 3 * i]);
            n.Tc[i] = Numero<float>(r[5 + 3 * i]);
        }
        nodi.push_back(n);
    }
    std::sort(nodi.begin(), nodi.end(), [](const NodoReticolo& a, const NodoReticolo& b) {
        return a.Longitudine != b.Longitudine ? a.Longitudine < b.Longitudine : a.ID < b.ID;
    });
    std::string byte;
    byte.reserve(nodi.size() * DimensioneRecordNodo);
    for (const NodoReticolo& n : nodi) byte += CodificaNodo(n);
    return byte;
}

std::string Comuni(const fs::path& sorgente) {
    // region_code, region, province, province_code, istat_code, municipality, lat, lon
    struct Provincia {
        std::string nome;
        std::vector<ComuneNTC> comuni;
    };
    struct Regione {
        std::string nome;
        std::map<std::string, Provincia> province;  // by key
    };
    std::map<int, Regione> regioni;  // by ISTAT code
    for (const auto& r : Righe(sorgente / "municipalities.csv", ',', 8)) {
        Regione& regione = regioni[Numero<int>(r[0])];
        regione.nome = r[1];
        Provincia& provincia = regione.province[r[3]];
        provincia.nome = r[2];
        provincia.comuni.push_back({r[5], Numero<float>(r[7]), Numero<float>(r[6])});
    }
    ElencoComuni e;
    for (auto& [codice, regione] : regioni) {
        std::vector<std::pair<std::string, Provincia*>> province;
        for (auto& [chiave, p] : regione.province) province.emplace_back(chiave, &p);
        std::sort(province.begin(), province.end(),
                  [](const auto& a, const auto& b) { return PrimaAlfabetica(a.second->nome, b.second->nome); });
        e.Regioni.push_back(regione.nome);
        e.ProvinceRegione.emplace_back();
        e.ChiaviRegione.emplace_back();
        for (auto& [chiave, p] : province) {
            e.ProvinceRegione.back().push_back(p->nome);
            e.ChiaviRegione.back().push_back(chiave);
            std::sort(p->comuni.begin(), p->comuni.end(),
                      [](const ComuneNTC& a, const ComuneNTC& b) { return PrimaAlfabetica(a.Nome, b.Nome); });
            e.ComuniProvincia[chiave] = std::move(p->comuni);
        }
    }
    return CodificaComuni(e);
}

std::string Isole(const fs::path& sorgente) {
    // group, island, then ag, F0, Tc* at each of the nine periods
    ElencoIsole e;
    for (const auto& r : Righe(sorgente / "islands.csv", ',', 2 + 3 * NumeroPeriodiTabellati)) {
        e.Nomi.push_back(r[1]);
        auto& ag = e.AgIsole.emplace_back();
        auto& f0 = e.F0Isole.emplace_back();
        auto& tc = e.TcIsole.emplace_back();
        for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
            ag[i] = Numero<float>(r[2 + 3 * i]);
            f0[i] = Numero<float>(r[3 + 3 * i]);
            tc[i] = Numero<float>(r[4 + 3 * i]);
        }
    }
    return CodificaIsole(e);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: ConverteDatiNTC <cartella dei dati sorgente> <cartella di destinazione>\n";
        return 2;
    }
    const fs::path sorgente = argv[1];
    const fs::path destinazione = argv[2];
    try {
        ScriveFileIntero(destinazione / NomeFileReticolo, Reticolo(sorgente));
        ScriveFileIntero(destinazione / NomeFileComuni, Comuni(sorgente));
        ScriveFileIntero(destinazione / NomeFileIsole, Isole(sorgente));
    } catch (const std::exception& e) {
        std::cerr << "ConverteDatiNTC: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
