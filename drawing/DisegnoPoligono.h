#pragma once
// Drawing of a polygon on the current target: its outline, its hatching,
// its vertex numbers.

#include "drawing/Grafica.h"
#include "geometry/Poligono.h"

namespace tavo {

// The closed outline. A hollow section (outer loop, two linking vertices,
// inner loop) draws the two loops without the linking vertices.
void Plotta(Grafica& g, const Poligono& p, double scalaY = 1, bool sezioneCava = false);
// Hatches the inside (TratteggiaPoligono): a positive nDivisioni is a number
// of strips, a negative one minus the spacing.
void Tratteggia(Grafica& g, const Poligono& p, double angolo, double nDivisioni,
                double scalaY = 1);
// Writes each vertex number at its vertex, height hTesto.
void NumeraVertici(Grafica& g, const Poligono& p, double hTesto, double scalaY = 1);

}  // namespace tavo
