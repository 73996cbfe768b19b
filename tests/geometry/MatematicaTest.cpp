// Array utilities, parity tests and root finder.
#include "geometry/Matematica.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavo {
namespace {

TEST(IndiceInArray, OneBasedOrMinusOne) {
    const std::vector<double> a{4, 7, 7, 1};
    EXPECT_EQ(IndiceInArray(a, 7.0, 4), 2);
    EXPECT_EQ(IndiceInArray(a, 1.0, 3), -1);  // only 1..n
    EXPECT_EQ(IndiceInArray(a, 9.0, 4), -1);
    EXPECT_THROW(IndiceInArray(a, 9.0, 5), std::out_of_range);
}

TEST(IndiceSuccessivo, CircularOverOneToN) {
    EXPECT_EQ(IndiceSuccessivo(4, 4), 1);
    EXPECT_EQ(IndiceSuccessivo(4, 2), 3);
    EXPECT_EQ(IndicePrecedente(4, 1), 4);
    EXPECT_EQ(IndicePrecedente(4, 3), 2);
    int p = 0, u = 0;
    LimitiIndici(4, p, u);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(u, 4);
}

TEST(CopiaArray, AllOrFirstN) {
    const std::vector<int> a{1, 2, 3};
    EXPECT_EQ(CopiaArray(a), a);
    EXPECT_EQ(CopiaArray(a, 2), (std::vector<int>{1, 2}));
    EXPECT_THROW(CopiaArray(a, 4), std::out_of_range);
}

TEST(OrdinaIntervallo, StableWithPermutation) {
    std::vector<double> a{3, 1, 2, 1};
    std::vector<int> ordine;
    OrdinaIntervallo(a, 1, 4, ordine);
    EXPECT_EQ(a, (std::vector<double>{1, 1, 2, 3}));
    EXPECT_EQ(ordine, (std::vector<int>{2, 4, 3, 1}));
}

TEST(OrdinaIntervallo, SubRangeOnly) {
    std::vector<double> a{9, 3, 2, 1, 0};
    std::vector<int> ordine;
    OrdinaIntervallo(a, 2, 4, ordine);
    EXPECT_EQ(a, (std::vector<double>{9, 1, 2, 3, 0}));
    EXPECT_EQ(ordine[1], 4);
    EXPECT_EQ(ordine[2], 3);
    EXPECT_EQ(ordine[3], 2);
    EXPECT_THROW(OrdinaIntervallo(a, 0, 2), std::out_of_range);
}

TEST(OrdinaArray, FirstNItemsAndReorder) {
    std::vector<double> a{5, 4, 3, -1};
    std::vector<int> ordine;
    OrdinaArray(a, 3, ordine);
    EXPECT_EQ(a, (std::vector<double>{3, 4, 5, -1}));
    EXPECT_EQ(ordine, (std::vector<int>{3, 2, 1}));
    const std::vector<std::string> nomi{"a", "b", "c"};
    EXPECT_EQ(RiordinaConIndici(nomi, ordine), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(RiordinaConIndici(nomi, ordine, 2), (std::vector<std::string>{"c", "b"}));
    // Without n the whole of the values is reordered: a longer permutation
    // gives no extra element, a shorter one is an index error.
    EXPECT_EQ(RiordinaConIndici(std::vector<std::string>{"a", "b"}, {2, 1, 2}),
              (std::vector<std::string>{"b", "a"}));
    EXPECT_THROW(RiordinaConIndici(nomi, {3, 1}), std::out_of_range);
    std::vector<double> vuoto;
    OrdinaArray(vuoto, 0, ordine);  // nothing when n < 1
    EXPECT_EQ(ordine.size(), 3u);
}

TEST(Scambia, SwapAndNegate) {
    double a = 1, b = 2;
    Scambia(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    Scambia(a, b, true);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -2);
}

TEST(NumeroPari, IntegersOfBothSignsAndFractions) {
    EXPECT_TRUE(NumeroPari(4));
    EXPECT_FALSE(NumeroPari(3));
    EXPECT_FALSE(NumeroPari(-3));
    EXPECT_TRUE(NumeroPari(-4));
    EXPECT_TRUE(NumeroPari(0));
    EXPECT_FALSE(NumeroPari(2.5));
    EXPECT_TRUE(NumeroDispari(2.5));
    EXPECT_TRUE(NumeroDispari(3));
}

TEST(ArrayDimensionato, SizeProbes) {
    EXPECT_EQ(ArrayDimensionato(std::vector<double>{}), 0);
    EXPECT_EQ(ArrayDimensionato(std::vector<double>{1, 2}), 2);
    EXPECT_EQ(NumeroDimensioni(std::vector<double>{1, 2}), 1);
    const std::vector<std::vector<double>> m(3, std::vector<double>(2));
    EXPECT_EQ(ArrayDimensionato(m), 3);
    EXPECT_EQ(NumeroDimensioni(m), 2);
}

// Root finder (Illinois false position).

TEST(RisolveEquazione, SquareRootOfTwo) {
    test::RecordingMessagePort porta;
    double x1 = 0, x2 = 2;
    const auto r = RisolveEquazione([](double x) { return x * x - 2; }, x1, x2, 1e-9);
    ASSERT_TRUE(r.trovata());
    EXPECT_NEAR(r.x * r.x - 2, 0, 1e-9);
    EXPECT_NEAR(r.x, std::sqrt(2.0), 1e-9);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(RisolveEquazione, IllinoisStepsByHand) {
    // x^2 - 2 from (0, 2), traced by hand: x3 = 1 (f = -1, the ends swap),
    // 4/3 (f = -2/9, same sign: the kept end's f is halved from 2 to 1),
    // then 16/11; plain false position would go to 7/5 instead.
    test::RecordingMessagePort porta;
    std::vector<double> punti;
    auto f = [&](double x) { punti.push_back(x); return x * x - 2; };
    double x1 = 0, x2 = 2;
    ASSERT_TRUE(RisolveEquazione(f, x1, x2, 1e-9));
    ASSERT_GE(punti.size(), 5u);
    EXPECT_EQ(punti[0], 0);
    EXPECT_EQ(punti[1], 2);
    EXPECT_EQ(punti[2], 1);
    EXPECT_NEAR(punti[3], 4.0 / 3, 1e-15);
    EXPECT_NEAR(punti[4], 16.0 / 11, 1e-15);
    // The caller's ends followed the iteration and still bracket the root.
    EXPECT_LT((x1 * x1 - 2) * (x2 * x2 - 2), 0);
}

TEST(RisolveEquazione, CosXMinusX) {
    test::RecordingMessagePort porta;
    double x1 = 0, x2 = 1;
    const auto r = RisolveEquazione([](double x) { return std::cos(x) - x; }, x1, x2, 1e-12);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r.x, 0.7390851332151607, 1e-11);  // the Dottie number
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(RisolveEquazione, RootAtAnEndOfTheBracket) {
    test::RecordingMessagePort porta;
    int chiamate = 0;
    auto f = [&](double x) { ++chiamate; return x - 1; };
    double x1 = 1, x2 = 3;
    auto r = RisolveEquazione(f, x1, x2, 1e-12);
    ASSERT_TRUE(r.trovata());
    EXPECT_EQ(r.x, 1);
    EXPECT_EQ(chiamate, 1);  // f(x2) not evaluated
    x1 = -2;
    x2 = 1;
    r = RisolveEquazione(f, x1, x2, 1e-12);
    ASSERT_TRUE(r.trovata());
    EXPECT_EQ(r.x, 1);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(RisolveEquazione, RootAtZeroIsToldFromAFailure) {
    test::RecordingMessagePort porta;
    double x1 = 0, x2 = 1;
    const auto r = RisolveEquazione([](double x) { return x; }, x1, x2, 1e-12);
    ASSERT_TRUE(r.trovata());
    EXPECT_EQ(r.esito, EsitoEquazione::Trovata);
    EXPECT_EQ(r.x, 0);
}

TEST(RisolveEquazione, NoSignChangeIsAFailureWithItsMessage) {
    test::RecordingMessagePort porta;
    double x1 = 2, x2 = 3;
    const auto r = RisolveEquazione([](double x) { return x * x - 2; }, x1, x2, 1e-9);
    EXPECT_FALSE(r.trovata());
    EXPECT_EQ(r.esito, EsitoEquazione::NonCambiaSegno);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(x1, 2);  // untouched
    EXPECT_EQ(x2, 3);
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0], "ERRORE! La funzione non cambia segno fra x1 e x2");
    EXPECT_EQ(porta.registrati()[0].icona, Icona::Critico);
    EXPECT_FALSE(porta.registrati()[0].domanda);
}

// A jump without a root: the bracket closes on the jump but |f| never falls
// below the tolerance, so the iteration limit is reached.
double Gradino(double x) { return x < 0.3 ? -1.0 : 1.0; }

const char* const DomandaDopo101 =
    "ERRORE! Il procedimento non converge!\rSuperate  101 iterazioni.\rProseguire ?";
const char* const DomandaDopo201 =
    "ERRORE! Il procedimento non converge!\rSuperate  201 iterazioni.\rProseguire ?";
const char* const NonConvergente = "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!";

TEST(RisolveEquazione, QuestionAfterAHundredIterationsAnsweredNo) {
    test::RecordingMessagePort porta;
    porta.rispondi({false});
    double x1 = 0, x2 = 1;
    const auto r = RisolveEquazione(Gradino, x1, x2, 1e-9);
    EXPECT_FALSE(r.trovata());
    EXPECT_EQ(r.esito, EsitoEquazione::NonConverge);
    EXPECT_EQ(r.x, 0);
    ASSERT_EQ(porta.conta(), 2u);
    EXPECT_TRUE(porta.registrati()[0].domanda);
    EXPECT_EQ(porta.testi()[0], DomandaDopo101);
    EXPECT_FALSE(porta.registrati()[1].domanda);
    EXPECT_EQ(porta.testi()[1], NonConvergente);
    // The caller's ends were overwritten by the iteration and bracket the jump.
    EXPECT_LE(std::min(x1, x2), 0.3);
    EXPECT_GE(std::max(x1, x2), 0.3);
}

TEST(RisolveEquazione, QuestionAnsweredYesThenNo) {
    test::RecordingMessagePort porta;
    porta.rispondi({true, false});
    double x1 = 0, x2 = 1;
    const auto r = RisolveEquazione(Gradino, x1, x2, 1e-9);
    EXPECT_EQ(r.esito, EsitoEquazione::NonConverge);
    ASSERT_EQ(porta.conta(), 3u);
    EXPECT_EQ(porta.testi()[0], DomandaDopo101);
    EXPECT_EQ(porta.testi()[1], DomandaDopo201);
    EXPECT_EQ(porta.testi()[2], NonConvergente);
}

TEST(RisolveEquazione, YesLetsALateRootBeFound) {
    // A slowly converging function: the question comes, Yes, and then the
    // root is found within the next hundred iterations.
    test::RecordingMessagePort porta;
    porta.rispondi({true});
    int chiamate = 0;
    auto f = [&](double x) { ++chiamate; return chiamate < 110 ? Gradino(x) : 0.0; };
    double x1 = 0, x2 = 1;
    const auto r = RisolveEquazione(f, x1, x2, 1e-9);
    EXPECT_TRUE(r.trovata());
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0], DomandaDopo101);
}

TEST(RisolveEquazione, ErrorInsideTheFunctionReachesTheCaller) {
    double x1 = 0, x2 = 1;
    EXPECT_THROW(RisolveEquazione([](double) -> double { throw ErroreCalcolo("f"); }, x1, x2, 1e-9),
                 ErroreCalcolo);
}

}  // namespace
}  // namespace tavo
