// The output-target state and the dispatchers, on the recording surface and
// the recording CAD connection.

#include "drawing/Grafica.h"
#include "drawing/ErroreUscita.h"
#include "tests/support/RecordingCad.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tavo {
namespace {

using test::RecordingSuperficie;

TEST(Grafica, ParoleDelleUsciteEParolaSconosciutaVaAllaStampante) {
    for (auto u : {UscitaGrafica::VIDEO, UscitaGrafica::STAMPANTE, UscitaGrafica::DXF,
                   UscitaGrafica::DWG, UscitaGrafica::BLOCCO})
        EXPECT_EQ(UscitaDaParola(ParolaUscita(u)), u);
    EXPECT_EQ(UscitaDaParola("dxf"), UscitaGrafica::STAMPANTE);  // compared exactly
    EXPECT_EQ(UscitaDaParola(""), UscitaGrafica::STAMPANTE);
}

TEST(Grafica, TabellaDeiColori) {
    struct Caso { int indice; long rgb; };
    for (Caso c : {Caso{0, 0xFFFFFF}, {1, 0x0000FF}, {2, 0x00FFFF}, {3, 0x00FF00}, {4, 0xFFFF00},
                   {5, 0xFF0000}, {6, 0xFF00FF}, {7, 0}, {8, 0x808080}, {9, 0}, {11, 0x000080},
                   {13, 0x00C000}, {-1, 0}})
        EXPECT_EQ(ColoreRGB(c.indice), c.rgb) << c.indice;

    Grafica g;
    ImpostaUscita(g, 1, UscitaGrafica::VIDEO);
    ImpostaColore(g, 5);
    EXPECT_EQ(g.ColoreCorrente, 0xFF0000);  // blue under VIDEO
    ImpostaColore(g, 9);
    EXPECT_EQ(g.ColoreCorrente, 0);
    ImpostaColore(g, 5, UscitaGrafica::DXF);
    EXPECT_EQ(g.ColoreCorrente, 5);
}

TEST(Grafica, SpessoreSulloSchermoESullaStampante) {
    Grafica g;
    RecordingSuperficie video(100, 100), stampante(100, 100, 15);
    g.Stampante = &stampante;
    ImpostaSpessore(g, 3, UscitaGrafica::VIDEO, &video);
    EXPECT_EQ(video.DrawWidth(), 3);
    EXPECT_EQ(g.Uscita, UscitaGrafica::VIDEO);
    // 2 x 2 x 5.67 / 15 = 1.512 -> 2 pixels: width 1 is 0.2 mm.
    ImpostaSpessore(g, 2, UscitaGrafica::STAMPANTE);
    EXPECT_EQ(stampante.DrawWidth(), 2);
    EXPECT_EQ(video.DrawWidth(), 3);
}

TEST(Grafica, UscitaCorrenteTieneGliArgomentiMancanti) {
    Grafica g;
    RecordingSuperficie s(10, 10);
    ImpostaUscita(g, 2, UscitaGrafica::VIDEO, &s);
    UscitaCorrente(g, std::nullopt, UscitaGrafica::DXF);
    EXPECT_EQ(g.ScalaVerticale, 2);
    EXPECT_EQ(g.Uscita, UscitaGrafica::DXF);
    EXPECT_EQ(g.Oggetto.superficie, &s);
}

class PrimitiveVideo : public ::testing::Test {
protected:
    PrimitiveVideo() {
        ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &video);
        ImpostaColore(g, 1);
    }
    Grafica g;
    RecordingSuperficie video{200, 100};
    const std::vector<double> x{0, 10, 10}, y{0, 0, 10};
};

TEST_F(PrimitiveVideo, PoligonoChiudeLaPoligonaleNo) {
    DisegnaPoligono(g, 3, x, y);
    EXPECT_EQ(video.linee().size(), 3u);
    video.tratti.clear();
    DisegnaPoligonale(g, 3, x, y);
    ASSERT_EQ(video.linee().size(), 2u);
    EXPECT_EQ(video.linee()[0].colore, 0x0000FF);  // the current colour, red
    EXPECT_EQ(video.ForeColor(), 0);                // the surface's own colour untouched
}

TEST_F(PrimitiveVideo, LaScalaVerticaleDivideLeOrdinate) {
    DisegnaLinea(g, 1, 4, 3, 8, 2);
    ASSERT_EQ(video.linee().size(), 1u);
    const auto l = video.linee()[0];
    EXPECT_DOUBLE_EQ(l.y1, 2);
    EXPECT_DOUBLE_EQ(l.y2, 4);
    EXPECT_DOUBLE_EQ(l.x2, 3);
}

