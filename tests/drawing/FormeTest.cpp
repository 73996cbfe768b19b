// Force arrows, arrowheads, hatching and polygon drawing, in world
// coordinates on the recording CAD connection.

#include "drawing/DisegnoPoligono.h"
#include "drawing/Forme.h"
#include "drawing/Tratteggio.h"
#include "geometry/PiGreco.h"
#include "geometry/Tagli.h"
#include "tests/support/RecordingCad.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tavo {
namespace {

class FormeCad : public ::testing::Test {
protected:
    FormeCad() {
        g.SpazioModello = modello;
        ImpostaUscita(g, 1, UscitaGrafica::DWG);
        ImpostaFattoreAspetto(g, 1);
    }
    const auto& entita() const { return modello->entita; }
    std::vector<std::shared_ptr<test::EntitaRegistrata>> di(const std::string& tipo) const {
        std::vector<std::shared_ptr<test::EntitaRegistrata>> v;
        for (const auto& e : entita())
            if (e->tipo == tipo) v.push_back(e);
        return v;
    }

    test::RecordingMessagePort messaggi;
    std::shared_ptr<test::SpazioRegistrato> modello = std::make_shared<test::SpazioRegistrato>();
    Grafica g;
};

void Freccia(Grafica& g, double valore, double soglia, double scala, std::vector<double> X, std::vector<double> Y,
             int tipo = 2) {
    DisegnaFreccia(g, tipo, 2, soglia, scala, 0.3, valore, "F", X, Y, 1, " kN", false);
}

TEST_F(FormeCad, FrecciaSottoSogliaNonSiDisegna) {
    Freccia(g, 0, 0, 1, {0, 1}, {0, 0});
    EXPECT_TRUE(entita().empty());
    Freccia(g, -5, 1, 1, {0, 1}, {0, 0});  // the test is on the absolute value
    EXPECT_EQ(entita().size(), 3u);           // shaft, head, label
    EXPECT_EQ(di("TEXT")[0]->testo, "F kN");
}

TEST_F(FormeCad, FrecciaScalaDelleForzeEPuntaAlSecondoEstremo) {
    // Scale 10 kN per unit, X = (0, 100): a shaft of length 10.
    Freccia(g, 100, 0, 10, {0, 100}, {0, 0});
    ASSERT_EQ(di("LWPOLYLINE").size(), 1u);
    EXPECT_EQ(di("LWPOLYLINE")[0]->coordinate, (std::vector<double>{0, 0, 10, 0}));
    // Head at point 2, turned by pi/2: tip (10, 0), base towards (0, 0):
    // (10.5, 2) and (9.5, 2) about the tip give (8, 0.5) and (8, -0.5).
    const auto s = di("SOLID");
    ASSERT_EQ(s.size(), 1u);
    const std::vector<double> atteso{10, 0, 0, 8, 0.5, 0, 8, -0.5, 0, 8, -0.5, 0};
    for (std::size_t i = 0; i < atteso.size(); ++i) EXPECT_NEAR(s[0]->coordinate[i], atteso[i], 1e-12) << i;
    EXPECT_EQ(di("TEXT")[0]->coordinate[0], 10);  // label at point 2
}

TEST_F(FormeCad, PuntaStirataDalFattoreDiAspetto) {
    std::array<double, 4> x{}, y{};
    g.ScalaVerticale = 1;
    ImpostaFattoreAspetto(g, 3);
    PuntiPuntaFreccia(g, 1, 1, 1, 0, x, y);
    // 2 L stretched three times (the turn by 0 goes through polar form).
    const std::array<double, 4> xa{1, 1.5, 0.5, 0.5}, ya{1, 7, 7, 7};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(x[i], xa[i], 1e-12);
        EXPECT_NEAR(y[i], ya[i], 1e-12);
    }
}

// Head at point 1: the angle is the direction from the head to the other
// end minus pi/2, unless an angle is given; at point 2 a given angle is not
// used.
TEST_F(FormeCad, AngoloDellaPuntaAlPrimoEstremoESuaSostituzione) {
    const std::vector<double> X{0, 10}, Y{0, 0};
    const auto punta = [&](int tipo, std::optional<double> angolo) {
        modello->entita.clear();
        DisegnaFreccia(g, tipo, 0, 0, 1, 0.3, 10, "10", X, Y, 1, "", false, nullptr, angolo);
        const auto s = di("SOLID");
        EXPECT_EQ(s.size(), 1u);
        EXPECT_TRUE(di("TEXT").empty());  // label end 0: no label
        return s.empty() ? std::vector<double>{} : s[0]->coordinate;
    };
    const auto vicino = [](const std::vector<double>& a, const std::vector<double>& b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1e-12) << i;
    };
    // Direction 0 - pi/2: (0.5, 2) and (-0.5, 2) about (0, 0) give (2, -0.5) and (2, 0.5).
    vicino(punta(1, std::nullopt), {0, 0, 0, 2, -0.5, 0, 2, 0.5, 0, 2, 0.5, 0});
    // Angle pi given: the base below the tip.
    vicino(punta(1, PiGreco), {0, 0, 0, -0.5, -2, 0, 0.5, -2, 0, 0.5, -2, 0});
    // At point 2 the given angle is not used: turned by pi/2 as computed.
    vicino(punta(2, PiGreco), {10, 0, 0, 8, 0.5, 0, 8, -0.5, 0, 8, -0.5, 0});
}

