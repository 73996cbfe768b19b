#pragma once
// Lines, points and tolerances (module Grafica), with the two
// angle functions of the module Matematica (AngoloDirezione, AngoloVerticale).
//
// Indexing convention: a homogeneous point pair X(1..2), Y(1..2), W(1..2) is
// three Coppia (std::array<double, 2>): point k (1 or 2) is
// element k-1; a frame matrix M(1..6) is a MatriceFrame whose element j-1 is
// M(j). Point lists are std::vector / std::span<const double> holding points
// 1..n at 0-based storage (see geometry/Estremi.h).
//
// Lines are (a, b, c) of a x + b y + c = 0; outputs go into the caller's
// variables by reference and are left untouched when a routine fails.
// Angles are radians, built from tavo::PiGreco.

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace tavo {

using Coppia = std::array<double, 2>;
using MatriceFrame = std::array<double, 6>;

// ---- Shared length tolerance ---------------------------------------------

// The length tolerance of the coincidence tests: 0 at start, written only by
// ImpostaZeroMaxDimen; every writer overwrites it (last writer wins).
double ZeroMaxDimen();
// ZeroMaxDimen := v.
void ImpostaZeroMaxDimen(double v);

// Saves ZeroMaxDimen on construction and restores it on destruction, for a
// caller that runs a writer (e.g. IntersezionePoligonaleRetta) but must not
// change the shared value. Inside its scope the last writer still wins.
class ZeroMaxDimenSalvato {
public:
    ZeroMaxDimenSalvato() : salvato_(ZeroMaxDimen()) {}
    ~ZeroMaxDimenSalvato() { ImpostaZeroMaxDimen(salvato_); }
    ZeroMaxDimenSalvato(const ZeroMaxDimenSalvato&) = delete;
    ZeroMaxDimenSalvato& operator=(const ZeroMaxDimenSalvato&) = delete;
    double salvato() const { return salvato_; }

private:
    double salvato_;
};

// max(xMax - xMin, yMax - yMin) / factor over points 1..n (EstremiPunti,
// single-precision seeds).
double MaxDimensionePunti(std::span<const double> x, std::span<const double> y, int n,
                          double factor);

// ---- Lines ---------------------------------------------------------------

// Line through two homogeneous points: a = W1 Y2 - W2 Y1, b = W2 X1 - W1 X2,
// c = X2 Y1 - X1 Y2, so a x + b y + c > 0 on the right of P1->P2. False (a, b,
// c untouched) when the points coincide by PuntiCoincidenti at `zero`
// (ZeroMaxDimen when absent).
bool RettaPerDuePunti(const Coppia& X, const Coppia& Y, const Coppia& W, double& a, double& b,
                      double& c, std::optional<double> zero = std::nullopt);

// Line through (x0, y0, w0) at `angle`: its direction is the angle itself.
// On failure the message "ERROR in sub RettaPuntoAngolo: RettaPerDuePunti
// Coincidenti" and a, b, c untouched.
void RettaPuntoAngolo(double x0, double y0, double w0, double angle, double& a, double& b,
                      double& c);

// Crossing of two lines; false (x, y untouched) when parallel:
// |a1 b2 - a2 b1| < 1e-6 max(|a1|, |b1|, |a2|, |b2|). Also false when all four
// coefficients are 0 (no caller builds such a line). A crossing that overflows throws
// ErroreCalcolo.
bool IntersezioneRette(double a1, double b1, double c1, double a2, double b2, double c2,
                       double& x, double& y);
bool IntersezioneRetteCalcola(double a1, double b1, double c1, double a2, double b2, double c2,
                              double& x, double& y);

// ---- Coincidence ---------------------------------------------------------

// abs(b - a) <= zero.
bool NumeriCoincidenti(double a, double b, double zero);

// Coincidence of two homogeneous points at `zero` (ZeroMaxDimen when absent);
// zero = 0 shows "zero=0 in PuntiCoincidenti" and goes on with 0.
// The cross-multiplied rule (scaled by the x, or by the y when both x lie
// within zero of 0), and in addition, since for 0 < |x| < 1 the scaled rule
// alone lets far-apart points coincide, the plain rule
// |X2/W2 - X1/W1| <= zero and |Y2/W2 - Y1/W1| <= zero whenever both weights
// are non-zero (for plain points |dx| <= zero and |dy| <= zero). The added
// rule only removes false positives; it also applies to two points both
// within zero of the origin.
bool PuntiCoincidenti(const Coppia& X, const Coppia& Y, const Coppia& W,
                      std::optional<double> zero = std::nullopt);

// PuntiCoincidenti of two plain points at ZeroMaxDimen; when ZeroMaxDimen is
// 0 it shows "zero=0 in PuntiCoincidentiXY" first (and PuntiCoincidenti then
// shows its own message).
bool PuntiCoincidentiXY(double x1, double y1, double x2, double y2);

// ---- Points and segments -------------------------------------------------

// Whether (x, y), known to lie on the segment's line, lies within the
// segment (ends included). Plain mode compares on x when |Y2 - Y1| < |X2 - X1|,
// else on y; local mode first moves to the segment's frame and refuses a
// point farther than |x'2 - x'1| / 1e6 from the line.
bool PuntoInternoSegmento(const Coppia& X, const Coppia& Y, double x, double y,
                          bool locale = false);

// abs(a x + b y + c) / Sqr(a^2 + b^2) (the point first). a = b = 0 throws
// ErroreCalcolo.
double DistanzaPuntoRetta(double x, double y, double a, double b, double c);

// Signed distance of P from the directed line P1->P2: positive on the left.
// `interno`, when given, := P's projection lies within P1..P2 (ends included).
double DistanzaConSegnoDaLato(double x1, double y1, double x2, double y2, double px, double py);
double DistanzaConSegnoDaLato(double x1, double y1, double x2, double y2, double px, double py,
                              bool& interno);

// ---- Frames --------------------------------------------------------------

// World-to-frame M and frame-to-world Mi of the frame at (x0, y0) whose x'
// axis points at angle t.
void MatriceRotoTraslazione(double x0, double y0, double t, MatriceFrame& M, MatriceFrame& Mi);

// x' = M1 x + M2 y + M3 w, y' = M4 x + M5 y + M6 w (w = 1 when absent; w' = w).
void TrasformaPunto(double x, double y, const MatriceFrame& M, double& xp, double& yp,
                    double w = 1.0);
void TrasformaPunto(double x, double y, const MatriceFrame& M, double& xp, double& yp, double w,
                    double& wp);
// TrasformaPunto for points 1..n (w omitted); xp, yp are resized to n when shorter.
void TrasformaPunti(std::span<const double> x, std::span<const double> y, const MatriceFrame& M,
                    std::vector<double>& xp, std::vector<double>& yp, int n);

// ---- Angles (module Matematica) ------------------------------------------

// Direction of the vector (dx, dy) in [0, 2 pi) (a tiny negative dy with
// dx > 0 rounds to 2 pi itself, the same direction). Note: dy FIRST.
double AngoloDirezione(double dy, double dx);

// Fallback angle of a (near-)vertical vector: dy = dx = 0 -> 0; dy > 0 -> pi/2;
// dy < 0 -> 3pi/2, by the sign of dy whatever the sign of dx (with IEEE
// doubles only dx = 0 reaches it from AngoloDirezione). dy = 0, dx != 0 (never reached) gives 0 or pi by the sign
// of dx, the true direction.
double AngoloVerticale(double dy, double dx);

}  // namespace tavo
