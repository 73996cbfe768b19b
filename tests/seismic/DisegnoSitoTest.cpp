// The site map and the node close-up drawn on a recording surface: the
// close-up's box, the marker on the map, colours, widths and node IDs.

#include "geometry/Rette.h"
#include "seismic/DisegnoSito.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace tavo {
namespace {

using test::RecordingSuperficie;
using test::TrattoRegistrato;

constexpr std::int32_t Nero = 0x000000, Rosso = 0x0000FF;  // colour indexes 7 and 1 on screen

// The cell around (12.5, 41.9): NW 1, SW 2, NE 3, SE 4.
NodiSito Cella() {
    NodiSito n{};
    n[NordOvest] = test::Nodo(1, 12.45f, 41.95f);
    n[SudOvest] = test::Nodo(2, 12.45f, 41.85f);
    n[NordEst] = test::Nodo(3, 12.55f, 41.95f);
    n[SudEst] = test::Nodo(4, 12.55f, 41.85f);
    return n;
}

std::vector<TrattoRegistrato> Cerchi(const RecordingSuperficie& s) {
    std::vector<TrattoRegistrato> v;
    for (const auto& t : s.tratti)
        if (t.tipo == 'C') v.push_back(t);
    return v;
}

TEST(DisegnoSito, MinMaxNonNulloIgnoraLoZero) {
    struct Caso { float a, b; bool minimo; float r; };
    for (Caso c : {Caso{0, 3, true, 3}, Caso{2, 0, false, 2}, Caso{2, 3, true, 2}, Caso{2, 3, false, 3},
                   Caso{0, 0, true, 0}})
        EXPECT_EQ(MinMaxNonNullo(c.a, c.b, c.minimo), c.r) << c.a << " " << c.b;
}

TEST(DisegnoSito, EstremiNodi) {
    const NodiSito cella = Cella();
    NodiSito ovest{}, nordOvest{}, est{}, nessuno{};
    ovest[NordOvest] = cella[NordOvest];
    ovest[SudOvest] = cella[SudOvest];
    nordOvest[NordOvest] = cella[NordOvest];
    est[NordEst] = cella[NordEst];
    est[SudEst] = cella[SudEst];
    struct Caso { const char* nome; const NodiSito& nodi; float lon, lat, xmin, xmax, ymin, ymax; };
    const Caso casi[] = {
        // Inside a cell of four nodes: the box is the cell.
        {"cella", cella, 12.5f, 41.9f, 12.45f, 12.55f, 41.85f, 41.95f},
        // West nodes only: the east edge is the west edge + 0.09 ...
        {"ovest", ovest, 12.5f, 41.9f, 12.45f, 12.54f, 41.85f, 41.95f},
        // ... widened to lon + 0.09 when the site lies east of it.
        {"ovest, sito a est", ovest, 12.56f, 41.9f, 12.45f, 12.65f, 41.85f, 41.95f},
        // One node: the missing sides 0.09 from the found ones, then the site.
        {"solo nord-ovest", nordOvest, 12.5f, 41.9f, 12.45f, 12.54f, 41.86f, 41.95f},
        // East nodes only, the site west of the box: xmin := lon - 0.09.
        {"est, sito a ovest", est, 12.45f, 41.9f, 12.36f, 12.55f, 41.85f, 41.95f},
        // No node: the site ± 0.09, not a box from longitude 0, latitude 0.
        {"nessun nodo", nessuno, 9.0f, 40.0f, 8.91f, 9.09f, 39.91f, 40.09f},
    };
    for (const Caso& c : casi) {
        float xmin = -1, xmax = -1, ymin = -1, ymax = -1;
        EstremiNodi(xmin, xmax, ymin, ymax, c.lon, c.lat, c.nodi);
        EXPECT_NEAR(xmin, c.xmin, 1e-5) << c.nome;
        EXPECT_NEAR(xmax, c.xmax, 1e-5) << c.nome;
        EXPECT_NEAR(ymin, c.ymin, 1e-5) << c.nome;
        EXPECT_NEAR(ymax, c.ymax, 1e-5) << c.nome;
    }
}

TEST(DisegnoSito, PrimoPianoDeiQuattroNodiConIDEMarcatoreDentro) {
    const ZeroMaxDimenSalvato salvato;
    ImpostaZeroMaxDimen(0.125);
    Grafica g;
    RecordingSuperficie s(220, 160);
    const NodiSito nodi = Cella();
    DisegnaNodi(g, s, 12.5f, 41.9f, nodi);

    // Nodes in the order north-west, north-east, south-east, south-west,
    // each a red circle of 0.0015 degrees and its ID at the node.
    const auto cerchi = Cerchi(s);
    const auto testi = s.testi();
    ASSERT_EQ(cerchi.size(), 5u);
    ASSERT_EQ(testi.size(), 4u);
    const double pixelPerGrado = s.LarghezzaDispositivo() / s.ScaleWidth();
    const Quadrante ordine[] = {NordOvest, NordEst, SudEst, SudOvest};
    for (std::size_t k = 0; k < 4; ++k) {
        const NodoReticolo& n = nodi[ordine[k]];
        EXPECT_NEAR(cerchi[k].x1, s.DispositivoX(n.Longitudine), 1e-6);
        EXPECT_NEAR(cerchi[k].y1, s.DispositivoY(n.Latitudine), 1e-6);
        EXPECT_NEAR(cerchi[k].x2, 0.0015 * pixelPerGrado, 1e-6);
        EXPECT_EQ(cerchi[k].colore, Rosso);
        EXPECT_EQ(cerchi[k].spessore, 2);
        EXPECT_EQ(testi[k].testo, std::to_string(n.ID));
        EXPECT_EQ(testi[k].colore, Rosso);
        EXPECT_NEAR(testi[k].x1, cerchi[k].x1, 1e-6);
        EXPECT_NEAR(testi[k].y1, cerchi[k].y1, 1e-6);
    }
    // Equal scales on both axes: 0.1 degree is as many pixels across as down.
    EXPECT_NEAR(std::abs(s.DispositivoY(41.85) - s.DispositivoY(41.95)),
                s.DispositivoX(12.55) - s.DispositivoX(12.45), 1e-3);
    // The whole cell inside the drawing area (the plot window works in
    // single precision: 0.01 pixel).
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_GE(cerchi[k].x1, 0.05 * 220 - 0.01);
        EXPECT_LE(cerchi[k].x1, 0.9 * 220 + 0.01);
        EXPECT_GE(cerchi[k].y1, 0.05 * 160 - 0.01);
        EXPECT_LE(cerchi[k].y1, 0.95 * 160 + 0.01);
    }
    // The site: a black circle of 0.002 degrees inside the cell and a cross
    // of half-length 0.006 degrees.
    const TrattoRegistrato& sito = cerchi[4];
    EXPECT_EQ(sito.colore, Nero);
    EXPECT_NEAR(sito.x2, 0.002 * pixelPerGrado, 1e-6);
    EXPECT_GT(sito.x1, cerchi[0].x1);
    EXPECT_LT(sito.x1, cerchi[1].x1);
    EXPECT_GT(sito.y1, cerchi[0].y1);  // y downward on the device
    EXPECT_LT(sito.y1, cerchi[2].y1);
    const auto linee = s.linee();
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_NEAR(linee[0].x2 - linee[0].x1, 0.012 * pixelPerGrado, 1e-6);
    EXPECT_NEAR(linee[0].y1, sito.y1, 1e-6);
    EXPECT_NEAR((linee[1].x1), sito.x1, 1e-6);
    EXPECT_EQ(linee[1].colore, Nero);
    // The shared tolerance is back as the drawing found it.
    EXPECT_EQ(ZeroMaxDimen(), 0.125);
}

