#pragma once
// The geometry of the section, built from the inputs of the project state:
// stem with backwall, footing, whole wall outline, ground profile from the
// top of the backwall, the same ground cut at the vertical through the heel
// end, the soil resting on the heel, and the point where the deck loads act.
// Each routine writes its results into the state; later ones read what the
// earlier ones wrote, so they run in the order of CalcolaGeometria.
//
// Errors: a profile with no side, a last side of zero run, or a point count
// beyond the 16-bit Integer range throw ErroreCalcolo (the driver's
// "ERRORE! Controllare i dati"); a profile array shorter than nLatiTerreno
// throws std::out_of_range.

#include "analysis/VariabiliPubbliche.h"
#include "ports/ErroreCalcolo.h"

namespace tavo {

// PolParete, 7 vertices counter-clockwise: 1 foot of the back face, 2 back
// face at the seat, 3 and 4 top of the backwall back and front, 5 foot of
// the backwall front, 6 front corner of the seat, 7 foot of the front face;
// xBaseParete, yBaseParete (midpoint of 7–1), iBaseParete = 7.
void CostruiscePoligonoParete(VariabiliPubbliche& v);

// PolFondazione, 4 vertices counter-clockwise: 1 toe top, 2 toe bottom (the
// overturning pivot), 3 heel bottom, 4 heel top; iBaseFondazione = 2,
// xBaseFondazione, yBaseFondazione (midpoint of 2–3), BaseFondazione = B.
void CostruiscePoligonoFondazione(VariabiliPubbliche& v);

// PolTavo: the 7 stem vertices followed by the 4 footing vertices; sets the
// shared length tolerance from the outline's extent / 1e6.
void CostruiscePoligonoTavo(VariabiliPubbliche& v);

// ProfiloTerreno, N + 2 points: the top of the backwall, the N given sides,
// and a closing point on the line of the last side at the abscissa
// 10·(h1 + H + h3), whose segment carries no surcharge.
void CostruisceProfiloTerreno(VariabiliPubbliche& v);

// ProfiloTerrenoFondazione: the ground from its crossing with the vertical
// through the heel end onward; its first segment carries the surcharge of
// the crossed segment. Where vertical sides of the ground stand on that
// vertical, it starts at the last of their points (the top of a step up,
// the foot of a step down) with the surcharges of the sides beyond: the
// ground the heel's wedge rests on.
void TagliaProfiloTerreno(VariabiliPubbliche& v);

// PolZavorra: the soil that lies on the heel. The outline up the back of
// stem and backwall, along the ground to the vertical through the heel end,
// down to the footing top and back to the origin, kept only above the
// footing top and on the backfill side of the back face (ParteSullaSuola):
// where the ground stays there, that outline itself; no vertex when no soil
// lies on the heel.
void CostruiscePoligonoZavorra(VariabiliPubbliche& v);

// xImpalcato, yImpalcato: the seat's front corner (stem vertex 6) moved by
// DistanzaImpalcato toward the backfill.
void CalcolaPuntoImpalcato(VariabiliPubbliche& v);

// The geometry step of a calculation: the six routines above in order, then
// PesoZavorra = γt · area of PolZavorra (no partial factor) with its
// centroid xZavorra, yZavorra (AreaEBaricentro: no soil weighs 0, with no
// message), then CalcolaPuntoImpalcato.
void CalcolaGeometria(VariabiliPubbliche& v);

}  // namespace tavo
