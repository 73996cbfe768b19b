// The overturning moment about the toe when the seismic increment is
// negative (a vertical coefficient large beside the horizontal one lightens
// the wedge more than the inclination loads it, in the combination with
// kv < 0) and its line passes below the toe.

#include "analysis/CoefficientiParziali.h"
#include "analysis/Combinazioni.h"
#include "analysis/GeometriaSezione.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavo {
namespace {

// The hand-calculation abutment under NTC 2008 with a footing B = 7 wide,
// heel L2 = 5.25, δ = 20°, kh = 0.02 and kv = 0.1: the lines at h/3 = 2 above
// the base at the heel end (soil weight, seismic increment) fall
// 7·tan 20° = 2.55 over the base and pass below the toe O = (−1.75, −1); the
// surcharge's, at h/2 = 3, above it. By hand, r × F about O, positive toward
// the toe: a negative increment below the toe turns the wall toward the
// toe, as a positive static component below it turns it back.
TEST(VerificaRibaltamento, ANegativeSeismicIncrementBelowTheToeOverturns) {
    test::RecordingMessagePort messaggi;
    VariabiliPubbliche v;
    NTC s;
    v.Normativa = NormativaNTC2008;
    test::CompilaMuroAMano(v, s, 20);
    s.KhNTC = 0.02f;
    s.KvNTC = 0.1f;
    v.LarghezzaFondazione = 7;
    v.SbalzoFondazione = 5.25f;
    CoefficientiParzialiDefault(v);
    CalcolaGeometria(v);
    CombinazioniRibaltamento(v, s);

    const double B = 7, L2 = 5.25, xO = L2 - B, yO = -1, kh = 0.02;
    using test::manuale::MomentoSpinta;
    const double Ss = v.SsRibaltamento(3);
    const double aSs = MomentoSpinta(1, 20, L2, yO + 2, xO, yO);
    ASSERT_LT(Ss, 0);
    ASSERT_LT(aSs, 0);  // the line passes below the toe
    // Combination 3 takes the seismic factors, all 1.
    const double Ww = 25 * 3.25, yGw = 7.125 / 3.25, Wf = 25 * B, Wz = 18 * 5 * L2;
    const double Mmano = MomentoSpinta(v.StRibaltamento(3), 20, L2, yO + 2, xO, yO) +
                         MomentoSpinta(v.SqRibaltamento(3), 20, L2, yO + 3, xO, yO) + Ss * aSs +
                         kh * (Ww * (yGw + 1) + Wz * 3.5 + Wf * 0.5) + 10 * 5;
    ASSERT_GT(Mmano, 0);
    EXPECT_NEAR(v.MRibaltante(3), Mmano, 1e-4 * std::fabs(Mmano));
}

}  // namespace
}  // namespace tavo
