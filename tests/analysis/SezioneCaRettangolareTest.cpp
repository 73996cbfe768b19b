#include "analysis/SezioneCaRettangolare.h"
#include "ports/ErroreCalcolo.h"
#include "tests/analysis/EquilibrioSezione.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace tavo {
namespace {

// A 1 m strip, 500 mm deep, bars 40 mm from the faces, modular ratio 15.
SezioneCaRettangolare sezione(double Ast, double A1st, double M, double N, double V = 100e3) {
    SezioneCaRettangolare s;
    s.b = 1000.0;
    s.H = 500.0;
    s.h1 = 40.0;
    s.EsSuEc = 15.0;
    s.Ast = Ast;
    s.A1st = A1st;
    s.M = M;
    s.n = N;
    s.V = V;
    return s;
}

enum class Asse { Interno, OltreLaSezione, SopraLaSezione };

struct CasoVerifica {
    const char* nome;
    double Ast, A1st, M, N;
    Asse asse;
};

std::ostream& operator<<(std::ostream& os, const CasoVerifica& c) { return os << c.nome; }

class VerificaControEquilibrio : public ::testing::TestWithParam<CasoVerifica> {};

// Neutral axis and stresses against the independent equilibrium solution.
TEST_P(VerificaControEquilibrio, AsseNeutroETensioni) {
    const CasoVerifica& c = GetParam();
    test::RecordingMessagePort porta;
    SezioneCaRettangolare s = sezione(c.Ast, c.A1st, c.M, c.N);
    s.Verifica();

    const auto atteso = test::risolviEquilibrio({s.b, s.H, s.h1, c.Ast, c.A1st, s.EsSuEc, c.M, c.N});
    ASSERT_TRUE(atteso);
    switch (c.asse) {
        case Asse::Interno:
            ASSERT_GT(atteso->asse, 0.0);
            ASSERT_LT(atteso->asse, s.H);
            EXPECT_NEAR(s.AsseNeutro, atteso->asse, 1e-7 * s.H);
            break;
        case Asse::OltreLaSezione:  // whole section compressed
            ASSERT_GT(atteso->asse, s.H);
            EXPECT_EQ(s.AsseNeutro, s.H);
            break;
        case Asse::SopraLaSezione:  // whole section in tension
            ASSERT_LT(atteso->asse, 0.0);
            EXPECT_EQ(s.AsseNeutro, 0.0);
            break;
    }
    EXPECT_NEAR(s.SigmaC, atteso->sigmaC, 1e-7 * std::fabs(atteso->sigmaC) + 1e-9);
    EXPECT_NEAR(s.SigmaS, atteso->sigmaS, 1e-7 * std::fabs(atteso->sigmaS) + 1e-9);
    EXPECT_DOUBLE_EQ(s.TauC, 100e3 / (0.9 * 460.0 * 1000.0));  // V / (0.9 d b)
    EXPECT_DOUBLE_EQ(s.M, c.M);
    // Only an all-tension section meets the complex roots of the cubic.
    if (c.asse != Asse::SopraLaSezione) {
        EXPECT_EQ(porta.conta(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SezioneFessurata, VerificaControEquilibrio,
    ::testing::Values(
        CasoVerifica{"FlessioneSemplice", 1500, 0, 150e6, 0, Asse::Interno},
        CasoVerifica{"FlessioneSempliceNegativa", 1500, 0, -150e6, 0, Asse::Interno},
        CasoVerifica{"FlessioneArmaturaDoppia", 1500, 800, 150e6, 0, Asse::Interno},
        CasoVerifica{"PressoflessioneParzializzata", 1500, 0, 200e6, 500e3, Asse::Interno},
        CasoVerifica{"PressoflessioneParzializzataNegativa", 1500, 0, -200e6, 500e3, Asse::Interno},
        CasoVerifica{"PressoflessioneTuttaCompressa", 1500, 500, 50e6, 3000e3, Asse::OltreLaSezione},
        CasoVerifica{"PressoflessioneTuttaCompressaNegativa", 1500, 500, -50e6, 3000e3,
                     Asse::OltreLaSezione},
        CasoVerifica{"TensoflessioneParzializzata", 2000, 0, 300e6, -200e3, Asse::Interno},
        CasoVerifica{"TensoflessioneParzializzataNegativa", 2000, 0, -300e6, -200e3, Asse::Interno},
        CasoVerifica{"TensoflessioneTuttaTesa", 2000, 1000, 60e6, -500e3, Asse::SopraLaSezione},
        CasoVerifica{"TensoflessioneTuttaTesaNegativa", 2000, 1000, -60e6, -500e3,
                     Asse::SopraLaSezione}),
    [](const auto& info) { return std::string(info.param.nome); });

// Pure bending, closed form: b x^2 / 2 = n As (d - x), sigma_s = M / (As (d - x/3)).
TEST(Verifica, FlessioneSempliceFormaChiusa) {
    SezioneCaRettangolare s = sezione(1500, 0, 150e6, 0);
    s.Verifica();
    const double nAs = 15.0 * 1500.0;
    const double x = (-nAs + std::sqrt(nAs * nAs + 2.0 * 1000.0 * nAs * 460.0)) / 1000.0;
    EXPECT_NEAR(s.AsseNeutro, x, 1e-9);
    EXPECT_NEAR(s.SigmaS, 150e6 / (1500.0 * (460.0 - x / 3.0)), 1e-9);
    EXPECT_NEAR(s.SigmaC, 2.0 * 150e6 / (1000.0 * x * (460.0 - x / 3.0)), 1e-9);
}

TEST(Verifica, SenzaAzioniLaSezioneEIntegra) {
    SezioneCaRettangolare s = sezione(1500, 0, 0, 0, 50e3);
    s.Verifica();
    EXPECT_EQ(s.AsseNeutro, 500.0);
    EXPECT_EQ(s.SigmaC, 0.0);
    EXPECT_EQ(s.SigmaS, 0.0);
    EXPECT_DOUBLE_EQ(s.TauC, 50e3 / (0.9 * 460.0 * 1000.0));
}

// No tension steel: a no-tension rectangle, x = 3 (H/2 - e), sigma_c = 2 N / (b x).
TEST(Verifica, SenzaArmaturaTesaLaTensioneDellAcciaioENulla) {
    SezioneCaRettangolare s = sezione(0, 0, 100e6, 500e3);
    s.Verifica();
    EXPECT_NEAR(s.AsseNeutro, 3.0 * (250.0 - 200.0), 1e-9);
    EXPECT_NEAR(s.SigmaC, 2.0 * 500e3 / (1000.0 * 150.0), 1e-12);
    EXPECT_EQ(s.SigmaS, 0.0);
}

// A tension resultant between mid-depth and the only steel layer cannot be
// carried: the cubic's middle root is complex, and the box says so.
TEST(Verifica, TrazioneSenzaEquilibrioAvvisaDellaRadiceComplessa) {
    test::RecordingMessagePort porta;
    SezioneCaRettangolare s = sezione(2000, 0, 50e6, -500e3);
    s.Verifica();
    EXPECT_EQ(porta.testi(), std::vector<std::string>{" 3a radice complessa"});
    EXPECT_TRUE(std::isfinite(s.SigmaS));
    EXPECT_EQ(s.SigmaC, 0.0);
}

struct CasoErrore {
    const char* nome;
    SezioneCaRettangolare sezione;
    const char* messaggio;
};

std::ostream& operator<<(std::ostream& os, const CasoErrore& c) { return os << c.nome; }

class VerificaErrori : public ::testing::TestWithParam<CasoErrore> {};

TEST_P(VerificaErrori, FermaIlCalcoloConIlSuoMessaggio) {
    SezioneCaRettangolare s = GetParam().sezione;
    try {
        s.Verifica();
        FAIL() << "nessun errore";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), GetParam().messaggio);
    }
    for (double v : {s.AsseNeutro, s.Aideale, s.yG, s.JG, s.SigmaC, s.SigmaS, s.TauC})
        EXPECT_TRUE(std::isfinite(v));
}

SezioneCaRettangolare senzaCopriferroUtile() {
    SezioneCaRettangolare s = sezione(1500, 0, 100e6, 0);
    s.h1 = s.H;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    SezioneNonRisolubile, VerificaErrori,
    ::testing::Values(
        // pure tension on a section without steel: nothing reacts
        CasoErrore{"TrazioneSenzaArmatura", sezione(0, 0, 0, -100e3),
                   "Errore in Verifica: divisione per zero"},
        CasoErrore{"AltezzaUtileNulla", senzaCopriferroUtile(), "Errore in Verifica: divisione per zero"},
        CasoErrore{"MomentoFuoriScala", sezione(1500, 0, 1e308, 0), "Errore in Verifica: overflow"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace tavo
