#include "analysis/SezioneCaRettangolare.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo {
namespace {

using S = SezioneCaRettangolare;

struct CasoCubica {
    const char* nome;
    double a, b, c, d;
    std::int16_t Indice;
    RadiceEquazione atteso;
    double immaginaria;
    std::vector<std::string> messaggi;
};

std::ostream& operator<<(std::ostream& os, const CasoCubica& c) { return os << c.nome; }

class Cubica : public ::testing::TestWithParam<CasoCubica> {};

// Roots of cubics with known factors.
TEST_P(Cubica, RadiceOTesto) {
    const CasoCubica& c = GetParam();
    test::RecordingMessagePort porta;
    double immaginaria = 99.0;
    const RadiceEquazione r = S::sol_eq3(c.a, c.b, c.c, c.d, c.Indice, immaginaria);
    if (const auto* testo = std::get_if<std::string>(&c.atteso)) {
        ASSERT_TRUE(std::holds_alternative<std::string>(r));
        EXPECT_EQ(std::get<std::string>(r), *testo);
    } else {
        ASSERT_TRUE(std::holds_alternative<double>(r)) << std::get<std::string>(r);
        EXPECT_NEAR(std::get<double>(r), std::get<double>(c.atteso), 1e-9);
        EXPECT_NEAR(immaginaria, c.immaginaria, 1e-9);
    }
    EXPECT_EQ(porta.testi(), c.messaggi);
}

const double r3 = std::sqrt(3.0) / 2.0;

INSTANTIATE_TEST_SUITE_P(
    sol_eq3, Cubica,
    ::testing::Values(
        // (x - 1)(x - 2)(x - 3): 1 the largest, 2 the smallest, 3 the middle root
        CasoCubica{"TreRadiciReali1", 1, -6, 11, -6, 1, 3.0, 0, {}},
        CasoCubica{"TreRadiciReali2", 1, -6, 11, -6, 2, 1.0, 0, {}},
        CasoCubica{"TreRadiciReali3", 1, -6, 11, -6, 3, 2.0, 0, {}},
        // 2 (x^3 - 1): the real root and the pair -1/2 +- i sqrt(3)/2
        CasoCubica{"RadiceReale", 2, 0, 0, -2, 1, 1.0, 0, {}},
        CasoCubica{"Complessa2", 2, 0, 0, -2, 2, -0.5, r3, {" 2a radice complessa"}},
        CasoCubica{"Complessa3", 2, 0, 0, -2, 3, -0.5, -r3, {" 3a radice complessa"}},
        // (x - 1)^2 (x + 2): the simple root, then the double one
        CasoCubica{"RadiceDoppiaSemplice", 1, 0, -3, 2, 1, -2.0, 0, {}},
        CasoCubica{"RadiceDoppia", 1, 0, -3, 2, 3, 1.0, 0, {}},
        // the same with d + 1e-7: the discriminant (about 1e-7) is within |q|/1e6
        // of zero, so the root stays the double one, -3q/(2p) = (2 + 1e-7)/2
        CasoCubica{"QuasiDoppia", 1, 0, -3, 2 + 1e-7, 2, 1.0 + 0.5e-7, 0, {}},
        // (x - 2)^3: p = q = 0, the triple root without dividing by p
        CasoCubica{"RadiceTripla1", 1, -6, 12, -8, 1, 2.0, 0, {}},
        CasoCubica{"RadiceTripla2", 1, -6, 12, -8, 2, 2.0, 0, {}},
        CasoCubica{"RadiceTripla3", 1, -6, 12, -8, 3, 2.0, 0, {}},
        // a = 0: the quadratic x^2 - 3x + 2 = (x - 1)(x - 2)
        CasoCubica{"Quadratica1", 0, 1, -3, 2, 1, 2.0, 0, {}},
        CasoCubica{"Quadratica2", 0, 1, -3, 2, 2, 1.0, 0, {}},
        CasoCubica{"Quadratica3", 0, 1, -3, 2, 3, std::string("eq. di 2° grado"), 0, {}},
        CasoCubica{"QuadraticaP", 0, 1, -3, 2, 4, std::string("Errore 11 Divisione per zero"), 0, {}},
        // the reduced cubic of (x - 1)(x - 2)(x - 3): p = -1, q = 0, discriminant -1/27
        CasoCubica{"P", 1, -6, 11, -6, 4, -1.0, 0, {}},
        CasoCubica{"Q", 1, -6, 11, -6, 5, 0.0, 0, {}},
        CasoCubica{"Discriminante", 1, -6, 11, -6, 6, -1.0 / 27.0, 0, {}},
        // a vanishing against the others overflows: the quadratic's root
        CasoCubica{"CoefficienteDirettivoTrascurabile", 1e-300, 1, -3, 2, 1, 2.0, 0, {}}),
    [](const auto& info) { return std::string(info.param.nome); });

// A near-double root at which the cosine's argument rounds to exactly -1:
// the arc cosine is pi and the roots stay roots of the cubic (the quadratic
// of b, c, d has the root 0.40265, which would be wrong).
TEST(Cubica, ArgomentoDelCosenoAlLimite) {
    const double a = 1.0058516122436689, b = 18836.124086856289;
    const double c = -15098.907875729543, d = 3025.7304192943966;
    const double p = (c - b * b / (3 * a)) / a;
    const double q = (2 * b * b * b / (27 * a * a) - b * c / (3 * a) + d) / a;
    ASSERT_EQ(-q / 2 * std::sqrt(-27 / (p * p * p)), -1.0);
    for (std::int16_t indice : {1, 2, 3}) {
        double immaginaria;
        const double x = std::get<double>(S::sol_eq3(a, b, c, d, indice, immaginaria));
        const double scala = std::fabs(a * x * x * x) + std::fabs(b * x * x) + std::fabs(c * x) + std::fabs(d);
        EXPECT_LT(std::fabs(((a * x + b) * x + c) * x + d), 1e-7 * scala) << "Indice " << indice;
    }
    double immaginaria;
    EXPECT_EQ(std::get<double>(S::sol_eq3(a, b, c, d, 1, immaginaria)),
              std::get<double>(S::sol_eq3(a, b, c, d, 3, immaginaria)));
}

TEST(Cubica, IndiceFuoriDaUnoASei) {
    double immaginaria;
    try {
        S::sol_eq3(1, 0, 0, -1, 7, immaginaria);
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "sol_eq3: Indice fuori da 1..6");
    }
}

