#include "analysis/VerificaParete.h"

#include "analysis/CoefficientiParziali.h"
#include "analysis/RetteSpinta.h"
#include "analysis/SpintaTerre.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"

#include <cmath>

namespace tavo {

void VerificaParete(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                    float& Si, float& M, float& N, float& V) {
    const double yb = v.PolParete.Yi(v.iBaseParete);
    const double xBase = v.xBaseParete, yBase = v.yBaseParete;
    const float eps = AngoloParamento(v);
    const float delta = v.AngoloAttritoTerraTavo;
    double a = 0, b = 0, c = 0;

    ImpostaCoefficientiParziali(v, Verifica::Parete);
    const float phi = v.PhiProgetto;
    const double gGM = v.GammaPesoProprio;
    const double F = static_cast<double>(v.GammaZavorra) * v.PesoZavorra * v.Kh;

    v.PolParete.CaratteristicheStatiche();
    const double W = gGM * v.PesoSpecificoTavo * v.PolParete.Area;
    const double xG = v.PolParete.xG, yG = v.PolParete.yG;

    const float P0 = SpintaMassima(v, phi, delta, eps, 0, 1, Paramento::Parete, Sq);
    St = P0 - Sq;
    // The static components take their arms by magnitude: a line passing
    // below the base middle would bend the stem back, so this is on the safe side.
    RettaSpintaParete(v, St, v.xRettaStParete, v.yRettaStParete, a, b, c, delta, eps,
                      ComponenteSpinta::StaticaT);
    const double dSt = DistanzaPuntoRetta(xBase, yBase, a, b, c);
    RettaSpintaParete(v, Sq, v.xRettaSqParete, v.yRettaSqParete, a, b, c, delta, eps,
                      ComponenteSpinta::StaticaQ);
    const double dSq = DistanzaPuntoRetta(xBase, yBase, a, b, c);
    M = static_cast<float>(St * dSt + Sq * dSq);

    Si = static_cast<float>(v.Kh * W);
    M = static_cast<float>(M - W * (xG - xBase) + Si * (yG - yb) +
                           static_cast<double>(v.GammaVi) * v.VImpalcato * (v.yImpalcato - yb) -
                           static_cast<double>(v.GammaNi) * v.NImpalcato * (v.xImpalcato - xBase));

    const float psi = AngoloTheta(v, sisma);
    const double inclinazione = static_cast<double>(delta + eps) * PiGreco / 180;
    N = static_cast<float>(static_cast<double>(v.GammaNi) * v.NImpalcato +
                           PesoConKv(v, sisma, static_cast<float>(W), psi) +
                           (static_cast<double>(St) + Sq) * std::sin(inclinazione));

    const float P1 = SpintaMassimaSismica(v, phi, delta, eps, psi, PesoConKv(v, sisma, 1, psi),
                                          Paramento::Parete, P0);
    // Seismic increment: a negative one below the base middle (a short,
    // thick stem) bends the stem toward the toe too.
    Ss = P1 - St - Sq;
    RettaSpintaParete(v, Ss, v.xRettaSsParete, v.yRettaSsParete, a, b, c, delta, eps,
                      ComponenteSpinta::Sismica);
    const double dSs =
        BraccioIncrementoSismico(Ss, v.xRettaSsParete, v.yRettaSsParete, delta, eps, a, b, c, xBase, yBase);
    M = static_cast<float>(M + Ss * dSs);
    N = static_cast<float>(N + Ss * std::sin(inclinazione));

    Si = static_cast<float>(Si + F);
    M = static_cast<float>(M + F * v.yZavorra);
    V = static_cast<float>(Si + (static_cast<double>(St) + Sq + Ss) * std::cos(inclinazione) +
                           static_cast<double>(v.GammaVi) * v.VImpalcato);
}

}  // namespace tavo
