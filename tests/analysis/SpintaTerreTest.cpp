#include "analysis/SpintaTerre.h"
#include "geometry/PiGreco.h"
#include "tests/analysis/ContaAllocazioni.h"
#include "tests/analysis/MuroDiProva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace tavo {
namespace {

using test::CostruisceMuro;
using test::DatiMuro;

double rad(double gradi) { return gradi * PiGreco / 180; }
float gradi(double radianti) { return static_cast<float>(radianti * 180 / PiGreco); }

// Mononobe–Okabe's coefficient, Coulomb's Ka when psi = 0 (angles in degrees;
// eps the back from the vertical, positive with its top toward the toe;
// beta the ground slope):
//   K = cos²(φ − ψ − ε) / { cos ψ cos²ε cos(δ + ε + ψ)
//        [1 + √( sin(φ + δ) sin(φ − β − ψ) / (cos(δ + ε + ψ) cos(β − ε)) )]² }
double KMononobeOkabe(double phi, double delta, double eps, double beta, double psi) {
    const double f = phi * PiGreco / 180, d = rad(delta), e = rad(eps), b = rad(beta), p = rad(psi);
    const double r =
        std::sqrt(std::sin(f + d) * std::sin(f - b - p) / (std::cos(d + e + p) * std::cos(b - e)));
    return std::pow(std::cos(f - p - e), 2) /
           (std::cos(p) * std::pow(std::cos(e), 2) * std::cos(d + e + p) * std::pow(1 + r, 2));
}

struct CasoChiuso {
    const char* nome;
    Paramento quale;
    float H, h1, i;  // stem height, backwall height, batter %
    float beta, q;   // ground slope (deg) and uniform surcharge
    float phi, delta;
    float kh, kv;  // seismic coefficients
    bool dm1996;   // ψ = atan(kh), no vertical factor
};

class SpintaFormaChiusa : public ::testing::TestWithParam<CasoChiuso> {};

// Closed forms: P = ½ γ h² f K + q h f K cos ε cos β / cos(ε − β), with h the
// height of the back, f the vertical factor (1 ± kv) of NTC 2008 and K as
// above; ψ = atan(kh / (1 ± kv)) under NTC 2008, atan(kh) under DM 1996.
// The second term is the surcharge share Pq (q per metre of horizontal run).
TEST_P(SpintaFormaChiusa, TrialWedgeMatchesTheClosedFormWithinAThousandth) {
    const CasoChiuso& c = GetParam();
    DatiMuro d;
    d.H = c.H;
    d.h1 = c.h1;
    d.i = c.i;
    d.lati = {{40, static_cast<float>(40 * std::tan(rad(c.beta))), c.q}};
    VariabiliPubbliche v = CostruisceMuro(d);

    const float eps = c.quale == Paramento::Parete ? gradi(std::atan(c.i / 100.0)) : 0.0f;
    const float fattore = c.dm1996 ? 1.0f : 1 + c.kv;
    const float psi = gradi(std::atan(c.kh / fattore));
    float Pq = -1;
    const float P = SpintaMassima(v, c.phi, c.delta, eps, psi, fattore, c.quale, Pq);

    // The heel back runs from the footing's bottom to the ground above the
    // heel end, which rises on β from the top of the back, H·i/100 before x = 0.
    const double h = c.quale == Paramento::Parete
                         ? c.H + c.h1
                         : d.h3 + c.H + c.h1 + (d.L2 + c.H * c.i / 100) * std::tan(rad(c.beta));
    const double K = KMononobeOkabe(c.phi, c.delta, eps, c.beta, psi);
    const double Pt = 0.5 * d.gamma * h * h * fattore * K;
    const double Pqc = c.q * h * fattore * K * std::cos(rad(eps)) * std::cos(rad(c.beta)) /
                       std::cos(rad(eps - c.beta));
    EXPECT_NEAR(P, Pt + Pqc, 1e-3 * (Pt + Pqc));
    EXPECT_NEAR(Pq, Pqc, 1e-3 * (Pt + Pqc));
}

INSTANTIATE_TEST_SUITE_P(
    CoulombMononobeOkabe, SpintaFormaChiusa,
    ::testing::Values(
        // Coulomb, static.
        CasoChiuso{"verticale_delta0", Paramento::Parete, 6, 0, 0, 0, 0, 30, 0, 0, 0, false},
        CasoChiuso{"verticale_delta20", Paramento::Parete, 6, 0, 0, 0, 0, 30, 20, 0, 0, false},
        CasoChiuso{"verticale_paraghiaia_pendio_q", Paramento::Parete, 5, 1, 0, 10, 20, 30, 15, 0,
                   0, false},
        CasoChiuso{"inclinata_pendio", Paramento::Parete, 6, 0, 10, 15, 0, 32, 20, 0, 0, false},
        CasoChiuso{"inclinata_pendio_q", Paramento::Parete, 6, 0, 10, 10, 20, 30, 15, 0, 0, false},
        CasoChiuso{"fondazione_q", Paramento::Fondazione, 6, 0, 0, 0, 10, 30, 20, 0, 0, false},
        CasoChiuso{"fondazione_pendio", Paramento::Fondazione, 5, 1, 10, 12, 0, 34, 0, 0, 0, false},
        // Mononobe–Okabe: NTC 2008 with kv upward and downward, DM 1996.
        CasoChiuso{"ntc_kv_positivo", Paramento::Parete, 6, 0, 0, 10, 0, 30, 15, 0.15f, 0.075f,
                   false},
        CasoChiuso{"ntc_kv_negativo_inclinata_q", Paramento::Parete, 6, 0, 10, 5, 10, 30, 20, 0.15f,
                   -0.075f, false},
        CasoChiuso{"ntc_fondazione", Paramento::Fondazione, 6, 0, 0, 0, 15, 28, 10, 0.1f, -0.05f,
                   false},
        CasoChiuso{"dm1996", Paramento::Parete, 6, 0, 0, 0, 0, 30, 0, 0.07f, 0, true}),
    [](const ::testing::TestParamInfo<CasoChiuso>& i) { return std::string(i.param.nome); });

// A search that stops at the first drop of each pass: a descent in steps of
// 2° from 88°, then a descent in steps of 0.2° from 2° above it.
float SpintaPrimoMassimo(VariabiliPubbliche& v, float phi, float delta, Paramento quale,
                         float& Pq) {
    float theta = 88;
    (void)CercaMassimoSpinta(v, phi, delta, 0, 0, 1, theta, 2, quale, Pq);
    theta = theta + 2;
    return CercaMassimoSpinta(v, phi, delta, 0, 0, 1, theta, 0.2f, quale, Pq).value();
}

// H = 5, γ 18, φ 30°, δ 0, flat ground, q = 80 kN/m² from x = 4 to 10 m. By
// hand: without the load the peak is at 60° with ½γH² tan²30° = 75.0; with
// it (crossing xc = 5 cot θ beyond 4) P = (125 xc − 320) tan(θ − 30°), whose
// maximum is 81.74 at θ = 44.75°.
TEST(SpintaMassima, SurchargeStripAwayFromTheWallGivesTheHigherOfTwoPeaks) {
    DatiMuro d;
    d.H = 5;
    d.lati = {{4, 0, 0}, {6, 0, 80}, {20, 0, 0}};
    VariabiliPubbliche v = CostruisceMuro(d);

    float PqPrimo = 0;
    EXPECT_NEAR(SpintaPrimoMassimo(v, 30, 0, Paramento::Parete, PqPrimo), 75.0, 0.01);
    EXPECT_EQ(PqPrimo, 0.0f);

    float Pq = 0;
    const float P = SpintaMassima(v, 30, 0, 0, 0, 1, Paramento::Parete, Pq);
    EXPECT_NEAR(P, 81.742, 0.01);
    // The state holds the wedge of the result: its top ends near 5·cot 44.75° = 5.04.
    EXPECT_NEAR(v.ProfiloTerreno.xFinePrisma, 5.04, 0.02);
    const double xc = v.ProfiloTerreno.xFinePrisma;
    EXPECT_NEAR(Pq, P * 80 * (xc - 4) / (45 * xc + 80 * (xc - 4)), 1e-3);
}

// H = 5, γ 18, φ 30°, δ 0, flat ground, q = 1000 kN/m² on a strip from
// x = 4 to 4.2 m, which the failure line reaches at θ = atan(5/4.2) = 49.97°.
// By hand: past the strip P = (45·5 cot θ + 200) tan(θ − 30°), falling below
// 49.97°, so on the 0.2° grid the largest is at 49.8°: 390.15·tan 19.8° =
// 140.46. The steps of 2° find 50° (139.87); 2° above it, at 52°, the wedge
// stops short of the strip and carries 45·5 cot 52°·tan 22° = 71.02, more
// than at 51.8°: a refinement that stops at its first drop returns that.
TEST(SpintaMassima, RefinementCrossesTheDipBeforeASurchargeStrip) {
    DatiMuro d;
    d.H = 5;
    d.lati = {{4, 0, 0}, {0.2f, 0, 1000}, {20, 0, 0}};
    VariabiliPubbliche v = CostruisceMuro(d);
    float Pq = 0;
    const float P = SpintaMassima(v, 30, 0, 0, 0, 1, Paramento::Parete, Pq);
    EXPECT_NEAR(P, 140.46, 0.01);
    EXPECT_NEAR(v.ProfiloTerreno.xFinePrisma, 5 / std::tan(rad(49.8)), 1e-4);
    EXPECT_NEAR(Pq, P * 200 / 390.15, 0.01);
}

// With a single peak the full first pass picks the same angle as the
// descent to the first drop, so the result is identical to the last bit.
TEST(SpintaMassima, SinglePeakGivesExactlyTheDescentsResult) {
    const DatiMuro casi[] = {
        DatiMuro{},
        DatiMuro{.lati = {{3, 0.6f, 15}, {10, 2, 0}}},
        DatiMuro{.H = 4.5f, .h1 = 1.2f, .lati = {{1, 0, 30}, {2, -0.4f, 5}, {12, 0, 0}}},
    };
    for (const DatiMuro& d : casi) {
        for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
            VariabiliPubbliche v = CostruisceMuro(d);
            float PqA = 0, PqB = 0;
            const float A = SpintaPrimoMassimo(v, 27, 12, quale, PqA);
            const float B = SpintaMassima(v, 27, 12, 0, 0, 1, quale, PqB);
            EXPECT_EQ(A, B);
            EXPECT_EQ(PqA, PqB);
        }
    }
}

