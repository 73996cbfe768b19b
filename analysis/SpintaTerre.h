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
// Errors (the calculation stops):
// - ErroreProfiloTroppoRipido when the thrust grows all the way down to the
//   flattest trial wedge that meets the ground (2°, or the last angle above
//   the slope of a steeper ground): the ground is steeper than the design
//   friction angle (less the seismic angle) allows, so no active thrust exists.
//   The calculation driver shows its what() with the critical-stop icon in
//   place of its generic "ERRORE! Controllare i dati", and returns False.
// - ErroreCalcolo for a wedge with no load (V = 0, the surcharge share would
//   divide by zero), a vertical factor of 0 (1 + kv = 0), a thrust that is
//   not finite, or a vertex count beyond the 16-bit Integer range.
//
// After the first wedge of a profile has sized its buffers, evaluating a
// wedge allocates no memory.

#include "analysis/VariabiliPubbliche.h"
#include "ports/ErroreCalcolo.h"

#include <optional>

namespace tavo {

// The back on which a thrust acts.
enum class Paramento { Parete, Fondazione };

class ErroreProfiloTroppoRipido : public ErroreCalcolo {
public:
    // sismica: the combination has a seismic angle ψ > 0.
    explicit ErroreProfiloTroppoRipido(bool sismica);
};

// Builds PolCuneoParete for the wedge angle theta; Q := surcharge resultant on
// its top (kN/m). A failure line that meets no side of the ground crosses
// the line of the last side extended beyond the last point, and every point
// of the ground enters the wedge. False, with the wedge and Q untouched, when
// the line meets no ground at all: parallel to the last side, or crossing its
// line only behind its start (ground rising more steeply than the line).
bool CuneoSpintaParete(VariabiliPubbliche& v, float theta, float& Q);
// The same behind the heel: PolCuneoFondazione on ProfiloTerrenoFondazione.
bool CuneoSpintaFondazione(VariabiliPubbliche& v, float theta, float& Q);

// Thrust P of the wedge at theta (kN/m) and Pq, the part of P due to the
// surcharge. No value (Pq untouched) when the failure line meets no ground
// (see CuneoSpintaParete): that angle gives no wedge and is skipped.
std::optional<float> SpintaCuneo(VariabiliPubbliche& v, float theta, float phi, float delta,
                                 float eps, float psi, float fattoreKv, Paramento quale, float& Pq);

// One descending pass from theta in steps of dTheta: evaluates theta,
// theta − dTheta, ... while the angle stays above 2° and stops at the first
// thrust that does not exceed the one before; theta comes back as the angle
// of the largest thrust found (the earlier, steeper one on a tie), whose
// wedge and Pq are rebuilt. No value when the thrust grew to the last angle.
std::optional<float> CercaMassimoSpinta(VariabiliPubbliche& v, float phi, float delta, float eps,
                                        float psi, float fattoreKv, float& theta, float dTheta,
                                        Paramento quale, float& Pq);

// The largest thrust over every wedge angle (kN/m) and its Pq; see the
// errors above. Every angle 88°, 86°, ..., 2° is evaluated and the largest
// thrust taken (the steeper angle on a tie), so that a second peak (a
// surcharge strip away from the wall) is never missed; then every angle in
// steps of 0.2° from 2° above that angle to 2° below it (and on while the
// thrust still grows) refines it the same way, so that a dip between the
// two peaks cannot end the refinement short of the peak. Where the thrust
// has a single peak this is the angle where a descending pass of
// CercaMassimoSpinta stops.
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
