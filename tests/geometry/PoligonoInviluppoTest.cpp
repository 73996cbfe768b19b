// Convex hull, outline seen from the right and offset outline through a point.
#include "tests/geometry/PoligonoDa.h"
#include "geometry/Poligono.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;
using Punto = std::pair<double, double>;

double Croce(const Punto& o, const Punto& a, const Punto& b) {
    return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first);
}

// The reference hull's corners by another method (Andrew's monotone chain,
// collinear points dropped: within 1e-7, as decimal grid points held in single
// precision are collinear only to their roundings).
std::set<Punto> InviluppoRiferimento(std::vector<Punto> p) {
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
    std::vector<Punto> h(2 * p.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && Croce(h[k - 2], h[k - 1], p[i]) <= 1e-7) --k;
        h[k++] = p[i];
    }
    for (std::size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && Croce(h[k - 2], h[k - 1], p[i - 1]) <= 1e-7) --k;
        h[k++] = p[i - 1];
    }
    return {h.begin(), h.begin() + static_cast<std::ptrdiff_t>(k - 1)};
}

// The hull's corners (collinear points on its edges dropped).
std::set<Punto> Spigoli(const Poligono& h) {
    std::set<Punto> s;
    const int n = h.nVertici();
    for (int i = 1; i <= n; ++i) {
        const int p = i > 1 ? i - 1 : n, q = i < n ? i + 1 : 1;
        const Punto a{h.Xi(p), h.Yi(p)}, b{h.Xi(i), h.Yi(i)}, c{h.Xi(q), h.Yi(q)};
        if (std::abs(Croce(a, b, c)) > 1e-7) s.insert(b);
    }
    return s;
}

// Random points on a small grid, so that repeats and collinear triples
// abound. On the integer grid the hull is exact in single precision; on the
// grid of step 0.1 (values as single precision holds them) the angles of
// collinear points differ by roundings, which must not lead the walk past
// its start.
TEST(PoligonoConvessoCircoscritto, EqualsABruteForceHullWithRepeatsAndCollinearPoints) {
    std::mt19937 gen(12);
    std::uniform_int_distribution<int> coord(0, 6);
    for (int prova = 0; prova < 400; ++prova) {
        SCOPED_TRACE(prova);
        const double passo = prova % 2 == 0 ? 1.0 : 0.1;
        V x, y;
        std::vector<Punto> punti;
        const int n = 5 + prova % 24;
        for (int i = 0; i < n; ++i) {
            x.push_back(static_cast<float>(coord(gen) * passo));
            y.push_back(static_cast<float>(coord(gen) * passo));
            punti.emplace_back(x.back(), y.back());
        }
        if (InviluppoRiferimento(punti).size() < 3) continue;  // all on one line
        const Poligono h = Da(x, y).PoligonoConvessoCircoscritto();
        EXPECT_EQ(Spigoli(h), InviluppoRiferimento(punti));
        // Counter-clockwise, from the lowest vertex, no point repeated.
        Poligono c = h;
        c.AreaCalcola();
        EXPECT_TRUE(c.NumerazioneVerticiAntioraria);
        EXPECT_EQ(h.Yi(1), *std::min_element(y.begin(), y.end()));
        std::set<Punto> visti;
        for (int i = 1; i <= h.nVertici(); ++i) EXPECT_TRUE(visti.insert({h.Xi(i), h.Yi(i)}).second);
    }
}

TEST(PoligonoConvessoCircoscritto, ConvexKeepsItsVerticesAndLDropsTheReentrantCorner) {
    // A convex outline listed clockwise from another vertex.
    const Poligono convesso = Da({4, 0, -1, 1, 3}, {3, 3, 1, 0, 0.5});
    const Poligono h = convesso.PoligonoConvessoCircoscritto();
    EXPECT_EQ(h.CoordX(), (V{1, 3, 4, 0, -1}));
    EXPECT_EQ(h.CoordY(), (V{0, 0.5, 3, 3, 1}));
    const Poligono l = Da({0, 3, 3, 1, 1, 0}, {0, 0, 1, 1, 4, 4});
    const Poligono hl = l.PoligonoConvessoCircoscritto();
    EXPECT_EQ(hl.CoordX(), (V{0, 3, 3, 1, 0}));
    EXPECT_EQ(hl.CoordY(), (V{0, 0, 1, 4, 4}));
}

