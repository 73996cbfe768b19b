#pragma once
// Overturning of the whole wall about the toe and sliding on the footing
// base, for the combination whose flags (CombinazioneSismica, Kh, the sign
// of KvNTC) the combination loop has set. The wall is stem + footing + the
// soil resting on the heel, loaded by the earth thrust on the vertical
// through the heel end, the inertia of the masses and the deck loads.
//
// Each writes its seven outputs (element k of the state's result triples);
// overturning also rewrites the three heel thrust lines.
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

}  // namespace tavo
