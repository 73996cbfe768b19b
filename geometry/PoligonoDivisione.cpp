// Division of the polygon by a horizontal or vertical line, the line that
// leaves a given fraction of the area above it, and the plastic moduli.
#include "geometry/Matematica.h"
#include "geometry/Poligono.h"
#include "ports/ErroreCalcolo.h"

namespace tavo {

PartiPoligono Poligono::DividiY(double yDiv, bool AsseVerticale) const {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    MaxMin(xMin, xMax, yMin, yMax);
    // The extents only tell the sides apart, so they keep their full
    // precision: rounded to single, an extreme may move past a line within a
    // hair of it and hand a part the vertices of the other side.
    const double sopra = AsseVerticale ? xMax : yMax;
    const double sotto = AsseVerticale ? xMin : yMin;
    // The line, and the shift that makes it the new axis.
    const double a = AsseVerticale ? -1.0 : 0.0;
    const double b = AsseVerticale ? 0.0 : -1.0;
    const double x0 = AsseVerticale ? yDiv : 0.0;
    const double y0 = AsseVerticale ? 0.0 : yDiv;

    Incroci inc = IntersezioneConRetta(a, b, yDiv);
    PartiPoligono parti;
    if (inc.ni == 0) {
        if (yDiv >= sopra)
            parti.Inf = *this;
        else
            parti.Sup = *this;
        return parti;
    }
    for (int k = 0; k < inc.ni; ++k) {  // the crossings are held in single precision
        inc.xi[k] = static_cast<float>(inc.xi[k]);
        inc.yi[k] = static_cast<float>(inc.yi[k]);
    }
    std::vector<bool> flag;
    Poligono P0 = PoligonoConIntersezioni(inc.xi, inc.yi, inc.lato, inc.ni, flag);
    P0.Trasla(x0, y0);
    parti.Sup = P0.PoligonoSenzaPuntiOpposti(sopra - yDiv, flag, AsseVerticale);
    parti.Inf = P0.PoligonoSenzaPuntiOpposti(sotto - yDiv, flag, AsseVerticale);
    parti.Sup->Trasla(-x0, -y0);
    parti.Inf->Trasla(-x0, -y0);
    return parti;
}

double Poligono::yEquazione(double yDiv, bool AsseVerticale) const {
    const double voluta = static_cast<double>(frazione_) * Area;
    std::optional<Poligono> S = DividiY(yDiv, AsseVerticale).Sup;
    if (!S) return -voluta;
    S->AreaCalcola();
    return S->Area - voluta;
}

std::optional<DivisionePoligono> Poligono::Dividi(double Frazione, bool AsseVerticale) {
    frazione_ = static_cast<float>(Frazione);
    AreaCalcola();
    // No line divides an outline without area: the root finder would divide
    // by zero between two equal values.
    if (Area == 0.0) throw ErroreCalcolo("Dividi: il poligono ha area nulla");
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    MaxMin(xMin, xMax, yMin, yMax);
    const double tolleranza = Area / 10000.0;
    double inferiore = static_cast<float>(AsseVerticale ? xMin : yMin);
    double superiore = static_cast<float>(AsseVerticale ? xMax : yMax);
    const RadiceEquazione radice = RisolveEquazione(
        [this, AsseVerticale](double v) { return yEquazione(v, AsseVerticale); }, inferiore,
        superiore, tolleranza);
    // No dividing line found (the root finder has said so): no cut at all,
    // rather than a cut at the 0 it hands back.
    if (!radice) return std::nullopt;
    DivisionePoligono d;
    d.yDiv = radice.x;
    d.parti = DividiY(radice.x, AsseVerticale);
    return d;
}

double Poligono::WplasticoCerchio(double Raggio, double RaggioInterno) {
    return 8.0 * (Raggio * Raggio * Raggio - RaggioInterno * RaggioInterno * RaggioInterno) / 6.0;
}

std::optional<double> Poligono::Wplastico(double* yNeut, bool AsseVerticale, bool Cerchio,
                                          double Raggio, double RaggioInterno) {
    if (Cerchio) return WplasticoCerchio(Raggio, RaggioInterno);
    const std::optional<DivisionePoligono> div = Dividi(0.5, AsseVerticale);
    if (!div) return std::nullopt;
    // An equal-area line always leaves both parts; a missing one is an error
    // for the caller (std::bad_optional_access).
    Poligono S = div->parti.Sup.value();
    Poligono I = div->parti.Inf.value();
    S.CaratteristicheStatiche(false, false);
    I.CaratteristicheStatiche(false, false);
    const float d = static_cast<float>(AsseVerticale ? S.xG - I.xG : S.yG - I.yG);
    AreaCalcola();
    if (yNeut) *yNeut = div->yDiv;
    return Area / 2.0 * static_cast<double>(d);
}

bool Poligono::Wplastici() {
    if (Area == 0.0) {
        Wplx = 0.0;
        Wply = 0.0;
        return true;
    }
    const std::optional<double> wx = Wplastico(nullptr, false);
    if (!wx) return false;
    const std::optional<double> wy = Wplastico(nullptr, true);
    if (!wy) return false;
    Wplx = *wx;
    Wply = *wy;
    return true;
}

}  // namespace tavo
