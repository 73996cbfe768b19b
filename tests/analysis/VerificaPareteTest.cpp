// The moment at the base of the stem about its midpoint when the thrust
// lines pass below it (a short, thick stem) and the seismic increment is
// negative (a vertical coefficient large beside the horizontal one lightens
// the wedge more than the inclination loads it, in the combination with
// kv < 0).

#include "analysis/CoefficientiParziali.h"
#include "analysis/Combinazioni.h"
#include "analysis/GeometriaSezione.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tavo {
namespace {

// The hand-calculation abutment made short and thick under NTC 2008: backwall
// 0.5 high, vertical stem 1 high and 2.5 thick (base midpoint (−1.25, 0)),
// footing h3 = 1, heel 2.5, B = 6.25; flat ground at y = 1.5 with q = 10;
// δ = 30° (beyond the design φ, chosen for the geometry), kh = 0.02,
// kv = 0.1 (combination 3, kv = −0.1, gives a negative increment). A line inclined at δ from the back (x = 0)
// at height z has the arm z·cos δ − 1.25·sin δ about the midpoint: the
// soil-weight and seismic lines (z = 1.5/3 = 0.5) pass below it, the
// surcharge line (z = 0.75) just above.
//
// By hand, r × F about the midpoint, positive bending the stem toward the
// toe: thrusts from Coulomb's and Mononobe–Okabe's closed forms (vertical
// back, flat ground, uniform q); the static components by the magnitude of
// their arms (as the check takes them: on the safe side), a positive
// increment likewise, a negative increment with its arm's sign (below the
// midpoint it bends the stem toward the toe); the stem weight W at its
// centroid (its moment not multiplied by 1 + kv), its inertia kh·W at its
// height, the inertia of the soil on the heel (2.5 × 1.5, centroid at
// y = 0.75) at its height, the deck loads Ni = 100 at (−2.25, 1) and Vi = 10.
TEST(VerificaParete, ANegativeSeismicIncrementBelowTheBaseMiddleBendsTheStemTowardTheToe) {
    test::RecordingMessagePort messaggi;
    VariabiliPubbliche v;
    NTC s;
    v.Normativa = NormativaNTC2008;
    constexpr float delta = 30;
    test::CompilaMuroAMano(v, s, delta);
    s.KhNTC = 0.02f;
    s.KvNTC = 0.1f;
    v.AltezzaParaghiaia = 0.5f;
    v.AltezzaParete = 1;
    v.SpessoreTestaParete = 2.5f;
    v.SpessoreBaseParete = 2.5f;
    v.LarghezzaFondazione = 6.25f;
    CoefficientiParzialiDefault(v);
    CalcolaGeometria(v);
    CombinazioniParete(v, s);
    EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());

    using test::manuale::MomentoSpinta;
    const double h = 1.5, xb = -1.25;
    const double xImp = -2.25, yImp = 1;
    const double W0 = 25 * 2.625;  // 2.5 × 1 + 0.25 × 0.5
    const double xG = (2.5 * -1.25 + 0.125 * -0.125) / 2.625, yG = (2.5 * 0.5 + 0.125 * 1.25) / 2.625;
    const double Wz = 18 * 2.5 * 1.5, yZ = 0.75;
    ASSERT_LT(MomentoSpinta(1, delta, 0, h / 3, xb, 0), 0);  // soil-weight and seismic lines below
    ASSERT_GT(MomentoSpinta(1, delta, 0, h / 2, xb, 0), 0);  // surcharge line above

    const auto combinazioni = test::CombinazioniNTCAMano();
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE("combination " + std::to_string(k));
        test::CombinazioneAMano c = combinazioni[static_cast<std::size_t>(k - 1)];
        if (c.sismica) {
            c.kh = 0.02;
            c.kv = k == 3 ? -0.1 : 0.1;
        }
        const auto& f = c.parete;  // γφ, γGS, γGZ, γGM, γQ, γNi, γVi
        const double kh = c.kh;
        const test::manuale::Componenti t = test::manuale::Spinte(f, c, h, delta);
        EXPECT_NEAR(v.StParete(k), t.St, 1e-4 * t.St);
        EXPECT_NEAR(v.SqParete(k), t.Sq, 1e-4 * t.Sq);
        EXPECT_NEAR(v.SsParete(k), t.Ss, 1e-4 * t.St);
        if (k == 3) {
            ASSERT_LT(t.Ss, 0);
            ASSERT_LT(v.SsParete(k), 0);
        }
        const double mSs = MomentoSpinta(t.Ss, delta, 0, h / 3, xb, 0);
        const double W = f[3] * W0;
        const double Mmano = std::fabs(MomentoSpinta(t.St, delta, 0, h / 3, xb, 0)) +
                             std::fabs(MomentoSpinta(t.Sq, delta, 0, h / 2, xb, 0)) +
                             (t.Ss < 0 ? mSs : std::fabs(mSs)) - W * (xG - xb) + kh * W * yG +
                             f[6] * 10 * yImp - f[5] * 100 * (xImp - xb) + kh * f[2] * Wz * yZ;
        EXPECT_NEAR(v.MParete(k), Mmano, 1e-4 * std::fabs(Mmano));
    }
}

