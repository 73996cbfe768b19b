#pragma once
// Active earth thrust by trial wedges on a back of the wall: plane failure
// lines through the foot of the back at the wedge angle θ above the
// horizontal; the wedge between the back, the ground and the failure line,
// its factored weight and the factored surcharge on its top give the thrust
// through the force polygon. With a seismic inclination angle ψ the same
// construction gives the pseudo-static thrust.
//
// Two backs: Paramento::Parete, the stem's back face from stem vertex 1 with
// the ground ProfiloTerreno; Paramento::Fondazione, the vertical through the
// heel end from footing vertex 3 with the cut ground ProfiloTerrenoFondazione.
//
// The routines read from the state γt (PesoSpecificoTerreno) and the current
// factors GammaCuneo and GammaSovraccarico, which the partial-coefficient
// routines set for the check being run. The design friction angle, the
// seismic angle and the vertical seismic factor come in as arguments:
//   phi        PhiProgetto of the current check;
//   psi        AngoloTheta() of the combination (0 in the static run);
//   fattoreKv  PesoConKv(1, psi): 1 in the static run and under DM 1996,
//              1 + kv (kv with its current sign) in a seismic combination
//              of NTC 2008. The thrust is multiplied by it, so that
//              P · fattoreKv is PesoConKv(P, psi).
// Angles in degrees; delta is the friction angle on the back, eps the
// inclination of the back from the vertical (0 for Fondazione).
//
// They leave in the state the wedge of the last angle evaluated, which after
// a search is the wedge of the result: PolCuneoParete or PolCuneoFondazione,
// and in the matching profile xFinePrisma, nqPrisma and the loaded lengths.
//
// Only wedges whose force polygon closes with forces that are not negative
// count: sin(θ − φ + ψ) ≥ 0 and cos(θ − φ − δ − ε) > 0. Below
// θ = φ + δ + ε − 90° both factors of the thrust turn negative and their
// quotient, positive, grows without limit: no wedge stands there.
//
// Errors (the calculation stops):
// - ErroreRicercaSpinta when the data leave the search without a maximum;
//   its message names them: a negative unit weight of the soil; δ + ε + ψ at
//   90° or above, or φ + δ + ε below 0 (the closing wedges end where the
//   thrust has no limit);
//   a design friction angle not above 0, or not above the seismic angle
//   (kh, or the seismicity grade under DM 1996, too large), where the thrust
//   grows down to 2° on any ground. The calculation driver shows its what()
//   with the critical-stop icon in place of its generic "ERRORE! Controllare
//   i dati", and returns False.
// - ErroreProfiloTroppoRipido, one of those, decided from the data: the soil
//   has weight and the last side of the ground, which goes on without end,
//   rises more steeply than φ − ψ, so that the wedges grow without limit as
//   the failure line turns parallel to it (unless a ground point lies below
//   the line from the foot at that slope, a ditch deeper than the foot,
//   which the failure lines meet first). Where φ − ψ is below 2°, the
//   flattest angle searched, a thrust that grows down to 2° stops the same
//   way.
// - ErroreCalcolo for a vertical factor of 0 (1 + kv = 0), a thrust that is
//   not finite, or a vertex count beyond the 16-bit Integer range.
//
// No soil, no thrust: a wedge with no load (no soil weight, no surcharge on
// its top) pushes with 0, and so does every wedge of a back that no soil
// touches (the ground beside it at or below its foot: the heel's back under
// a ground falling away, a stem standing above the backfill). Where the
// ground falls from the top of a battered stem into it and comes out through
// its face, the wedge starts where the ground leaves the face, never folding
// over the concrete.
//
// After the first wedge of a profile has sized its buffers, evaluating a
// wedge allocates no memory.

#include "analysis/VariabiliPubbliche.h"
#include "ports/ErroreCalcolo.h"

#include <optional>

namespace tavo {

// The back on which a thrust acts.
enum class Paramento { Parete, Fondazione };

// The data leave the search without a maximum; the message names them.
class ErroreRicercaSpinta : public ErroreCalcolo {
public:
    using ErroreCalcolo::ErroreCalcolo;
};

class ErroreProfiloTroppoRipido : public ErroreRicercaSpinta {
public:
    // sismica: the combination has a seismic angle ψ > 0.
    explicit ErroreProfiloTroppoRipido(bool sismica);
};

// Thrust P of the wedge at theta (kN/m) and Pq, the part of P due to the
// surcharge; the wedge is left in the state (PolCuneoParete or
// PolCuneoFondazione, the profile's prism). A failure line that meets no
// side of the ground crosses the line of the last side extended beyond the
// last point, and every point of the ground enters the wedge. No value (Pq
// untouched) when the line meets no ground at all (parallel to the last
// side, or crossing its line only behind its start) or when the wedge's force
// polygon does not close: that angle gives no wedge and is skipped.
std::optional<float> SpintaCuneo(VariabiliPubbliche& v, float theta, float phi, float delta,
                                 float eps, float psi, float fattoreKv, Paramento quale, float& Pq);

// The largest thrust over every wedge angle (kN/m) and its Pq; see the
// errors above. Every angle 88°, 86°, ..., 2° is evaluated and the largest
// thrust taken (the steeper angle on a tie), so that a second peak (a
// surcharge strip away from the wall) is never missed; then every angle in
// steps of 0.2° from 2° above that angle to 2° below it (and on while the
// thrust still grows) refines it the same way, so that a dip between the
// two peaks cannot end the refinement short of the peak. Where the thrust
// has a single peak this is the angle where a descent in steps of 2° and
// then of 0.2°, stopping at the first drop, would stop.
// On broken ground the thrust has a kink, or a jump, at the angle of the
// failure line through each ground point, and a peak there may be narrower
// than any step: those angles are tried too, and every stretch around a
// local largest thrust that may hold a larger wedge is searched down to
// 0.01°. That result stands only where it beats the scans' by more than
// 1e-4 of it, so that wherever the scans find the largest wedge their result
// is kept to the last bit.
float SpintaMassima(VariabiliPubbliche& v, float phi, float delta, float eps, float psi,
                    float fattoreKv, Paramento quale, float& Pq);

// The thrust with the seismic angle psi, right after the static search of
// the same back gave P0 and left its wedge in the state. With psi = 0 and no
// vertical factor, as in a static combination, that search would be the
// static one over again, with the same result, wedge and prism: P0 is
// returned without running it.
float SpintaMassimaSismica(VariabiliPubbliche& v, float phi, float delta, float eps, float psi,
                           float fattoreKv, Paramento quale, float P0);

}  // namespace tavo
