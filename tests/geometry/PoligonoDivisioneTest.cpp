// Division of a polygon by a horizontal or vertical line, and its plastic moduli.
#include "tests/geometry/PoligonoDa.h"
#include "geometry/Poligono.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

struct CasoDivisione {
    std::string nome;
    Poligono p;
};

// The part cut off holds the wanted fraction of the area (within the root
// finder's tolerance Area / 10000), and the two parts' areas and first
// moments add up to the whole polygon's.
TEST(Dividi, CutOffPartHoldsTheFractionAndThePartsAddUp) {
    test::RecordingMessagePort porta;
    const std::vector<CasoDivisione> casi{
        {"esagono convesso", Da({0, 4, 5, 4, 1, -1}, {0, 0, 2, 4, 4, 2})},
        // A U: the horizontal cuts through both arms leave a Sup in two pieces.
        {"U concava", Da({0, 3, 3, 2, 2, 1, 1, 0}, {0, 0, 3, 3, 1, 1, 3, 3})},
    };
    for (const auto& caso : casi) {
        Poligono intero = caso.p;
        intero.CaratteristicheStatiche();
        for (bool verticale : {false, true}) {
            for (double f : {0.1, 0.5, 0.9}) {
                SCOPED_TRACE(caso.nome + (verticale ? " verticale f=" : " orizzontale f=") +
                             std::to_string(f));
                Poligono p = caso.p;
                const auto d = p.Dividi(f, verticale);
                ASSERT_TRUE(d.has_value());
                ASSERT_TRUE(d->parti.Sup && d->parti.Inf);
                Poligono S = *d->parti.Sup, I = *d->parti.Inf;
                S.CaratteristicheStatiche();
                I.CaratteristicheStatiche();
                const double A = intero.Area;
                EXPECT_NEAR(S.Area, f * A, A / 10000 + 1e-6);
                EXPECT_NEAR(S.Area + I.Area, A, 1e-6);
                EXPECT_NEAR(S.stat_x + I.stat_x, intero.stat_x, 1e-5);
                EXPECT_NEAR(S.stat_y + I.stat_y, intero.stat_y, 1e-5);
                // Every vertex of Sup lies on its side of the line.
                for (int i = 1; i <= S.nVertici(); ++i)
                    EXPECT_GE(verticale ? S.Xi(i) : S.Yi(i), d->yDiv - 1e-6);
            }
        }
    }
    EXPECT_TRUE(porta.testi().empty());
}

TEST(Dividi, RectangleHalvesAtMidHeight) {
    test::RecordingMessagePort porta;
    Poligono r = Da({0, 2, 2, 0}, {0, 0, 3, 3});
    const auto d = r.Dividi(0.5);
    ASSERT_TRUE(d.has_value());
    EXPECT_NEAR(d->yDiv, 1.5, 6.0 / 10000 / 2);  // A / 10000 of area over a width of 2
}

// No root is a failure of the division: no parts, not a cut at y = 0.
TEST(Dividi, NoDividingLineIsAFailureReportedByTheRootFinder) {
    test::RecordingMessagePort porta;
    Poligono r = Da({0, 2, 2, 0}, {1, 1, 3, 3});
    EXPECT_FALSE(r.Dividi(1.5).has_value());
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"ERRORE! La funzione non cambia segno fra x1 e x2"});
}

TEST(Dividi, ZeroAreaIsACalculationError) {
    Poligono linea = Da({0, 1, 2}, {0, 1, 2});
    try {
        linea.Dividi(0.5);
        FAIL() << "nessun errore";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Dividi: il poligono ha area nulla");
    }
}

TEST(DividiY, LineOutsideGivesTheWholePolygonOnOneSide) {
    const Poligono r = Da({2, 4, 4, 2}, {0, 0, 1, 1});
    const auto sopra = r.DividiY(5);
    EXPECT_FALSE(sopra.Sup.has_value());
    ASSERT_TRUE(sopra.Inf.has_value());
    EXPECT_EQ(sopra.Inf->CoordX(), r.CoordX());
    const auto sotto = r.DividiY(-1);
    EXPECT_FALSE(sotto.Inf.has_value());
    ASSERT_TRUE(sotto.Sup.has_value());
    EXPECT_EQ(sotto.Sup->CoordY(), r.CoordY());
    // Just above a top that single precision rounds up (0.3 to 0.30000001):
    // still above the polygon.
    const Poligono basso = Da({0, 1, 1, 0}, {0, 0, 0.3, 0.3});
    const auto appenaSopra = basso.DividiY(0.300000005);
    EXPECT_FALSE(appenaSopra.Sup.has_value());
    EXPECT_TRUE(appenaSopra.Inf.has_value());
}