// A seeded population of walls with a vertical back under flat ground and a
// uniform surcharge (where the closed forms hold), many of them short and
// thick so that thrust lines pass below the base middle, under both codes.
// Every combination's stem-base moment against the same hand formulation as
// above, from the inputs alone: shoelace area and centroid of the stem,
// Coulomb and Mononobe–Okabe thrusts, the arm of each line from its height
// on the back and δ.
struct MuroCasuale {
    bool ntc;
    float h1, s1, H, s2, s3, h3, L2, B, phi, delta, gt, q, kh, kv, grado, Ni, Vi, dI;
};

MuroCasuale EstraeMuro(std::mt19937& g) {
    auto u = [&g](double a, double b) {
        return static_cast<float>(std::uniform_real_distribution<double>(a, b)(g));
    };
    MuroCasuale m{};
    m.ntc = u(0, 1) < 0.7f;
    m.h1 = u(0, 1) < 0.2f ? 0 : u(0.2, 1.5);
    m.s1 = u(0.2, 0.4);
    m.H = u(0, 1) < 0.5f ? u(0.5, 1.5) : u(1.5, 6);
    m.s3 = u(0, 1) < 0.5f ? u(1.5, 3) : u(0.5, 1.5);
    m.s2 = u(m.s1 + 0.1, m.s3);
    m.h3 = u(0.5, 1.5);
    m.L2 = u(0.5, 5);
    m.B = m.L2 + m.s3 + u(0, 2);
    m.phi = u(25, 40);
    m.delta = u(0, 1) < 0.3f ? m.phi : u(0, m.phi);
    m.gt = u(16, 21);
    m.q = u(0, 1) < 0.3f ? 0 : u(0, 30);
    m.kh = u(0, 1) < 0.5f ? u(0.005, 0.04) : u(0.04, 0.25);  // small kh: negative increments
    m.kv = u(0, 0.15);
    m.grado = static_cast<float>(static_cast<int>(u(0, 13)));
    m.Ni = u(-150, 600);
    m.Vi = u(-60, 60);
    m.dI = u(0, m.s2 - m.s1);
    return m;
}

void Compila(const MuroCasuale& m, VariabiliPubbliche& v, NTC& s) {
    test::CompilaMuroAMano(v, s, m.delta);
    v.Normativa = m.ntc ? NormativaNTC2008 : 1;
    v.AltezzaParaghiaia = m.h1;
    v.SpessoreParaghiaia = m.s1;
    v.AltezzaParete = m.H;
    v.SpessoreTestaParete = m.s2;
    v.SpessoreBaseParete = m.s3;
    v.AltezzaFondazione = m.h3;
    v.SbalzoFondazione = m.L2;
    v.LarghezzaFondazione = m.B;
    v.AngoloAttritoInterno = m.phi;
    v.PesoSpecificoTerreno = m.gt;
    v.GradoSismicita = m.grado;
    for (int j = 1; j <= 2; ++j) {
        v.dxProfilo(j) = 40;
        v.qProfilo(j) = m.q;
    }
    v.NImpalcato = m.Ni;
    v.VImpalcato = m.Vi;
    v.DistanzaImpalcato = m.dI;
    s.KhNTC = m.kh;
    s.KvNTC = m.kv;
}

using test::manuale::Baricentro;
using test::manuale::Poligonale;

