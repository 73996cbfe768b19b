#include "drawing/DisegnoPoligono.h"

#include "drawing/Forme.h"
#include "drawing/Tratteggio.h"
#include "geometry/Estremi.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tavo {

void Plotta(Grafica& g, const Poligono& p, double scalaY, bool sezioneCava) {
    const int n = p.nVertici();
    const std::vector<double> x = p.CoordX(), y = p.CoordY();
    if (!sezioneCava) {
        DisegnaPoligono(g, n, x, y, scalaY);
        return;
    }
    // Outer loop, two linking vertices, inner loop: the first n/2 - 1
    // vertices, then what is left after the first n/2 + 1 (halves to even).
    const int esterni = static_cast<int>(std::nearbyint(n / 2.0 - 1));
    DisegnaPoligono(g, esterni, x, y, scalaY);
    std::vector<double> xi, yi;
    int ni = 0;
    TogliePuntiInizialiDaPoligonale(x, y, n, xi, yi, ni, static_cast<int>(std::nearbyint(n / 2.0 + 1)));
    DisegnaPoligono(g, ni, xi, yi, scalaY);
}

void Tratteggia(Grafica& g, const Poligono& p, double angolo, double nDivisioni, double scalaY) {
    TratteggiaPoligono(g, p.nVertici(), p.CoordX(), p.CoordY(), angolo, nDivisioni, scalaY);
}

void NumeraVertici(Grafica& g, const Poligono& p, double hTesto, double scalaY) {
    for (int i = 1; i <= p.nVertici(); ++i) DisegnaTesto(g, p.x(i), p.y(i), hTesto, std::to_string(i), scalaY);
}

void PlottaRettangolini(Grafica& g, const Poligono& p, const MatriceFrame& Mat) {
    ImpostaSpessore(g, 1);
    const std::vector<Poligono::Striscia>& strisce = p.Strisce();
    const std::size_t n =
        std::min(static_cast<std::size_t>(std::max<int>(p.nRettangolini_, 0)), strisce.size());
    for (std::size_t k = 0; k < n; ++k) {
        const Poligono::Striscia& s = strisce[k];
        const double h = s.altezza / 2.0;
        for (int j = 0; j < s.nRettangoli; ++j) {
            const double b = s.larghezza[j] / 2.0;
            DisegnaRettangoloRuotato(g, s.centro[j] - b, s.livello - h, s.centro[j] + b,
                                     s.livello + h, Mat);
        }
    }
}

}  // namespace tavo