// A split by DividiY and the areas of its parts, by hand.
struct CasoParti {
    std::string nome;
    Poligono p;
    double yDiv;
    bool verticale;
    double areaSup, areaInf;
};

// Both parts exist, have their areas and add up to the whole. The crossings
// are held in single precision: 1e-7 of the side.
void VerificaParti(const CasoParti& c) {
    SCOPED_TRACE(c.nome);
    Poligono intero = c.p;
    intero.AreaCalcola();
    const auto parti = c.p.DividiY(c.yDiv, c.verticale);
    ASSERT_TRUE(parti.Sup && parti.Inf);
    Poligono S = *parti.Sup, I = *parti.Inf;
    S.AreaCalcola();
    I.AreaCalcola();
    EXPECT_NEAR(S.Area, c.areaSup, 1e-7);
    EXPECT_NEAR(I.Area, c.areaInf, 1e-7);
    EXPECT_NEAR(S.Area + I.Area, intero.Area, 1e-7);
}

// A line within a hair of an extreme that single precision would round to
// the other side of it: 0.7 rounds down (0.69999999), 0.1 up (0.10000000149).
// Each part stays on its own side: a sliver next to the extreme, the rest
// beyond the line (not the whole polygon in both).
TEST(DividiY, LineNextToAnExtremeKeepsEachPartOnItsSide) {
    const std::vector<CasoParti> casi{
        {"sotto la cima", Da({0, 1, 1, 0}, {0, 0, 0.7, 0.7}), 0.69999999, false, 0, 0.7},
        {"sopra il fondo", Da({0, 1, 1, 0}, {0.1, 0.1, 1, 1}), 0.100000001, false, 0.9, 0},
        {"a sinistra del lato destro", Da({0, 0.7, 0.7, 0}, {0, 0, 1, 1}), 0.69999999, true, 0,
         0.7},
        {"a destra del lato sinistro", Da({0.1, 1, 1, 0.1}, {0, 0, 1, 1}), 0.100000001, true, 0.9,
         0},
    };
    for (const auto& c : casi) VerificaParti(c);
}

TEST(DividiY, VerticalThroughTheMiddle) {
    const Poligono r = Da({2, 4, 4, 2}, {0, 0, 1, 1});
    const auto parti = r.DividiY(3, true);
    ASSERT_TRUE(parti.Sup && parti.Inf);
    Poligono S = *parti.Sup, I = *parti.Inf;
    S.CaratteristicheStatiche();
    I.CaratteristicheStatiche();
    EXPECT_DOUBLE_EQ(S.Area, 1);
    EXPECT_DOUBLE_EQ(S.xG, 3.5);
    EXPECT_DOUBLE_EQ(I.Area, 1);
    EXPECT_DOUBLE_EQ(I.xG, 2.5);
    for (int i = 1; i <= S.nVertici(); ++i) EXPECT_GE(S.Xi(i), 3);
    for (int i = 1; i <= I.nVertici(); ++i) EXPECT_LE(I.Xi(i), 3);
}

// A T on a 0.1 grid: web 0.1 <= x <= 0.4 below y = 0.1 (0.2 in the second),
// flange 0 <= x <= 0.5 up to 0.3 above it. Cut along the flange underside,
// and along the web's right face, every crossing is a vertex; the parts'
// areas by hand, and they add up to the whole.
TEST(DividiY, CutsThroughTheVerticesOfATee) {
    const Poligono t1 = Da({0.1, 0.4, 0.4, 0.5, 0.5, 0, 0, 0.1}, {0, 0, 0.1, 0.1, 0.4, 0.4, 0.1, 0.1});
    const Poligono t2 = Da({0.1, 0.4, 0.4, 0.5, 0.5, 0, 0, 0.1}, {0, 0, 0.2, 0.2, 0.5, 0.5, 0.2, 0.2});
    const std::vector<CasoParti> casi{
        {"ala, anima bassa", t1, 0.1, false, 0.5 * 0.3, 0.3 * 0.1},
        {"ala, anima alta", t2, 0.2, false, 0.5 * 0.3, 0.3 * 0.2},
        {"filo destro dell'anima", t1, 0.4, true, 0.1 * 0.3, 0.3 * 0.1 + 0.4 * 0.3},
        {"filo sinistro dell'anima", t2, 0.1, true, 0.3 * 0.2 + 0.4 * 0.3, 0.1 * 0.3},
    };
    for (const auto& c : casi) VerificaParti(c);
}

