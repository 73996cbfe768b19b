// Offset outlines at a distance and through a point.
#include "geometry/OffsetContorno.h"
#include "geometry/PiGreco.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

const V QX{0, 1, 1, 0}, QY{0, 0, 1, 1};  // unit square, counter-clockwise

void VerificaContorno(const V& xo, const V& yo, const V& x, const V& y, double tol) {
    ASSERT_EQ(xo.size(), x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_NEAR(xo[i], x[i], tol) << "vertice " << i + 1;
        EXPECT_NEAR(yo[i], y[i], tol) << "vertice " << i + 1;
    }
}

TEST(PoligonoOffset, UnitSquareShrinksToTheLeftAndGrowsToTheRight) {
    V xo, yo;
    PoligonoOffset(QX, QY, xo, yo, 4, 0.1);
    VerificaContorno(xo, yo, {0.1, 0.9, 0.9, 0.1}, {0.1, 0.1, 0.9, 0.9}, 1e-12);
    PoligonoOffset(QX, QY, xo, yo, 4, -0.1);
    VerificaContorno(xo, yo, {-0.1, 1.1, 1.1, -0.1}, {-0.1, -0.1, 1.1, 1.1}, 1e-12);
}

// Every offset edge lies on the line parallel to its edge at distance d
// (both its ends at signed distance d from the edge's line).
TEST(PoligonoOffset, OffsetEdgesLieAtTheGivenDistance) {
    const V x{0, 4, 5.5, 3, 1, -1.2}, y{0, -0.5, 2, 4.2, 3.8, 1.5};
    for (double d : {0.3, -0.7}) {
        V xo, yo;
        PoligonoOffset(x, y, xo, yo, 6, d);
        for (int i = 0; i < 6; ++i) {
            const int j = (i + 1) % 6;
            EXPECT_NEAR(DistanzaConSegnoDaLato(x[i], y[i], x[j], y[j], xo[i], yo[i]), d, 1e-12);
            EXPECT_NEAR(DistanzaConSegnoDaLato(x[i], y[i], x[j], y[j], xo[j], yo[j]), d, 1e-12);
        }
    }
}

// A vertex between collinear edges moves by d square to them (not a stale value).
TEST(PoligonoOffset, VertexBetweenCollinearEdgesMovesAlongTheNormal) {
    const V x{0, 0.5, 1, 1, 0}, y{0, 0, 0, 1, 1};
    V xo(5, 99), yo(5, 99);
    PoligonoOffset(x, y, xo, yo, 5, 0.1);
    EXPECT_NEAR(xo[1], 0.5, 1e-15);
    EXPECT_NEAR(yo[1], 0.1, 1e-15);
}

TEST(PuntoOffsetVertice, ClosedForm) {
    // Edge from (1, 2) at 30 degrees, d = 0.5: (-sin t, cos t, x1 sin t - y1 cos t - d).
    const double t = PiGreco / 6;
    double a = 0, b = 0, c = 0;
    PuntoOffsetVertice(1, 2, 1 + std::cos(t), 2 + std::sin(t), a, b, c, 0.5);
    EXPECT_NEAR(a, -std::sin(t), 1e-15);
    EXPECT_NEAR(b, std::cos(t), 1e-15);
    EXPECT_NEAR(c, std::sin(t) - 2 * std::cos(t) - 0.5, 1e-15);
}

TEST(LatoPiuVicino, FirstOfEqualDistancesWins) {
    EXPECT_EQ(LatoPiuVicino(QX, QY, 4, 0.5, 0.2), 1);
    EXPECT_EQ(LatoPiuVicino(QX, QY, 4, 0.9, 0.8), 3);
}

TEST(VerificaPoligonoOffset, AFoldedOutlineIsDetected) {
    V xo, yo;
    PoligonoOffset(QX, QY, xo, yo, 4, 0.2);
    EXPECT_FALSE(VerificaPoligonoOffset(QX, QY, xo, yo, 4));
    PoligonoOffset(QX, QY, xo, yo, 4, 0.7);  // past the middle: every edge reversed
    EXPECT_TRUE(VerificaPoligonoOffset(QX, QY, xo, yo, 4));
    EXPECT_FALSE(VerificaVerticeOffset({0, 1}, {0, 0}, {0.7, 0.3}, {0.7, 0.7}));
}

struct OffsetDiprova : ::testing::Test {
    test::RecordingMessagePort porta;
    ZeroMaxDimenSalvato salvato;
    V xo, yo;
};

// The first edge tried (the one ending at the nearest vertex (0,0), the left
// side) shrinks the square to a point; the bottom edge gives d = 0.2 and the
// inner square through the point.
TEST_F(OffsetDiprova, PointInsideFindsTheInnerSquare) {
    ImpostaZeroMaxDimen(1e-6);
    ASSERT_TRUE(OffsetPoligonoPerPunto(QX, QY, xo, yo, 4, 0.5, 0.2));
    VerificaContorno(xo, yo, {0.2, 0.8, 0.8, 0.2}, {0.2, 0.2, 0.8, 0.8}, 1e-12);
    EXPECT_TRUE(porta.testi().empty());
}

TEST_F(OffsetDiprova, PointOnTheOutlineGivesNone) {
    ImpostaZeroMaxDimen(1e-6);
    EXPECT_FALSE(OffsetPoligonoPerPunto(QX, QY, xo, yo, 4, 0, 0.3));
}

TEST_F(OffsetDiprova, UnsetToleranceIsReportedAndTheSearchRuns) {
    ImpostaZeroMaxDimen(0);
    EXPECT_TRUE(OffsetPoligonoPerPunto(QX, QY, xo, yo, 4, 0.5, 0.2));
    ASSERT_GE(porta.conta(), 1u);
    EXPECT_EQ(porta.testi().front(), "Impostare ZeroMaxDimen");
}

}  // namespace
}  // namespace tavo
