#pragma once
// Partial safety factors and the seismic coefficients of the load
// combination being computed.
//
// Each check (stem base, overturning, sliding, soil pressure) is evaluated
// once per combination with seven partial factors taken from one column of
// the static or the seismic table, and with the combination's seismic
// coefficients. Under DM 1996 every factor is 1 and the single combination
// carries the horizontal coefficient of the seismicity grade.
//
// Errors: a zero GammaPhi, 1 + kv = 0, or any result that is not finite
// throws ErroreCalcolo, which the calculation driver reports.

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

// The four checks; the value is the check's column of the factor tables.
enum class Verifica : int {
    Parete = 1,        // "PARETE": actions at the stem base
    Ribaltamento = 2,  // "MR": overturning about the toe
    Scorrimento = 3,   // "SCORR": sliding on the footing base
    Portata = 4,       // "PORTATA": soil pressures under the footing
};

// Writes the default factors into both tables.
void CoefficientiParzialiDefault(VariabiliPubbliche& v);

// Entry `indice` (1..28) of the seismic table while a seismic combination
// is computed, else of the static table; another index throws std::out_of_range.
float CoefficienteParziale(const VariabiliPubbliche& v, int indice);

// Loads the seven current factors and PhiProgetto for one check: all 1 and
// φ′ itself under DM 1996, the check's column of the table in force under
// NTC 2008.
void ImpostaCoefficientiParziali(VariabiliPubbliche& v, Verifica verifica);

// Design value (degrees) of a friction angle (degrees): under NTC 2008
// atan(tan a / GammaPhi), under any other code a itself.
float AngoloAttritoProgetto(const VariabiliPubbliche& v, float angolo);

// Horizontal seismic coefficient of the current combination: DM 1996
// max(0, (S − 2)/100); NTC 2008 KhNTC in a seismic combination, else 0.
float KhCombinazione(const VariabiliPubbliche& v, const NTC& sisma);

// Seismic inclination angle ψ (degrees) of the current combination, from
// v.Kh: DM 1996 atan(Kh); NTC 2008 0 in the static combination, else
// atan(Kh / (1 + KvNTC)) with KvNTC as it stands (negated in combination 3).
float AngoloTheta(const VariabiliPubbliche& v, const NTC& sisma);

// A weight (or a moment of weights) with the vertical coefficient applied:
// W·(1 + KvNTC) when psi > 0 under NTC 2008, else W.
float PesoConKv(const VariabiliPubbliche& v, const NTC& sisma, float W, float psi);

}  // namespace tavo
