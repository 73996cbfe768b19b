#pragma once
// Cuts by lines (module Grafica): crossings of a line with a
// closed outline, an open polyline, a segment; of two segments; of a
// horizontal with a closed outline; point in polygon; the cleaners of
// coincident crossings; and OrdinaPuntiSuRetta, which the
// cleaner needs and the hatching shares.
//
// Indexing convention: outlines are point lists at 0-based storage (vertex i
// (1..n) is element i-1). Edge (segment) i runs from vertex i to
// vertex i+1; edge n of a closed outline is the closing edge n->1. Crossing k
// (1..ni) is element k-1 of the crossing arrays, and its `lato` is the 1-based
// edge or segment index. Segments are Coppia pairs (geometry/Rette.h).

#include "geometry/Rette.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

namespace tavo {

// Crossing of the line (a, b, c) with the segment X, Y: true when it lies
// within the segment, ends included. x, y receive the crossing of the two
// lines whenever they are not parallel (also outside the segment); an end
// that lies on the line (a x + b y + c = 0 exactly) is the crossing itself.
// False for a degenerate segment (ends coincident at `zero`) or a parallel
// line.
bool IntersezioneSegmentoRetta(double a, double b, double c, const Coppia& X, const Coppia& Y,
                               double& x, double& y, double zero);

// Crossings of a closed outline with a line, in edge order.
struct Incroci {
    std::vector<double> xi, yi;  // crossing k at element k-1; exactly ni elements
    std::vector<int> lato;       // 1-based edge index of each crossing
    int ni = 0;
    int tolti = 0;  // crossings removed by the cleaning (0 without it)
};

// The crossings of a closed outline's edges i -> i+1 (edge n closing it) in
// edge order: `incrocia(X, Y, xo, yo)` tells whether the edge from (X[0], Y[0])
// to (X[1], Y[1]) gives a crossing and puts it in (xo, yo). The arrays must
// hold n points.
template <class Incrocia>
Incroci IncrociLati(std::span<const double> x, std::span<const double> y, int n, Incrocia incrocia) {
    Incroci r;
    if (n < 1) return r;
    // One allocation each instead of a doubling per crossing.
    r.xi.reserve(static_cast<std::size_t>(n));
    r.yi.reserve(static_cast<std::size_t>(n));
    r.lato.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const int j = i < n ? i + 1 : 1;
        const Coppia X{x[i - 1], x[j - 1]};
        const Coppia Y{y[i - 1], y[j - 1]};
        double xo = 0.0, yo = 0.0;
        if (incrocia(X, Y, xo, yo)) {
            r.xi.push_back(xo);
            r.yi.push_back(yo);
            r.lato.push_back(i);
            r.ni += 1;
        }
    }
    return r;
}

// Closed outline of n vertices and the line (a, b, c), at the local tolerance
// MaxDimensionePunti(x, y, n, 100000) (ZeroMaxDimen is not changed). A
// crossing at a vertex is found on both edges that meet there. With
// `pulisci` the list is cleaned by
// PulisceIntersezioni and `tolti` tells how many were dropped.
Incroci IntersezionePoligonoRetta(double a, double b, double c, std::span<const double> x,
                                  std::span<const double> y, int n, bool pulisci = false);

// Orders `count` crossings along their line (OrdinaPuntiSuRetta) and drops
// coincident ones (PuntiCoincidentiXY, tolerance ZeroMaxDimen): in a run the
// last survives, and the last crossing goes when it coincides with the first
// (a line touching the outline at one point leaves none). The kept crossings
// are written back from position 1 and the arrays cut to the new count.
void PulisceIntersezioni(std::vector<double>& xi, std::vector<double>& yi, std::vector<int>& lato,
                         int& count);

// Orders collinear points 1..n along their line: by x ascending when the x
// extent is the larger, else by y; the other coordinate and the optional
// third array follow the same permutation. Nothing when n < 1.
void OrdinaPuntiSuRetta(std::vector<double>& x, std::vector<double>& y, int n,
                        std::vector<int>* terzo = nullptr);

