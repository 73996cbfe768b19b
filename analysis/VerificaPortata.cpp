#include "analysis/VerificaPortata.h"

#include "analysis/AzioniFondazione.h"
#include "analysis/CoefficientiParziali.h"
#include "analysis/MomentiSuole.h"
#include "analysis/RetteSpinta.h"
#include "analysis/TensioniTerreno.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"

#include <cmath>

namespace tavo {

void VerificaPortata(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                     float& Si, float& M, float& N, float& T, float& pressioneValle) {
    ImpostaCoefficientiParziali(v, Verifica::Portata);
    const float delta = v.AngoloAttritoTerraTavo;
    const double gGM = v.GammaPesoProprio, gGZ = v.GammaZavorra, Kh = v.Kh;
    const double Wz = v.PesoZavorra;
    const PesiMuro p = CalcolaPesiMuro(v);
    const double xB = v.xBaseFondazione, yB = v.yBaseFondazione;
    const double y0 = v.PolFondazione.Yi(v.iBaseFondazione);
    double a = 0, b = 0, c = 0;

    const float P0 = SpinteStaticheFondazione(v, St, Sq);
    RettaSpintaFondazione(v, St, v.xRettaStFondazione, v.yRettaStFondazione, a, b, c, delta, 0,
                          ComponenteSpinta::StaticaT);
    // Every component's arm with its sign: a line that passes below the
    // midpoint (a wide footing, a large δ) turns the resultant toward the heel.
    const double dSt = BraccioSpinta(v.xRettaStFondazione, v.yRettaStFondazione, delta, 0, xB, yB);
    RettaSpintaFondazione(v, Sq, v.xRettaSqFondazione, v.yRettaSqFondazione, a, b, c, delta, 0,
                          ComponenteSpinta::StaticaQ);
    const double dSq = BraccioSpinta(v.xRettaSqFondazione, v.yRettaSqFondazione, delta, 0, xB, yB);

    const float psi = AngoloTheta(v, sisma);
    Ss = IncrementoSismicoFondazione(v, sisma, psi, P0);
    RettaSpintaFondazione(v, Ss, v.xRettaSsFondazione, v.yRettaSsFondazione, a, b, c, delta, 0,
                          ComponenteSpinta::Sismica);
    const double dSs = BraccioSpinta(v.xRettaSsFondazione, v.yRettaSsFondazione, delta, 0, xB, yB);

    Si = static_cast<float>(Kh * gGM * p.Ww + Kh * gGZ * Wz + Kh * gGM * p.Wf);

    M = static_cast<float>(
        St * dSt + Sq * dSq + Ss * dSs + Kh * gGM * p.Ww * (p.yGw - y0) +
        Kh * gGZ * Wz * (v.yZavorra - y0) + Kh * gGM * p.Wf * (p.yGf - y0) +
        static_cast<double>(v.GammaVi) * v.VImpalcato * (v.yImpalcato - y0) -
        PesoConKv(v, sisma, static_cast<float>(gGM * p.Ww * (p.xGw - xB)), psi) -
        PesoConKv(v, sisma, static_cast<float>(gGZ * Wz * (v.xZavorra - xB)), psi) -
        PesoConKv(v, sisma, static_cast<float>(gGM * p.Wf * (p.xGf - xB)), psi) -
        static_cast<double>(v.GammaNi) * v.NImpalcato * (v.xImpalcato - xB));

    const double inclinazione = static_cast<double>(delta) * PiGreco / 180;  // δ + ε, ε = 0
    const double S = static_cast<double>(St) + Sq + Ss;
    N = static_cast<float>(PesoConKv(v, sisma, static_cast<float>(gGM * p.Ww), psi) +
                           PesoConKv(v, sisma, static_cast<float>(gGZ * Wz), psi) +
                           PesoConKv(v, sisma, static_cast<float>(gGM * p.Wf), psi) +
                           S * std::sin(inclinazione) + static_cast<double>(v.GammaNi) * v.NImpalcato);
    T = static_cast<float>(S * std::cos(inclinazione) + Si + static_cast<double>(v.GammaVi) * v.VImpalcato);

    DistribuzionePressioni(v, M, N, 1, v.BaseFondazione, v.SigmaValle, v.SigmaMonte, v.LarghezzaCompressa);
    pressioneValle = v.SigmaValle;
    CalcolaMomentiSuole(v, v.MSuolaValle, v.MSuolaMonte);
}

}  // namespace tavo