TEST(SpintaMassima, GroundSteeperThanTheFrictionAngleStopsWithItsMessage) {
    struct Caso {
        float beta, phi, psi;
        const char* testo;
    };
    const Caso casi[] = {
        {40, 30, 0,
         "Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto: la spinta "
         "cresce fino al cuneo di 2° senza raggiungere un massimo."},
        // 25° is below φ = 30° but above φ − ψ = 18.7°.
        {25, 30, gradi(std::atan(0.2)),
         "Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto ridotto "
         "dell'angolo sismico: la spinta cresce fino al cuneo di 2° senza raggiungere un massimo."},
    };
    for (const Caso& c : casi) {
        DatiMuro d;
        d.lati = {{2, 0, 0}, {20, static_cast<float>(20 * std::tan(rad(c.beta))), 10}};
        VariabiliPubbliche v = CostruisceMuro(d);
        for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
            float Pq = 0;
            try {
                SpintaMassima(v, c.phi, 0, 0, c.psi, 1, quale, Pq);
                FAIL() << "beta " << c.beta;
            } catch (const ErroreProfiloTroppoRipido& e) {
                EXPECT_STREQ(e.what(), c.testo);
            }
        }
    }
    // The same ground is fine for a friction angle above its slope.
    DatiMuro d;
    d.lati = {{2, 0, 0}, {20, static_cast<float>(20 * std::tan(rad(25))), 10}};
    VariabiliPubbliche v = CostruisceMuro(d);
    float Pq = 0;
    EXPECT_GT(SpintaMassima(v, 30, 0, 0, 0, 1, Paramento::Parete, Pq), 0);
}

