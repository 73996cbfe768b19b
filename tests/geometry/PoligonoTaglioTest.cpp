// Polygon cut by a line.
#include "tests/geometry/PoligonoDa.h"
#include "geometry/PiGreco.h"
#include "geometry/Poligono.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

const V QX{0, 1, 1, 0}, QY{0, 0, 1, 1};

void VerificaVertici(const Poligono& p, const V& x, const V& y, double tol) {
    ASSERT_EQ(p.nVertici(), static_cast<int>(x.size()));
    for (int i = 1; i <= p.nVertici(); ++i) {
        EXPECT_NEAR(p.Xi(i), x[i - 1], tol) << "vertice " << i;
        EXPECT_NEAR(p.Yi(i), y[i - 1], tol) << "vertice " << i;
    }
}

TEST(PoligonoIntersezione, UnitSquareByAVerticalKeepsTheReferenceSide) {
    test::RecordingMessagePort porta;
    const Poligono q = Da(QX, QY);
    const auto destra = q.PoligonoIntersezione(1, 0, -0.5, 2, 0, 1);
    ASSERT_TRUE(destra.has_value());
    VerificaVertici(*destra, {0.5, 1, 1, 0.5}, {0, 0, 1, 1}, 1e-12);
    EXPECT_NEAR(destra->Area, 0.5, 1e-12);
    EXPECT_NEAR(destra->xG, 0.75, 1e-12);
    EXPECT_NEAR(destra->yG, 0.5, 1e-12);
    const auto sinistra = q.PoligonoIntersezione(1, 0, -0.5, -2, 0, 1);
    ASSERT_TRUE(sinistra.has_value());
    VerificaVertici(*sinistra, {0, 0.5, 0.5, 0}, {0, 0, 1, 1}, 1e-12);
    EXPECT_NEAR(sinistra->xG, 0.25, 1e-12);
    EXPECT_EQ(porta.conta(), 0u);
    // The polygon cut is not changed.
    VerificaVertici(q, QX, QY, 0);
}

TEST(PoligonoIntersezione, CrossingsAreHeldInSinglePrecision) {
    // x = 0.1 crosses the square at 0.1f = 0.100000001490116, 1.5e-9 from 0.1:
    // the kept part is (1 - 0.1f) wide.
    const double x = static_cast<double>(0.1f);
    const auto p = Da(QX, QY).PoligonoIntersezione(1, 0, -0.1, 2, 0, 1);
    ASSERT_TRUE(p);
    VerificaVertici(*p, {x, 1, 1, x}, {0, 0, 1, 1}, 1e-13);
    EXPECT_NEAR(p->Area, 1 - x, 1e-13);
    EXPECT_NEAR(p->xG, (1 + x) / 2, 1e-13);
}

TEST(PoligonoIntersezione, MissAndParallelMissGiveNoObject) {
    const Poligono q = Da(QX, QY);
    EXPECT_FALSE(q.PoligonoIntersezione(1, 0, -3, 0, 0, 1).has_value());
    EXPECT_FALSE(q.PoligonoIntersezione(0, 1, -2, 0, 0, 1).has_value());  // y = 2
}

TEST(PoligonoIntersezione, ReferenceOnTheLineLeavesOnlyTheCrossings) {
    // y = 0.5: its frame turns by exactly 0, so (7, 0.5) is exactly on it.
    const auto p = Da(QX, QY).PoligonoIntersezione(0, 1, -0.5, 7, 0.5, 1);
    ASSERT_TRUE(p.has_value());
    VerificaVertici(*p, {1, 0}, {0.5, 0.5}, 1e-12);
    EXPECT_EQ(p->Area, 0);
    // x = 0.5: the frame turns by 3 PiGreco / 2, whose cosine is not exactly 0;
    // the first crossing (0.5, 0), the frame origin, is exactly on the line.
    const auto v = Da(QX, QY).PoligonoIntersezione(1, 0, -0.5, 0.5, 0, 1);
    ASSERT_TRUE(v.has_value());
    VerificaVertici(*v, {0.5, 0.5}, {0, 1}, 1e-12);
}

