// Lines, points and tolerances.
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace tavo {
namespace {

constexpr double DuePi = 2 * PiGreco;

// ---- ZeroMaxDimen ----------------------------------------------------------

TEST(ZeroMaxDimen, LastWriterWinsAndTheGuardRestores) {
    ZeroMaxDimenSalvato esterno;
    ImpostaZeroMaxDimen(0.5);
    EXPECT_EQ(ZeroMaxDimen(), 0.5);
    {
        ZeroMaxDimenSalvato guardia;
        EXPECT_EQ(guardia.salvato(), 0.5);
        ImpostaZeroMaxDimen(1e-6);
        ImpostaZeroMaxDimen(2e-6);  // last writer wins inside the scope
        EXPECT_EQ(ZeroMaxDimen(), 2e-6);
    }
    EXPECT_EQ(ZeroMaxDimen(), 0.5);
}

TEST(MaxDimensionePunti, LargerExtentOverFactor) {
    const std::vector<double> x{0, 4, 1}, y{0, 1, 2};
    EXPECT_DOUBLE_EQ(MaxDimensionePunti(x, y, 3, 1000000), 4e-6);
    EXPECT_DOUBLE_EQ(MaxDimensionePunti(x, y, 1, 1), 0);
}

// ---- Lines -----------------------------------------------------------------

TEST(RettaPerDuePunti, NormalOnTheRightOfTheDirection) {
    double a = 9, b = 9, c = 9;
    ASSERT_TRUE(RettaPerDuePunti({0, 1}, {0, 0}, {1, 1}, a, b, c, 1e-9));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(a * 0 + b * 1 + c, -1);   // (0, 1) lies left of P1->P2: negative
    EXPECT_EQ(a * 0 + b * -1 + c, 1);   // (0, -1) right: positive
    // Plain points: (y2 - y1, x1 - x2, x2 y1 - x1 y2).
    ASSERT_TRUE(RettaPerDuePunti({1, 4}, {2, 6}, {1, 1}, a, b, c, 1e-9));
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, -3);
    EXPECT_EQ(c, 4 * 2 - 1 * 6);
}

TEST(RettaPerDuePunti, CoincidentPointsLeaveTheLineUntouched) {
    test::RecordingMessagePort porta;
    double a = 7, b = 8, c = 9;
    EXPECT_FALSE(RettaPerDuePunti({1, 1}, {2, 2}, {1, 1}, a, b, c, 1e-9));
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 8);
    EXPECT_EQ(c, 9);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(RettaPerDuePunti, MissingToleranceIsZeroMaxDimen) {
    test::RecordingMessagePort porta;
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(0.1);
    double a = 0, b = 0, c = 0;
    EXPECT_FALSE(RettaPerDuePunti({1, 1.05}, {0, 0}, {1, 1}, a, b, c));
    EXPECT_TRUE(RettaPerDuePunti({1, 1.2}, {0, 0}, {1, 1}, a, b, c));
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(RettaPuntoAngolo, DirectionIsTheAngle) {
    test::RecordingMessagePort porta;
    for (double t : {0.0, 0.3, PiGreco / 2, 2.0, PiGreco, 4.0, 5.5}) {
        double a, b, c;
        RettaPuntoAngolo(2, -1, 1, t, a, b, c);
        EXPECT_NEAR(a, std::sin(t), 1e-12);
        EXPECT_NEAR(b, -std::cos(t), 1e-12);
        EXPECT_NEAR(c, -1 * std::cos(t) - 2 * std::sin(t), 1e-12);
        // The direction P1->P2 is (-b, a); AngoloDirezione(-a, b), the angle
        // the polygon cut turns its frame by, is the opposite sense, t + pi.
        EXPECT_NEAR(std::remainder(AngoloDirezione(a, -b) - t, DuePi), 0, 1e-12) << t;
        EXPECT_NEAR(std::remainder(AngoloDirezione(-a, b) - t - PiGreco, DuePi), 0, 1e-12) << t;
        EXPECT_NEAR(a * 2 + b * -1 + c, 0, 1e-12);  // through the point
    }
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(RettaPuntoAngolo, FailureShowsItsMessageAndKeepsTheCallersLine) {
    test::RecordingMessagePort porta;
    double a = 1, b = 2, c = 3;
    RettaPuntoAngolo(0, 0, 0, 0, a, b, c);  // two points at infinity that coincide
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0], "ERROR in sub RettaPuntoAngolo: RettaPerDuePunti Coincidenti");
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
}

TEST(IntersezioneRette, CrossingsAndParallelLines) {
    double x = 5, y = 6;
    EXPECT_FALSE(IntersezioneRette(0, 1, 0, 0, 1, -1, x, y));  // y = 0, y = 1
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    ASSERT_TRUE(IntersezioneRette(1, 0, -1, 0, 1, -2, x, y));  // x = 1, y = 2
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    ASSERT_TRUE(IntersezioneRetteCalcola(1, 1, -2, 1, -1, 0, x, y));  // x + y = 2, x = y
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    // Relative tolerance 1e-6: a slope difference below it counts as parallel.
    EXPECT_FALSE(IntersezioneRette(1, 1, 0, 1, 1 + 1e-7, -1, x, y));
    EXPECT_TRUE(IntersezioneRette(1, 1, 0, 1, 1 + 1e-5, -1, x, y));
    // All four coefficients 0: refused, not 0/0.
    x = 5;
    EXPECT_FALSE(IntersezioneRette(0, 0, 1, 0, 0, 2, x, y));
    EXPECT_EQ(x, 5);
}

// ---- Coincidence -------------------------------------------------------------

TEST(NumeriCoincidenti, AbsoluteDifference) {
    EXPECT_TRUE(NumeriCoincidenti(1, 1.5, 0.5));
    EXPECT_FALSE(NumeriCoincidenti(1, 1.5001, 0.5));
}

TEST(PuntiCoincidenti, PlainPoints) {
    test::RecordingMessagePort porta;
    EXPECT_TRUE(PuntiCoincidenti({1, 1 + 1e-7}, {2, 2}, {1, 1}, 1e-6));
    EXPECT_FALSE(PuntiCoincidenti({1, 1.1}, {2, 2}, {1, 1}, 1e-6));
    EXPECT_FALSE(PuntiCoincidenti({1, 1}, {2, 2.1}, {1, 1}, 1e-6));
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(PuntiCoincidenti, ScaledRuleNoLongerMatchesFarApartPoints) {
    // The scaled rule alone: x = 0.002 scales the y test by x, so |x2 y1 - x1 y2| =
    // 0.0008 <= 0.001 although the points are 0.4 apart in y.
    EXPECT_FALSE(PuntiCoincidenti({0.002, 0.002}, {0, 0.4}, {1, 1}, 0.001));
    EXPECT_TRUE(PuntiCoincidenti({0.002, 0.002}, {0, 0.0005}, {1, 1}, 0.001));
}

TEST(PuntiCoincidenti, CrossMultipliedRuleStaysWhereItIsStricter) {
    // |dy| = 1e-5 <= 1e-4, but |x2 y1 - x1 y2| = 1e-3 > 1e-4: not coincident.
    EXPECT_FALSE(PuntiCoincidenti({100, 100}, {1, 1.00001}, {1, 1}, 1e-4));
}

TEST(PuntiCoincidenti, BothNearTheOriginWithoutAnyProductTest) {
    const double z = 1e-3;
    EXPECT_TRUE(PuntiCoincidenti({0.3 * z, -0.4 * z}, {0.2 * z, 0.1 * z}, {1, 1}, z));
}

TEST(PuntiCoincidenti, HomogeneousWeights) {
    // (2, 4, 2) is the plain point (1, 2).
    EXPECT_TRUE(PuntiCoincidenti({2, 1}, {4, 2}, {2, 1}, 1e-9));
    EXPECT_FALSE(PuntiCoincidenti({2, 1}, {4, 2.5}, {2, 1}, 1e-9));
    // Two directions (W = 0) along the same vector.
    EXPECT_TRUE(PuntiCoincidenti({1, 1}, {1, 1}, {0, 0}, 1e-9));
}

TEST(PuntiCoincidenti, ZeroToleranceShowsItsMessageAndGoesOn) {
    test::RecordingMessagePort porta;
    EXPECT_TRUE(PuntiCoincidenti({1, 1}, {2, 2}, {1, 1}, 0.0));
    EXPECT_FALSE(PuntiCoincidenti({1, 1}, {2, 2 + 1e-15}, {1, 1}, 0.0));
    ASSERT_EQ(porta.conta(), 2u);
    EXPECT_EQ(porta.testi()[0], "zero=0 in PuntiCoincidenti");
    EXPECT_EQ(porta.testi()[1], "zero=0 in PuntiCoincidenti");
}

TEST(PuntiCoincidentiXY, UsesZeroMaxDimen) {
    test::RecordingMessagePort porta;
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(0.01);
    EXPECT_TRUE(PuntiCoincidentiXY(1, 1, 1.005, 1));
    EXPECT_FALSE(PuntiCoincidentiXY(1, 1, 1.02, 1));
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(PuntiCoincidentiXY, ZeroToleranceMessagesThenOnlyEqualPoints) {
    test::RecordingMessagePort porta;
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(0);
    EXPECT_TRUE(PuntiCoincidentiXY(3, 4, 3, 4));
    ASSERT_EQ(porta.conta(), 2u);
    EXPECT_EQ(porta.testi()[0], "zero=0 in PuntiCoincidentiXY");
    EXPECT_EQ(porta.testi()[1], "zero=0 in PuntiCoincidenti");
    EXPECT_FALSE(PuntiCoincidentiXY(3, 4, 3, 4.000001));
    EXPECT_FALSE(PuntiCoincidentiXY(0, 0, 1e-300, 0));
    EXPECT_TRUE(PuntiCoincidentiXY(0, 0, 0, 0));
}

// ---- Points and segments ------------------------------------------------------

TEST(PuntoInternoSegmento, PlainMode) {
    const Coppia X{0, 4}, Y{0, 2};  // x span larger: x decides
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 0, 0));
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 4, 2));
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 2, 1));
    EXPECT_FALSE(PuntoInternoSegmento(X, Y, 4.0001, 2.00005));
    EXPECT_FALSE(PuntoInternoSegmento(X, Y, -1e-9, 0));
    // The y coordinate is never looked at in plain mode here.
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 2, 100));
}