struct CasoWpl {
    std::string nome;
    Poligono p;
    double Wplx, Wply, tolleranza;
};

TEST(Wplastici, ClosedFormsAndHandCalculations) {
    test::RecordingMessagePort porta;
    std::vector<CasoWpl> casi{
        // b h^2 / 4 and h b^2 / 4 with b = 2, h = 3.
        {"rettangolo", Da({0, 2, 2, 0}, {0, 0, 3, 3}), 2 * 9 / 4.0, 3 * 4 / 4.0, 1e-3},
        // T: flange 1 x 0.2 on top of a web 0.2 x 0.8. By hand: the plastic
        // neutral axis lies 0.18 below the top (A/2 = 0.18 in the flange);
        // Wplx = 0.18*0.09 + 0.02*0.01 + 0.16*0.42 = 0.0836;
        // Wply = 2 (0.1*0.25 + 0.08*0.05) = 0.058.
        {"sezione a T", Da({0.4, 0.6, 0.6, 1, 1, 0, 0, 0.4}, {0, 0, 0.8, 0.8, 1, 1, 0.8, 0.8}),
         0.0836, 0.058, 1e-5},
    };
    // A 720-gon inscribed in the unit circle: 4 r^3 / 3 (to the polygon's
    // own shortfall, about 3e-5 relative).
    V xc, yc;
    for (int k = 0; k < 720; ++k) {
        xc.push_back(std::cos(2 * 3.14159265358979 * k / 720));
        yc.push_back(std::sin(2 * 3.14159265358979 * k / 720));
    }
    casi.push_back({"cerchio", Da(xc, yc), 4.0 / 3, 4.0 / 3, 1e-4});
    for (auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        caso.p.CaratteristicheStatiche();
        ASSERT_TRUE(caso.p.Wplastici());
        EXPECT_NEAR(caso.p.Wplx, caso.Wplx, caso.tolleranza);
        EXPECT_NEAR(caso.p.Wply, caso.Wply, caso.tolleranza);
    }
    EXPECT_TRUE(porta.testi().empty());
}

TEST(Wplastico, NeutralAxisAndCircleFormula) {
    test::RecordingMessagePort porta;
    Poligono t = Da({0.4, 0.6, 0.6, 1, 1, 0, 0, 0.4}, {0, 0, 0.8, 0.8, 1, 1, 0.8, 0.8});
    double yNeut = 0;
    ASSERT_TRUE(t.Wplastico(&yNeut).has_value());
    EXPECT_NEAR(yNeut, 0.82, 0.36 / 10000);  // 0.18 below the top, by hand
    EXPECT_DOUBLE_EQ(Poligono::WplasticoCerchio(1, 0), 4.0 / 3);
    EXPECT_NEAR(Poligono::WplasticoCerchio(1, 0.5), 8 * (1 - 0.125) / 6, 1e-15);
    EXPECT_DOUBLE_EQ(*t.Wplastico(nullptr, false, true, 2, 0), 8 * 8 / 6.0);
}

TEST(Wplastici, ZeroStoredAreaGivesZeroWithoutDividing) {
    test::RecordingMessagePort porta;
    Poligono r = Da({0, 2, 2, 0}, {0, 0, 3, 3});  // Area not computed: still 0
    r.Wplx = r.Wply = 7;
    EXPECT_TRUE(r.Wplastici());
    EXPECT_EQ(r.Wplx, 0);
    EXPECT_EQ(r.Wply, 0);
    EXPECT_TRUE(porta.testi().empty());
}

}  // namespace
}  // namespace tavo
