#pragma once
// Lines of action of the thrust components found by the trial wedges. Each
// component acts on its back at a fixed fraction of the back's height,
// inclined at ang1 + ang2 degrees above the horizontal (the checks pass δ and
// the batter angle for the stem, δ and 0 for the heel back):
//
//   component   NTC 2008   DM 1996
//   StaticaT    1/3        1/3       thrust of the soil weight
//   StaticaQ    1/2        1/2       thrust of the surcharge
//   Sismica     1/3        2/3       seismic increment
//
// The line comes back as a·x + b·y + c = 0 (for the lever arms) and as two
// points X(1), Y(1) (the application point on the back) and X(2), Y(2)
// (a second point of the line, at a run that grows with P), stored in the
// state's thrust-line arrays. The drawing builds the same lines for P = 1
// to draw each arrow along its line.

#include "analysis/VariabiliPubbliche.h"

namespace tavo {

enum class ComponenteSpinta { StaticaT, StaticaQ, Sismica };

// ε, degrees: the batter of the stem's back face (InclinazioneParete, %) as
// an angle from the vertical, which the stem's lines add to δ.
float AngoloParamento(const VariabiliPubbliche& v);

// On the stem's back face (PolParete vertices 1 and 2, extended above the
// seat up to the top of the backwall, vertex 3). The second point lies at a
// horizontal run P from the first. A back face of zero height (vertices 1
// and 2 at the same level) throws ErroreCalcolo.
void RettaSpintaParete(const VariabiliPubbliche& v, float P, CoppiaRetta& X, CoppiaRetta& Y,
                       double& a, double& b, double& c, float ang1, float ang2,
                       ComponenteSpinta tipo);

// On the vertical through the heel end, from the footing's lower heel corner
// (PolFondazione vertex 3) to the ground (PolCuneoFondazione vertex 2, which
// the thrust search on Paramento::Fondazione has built). The second point
// lies at a distance P from the first.
void RettaSpintaFondazione(const VariabiliPubbliche& v, float P, CoppiaRetta& X, CoppiaRetta& Y,
                           double& a, double& b, double& c, float ang1, float ang2,
                           ComponenteSpinta tipo);

// Lever arm about (px, py) of a thrust component applied at X(1), Y(1) and
// inclined at ang1 + ang2 degrees like its line, with its sign: positive
// where a positive component turns the wall toward the toe (its line
// passes above the point), whatever the component's own sign.
double BraccioSpinta(const CoppiaRetta& X, const CoppiaRetta& Y, float ang1, float ang2, double px,
                     double py);

// Lever arm about (px, py) of a seismic increment Ss on its line
// a·x + b·y + c = 0, applied at X(1), Y(1): a positive increment always
// turns the wall toward the toe, whatever side of the point its line passes
// (the distance); a negative one (a wedge lightened by kv more than the
// seismic angle loads it) takes its arm with its sign (BraccioSpinta), so
// that below the point it turns the wall toward the toe too.
double BraccioIncrementoSismico(float Ss, const CoppiaRetta& X, const CoppiaRetta& Y, float ang1,
                                float ang2, double a, double b, double c, double px, double py);

}  // namespace tavo
