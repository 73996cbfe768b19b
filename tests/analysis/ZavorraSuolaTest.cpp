// The soil resting on the heel: what really lies there, whatever the ground
// does behind the stem, and the area and centroid of the polygons the
// calculation builds, without a message.

#include "analysis/ZavorraSuola.h"
#include "analysis/GeometriaSezione.h"
#include "tests/analysis/MuroDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace tavo {
namespace {

// Two edges that are not neighbours cross or touch: the outline is not simple.
bool Semplice(const Poligono& p) {
    const int n = p.nVertici();
    auto lato = [&](int i, double ax, double ay) {
        const int j = i % n + 1;
        return (p.Xi(j) - p.Xi(i)) * (ay - p.Yi(i)) - (p.Yi(j) - p.Yi(i)) * (ax - p.Xi(i));
    };
    for (int i = 1; i <= n; ++i)
        for (int k = i + 2; k <= n; ++k) {
            if (i == 1 && k == n) continue;
            const int i2 = i % n + 1, k2 = k % n + 1;
            const double d1 = lato(i, p.Xi(k), p.Yi(k)), d2 = lato(i, p.Xi(k2), p.Yi(k2));
            const double d3 = lato(k, p.Xi(i), p.Yi(i)), d4 = lato(k, p.Xi(i2), p.Yi(i2));
            if (d1 * d2 < 0 && d3 * d4 < 0) return false;
        }
    return true;
}

struct CasoZavorra {
    const char* nome;
    test::DatiMuro muro;
    double area, xG, yG;  // by hand
};

TEST(ZavorraSuola, SoilOnTheHeelByHand) {
    auto muro = [](float H, float h1, float i, std::vector<test::LatoTerreno> lati) {
        test::DatiMuro d;
        d.H = H;
        d.h1 = h1;
        d.i = i;
        d.L2 = 3;
        d.lati = std::move(lati);
        return d;
    };
    const CasoZavorra casi[] = {
        // Rectangle 3 × (6 + 1) behind a vertical back, flat ground.
        {"flat ground", muro(6, 1, 0, {{30, 0, 0}}), 21, 1.5, 3.5},
        // The ground falls from the stem top (0, 2) by 3 in 4 and leaves the
        // footing top at x = 8/3, before the heel end at 3: the triangle
        // (0, 0), (0, 2), (8/3, 0), centroid at a third of its legs.
        {"falling slope leaves the heel", muro(2, 0, 0, {{4, -3, 0}}), 8.0 / 3, 8.0 / 9, 2.0 / 3},
        // A 10 % batter, the ground stepping down 3 m at the top of a 5 m
        // back and then flat at y = 2: the step runs through the stem, so
        // the soil is the trapezoid (0, 0), (−0.2, 2), (3, 2), (3, 0):
        // rectangle 6 at (1.5, 1) plus the triangle 0.2 over the back at
        // (−0.2/3, 4/3).
        {"step down through a battered stem", muro(5, 0, 10, {{0, -3, 0}, {10, 0, 0}}), 6.2,
         (6 * 1.5 - 0.2 * 0.2 / 3) / 6.2, (6 * 1.0 + 0.2 * 4.0 / 3) / 6.2},
        // A step down at the backwall top below the footing top: no soil.
        {"ground below the footing top", muro(4, 1, 0, {{0, -6, 0}, {10, 0, 0}}), 0, 0, 0},
        // Ground at the footing top level behind the stem: no soil either.
        {"ground at the footing top", muro(4, 0, 0, {{0, -4, 0}, {10, 0, 0}}), 0, 0, 0},
    };
    for (const CasoZavorra& c : casi) {
        SCOPED_TRACE(c.nome);
        test::RecordingMessagePort messaggi;
        const VariabiliPubbliche v = test::CostruisceMuro(c.muro);
        EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
        EXPECT_NEAR(v.PesoZavorra, 18 * c.area, 1e-4);
        EXPECT_NEAR(v.xZavorra, c.xG, 1e-5);
        EXPECT_NEAR(v.yZavorra, c.yG, 1e-5);
        EXPECT_TRUE(Semplice(v.PolZavorra));
        if (c.area == 0) {
            EXPECT_EQ(v.PolZavorra.nVertici(), 0);
        }
    }
}

// ---- A population against a brute force ------------------------------------

// Whether (x, y) is soil on the heel, from the definitions alone: above the
// footing top, before the heel end, beyond the stem's back face and its
// backwall, under the ground (which starts at the backwall's top).
struct Terreno {
    float H, h1, i, L2;
    std::vector<double> x, y;  // ground points from the backwall top