TEST(PoligonoIntersezione, ReferenceAsADirection) {
    const Poligono q = Da(QX, QY);
    const auto d = q.PoligonoIntersezione(1, 0, -0.5, 1, 0, 0);
    ASSERT_TRUE(d);
    EXPECT_NEAR(d->xG, 0.75, 1e-12);
    const auto s = q.PoligonoIntersezione(1, 0, -0.5, -1, 0, 0);
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->xG, 0.25, 1e-12);
    // A direction far from the line's normal still picks its side.
    const auto su = q.PoligonoIntersezione(0, 1, -0.25, 5, 1, 0);
    ASSERT_TRUE(su);
    EXPECT_NEAR(su->Area, 0.75, 1e-7);
    EXPECT_NEAR(su->yG, 0.625, 1e-7);
}

TEST(PoligonoIntersezione, ThroughAVertexKeepsTheFlaggedCopies) {
    const Poligono q = Da(QX, QY);
    const auto p = q.PoligonoIntersezione(1, -1, 0, 1, 0, 1);  // y = x, the side of (1, 0)
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->Area, 0.5, 1e-12);
    EXPECT_NEAR(p->xG, 2.0 / 3, 1e-12);
    EXPECT_NEAR(p->yG, 1.0 / 3, 1e-12);
    // (1, 0) plus the four flagged crossings; the vertices (0, 0) and (1, 1)
    // themselves only when strictly on the side after the transformation.
    EXPECT_GE(p->nVertici(), 5);
    EXPECT_LE(p->nVertici(), 7);
    int copieOrigine = 0, copieAngolo = 0;
    for (int i = 1; i <= p->nVertici(); ++i) {
        if (std::hypot(p->Xi(i), p->Yi(i)) < 1e-12) ++copieOrigine;
        if (std::hypot(p->Xi(i) - 1, p->Yi(i) - 1) < 1e-12) ++copieAngolo;
    }
    EXPECT_GE(copieOrigine, 2);
    EXPECT_GE(copieAngolo, 2);
}

// A house-shaped pentagon on a 0.1 grid cut by the vertical through its
// apex, and by the horizontal through its eaves; each part by hand.
TEST(PoligonoIntersezione, PentagonCutThroughItsCorners) {
    struct Caso {
        const char* nome;
        double W, H, R;  // width, wall height, roof rise; apex at W/2
        double a, b, c, xP, yP;
        double area;
    };
    const Caso casi[] = {
        // right of x = W/2: half the walls and half the roof
        {"colmo 0.2", 0.2, 0.1, 0.1, 1, 0, -0.1, 1, 0, 0.1 * 0.1 + 0.1 * 0.1 / 2},
        {"colmo 0.2 alto", 0.2, 0.6, 0.3, 1, 0, -0.1, 1, 0, 0.1 * 0.6 + 0.1 * 0.3 / 2},
        {"colmo 0.6", 0.6, 0.3, 0.5, 1, 0, -0.3, 1, 0, 0.3 * 0.3 + 0.3 * 0.5 / 2},
        // above y = H through both eaves: the roof
        {"falde", 0.6, 0.7, 0.3, 0, 1, -0.7, 0, 5, 0.6 * 0.3 / 2},
        // below: the walls
        {"pareti", 0.6, 0.7, 0.3, 0, 1, -0.7, 0, -5, 0.6 * 0.7},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Poligono p = Da({0, c.W, c.W, c.W / 2, 0}, {0, 0, c.H, c.H + c.R, c.H});
        const auto parte = p.PoligonoIntersezione(c.a, c.b, c.c, c.xP, c.yP, 1);
        ASSERT_TRUE(parte);
        EXPECT_NEAR(parte->Area, c.area, 1e-7);  // crossings held in single precision
    }
}

TEST(PoligonoIntersezione, TangentAtAVertex) {
    const Poligono q = Da(QX, QY);
    const auto dentro = q.PoligonoIntersezione(1, 1, -2, 0, 0, 1);  // x + y = 2 touches (1, 1)
    ASSERT_TRUE(dentro);
    EXPECT_NEAR(dentro->Area, 1, 1e-12);
    EXPECT_NEAR(dentro->xG, 0.5, 1e-12);
    const auto fuori = q.PoligonoIntersezione(1, 1, -2, 3, 3, 1);
    ASSERT_TRUE(fuori);
    EXPECT_EQ(fuori->Area, 0);
    for (int i = 1; i <= fuori->nVertici(); ++i) {
        EXPECT_NEAR(fuori->Xi(i), 1, 1e-12);
        EXPECT_NEAR(fuori->Yi(i), 1, 1e-12);
    }
}

