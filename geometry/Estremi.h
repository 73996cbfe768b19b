#pragma once
// Extents, extremes and point-list routines (module Grafica), shared by the
// polygon class, the wall calculation and the drawing.
//
// Indexing convention of the geometry headers:
// - a point list is a pair of arrays (std::vector<double>, or any contiguous
//   range through std::span<const double>) holding n points at 0-based
//   storage: point i (1..n) is element i-1;
// - every index that callers count with (a vertex, an edge, a position, the
//   index of an extreme, a permutation entry) is 1-based in the public
//   interface, as the wall and the drawing number their vertices;
// - a routine that takes n reads the first n points and throws
//   std::out_of_range when an array holds fewer (a subscript error that the
//   caller stops on), or when a 1-based index falls outside its range.

#include <cstddef>
#include <functional>
#include <iterator>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo {

// The seeds of the extreme searches over point sets: 1e20 held in single
// precision (EstremiPunti, MaxDimensionePunti, Poligono::MaxMin).
inline constexpr double SemeEstremiSingolo = static_cast<double>(1e20f);
// The seeds of MassimoArray / MinimoArray (Double 1e20).
inline constexpr double SemeEstremi = 1e20;

namespace detail {
// Throws std::out_of_range naming `dove` when `dim` < `n`.
void verificaDimensione(std::size_t dim, int n, const char* dove);
}  // namespace detail

struct EstremiXY {
    double xMin = SemeEstremiSingolo;
    double xMax = -SemeEstremiSingolo;
    double yMin = SemeEstremiSingolo;
    double yMax = -SemeEstremiSingolo;
};

// Extremes of points 1..n; strict comparisons in the order x < xMin, y < yMin,
// x > xMax, y > yMax. n = 0 gives the seeds (single-precision ±1e20).
EstremiXY EstremiPunti(int n, std::span<const double> x, std::span<const double> y);
void EstremiPunti(int n, std::span<const double> x, std::span<const double> y,
                  double& xMin, double& xMax, double& yMin, double& yMax);

namespace detail {
// The extreme of v(1..n) by `precede` (strict: the first extreme wins) and
// its 1-based index; the shared body of MassimoVettore and MinimoVettore.
template <class V, class Precede>
double EstremoVettore(int n, const V& v, int& idx, Precede precede, const char* nome) {
    if (std::size(v) < 1 || static_cast<int>(std::size(v)) < n)
        throw std::out_of_range(std::string(nome) + ": vettore piu' corto di n");
    double m = static_cast<double>(v[0]);
    idx = 1;
    for (int i = 2; i <= n; ++i) {
        if (precede(static_cast<double>(v[i - 1]), m)) {
            m = static_cast<double>(v[i - 1]);
            idx = i;
        }
    }
    return m;
}
}  // namespace detail

// Largest of v(1..n) and its 1-based index: starts from v(1) with idx 1 and
// replaces only on a strictly greater value (the first maximum wins). n = 0
// returns v(1) with idx 1; an empty v throws std::out_of_range.
// V is any indexable container of numbers (std::vector<float>, std::array, ...).
template <class V>
double MassimoVettore(int n, const V& v, int& idx) {
    return detail::EstremoVettore(n, v, idx, std::greater<double>(), "MassimoVettore");
}
template <class V>
double MassimoVettore(int n, const V& v) {
    int idx = 0;
    return MassimoVettore(n, v, idx);
}

// Smallest of v(1..n) and its 1-based index; strict less-than, the first
// minimum wins; the same rules as MassimoVettore.
template <class V>
double MinimoVettore(int n, const V& v, int& idx) {
    return detail::EstremoVettore(n, v, idx, std::less<double>(), "MinimoVettore");
}
template <class V>
double MinimoVettore(int n, const V& v) {
    int idx = 0;
    return MinimoVettore(n, v, idx);
}

// Largest element of the whole array, seed -1e20, strict greater-than.
template <class V>
double MassimoArray(const V& arr) {
    double m = -SemeEstremi;
    for (const auto& e : arr)
        if (static_cast<double>(e) > m) m = static_cast<double>(e);
    return m;
}
// Smallest element of the whole array, seed 1e20, strict less-than.
template <class V>
double MinimoArray(const V& arr) {
    double m = SemeEstremi;
    for (const auto& e : arr)
        if (static_cast<double>(e) < m) m = static_cast<double>(e);
    return m;
}

// Sqr((x2 - x1)^2 + (y2 - y1)^2).
double Distanza(double x1, double y1, double x2, double y2);

// Signed area of the closed outline of points 1..n (shoelace, positive
// counter-clockwise with y up). Returns 1 when area >= 0, else 0.
// n < 2 (no caller passes it): area 0, result 1.
int AreaConSegno(int n, std::span<const double> x, std::span<const double> y, double& area);
int AreaConSegno(int n, std::span<const double> x, std::span<const double> y);

// x = r cos angle, y = r sin angle.
void PolariInCartesiane(double r, double angle, double& x, double& y);
// r = Sqr(x^2 + y^2); angle in (-pi/2, 3pi/2) (a fourth-quadrant vector gets a
// negative angle). An overflowing y/x throws ErroreCalcolo.
void CartesianeInPolari(double x, double y, double& r, double& angle);

// Rotates points 1..n in place about (xc, yc) by angle (radians,
// counter-clockwise), through the polar form.
void RuotaPuntiAttorno(int n, std::span<double> x, std::span<double> y, double xc, double yc,
                       double angle);
// The same computation (used by Poligono::RuotaVertici).
void RuotaPunti(int n, std::span<double> x, std::span<double> y, double xc, double yc,
                double angle);

// Inserts value at the 1-based position pos (1..n+1; pos = n+1 appends);
// elements pos..n move up by one; n += 1; arr is resized to n elements.
// pos outside 1..n+1 throws std::out_of_range.
void InserisceElemento(std::vector<double>& arr, int& n, double value, int pos);

// Inserts m new points: new point i goes right after the vertex that had the
// 1-based number pos(i) before any insertion (pos ascending; pos(i) = 0 puts
// it first). n ends m larger.
void InseriscePuntiInPoligonale(std::vector<double>& x, std::vector<double>& y, int& n,
                                std::span<const double> xNew, std::span<const double> yNew,
                                int m, std::span<const int> pos);

// Removes vertex k (1-based, 1..n; otherwise std::out_of_range); later
// vertices move down; n -= 1; both arrays are resized to n.
void TogliePunto(std::vector<double>& x, std::vector<double>& y, int& n, int k);

// Copies the polyline of n points without its first nPunti points into
// xo, yo (no = n - nPunti). nPunti < 1: the message
// "Errore in TogliePuntiInizialiDaPoligonale: nPunti=<nPunti> <1" through
// tavo::messaggi() and the outputs are left untouched. nPunti > n throws
// std::out_of_range; nPunti = n gives no = 0 and empty outputs.
void TogliePuntiInizialiDaPoligonale(std::span<const double> x, std::span<const double> y, int n,
                                     std::vector<double>& xo, std::vector<double>& yo, int& no,
                                     int nPunti);

// log10 x, or -20 when x < 1e-20 (0 and negative numbers included).
// Computed with std::log10, which is exact on the powers of ten
// (Log10(1000) = 3, where log(x) / log(10) would give 2.9999999999999996
// and a digit count one short).
double Log10(double x);

}  // namespace tavo