    double xDorso() const { return -H * i / 100.0; }
    bool Suolo(double px, double py) const {
        const double x2 = xDorso();
        if (py <= 0 || px >= L2) return false;
        if (py <= H) {
            if (px <= x2 * py / H) return false;
        } else if (px <= x2) {
            return false;
        }
        if (px < x2) return true;  // under a back that leans over the heel
        for (std::size_t k = 1; k < x.size(); ++k)
            if (px >= x[k - 1] && px < x[k])
                return py < y[k - 1] + (y[k] - y[k - 1]) * (px - x[k - 1]) / (x[k] - x[k - 1]);
        return false;
    }
};

struct Integrale {
    double area = 0, sx = 0, sy = 0;
};

// Midpoint sums over a fine grid of the box [x0, x1] × [0, y1].
template <class F>
Integrale Griglia(F dentro, double x0, double x1, double y1, int passi) {
    Integrale r;
    const double hx = (x1 - x0) / passi, hy = y1 / passi;
    for (int a = 0; a < passi; ++a)
        for (int b = 0; b < passi; ++b) {
            const double px = x0 + (a + 0.5) * hx, py = (b + 0.5) * hy;
            if (!dentro(px, py)) continue;
            r.area += hx * hy;
            r.sx += hx * hy * py;
            r.sy += hx * hy * px;
        }
    return r;
}

TEST(ZavorraSuola, SeededPopulationAgainstAGridSum) {
    std::mt19937 gen(20260611);
    auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); };
    int conSuolo = 0, senzaSuolo = 0;
    for (int caso = 0; caso < 150; ++caso) {
        test::DatiMuro d;
        d.H = static_cast<float>(u(1, 6));
        d.h1 = u(0, 1) < 0.3 ? 0.0f : static_cast<float>(u(0.2, 2));
        d.i = u(0, 1) < 0.3 ? 0.0f : static_cast<float>(u(-10, 20));
        d.L2 = static_cast<float>(u(0.5, 4));
        d.lati.clear();
        const int N = 1 + static_cast<int>(u(0, 3.99));
        for (int j = 1; j <= N; ++j) {
            const bool gradino = j < N && u(0, 1) < 0.3;
            d.lati.push_back({gradino ? 0.0f : static_cast<float>(u(0.2, 3)), static_cast<float>(u(-3, 3)), 0});
        }
        SCOPED_TRACE(::testing::Message() << "caso " << caso);
        test::RecordingMessagePort messaggi;
        const VariabiliPubbliche v = test::CostruisceMuro(d);
        EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
        EXPECT_TRUE(Semplice(v.PolZavorra));

        Terreno t{d.H, d.h1, d.i, d.L2, {}, {}};
        for (int k = 1; k <= v.ProfiloTerreno.nVertici; ++k) {
            t.x.push_back(v.ProfiloTerreno.Xi(k));
            t.y.push_back(v.ProfiloTerreno.Yi(k));
        }
        double yMax = d.H + d.h1;
        for (double y : t.y) yMax = std::max(yMax, y);
        const double x0 = std::min(0.0, t.xDorso());
        const int passi = 600;
        const double cella = std::max((d.L2 - x0) / passi, yMax / passi);
        const double perimetro = 2 * ((d.L2 - x0) + yMax) + 2 * yMax;
        const double tolleranza = 2 * cella * perimetro;  // cells the outline crosses

        const Integrale g = Griglia([&](double px, double py) { return t.Suolo(px, py); }, x0, d.L2, yMax, passi);
        EXPECT_NEAR(v.PesoZavorra / 18, g.area, tolleranza);
        if (g.area > 20 * tolleranza) {
            ++conSuolo;
            EXPECT_NEAR(v.xZavorra, g.sy / g.area, 0.02 * (d.L2 - x0));
            EXPECT_NEAR(v.yZavorra, g.sx / g.area, 0.02 * yMax);
        } else if (g.area == 0) {
            ++senzaSuolo;
        }

        // The soil beyond a section of the heel, as the reinforcement report cuts it.
        const double xs = u(0, d.L2);
        Poligono oltre = ParteOltreSezione(v.PolZavorra, xs);
        AreaEBaricentro(oltre);
        const Integrale go =
            Griglia([&](double px, double py) { return px > xs && t.Suolo(px, py); }, x0, d.L2, yMax, passi);
        EXPECT_NEAR(oltre.Area, go.area, tolleranza);
        EXPECT_TRUE(Semplice(oltre));
    }
    // The population reaches both kinds of heel.
    EXPECT_GT(conSuolo, 30);
    EXPECT_GT(senzaSuolo, 0);
}

TEST(ZavorraSuola, AreaAndCentroidAreThoseOfTheSectionProperties) {
    // An L-shaped outline: the same numbers as the polygon class gives.
    Poligono p;
    const std::vector<double> x{0, 4, 4, 1, 1, 0}, y{0, 0, 1, 1, 3, 3};
    p.Coordinate(x, y, 6);
    Poligono q = p;
    q.CaratteristicheStatiche();
    AreaEBaricentro(p);
    EXPECT_EQ(p.Area, q.Area);
    EXPECT_EQ(p.xG, q.xG);
    EXPECT_EQ(p.yG, q.yG);
    EXPECT_DOUBLE_EQ(p.Area, 6);  // 4·1 + 1·2

    // Nothing enclosed: no vertex, two vertices, all on a line.
    test::RecordingMessagePort messaggi;
    Poligono vuoto, due, retta;
    due.Coordinate(std::vector<double>{0, 1}, std::vector<double>{0, 1}, 2);
    retta.Coordinate(std::vector<double>{0, 1, 3, 2}, std::vector<double>{0, 1, 3, 2}, 4);
    for (Poligono* r : {&vuoto, &due, &retta}) {
        r->xG = 7;
        AreaEBaricentro(*r);
        EXPECT_EQ(r->Area, 0);
        EXPECT_EQ(r->xG, 0);
        EXPECT_EQ(r->yG, 0);
    }
    EXPECT_EQ(messaggi.conta(), 0u);
}

}  // namespace
}  // namespace tavo
