#pragma once
// Shapes built from the primitives: a cross, rectangles, arrowheads, the
// labelled force arrow and the corners of a surcharge prism. They draw on
// the current target. Arrays hold point i at element i-1.

#include "drawing/Grafica.h"
#include "geometry/Rette.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tavo {

void DisegnaCroce(Grafica& g, double x, double y, double d, double s = 1);
void DisegnaRettangolo(Grafica& g, double x1, double y1, double x2, double y2, double s = 1);
// The four corners mapped by the frame matrix M.
void DisegnaRettangoloRuotato(Grafica& g, double x1, double y1, double x2, double y2,
                              const MatriceFrame& M);

// Arrowhead of length L (2 L long, L wide) with its tip at (xT, yT), its
// base on the +y side, turned by `angolo` (radians, counter-clockwise) and
// stretched vertically by ScalaVerticale * FattoreAspetto; point 4 = point 3.
void PuntiPuntaFreccia(const Grafica& g, double xT, double yT, double L, double angolo,
                       std::array<double, 4>& x, std::array<double, 4>& y);
// The arrowhead as an outline (vuota) or a solid.
void DisegnaPuntaFreccia(Grafica& g, double xT, double yT, double L, double angolo, bool vuota);

// The three points of a head given by offsets from the arrow's end.
struct TestaFreccia {
    std::array<double, 3> dx{}, dy{};
};

// The labelled force arrow. Nothing when abs(valore) <= soglia. The shaft
// runs from P1 = (X[0], Y[0]) to P1 + (X[1] - X[0], Y[1] - Y[0]) / scala;
// the head sits at point `tipo` (1 or 2); the label `etichetta` + `suffisso`
// at point `estremoEtichetta` (1 or 2; any other value: no label), height h.
// `angolo` replaces the computed head angle for tipo 1. With `testa` the
// head is the three points P(tipo) + (dx, dy), and the label goes to the
// head's point `estremoEtichetta`.
void DisegnaFreccia(Grafica& g, int tipo, int estremoEtichetta, double soglia, double scala,
                    double h, double valore, std::string_view etichetta,
                    std::span<const double> X, std::span<const double> Y, double L,
                    std::string_view suffisso, bool vuota, const TestaFreccia* testa = nullptr,
                    std::optional<double> angolo = {});

// Corners (x1, y1), (x2, y1), (x2, y2), (x1, y2); a fifth element, when the
// arrays have one, is set to the first corner.
void ContornoPrisma(double x1, double y1, double x2, double y2, std::span<double> x,
                    std::span<double> y);
// The rectangle hatched at `angolo` degrees with `passo` (see TratteggiaPoligono).
void TratteggiaPrisma(Grafica& g, double x1, double y1, double x2, double y2, double angolo,
                      double passo);

}  // namespace tavo
