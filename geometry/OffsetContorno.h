#pragma once
// Offset outlines (module Grafica): the outline parallel to a closed outline
// at a signed distance, and the one of them that passes through a point.
//
// Outlines are point lists of n vertices at 0-based storage (vertex i, 1..n,
// is element i-1; edge n closes the outline). Distances are signed: positive
// to the left of each directed edge, as DistanzaConSegnoDaLato measures them,
// so a counter-clockwise outline shrinks for d > 0.

#include "geometry/Rette.h"

#include <span>
#include <vector>

namespace tavo {

// The line (a, b, c) rewritten by a frame: (M, Mi) takes a world line into
// the frame's coordinates, (Mi, M) a frame line into world coordinates:
// a' = a M1 + b M2, b' = a M4 + b M5, c' = c + a Mi3 + b Mi6.
void PuntoOffset(double a, double b, double c, const MatriceFrame& M, const MatriceFrame& Mi,
                 double& ao, double& bo, double& co);

// The line parallel to the directed edge P1->P2 at signed distance d:
// (-sin t, cos t, x1 sin t - y1 cos t - d), t the edge's direction.
void PuntoOffsetVertice(double x1, double y1, double x2, double y2, double& a, double& b,
                        double& c, double d);

// The outline at signed distance d: vertex i is the crossing of the offset
// lines of the two edges that meet there. Where they are parallel (collinear
// edges) the vertex is moved by d square to the edge that ends at it.
// xo, yo are resized to n when shorter.
void PoligonoOffset(std::span<const double> x, std::span<const double> y,
                    std::vector<double>& xo, std::vector<double>& yo, int n, double d);

// The 1-based vertex nearest to (px, py) (the first of equal distances);
// edge k-1 -> k is the edge that ends at it. n < 1 throws std::out_of_range.
int LatoPiuVicino(std::span<const double> x, std::span<const double> y, int n, double px,
                  double py);

// An edge X, Y and its offset edge XO, YO run the same way: the signed spans
// on the edge's longer coordinate have a positive product.
bool VerificaVerticeOffset(const Coppia& X, const Coppia& Y, const Coppia& XO, const Coppia& YO);

// True when some offset edge i -> i+1 does not run the same way as its edge
// (the offset outline folded over itself).
bool VerificaPoligonoOffset(std::span<const double> x, std::span<const double> y,
                            std::span<const double> xo, std::span<const double> yo, int n);

// Searches, edge by edge from the one that ends at the vertex nearest to P,
// the offset outline whose offset edge passes through P (local test) and that
// does not fold over itself; true when found, the outline in xo, yo. False
// when P lies on the outline itself (first edge, |d| < ZeroMaxDimen) or when
// no edge gives one; xo, yo then hold the last outline tried. When
// ZeroMaxDimen is 0 the message "Impostare ZeroMaxDimen" is shown first and
// the search still runs.
bool OffsetPoligonoPerPunto(std::span<const double> x, std::span<const double> y,
                            std::vector<double>& xo, std::vector<double>& yo, int n, double px,
                            double py);

}  // namespace tavo
