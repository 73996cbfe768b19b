// Extents, extremes and point-list routines.
#include "geometry/Estremi.h"
#include "geometry/PiGreco.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

TEST(EstremiPunti, ExtremesOfAPointSet) {
    V x{1, -2, 3}, y{5, 0, -4};
    const auto e = EstremiPunti(3, x, y);
    EXPECT_EQ(e.xMin, -2);
    EXPECT_EQ(e.xMax, 3);
    EXPECT_EQ(e.yMin, -4);
    EXPECT_EQ(e.yMax, 5);
    double a, b, c, d;
    EstremiPunti(2, x, y, a, b, c, d);  // only points 1..n
    EXPECT_EQ(a, -2);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(d, 5);
}

TEST(EstremiPunti, EmptySetGivesTheSinglePrecisionSeeds) {
    V x, y;
    const auto e = EstremiPunti(0, x, y);
    EXPECT_EQ(e.xMin, static_cast<double>(1e20f));
    EXPECT_EQ(e.xMax, -static_cast<double>(1e20f));
    EXPECT_EQ(e.yMin, static_cast<double>(1e20f));
    EXPECT_EQ(e.yMax, -static_cast<double>(1e20f));
    EXPECT_NE(e.xMin, 1e20);  // the seed is the float value, not the double literal
}

TEST(EstremiPunti, ShortArrayThrows) {
    V x{1, 2}, y{1};
    EXPECT_THROW(EstremiPunti(2, x, y), std::out_of_range);
}

TEST(MassimoVettore, FirstExtremeWinsWithItsOneBasedIndex) {
    int idx = 0;
    EXPECT_EQ(MassimoVettore(3, V{3, 5, 5}, idx), 5);
    EXPECT_EQ(idx, 2);
    EXPECT_EQ(MinimoVettore(3, V{2, 1, 1}, idx), 1);
    EXPECT_EQ(idx, 2);
    EXPECT_EQ(MinimoVettore(3, std::vector<float>{2.5f, 7, 2.5f}, idx), 2.5);
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(MassimoVettore(2, V{-1, -3, 10}), -1);  // only 1..n
}

TEST(MassimoVettore, EmptySetReturnsTheFirstElement) {
    int idx = 0;
    EXPECT_EQ(MassimoVettore(0, V{4, 9}, idx), 4);
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(MinimoVettore(0, V{4, -9}, idx), 4);
    EXPECT_EQ(idx, 1);
    EXPECT_THROW(MassimoVettore(0, V{}, idx), std::out_of_range);
    EXPECT_THROW(MinimoVettore(4, V{1, 2}, idx), std::out_of_range);
}

TEST(MassimoArray, WholeArrayWithSeeds) {
    EXPECT_EQ(MassimoArray(V{1, 7, -3}), 7);
    EXPECT_EQ(MinimoArray(V{1, 7, -3}), -3);
    EXPECT_EQ(MassimoArray(V{}), -1e20);
    EXPECT_EQ(MinimoArray(V{}), 1e20);
}

TEST(Distanza, PythagoreanTriple) { EXPECT_DOUBLE_EQ(Distanza(1, 1, 4, 5), 5.0); }

TEST(AreaConSegno, OrientationOfTheUnitSquare) {
    double a = 0;
    EXPECT_EQ(AreaConSegno(4, V{0, 1, 1, 0}, V{0, 0, 1, 1}, a), 1);
    EXPECT_DOUBLE_EQ(a, 1.0);
    EXPECT_EQ(AreaConSegno(4, V{0, 0, 1, 1}, V{0, 1, 1, 0}, a), 0);
    EXPECT_DOUBLE_EQ(a, -1.0);
    EXPECT_EQ(AreaConSegno(3, V{0, 1, 2}, V{0, 1, 2}, a), 1);  // collinear: counts as CCW
    EXPECT_DOUBLE_EQ(a, 0.0);
    // Triangle (0,0) (4,0) (0,3): area 6 (closed form b h / 2).
    EXPECT_EQ(AreaConSegno(3, V{0, 4, 0}, V{0, 0, 3}, a), 1);
    EXPECT_DOUBLE_EQ(a, 6.0);
}

TEST(CartesianeInPolari, QuadrantsAndAxes) {
    struct Caso { double x, y, r, angolo; };
    const Caso casi[] = {
        {1, -1, std::sqrt(2.0), -PiGreco / 4},
        {-1, -1, std::sqrt(2.0), 5 * PiGreco / 4},
        {0, -2, 2, 3 * PiGreco / 2},
        {0, 3, 3, PiGreco / 2},
        {-2, 0, 2, PiGreco},
        {0, 0, 0, PiGreco / 2},
    };
    for (const auto& c : casi) {
        double r = -1, a = -1;
        CartesianeInPolari(c.x, c.y, r, a);
        EXPECT_NEAR(r, c.r, 1e-14) << c.x << "," << c.y;
        EXPECT_NEAR(a, c.angolo, 1e-14) << c.x << "," << c.y;
    }
}

