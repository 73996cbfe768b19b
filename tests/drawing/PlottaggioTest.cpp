// The plot window: widening, fitting with equal scales, centring, DXF
// extents, a zero-size device, and the shared tolerance put back.

#include "drawing/Plottaggio.h"
#include "geometry/Rette.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavo {
namespace {

using test::RecordingSuperficie;

TEST(Plottaggio, EstensioniDegeneriAllargate) {
    struct Caso { float x1, x2, y1, y2; float xMax, yMax; };
    // A point: a unit square above and to its right; a horizontal segment:
    // a height of 1/1000 of its length; a vertical one: a width of 1/1000.
    for (Caso c : {Caso{2, 2, 3, 3, 3, 4}, Caso{0, 10, 5, 5, 10, 5.01f}, Caso{1, 1, 0, 4, 1.004f, 4}}) {
        Grafica g;
        Plottaggio p;
        p.Inizializza(g, c.x1, c.x2, c.y1, c.y2, UscitaGrafica::DXF, {});
        EXPECT_EQ(p.xMin, c.x1);
        EXPECT_FLOAT_EQ(p.xMax, c.xMax);
        EXPECT_EQ(p.yMin, c.y1);
        EXPECT_FLOAT_EQ(p.yMax, c.yMax);
    }
}

TEST(Plottaggio, DxfInCoordinateDelMondoFattoreUnoETolleranza) {
    const ZeroMaxDimenSalvato salvato;
    Grafica g;
    Plottaggio p;
    p.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
    p.Inizializza(g, 0, 8, 0, 2, UscitaGrafica::DXF, {}, 1, false, 0);
    EXPECT_EQ(g.Uscita, UscitaGrafica::DXF);
    EXPECT_EQ(g.FattoreAspetto, 1);
    EXPECT_EQ(g.ScalaVerticale, 1);
    EXPECT_DOUBLE_EQ(ZeroMaxDimen(), 8 / 1e6);  // the larger span / 1e6
    // Corners: L = 8; left = -0.8, right = 8.8, bottom = -0.8, top = 2.8.
    EXPECT_FLOAT_EQ(p.xFinestraPlt()[0], -0.8f);
    EXPECT_FLOAT_EQ(p.xFinestraPlt()[2], 8.8f);
    EXPECT_FLOAT_EQ(p.yFinestraPlt()[1], -0.8f);
    EXPECT_FLOAT_EQ(p.yFinestraPlt()[0], 2.8f);
}

TEST(Plottaggio, SchermoPiuLargoDeiDatiCentraLaXSenzaToccareLaY) {
    Grafica g;
    RecordingSuperficie s(200, 100);
    Plottaggio p;  // no EstremiFinestra: the whole device
    p.Inizializza(g, 0, 10, 0, 10, UscitaGrafica::VIDEO, &s);
    // Hand calculation: sx = 0.05, sy = 0.1, devAsp 2 > worldAsp 1, so both
    // 0.1; left 0, top 10, right 20, bottom 0; centring moves left to -5.
    EXPECT_FLOAT_EQ(s.ScaleLeft(), -5);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 20);
    EXPECT_FLOAT_EQ(s.ScaleTop(), 10);
    EXPECT_FLOAT_EQ(s.ScaleHeight(), -10);
    EXPECT_EQ(g.FattoreAspetto, 1);
    ImpostaColore(g, 7);
    DisegnaLinea(g, 0, 0, 10, 10);
    ASSERT_EQ(s.linee().size(), 1u);
    const auto l = s.linee()[0];
    EXPECT_DOUBLE_EQ(l.x1, 50);
    EXPECT_DOUBLE_EQ(l.y1, 100);  // y upward
    EXPECT_DOUBLE_EQ(l.x2, 150);
    EXPECT_DOUBLE_EQ(l.y2, 0);
}

TEST(Plottaggio, SchermoPiuAltoDeiDatiCentraLaYSenzaToccareLaX) {
    Grafica g;
    RecordingSuperficie s(100, 200);
    Plottaggio p;
    p.Inizializza(g, 0, 10, 0, 10, UscitaGrafica::VIDEO, &s);
    // sx = 0.1, sy = 0.05, devAsp 0.5 <= worldAsp 1, so both 0.1; left 0,
    // top 10, right 10, bottom -10; centring: c = 0, w = 5, bottom -5, top 15.
    EXPECT_FLOAT_EQ(s.ScaleLeft(), 0);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 10);
    EXPECT_FLOAT_EQ(s.ScaleTop(), 15);
    EXPECT_FLOAT_EQ(s.ScaleHeight(), -20);
    EXPECT_EQ(p.xFinestraPlt(), (std::array<float, 4>{0, 0, 10, 10}));
    EXPECT_EQ(p.yFinestraPlt(), (std::array<float, 4>{15, -5, -5, 15}));
}