// The vertical offsets are stretched by ScalaVerticale times FattoreAspetto.
TEST_F(FormeCad, PuntaStirataDaScalaVerticalePerFattoreDiAspetto) {
    std::array<double, 4> x{}, y{};
    g.ScalaVerticale = 2;
    ImpostaFattoreAspetto(g, 3);
    PuntiPuntaFreccia(g, 1, 1, 1, PiGreco / 2, x, y);
    // Turned by pi/2: (0.5, 2) -> (-2, 0.5), (-0.5, 2) -> (-2, -0.5); then dy x 6.
    const std::array<double, 4> xa{1, -1, -1, -1}, ya{1, 4, -2, -2};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(x[i], xa[i], 1e-12) << i;
        EXPECT_NEAR(y[i], ya[i], 1e-12) << i;
    }
}

// The y of every hatch line of a hatching, sorted.
std::vector<double> OrdinateTratteggio(const test::SpazioRegistrato& m) {
    std::vector<double> y;
    for (const auto& e : m.entita) {
        EXPECT_EQ(e->tipo, "LINE");
        EXPECT_DOUBLE_EQ(e->coordinate[1], e->coordinate[4]);  // horizontal
        y.push_back(e->coordinate[1]);
    }
    std::sort(y.begin(), y.end());
    return y;
}

TEST_F(FormeCad, QuantiTrattiNelQuadratoUnitario) {
    struct Caso { double passo; std::vector<double> y; };
    const std::vector<double> x{0, 1, 1, 0}, y{0, 0, 1, 1};
    // 4 strips: 3 lines; spacing 0.3: N = CInt(1 / 0.3) = 3, lines at 0.3
    // and 0.6 only; 0 and 1 strip: none.
    for (const Caso& c : {Caso{4, {0.25, 0.5, 0.75}}, Caso{-0.3, {0.3, 0.6}}, Caso{0, {}}, Caso{1, {}}}) {
        modello->entita.clear();
        TratteggiaPoligono(g, 4, x, y, 0, c.passo);
        const auto o = OrdinateTratteggio(*modello);
        ASSERT_EQ(o.size(), c.y.size()) << c.passo;
        for (std::size_t i = 0; i < o.size(); ++i) EXPECT_NEAR(o[i], c.y[i], 1e-12);
    }
    modello->entita.clear();
    TratteggiaPoligono(g, 2, x, y, 0, 4);  // two points: not a polygon
    EXPECT_TRUE(entita().empty());
}

// CInt rounds half to even: 2.5 strips are 2 (one line), 3.5 are 4 (three
// lines); with a spacing of 2 a height of 5 gives 2.5 -> 2 strips, a
// height of 7 gives 3.5 -> 4. A count past the 16-bit range draws nothing.
TEST_F(FormeCad, ConteggioDelleStrisceArrotondatoAlPariEFuoriIntervallo) {
    struct Caso { double altezza, passo; std::vector<double> y; };
    for (const Caso& c : {Caso{1, 2.5, {0.5}}, Caso{1, 3.5, {0.25, 0.5, 0.75}}, Caso{5, -2, {2}},
                          Caso{7, -2, {2, 4, 6}}, Caso{1, 32768, {}}, Caso{1, -1e-6, {}}}) {
        modello->entita.clear();
        const std::vector<double> x{0, 1, 1, 0}, y{0, 0, c.altezza, c.altezza};
        TratteggiaPoligono(g, 4, x, y, 0, c.passo);
        const auto o = OrdinateTratteggio(*modello);
        ASSERT_EQ(o.size(), c.y.size()) << c.passo;
        for (std::size_t i = 0; i < o.size(); ++i) EXPECT_NEAR(o[i], c.y[i], 1e-12);
    }
    // The largest count that fits: 32767 strips, 32766 lines.
    modello->entita.clear();
    TratteggiaPoligono(g, 4, std::vector<double>{0, 1, 1, 0}, std::vector<double>{0, 0, 1, 1}, 0, 32767);
    EXPECT_EQ(entita().size(), 32766u);
}

