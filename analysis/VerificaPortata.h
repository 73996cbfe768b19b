#pragma once
// The soil-pressure check of one combination: every action reduced to the
// axial force N, the shear T and the moment M on the footing base about its
// midpoint (M > 0 toward the toe), then turned into the soil pressures.
// The lever arms of the three thrust components are the distances of their
// lines from the midpoint with their sign (BraccioSpinta).
//
// Writes its outputs (element k of the result triples) and, for its own
// combination, SigmaValle, SigmaMonte, LarghezzaCompressa, MSuolaValle,
// MSuolaMonte; rewrites the three heel thrust lines. pressioneValle is the
// toe pressure. A resultant outside the base leaves the pressures 0 (see
// EquilibrioViolato); its message is the combination loop's, shown once.
//
// Errors: N = 0 throws ErroreCalcolo; the thrust search throws its own.

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

void VerificaPortata(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                     float& Si, float& M, float& N, float& T, float& pressioneValle);

}  // namespace tavo
