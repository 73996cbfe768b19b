#pragma once
// What the three footing checks (overturning, sliding, soil pressure) share:
// the weights of stem and footing with their centroids, and the earth thrust
// on the vertical through the heel end split into its static part (soil
// weight St, surcharge Sq) and its seismic increment Ss.

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

// Self weights (kN/m, γm times the area, no partial factor) and centroids of
// the stem with its backwall and of the footing.
struct PesiMuro {
    double Ww = 0, xGw = 0, yGw = 0;  // stem
    double Wf = 0, xGf = 0, yGf = 0;  // footing
};

// Computes the section properties of PolParete and PolFondazione.
PesiMuro CalcolaPesiMuro(VariabiliPubbliche& v);

// The static thrust on the heel back with the current factors and
// PhiProgetto, δ = AngoloAttritoTerraTavo, ε = 0, ψ = 0: Sq := the surcharge
// share, St := the rest; returns the whole thrust P0 = St + Sq.
float SpinteStaticheFondazione(VariabiliPubbliche& v, float& St, float& Sq);

// The seismic increment Ss = P1 − P0, P1 the thrust with the seismic angle
// psi and the vertical factor of the combination.
float IncrementoSismicoFondazione(VariabiliPubbliche& v, const NTC& sisma, float psi, float P0);

}  // namespace tavo
