// The surcharge blocks of the ground profile against the limit of the
// drawing: a side wholly beyond it draws nothing, one that crosses it is
// cut at it, one before it is a whole block. Surcharges kilometres high on
// the wedge are hatched with a bounded number of lines.

#include "analysis/DisegnoProfTerra.h"
#include "walldrawing/DisegnoTavo.h"

#include "tests/support/RecordingSuperficie.h"
#include "tests/walldrawing/EsempioCalcolato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tavo {
namespace {

// Ground from x = 0: sides 0-4 (q 10), 4-20 (unloaded), 20-25 (q 30),
// drawn with the limit at `limite`, one world unit per pixel.
std::vector<test::TrattoRegistrato> Carichi(double limite) {
    ProfTerra p;
    const std::array<float, 4> x{0, 4, 20, 25}, y{0, 0, 0, 0}, q{10, 0, 30};
    p.Coordinate(x, y, q, 4);
    test::RecordingSuperficie s(1000, 1000);
    Grafica g;
    ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &s);
    DisegnaCarichi(g, p, 1, 0, limite);
    return s.linee();
}

TEST(DisegnaCarichi, UnLatoOltreIlLimiteNonSiDisegna) {
    // The limit at 4.6: only the first block (four sides); the load at
    // 20-25 m lies beyond it and draws no line back to the limit.
    const auto linee = Carichi(4.6);
    ASSERT_EQ(linee.size(), 4u);
    for (const auto& l : linee) {
        EXPECT_LE(l.x1, 4.0 + 1e-9);
        EXPECT_LE(l.x2, 4.0 + 1e-9);
    }
}

TEST(DisegnaCarichi, UnLatoCheAttraversaIlLimiteSiTaglia) {
    // The limit at 22: the first block, then the loaded side cut at 22 as
    // a closed block from 20 to 22 (q 30 over a scale of 1: 30 high).
    const auto linee = Carichi(22);
    ASSERT_EQ(linee.size(), 8u);
    double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
    for (std::size_t i = 4; i < 8; ++i)
        for (auto [x, y] : {std::pair{linee[i].x1, linee[i].y1}, std::pair{linee[i].x2, linee[i].y2}}) {
            xMin = std::min(xMin, x), xMax = std::max(xMax, x);
            yMin = std::min(yMin, y), yMax = std::max(yMax, y);
        }
    // Device pixels, y downward from the top of a 1000-pixel device.
    EXPECT_DOUBLE_EQ(xMin, 20);
    EXPECT_DOUBLE_EQ(xMax, 22);
    EXPECT_DOUBLE_EQ(yMax - yMin, 30);
    // Closed: each corner is the end of two of its sides.
    for (std::size_t i = 4; i < 8; ++i) {
        const auto& a = linee[i];
        const auto& b = linee[i == 7 ? 4 : i + 1];
        EXPECT_DOUBLE_EQ(a.x2, b.x1);
        EXPECT_DOUBLE_EQ(a.y2, b.y1);
    }
}

// The abutment with a 90 m backwall, a weightless wall (the soil's unit
// weight gives the surcharge heights) and 62 loaded sides of 1e6 kN/m²
// behind it: every prism on the wedge is a column some 52 km high.
test::Progetto SpallaSovraccaricata() {
    test::Progetto p = test::Spalla();
    p.v.AltezzaParaghiaia = 89.99f;
    p.v.PesoSpecificoTavo = 0;
    p.v.nLatiTerreno = 63;
    p.v.dxProfilo.ridimensiona(63);
    p.v.dyProfilo.ridimensiona(63);
    p.v.qProfilo.ridimensiona(63);
    for (int j = 2; j <= 63; ++j) {  // side 1 stays the example's
        p.v.dxProfilo(j) = 12;
        p.v.dyProfilo(j) = 0.6f;
        p.v.qProfilo(j) = 1e6f;
    }
    return test::Calcolato(p);
}

TEST(DisegnaSovraccarichi, PrismiAltissimiConUnNumeroLimitatoDiTratti) {
    const test::Progetto p = SpallaSovraccaricata();
    test::RecordingSuperficie s(1000, 700);
    Grafica g;
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::VIDEO, &s);
    // Thirteen prisms stand on the two wedges drawn (the static
    // combination's, which governs); at the drawing's spacing each would
    // take some 31 500 hatch lines (410 000 in all, a repaint of seconds).
    // Each is hatched from end to end by 999, no more; the rest of the
    // drawing takes some 250 lines.
    ASSERT_EQ(p.v.CombGravosaRibaltamento, 1);
    ASSERT_EQ(p.v.CombGravosaParete, 1);
    EXPECT_GE(s.linee().size(), 13u * 999u);
    EXPECT_LT(s.linee().size(), 13u * 999u + 2000u);
}

}  // namespace
}  // namespace tavo
