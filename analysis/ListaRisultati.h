#pragma once
// The listing of the results in the main window's result boxes, and the
// defaults of the reinforcement settings.

#include "analysis/VariabiliPubbliche.h"

namespace tavo {

// Replaces each reinforcement setting that is not greater than 0 (zero,
// negative, or not a number) by its default: DistanzaSezioni 1 m, Copriferro
// 3 cm, CoeffOmogeneizzazione 15, and under DM 1996 SigmaAcciaioAmm 255 N/mm²,
// under NTC 2008 fyd 391 N/mm² (the other of the two keeps its value).
void DefaultMateriali(VariabiliPubbliche& v);

}  // namespace tavo