// A ground of 30° exactly: the failure line at 30° is parallel to it and
// meets no side; that angle is skipped and the search still finds Coulomb's
// thrust for β = 30°, φ = 36°.
TEST(SpintaMassima, TrialAngleParallelToTheGroundIsSkipped) {
    DatiMuro d;
    d.lati = {{40, static_cast<float>(40 * std::tan(rad(30))), 0}};
    VariabiliPubbliche v = CostruisceMuro(d);
    float Pq = 0;
    EXPECT_FALSE(SpintaCuneo(v, 30, 36, 0, 0, 0, 1, Paramento::Parete, Pq).has_value());
    const float P = SpintaMassima(v, 36, 0, 0, 0, 1, Paramento::Parete, Pq);
    const double Pc = 0.5 * 18 * 36 * KMononobeOkabe(36, 0, 0, 30, 0);
    EXPECT_NEAR(P, Pc, 1e-3 * Pc);
}

// A low back (0.5 m stem on a 0.5 m footing) puts the profile's closing
// point at 10 m, behind the last given point at 20 m, so the last side of
// the profile runs back toward the wall. A failure line flatter than the
// ground's 2.86° meets that side's line only behind the wall, which is no
// wedge at all: those angles are skipped, and the thrust is Coulomb's on the
// flat ground next to the wall, ½·18·0.5²·tan²30° = 0.75, not a huge folded
// "wedge" near 2° taken for a ground too steep.
TEST(SpintaMassima, ClosingPointBehindTheLastSideGivesNoWedgeBehindTheWall) {
    DatiMuro d;
    d.H = 0.5f;
    d.h3 = 0.5f;
    d.lati = {{8, 0, 0}, {12, 0.6f, 0}};
    VariabiliPubbliche v = CostruisceMuro(d);
    ASSERT_LT(v.ProfiloTerreno.Xi(v.ProfiloTerreno.nVertici), v.ProfiloTerreno.Xi(3));
    float Pq = 0;
    EXPECT_FALSE(SpintaCuneo(v, 2, 30, 0, 0, 0, 1, Paramento::Parete, Pq).has_value());
    EXPECT_NEAR(SpintaMassima(v, 30, 0, 0, 0, 1, Paramento::Parete, Pq), 0.75, 0.75e-3);
}

