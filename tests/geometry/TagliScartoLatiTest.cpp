// The crossings of an outline with a line skip, for horizontal lines, the
// edges wholly on one side: checked against the plain loop that computes
// every edge, which must give the very same crossings, order, counts,
// messages and errors.
#include "geometry/Estremi.h"
#include "geometry/Rette.h"
#include "geometry/Tagli.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

// The loop as it was before the skip: every edge through the crossing chain.
Incroci Riferimento(double a, double b, double c, const V& x, const V& y, bool pulisci) {
    const int n = static_cast<int>(x.size());
    Incroci r;
    const double tol = MaxDimensionePunti(x, y, n, 100000);
    for (int i = 1; i <= n; ++i) {
        const int j = i % n + 1;
        double xo = 0, yo = 0;
        if (IntersezioneSegmentoRetta(a, b, c, {x[i - 1], x[j - 1]}, {y[i - 1], y[j - 1]}, xo, yo,
                                      tol)) {
            r.xi.push_back(xo);
            r.yi.push_back(yo);
            r.lato.push_back(i);
            r.ni += 1;
        }
    }
    if (r.ni > 0 && pulisci) {
        int conta = r.ni;
        PulisceIntersezioni(r.xi, r.yi, r.lato, conta);
        r.tolti = r.ni - conta;
        r.ni = conta;
    }
    return r;
}

struct Esito {
    Incroci r;
    bool errore = false;
    std::vector<std::string> messaggi;
};

template <class F>
Esito Esegui(F calcolo) {
    test::RecordingMessagePort porta;
    Esito e;
    try {
        e.r = calcolo();
    } catch (const ErroreCalcolo&) {
        e.errore = true;
    }
    e.messaggi = porta.testi();
    return e;
}

