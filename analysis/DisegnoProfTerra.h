#pragma once
// Drawing of the ground profile on the current target: the ground line, the
// blocks of the surcharges along it, and the hatched surcharge standing on
// the top of the current trial wedge. ScalaQ is the surcharge per drawing
// unit of height; yQ1 the ordinate of the base line of the blocks.

#include "analysis/ProfTerra.h"
#include "drawing/Grafica.h"

namespace tavo {

// The ground line from point 1 up to the abscissa xLimiteTerra.
void disegna(Grafica& g, const ProfTerra& p, double xLimiteTerra);
// A block for every loaded segment (q > 0) before xLimiteTerra: the one
// that crosses it is cut there (a closed block up to the limit, and the
// blocks stop); one that starts at or beyond it draws nothing.
void DisegnaCarichi(Grafica& g, const ProfTerra& p, double ScalaQ, double yQ1,
                    double xLimiteTerra);
// The surcharge of the last SovraccaricoPrisma, hatched at Angolo degrees
// with spacing Dist.
void DisegnaSovraccarichiPrisma(Grafica& g, const ProfTerra& p, double ScalaQ, double yQ1,
                                double Angolo, double Dist);

}  // namespace tavo
