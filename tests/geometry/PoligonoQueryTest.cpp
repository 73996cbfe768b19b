// Extent, point and segment queries, vertex insertion and rigid moves of the polygon.
#include "tests/geometry/PoligonoDa.h"
#include "geometry/Poligono.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

const V QX{0, 1, 1, 0}, QY{0, 0, 1, 1};

// A rigid motion as a member call, and the same motion applied to a point.
struct Moto {
    std::string nome;
    std::function<void(Poligono&)> muovi;
    std::function<std::pair<double, double>(double, double)> punto;
};

std::pair<double, double> Ruota(double x, double y, double xc, double yc, double a) {
    return {xc + (x - xc) * std::cos(a) - (y - yc) * std::sin(a),
            yc + (x - xc) * std::sin(a) + (y - yc) * std::cos(a)};
}

// Rigid motions keep the area and the principal central moments (the
// invariants of the inertia tensor) and carry the centroid with the points.
TEST(MotiRigidi, KeepAreaAndPrincipalMomentsAndCarryTheCentroid) {
    const std::vector<std::pair<std::string, Poligono>> poligoni{
        {"L", Da({0, 3, 3, 1, 1, 0}, {0, 0, 1, 1, 4, 4})},
        {"triangolo", Da({-1, 2, 0.5}, {-0.5, 0.2, 3})},
        {"pentagono concavo", Da({0, 4, 4, 2, 0}, {0, 0, 3, 1, 3})},
    };
    const std::vector<Moto> moti{
        {"Trasla", [](Poligono& p) { p.Trasla(1.5, -2); },
         [](double x, double y) { return std::pair{x - 1.5, y + 2}; }},
        {"RuotaVertici", [](Poligono& p) { p.RuotaVertici(1, 2, 0.7); },
         [](double x, double y) { return Ruota(x, y, 1, 2, 0.7); }},
        {"RuotaVertici mezzo giro", [](Poligono& p) { p.RuotaVertici(0, 0, 3.14159265358979); },
         [](double x, double y) { return Ruota(x, y, 0, 0, 3.14159265358979); }},
        {"SpecchiaXY asse y", [](Poligono& p) { p.SpecchiaXY(0.5); },
         [](double x, double y) { return std::pair{-(x + 0.5), y}; }},
        {"SpecchiaXY asse x", [](Poligono& p) { p.SpecchiaXY(-1, true); },
         [](double x, double y) { return std::pair{x, -(y - 1)}; }},
    };
    for (const auto& [nomeP, originale] : poligoni) {
        Poligono prima = originale;
        prima.CaratteristicheStatiche();
        for (const Moto& m : moti) {
            SCOPED_TRACE(nomeP + " / " + m.nome);
            Poligono p = originale;
            m.muovi(p);
            for (int i = 1; i <= p.nVertici(); ++i) {
                const auto [x, y] = m.punto(originale.Xi(i), originale.Yi(i));
                EXPECT_NEAR(p.Xi(i), x, 1e-12);
                EXPECT_NEAR(p.Yi(i), y, 1e-12);
            }
            p.CaratteristicheStatiche();
            EXPECT_NEAR(p.Area, prima.Area, 1e-12);
            EXPECT_NEAR(p.jota_IG, prima.jota_IG, 1e-11);
            EXPECT_NEAR(p.jota_IIG, prima.jota_IIG, 1e-11);
            EXPECT_NEAR(p.jota_xG + p.jota_yG, prima.jota_xG + prima.jota_yG, 1e-11);
            const auto [xG, yG] = m.punto(prima.xG, prima.yG);
            EXPECT_NEAR(p.xG, xG, 1e-12);
            EXPECT_NEAR(p.yG, yG, 1e-12);
        }
    }
}

// RuotaVertici leaves the properties of the turned outline, without a
// further CaratteristicheStatiche: the same as those of the outline turned
// by hand.
TEST(MotiRigidi, RuotaVerticiRecomputesTheProperties) {
    const Poligono originale = Da({0, 3, 3, 1, 1, 0}, {0, 0, 1, 1, 4, 4});
    Poligono p = originale;
    p.RuotaVertici(1, 2, 0.7);
    V x, y;
    for (int i = 1; i <= 6; ++i) {
        const auto [xr, yr] = Ruota(originale.Xi(i), originale.Yi(i), 1, 2, 0.7);
        x.push_back(xr);
        y.push_back(yr);
    }
    Poligono atteso = Da(x, y);
    atteso.CaratteristicheStatiche();
    EXPECT_NEAR(p.Area, 6, 1e-12);  // 3 x 1 + 1 x 3
    EXPECT_NEAR(p.xG, atteso.xG, 1e-12);
    EXPECT_NEAR(p.yG, atteso.yG, 1e-12);
    EXPECT_NEAR(p.jota_xG, atteso.jota_xG, 1e-11);
    EXPECT_NEAR(p.jota_IG, atteso.jota_IG, 1e-11);
    EXPECT_NEAR(p.WxSuperiore, atteso.WxSuperiore, 1e-11);
}

