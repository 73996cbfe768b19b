#include "analysis/GeometriaSezione.h"
#include "geometry/Rette.h"
#include "tests/analysis/MuroDiProva.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavo {
namespace {

using Punti = std::vector<std::pair<float, float>>;

void ControllaVertici(const Poligono& p, const Punti& attesi, const char* nome) {
    ASSERT_EQ(p.nVertici(), static_cast<int>(attesi.size())) << nome;
    for (int i = 1; i <= p.nVertici(); ++i) {
        EXPECT_NEAR(p.Xi(i), attesi[i - 1].first, 1e-6) << nome << " vertice " << i;
        EXPECT_NEAR(p.Yi(i), attesi[i - 1].second, 1e-6) << nome << " vertice " << i;
    }
}

void ControllaPunti(const ProfTerra& p, const Punti& attesi, const std::vector<float>& q,
                    const char* nome) {
    ASSERT_EQ(p.nVertici, static_cast<int>(attesi.size())) << nome;
    for (int i = 1; i <= p.nVertici; ++i) {
        EXPECT_NEAR(p.Xi(i), attesi[i - 1].first, 1e-5) << nome << " punto " << i;
        EXPECT_NEAR(p.Yi(i), attesi[i - 1].second, 1e-5) << nome << " punto " << i;
    }
    for (int i = 1; i < p.nVertici; ++i) EXPECT_EQ(p.qi(i), q[i - 1]) << nome << " lato " << i;
}

// h1 1, s1 0.3, H 5, batter 10 %, s2 0.8, s3 1.2, h3 0.8, heel 2.5, B 4.5;
// ground sides (2, 0.5, q 10) and (3, 0, q 20); deck load 0.4 behind the seat corner.
class MuroPiccolo : public ::testing::Test {
protected:
    void SetUp() override {
        v.AltezzaParaghiaia = 1;
        v.SpessoreParaghiaia = 0.3f;
        v.AltezzaParete = 5;
        v.InclinazioneParete = 10;
        v.SpessoreTestaParete = 0.8f;
        v.SpessoreBaseParete = 1.2f;
        v.AltezzaFondazione = 0.8f;
        v.SbalzoFondazione = 2.5f;
        v.LarghezzaFondazione = 4.5f;
        v.PesoSpecificoTerreno = 18;
        v.DistanzaImpalcato = 0.4f;
        v.nLatiTerreno = 2;
        for (auto* a : {&v.dxProfilo, &v.dyProfilo, &v.qProfilo}) a->ridimensiona(2);
        v.dxProfilo(1) = 2;
        v.dyProfilo(1) = 0.5f;
        v.qProfilo(1) = 10;
        v.dxProfilo(2) = 3;
        v.dyProfilo(2) = 0;
        v.qProfilo(2) = 20;
    }
    VariabiliPubbliche v;
};

TEST_F(MuroPiccolo, PolygonsProfilesAndPointsByHand) {
    CalcolaGeometria(v);
    // Top of the back face H·i/100 = 0.5 toward the toe.
    ControllaVertici(
        v.PolParete,
        {{0, 0}, {-0.5f, 5}, {-0.5f, 6}, {-0.8f, 6}, {-0.8f, 5}, {-1.3f, 5}, {-1.2f, 0}},
        "PolParete");
    EXPECT_FLOAT_EQ(v.xBaseParete, -0.6f);
    EXPECT_FLOAT_EQ(v.yBaseParete, 0);
    EXPECT_EQ(v.iBaseParete, 7);

    ControllaVertici(v.PolFondazione, {{-2, 0}, {-2, -0.8f}, {2.5f, -0.8f}, {2.5f, 0}},
                     "PolFondazione");
    EXPECT_FLOAT_EQ(v.xBaseFondazione, 0.25f);
    EXPECT_FLOAT_EQ(v.yBaseFondazione, -0.8f);
    EXPECT_EQ(v.iBaseFondazione, 2);
    EXPECT_FLOAT_EQ(v.BaseFondazione, 4.5f);

    ControllaVertici(v.PolTavo,
                     {{0, 0},
                      {-0.5f, 5},
                      {-0.5f, 6},
                      {-0.8f, 6},
                      {-0.8f, 5},
                      {-1.3f, 5},
                      {-1.2f, 0},
                      {-2, 0},
                      {-2, -0.8f},
                      {2.5f, -0.8f},
                      {2.5f, 0}},
                     "PolTavo");
    // Extent of the outline: y from -0.8 to 6 → 6.8 / 1e6 (before the
    // profile crossings overwrite it, which is checked below).

    // Closing point at 10·(1 + 5 + 0.8) = 68 on the flat last side.
    ControllaPunti(v.ProfiloTerreno, {{-0.5f, 6}, {1.5f, 6.5f}, {4.5f, 6.5f}, {68, 6.5f}},
                   {10, 20, 0}, "ProfiloTerreno");
    // The vertical x = 2.5 crosses side 2: the cut profile starts there with its surcharge.
    ControllaPunti(v.ProfiloTerrenoFondazione, {{2.5f, 6.5f}, {4.5f, 6.5f}, {68, 6.5f}}, {20, 0},
                   "ProfiloTerrenoFondazione");
    ControllaVertici(v.PolZavorra,
                     {{0, 0}, {-0.5f, 5}, {-0.5f, 6}, {1.5f, 6.5f}, {2.5f, 6.5f}, {2.5f, 0}},
                     "PolZavorra");
    // Shoelace of PolZavorra by hand: |0 − 0.5 − 12.25 − 6.5 − 16.25 + 0| / 2 = 17.75 m².
    EXPECT_NEAR(v.PesoZavorra, 18 * 17.75f, 1e-3);
    EXPECT_FLOAT_EQ(v.xImpalcato, -0.9f);
    EXPECT_FLOAT_EQ(v.yImpalcato, 5);
    // The last writer of the shared tolerance is the profile crossing: extent 68.5 / 1e6.
    EXPECT_NEAR(ZeroMaxDimen(), 68.5 / 1e6, 1e-9);
}

TEST_F(MuroPiccolo, WholeOutlineSetsTheToleranceFromItsExtent) {
    CostruiscePoligonoParete(v);
    CostruiscePoligonoFondazione(v);
    CostruiscePoligonoTavo(v);
    EXPECT_NEAR(ZeroMaxDimen(), 6.8 / 1e6, 1e-9);  // y from −0.8 to 6
}

TEST_F(MuroPiccolo, NoBackwallKeepsSevenVerticesWithTwoPairsCoinciding) {
    v.AltezzaParaghiaia = 0;
    CalcolaGeometria(v);
    ASSERT_EQ(v.PolParete.nVertici(), 7);
    EXPECT_EQ(v.PolParete.Xi(2), v.PolParete.Xi(3));
    EXPECT_EQ(v.PolParete.Yi(2), v.PolParete.Yi(3));
    EXPECT_EQ(v.PolParete.Yi(4), v.PolParete.Yi(5));
}

TEST_F(MuroPiccolo, HeelEndAtAProfilePointStartsTheCutProfileWithAZeroLengthSide) {
    // Heel end at x = 2, where side 1 (run 2.5 from the back's top at −0.5) ends.
    v.SbalzoFondazione = 2;
    v.dxProfilo(1) = 2.5f;
    CalcolaGeometria(v);
    ControllaPunti(v.ProfiloTerrenoFondazione, {{2, 6.5f}, {2, 6.5f}, {5, 6.5f}, {68, 6.5f}},
                   {10, 20, 0}, "ProfiloTerrenoFondazione");
}

TEST(GeometriaSezione, OneSideProfileClosesOnItsOwnSlope) {
    // N = 1, side (5, 1), h1 + H + h3 = 6: closing point at x = 60 on the slope 1 in 5.
    test::DatiMuro d;
    d.H = 4;
    d.h1 = 1;
    d.h3 = 1;
    d.lati = {{5, 1, 0}};
    const VariabiliPubbliche v = test::CostruisceMuro(d);
    ControllaPunti(v.ProfiloTerreno, {{0, 5}, {5, 6}, {60, 17}}, {0, 0}, "ProfiloTerreno");
}

TEST(GeometriaSezione, LastSideAlreadyBeyondTheClosingAbscissaClosesBehindIt) {
    test::DatiMuro d;  // h1 + H + h3 = 7: closing abscissa 70
    d.lati = {{80, 8, 0}};
    const VariabiliPubbliche v = test::CostruisceMuro(d);
    ControllaPunti(v.ProfiloTerreno, {{0, 6}, {80, 14}, {70, 13}}, {0, 0}, "ProfiloTerreno");
}

TEST(GeometriaSezione, RefusesAProfileItCannotClose) {
    VariabiliPubbliche v;
    v.AltezzaParete = 5;
    CostruiscePoligonoParete(v);
    try {
        CostruisceProfiloTerreno(v);
        FAIL() << "nessun lato";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "CostruisceProfiloTerreno: profilo terreno senza lati");
    }
    v.nLatiTerreno = 1;
    for (auto* a : {&v.dxProfilo, &v.dyProfilo, &v.qProfilo}) a->ridimensiona(1);
    try {
        CostruisceProfiloTerreno(v);  // a last side of zero run
        FAIL() << "lato senza sviluppo";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "CostruisceProfiloTerreno: ultimo lato del profilo senza sviluppo");
    }
    v.nLatiTerreno = 32766;  // N + 2 beyond the Integer range
    try {
        CostruisceProfiloTerreno(v);
        FAIL() << "overflow";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Overflow in CostruisceProfiloTerreno");
    }
}

}  // namespace
}  // namespace tavo

