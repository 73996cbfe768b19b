#include "analysis/SpintaTerre.h"
#include "geometry/PiGreco.h"
#include "tests/analysis/ContaAllocazioni.h"
#include "tests/analysis/MuroDiProva.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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

// One descending pass in steps of dTheta from theta: stops at the first
// thrust that does not exceed the one before and rebuilds the wedge of the
// angle before it, which comes back in theta. NaN when the thrust grows to
// the last angle.
float Discesa(VariabiliPubbliche& v, float phi, float delta, Paramento quale, float& theta,
              float dTheta, float& Pq) {
    theta = theta + dTheta;
    float precedente = 0;
    while (theta > 2) {
        theta = theta - dTheta;
        const float P = SpintaCuneo(v, theta, phi, delta, 0, 0, 1, quale, Pq).value();
        if (P <= precedente) {
            theta = theta + dTheta;
            return SpintaCuneo(v, theta, phi, delta, 0, 0, 1, quale, Pq).value();
        }
        precedente = P;
    }
    return std::nanf("");
}

// A search that stops at the first drop of each pass: a descent in steps of
// 2° from 88°, then a descent in steps of 0.2° from 2° above it.
float SpintaPrimoMassimo(VariabiliPubbliche& v, float phi, float delta, Paramento quale,
                         float& Pq) {
    float theta = 88;
    (void)Discesa(v, phi, delta, quale, theta, 2, Pq);
    theta = theta + 2;
    return Discesa(v, phi, delta, quale, theta, 0.2f, Pq);
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
// x = 4 to 4.2 m, which the failure line passes wholly at θs = atan(5/4.2) =
// 49.97°. By hand: past the strip P = (45·5 cot θ + 200) tan(θ − 30°),
// falling below θs, so the largest thrust is at θs itself:
// (45·4.2 + 200)·tan 19.97° = 389·tan 19.97° = 141.352, narrower than any
// grid (on the 0.2° grid the best is 49.8°, 140.46, 0.6 % low). The steps of
// 2° find 50° (139.87); 2° above it, at 52°, the wedge stops short of the
// strip and carries 45·5 cot 52°·tan 22° = 71.02, more than at 51.8°: a
// refinement that stops at its first drop returns that.
TEST(SpintaMassima, RefinementCrossesTheDipBeforeASurchargeStrip) {
    DatiMuro d;
    d.H = 5;
    d.lati = {{4, 0, 0}, {0.2f, 0, 1000}, {20, 0, 0}};
    VariabiliPubbliche v = CostruisceMuro(d);
    float Pq = 0;
    const float P = SpintaMassima(v, 30, 0, 0, 0, 1, Paramento::Parete, Pq);
    const double ts = std::atan(5 / 4.2);
    const double Pmax = 389 * std::tan(ts - rad(30));
    EXPECT_LE(P, Pmax * (1 + 1e-6));
    EXPECT_GE(P, Pmax * (1 - 1e-4));
    EXPECT_NEAR(v.ProfiloTerreno.xFinePrisma, 4.2, 1e-3);
    EXPECT_NEAR(Pq, P * 200 / 389, 0.01);
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

// No soil, no thrust: a wedge with nothing to weigh (no soil weight, no
// surcharge) and a back whose foot stands at or above the ground beside it
// (ground falling away behind a low heel, a ground stepping down from the
// backwall's top below the stem's foot, as the shortened stems of the
// reinforcement report have) push with 0, and the calculation goes on.
TEST(SpintaMassima, NoSoilAgainstTheBackGivesNoThrust) {
    struct Caso {
        const char* nome;
        test::DatiMuro d;
        Paramento quale;
    };
    const std::vector<test::LatoTerreno> gradino{{0, -7, 20}, {30, 0, 20}};
    const Caso casi[] = {
        {"peso nullo, parete", test::DatiMuro{.gamma = 0}, Paramento::Parete},
        {"peso nullo, fondazione", test::DatiMuro{.gamma = 0}, Paramento::Fondazione},
        {"peso nullo, sovraccarico oltre il cuneo", test::DatiMuro{.gamma = 0,
                                                                   .lati = {{30, 0, 0}, {5, 0, 50}}},
         Paramento::Parete},
        // At the heel end (x = 3) the ground lies at 6 − 3·3 = −3, below the
        // foot at −1; further on it only falls.
        {"terreno sotto il piede della fondazione", test::DatiMuro{.lati = {{10, -30, 5}}},
         Paramento::Fondazione},
        // The ground at the heel end exactly at the foot's level.
        {"terreno al piede della fondazione", test::DatiMuro{.lati = {{3, -7, 0}, {20, 0, 0}}},
         Paramento::Fondazione},
        {"gradino sotto il piede della parete", test::DatiMuro{.lati = gradino}, Paramento::Parete},
        {"gradino sotto il piede della parete inclinata", test::DatiMuro{.i = 10, .lati = gradino},
         Paramento::Parete},
        {"gradino sotto il piede della fondazione", test::DatiMuro{.i = 10, .lati = gradino},
         Paramento::Fondazione},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        VariabiliPubbliche v = test::CostruisceMuro(c.d);
        for (float psi : {0.0f, 8.0f}) {
            float Pq = -1;
            EXPECT_EQ(SpintaMassima(v, 30, 20, 0, psi, 1.05f, c.quale, Pq), 0.0f);
            EXPECT_EQ(Pq, 0.0f);
        }
        float Pq = -1;
        EXPECT_EQ(SpintaCuneo(v, 50, 30, 20, 0, 0, 1, c.quale, Pq), std::optional<float>(0.0f));
        EXPECT_EQ(Pq, 0.0f);
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

namespace tavo {
namespace {

// ---- Only wedges whose force polygon closes --------------------------------

// A wall under a straight ground from the top of its back: slope beta, a
// surcharge q on the first 20 m, every partial factor 1 (DM 1996).
struct CasoFisico {
    const char* nome;
    float H, h1, i;     // stem height, backwall height, batter %
    float beta, q;      // ground slope (deg), surcharge on the first 20 m
    float phi, delta;   // design friction angle, friction on the back
    float psi, kv;      // seismic angle and vertical coefficient (factor 1 + kv)
};

void PrintTo(const CasoFisico& c, std::ostream* os) { *os << c.nome; }

constexpr float LatoCaricato = 20;

test::DatiMuro Muro(const CasoFisico& c) {
    test::DatiMuro d;
    d.H = c.H;
    d.h1 = c.h1;
    d.i = c.i;
    d.lati = {{LatoCaricato, static_cast<float>(LatoCaricato * std::tan(rad(c.beta))), c.q}};
    return d;
}

struct Spinta {
    double P, Pq;
};

// Brute force, written from the wedge's geometry alone: every angle from 2°
// to 88° in steps of 0.001°, the wedge the polygon of the back and the
// crossing of the failure line with the straight ground, and only the angles
// whose force polygon closes with forces that are not negative:
// sin(θ − φ + ψ) ≥ 0 and cos(θ − φ − δ − ε) > 0.
Spinta ForzaBruta(const CasoFisico& c, Paramento quale, double eps) {
    const test::DatiMuro d = Muro(c);
    const double xt = -c.H * c.i / 100.0, yt = c.H + c.h1;  // top of the back, start of the ground
    const double tb = std::tan(rad(c.beta));
    const bool parete = quale == Paramento::Parete;
    const double x0 = parete ? 0 : d.L2, y0 = parete ? 0 : -d.h3;
    // The back from its foot to the ground: stem face and backwall, or the
    // vertical through the heel end.
    std::vector<std::array<double, 2>> dorso{{x0, y0}};
    if (parete)
        dorso.insert(dorso.end(), {{xt, c.H}, {xt, yt}});
    else
        dorso.push_back({x0, yt + (x0 - xt) * tb});
    const double xCarico = parete ? xt : x0;  // where the loaded ground starts
    Spinta massimo{0, 0};
    for (int k = 2000; k <= 88000; ++k) {
        const double theta = k / 1000.0;
        const double s = std::sin(rad(theta - c.phi + c.psi));
        const double co = std::cos(rad(theta - c.phi - c.delta - eps));
        const double den = std::sin(rad(theta)) - std::cos(rad(theta)) * tb;
        if (s < 0 || co <= 0 || den <= 0) continue;
        const double t = (yt - y0 + (x0 - xt) * tb) / den;
        const double xc = x0 + t * std::cos(rad(theta)), yc = y0 + t * std::sin(rad(theta));
        std::vector<std::array<double, 2>> p = dorso;
        p.push_back({xc, yc});
        double A2 = 0;
        for (std::size_t j = 0; j < p.size(); ++j) {
            const auto& a = p[j];
            const auto& b = p[(j + 1) % p.size()];
            A2 += a[0] * b[1] - b[0] * a[1];
        }
        const double Q = c.q * std::max(0.0, std::min(xc, xt + LatoCaricato) - xCarico);
        const double V = d.gamma * std::abs(A2) / 2 + Q;
        const double P = V * s / std::cos(rad(c.psi)) / co * (1 + c.kv);
        if (P > massimo.P) massimo = {P, P * Q / V};
    }
    return massimo;
}

class SpintaRamoFisico : public ::testing::TestWithParam<CasoFisico> {};

// Where φ + δ + ε passes 90° the formula's denominator turns negative below
// θ = φ + δ + ε − 90°, where sin(θ − φ + ψ) is negative as well: the thrust
// there is positive and without limit, but no force polygon closes. The
// search takes its largest thrust on the closing wedges only.
TEST_P(SpintaRamoFisico, LargestThrustOfTheClosingWedgesAsTheBruteForce) {
    const CasoFisico& c = GetParam();
    for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
        SCOPED_TRACE(quale == Paramento::Parete ? "parete" : "fondazione");
        VariabiliPubbliche v = test::CostruisceMuro(Muro(c));
        const float eps = quale == Paramento::Parete ? gradi(std::atan(c.i / 100.0)) : 0.0f;
        float Pq = -1;
        const float P = SpintaMassima(v, c.phi, c.delta, eps, c.psi, 1 + c.kv, quale, Pq);
        const Spinta atteso = ForzaBruta(c, quale, eps);
        EXPECT_NEAR(P, atteso.P, 1e-3 * atteso.P);
        EXPECT_NEAR(Pq, atteso.Pq, 1e-3 * atteso.P);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ForzaBruta, SpintaRamoFisico,
    ::testing::Values(
        // DM 1996, stem 4 m + backwall 1 m, q = 10 on 20 m, φ = δ = 45°: the
        // stem's thrust is about 61.2 kN/m, not the 827,449 of the wedge at 2°.
        CasoFisico{"esempio_scarpa_10", 4, 1, 10, 0, 10, 45, 45, 0, 0},
        // The same wall with a 5 % batter, once refused as a ground too steep.
        CasoFisico{"esempio_scarpa_5", 4, 1, 5, 0, 10, 45, 45, 0, 0},
        CasoFisico{"delta_oltre_phi", 6, 0, 0, 0, 0, 30, 70, 0, 0},
        CasoFisico{"delta_oltre_phi_pendio_scarpa", 5, 1, 10, 2, 5, 30, 65, 0, 0},
        CasoFisico{"phi_40_scarpa_20", 6, 0, 20, 0, 10, 40, 40, 0, 0},
        CasoFisico{"phi_45_pendio_in_discesa", 3, 0.5f, 8, -10, 12, 45, 45, 0, 0},
        CasoFisico{"sismica_kv_positivo", 5, 1, 10, 5, 10, 42, 48, 6, 0.05f},
        CasoFisico{"sismica_kv_negativo", 5, 0, 10, 0, 0, 42, 50, 8, -0.07f},
        CasoFisico{"ordinario", 6, 0, 5, 10, 10, 30, 20, 0, 0}),
    [](const ::testing::TestParamInfo<CasoFisico>& i) { return std::string(i.param.nome); });

// The example's figure itself, from the brute force that the search is held to.
TEST(SpintaMassima, ExampleWallGivesTheThrustOfTheClosingWedges) {
    const CasoFisico c{"esempio", 4, 1, 10, 0, 10, 45, 45, 0, 0};
    VariabiliPubbliche v = test::CostruisceMuro(Muro(c));
    float Pq = 0;
    const float P = SpintaMassima(v, 45, 45, gradi(std::atan(0.1)), 0, 1, Paramento::Parete, Pq);
    EXPECT_NEAR(P, 61.2, 0.1);
    EXPECT_NEAR(ForzaBruta(c, Paramento::Parete, gradi(std::atan(0.1))).P, 61.2, 0.1);
}

// Results of walls whose largest thrust lay on the closing wedges before the
// search was limited to them, as the search gave them then: P, Pq and the
// end of the wedge's top, to the last bit, on the stem and on the heel;
// γGS = 1.1, γQ = 1.5.
TEST(SpintaMassima, ThrustsOfClosingWedgesAreUnchangedToTheLastBit) {
    struct Caso {
        test::DatiMuro d;
        float phi, delta, psi, fattoreKv;
        float P[2], Pq[2];
        double xFine[2];
    };
    const std::vector<test::LatoTerreno> rilevato{
        {3, 0, 20}, {2, 0.3f, 20}, {7, 0, 20}, {4, 1, 5}, {15, 0, 0}};
    const Caso casi[] = {
        {test::DatiMuro{}, 30, 0, 0, 1,
         {0x1.db3332p+6f, 0x1.436666p+7f}, {0x0p+0f, 0x0p+0f},
         {0x1.bb67b4p+1, 0x1.c2a72ap+2}},
        {test::DatiMuro{.h1 = 1, .i = 5, .lati = rilevato}, 24.79f, 20, 0, 1,
         {0x1.106c4ap+8f, 0x1.4d45bp+8f}, {0x1.4a5bdp+6f, 0x1.66a6fap+6f},
         {0x1.6d044ap+2, 0x1.2f827p+3}},
        {test::DatiMuro{.h1 = 1, .i = 5, .lati = rilevato}, 24.79f, 20, 7.5f, 1.06f,
         {0x1.799654p+8f, 0x1.cd53d6p+8f}, {0x1.c5fd08p+6f, 0x1.efb8cp+6f},
         {0x1.f18484p+2, 0x1.74f718p+3}},
        {test::DatiMuro{.H = 4, .h1 = 1, .i = 10, .lati = {{20, 0, 10}}}, 38, 25, 0, 1,
         {0x1.49c88ap+6f, 0x1.830078p+6f}, {0x1.2c9b38p+4f, 0x1.381926p+4f},
         {0x1.4bbea2p+1, 0x1.969c42p+2}},
        {test::DatiMuro{.H = 5, .i = -4, .lati = {{10, 1.5f, 0}, {20, 0, 15}}}, 33, 22, 4, 0.95f,
         {0x1.33bd8p+6f, 0x1.0d2214p+7f}, {0x0p+0f, 0x0p+0f},
         {0x1.253072p+2, 0x1.174d54p+3}},
        {test::DatiMuro{.H = 5, .lati = {{4, 0, 0}, {6, 0, 80}, {20, 0, 0}}}, 30, 0, 0, 1,
         {0x1.8cb8cp+6f, 0x1.27a12cp+8f}, {0x1.226e52p+5f, 0x1.656afap+7f},
         {0x1.500882p+2, 0x1.c6ee2ep+2}},
        {test::DatiMuro{.H = 6, .i = 20, .lati = {{40, 8, 5}}}, 36, 30, 0, 1,
         {0x1.3770a6p+7f, 0x1.698452p+7f}, {0x1.0dbd0cp+4f, 0x1.fdae6p+3f},
         {0x1.0e4aaep+2, 0x1.1e8deep+3}},
        {test::DatiMuro{.lati = {{1, 0.2f, 10}, {2, 0.5f, 20}, {3, 0, 0}, {2, -0.3f, 15}, {30, 1, 5}}},
         30, 20, 10, 1.1f,
         {0x1.e4c538p+7f, 0x1.2bbbcap+8f}, {0x1.55ac8p+5f, 0x1.e4c0e6p+4f},
         {0x1.b69b68p+2, 0x1.4202fp+3}},
    };
    for (const Caso& c : casi) {
        for (int k = 0; k < 2; ++k) {
            const Paramento quale = k == 0 ? Paramento::Parete : Paramento::Fondazione;
            VariabiliPubbliche v = test::CostruisceMuro(c.d);
            v.GammaCuneo = 1.1f;
            v.GammaSovraccarico = 1.5f;
            const float eps = k == 0 ? gradi(std::atan(c.d.i / 100.0)) : 0.0f;
            float Pq = 0;
            EXPECT_EQ(SpintaMassima(v, c.phi, c.delta, eps, c.psi, c.fattoreKv, quale, Pq), c.P[k]);
            EXPECT_EQ(Pq, c.Pq[k]);
            const ProfTerra& profilo = k == 0 ? v.ProfiloTerreno : v.ProfiloTerrenoFondazione;
            EXPECT_EQ(static_cast<double>(profilo.xFinePrisma), c.xFine[k]);
        }
    }
}

// ---- Data that leave the search without a maximum --------------------------

// Flat ground without surcharge: the ground is never the cause, and the
// message names the data that are.
TEST(SpintaMassima, SearchWithoutMaximumNamesItsCause) {
    const std::string senzaMassimo =
        "la spinta cresce fino al cuneo di 2° senza raggiungere un massimo.";
    const std::string poligonoAperto =
        ": il poligono delle forze del cuneo non si chiude e la spinta non ha un massimo.";
    struct Caso {
        const char* nome;
        std::int16_t normativa;
        float gamma, i, phi, delta, psi;
        bool soloParete;  // the batter is the stem's only
        std::string testo;
    };
    const Caso casi[] = {
        {"phi nullo", NormativaDM1996, 18, 0, 0, 20, 0, false,
         "L'angolo di attrito di progetto è nullo: " + senzaMassimo},
        {"phi negativo", NormativaDM1996, 18, 0, -5, 10, 0, false,
         "L'angolo di attrito di progetto è negativo: " + senzaMassimo},
        // With φ + δ + ε below 0 the closing wedges end below the vertical.
        {"phi negativo senza attrito sul muro", NormativaDM1996, 18, 0, -5, 0, 0, false,
         "La somma dell'angolo di attrito di progetto e dell'angolo di attrito terra-muro è "
         "negativa" + poligonoAperto},
        {"paramento strapiombante", NormativaDM1996, 18, -5, 2, 0, 0, true,
         "La somma dell'angolo di attrito di progetto, dell'angolo di attrito terra-muro e "
         "dell'inclinazione del paramento è negativa" + poligonoAperto},
        {"delta 90", NormativaDM1996, 18, 0, 30, 90, 0, false,
         "L'angolo di attrito terra-muro raggiunge o supera 90°" + poligonoAperto},
        {"delta con la scarpa", NormativaDM1996, 18, 10, 30, 85, 0, true,
         "La somma dell'angolo di attrito terra-muro e dell'inclinazione del paramento "
         "raggiunge o supera 90°" + poligonoAperto},
        {"delta con l'angolo sismico", NormativaNTC2008, 18, 0, 30, 80, 12, false,
         "La somma dell'angolo di attrito terra-muro e dell'angolo sismico raggiunge o supera "
         "90°" + poligonoAperto},
        {"delta con scarpa e angolo sismico", NormativaNTC2008, 18, 10, 30, 80, 5, true,
         "La somma dell'angolo di attrito terra-muro, dell'inclinazione del paramento e "
         "dell'angolo sismico raggiunge o supera 90°" + poligonoAperto},
        {"peso specifico negativo", NormativaDM1996, -18, 0, 30, 20, 0, false,
         "Il peso specifico del terreno è negativo: la spinta delle terre non si può calcolare."},
        // kh = 0.5 with kv = −0.25 in combination 3: ψ = atan(0.5/0.75) = 33.7° > 24.79°.
        {"kh grande", NormativaNTC2008, 18, 0, 24.79f, 20, gradi(std::atan(0.5 / 0.75)), false,
         "Il coefficiente sismico orizzontale kh è troppo grande per l'angolo di attrito di "
         "progetto: l'angolo sismico lo raggiunge e " + senzaMassimo},
        // S = 60 gives kh = 0.58 and ψ = 30.1° > φ = 30°.
        {"grado di sismicità enorme", NormativaDM1996, 18, 0, 30, 0, gradi(std::atan(0.58)), false,
         "Il grado di sismicità è troppo grande per l'angolo di attrito interno: l'angolo "
         "sismico lo raggiunge e " + senzaMassimo},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::DatiMuro d;
        d.gamma = c.gamma;
        d.i = c.i;
        d.lati = {{30, 0, 0}};
        for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
            if (c.soloParete && quale == Paramento::Fondazione) continue;
            VariabiliPubbliche v = test::CostruisceMuro(d);
            v.Normativa = c.normativa;
            const float eps = quale == Paramento::Parete ? gradi(std::atan(c.i / 100.0)) : 0.0f;
            float Pq = 0;
            try {
                SpintaMassima(v, c.phi, c.delta, eps, c.psi, 1, quale, Pq);
                FAIL() << "no error";
            } catch (const ErroreRicercaSpinta& e) {
                EXPECT_EQ(e.what(), c.testo);
            }
        }
    }
}

}  // namespace
}  // namespace tavo

namespace tavo {
namespace {

// ---- A ground falling into a battered stem ----------------------------------

struct Vertice {
    double x, y;
};

// Shoelace area of a simple polygon.
double AreaPoligono(const std::vector<Vertice>& p) {
    double A2 = 0;
    for (std::size_t j = 0; j < p.size(); ++j) {
        const Vertice& a = p[j];
        const Vertice& b = p[(j + 1) % p.size()];
        A2 += a.x * b.y - b.x * a.y;
    }
    return std::abs(A2) / 2;
}

// Stem 6 m with a batter of 20 % and no backwall: its back face runs from
// the foot (0, 0) to the top (−1.2, 6), on the line x = −y/5; the ground
// starts at the top and its first side falls more steeply than the face,
// into the concrete (the stem spans −1.8 ≤ x ≤ −y/5). The soil against the
// back lies only below the point E where the ground comes out of the face;
// the wedge at θ is the soil between the face from the foot to E, the ground
// from E on and the failure line y = x·tan θ. Built literally from the top
// of the back, the wedge would run up the face to the top, down the ground
// inside the stem and back out through E: a lobe of concrete between the
// face and the ground above E, counted with the other sign.
//
// Case "piatto": sides (0.5, −4), (30, 0), no surcharge. The ground reaches
// (−0.7, 2) inside the stem and runs flat at y = 2, coming out at E =
// (−0.4, 2); the failure line meets it at C = (2 cot θ, 2). Wedge (0, 0), E,
// C: A = ½·2·(2 cot θ + 0.4) = 2 cot θ + 0.4. (The folded polygon would give
// that less the lobe E, (−1.2, 6), (−0.7, 2) of ½·0.3·4 = 0.6, counted
// negative: 2 cot θ − 0.2.)
//
// Case "in salita": sides (0.2, −3, q 20), (4, −1, q 10), (30, 0, q 5). The
// ground reaches (−1, 3) inside the stem (the face is at x = −0.6 there);
// side 2, x = −1 + 4t, y = 3 − t, meets the face when −1 + 4t = −(3 − t)/5,
// t = 2/19: E = (−11/19, 55/19); it ends at (3, 2), then the ground is flat.
// For θ above atan(2/3) = 33.7° the failure line meets side 2, y = 3 −
// (x + 1)/4, at x = 2.75/(tan θ + 0.25): wedge (0, 0), E, C; below it meets
// y = 2 at x = 2 cot θ: wedge (0, 0), E, (3, 2), C. The surcharge stands on
// the ground from E on: q 10 up to x = 3, q 5 beyond; side 1, in the
// concrete, carries none.
struct CasoScarpa {
    const char* nome;
    std::vector<test::LatoTerreno> lati;
    float phi, delta;
    std::vector<float> angoli;
};

// The wedge at theta by hand, and the surcharge on its top.
struct CuneoAMano {
    std::vector<Vertice> vertici;
    double Q;
};

CuneoAMano CuneoScarpaAMano(const std::string& nome, double theta) {
    const double t = std::tan(rad(theta));
    if (nome == "piatto") return {{{0, 0}, {-0.4, 2}, {2 / t, 2}}, 0};
    const Vertice E{-11.0 / 19, 55.0 / 19};
    if (theta > gradi(std::atan(2.0 / 3))) {
        const double xc = 2.75 / (t + 0.25);
        return {{{0, 0}, E, {xc, xc * t}}, 10 * (xc - E.x)};
    }
    return {{{0, 0}, E, {3, 2}, {2 / t, 2}}, 10 * (3 - E.x) + 5 * (2 / t - 3)};
}

TEST(SpintaCuneo, GroundFallingIntoABatteredStemGivesTheWedgeOfTheSoilBelowItsExit) {
    const CasoScarpa casi[] = {
        {"piatto", {{0.5f, -4, 0}, {30, 0, 0}}, 30, 20, {40, 55, 70}},
        {"in salita", {{0.2f, -3, 20}, {4, -1, 10}, {30, 0, 5}}, 25, 10, {30, 50, 65}},
    };
    const float eps = gradi(std::atan(0.2));
    for (const CasoScarpa& c : casi) {
        DatiMuro d;
        d.i = 20;
        d.lati = c.lati;
        VariabiliPubbliche v = CostruisceMuro(d);
        for (float theta : c.angoli) {
            SCOPED_TRACE(std::string(c.nome) + ", theta " + std::to_string(theta));
            const CuneoAMano atteso = CuneoScarpaAMano(c.nome, theta);
            const double A = AreaPoligono(atteso.vertici);
            float Pq = -1;
            const float P = SpintaCuneo(v, theta, c.phi, c.delta, eps, 0, 1, Paramento::Parete, Pq)
                                .value();
            v.PolCuneoParete.AreaCalcola();
            EXPECT_NEAR(v.PolCuneoParete.Area, A, 1e-5 * A);
            // The force polygon, static, every factor 1.
            const double V = d.gamma * A + atteso.Q;
            const double Pm = V * std::sin(rad(theta - c.phi)) /
                              std::cos(rad(theta - c.phi - c.delta - eps));
            EXPECT_NEAR(P, Pm, 1e-5 * Pm);
            EXPECT_NEAR(Pq, Pm * atteso.Q / V, 1e-5 * Pm);
        }
    }
}

// The same stem with a ground that comes out of the face's line exactly at
// the foot (first side (0.5, −6), then flat at y = 0) or below it (first
// side (0.5, −7), then flat at y = −1): no soil stands against the back, so
// every wedge and the search give no thrust.
TEST(SpintaCuneo, GroundFallingThroughABatteredStemToItsFootGivesNoThrust) {
    for (float caduta : {-6.0f, -7.0f}) {
        SCOPED_TRACE(caduta);
        DatiMuro d;
        d.i = 20;
        d.lati = {{0.5f, caduta, 10}, {30, 0, 10}};
        VariabiliPubbliche v = CostruisceMuro(d);
        const float eps = gradi(std::atan(0.2));
        for (float theta : {35.0f, 50.0f, 70.0f}) {
            float Pq = -1;
            EXPECT_EQ(SpintaCuneo(v, theta, 30, 20, eps, 0, 1, Paramento::Parete, Pq),
                      std::optional<float>(0.0f));
            EXPECT_EQ(Pq, 0.0f);
        }
        float Pq = -1;
        EXPECT_EQ(SpintaMassima(v, 30, 20, eps, 0, 1, Paramento::Parete, Pq), 0.0f);
        EXPECT_EQ(Pq, 0.0f);
    }
}

}  // namespace
}  // namespace tavo
