#pragma once
// Actions at the base of the stem (with its backwall) for one combination:
// the thrust components on the stem's back face, the inertia forces, and the
// moment M (about the midpoint of the stem base, positive bending the stem
// toward the toe), the axial force N (positive in compression) and the
// shear V (positive in the direction of the thrusts). The inertia of the
// soil resting on the heel is applied to the stem as well, at the height of
// its centroid. The static thrusts and a positive seismic increment bend the
// stem toward the toe by the magnitude of their arms; a negative increment
// takes its arm with its sign.
//
// Writes its seven outputs (element k of the result triples) and rewrites
// the three stem thrust lines.

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

void VerificaParete(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                    float& Si, float& M, float& N, float& V);

}  // namespace tavo