// Printer, the drawing window's area (0.05, 0.1, 0.6, 0.8): equal scales,
// the world box inside the drawing area, touching it on one axis.
TEST(Plottaggio, StampanteScaleUgualiEDatiNellArea) {
    struct Caso { float x1, x2, y1, y2; };
    for (Caso c : {Caso{-3, 9, -2, 8}, Caso{0, 40, 0, 1}, Caso{0, 1, 0, 30}}) {
        Grafica g;
        RecordingSuperficie stampante(1000, 800);
        g.Stampante = &stampante;
        Plottaggio p;
        p.EstremiFinestra(0.05f, 0.1f, 0.6f, 0.8f);
        p.Inizializza(g, c.x1, c.x2, c.y1, c.y2, UscitaGrafica::STAMPANTE, {});
        const double u1 = stampante.DispositivoX(c.x1), u2 = stampante.DispositivoX(c.x2);
        const double v1 = stampante.DispositivoY(c.y1), v2 = stampante.DispositivoY(c.y2);
        const double kx = (u2 - u1) / (c.x2 - c.x1), ky = (v1 - v2) / (c.y2 - c.y1);
        EXPECT_NEAR(kx, ky, 1e-4 * kx);
        const double tol = 1e-3;
        EXPECT_GE(u1, 50 - tol);
        EXPECT_LE(u2, 600 + tol);
        EXPECT_GE(v2, 160 - tol);  // top of the area: (1 - 0.8) H
        EXPECT_LE(v1, 720 + tol);  // bottom: (1 - 0.1) H
        EXPECT_TRUE(std::abs(u1 - 50) < tol || std::abs(v1 - 720) < tol);
        EXPECT_TRUE(std::abs(u2 - 600) < tol || std::abs(v2 - 160) < tol);
    }
}

TEST(Plottaggio, ScaleLibereFattoreDiAspetto) {
    Grafica g;
    RecordingSuperficie s(200, 100);
    Plottaggio p;
    p.Inizializza(g, 0, 10, 0, 40, UscitaGrafica::VIDEO, &s, 1, false);
    // sx = 10 / 200, sy = 40 / 100: sy / sx = 8.
    EXPECT_FLOAT_EQ(static_cast<float>(g.FattoreAspetto), 8);
}

TEST(Plottaggio, DispositivoDiDimensioneNullaNonDisegnaNulla) {
    Grafica g;
    RecordingSuperficie s(0, 0);
    Plottaggio p;
    p.EstremiFinestra(0.05f, 0.1f, 0.6f, 0.8f);
    p.Inizializza(g, 0, 10, 0, 5, UscitaGrafica::VIDEO, &s);
    for (double v : {s.ScaleLeft(), s.ScaleTop(), s.ScaleWidth(), s.ScaleHeight(), g.FattoreAspetto})
        EXPECT_TRUE(std::isfinite(v));
    ImpostaAltezzaTestoInScala(g, 1);
    DisegnaLinea(g, 0, 0, 10, 5);
    DisegnaCerchio(g, 1, 1, 1);
    DisegnaTesto(g, 1, 1, 1, "x");
    p.PlottaFinestra(g);
    EXPECT_TRUE(s.tratti.empty());
}

// A drawing area of no width on a real device: no scale to fit to, and
// nothing is drawn (not the world in pixels either).
TEST(Plottaggio, AreaDiLarghezzaNullaNonDisegnaNulla) {
    Grafica g;
    RecordingSuperficie s(200, 100);
    Plottaggio p;
    p.EstremiFinestra(0.5f, 0.1f, 0.5f, 0.8f);
    p.Inizializza(g, 0, 10, 0, 5, UscitaGrafica::VIDEO, &s);
    EXPECT_EQ(g.FattoreAspetto, 1);
    DisegnaLinea(g, 1, 1, 10, 5);
    DisegnaCerchio(g, 1, 1, 1);
    DisegnaTesto(g, 1, 1, 1, "x");
    EXPECT_TRUE(s.tratti.empty());
}

TEST(Plottaggio, LaTolleranzaCondivisaTornaAlValoreDiPrima) {
    const ZeroMaxDimenSalvato salvato;
    ImpostaZeroMaxDimen(0.125);
    Grafica g;
    {
        Plottaggio p;
        p.Inizializza(g, 0, 1000, 0, 10, UscitaGrafica::DXF, {});
        EXPECT_DOUBLE_EQ(ZeroMaxDimen(), 1e-3);
        p.Inizializza(g, 0, 2000, 0, 10, UscitaGrafica::DXF, {});
        p.ConcludeDisegno();
        EXPECT_EQ(ZeroMaxDimen(), 0.125);
        p.Inizializza(g, 0, 3000, 0, 10, UscitaGrafica::DXF, {});
    }  // destroyed during a drawing: put back as well
    EXPECT_EQ(ZeroMaxDimen(), 0.125);
}

TEST(Plottaggio, AdattaAfinestraSuUnaUscitaNonPrevista) {
    test::RecordingMessagePort messaggi;
    Grafica g;
    Plottaggio p;
    p.Inizializza(g, 0, 1, 0, 1, UscitaGrafica::DXF, {});
    p.AdattaAfinestra(g);
    EXPECT_EQ(messaggi.testi(), std::vector<std::string>{"ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista"});
}

}  // namespace
}  // namespace tavo