TEST(PoligonoIntersezione, ClockwiseTwinIsCutTheSameWayAndKeepsItsOrientation) {
    const Poligono cw = Da({0, 0, 1, 1}, {0, 1, 1, 0});
    auto p = cw.PoligonoIntersezione(1, 0, -0.5, 2, 0, 1);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->Area, 0.5, 1e-12);
    EXPECT_NEAR(p->xG, 0.75, 1e-12);
    p->AreaCalcola();
    EXPECT_FALSE(p->NumerazioneVerticiAntioraria);
    auto r = Da(QX, QY).PoligonoIntersezione(1, 0, -0.5, 2, 0, 1);
    r->AreaCalcola();
    EXPECT_TRUE(r->NumerazioneVerticiAntioraria);
}

TEST(PoligonoIntersezione, ConcaveUShapeAcrossBothArms) {
    const Poligono u = Da({0, 3, 3, 2, 2, 1, 1, 0}, {0, 0, 3, 3, 1, 1, 3, 3});
    const auto sopra = u.PoligonoIntersezione(0, 1, -2, 0, 10, 1);
    const auto sotto = u.PoligonoIntersezione(0, 1, -2, 0, -10, 1);
    ASSERT_TRUE(sopra && sotto);
    EXPECT_NEAR(sopra->Area, 2, 1e-12);  // two 1 x 1 arm tops
    EXPECT_NEAR(sopra->yG, 2.5, 1e-12);
    EXPECT_NEAR(sotto->Area, 5, 1e-12);  // 3 x 2 less the 1 x 1 notch
}

// ---- Area conservation under random lines (fixed seed) -------------------

struct Forma {
    std::string nome;
    V x, y;
};

std::vector<Forma> Forme() {
    std::vector<Forma> f;
    Forma ett{"ettagono", {}, {}};
    for (int k = 0; k < 7; ++k) {
        ett.x.push_back(2 + 1.5 * std::cos(2 * PiGreco * k / 7));
        ett.y.push_back(-1 + 1.5 * std::sin(2 * PiGreco * k / 7));
    }
    f.push_back(ett);
    f.push_back({"rettangolo", {0, 4, 4, 0}, {0, 0, 1, 1}});
    f.push_back({"sezione a L", {0, 4, 4, 1, 1, 0}, {0, 0, 1, 1, 6, 6}});
    f.push_back({"sezione a U", {0, 3, 3, 2, 2, 1, 1, 0}, {0, 0, 3, 3, 1, 1, 3, 3}});
    Forma stella{"stella (oraria)", {}, {}};
    for (int k = 0; k < 10; ++k) {  // clockwise, concave
        const double r = k % 2 ? 0.4 : 1.0, t = -2 * PiGreco * k / 10;
        stella.x.push_back(r * std::cos(t));
        stella.y.push_back(r * std::sin(t));
    }
    f.push_back(stella);
    // The stem of a wall: the seven-vertex outline of the section frame.
    f.push_back({"paretine", {0, 0, 0, -0.3, -0.3, -0.5, -0.5}, {0, 3, 4, 4, 3, 3, 0}});
    return f;
}

TEST(PoligonoIntersezione, RandomLinesConserveTheArea) {
    std::mt19937 gen(1234567);
    std::uniform_real_distribution<double> ang(0, 2 * PiGreco), u(0, 1);
    int tagli = 0;
    for (const auto& f : Forme()) {
        Poligono p = Da(f.x, f.y);
        p.CaratteristicheStatiche();
        double xMin, xMax, yMin, yMax;
        p.MaxMin(xMin, xMax, yMin, yMax);
        for (int k = 0; k < 200; ++k) {
            // A line through a random point of the box at a random angle.
            const double px = xMin + u(gen) * (xMax - xMin), py = yMin + u(gen) * (yMax - yMin);
            const double t = ang(gen);
            double a, b, c;
            RettaPuntoAngolo(px, py, 1, t, a, b, c);
            const auto uno = p.PoligonoIntersezione(a, b, c, a, b, 0);
            const auto due = p.PoligonoIntersezione(a, b, c, -a, -b, 0);
            ASSERT_EQ(uno.has_value(), due.has_value());
            if (!uno) continue;
            ++tagli;
            SCOPED_TRACE(f.nome + " taglio " + std::to_string(k));
            // Single-precision crossings: relative 1e-6 of the whole.
            EXPECT_NEAR(uno->Area + due->Area, p.Area, 1e-6 * p.Area);
            // First moments add up too.
            EXPECT_NEAR(uno->stat_x + due->stat_x, p.stat_x, 1e-5 * p.Area * (yMax - yMin + 1));
            // Each part lies on its side of the line (a x + b y + c > 0 for the
            // side the normal (a, b) points into).
            const double s = 1e-6 * (xMax - xMin + yMax - yMin);
            for (int i = 1; i <= uno->nVertici(); ++i)
                EXPECT_GE(a * uno->Xi(i) + b * uno->Yi(i) + c, -s);
            for (int i = 1; i <= due->nVertici(); ++i)
                EXPECT_LE(a * due->Xi(i) + b * due->Yi(i) + c, s);
        }
    }
    EXPECT_GT(tagli, 600);
}

