#pragma once
// Soil pressures under the footing from the moment M (about the midpoint of
// the base, positive toward the toe) and the axial force N on the base, for
// a strip of length L and a base of width B. DM 1996 uses the linear
// distribution (trapezoid, or triangle over 3·(B/2 − |e|)), NTC 2008 a
// uniform pressure over the effective width B − 2|e|.
//
// Outputs: sV the pressure at the toe edge, sM at the heel edge (kN/m²), b'
// the compressed width: positive measured from the toe edge, negative (its
// magnitude the width) measured from the heel edge.
//
// A resultant outside the base (|e| ≥ B/2) has no pressure distribution:
// the outputs are set to 0, and EquilibrioViolato tells the listing that the
// combination failed rather than that its pressures are 0.

#include "analysis/VariabiliPubbliche.h"

#include <string>

namespace tavo {

// Whether the resultant lies outside the base: |M/N| ≥ B/2, with e formed as
// a Single exactly as the pressures form it. N = 0 counts as outside.
bool RisultanteFuoriBase(float M, float N, float B);

// Whether combination k (1..3) of the soil-pressure check has its resultant
// outside the footing base, from MPortata(k), NPortata(k) and BaseFondazione;
// for the governing combination pass CombGravosaPortata. The pressures of
// such a combination are 0 in the state and must be shown as a failure.
bool EquilibrioViolato(const VariabiliPubbliche& v, int k);

// The distribution without any message; returns true when the resultant
// lies outside the base (outputs 0). N = 0 throws ErroreCalcolo (e = M/N).
bool DistribuzionePressioni(const VariabiliPubbliche& v, float M, float N, float L, float B,
                            float& sV, float& sM, float& b);

// The message of a resultant outside the base: "Equilibrio violato !!" CR LF
// "N esterna in fondazione !!", with CR LF "Allargare a valle" when it lies
// on the toe side.
std::string MessaggioEquilibrioViolato(float M, float N);

// As DistribuzionePressioni, and a resultant outside the base shows
// "Equilibrio violato !!" CR LF "N esterna in fondazione !!", with CR LF
// "Allargare a valle" when it lies on the toe side (critical icon).
void TensioniTerreno(const VariabiliPubbliche& v, float M, float N, float L, float B, float& sV,
                     float& sM, float& b);

// The NTC 2008 branch (uniform pressure on B − 2|e|), for a resultant
// inside the base.
void TensioniTerrenoNTC(float M, float N, float L, float B, float& sV, float& sM, float& b);

}  // namespace tavo