TEST(PuntoInternoSegmento, EqualSpansUseY) {
    const Coppia X{0, 1}, Y{0, 1};
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 5, 0.5));   // x ignored
    EXPECT_FALSE(PuntoInternoSegmento(X, Y, 0.5, 5));  // y decides
}

TEST(PuntoInternoSegmento, LocalModeRefusesPointsOffTheLine) {
    const Coppia X{1, 3}, Y{1, 3};
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 2, 2, true));
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 3, 3, true));
    EXPECT_FALSE(PuntoInternoSegmento(X, Y, 2, 2.01, true));
    EXPECT_FALSE(PuntoInternoSegmento(X, Y, 3.5, 3.5, true));
    EXPECT_TRUE(PuntoInternoSegmento(X, Y, 2, 2.01, false));
}

TEST(DistanzaPuntoRetta, PointFirst) {
    EXPECT_DOUBLE_EQ(DistanzaPuntoRetta(0, 0, 1, 1, -2), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(DistanzaPuntoRetta(3, 0, 1, 0, -1), 2);
    EXPECT_THROW(DistanzaPuntoRetta(0, 0, 0, 0, 1), ErroreCalcolo);
}

TEST(DistanzaConSegnoDaLato, LeftIsPositive) {
    bool interno = false;
    EXPECT_NEAR(DistanzaConSegnoDaLato(0, 0, 4, 0, 1, 2, interno), 2, 1e-14);
    EXPECT_TRUE(interno);
    EXPECT_NEAR(DistanzaConSegnoDaLato(0, 0, 4, 0, 1, -3), -3, 1e-14);
    EXPECT_NEAR(DistanzaConSegnoDaLato(0, 0, 0, 0 + 1, 1, 0.5), -1, 1e-14);
    interno = false;
    EXPECT_EQ(DistanzaConSegnoDaLato(1, 1, 3, 2, 1, 1, interno), 0);  // P = P1
    EXPECT_TRUE(interno);
    DistanzaConSegnoDaLato(0, 0, 4, 0, -0.1, 1, interno);  // behind P1
    EXPECT_FALSE(interno);
    DistanzaConSegnoDaLato(0, 0, 4, 0, 4, 1, interno);  // at P2's abscissa: included
    EXPECT_TRUE(interno);
    DistanzaConSegnoDaLato(0, 0, 4, 0, 4.1, 1, interno);
    EXPECT_FALSE(interno);
}

// ---- Frames -----------------------------------------------------------------

TEST(MatriceRotoTraslazione, FrameAxesAndOrigin) {
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(2, 3, PiGreco / 2, M, Mi);
    double xp, yp;
    TrasformaPunto(2, 4, M, xp, yp);  // one unit along the x' axis
    EXPECT_NEAR(xp, 1, 1e-14);
    EXPECT_NEAR(yp, 0, 1e-14);
    TrasformaPunto(1, 3, M, xp, yp);  // to the left of x': y' > 0
    EXPECT_NEAR(xp, 0, 1e-14);
    EXPECT_NEAR(yp, 1, 1e-14);
    TrasformaPunto(0, 0, Mi, xp, yp);  // the frame origin
    EXPECT_EQ(xp, 2);
    EXPECT_EQ(yp, 3);
}

TEST(MatriceRotoTraslazione, ForwardThenInverseIsTheIdentity) {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<double> u(-100, 100), ang(-7, 7);
    for (int k = 0; k < 200; ++k) {
        MatriceFrame M{}, Mi{};
        MatriceRotoTraslazione(u(gen), u(gen), ang(gen), M, Mi);
        const double x = u(gen), y = u(gen);
        double xp, yp, xb, yb;
        TrasformaPunto(x, y, M, xp, yp);
        TrasformaPunto(xp, yp, Mi, xb, yb);
        EXPECT_NEAR(xb, x, 1e-12);
        EXPECT_NEAR(yb, y, 1e-12);
        TrasformaPunto(x, y, Mi, xp, yp);  // and the other way round
        TrasformaPunto(xp, yp, M, xb, yb);
        EXPECT_NEAR(xb, x, 1e-12);
        EXPECT_NEAR(yb, y, 1e-12);
        // Distances are kept.
        EXPECT_NEAR(std::hypot(xp - Mi[2], yp - Mi[5]), std::hypot(x, y), 1e-11);
    }
}

TEST(TrasformaPunto, WeightZeroIsADirection) {
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(10, 20, 0, M, Mi);
    double xp, yp, wp = 7;
    TrasformaPunto(1, 2, M, xp, yp, 0.0, wp);
    EXPECT_EQ(xp, 1);
    EXPECT_EQ(yp, 2);
    EXPECT_EQ(wp, 0);
    std::vector<double> xo, yo;
    TrasformaPunti(std::vector<double>{10, 11}, std::vector<double>{20, 22}, M, xo, yo, 2);
    EXPECT_EQ(xo, (std::vector<double>{0, 1}));
    EXPECT_EQ(yo, (std::vector<double>{0, 2}));
}

// ---- Angles -----------------------------------------------------------------

double Atan2InZeroDuePi(double dy, double dx) {
    double a = std::atan2(dy, dx);
    return a < 0 ? a + 2 * M_PI : a;
}

TEST(AngoloDirezione, AxesDiagonalAndOrigin) {
    EXPECT_EQ(AngoloDirezione(0, 1), 0);
    EXPECT_EQ(AngoloDirezione(1, 0), PiGreco / 2);
    EXPECT_EQ(AngoloDirezione(0, -1), PiGreco);
    EXPECT_EQ(AngoloDirezione(-1, 0), 9.42477796076937 / 2);
    EXPECT_NEAR(AngoloDirezione(-1, 1), DuePi - PiGreco / 4, 1e-15);
    EXPECT_EQ(AngoloDirezione(0, 0), 0);
}

TEST(AngoloDirezione, AgainstAtan2OnOctantsAndAxes) {
    struct Caso { double dy, dx; };
    const Caso casi[] = {
        {0, 0}, {0, 2}, {3, 0}, {0, -4}, {-5, 0},                    // origin and axes
        {1, 3}, {3, 1}, {3, -1}, {1, -3}, {-1, -3}, {-3, -1},        // the eight octants
        {-3, 1}, {-1, 3},
        {1, 1}, {1, -1}, {-1, -1}, {-1, 1},                          // octant borders
        {1e300, 1e-300}, {-1e300, 1e-300}, {1e300, -1e-300}, {-1e300, -1e-300},  // overflow
        {1e-300, 1e300}, {-1e-300, -1e300},                                      // underflow
    };
    for (const auto& c : casi) {
        const double a = AngoloDirezione(c.dy, c.dx);
        EXPECT_GE(a, 0) << c.dy << "," << c.dx;
        EXPECT_LT(a, DuePi) << c.dy << "," << c.dx;
        // PiGreco differs from the exact pi by 3e-15.
        EXPECT_NEAR(a, Atan2InZeroDuePi(c.dy, c.dx), 2e-14) << c.dy << "," << c.dx;
    }
}

TEST(AngoloVerticale, VerticalRowsAreRight) {
    EXPECT_EQ(AngoloVerticale(0, 0), 0);
    EXPECT_EQ(AngoloVerticale(2, 0), PiGreco / 2);
    EXPECT_EQ(AngoloVerticale(-2, 0), 9.42477796076937 / 2);
    EXPECT_EQ(AngoloVerticale(-2, 1e-300), 9.42477796076937 / 2);
    EXPECT_EQ(AngoloVerticale(2, -1e-300), PiGreco / 2);
    EXPECT_EQ(AngoloVerticale(0, -1), PiGreco);
}

}  // namespace
}  // namespace tavo
