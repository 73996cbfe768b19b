#include "analysis/Combinazioni.h"

#include "analysis/CoefficientiParziali.h"
#include "analysis/MomentiSuole.h"
#include "analysis/TensioniTerreno.h"
#include "analysis/VerificaParete.h"
#include "analysis/VerificaPortata.h"
#include "analysis/VerificheStabilita.h"
#include "geometry/Estremi.h"
#include "ports/MessagePort.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace tavo {
namespace {

// KvNTC with its sign reversed for the lifetime of the guard; the site value
// is put back on every exit, an error included.
class KvInvertito {
public:
    explicit KvInvertito(NTC& sisma) : sisma_(sisma), valore_(sisma.KvNTC) { sisma_.KvNTC = -valore_; }
    ~KvInvertito() { sisma_.KvNTC = valore_; }
    KvInvertito(const KvInvertito&) = delete;
    KvInvertito& operator=(const KvInvertito&) = delete;

private:
    NTC& sisma_;
    float valore_;
};

// Runs `verifica`(k) for combination 1 and, under NTC 2008, 2 and 3, with
// the combination's flags set. True when the three combinations ran.
template <class Verifica>
bool EseguiCombinazioni(VariabiliPubbliche& v, NTC& sisma, Verifica verifica) {
    v.CombinazioneSismica = false;
    v.Kh = KhCombinazione(v, sisma);
    verifica(1);
    if (v.Normativa != NormativaNTC2008) return false;
    v.CombinazioneSismica = true;
    v.Kh = KhCombinazione(v, sisma);
    verifica(2);
    KvInvertito kvNegativo(sisma);
    verifica(3);
    return true;
}

// Position 1..3 of the smallest or largest value; the first one on a tie.
std::int16_t Minimo(const std::array<float, 3>& valori) {
    int k = 1;
    MinimoVettore(3, valori, k);
    return static_cast<std::int16_t>(k);
}

std::int16_t Massimo(const std::array<float, 3>& valori) {
    int k = 1;
    MassimoVettore(3, valori, k);
    return static_cast<std::int16_t>(k);
}

}  // namespace

namespace {

// The smallest factor among the combinations where the check can fail;
// when it can fail in none, the smallest of all three.
std::int16_t MinimoTraPossibili(std::array<float, 3> fs, const std::array<bool, 3>& possibile) {
    bool qualcuna = false;
    for (bool p : possibile) qualcuna = qualcuna || p;
    // Only for the search: a combination that cannot fail never comes
    // before one that can.
    if (qualcuna)
        for (std::size_t k = 0; k < 3; ++k)
            if (!possibile[k]) fs[k] = std::numeric_limits<float>::infinity();
    return Minimo(fs);
}

}  // namespace

std::int16_t GravosaRibaltamento(const VariabiliPubbliche& v) {
    return MinimoTraPossibili(v.FsRibaltamento.valori(), {Ribaltabile(v, 1), Ribaltabile(v, 2), Ribaltabile(v, 3)});
}

std::int16_t GravosaScorrimento(const VariabiliPubbliche& v) {
    return MinimoTraPossibili(v.FsScorrimento.valori(), {Scorrevole(v, 1), Scorrevole(v, 2), Scorrevole(v, 3)});
}

void CombinazioniRibaltamento(VariabiliPubbliche& v, NTC& sisma) {
    const bool tutte = EseguiCombinazioni(v, sisma, [&](int k) {
        VerificaRibaltamento(v, sisma, v.StRibaltamento(k), v.SqRibaltamento(k), v.SsRibaltamento(k),
                             v.SiRibaltamento(k), v.MRibaltante(k), v.MStabilizzante(k),
                             v.FsRibaltamento(k));
        v.CuneiRibaltamento(k) = {v.PolCuneoFondazione, v.ProfiloTerrenoFondazione};
    });
    v.CombGravosaRibaltamento = tutte ? GravosaRibaltamento(v) : 1;
}

void CombinazioniScorrimento(VariabiliPubbliche& v, NTC& sisma) {
    const bool tutte = EseguiCombinazioni(v, sisma, [&](int k) {
        VerificaScorrimento(v, sisma, v.StScorrimento(k), v.SqScorrimento(k), v.SsScorrimento(k),
                            v.SiScorrimento(k), v.TScorrimento(k), v.NScorrimento(k),
                            v.FsScorrimento(k));
    });
    v.CombGravosaScorrimento = tutte ? GravosaScorrimento(v) : 1;
}

std::int16_t GravosaPortata(const std::array<bool, 3>& fuoriBase, const std::array<float, 3>& pressioneValle,
                            const std::array<float, 3>& pressioneMonte) {
    for (std::size_t k = 0; k < 3; ++k)
        if (fuoriBase[k]) return static_cast<std::int16_t>(k + 1);
    std::array<float, 3> massima{};
    for (std::size_t k = 0; k < 3; ++k) massima[k] = std::max(pressioneValle[k], pressioneMonte[k]);
    return Massimo(massima);
}

void CombinazioniPortata(VariabiliPubbliche& v, NTC& sisma) {
    std::array<float, 3> pressioneValle{}, pressioneMonte{};
    const bool tutte = EseguiCombinazioni(v, sisma, [&](int k) {
        const auto i = static_cast<std::size_t>(k - 1);
        VerificaPortata(v, sisma, v.StPortata(k), v.SqPortata(k), v.SsPortata(k), v.SiPortata(k),
                        v.MPortata(k), v.NPortata(k), v.TPortata(k), pressioneValle[i]);
        pressioneMonte[i] = v.SigmaMonte;
    });
    // One message per cause, however many combinations share it.
    std::vector<std::string> testi;
    for (int k = 1; k <= (tutte ? 3 : 1); ++k) {
        if (!EquilibrioViolato(v, k)) continue;
        std::string testo = MessaggioEquilibrioViolato(v.MPortata(k), v.NPortata(k));
        if (std::find(testi.begin(), testi.end(), testo) == testi.end()) testi.push_back(std::move(testo));
    }
    for (const std::string& testo : testi) messaggi().mostra(testo, Icona::Critico);

    v.CombGravosaPortata = 1;
    if (tutte) {
        std::array<bool, 3> fuoriBase{};
        for (int k = 1; k <= 3; ++k) fuoriBase[static_cast<std::size_t>(k - 1)] = EquilibrioViolato(v, k);
        v.CombGravosaPortata = GravosaPortata(fuoriBase, pressioneValle, pressioneMonte);
    }
    // The pressures and footing moments of the governing combination.
    const int g = v.CombGravosaPortata;
    DistribuzionePressioni(v, v.MPortata(g), v.NPortata(g), 1, v.BaseFondazione, v.SigmaValle,
                           v.SigmaMonte, v.LarghezzaCompressa);
    CalcolaMomentiSuole(v, v.MSuolaValle, v.MSuolaMonte);
}

void CombinazioniParete(VariabiliPubbliche& v, NTC& sisma) {
    const bool tutte = EseguiCombinazioni(v, sisma, [&](int k) {
        VerificaParete(v, sisma, v.StParete(k), v.SqParete(k), v.SsParete(k), v.SiParete(k),
                       v.MParete(k), v.NParete(k), v.VParete(k));
        v.CuneiParete(k) = {v.PolCuneoParete, v.ProfiloTerreno};
    });
    v.CombGravosaParete = tutte ? Massimo(v.MParete.valori()) : 1;
}

}  // namespace tavo