struct CasoQuadratica {
    const char* nome;
    double a, b, c;
    std::int16_t Indice;
    RadiceEquazione atteso;
};

std::ostream& operator<<(std::ostream& os, const CasoQuadratica& c) { return os << c.nome; }

class Quadratica : public ::testing::TestWithParam<CasoQuadratica> {};

TEST_P(Quadratica, RadiceOTesto) {
    const CasoQuadratica& c = GetParam();
    const RadiceEquazione r = S::sol_eq2(c.a, c.b, c.c, c.Indice);
    ASSERT_EQ(r.index(), c.atteso.index());
    if (const auto* x = std::get_if<double>(&c.atteso)) EXPECT_DOUBLE_EQ(std::get<double>(r), *x);
    else EXPECT_EQ(std::get<std::string>(r), std::get<std::string>(c.atteso));
}

INSTANTIATE_TEST_SUITE_P(
    sol_eq2, Quadratica,
    ::testing::Values(
        CasoQuadratica{"PiuRadice", 2, -6, 4, 1, 2.0},   // 2 (x - 1)(x - 2)
        CasoQuadratica{"MenoRadice", 2, -6, 4, 2, 1.0},
        CasoQuadratica{"RadiceImmaginaria", 1, 0, 1, 1, std::string("radice immaginaria")},
        CasoQuadratica{"Lineare", 0, 2, -4, 1, 2.0},
        CasoQuadratica{"LineareAltroIndice", 0, 2, -4, 2, std::string("eq. di 1° grado")},
        CasoQuadratica{"Costante", 0, 0, 5, 1, std::string("Errore 11 Divisione per zero")},
        CasoQuadratica{"TuttoNullo", 0, 0, 0, 1, std::string("Errore 6 Overflow")}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Lineare, RadiceOMessaggioDiErrore) {
    EXPECT_EQ(std::get<double>(S::sol_eq1(4, 2)), -0.5);
    EXPECT_EQ(std::get<std::string>(S::sol_eq1(0, 3)), "Errore 11 Divisione per zero");
    EXPECT_EQ(std::get<std::string>(S::sol_eq1(1e-300, 1e300)), "Errore 6 Overflow");
}

TEST(RadCubica, RadiceRealeColSegno) {
    EXPECT_DOUBLE_EQ(S::RadCubica(8.0), 2.0);
    EXPECT_DOUBLE_EQ(S::RadCubica(-27.0), -3.0);
    EXPECT_EQ(S::RadCubica(0.0), 0.0);
}

TEST(ArcCos, ValoriNotiELimiti) {
    const double pi = 4.0 * std::atan(1.0);
    EXPECT_DOUBLE_EQ(S::ArcCos(0.5), pi / 3.0);
    EXPECT_DOUBLE_EQ(S::ArcCos(-0.5), 2.0 * pi / 3.0);
    EXPECT_EQ(S::ArcCos(1.0), 0.0);
    EXPECT_EQ(S::ArcCos(-1.0), pi);
    for (double fuori : {1.0000001, -2.0, std::nan("")}) {
        try {
            S::ArcCos(fuori);
            FAIL() << fuori;
        } catch (const ErroreCalcolo& e) {
            EXPECT_STREQ(e.what(), "Errore in ArcCos: argomento fuori da [-1, 1]");
        }
    }
}

}  // namespace
}  // namespace tavo