namespace tavo {
namespace {

// A vertical step of the ground standing exactly on the vertical through the
// heel end: the wedge behind the heel rests on the ground just beyond it, so
// the cut profile starts at the last profile point on that vertical (the top
// of a step up, the foot of a step down), with the surcharges of the sides
// that follow. Heel end at x = 2.5; the first side (3, 0.5) from the back's
// top at (−0.5, 6) ends on it at (2.5, 6.5); then the step, then a flat side
// of run 3; closing point at 68.
TEST_F(MuroPiccolo, VerticalStepOnTheHeelEndStartsTheCutProfileBeyondTheStep) {
    struct Caso {
        const char* nome;
        std::vector<float> gradini;  // rises of the vertical sides at x = 2.5
        float y;                     // ground just beyond the heel end
    };
    const Caso casi[] = {
        {"gradino in salita", {1.5f}, 8},
        {"gradino in discesa", {-1.5f}, 5},
        {"due lati verticali", {1.5f, 0.5f}, 8.5f},
        {"salita e discesa sulla verticale", {2, -0.5f}, 8},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const int N = static_cast<int>(c.gradini.size()) + 2;
        v.nLatiTerreno = static_cast<std::int16_t>(N);
        for (auto* a : {&v.dxProfilo, &v.dyProfilo, &v.qProfilo}) a->ridimensiona(N);
        v.dxProfilo(1) = 3;
        v.dyProfilo(1) = 0.5f;
        v.qProfilo(1) = 10;
        for (int j = 2; j < N; ++j) {
            v.dxProfilo(j) = 0;
            v.dyProfilo(j) = c.gradini[static_cast<std::size_t>(j - 2)];
            v.qProfilo(j) = 7;
        }
        v.dxProfilo(N) = 3;
        v.dyProfilo(N) = 0;
        v.qProfilo(N) = 20;
        CalcolaGeometria(v);
        ControllaPunti(v.ProfiloTerrenoFondazione, {{2.5f, c.y}, {5.5f, c.y}, {68, c.y}}, {20, 0},
                       "ProfiloTerrenoFondazione");
    }
}

}  // namespace
}  // namespace tavo
