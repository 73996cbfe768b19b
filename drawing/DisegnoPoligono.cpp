#include "drawing/DisegnoPoligono.h"

#include "drawing/Tratteggio.h"
#include "geometry/Estremi.h"

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

}  // namespace tavo