TEST(DisegnoSito, SenzaNodiSoloIlSitoAlCentro) {
    Grafica g;
    RecordingSuperficie s(220, 160);
    DisegnaNodi(g, s, 9.0f, 40.0f, NodiSito{});
    // Only the site marker, at the centre of the drawing area: horizontally
    // the centre of the picture (the box is centred along the axis with room
    // to spare), vertically halfway between 0.05 and 0.95 of the height.
    ASSERT_EQ(s.testi().size(), 0u);
    const auto cerchi = Cerchi(s);
    ASSERT_EQ(cerchi.size(), 1u);
    EXPECT_NEAR(cerchi[0].x1, 110, 0.01);  // single-precision scale
    EXPECT_NEAR(cerchi[0].y1, 80, 0.01);
    for (const auto& t : s.tratti)
        for (double v : {t.x1, t.y1, t.x2, t.y2}) EXPECT_TRUE(std::isfinite(v));
}

TEST(DisegnoSito, MappaConMarcatoreSuRoma) {
    const ZeroMaxDimenSalvato salvato;
    ImpostaZeroMaxDimen(0.125);
    Grafica g;
    RecordingSuperficie s(300, 358);
    DisegnaMappa(g, s, 12.4835f, 41.893f);
    const auto cerchi = Cerchi(s);
    ASSERT_EQ(cerchi.size(), 1u);
    // Hand calculation, the extent stretched over 300 x 358 pixels:
    // x = (12.4835 - 5.69) / 14.71 * 300 = 138.549, y = (47.67 - 41.893) / 12.17 * 358 = 169.939;
    // r = 14.71 / 50 = 0.2942 degrees = 6 pixels across.
    EXPECT_NEAR(cerchi[0].x1, 138.549, 0.01);
    EXPECT_NEAR(cerchi[0].y1, 169.939, 0.01);
    EXPECT_NEAR(cerchi[0].x2, 6.0, 1e-4);
    EXPECT_EQ(cerchi[0].colore, Nero);
    EXPECT_EQ(cerchi[0].spessore, 2);
    // The cross: half-length 1.5 r = 9 pixels across; its vertical arm is
    // 0.4413 degrees of latitude = 12.98 pixels down.
    const auto linee = s.linee();
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_NEAR(linee[0].x1, 138.549 - 9, 0.01);
    EXPECT_NEAR(linee[0].x2, 138.549 + 9, 0.01);
    EXPECT_NEAR(linee[0].y1, 169.939, 0.01);
    EXPECT_NEAR(linee[1].x1, 138.549, 0.01);
    EXPECT_NEAR(std::abs(linee[1].y2 - linee[1].y1), 2 * 0.4413 / 12.17 * 358, 0.01);
    EXPECT_EQ(linee[1].colore, Nero);
    EXPECT_EQ(ZeroMaxDimen(), 0.125);
}

}  // namespace
}  // namespace tavo
