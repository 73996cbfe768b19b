// The moment on the footing base about its midpoint: every thrust component
// turns the resultant with its sign, whichever side of the midpoint its
// line passes.

#include "analysis/VerificaPortata.h"
#include "analysis/CoefficientiParziali.h"
#include "analysis/GeometriaSezione.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavo {
namespace {

struct CasoBase {
    const char* nome;
    float B, L2, delta;
    int grado;  // DM 1996 seismicity grade: 2 static, 12 kh = 0.1
};

// The hand-calculation abutment under DM 1996 (every factor 1), with a
// footing B wide whose heel is L2, and δ on the backs. By hand, about the
// base midpoint (xB = L2 − B/2, y0 = −1), r × F of every force, positive
// toward the toe: a thrust P inclined at δ applied at z above the base
// on the heel back (z = 6/3 soil weight, 6/2 surcharge, 2·6/3 seismic
// increment) has the arm z·cos δ − (B/2)·sin δ; the weights act at their
// centroids (stem as in the hand calculation, footing B × 1 at xB, soil on
// the heel L2 × 5 at (L2/2, 2.5)), their inertia kh·W at their height, the
// deck loads Ni = 100 at x = −0.5 and Vi = 10 at y = 4.
TEST(VerificaPortata, ThrustArmsCarryTheirSignAboutTheBaseMidpoint) {
    const CasoBase casi[] = {
        {"lines above the midpoint", 4.5f, 2.5f, 20, 2},
        {"soil-weight line below, surcharge line above", 8, 5.5f, 30, 2},
        {"both static lines below", 8, 5.5f, 38, 2},
        {"seismic, every line below", 9, 6.25f, 38, 12},
        {"seismic, lines above", 4.5f, 2.5f, 20, 12},
    };
    for (const CasoBase& c : casi) {
        SCOPED_TRACE(c.nome);
        test::RecordingMessagePort messaggi;
        VariabiliPubbliche v;
        NTC s;
        v.Normativa = 1;
        test::CompilaMuroAMano(v, s, c.delta);
        v.GradoSismicita = static_cast<std::int16_t>(c.grado);
        v.LarghezzaFondazione = c.B;
        v.SbalzoFondazione = c.L2;
        CalcolaGeometria(v);
        v.CombinazioneSismica = false;
        v.Kh = KhCombinazione(v, s);
        float St = 0, Sq = 0, Ss = 0, Si = 0, M = 0, N = 0, T = 0, sv = 0;
        VerificaPortata(v, s, St, Sq, Ss, Si, M, N, T, sv);

        const double d = test::Rad(c.delta), B = c.B, L2 = c.L2, kh = (c.grado - 2) / 100.0;
        const double xB = L2 - B / 2;
        auto braccio = [&](double z) { return z * std::cos(d) - B / 2 * std::sin(d); };
        const double Ww = 25 * 3.25, xGw = -1.15625 / 3.25, yGw = 7.125 / 3.25;
        const double Wf = 25 * B, Wz = 18 * 5 * L2;
        const double Mmano = St * braccio(2) + Sq * braccio(3) + Ss * braccio(4) +
                             kh * (Ww * (yGw + 1) + Wz * 3.5 + Wf * 0.5) + 10 * 5 - Ww * (xGw - xB) -
                             Wz * (L2 / 2 - xB) - 100 * (-0.5 - xB);
        EXPECT_NEAR(M, Mmano, 1e-4 * (std::fabs(Mmano) + 100));
        EXPECT_EQ(c.grado > 2, Ss > 0);
    }
}

}  // namespace
}  // namespace tavo