TEST(PolariInCartesiane, RoundTrip) {
    double x, y, r, a;
    PolariInCartesiane(2, 2.5, x, y);
    CartesianeInPolari(x, y, r, a);
    EXPECT_NEAR(r, 2, 1e-14);
    EXPECT_NEAR(a, 2.5, 1e-14);
}

TEST(RuotaPuntiAttorno, QuarterTurnAboutAPivot) {
    V x{2, 1}, y{1, 1};
    RuotaPuntiAttorno(2, x, y, 1, 1, PiGreco / 2);
    EXPECT_NEAR(x[0], 1, 1e-13);
    EXPECT_NEAR(y[0], 2, 1e-13);
    EXPECT_NEAR(x[1], 1, 1e-13);  // the pivot stays
    EXPECT_NEAR(y[1], 1, 1e-13);
    RuotaPunti(1, x, y, 0, 0, PiGreco);
    EXPECT_NEAR(x[0], -1, 1e-13);
    EXPECT_NEAR(y[0], -2, 1e-13);
}

TEST(InserisceElemento, InsertsAndAppends) {
    V a{1, 2, 3};
    int n = 3;
    InserisceElemento(a, n, 9, 2);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(a, (V{1, 9, 2, 3}));
    InserisceElemento(a, n, 7, 5);  // pos = n + 1 appends
    EXPECT_EQ(a, (V{1, 9, 2, 3, 7}));
    InserisceElemento(a, n, 0, 1);
    EXPECT_EQ(a, (V{0, 1, 9, 2, 3, 7}));
    EXPECT_THROW(InserisceElemento(a, n, 0, 0), std::out_of_range);
    EXPECT_THROW(InserisceElemento(a, n, 0, n + 2), std::out_of_range);
}

TEST(InseriscePuntiInPoligonale, NewPointsFollowTheirOldVertexNumbers) {
    V x{0, 1, 1, 0}, y{0, 0, 1, 1};
    int n = 4;
    InseriscePuntiInPoligonale(x, y, n, V{0.5, 0.5}, V{0, 1}, 2, std::vector<int>{1, 3});
    EXPECT_EQ(n, 6);
    EXPECT_EQ(x, (V{0, 0.5, 1, 1, 0.5, 0}));
    EXPECT_EQ(y, (V{0, 0, 0, 1, 1, 1}));
}

TEST(TogliePunto, RemovesOneVertex) {
    V x{0, 1, 2}, y{5, 6, 7};
    int n = 3;
    TogliePunto(x, y, n, 2);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(x, (V{0, 2}));
    EXPECT_EQ(y, (V{5, 7}));
    EXPECT_THROW(TogliePunto(x, y, n, 3), std::out_of_range);
}

TEST(TogliePuntiInizialiDaPoligonale, CopiesTheTail) {
    V xo, yo;
    int no = -1;
    TogliePuntiInizialiDaPoligonale(V{1, 2, 3, 4}, V{5, 6, 7, 8}, 4, xo, yo, no, 3);
    EXPECT_EQ(no, 1);
    EXPECT_EQ(xo, (V{4}));
    EXPECT_EQ(yo, (V{8}));
}

TEST(TogliePuntiInizialiDaPoligonale, NoPointToRemoveShowsItsMessage) {
    test::RecordingMessagePort porta;
    V xo{42}, yo{43};
    int no = 7;
    TogliePuntiInizialiDaPoligonale(V{1, 2}, V{3, 4}, 2, xo, yo, no, 0);
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0], "Errore in TogliePuntiInizialiDaPoligonale: nPunti=0 <1");
    EXPECT_FALSE(porta.registrati()[0].domanda);
    EXPECT_EQ(no, 7);
    EXPECT_EQ(xo, (V{42}));
    TogliePuntiInizialiDaPoligonale(V{1, 2}, V{3, 4}, 2, xo, yo, no, -3);
    EXPECT_EQ(porta.testi()[1], "Errore in TogliePuntiInizialiDaPoligonale: nPunti=-3 <1");
}

TEST(Log10, FloorAndPowersOfTen) {
    EXPECT_EQ(Log10(1e-21), -20);
    EXPECT_EQ(Log10(0), -20);
    EXPECT_EQ(Log10(-5), -20);
    EXPECT_EQ(Log10(1000), 3);
    EXPECT_EQ(Log10(1e-20), -20);
    EXPECT_NEAR(Log10(2), 0.30102999566398120, 1e-15);
}

}  // namespace
}  // namespace tavo
