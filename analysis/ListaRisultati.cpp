#include "analysis/ListaRisultati.h"

#include "analysis/TensioniTerreno.h"
#include "analysis/VerificheStabilita.h"
#include "fileio/NumeriRegionali.h"

#include <cmath>
#include <string>

namespace tavo {
namespace {

void Predefinito(float& valore, float predefinito) {
    if (!(valore > 0)) valore = predefinito;
}

void Scrive(FinestraPrincipalePort& f, CasellaRisultato c, int indice, float valore) {
    f.ScriveCasella(c, indice, FormattaValore(valore));
}

void Etichetta(FinestraPrincipalePort& f, int indice, int k) {
    f.ScriveEtichettaTipoVerifica(indice, "?" + std::to_string(k));
}

constexpr auto Fondazione = CasellaRisultato::MNfondazione;
constexpr auto Scorr = CasellaRisultato::Scorr;
constexpr auto Parete = CasellaRisultato::MNparete;

}  // namespace

void ColoreVerifica(FinestraPrincipalePort& finestra, CasellaRisultato casella, int indice, float Fs,
                    float limite, std::int16_t normativa) {
    const float limiteInVigore = normativa == NormativaNTC2008 ? 1.0f : limite;
    finestra.ColoraCasella(casella, indice, Fs < limiteInVigore ? ColoreRosso : ColoreNero);
}

std::string TestoSicurezzaRibaltamento(const VariabiliPubbliche& v, int k) {
    return Ribaltabile(v, k) ? FormattaValore(v.FsRibaltamento(k)) : TestoNonRibaltabile;
}

std::string TestoSicurezzaScorrimento(const VariabiliPubbliche& v, int k) {
    return Scorrevole(v, k) ? FormattaValore(v.FsScorrimento(k)) : TestoNonScorrevole;
}

void ScriveRisultatiStabilita(const VariabiliPubbliche& v, FinestraPrincipalePort& f, int kMR, int kS, int kP) {
    // Every combination is checked before the first box changes.
    v.FsRibaltamento(kMR);
    v.FsScorrimento(kS);
    v.MPortata(kP);

    Scrive(f, Fondazione, 0, v.StRibaltamento(kMR));
    Scrive(f, Fondazione, 3, v.MRibaltante(kMR));
    Scrive(f, Fondazione, 17, v.MStabilizzante(kMR));
    f.ScriveCasella(Fondazione, 4, TestoSicurezzaRibaltamento(v, kMR));
    Scrive(f, Fondazione, 9, v.SsRibaltamento(kMR));
    Scrive(f, Fondazione, 13, v.SqRibaltamento(kMR));
    Scrive(f, Fondazione, 14, v.SiRibaltamento(kMR));
    if (Ribaltabile(v, kMR))
        ColoreVerifica(f, Fondazione, 4, v.FsRibaltamento(kMR), 1.5f, v.Normativa);
    else
        f.ColoraCasella(Fondazione, 4, ColoreNero);
    Etichetta(f, 0, kMR);

    f.ScriveCasella(Fondazione, 5, TestoSicurezzaScorrimento(v, kS));
    Scrive(f, Fondazione, 10, v.TScorrimento(kS));
    Scrive(f, Fondazione, 15, v.NScorrimento(kS));
    if (Scorrevole(v, kS))
        ColoreVerifica(f, Fondazione, 5, v.FsScorrimento(kS), 1.3f, v.Normativa);
    else
        f.ColoraCasella(Fondazione, 5, ColoreNero);
    Scrive(f, Scorr, 0, v.StScorrimento(kS));
    Scrive(f, Scorr, 1, v.SqScorrimento(kS));
    Scrive(f, Scorr, 2, v.SsScorrimento(kS));
    Scrive(f, Scorr, 3, v.SiScorrimento(kS));
    Etichetta(f, 1, kS);

    Scrive(f, Fondazione, 1, v.MPortata(kP));
    Scrive(f, Fondazione, 2, v.NPortata(kP));
    Scrive(f, Fondazione, 16, v.TPortata(kP));
    // A resultant outside the base leaves no pressure distribution: the
    // zeros the check stores are no result, and a 0 would read as a light
    // footing; the boxes say that equilibrium is violated, in red.
    const int g = v.CombGravosaPortata;
    const bool violato = g >= 1 && g <= 3 && EquilibrioViolato(v, g);
    if (violato) {
        for (int casella : {6, 7, 8}) f.ScriveCasella(Fondazione, casella, TestoEquilibrioViolato);
    } else {
        Scrive(f, Fondazione, 6, v.SigmaValle / 1000);
        Scrive(f, Fondazione, 7, v.SigmaMonte / 1000);
        Scrive(f, Fondazione, 8, std::fabs(v.LarghezzaCompressa) / v.BaseFondazione * 100);
    }
    for (int casella : {6, 7, 8}) f.ColoraCasella(Fondazione, casella, violato ? ColoreRosso : ColoreNero);
    Scrive(f, Fondazione, 11, v.MSuolaValle);
    Scrive(f, Fondazione, 12, v.MSuolaMonte);
    Scrive(f, Scorr, 4, v.StPortata(kP));
    Scrive(f, Scorr, 5, v.SqPortata(kP));
    Scrive(f, Scorr, 6, v.SsPortata(kP));
    Scrive(f, Scorr, 7, v.SiPortata(kP));
    Etichetta(f, 2, kP);
}

void ScriveRisultatiParete(const VariabiliPubbliche& v, FinestraPrincipalePort& f, int kW) {
    v.MParete(kW);
    Scrive(f, Parete, 0, v.StParete(kW));
    Scrive(f, Parete, 1, v.MParete(kW));
    Scrive(f, Parete, 2, v.NParete(kW));
    Scrive(f, Parete, 3, v.SsParete(kW));
    Scrive(f, Parete, 4, v.VParete(kW));
    Scrive(f, Parete, 5, v.SqParete(kW));
    Scrive(f, Parete, 6, v.SiParete(kW));
    Etichetta(f, 3, kW);
}

void DefaultMateriali(VariabiliPubbliche& v) {
    Predefinito(v.DistanzaSezioni, 1);
    Predefinito(v.Copriferro, 3);
    if (v.Normativa != NormativaNTC2008) Predefinito(v.SigmaAcciaioAmm, 255);
    else Predefinito(v.fyd, 391);
    Predefinito(v.CoeffOmogeneizzazione, 15);
}

}  // namespace tavo
