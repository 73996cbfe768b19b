#include "analysis/RetteSpinta.h"

#include "geometry/PiGreco.h"
#include "geometry/Rette.h"
#include "ports/ErroreCalcolo.h"

#include <cmath>

namespace tavo {

namespace {

// Height of the application point above the foot of a back of height h.
float Quota(float h, ComponenteSpinta tipo, std::int16_t normativa) {
    switch (tipo) {
        case ComponenteSpinta::StaticaT:
            return h / 3;
        case ComponenteSpinta::StaticaQ:
            return h / 2;
        case ComponenteSpinta::Sismica:
            return normativa == NormativaNTC2008 ? h / 3 : 2 * h / 3;
    }
    return h / 3;
}

float Inclinazione(float ang1, float ang2) {
    return static_cast<float>(static_cast<double>(ang1 + ang2) * PiGreco / 180);
}

}  // namespace

float AngoloParamento(const VariabiliPubbliche& v) {
    return static_cast<float>(std::atan(static_cast<double>(v.InclinazioneParete) / 100) * 180 /
                              PiGreco);
}

void RettaSpintaParete(const VariabiliPubbliche& v, float P, CoppiaRetta& X, CoppiaRetta& Y,
                       double& a, double& b, double& c, float ang1, float ang2,
                       ComponenteSpinta tipo) {
    const float t = Inclinazione(ang1, ang2);
    const Poligono& parete = v.PolParete;
    const float x1 = static_cast<float>(parete.Xi(1)), y1 = static_cast<float>(parete.Yi(1));
    const float x2 = static_cast<float>(parete.Xi(2)), y2 = static_cast<float>(parete.Yi(2));
    const float y3 = static_cast<float>(parete.Yi(3));
    if (y2 == y1) throw ErroreCalcolo("RettaSpintaParete: paramento della parete di altezza nulla");
    Y(1) = y1 + Quota(y3 - y1, tipo, v.Normativa);
    X(1) = x1 + (x2 - x1) / (y2 - y1) * (Y(1) - y1);
    RettaPuntoAngolo(X(1), Y(1), 1, t, a, b, c);
    X(2) = X(1) + P;
    Y(2) = static_cast<float>(Y(1) + P * std::tan(static_cast<double>(t)));
}

void RettaSpintaFondazione(const VariabiliPubbliche& v, float P, CoppiaRetta& X, CoppiaRetta& Y,
                           double& a, double& b, double& c, float ang1, float ang2,
                           ComponenteSpinta tipo) {
    const float t = Inclinazione(ang1, ang2);
    const float yb = static_cast<float>(v.PolFondazione.Yi(3));
    const float yt = static_cast<float>(v.PolCuneoFondazione.Yi(2));
    Y(1) = yb + Quota(yt - yb, tipo, v.Normativa);
    X(1) = static_cast<float>(v.PolFondazione.Xi(3));
    RettaPuntoAngolo(X(1), Y(1), 1, t, a, b, c);
    X(2) = static_cast<float>(X(1) + P * std::cos(static_cast<double>(t)));
    Y(2) = static_cast<float>(Y(1) + P * std::sin(static_cast<double>(t)));
}

double BraccioSpinta(const CoppiaRetta& X, const CoppiaRetta& Y, float ang1, float ang2, double px,
                     double py) {
    // r × F of the force −(cos t, sin t) at the application point, per unit force.
    const double t = Inclinazione(ang1, ang2);
    return (Y(1) - py) * std::cos(t) - (X(1) - px) * std::sin(t);
}

double BraccioIncrementoSismico(float Ss, const CoppiaRetta& X, const CoppiaRetta& Y, float ang1,
                                float ang2, double a, double b, double c, double px, double py) {
    return Ss < 0 ? BraccioSpinta(X, Y, ang1, ang2, px, py) : DistanzaPuntoRetta(px, py, a, b, c);
}

}  // namespace tavo
