#pragma once
// The load combinations of each check and the governing one.
//
// Combination 1 is the static one; under NTC 2008 two seismic ones follow:
// 2 with kv > 0 and 3 with kv < 0 (KvNTC negated while it is computed and
// restored afterwards, also when the check throws). Under DM 1996 only
// combination 1 is computed, its governing index is 1, and elements 2 and 3
// of the triples keep what they held.
//
// Governing combination: the smallest safety factor (overturning, sliding;
// among the combinations that can overturn or slide, see
// GravosaRibaltamento and GravosaScorrimento),
// the largest edge pressure, toe or heel (soil pressure, see
// GravosaPortata), the largest signed moment
// (stem); on a tie the lower combination. A combination whose resultant
// lies outside the footing base has no toe pressure: it governs the
// soil-pressure check (the first such one), so that the failure is what the
// listing shows.
//
// Each loop leaves CombinazioneSismica and Kh at the values of its last
// combination. CombinazioniPortata finally recomputes SigmaValle,
// SigmaMonte, LarghezzaCompressa, MSuolaValle and MSuolaMonte for the
// governing combination. The overturning and stem loops keep the thrust
// wedge of each combination with the surcharge loaded on it
// (CuneiRibaltamento, CuneiParete).

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

#include <array>
#include <cstdint>

namespace tavo {

void CombinazioniRibaltamento(VariabiliPubbliche& v, NTC& sisma);

// The governing overturning combination of the three in the triples: the
// smallest FsRibaltamento among the combinations that can overturn
// (Ribaltabile); when none can, the smallest signed factor of all three,
// each of which is then listed as not overturnable. The first one on a tie.
std::int16_t GravosaRibaltamento(const VariabiliPubbliche& v);

// The governing sliding combination, by the same rule among the
// combinations that can slide (Scorrevole).
std::int16_t GravosaScorrimento(const VariabiliPubbliche& v);

void CombinazioniScorrimento(VariabiliPubbliche& v, NTC& sisma);

// The governing soil-pressure combination: the first whose resultant lies
// outside the base; when none does, the largest edge pressure
// max(toe, heel), the first one on a tie.
std::int16_t GravosaPortata(const std::array<bool, 3>& fuoriBase, const std::array<float, 3>& pressioneValle,
                            const std::array<float, 3>& pressioneMonte);

// A resultant outside the base shows "Equilibrio violato !!" once per
// calculation, however many combinations have it (once per distinct text).
void CombinazioniPortata(VariabiliPubbliche& v, NTC& sisma);
void CombinazioniParete(VariabiliPubbliche& v, NTC& sisma);

}  // namespace tavo
