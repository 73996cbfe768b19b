#include "analysis/VerificheStabilita.h"

#include "analysis/AzioniFondazione.h"
#include "analysis/CoefficientiParziali.h"
#include "analysis/DivisioneControllata.h"
#include "analysis/RetteSpinta.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"

#include <cmath>
#include <limits>

namespace tavo {
namespace {

// Signed distance of O from the directed thrust line X(1)→X(2): the line runs
// opposite to the force, so O on its right (negative) is overturned.
double DistanzaConSegno(const CoppiaRetta& X, const CoppiaRetta& Y, double xO, double yO) {
    return DistanzaConSegnoDaLato(X(1), Y(1), X(2), Y(2), xO, yO);
}

}  // namespace

void VerificaRibaltamento(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                          float& Si, float& MRib, float& MStab, float& Fs) {
    const double xO = v.PolFondazione.Xi(v.iBaseFondazione);
    const double yO = v.PolFondazione.Yi(v.iBaseFondazione);
    ImpostaCoefficientiParziali(v, Verifica::Ribaltamento);
    const float delta = v.AngoloAttritoTerraTavo;
    const double gGM = v.GammaPesoProprio, gGZ = v.GammaZavorra, Kh = v.Kh;
    const PesiMuro p = CalcolaPesiMuro(v);
    double a = 0, b = 0, c = 0;

    const float P0 = SpinteStaticheFondazione(v, St, Sq);
    RettaSpintaFondazione(v, St, v.xRettaStFondazione, v.yRettaStFondazione, a, b, c, delta, 0,
                          ComponenteSpinta::StaticaT);
    MRib = static_cast<float>(St * -DistanzaConSegno(v.xRettaStFondazione, v.yRettaStFondazione, xO, yO));
    RettaSpintaFondazione(v, Sq, v.xRettaSqFondazione, v.yRettaSqFondazione, a, b, c, delta, 0,
                          ComponenteSpinta::StaticaQ);
    MRib = static_cast<float>(
        MRib + Sq * -DistanzaConSegno(v.xRettaSqFondazione, v.yRettaSqFondazione, xO, yO));

    // Stem.
    Si = static_cast<float>(Kh * gGM * p.Ww);
    MRib = static_cast<float>(MRib + Si * (p.yGw - yO));
    MStab = static_cast<float>(gGM * p.Ww * (p.xGw - xO));

    // Seismic increment: a positive one always overturns; a negative one
    // below O turns the wall toward the toe too.
    const float psi = AngoloTheta(v, sisma);
    Ss = IncrementoSismicoFondazione(v, sisma, psi, P0);
    RettaSpintaFondazione(v, Ss, v.xRettaSsFondazione, v.yRettaSsFondazione, a, b, c, delta, 0,
                          ComponenteSpinta::Sismica);
    const double dSs =
        BraccioIncrementoSismico(Ss, v.xRettaSsFondazione, v.yRettaSsFondazione, delta, 0, a, b, c, xO, yO);
    MRib = static_cast<float>(MRib + Ss * dSs);

    // Soil on the heel.
    const double F = Kh * gGZ * v.PesoZavorra;
    Si = static_cast<float>(Si + F);
    MRib = static_cast<float>(MRib + F * (v.yZavorra - yO));
    MStab = static_cast<float>(MStab + gGZ * v.PesoZavorra * (v.xZavorra - xO));

    // Footing and deck.
    Si = static_cast<float>(Si + Kh * gGM * p.Wf);
    MRib = static_cast<float>(MRib + Kh * gGM * p.Wf * (p.yGf - yO));
    MRib = static_cast<float>(MRib + static_cast<double>(v.GammaVi) * v.VImpalcato * (v.yImpalcato - yO));
    MStab = static_cast<float>(MStab + gGM * p.Wf * (p.xGf - xO));

    // The deck load is not multiplied by (1 + kv).
    MStab = PesoConKv(v, sisma, MStab, psi);
    MStab = static_cast<float>(MStab + static_cast<double>(v.GammaNi) * v.NImpalcato * (v.xImpalcato - xO));

    // No overturning moment at all (no thrust, no horizontal load): the wall
    // cannot overturn, and the factor, never shown then, is 0.
    Fs = MRib == 0 ? 0.0f
                   : DivisioneControllata(MStab, MRib, "VerificaRibaltamento: momento ribaltante nullo");
}

void VerificaScorrimento(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                         float& Si, float& T, float& N, float& Fs) {
    ImpostaCoefficientiParziali(v, Verifica::Scorrimento);
    const float delta = v.AngoloAttritoTerraTavo;
    const double gGM = v.GammaPesoProprio, gGZ = v.GammaZavorra, Kh = v.Kh;
    const PesiMuro p = CalcolaPesiMuro(v);

    const float P0 = SpinteStaticheFondazione(v, St, Sq);
    Si = static_cast<float>(Kh * gGM * p.Ww);
    const float psi = AngoloTheta(v, sisma);
    Ss = IncrementoSismicoFondazione(v, sisma, psi, P0);
    Si = static_cast<float>(Si + Kh * gGZ * v.PesoZavorra);
    Si = static_cast<float>(Si + Kh * gGM * p.Wf);

    const float S = St + Sq + Ss;
    const double inclinazione = static_cast<double>(delta) * PiGreco / 180;  // δ + ε, ε = 0
    const float pesi = static_cast<float>(gGM * (p.Ww + p.Wf) + gGZ * v.PesoZavorra);
    N = static_cast<float>(PesoConKv(v, sisma, pesi, psi) + S * std::sin(inclinazione) +
                           static_cast<double>(v.GammaNi) * v.NImpalcato);
    T = static_cast<float>(S * std::cos(inclinazione) + Si + static_cast<double>(v.GammaVi) * v.VImpalcato);

    const float phiBase = AngoloAttritoProgetto(v, v.AngoloAttritoFondazione);
    // No horizontal force at all (no thrust, no horizontal load): nothing
    // pushes the wall along its base; the factor is the largest a Single holds.
    Fs = T == 0 ? std::numeric_limits<float>::max()
                : DivisioneControllata(N * std::tan(static_cast<double>(phiBase) * PiGreco / 180),
                                       T, "VerificaScorrimento: forza orizzontale nulla");
}

bool Ribaltabile(const VariabiliPubbliche& v, int k) { return v.MRibaltante(k) > 0; }

bool Scorrevole(const VariabiliPubbliche& v, int k) { return v.TScorrimento(k) > 0; }

}  // namespace tavo
