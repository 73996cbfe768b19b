#include "geometry/Rette.h"

#include "geometry/Estremi.h"
#include "geometry/PiGreco.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <algorithm>
#include <cmath>

namespace tavo {
namespace {

double zeroMaxDimen = 0.0;

// 3 pi / 2 from its own literal, like every 3 pi / 2 of the program.
constexpr double TrePiMezzi = 9.42477796076937 / 2.0;

}  // namespace

double ZeroMaxDimen() { return zeroMaxDimen; }

void ImpostaZeroMaxDimen(double v) { zeroMaxDimen = v; }

double MaxDimensionePunti(std::span<const double> x, std::span<const double> y, int n,
                          double factor) {
    const EstremiXY e = EstremiPunti(n, x, y);
    const double dx = e.xMax - e.xMin;
    const double dy = e.yMax - e.yMin;
    return std::max(dx, dy) / factor;
}

bool RettaPerDuePunti(const Coppia& X, const Coppia& Y, const Coppia& W, double& a, double& b,
                      double& c, std::optional<double> zero) {
    if (PuntiCoincidenti(X, Y, W, zero)) return false;
    a = W[0] * Y[1] - W[1] * Y[0];
    b = W[1] * X[0] - W[0] * X[1];
    c = X[1] * Y[0] - X[0] * Y[1];
    return true;
}

void RettaPuntoAngolo(double x0, double y0, double w0, double angle, double& a, double& b,
                      double& c) {
    const Coppia X{x0, x0 + std::cos(angle)};
    const Coppia Y{y0, y0 + std::sin(angle)};
    const Coppia W{w0, w0};
    if (!RettaPerDuePunti(X, Y, W, a, b, c, 0.000001))
        messaggi().mostra("ERROR in sub RettaPuntoAngolo: RettaPerDuePunti Coincidenti");
}

bool IntersezioneRetteCalcola(double a1, double b1, double c1, double a2, double b2, double c2,
                              double& x, double& y) {
    const double tol =
        0.000001 * std::max({std::abs(a1), std::abs(b1), std::abs(a2), std::abs(b2)});
    const double D = a1 * b2 - a2 * b1;
    if (std::abs(D) < tol || D == 0.0) return false;
    const double xr = verificaFinito((b1 * c2 - b2 * c1) / D, "IntersezioneRette");
    const double yr = verificaFinito((a2 * c1 - a1 * c2) / D, "IntersezioneRette");
    x = xr;
    y = yr;
    return true;
}

bool IntersezioneRette(double a1, double b1, double c1, double a2, double b2, double c2,
                       double& x, double& y) {
    return IntersezioneRetteCalcola(a1, b1, c1, a2, b2, c2, x, y);
}

bool NumeriCoincidenti(double a, double b, double zero) { return std::abs(b - a) <= zero; }

bool PuntiCoincidenti(const Coppia& X, const Coppia& Y, const Coppia& W,
                      std::optional<double> zeroOpz) {
    const double zero = zeroOpz.value_or(ZeroMaxDimen());
    if (zero == 0.0) messaggi().mostra("zero=0 in PuntiCoincidenti");

    // The scaled rule alone lets far-apart points coincide when |x| < 1, so
    // the plain difference on each axis must hold too (only where both
    // points are plain, i.e. have non-zero weights).
    if (W[0] != 0.0 && W[1] != 0.0) {
        if (!NumeriCoincidenti(X[0] / W[0], X[1] / W[1], zero)) return false;
        if (!NumeriCoincidenti(Y[0] / W[0], Y[1] / W[1], zero)) return false;
    }

    double f1 = 0.0, f2 = 0.0;
    if (std::abs(X[0]) > zero || std::abs(X[1]) > zero) {
        f1 = X[0];
        f2 = X[1];
    } else if (std::abs(Y[0]) > zero || std::abs(Y[1]) > zero) {
        f1 = Y[0];
        f2 = Y[1];
    } else {
        return true;
    }
    return NumeriCoincidenti(f1 * W[1], f2 * W[0], zero) &&
           NumeriCoincidenti(f1 * Y[1], f2 * Y[0], zero) &&
           NumeriCoincidenti(f1 * X[1], f2 * X[0], zero);
}

bool PuntiCoincidentiXY(double x1, double y1, double x2, double y2) {
    if (ZeroMaxDimen() == 0.0) messaggi().mostra("zero=0 in PuntiCoincidentiXY");
    return PuntiCoincidenti(Coppia{x1, x2}, Coppia{y1, y2}, Coppia{1.0, 1.0}, ZeroMaxDimen());
}

bool PuntoInternoSegmento(const Coppia& X, const Coppia& Y, double x, double y, bool locale) {
    double x1 = X[0], x2 = X[1], y1 = Y[0], y2 = Y[1], px = x, py = y;
    if (locale) {
        const double t = AngoloDirezione(Y[1] - Y[0], X[1] - X[0]);
        MatriceFrame M{}, Mi{};
        MatriceRotoTraslazione(X[0], Y[0], t, M, Mi);
        TrasformaPunto(X[0], Y[0], M, x1, y1);
        TrasformaPunto(X[1], Y[1], M, x2, y2);
        TrasformaPunto(x, y, M, px, py);
        if (std::abs(py) > std::abs(x2 - x1) / 1000000.0) return false;
    }
    double c1, c2, p;
    if (std::abs(y2 - y1) < std::abs(x2 - x1)) {
        c1 = x1;
        c2 = x2;
        p = px;
    } else {
        c1 = y1;
        c2 = y2;
        p = py;
    }
    const double d1 = std::abs(p - c1);
    const double d2 = std::abs(p - c2);
    // The point at end 1 (also on a segment of zero length, which would
    // divide 0 by 0): inside.
    if (d1 == 0.0) return true;
    const double r = d2 < d1 ? (p - c2) / (p - c1) : (p - c1) / (p - c2);
    return r <= 0.0;
}

double DistanzaPuntoRetta(double x, double y, double a, double b, double c) {
    const double den = std::sqrt(a * a + b * b);
    if (den == 0.0) throw ErroreCalcolo("divisione per zero in DistanzaPuntoRetta");
    return verificaFinito(std::abs(a * x + b * y + c) / den, "DistanzaPuntoRetta");
}

namespace {
double distanzaConSegno(double x1, double y1, double x2, double y2, double px, double py,
                        bool* interno) {
    const double t = AngoloDirezione(y2 - y1, x2 - x1);
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(x1, y1, t, M, Mi);
    double xp = 0.0, yp = 0.0;
    TrasformaPunto(px, py, M, xp, yp);
    if (interno) {
        double L = 0.0, y2p = 0.0;
        TrasformaPunto(x2, y2, M, L, y2p);
        *interno = xp >= 0.0 && xp <= L;
    }
    return yp;
}
}  // namespace

double DistanzaConSegnoDaLato(double x1, double y1, double x2, double y2, double px, double py) {
    return distanzaConSegno(x1, y1, x2, y2, px, py, nullptr);
}

double DistanzaConSegnoDaLato(double x1, double y1, double x2, double y2, double px, double py,
                              bool& interno) {
    return distanzaConSegno(x1, y1, x2, y2, px, py, &interno);
}

void MatriceRotoTraslazione(double x0, double y0, double t, MatriceFrame& M, MatriceFrame& Mi) {
    const double ct = std::cos(t);
    const double st = std::sin(t);
    M = {ct, st, -(x0 * ct + y0 * st), -st, ct, x0 * st - y0 * ct};
    Mi = {ct, -st, x0, st, ct, y0};
}

void TrasformaPunto(double x, double y, const MatriceFrame& M, double& xp, double& yp, double w) {
    const double nx = M[0] * x + M[1] * y + M[2] * w;
    const double ny = M[3] * x + M[4] * y + M[5] * w;
    xp = nx;
    yp = ny;
}

void TrasformaPunto(double x, double y, const MatriceFrame& M, double& xp, double& yp, double w,
                    double& wp) {
    TrasformaPunto(x, y, M, xp, yp, w);
    wp = w;
}

void TrasformaPunti(std::span<const double> x, std::span<const double> y, const MatriceFrame& M,
                    std::vector<double>& xp, std::vector<double>& yp, int n) {
    detail::verificaDimensione(x.size(), n, "TrasformaPunti");
    detail::verificaDimensione(y.size(), n, "TrasformaPunti");
    if (static_cast<int>(xp.size()) < n) xp.resize(static_cast<std::size_t>(n));
    if (static_cast<int>(yp.size()) < n) yp.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) TrasformaPunto(x[i], y[i], M, xp[i], yp[i]);
}

double AngoloDirezione(double dy, double dx) {
    if (dx == 0.0) return AngoloVerticale(dy, dx);
    const double q = dy / dx;
    // IEEE division does not trap: an overflowing ratio is +-inf, whose
    // arctangent is the right +-pi/2; only inf / inf is left to the fallback.
    if (std::isnan(q)) return AngoloVerticale(dy, dx);
    const double a = std::atan(q);
    if (dx >= 0.0) return dy < 0.0 ? a + 2.0 * PiGreco : a;
    return a + PiGreco;
}

double AngoloVerticale(double dy, double dx) {
    if (dy > 0.0) return PiGreco / 2.0;
    if (dy < 0.0) return TrePiMezzi;
    if (dx < 0.0) return PiGreco;
    return 0.0;
}

}  // namespace tavo