// ---- Pieces ------------------------------------------------------------------

TEST(PoligonoConIntersezioni, CrossingsFollowTheFirstVertexOfTheirEdge) {
    const Poligono q = Da(QX, QY);
    std::vector<bool> flag;
    const Poligono p = q.PoligonoConIntersezioni(V{0.5, 0.2}, V{0, 0.5}, std::vector<int>{1, 4}, 2,
                                                 flag);
    VerificaVertici(p, {0, 0.5, 1, 1, 0, 0.2}, {0, 0, 0, 1, 1, 0.5}, 0);
    EXPECT_EQ(flag, (std::vector<bool>{false, true, false, false, false, true}));
    EXPECT_EQ(p.Area, 0);  // nothing computed
}

TEST(PoligonoSenzaPuntiOpposti, StrictSideOrFlag) {
    const Poligono p = Da({0, 1, 2, 3}, {-1, 0, 1, 2});
    const Poligono s = p.PoligonoSenzaPuntiOpposti(1, {false, true, false, false});
    VerificaVertici(s, {1, 2, 3}, {0, 1, 2}, 0);
    const Poligono v = p.PoligonoSenzaPuntiOpposti(1, {true, false, false, false}, true);
    VerificaVertici(v, {0, 1, 2, 3}, {-1, 0, 1, 2}, 0);  // x = 0 kept by its flag only
    EXPECT_THROW(p.PoligonoSenzaPuntiOpposti(-1, {false, false, false, false}, true),
                 std::out_of_range);  // nothing retained
}

TEST(RotoTraslaVertici, MovesAndRecomputes) {
    Poligono p = Da(QX, QY);
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(-2, -3, 0, M, Mi);
    p.RotoTraslaVertici(M);
    EXPECT_EQ(p.Xi(1), 2);
    EXPECT_EQ(p.Yi(1), 3);
    EXPECT_DOUBLE_EQ(p.Area, 1);
    EXPECT_DOUBLE_EQ(p.xG, 2.5);
    p.RotoTraslaVertici(Mi);
    EXPECT_DOUBLE_EQ(p.xG, 0.5);
}

TEST(PoligonoReagente, CrossedUncrossedAndOutside) {
    const Poligono q = Da(QX, QY);
    int sez = 9;
    auto p = q.PoligonoReagente(0, 10, 1, 0, 1, -0.75, sez);
    ASSERT_TRUE(p);
    EXPECT_EQ(sez, 1);
    EXPECT_NEAR(p->Area, 0.25, 1e-7);
    p = q.PoligonoReagente(0, 10, 1, 0, 1, -5, sez);  // not crossed, z_N >= 0
    ASSERT_TRUE(p);
    EXPECT_EQ(sez, 0);
    VerificaVertici(*p, QX, QY, 0);
    EXPECT_EQ(p->Area, 0);  // no properties computed
    p = q.PoligonoReagente(0, 1, 0, 0, 1, -5, sez);  // z_N = 0 still gives the copy
    ASSERT_TRUE(p);
    EXPECT_EQ(sez, 0);
    p = q.PoligonoReagente(0, 1, -1, 0, 1, -5, sez);
    EXPECT_FALSE(p);
    EXPECT_EQ(sez, -1);
}

}  // namespace
}  // namespace tavo
