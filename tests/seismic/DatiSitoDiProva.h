#pragma once
// Small hazard-grid files written into a folder of their own, a saved
// project placed at Roma, and a recording fake of the window's two
// pictures, for the site-search tests.

#include "fileio/FileSuDisco.h"
#include "seismic/AzioneSismica.h"
#include "seismic/ComuniNTC.h"
#include "seismic/FinestraSpettroNTC.h"
#include "seismic/IsoleNTC.h"
#include "seismic/ReticoloNTC.h"
#include "tests/support/CartellaDiProva.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace tavo::test {

// A node whose 27 values tell it apart: ag(i) = id + i (tenths of g),
// F0(i) = 2 + id/100, Tc(i) = 0.2 + id/1000.
inline NodoReticolo Nodo(std::int32_t id, float lon, float lat) {
    NodoReticolo n{id, lon, lat, {}, {}, {}};
    for (std::size_t i = 0; i < n.Ag.size(); ++i) {
        n.Ag[i] = static_cast<float>(id) + static_cast<float>(i);
        n.F0[i] = 2 + static_cast<float>(id) / 100;
        n.Tc[i] = 0.2f + static_cast<float>(id) / 1000;
    }
    return n;
}

// The same node with ag a tenth as large, below the 0.4 g that the seismic
// chain warns about: for the tests of the site window.
inline NodoReticolo NodoModerato(std::int32_t id, float lon, float lat) {
    NodoReticolo n = Nodo(id, lon, lat);
    for (float& ag : n.Ag) ag /= 10;
    return n;
}

inline std::string Reticolo(const std::vector<NodoReticolo>& nodi) {
    std::string byte;
    for (const NodoReticolo& n : nodi) byte += CodificaNodo(n);
    return byte;
}

// Two regions: "Lazio" with provinces Roma (RM: Roma, Tivoli) and Rieti (RI:
// Rieti), "Umbria" with Perugia (PG: Assisi, Perugia).
inline ElencoComuni ComuniDiProva() {
    ElencoComuni e;
    e.Regioni = {"Lazio", "Umbria"};
    e.ProvinceRegione = {{"Roma", "Rieti"}, {"Perugia"}};
    e.ChiaviRegione = {{"RM", "RI"}, {"PG"}};
    e.ComuniProvincia["RM"] = {{"Roma", 12.5f, 41.9f}, {"Tivoli", 12.8f, 41.96f}};
    e.ComuniProvincia["RI"] = {{"Rieti", 12.86f, 42.4f}};
    e.ComuniProvincia["PG"] = {{"Assisi", 12.61f, 43.07f}, {"Perugia", 12.39f, 43.11f}};
    return e;
}

// Two islands; island k has ag(i) = k + i/10 tenths of g, F0 = 2.5, Tc = 0.3.
inline ElencoIsole IsoleDiProva() {
    ElencoIsole e;
    e.Nomi = {"Isola Una", "Isola Due"};
    for (int k = 1; k <= 2; ++k) {
        auto& ag = e.AgIsole.emplace_back();
        e.F0Isole.emplace_back().fill(2.5f);
        e.TcIsole.emplace_back().fill(0.3f);
        for (std::size_t i = 0; i < ag.size(); ++i) ag[i] = static_cast<float>(k) + static_cast<float>(i) / 10;
    }
    return e;
}

// A project placed at Roma with its own nine-period table and its kh, kv.
inline NTC ProgettoARoma() {
    NTC s;
    for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) s.AgTR[i] = 0.1f + 0.01f * static_cast<float>(i);
    s.F0TR.fill(2.5f);
    s.TcTR.fill(0.3f);
    s.VR = 50;
    s.StatoLimite = SLV;
    s.CategoriaSuolo = 2;
    s.CategoriaTopografica = 1;
    s.Longitudine = 12.5f;
    s.Latitudine = 41.9f;
    CalcolaAzioneSismica(s);
    return s;
}

// A fresh folder of the running test and process, removed at the end: two
// suites running at once never share it.
class CartellaDati {
public:
    explicit CartellaDati(const std::string& nome) : percorso_(NuovaCartellaDiProva("tavo_sito_" + nome + "_")) {}
    ~CartellaDati() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    CartellaDati(const CartellaDati&) = delete;
    CartellaDati& operator=(const CartellaDati&) = delete;

    const std::filesystem::path& percorso() const { return percorso_; }
    void scrive(const char* nome, const std::string& byte) const { ScriveFileIntero(percorso_ / nome, byte); }
    // The grid of `nodi` and the test municipalities and islands.
    void scriveTutti(const std::vector<NodoReticolo>& nodi) const {
        scrive(NomeFileReticolo, Reticolo(nodi));
        scrive(NomeFileComuni, CodificaComuni(ComuniDiProva()));
        scrive(NomeFileIsole, CodificaIsole(IsoleDiProva()));
    }

private:
    std::filesystem::path percorso_;
};

// The folder of the hazard-grid files that the build converted.
inline std::filesystem::path CartellaDatiConvertiti() {
    const char* d = std::getenv("TAVO_DATI_NTC");
    return d ? std::filesystem::path(d) : std::filesystem::path{};
}

class DisegniRegistrati final : public DisegniSito {
public:
    std::vector<std::string> chiamate;
    void DisegnaMappa(float lon, float lat) override {
        chiamate.push_back("mappa " + std::to_string(lon) + " " + std::to_string(lat));
    }
    void RipristinaMappa() override { chiamate.push_back("mappa pulita"); }
    void DisegnaNodi(float, float, const NodiSito&) override { chiamate.push_back("nodi"); }
    void CancellaNodi() override { chiamate.push_back("nodi cancellati"); }
};

}  // namespace tavo::test
