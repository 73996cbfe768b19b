// Strip discretisation of a section and the area and moments of one strip.
#include "tests/geometry/PoligonoDa.h"
#include "geometry/Poligono.h"
#include "ports/ErroreCalcolo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

const Poligono Rombo = Da({0, 1, 2, 1}, {0, -1, 0, 1});

// Area and first moments of all strips, each integrated over its full height.
struct Somme {
    double A = 0, Sx = 0, Sy = 0;
};
Somme SommaStrisce(const Poligono& p, double yMin, int n) {
    Somme s;
    // From the bottom strip up, each from its lower level to its upper one.
    double y = yMin;
    for (int i = n; i >= 1; --i) {
        const double yP = y;
        double YGI = 0, Mx = 0, My = 0;
        double yArea = y;
        s.A += p.RettangolinoArea(yArea, 1e9, yP, YGI, i);
        p.RettangolinoMomenti(y, 1e9, yP, YGI, i, Mx, My, 0, 0);
        s.Sx += Mx;
        s.Sy += My;
    }
    return s;
}

// A mid-line through two vertices: counted half-open, the diamond's one strip
// spans the whole diagonal (width 2), not 0.
TEST(DiscretizzaPoligono, MidLineThroughVerticesPairsCorrectly) {
    Poligono p = Rombo;
    double h = 0, b = 0, yMax = 0;
    p.DiscretizzaPoligono(1, h, b, yMax);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(yMax, 1);
    EXPECT_EQ(p.nRettangolini_, 1);
    ASSERT_EQ(p.Strisce().size(), 1u);
    const auto& s = p.Strisce()[0];
    EXPECT_EQ(s.nRettangoli, 1);
    EXPECT_EQ(s.larghezza[0], 2.0f);
    EXPECT_EQ(s.centro[0], 1.0f);
    EXPECT_EQ(s.livello, 0.0f);
    EXPECT_EQ(s.altezza, 2.0f);
}

// The strips' area tends to the polygon's as they grow in number, and their
// first moments add up to the polygon's. The midpoint rule is exact where the
// width varies linearly, so with 700 strips the error comes from the strips
// across a kink (of the order hs^2 b) and across a jump of the width (the
// floor of the U's notch, 1 wide: at most hs times the jump); a moment's
// error is the area's times the largest distance from the axis.
TEST(DiscretizzaPoligono, StripsConvergeToTheAreaAndMoments) {
    struct Caso {
        std::string nome;
        Poligono p;
        double salto;     // the largest jump of the width
        double distanza;  // the largest |x| or |y| of the outline
    };
    const std::vector<Caso> casi{
        {"rombo", Rombo, 0, 2},
        {"U concava", Da({0, 3, 3, 2, 2, 1, 1, 0}, {0, 0, 3, 3, 1, 1, 3, 3}), 1, 3},
        {"esagono", Da({0, 4, 5, 4, 1, -1}, {0, 0, 2, 4, 4, 2}), 0, 5},
    };
    for (const auto& caso : casi) {
        Poligono intero = caso.p;
        intero.CaratteristicheStatiche();
        double errorePrecedente = 1e9;
        for (int n : {1, 7, 70, 700}) {
            SCOPED_TRACE(caso.nome + " n=" + std::to_string(n));
            Poligono p = caso.p;
            double h = 0, b = 0, yMax = 0;
            p.DiscretizzaPoligono(n, h, b, yMax);
            const Somme s = SommaStrisce(p, yMax - h, n);
            const double errore = std::abs(s.A - intero.Area);
            EXPECT_LE(errore, errorePrecedente + 1e-6);
            errorePrecedente = errore;
            if (n == 700) {
                const double hs = h / n;
                const double tol = hs * caso.salto + hs * hs * b;
                EXPECT_NEAR(s.A, intero.Area, tol);
                EXPECT_NEAR(s.Sx, intero.stat_x, tol * caso.distanza);
                EXPECT_NEAR(s.Sy, intero.stat_y, tol * caso.distanza);
            }
        }
    }
}

TEST(DiscretizzaPoligono, RectangularFormulasGiveOnlyTheExtent) {
    Poligono p = Rombo;
    double h = 0, b = 0, yMax = 0;
    p.DiscretizzaPoligono(3, h, b, yMax);
    Poligono q = Da({0, 5, 5, 0}, {0, 0, 4, 4});
    q.DiscretizzaPoligono(3, h, b, yMax);
    q.DiscretizzaPoligono(10, h, b, yMax, true);
    EXPECT_EQ(h, 4);
    EXPECT_EQ(b, 5);
    EXPECT_EQ(yMax, 4);
    EXPECT_EQ(q.nRettangolini_, 3);
    EXPECT_EQ(q.Strisce().size(), 3u);
}