// Empty when the routine and the plain loop agree, else what differs.
std::string Differenza(double a, double b, double c, const V& x, const V& y, bool pulisci) {
    const int n = static_cast<int>(x.size());
    // The cleaning at the outline's own size, as in the hatching.
    const ZeroMaxDimenSalvato salvato;
    ImpostaZeroMaxDimen(MaxDimensionePunti(x, y, n, 1e6));
    const Esito nuovo =
        Esegui([&] { return IntersezionePoligonoRetta(a, b, c, x, y, n, pulisci); });
    const Esito vecchio = Esegui([&] { return Riferimento(a, b, c, x, y, pulisci); });
    if (nuovo.errore == vecchio.errore && nuovo.messaggi == vecchio.messaggi &&
        nuovo.r.ni == vecchio.r.ni && nuovo.r.tolti == vecchio.r.tolti &&
        nuovo.r.lato == vecchio.r.lato && nuovo.r.xi == vecchio.r.xi && nuovo.r.yi == vecchio.r.yi)
        return {};
    std::ostringstream s;
    s.precision(17);
    s << "line " << a << ", " << b << ", " << c << (pulisci ? " cleaned" : "") << "; found "
      << nuovo.r.ni << " (error " << nuovo.errore << "), expected " << vecchio.r.ni << " (error "
      << vecchio.errore << "); outline";
    for (std::size_t k = 0; k < x.size(); ++k) s << " (" << x[k] << ", " << y[k] << ")";
    return s.str();
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct Caso {
    const char* nome;
    double a, b, c;
    V x, y;
};

TEST(IntersezionePoligonoRettaScarto, TrickyOutlinesAndLines) {
    const V qx{0, 1, 1, 0}, qy{0, 0, 1, 1};
    const double sopra = std::nextafter(0.0, 1.0);
    // A short flat edge away from the origin: the constant of its line loses
    // digits, so the chain finds its crossing with lines a few 1e-6 below
    // both its ends, within the edge.
    const double y1 = 1e4 + 0.1, y2 = y1 + 2e-5;
    const V lx{1e4 + 0.1, 1e4 + 0.1 + 1e-3, 1e4 + 1, 1e4 + 0.1}, ly{y1, y2, 1e4 + 2, 1e4 + 2};
    const std::vector<Caso> casi{
        {"along the bottom edge", 0, 1, 0, qx, qy},
        {"along the top edge", 0, 1, -1, qx, qy},
        {"one step above a vertex", 0, 1, -sopra, qx, qy},
        {"one step below a vertex", 0, 1, sopra, qx, qy},
        {"within the tolerance below", 0, 1, 1e-6, qx, qy},
        {"negative zero a", -0.0, 1, -0.5, qx, qy},
        {"scaled line", 0, -3e7, 1.5e7, qx, qy},
        {"tiny b", 0, 1e-60, -0.5e-60, qx, qy},
        {"huge b", 0, 1e60, -0.5e60, qx, qy},
        {"degenerate line", 0, 0, 1, qx, qy},
        {"null line", 0, 0, 0, qx, qy},
        {"infinite c", 0, 1, inf, qx, qy},
        {"NaN c", 0, 1, nan, qx, qy},
        {"outline of one point", 0, 1, -2, {2, 2, 2}, {2, 2, 2}},
        {"short flat edge, at its upper end", 0, 1, -y2, lx, ly},
        {"short flat edge, 1e-8 above it", 0, 1, -(y2 + 1e-8), lx, ly},
        {"short flat edge, 1e-8 below it", 0, 1, -(y1 - 1e-8), lx, ly},
        {"short flat edge, 3e-6 below it", 0, 1, -(y1 - 3e-6), lx, ly},
        {"huge outline", 0, 1, -1e200, {0, 2e200, 2e200, 0}, {0, 0, 2e200, 2e200}},
        {"tiny outline", 0, 1, -1e-200, {0, 2e-200, 2e-200, 0}, {0, 0, 2e-200, 2e-200}},
        {"NaN vertex", 0, 1, -0.5, {0, 1, nan, 0}, qy},
        {"infinite vertex", 0, 1, -0.5, {0, 1, 1, 0}, {0, 0, inf, 1}},
        {"oblique line through two vertices", 1, -1, 0, qx, qy},
    };
    for (const Caso& k : casi)
        for (const bool pulisci : {false, true})
            EXPECT_EQ(Differenza(k.a, k.b, k.c, k.x, k.y, pulisci), "") << k.nome;
}

// Random outlines, some on a coarse grid so that vertices share ordinates
// (edges along the line, lines through several vertices), at several sizes
// and distances from the origin; lines through each vertex, a few rounding
// steps and a few tolerances off it, at random heights, and the hatching's.
TEST(IntersezionePoligonoRettaScarto, RandomOutlinesAgreeWithThePlainLoop) {
    std::mt19937 gen(20261210);
    std::uniform_real_distribution<double> u(0, 1);
    const double centri[] = {0, 3, -1e3, 1e6, 1e9};
    const double scale[] = {1, 1e-4, 50, 1e5};
    int prove = 0;
    for (int p = 0; p < 3000; ++p) {
        const int n = 3 + static_cast<int>(u(gen) * 18);
        const double cx = centri[p % 5], cy = centri[(p / 5) % 5], s = scale[(p / 25) % 4];
        const bool griglia = p % 3 == 0;
        V x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const double r = 0.2 + u(gen), t = 2 * 3.14159265358979 * (i + 0.8 * u(gen)) / n;
            double dx = r * std::cos(t), dy = r * std::sin(t);
            if (griglia) {
                dx = std::round(dx * 4) / 4;
                dy = std::round(dy * 4) / 4;
            }
            x[static_cast<std::size_t>(i)] = cx + s * dx;
            y[static_cast<std::size_t>(i)] = cy + s * dy;
        }
        const EstremiXY e = EstremiPunti(n, x, y);
        const double tol = MaxDimensionePunti(x, y, n, 100000);
        V quote;
        for (const double yv : y) {
            quote.push_back(yv);
            double su = yv, giu = yv;
            for (int k = 0; k < 3; ++k) quote.push_back(su = std::nextafter(su, inf));
            for (int k = 0; k < 3; ++k) quote.push_back(giu = std::nextafter(giu, -inf));
            for (const double f : {0.5, 1.0, 2.0}) {
                quote.push_back(yv + f * tol);
                quote.push_back(yv - f * tol);
            }
        }
        for (int k = 0; k < 4; ++k) quote.push_back(e.yMin + u(gen) * (e.yMax - e.yMin));
        for (int k = 1; k < 10; ++k) quote.push_back(e.yMin + k * (e.yMax - e.yMin) / 10);
        const double b = p % 7 == 0 ? 0.25 + 3 * u(gen) : 1.0;
        for (const double q : quote) {
            const bool pulisci = (prove++ % 2) == 0;
            const std::string d = Differenza(0, b, -b * q, x, y, pulisci);
            if (!d.empty()) {
                ADD_FAILURE() << d;
                return;
            }
        }
        // An oblique line through a vertex takes the full computation.
        const std::size_t v = static_cast<std::size_t>(p) % x.size();
        EXPECT_EQ(Differenza(0.3, 1, -(0.3 * x[v] + y[v]), x, y, true), "");
    }
}

}  // namespace
}  // namespace tavo