// Coulomb's and Mononobe–Okabe's thrust on a vertical back of height h
// under flat ground loaded by q; f the check's factors (γφ, γGS, γGZ, γGM,
// γQ, γNi, γVi).
test::manuale::Componenti SpinteChiuse(const MuroCasuale& m, const std::array<double, 7>& f, double h,
                                       double kh, double kv) {
    const double phid = m.ntc ? test::Deg(std::atan(std::tan(test::Rad(m.phi)) / f[0])) : m.phi;
    const double psi = kh > 0 ? test::Deg(std::atan(kh / (1 + kv))) : 0;
    const double A = f[1] * m.gt * h * h / 2 + f[4] * m.q * h;
    const double ka = test::KaCoulomb(phid, m.delta);
    const double P0 = A * ka, Sq = f[4] * m.q * h * ka;
    const double P1 = psi > 0 ? A * test::KaeMononobeOkabe(phid, m.delta, psi) * (1 + kv) : P0;
    return {P0 - Sq, Sq, P1 - P0};
}

TEST(VerificaParete, StemBaseMomentMatchesAHandFormulationOnAPopulation) {
    std::mt19937 g(20261211);
    const auto ntc = test::CombinazioniNTCAMano();
    const test::CombinazioneAMano dm = test::CombinazioneDMAMano();
    int negativiSottoIlMezzo = 0;
    for (int muro = 0; muro < 300; ++muro) {
        const MuroCasuale m = EstraeMuro(g);
        SCOPED_TRACE("muro " + std::to_string(muro));
        test::RecordingMessagePort messaggi;
        VariabiliPubbliche v;
        NTC s;
        Compila(m, v, s);
        CoefficientiParzialiDefault(v);
        CalcolaGeometria(v);
        CombinazioniParete(v, s);
        ASSERT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());

        const double h = m.H + m.h1, xb = -m.s3 / 2.0;
        const Baricentro w = Poligonale({{0, 0}, {0, m.H}, {0, h}, {-m.s1, h}, {-m.s1, m.H},
                                         {-m.s2, m.H}, {-m.s3, 0}});
        const double Wz = m.gt * m.L2 * h, yZ = h / 2;
        const double xImp = -m.s2 + m.dI, yImp = m.H;
        const double zs = m.ntc ? h / 3 : 2 * h / 3;
        for (int k = 1; k <= (m.ntc ? 3 : 1); ++k) {
            SCOPED_TRACE("combination " + std::to_string(k));
            const auto& f = m.ntc ? ntc[static_cast<std::size_t>(k - 1)].parete : dm.parete;
            const double kh = m.ntc ? (k > 1 ? m.kh : 0) : std::max(0.0f, m.grado - 2) / 100.0;
            const double kv = m.ntc && k > 1 ? (k == 3 ? -m.kv : m.kv) : 0;
            const test::manuale::Componenti t = SpinteChiuse(m, f, h, kh, kv);
            const double P0 = t.St + t.Sq;
            ASSERT_NEAR(v.StParete(k), t.St, 1e-4 * P0 + 1e-6);
            ASSERT_NEAR(v.SqParete(k), t.Sq, 1e-4 * P0 + 1e-6);
            ASSERT_NEAR(v.SsParete(k), t.Ss, 1e-4 * P0 + 1e-6);

            using test::manuale::MomentoSpinta;
            const double mSs = MomentoSpinta(t.Ss, m.delta, 0, zs, xb, 0);
            const double W = f[3] * 25 * w.A;
            const std::vector<double> termini = {
                std::fabs(MomentoSpinta(t.St, m.delta, 0, h / 3, xb, 0)),
                std::fabs(MomentoSpinta(t.Sq, m.delta, 0, h / 2, xb, 0)),
                t.Ss < 0 ? mSs : std::fabs(mSs),
                -W * (w.x - xb),
                kh * W * w.y,
                f[6] * m.Vi * yImp,
                -f[5] * m.Ni * (xImp - xb),
                kh * f[2] * Wz * yZ};
            double Mmano = 0, scala = 0;
            for (double x : termini) {
                Mmano += x;
                scala += std::fabs(x);
            }
            const double tolleranza = 1e-4 * scala + 1e-5;
            EXPECT_NEAR(v.MParete(k), Mmano, tolleranza);
            if (t.Ss < 0 && mSs > 0 && 2 * mSs > 10 * tolleranza) ++negativiSottoIlMezzo;
        }
    }
    // The population reaches the case: negative increments whose line passes
    // below the middle by enough to tell the arm's sign.
    EXPECT_GT(negativiSottoIlMezzo, 0);
}

}  // namespace
}  // namespace tavo