// Where the crossings of IntersezionePoligonaleRetta lie.
enum class PosizioneIncrocio {
    SullaPoligonale,   // at least one crossing within a segment (trovato())
    SulProlungamento,  // none within: one crossing on the line of the last segment, index n
    Nessuno,           // nothing at all (last segment parallel, degenerate, or n < 2)
};

struct Incrocio {
    double x = 0.0;
    double y = 0.0;
    int lato = 0;  // 1-based segment index (n for the extension of the last segment)
};

// The result of IntersezionePoligonaleRetta. There may be no crossing at all
// (the last segment parallel to the line), so a crossing is reached only
// through primo() (std::optional) or incrocio(k), which throws
// std::out_of_range for k outside 1..ni(): a missing one cannot be read.
class IncrociPoligonale {
public:
    IncrociPoligonale() = default;
    IncrociPoligonale(PosizioneIncrocio posizione, std::vector<Incrocio> incroci);

    PosizioneIncrocio posizione() const { return posizione_; }
    // Some crossing lies within a segment.
    bool trovato() const { return posizione_ == PosizioneIncrocio::SullaPoligonale; }
    int ni() const { return static_cast<int>(incroci_.size()); }
    Incrocio incrocio(int k) const;
    std::optional<Incrocio> primo() const;
    const std::vector<Incrocio>& incroci() const { return incroci_; }

private:
    PosizioneIncrocio posizione_ = PosizioneIncrocio::Nessuno;
    std::vector<Incrocio> incroci_;
};

// Open polyline of n points (segments 1..n-1) and the line (a, b, c).
// Sets ZeroMaxDimen := MaxDimensionePunti(x, y, n, 1000000) at every call
// (use ZeroMaxDimenSalvato to keep the caller's value). With `togli` the
// coincident neighbours are removed (TogliePuntiCoincidenti).
IncrociPoligonale IntersezionePoligonaleRetta(double a, double b, double c,
                                              std::span<const double> x,
                                              std::span<const double> y, int n,
                                              bool togli = false);

// Removes item i+1 when it coincides with item i (PuntiCoincidentiXY),
// walking i = 1 while i < count; a removed item's successor is not compared
// again with item i. Fewer than 2 items: nothing.
void TogliePuntiCoincidenti(std::vector<double>& cx, std::vector<double>& cy,
                            std::vector<int>& clato);

// Appends to `ascisse` the abscissae of the crossings of y = yc with the
// closed outline, edge by edge, by the half-open rule (exactly one of
// y(i) >= yc and y(j) >= yc): a vertex on the line counts for one of its
// edges only, with its own abscissa; horizontal edges never count.
void IntersezioniConOrizzontale(std::span<const double> x, std::span<const double> y, int n,
                                double yc, std::vector<double>& ascisse);

// 1 inside, -1 otherwise (a point on a vertical edge by the sorted order of
// equal abscissae, px first).
int PuntoInternoPoligono(std::span<const double> x, std::span<const double> y, double px,
                         double py, int n);

// Crossing of two segments (lines built at tolerance 1e-6). x, y receive the
// crossing of the two lines when they are not parallel. strict: the crossing
// must lie within both segments and coincide (at `zero`) with none of the
// four ends; otherwise within both, ends included.
bool IntersezioneSegmentoSegmento(const Coppia& X1, const Coppia& Y1, const Coppia& X2,
                                  const Coppia& Y2, double& x, double& y, double zero,
                                  bool strict = false);

// PuntoInternoSegmento(X, Y, px, py, locale) and P coincides (PuntiCoincidenti,
// W = (1, 1), tolerance zero) with neither end.
bool PuntoSuSegmentoCoincidenti(const Coppia& X, const Coppia& Y, double px, double py,
                                double zero, bool locale);

}  // namespace tavo