// A comb of 21 teeth: 21 rectangles in its upper strip, more than a strip
// holds. Reported, and the strips of the last discretisation stay.
TEST(DiscretizzaPoligono, MoreThanTwentyRectanglesIsReported) {
    // Base [0, 41] x [0, 1]; tooth k is [2k, 2k+1] x [1, 2], k = 0..20.
    V x{0, 41}, y{0, 0};
    for (int k = 20; k >= 0; --k) {
        x.insert(x.end(), {2.0 * k + 1, 2.0 * k + 1, 2.0 * k, 2.0 * k});
        y.insert(y.end(), {1, 2, 2, 1});
    }
    Poligono pettine = Da(x, y);
    double h = 0, b = 0, yMax = 0;
    pettine.DiscretizzaPoligono(1, h, b, yMax);  // the mid-line at y = 1 meets the base only
    ASSERT_EQ(pettine.Strisce()[0].nRettangoli, 1);
    try {
        pettine.DiscretizzaPoligono(4, h, b, yMax);
        FAIL() << "nessun errore";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "DiscretizzaPoligono: più di 20 rettangoli nella striscia 1");
    }
    EXPECT_EQ(pettine.nRettangolini_, 1);
    EXPECT_EQ(pettine.Strisce().size(), 1u);
}

TEST(DiscretizzaPoligono, StripCountOutsideItsRangeIsASubscriptError) {
    Poligono p = Rombo;
    double h = 0, b = 0, yMax = 0;
    EXPECT_THROW(p.DiscretizzaPoligono(0, h, b, yMax), std::out_of_range);
    EXPECT_THROW(p.DiscretizzaPoligono(40000, h, b, yMax), std::out_of_range);
}

TEST(DiscretizzaCerchio, TwoStripsOfTheUnitCircle) {
    Poligono p;
    p.DiscretizzaCerchio(2, 1);
    ASSERT_EQ(p.nRettangolini_, 2);
    const auto& s = p.Strisce();
    EXPECT_NEAR(s[0].larghezza[0], 1, 1e-7);
    EXPECT_NEAR(s[1].larghezza[0], 1, 1e-7);
    EXPECT_NEAR(s[0].altezza, 1, 1e-7);
    EXPECT_NEAR(s[1].altezza, 1, 1e-7);
    EXPECT_NEAR(s[0].livello, 0.5, 1e-7);
    EXPECT_NEAR(s[1].livello, -0.5, 1e-7);
    EXPECT_EQ(s[0].centro[0], 0);
}

// Strips of equal angle, each as wide as the mean of its two chords: their
// areas add up to the circle's, pi R^2, to the trapezoid rule's error
// (about 5e-5 relative with 500 strips), and their moments about the centre
// to 0 for x and, by the symmetry of top and bottom, for y.
TEST(DiscretizzaCerchio, StripsAddUpToTheCircle) {
    Poligono p;
    const int n = 500;
    p.DiscretizzaCerchio(n, 2);
    double A = 0, Sx = 0, Sy = 0;
    for (int i = 1; i <= n; ++i) {
        const auto& s = p.Strisce()[static_cast<std::size_t>(i - 1)];
        double y = s.livello - s.altezza / 2.0, YGI = 0, Mx = 0, My = 0;
        const double yP = y;
        p.RettangolinoMomenti(y, 1e9, yP, YGI, i, Mx, My, 0, 0);
        A += static_cast<double>(s.larghezza[0]) * (y - yP);
        Sx += Mx;
        Sy += My;
    }
    EXPECT_NEAR(A, 3.14159265358979 * 4, 4 * 1e-4);
    EXPECT_NEAR(Sx, 0, 1e-5);
    EXPECT_EQ(Sy, 0);
}

// The circle owns its strips: after a finer polygon discretisation the count
// follows the circle's, and no strip beyond it can be read.
TEST(DiscretizzaCerchio, ReplacesTheStripsAndTheirCount) {
    Poligono p = Rombo;
    double h = 0, b = 0, yMax = 0;
    p.DiscretizzaPoligono(50, h, b, yMax);
    p.DiscretizzaCerchio(10, 2);
    EXPECT_EQ(p.nRettangolini_, 10);
    EXPECT_EQ(p.Strisce().size(), 10u);
    double y = 0, YGI = 0;
    EXPECT_THROW(p.RettangolinoArea(y, 1e9, 0, YGI, 11), std::out_of_range);
    // A count raised by hand does not reach past the strips either.
    p.nRettangolini_ = 50;
    EXPECT_THROW(p.RettangolinoArea(y, 1e9, 0, YGI, 11), std::out_of_range);
}

TEST(RettangolinoArea, ClipsAtTheNeutralAxis) {
    Poligono p = Da({0, 2, 2, 0}, {0, 0, 4, 4});
    double h = 0, b = 0, yMax = 0;
    p.DiscretizzaPoligono(4, h, b, yMax);  // strips of height 1, width 2
    double y = 1, YGI = 0;
    EXPECT_DOUBLE_EQ(p.RettangolinoArea(y, 10, 1, YGI, 3), 2);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(YGI, 1.5);
    y = 1;
    EXPECT_DOUBLE_EQ(p.RettangolinoArea(y, 1.25, 1, YGI, 3), 0.5);
    EXPECT_EQ(y, 1.25);
    // The neutral axis below the strip: a negative area.
    y = 1;
    EXPECT_DOUBLE_EQ(p.RettangolinoArea(y, 0.5, 1, YGI, 3), -1);
    double Mx = 0, My = 0;
    y = 1;
    p.RettangolinoMomenti(y, 10, 1, YGI, 3, Mx, My, 1, 0);
    EXPECT_DOUBLE_EQ(Mx, 2 * 1.5);  // strip 3 from the top has its middle at 1.5
    EXPECT_DOUBLE_EQ(My, 0);        // centred on x = 1
}

}  // namespace
}  // namespace tavo