// A given spacing on a polygon thousands of spacings across (a surcharge
// column kilometres high): the spacing widens so that the polygon is
// hatched evenly from end to end by at most 999 lines (1000 strips).
// Height 10 000 at spacing 1: 10 000 strips become 1000 of 10, lines at
// 10, 20, ..., 9990; a count given by the caller stays as asked.
TEST_F(FormeCad, PassoDatoSuUnPoligonoAltissimoSiAllarga) {
    const std::vector<double> x{0, 1, 1, 0}, y{0, 0, 10000, 10000};
    TratteggiaPoligono(g, 4, x, y, 0, -1);
    const auto o = OrdinateTratteggio(*modello);
    ASSERT_EQ(o.size(), 999u);
    for (std::size_t i = 0; i < o.size(); ++i) EXPECT_NEAR(o[i], 10.0 * static_cast<double>(i + 1), 1e-9);
    // The largest spacing that still fits the bound is kept: 1000 strips.
    modello->entita.clear();
    TratteggiaPoligono(g, 4, x, y, 0, -10);
    EXPECT_EQ(entita().size(), 999u);
    modello->entita.clear();
    TratteggiaPoligono(g, 4, x, y, 0, 5000);
    EXPECT_EQ(entita().size(), 4999u);
}

TEST_F(FormeCad, UnVerticeToccatoSiTratteggiaPezzoPerPezzo) {
    // The notch vertex (1, 0.5) lies on the middle hatch line: its two
    // crossings merge, and the midpoint test draws both pieces.
    const std::vector<double> x{0, 2, 2, 1, 0}, y{0, 0, 1, 0.5, 1};
    TratteggiaPoligono(g, 5, x, y, 0, 2);
    ASSERT_EQ(entita().size(), 2u);
    std::vector<double> estremi;
    for (const auto& e : entita()) estremi.insert(estremi.end(), {e->coordinate[0], e->coordinate[3]});
    std::sort(estremi.begin(), estremi.end());
    const std::vector<double> atteso{0, 1, 1, 2};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(estremi[i], atteso[i], 1e-9);
}

double DistanzaDalContorno(const std::vector<double>& x, const std::vector<double>& y, double px, double py) {
    double d = 1e300;
    const std::size_t n = x.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double dx = x[j] - x[i], dy = y[j] - y[i];
        const double t = std::clamp(((px - x[i]) * dx + (py - y[i]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        d = std::min(d, std::hypot(px - x[i] - t * dx, py - y[i] - t * dy));
    }
    return d;
}

TEST_F(FormeCad, OgniTrattoHaIlPuntoMedioDentroEGliEstremiSulContorno) {
    struct Poligono2 { std::vector<double> x, y; };
    const std::vector<Poligono2> poligoni{
        {{0, 6, 6, 2, 2, 0}, {0, 0, 1, 1, 5, 5}},                       // an L
        {{0, 4, 2}, {0, 0, 3}},                                         // a triangle
        {{0, 8, 8, 6, 4, 2, 0}, {0, 0, 4, 1, 4, 1, 4}},                 // a comb of teeth
        {{-3.1, 7.95, 7.95, 0.6, 0.6, -3.1}, {0, 0, -1.5, -1.5, -7.2, -7.2}},  // a wall section
    };
    const ZeroMaxDimenSalvato salvato;
    ImpostaZeroMaxDimen(0.5);
    for (const auto& p : poligoni) {
        for (double angolo : {0.0, 30.0, 45.0, 90.0, -45.0, 135.0}) {
            modello->entita.clear();
            const int n = static_cast<int>(p.x.size());
            TratteggiaPoligono(g, n, p.x, p.y, angolo, 30);
            EXPECT_EQ(ZeroMaxDimen(), 0.5);  // the shared tolerance put back
            EXPECT_GT(entita().size(), 10u);
            for (const auto& e : entita()) {
                const auto& c = e->coordinate;
                EXPECT_EQ(PuntoInternoPoligono(p.x, p.y, (c[0] + c[3]) / 2, (c[1] + c[4]) / 2, n), 1);
                EXPECT_LT(DistanzaDalContorno(p.x, p.y, c[0], c[1]), 1e-9);
                EXPECT_LT(DistanzaDalContorno(p.x, p.y, c[3], c[4]), 1e-9);
            }
        }
    }
}

TEST_F(FormeCad, ContornoPrismaEQuintoPunto) {
    std::array<double, 5> x{}, y{};
    ContornoPrisma(1, 2, 3, 4, x, y);
    EXPECT_EQ(x, (std::array<double, 5>{1, 3, 3, 1, 1}));
    EXPECT_EQ(y, (std::array<double, 5>{2, 2, 4, 4, 2}));
}

TEST_F(FormeCad, SezioneCavaDueAnelliSenzaIVerticiDiCollegamento) {
    // Outer loop 1-4, links 5-6, inner loop 7-10.
    Poligono p;
    p.Coordinate(std::vector<double>{0, 10, 10, 0, 0, 2, 2, 8, 8, 2}, std::vector<double>{0, 0, 10, 10, 0, 2, 2, 2, 8, 8}, 10);
    Plotta(g, p, 1, true);
    const auto l = di("LWPOLYLINE");
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0]->coordinate, (std::vector<double>{0, 0, 10, 0, 10, 10, 0, 10, 0, 0}));
    EXPECT_EQ(l[1]->coordinate, (std::vector<double>{2, 2, 8, 2, 8, 8, 2, 8, 2, 2}));
    modello->entita.clear();
    NumeraVertici(g, p, 0.5);
    ASSERT_EQ(entita().size(), 10u);
    EXPECT_EQ(entita()[9]->testo, "10");
    EXPECT_EQ(entita()[9]->coordinate[0], 2);
}

