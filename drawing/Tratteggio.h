#pragma once
// Parallel-line hatching of a closed polygon: the lines y' = constant of
// the frame turned by the hatch angle, drawn between the polygon's
// crossings. The hatching sets the shared length tolerance ZeroMaxDimen
// for its own crossings and puts the old value back when it ends.

#include "drawing/Grafica.h"

#include <optional>
#include <span>
#include <vector>

namespace tavo {

// Hatches points 1..n at `angolo` degrees. passo > 0 is the number of
// strips (CInt(passo), N - 1 lines); passo < 0 is minus the spacing, widened
// when needed so that at most 999 lines are drawn; 0 draws nothing. Target arguments given become current first.
void TratteggiaPoligono(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                        double angolo, double passo, std::optional<double> scala = {},
                        std::optional<UscitaGrafica> uscita = {},
                        std::optional<OggettoUscita> oggetto = {});

// The pieces of one hatch line between consecutive crossings 1..m (in
// order along the line) whose midpoint lies inside the polygon.
void TratteggiaSegmento(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                        std::span<const double> xi, std::span<const double> yi, int m);

}  // namespace tavo
