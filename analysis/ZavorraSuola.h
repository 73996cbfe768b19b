#pragma once
// The soil that really lies on the heel, and the area and centroid of the
// polygons the calculation builds itself.
//
// The outline that runs up the back of stem and backwall, along the ground
// to the vertical through the heel end, down to the footing top and back
// along it crosses itself where the ground leaves the heel: where it falls
// below the footing top before the heel end, or steps down through the
// stem. ParteSullaSuola keeps of it only what lies above the footing top
// and on the backfill side of the stem's back face, so that the weight and
// centroid are those of the soil itself; ParteOltreSezione keeps what lies
// beyond a section of the heel.
//
// A polygon the user never drew cannot be mended by the user: one that
// encloses no area contributes nothing, and no routine here shows a message.

#include "analysis/VariabiliPubbliche.h"
#include "geometry/Poligono.h"

namespace tavo {

// The part of the outline `contorno` (vertices in the order of the ground
// profile: up the back, along the ground, down at the heel end) above the
// footing top (PolFondazione vertex 4) and on the backfill side of the line
// through PolParete vertices 1 and 2 (the stem's back face). Vertices that
// lie inside the region keep their order; a vertex that would only fold the
// outline back onto itself or repeat its neighbour is dropped. No vertex at
// all when no soil lies on the heel. No property is computed.
Poligono ParteSullaSuola(const VariabiliPubbliche& v, const Poligono& contorno);

// The part of the soil polygon P at x >= xSezione (the heel beyond a
// section); no vertex when nothing lies there. No property is computed.
Poligono ParteOltreSezione(const Poligono& P, double xSezione);

// Area (never negative) and centroid of P into P.Area, P.xG, P.yG, and its
// first moments into stat_x, stat_y; the other properties are zeroed. A
// polygon with fewer than three vertices or whose area is nil beside its
// extent has Area 0 and its centroid at the origin. No message, no throw.
void AreaEBaricentro(Poligono& P);

}  // namespace tavo
