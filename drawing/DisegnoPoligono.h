#pragma once
// Drawing of a polygon on the current target: its outline, its hatching,
// its vertex numbers, the rectangles of its strips.

#include "drawing/Grafica.h"
#include "geometry/Poligono.h"
#include "geometry/Rette.h"

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
// Line width 1, then every rectangle of the last strip discretisation, its
// corners carried by the frame matrix Mat. Only the strips the polygon holds
// are drawn, whatever its nRettangolini_ says.
void PlottaRettangolini(Grafica& g, const Poligono& p, const MatriceFrame& Mat);

}  // namespace tavo