// Points on the start's level on both sides of it: the walk comes back
// along that level and ends at the start, whichever collinear point rounding
// makes its smallest angle.
TEST(PoligonoConvessoCircoscritto, WalkBackAlongTheStartLevelEndsAtTheStart) {
    const Poligono p = Da({0.1, 0.8, 0.2, 0, 0.5}, {0.3, 0.3, 2.4, 0.3, 0.3});
    const Poligono h = p.PoligonoConvessoCircoscritto();
    EXPECT_EQ(h.CoordX(), (V{0.1f, 0.8f, 0.2f, 0}));
    EXPECT_EQ(h.CoordY(), (V{0.3f, 0.3f, 2.4f, 0.3f}));
}

// A repeated start vertex kept the walk from ever returning to its start.
TEST(PoligonoConvessoCircoscritto, RepeatedAndCollinearVerticesEnd) {
    const Poligono ripetuto = Da({0, 2, 2, 0, 0, 0}, {0, 0, 2, 2, 0, 0});
    const Poligono h = ripetuto.PoligonoConvessoCircoscritto();
    EXPECT_EQ(h.CoordX(), (V{0, 2, 2, 0}));
    EXPECT_EQ(h.CoordY(), (V{0, 0, 2, 2}));
    const Poligono linea = Da({0, 1, 2, 3}, {0, 1, 2, 3});
    EXPECT_LE(linea.PoligonoConvessoCircoscritto().nVertici(), 4);
}

TEST(VistaDaDestra, RectangleKeepsItsRightSide) {
    const Poligono r = Da({0, 2, 2, 0}, {0, 0, 1, 1});
    V x, y;
    int n = 0;
    r.VistaDaDestra(x, y, n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(x, (V{2, 2}));
    EXPECT_EQ(y, (V{0, 1}));
    EXPECT_EQ(r.nVertici(), 4);
}

// A step (0,0), (2,0), (2,1), (1,1), (1,2), (0,2), by hand: the inner corner
// (1,1) has the outline at x = 2 to its right and is hidden; (1,2) sees
// nothing to its right (its horizontal runs along the top edge) and is kept;
// (0,0) and (0,2) are hidden.
TEST(VistaDaDestra, ConcaveStepByHand) {
    const Poligono s = Da({0, 2, 2, 1, 1, 0}, {0, 0, 1, 1, 2, 2});
    V x, y;
    int n = 0;
    s.VistaDaDestra(x, y, n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(x, (V{2, 2, 1}));
    EXPECT_EQ(y, (V{0, 1, 2}));
}

// A chevron (0,0), (0.1,0), (0.2,0.1), (0.1,0.2), (0,0.2), (0.05,0.1), by
// hand: (0,0) and (0,0.2) have the vertices (0.1,0) and (0.1,0.2) on their
// horizontals to their right, and the notch (0.05,0.1) the tip (0.2,0.1):
// all three are hidden, the right-hand side remains.
TEST(VistaDaDestra, VerticesHiddenByAVertexAtTheirLevel) {
    const Poligono s = Da({0, 0.1, 0.2, 0.1, 0, 0.05}, {0, 0, 0.1, 0.2, 0.2, 0.1});
    V x, y;
    int n = 0;
    s.VistaDaDestra(x, y, n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(x, (V{0.1, 0.2, 0.1}));
    EXPECT_EQ(y, (V{0, 0.1, 0.2}));
}

TEST(OffsetPerPunto, InnerSquareThroughThePointAndTheSharedTolerance) {
    test::RecordingMessagePort porta;
    const ZeroMaxDimenSalvato salvato;
    const Poligono q = Da({0, 2, 2, 0}, {0, 0, 2, 2});
    Poligono o;
    ASSERT_TRUE(q.OffsetPerPunto(1, 0.4, o));
    EXPECT_EQ(ZeroMaxDimen(), 2e-6);
    ASSERT_EQ(o.nVertici(), 4);
    const V xa{0.4, 1.6, 1.6, 0.4}, ya{0.4, 0.4, 1.6, 1.6};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(o.Xi(i), xa[i - 1], 1e-7);
        EXPECT_NEAR(o.Yi(i), ya[i - 1], 1e-7);
    }
    // A point on the outline: no offset outline, the target untouched.
    Poligono intatto = Da({9}, {9});
    EXPECT_FALSE(q.OffsetPerPunto(0, 0.6, intatto));
    EXPECT_EQ(intatto.nVertici(), 1);
    EXPECT_TRUE(porta.testi().empty());
}

}  // namespace
}  // namespace tavo