TEST(MotiRigidi, TraslaAndSpecchiaRecomputeNothingAndUndoThemselves) {
    Poligono p = Da({0, 3, 3, 1, 1, 0}, {0, 0, 1, 1, 4, 4});
    p.CaratteristicheStatiche();
    const double area = p.Area, xG = p.xG;
    p.Trasla(2, 5);
    EXPECT_EQ(p.Area, area);
    EXPECT_EQ(p.xG, xG);
    p.Trasla(-2, -5);
    p.SpecchiaXY(0.3);
    EXPECT_EQ(p.xG, xG);
    p.SpecchiaXY(0.3);
    const Poligono q = Da({0, 3, 3, 1, 1, 0}, {0, 0, 1, 1, 4, 4});
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(p.Xi(i), q.Xi(i), 1e-15);
        EXPECT_NEAR(p.Yi(i), q.Yi(i), 1e-15);
    }
    // The mirror flips the orientation.
    p.SpecchiaXY(0);
    p.AreaCalcola();
    EXPECT_FALSE(p.NumerazioneVerticiAntioraria);
}

TEST(Estensione, MaxDimensioneBoundingBoxAndBoxTest) {
    const Poligono p = Da({1, 4, 4, 1}, {-1, -1, 1, 1});
    EXPECT_EQ(p.MaxDimensione(), 3);
    EXPECT_EQ(p.BoundingBox(), (std::array<double, 4>{1, -1, 4, 1}));
    EXPECT_TRUE(p.PuntoInBoundingBox(2, 0, 0));
    EXPECT_FALSE(p.PuntoInBoundingBox(4, 0, 0));  // on the box's edge
    EXPECT_FALSE(p.PuntoInBoundingBox(3.9, 0, 0.2));
    EXPECT_TRUE(p.PuntoInBoundingBox(4.1, 0, -0.2));  // a negative zero enlarges it
    // Without vertices the seeds come back.
    const Poligono vuoto;
    EXPECT_EQ(vuoto.MaxDimensione(), -2 * static_cast<double>(1e20f));
}

TEST(PuntoInPoligono, InsideOutsideAndAtInfinity) {
    const Poligono q = Da(QX, QY);
    EXPECT_EQ(q.PuntoInPoligono(0.5, 0.5), 1);
    EXPECT_EQ(q.PuntoInPoligono(2, 0.5), -1);
    EXPECT_EQ(q.PuntoInPoligono(1, 1, 2), 1);  // homogeneous (0.5, 0.5)
    EXPECT_EQ(q.PuntoInPoligono(0.5, 0.5, 0), -1);
    EXPECT_EQ(q.PuntoInPoligono(0.5, 0.5, 0.0005), -1);  // |z| below ZeroF
    // Concave: the notch of a U is outside.
    const Poligono u = Da({0, 3, 3, 2, 2, 1, 1, 0}, {0, 0, 3, 3, 1, 1, 3, 3});
    EXPECT_EQ(u.PuntoInPoligono(1.5, 2), -1);
    EXPECT_EQ(u.PuntoInPoligono(2.5, 2), 1);
}

TEST(IntersezioneConSegmento, CrossingsInEdgeOrderEndsExcluded) {
    test::RecordingMessagePort porta;
    const Poligono q = Da(QX, QY);
    Incroci inc;
    ASSERT_TRUE(q.IntersezioneConSegmento({-1, 2}, {0.5, 0.5}, inc));
    ASSERT_EQ(inc.ni, 2);
    EXPECT_EQ(inc.lato, (std::vector<int>{2, 4}));
    EXPECT_NEAR(inc.xi[0], 1, 1e-15);
    EXPECT_NEAR(inc.xi[1], 0, 1e-15);
    EXPECT_NEAR(inc.yi[0], 0.5, 1e-15);
    // A segment that ends on an edge, and one through a vertex: no crossing.
    EXPECT_FALSE(q.IntersezioneConSegmento({0.5, 1}, {0.5, 0.5}, inc));
    EXPECT_EQ(inc.ni, 0);
    EXPECT_FALSE(q.IntersezioneConSegmento({-1, 3}, {-1, 3}, inc));
    EXPECT_TRUE(porta.testi().empty());
}

TEST(InseriscePunti, NewPointsGoAfterTheirVerticesAndNothingIsRecomputed) {
    Poligono q = Da(QX, QY);
    q.CaratteristicheStatiche();
    const V xn{0.5, 0.5}, yn{0, 1};
    const std::vector<int> ip{1, 3};
    q.InseriscePunti(xn, yn, 2, ip);
    EXPECT_EQ(q.nVertici(), 6);
    EXPECT_EQ(q.CoordX(), (V{0, 0.5, 1, 1, 0.5, 0}));
    EXPECT_EQ(q.CoordY(), (V{0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(q.Area, 1);
    q.CaratteristicheStatiche();
    EXPECT_DOUBLE_EQ(q.Area, 1);
}

// A position past the end is a subscript error, and the points before it
// must not have gone in: the outline stays as it was.
TEST(InseriscePunti, APositionPastTheEndLeavesTheOutlineAsItWas) {
    Poligono q = Da(QX, QY);
    const V xn{0.5, 9}, yn{0, 9};
    const std::vector<int> ip{1, 9};
    EXPECT_THROW(q.InseriscePunti(xn, yn, 2, ip), std::out_of_range);
    EXPECT_EQ(q.nVertici(), 4);
    EXPECT_EQ(q.CoordX(), QX);
    EXPECT_EQ(q.CoordY(), QY);
}

}  // namespace
}  // namespace tavo
