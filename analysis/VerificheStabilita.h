#pragma once
// Overturning of the whole wall about the toe and sliding on the footing
// base, for the combination whose flags (CombinazioneSismica, Kh, the sign
// of KvNTC) the combination loop has set. The wall is stem + footing + the
// soil resting on the heel, loaded by the earth thrust on the vertical
// through the heel end, the inertia of the masses and the deck loads.
//
// Each writes its seven outputs (element k of the state's result triples);
// overturning also rewrites the three heel thrust lines. In overturning the
// static components take their arms about the toe with their sign, a
// positive seismic increment its unsigned distance (it always overturns),
// a negative one its arm with its sign.
//
// Errors: a zero overturning moment or a zero horizontal force (the safety
// factor would divide by zero) and a factor that is not a finite Single
// throw ErroreCalcolo; the thrust search throws its own errors.

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

void VerificaRibaltamento(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                          float& Si, float& MRib, float& MStab, float& Fs);

void VerificaScorrimento(VariabiliPubbliche& v, const NTC& sisma, float& St, float& Sq, float& Ss,
                         float& Si, float& T, float& N, float& Fs);

// Whether anything turns the wall over its toe in combination k: its
// overturning moment is positive. When it is not (the heel thrust's line
// passes below the toe and neither the inertia nor the deck makes up for
// it) the wall cannot overturn, and MStab/MRib, negative, is no safety
// factor: such a combination is never a failure and never governs over one
// that can overturn. k outside 1..3 throws std::out_of_range.
bool Ribaltabile(const VariabiliPubbliche& v, int k);

// Whether anything pushes the wall along its base toward the toe in
// combination k: its sliding force TScorrimento is positive. When it is not
// (a deck force toward the backfill) the wall cannot slide, and the factor
// N·tan φb / T, negative, is no safety factor: such a combination is never
// a failure and never governs over one that can slide. k outside 1..3
// throws std::out_of_range.
bool Scorrevole(const VariabiliPubbliche& v, int k);

}  // namespace tavo