// ---- Degenerate shapes: skipped, never a message ------------------------------------

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A polygon with no inside, or with a vertex that is not a number, is not
// hatched: no line, no message, no error.
TEST_F(FormeCad, PoligonoDegenereONonFinitoNonSiTratteggia) {
    struct Caso { const char* nome; std::vector<double> x, y; double angolo; };
    const std::vector<Caso> casi{
        {"TuttiCoincidenti", {2, 2, 2}, {3, 3, 3}, 0},
        {"TuttiCoincidentiRuotato", {2, 2, 2, 2}, {3, 3, 3, 3}, 45},
        {"PiattoLungoLeLinee", {0, 1, 2}, {5, 5, 5}, 0},
        {"VerticeInfinito", {0, Inf, 1, 0}, {0, 0, 1, 1}, 0},
        {"VerticeNaN", {0, 1, 1, 0}, {0, 0, NaN, 1}, 45},
    };
    for (const Caso& c : casi) {
        modello->entita.clear();
        EXPECT_NO_THROW(TratteggiaPoligono(g, static_cast<int>(c.x.size()), c.x, c.y, c.angolo, 20)) << c.nome;
        EXPECT_TRUE(entita().empty()) << c.nome;
    }
    EXPECT_EQ(messaggi.conta(), 0u);
}

// Without a usable force scale the shaft has no second end: the whole
// arrow (shaft, head, label) is left out, with or without given head points.
TEST_F(FormeCad, FrecciaSenzaScalaUtilizzabileNonSiDisegna) {
    const TestaFreccia testa{{0, 1, -1}, {0, 2, 2}};
    for (const double scala : {0.0, -0.0, Inf, -Inf, NaN}) {
        for (const TestaFreccia* t : {static_cast<const TestaFreccia*>(nullptr), &testa}) {
            modello->entita.clear();
            DisegnaFreccia(g, 1, 2, 0, scala, 0.3, 10, "10", std::vector<double>{0, 10},
                           std::vector<double>{0, 0}, 1, "", false, t);
            EXPECT_TRUE(entita().empty()) << scala;
        }
    }
    EXPECT_EQ(messaggi.conta(), 0u);
}

// On the screen a filled head is its outline hatched: a head of no size is
// not drawn at all (its hatching would have no tolerance to work with).
class FormeVideo : public ::testing::Test {
protected:
    FormeVideo() {
        ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &video);
        ImpostaFattoreAspetto(g, 1);
    }
    test::RecordingMessagePort messaggi;
    test::RecordingSuperficie video{200, 100};
    Grafica g;
};

TEST_F(FormeVideo, PuntaDiLunghezzaNullaONonFinitaNonSiDisegna) {
    for (const double L : {0.0, -0.0, Inf, NaN}) {
        DisegnaPuntaFreccia(g, 5, 5, L, 1.0, false);
        DisegnaPuntaFreccia(g, 5, 5, L, 1.0, true);
    }
    EXPECT_TRUE(video.linee().empty());
    // A solid whose points all coincide keeps its outline (three lines of
    // no length) but gets no hatching.
    const std::vector<double> x(4, 5.0), y(4, 5.0);
    DisegnaSolido(g, 4, x, y);
    EXPECT_EQ(video.linee().size(), 3u);
    EXPECT_EQ(messaggi.conta(), 0u);
    // A head of length 1 is still its outline and 19 hatch lines.
    video.tratti.clear();
    DisegnaPuntaFreccia(g, 5, 5, 1, 0, false);
    EXPECT_EQ(video.linee().size(), 3u + 19u);
    EXPECT_EQ(messaggi.conta(), 0u);
}

}  // namespace
}  // namespace tavo