TEST(SpintaCuneo, WedgesThatCannotBeComputedStopTheCalculation) {
    struct Caso {
        float gamma, fattoreKv;
        const char* testo;
    };
    const Caso casi[] = {
        {0, 1, "SpintaCuneo: cuneo senza carico"},  // no soil weight, no surcharge: V = 0
        {18, 0, "SpintaCuneo: fattore sismico verticale 1 + kv nullo"},
    };
    for (const Caso& c : casi) {
        DatiMuro d;
        d.gamma = c.gamma;
        VariabiliPubbliche v = CostruisceMuro(d);
        float Pq = 0;
        try {
            SpintaCuneo(v, 60, 30, 0, 0, 5, c.fattoreKv, Paramento::Parete, Pq);
            FAIL() << c.testo;
        } catch (const ErroreCalcolo& e) {
            EXPECT_STREQ(e.what(), c.testo);
        }
    }
}

// One wedge by hand: vertical back 6 m, flat ground, θ = 60°: area
// ½·6·6 cot 60° = 10.392 m², γGS = 1.1, q = 10 over xc = 3.464 with γQ = 1.5:
// V = 18·10.392·1.1 + 1.5·34.64 = 257.73; P = V sin 30° / cos 30° = 148.80,
// Pq = P·(1.5·34.64)/V = 1.5·34.64·tan 30° = 30.00.
TEST(SpintaCuneo, OneWedgeByHandWithTheFactorsOfTheCheck) {
    DatiMuro d;
    d.lati = {{30, 0, 10}};
    VariabiliPubbliche v = CostruisceMuro(d);
    v.GammaCuneo = 1.1f;
    v.GammaSovraccarico = 1.5f;
    float Pq = 0;
    const float P = SpintaCuneo(v, 60, 30, 0, 0, 0, 1, Paramento::Parete, Pq).value();
    EXPECT_NEAR(P, 148.80, 0.01);
    EXPECT_NEAR(Pq, 30.00, 0.01);
    EXPECT_EQ(v.PolCuneoParete.nVertici(), 4);  // stem vertices 1, 2, 3 and the crossing
    EXPECT_NEAR(v.PolCuneoParete.Xi(4), 6 / std::sqrt(3.0), 1e-5);
}

// Once the first wedge of a profile has sized the buffers (the wedge
// polygon, the loaded lengths), a whole search allocates nothing.
TEST(SpintaMassima, AllocatesNothingAfterTheFirstWedge) {
    DatiMuro d;
    d.h1 = 1;
    d.lati = {{1, 0.2f, 10}, {2, 0.5f, 20}, {3, 0, 0}, {2, -0.3f, 15}, {30, 1, 5}};
    VariabiliPubbliche v = CostruisceMuro(d);
    {
        test::ContaAllocazioni conta;  // the counter sees an allocation
        auto p = std::make_unique<int>(1);
        ASSERT_EQ(conta.conta(), 1u);
    }
    for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
        float Pq = 0;
        ASSERT_TRUE(SpintaCuneo(v, 88, 30, 20, 0, 0, 1, quale, Pq).has_value());
        test::ContaAllocazioni conta;
        SpintaMassima(v, 30, 20, 0, 0, 1, quale, Pq);
        SpintaMassima(v, 30, 20, 0, 8, 1.1f, quale, Pq);
        EXPECT_EQ(conta.conta(), 0u);
    }
}

}  // namespace
}  // namespace tavo

namespace tavo {
namespace {

// The static combination does not run its seismic search again: that is
// sound only because a search with ψ = 0 and no vertical factor repeats the
// static one exactly, wedge included; with ψ > 0 the search does run.
TEST(SpintaMassimaSismica, WithoutSeismicAngleIsTheStaticSearch) {
    test::DatiMuro d;
    d.lati = {{3, 0.6f, 15}, {10, 2, 0}};
    VariabiliPubbliche v = test::CostruisceMuro(d);
    float Pq = 0;
    const float P0 = SpintaMassima(v, 30, 20, 0, 0, 1, Paramento::Parete, Pq);
    const double xFine = v.ProfiloTerreno.xFinePrisma;
    EXPECT_EQ(SpintaMassima(v, 30, 20, 0, 0, 1, Paramento::Parete, Pq), P0);
    EXPECT_EQ(v.ProfiloTerreno.xFinePrisma, xFine);
    EXPECT_EQ(SpintaMassimaSismica(v, 30, 20, 0, 0, 1, Paramento::Parete, P0), P0);
    EXPECT_GT(SpintaMassimaSismica(v, 30, 20, 0, 5, 1, Paramento::Parete, P0), P0);
}

}  // namespace
}  // namespace tavo