TEST_F(PrimitiveVideo, SolidoSulloSchermoContornoEDiciannoveLineeDiTratteggio) {
    const std::vector<double> xs{0, 10, 10, 10}, ys{0, 0, 10, 10};
    DisegnaSolido(g, 4, xs, ys);
    // 3 sides of the triangle + 19 horizontal hatch lines (20 strips).
    EXPECT_EQ(video.linee().size(), 3u + 19u);
}

TEST_F(PrimitiveVideo, UnNumeroNonFinitoSaltaSoloQuellElemento) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    DisegnaLinea(g, 0, 0, inf, 1);
    DisegnaLinea(g, 0, 0, 1, 1, 0);  // a zero scale
    DisegnaCerchio(g, 0, 0, nan);
    DisegnaPoligono(g, 3, std::vector<double>{0, nan, 1}, y);
    DisegnaTesto(g, 0, nan, 1, "x");
    EXPECT_TRUE(video.tratti.empty());
    DisegnaLinea(g, 0, 0, 1, 1);
    EXPECT_EQ(video.tratti.size(), 1u);
}

TEST_F(PrimitiveVideo, TestoConAltezzaInScalaSiRidimensiona) {
    // Device scale: 12 pixels of text height are 12 units; a world height
    // of 24 doubles the font size.
    ImpostaAltezzaTestoInScala(g, 1);
    video.FontSize(8.25);
    DisegnaTesto(g, 5, 6, 24, "abc");
    ASSERT_EQ(video.testi().size(), 1u);
    EXPECT_DOUBLE_EQ(video.testi()[0].dimensione, 16.5);
    EXPECT_DOUBLE_EQ(video.testi()[0].x1, 5);
    EXPECT_EQ(video.testi()[0].colore, 0x0000FF);
}

TEST(Grafica, UnaParolaSconosciutaDisegnaSullaStampante) {
    Grafica g;
    RecordingSuperficie stampante(100, 100);
    g.Stampante = &stampante;
    ImpostaUscita(g, 1, UscitaDaParola("PLOTTER"));
    const std::vector<double> x{0, 1, 1, 1}, y{0, 0, 1, 1};
    DisegnaLinea(g, 0, 0, 1, 1);
    DisegnaCerchio(g, 0, 0, 1);
    DisegnaPoligono(g, 3, x, y);
    DisegnaPoligonale(g, 3, x, y);
    DisegnaTesto(g, 0, 0, 1, "t");
    EXPECT_EQ(stampante.linee().size(), 1u + 3u + 2u);
    EXPECT_EQ(stampante.testi().size(), 1u);
}

TEST(Grafica, SenzaBersaglioUnErroreDaRiferire) {
    Grafica g;
    ImpostaUscita(g, 1, UscitaGrafica::DXF);
    try {
        DisegnaLinea(g, 0, 0, 1, 1);
        FAIL();
    } catch (const ErroreUscita& e) {
        EXPECT_EQ(e.numero(), 52);
        EXPECT_STREQ(e.what(), "Nome o numero di file non valido");
    }
    ImpostaUscita(g, 1, UscitaGrafica::VIDEO);
    EXPECT_THROW(DisegnaLinea(g, 0, 0, 1, 1), ErroreUscita);
}

TEST(Grafica, TestoCompostoSulloSchermoPezzoDopoPezzo) {
    Grafica g;
    RecordingSuperficie s(100, 100);
    ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &s);
    StileTestoDwg(g, 1, "Arial", "Times");
    StileTestoDwg(g, 2, "Symbol", "Symbol");
    const std::vector<PezzoTesto> pezzi{{"j", 2}, {" = 30°", 1}};
    DisegnaTestoComposto(g, 10, 20, 3, pezzi);
    const auto t = s.testi();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].font, "Symbol");
    EXPECT_EQ(t[1].font, "Arial");
    EXPECT_DOUBLE_EQ(t[1].x1, 10 + 6);  // after the width of "j"
    EXPECT_EQ(g.ScalaVerticale, 1);
}

TEST(Grafica, TestoCompostoNelCadUsaLaLarghezzaDelTestoPrecedente) {
    Grafica g;
    test::ApplicazioneRegistrata app;
    g.DocCad = app.documento;
    g.SpazioModello = app.documento->modello;
    ImpostaUscita(g, 1, UscitaGrafica::DWG);
    StileTestoDwg(g, 2, "Symbol", "NessunFontCosi");
    StileTestoDwg(g, 1, "Arial", "NessunFontCosi");
    const std::vector<PezzoTesto> pezzi{{"j", 2}, {" = 30", 1}};
    DisegnaTestoComposto(g, 10, 20, 2, pezzi);
    const auto& e = app.documento->modello->entita;
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0]->testo, "j");
    EXPECT_DOUBLE_EQ(e[1]->coordinate[0], 10 + 0.6 * 2);
    EXPECT_EQ(app.documento->attivo, app.documento->stili[1]);  // style 1 active at the end
}

}  // namespace
}  // namespace tavo
