// The CAD connection and the entity each primitive becomes, on the
// recording connection.

#include "drawing/Cad.h"
#include "tests/support/CartellaDiProva.h"
#include "tests/support/RecordingCad.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

namespace tavo {
namespace {

using test::ConnettoreRegistrato;

TEST(Cad, SenzaProgrammaCadUnSoloMessaggioEFalso) {
    test::RecordingMessagePort messaggi;
    Grafica g;  // the platform's connector: no CAD program
    EXPECT_FALSE(AvviaCad(g));
    ASSERT_EQ(messaggi.conta(), 1u);
    EXPECT_EQ(messaggi.registrati()[0].testo,
              "Impossibile aprire Autocad.\r\nControllare che la versione di Autocad non sia LT");
    EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Critico);
    EXPECT_FALSE(g.SpazioModello);
}

TEST(Cad, AvviaCadProvaIdentificativiEModi) {
    struct Caso { const char* id; bool crea; std::vector<std::string> chiamate; };
    const std::vector<Caso> casi{
        {"AutoCAD.Application.17", false, {"Attiva AutoCAD.Application.17"}},
        {"AutoCAD.Application.17", true, {"Attiva AutoCAD.Application.17", "Crea AutoCAD.Application.17"}},
        {"AutoCAD.Application", false,
         {"Attiva AutoCAD.Application.17", "Crea AutoCAD.Application.17", "Attiva AutoCAD.Application"}},
    };
    for (const Caso& c : casi) {
        test::RecordingMessagePort messaggi;
        ConnettoreRegistrato connettore;
        connettore.identificativo = c.id;
        connettore.crea = c.crea;
        Grafica g;
        g.Connettore = &connettore;
        ASSERT_TRUE(AvviaCad(g)) << c.id;
        auto chiamate = c.chiamate;
        chiamate.push_back("AppActivate AutoCAD - [Disegno1.dwg]");
        EXPECT_EQ(connettore.chiamate, chiamate);
        EXPECT_TRUE(connettore.app->visibile);
        EXPECT_EQ(g.SpazioModello, connettore.app->documento->modello);
        EXPECT_EQ(messaggi.conta(), 0u);
    }
}

// Errors of the connection's set-up are trapped statement by statement: a
// window that cannot be shown still gives its document and model space.
TEST(Cad, UnErroreNelRendereVisibileNonFermaLeIstruzioniSeguenti) {
    test::RecordingMessagePort messaggi;
    ConnettoreRegistrato connettore;
    connettore.app->visibleFallisce = true;
    Grafica g;
    g.Connettore = &connettore;
    ASSERT_TRUE(AvviaCad(g));
    EXPECT_EQ(g.DocCad, connettore.app->documento);
    EXPECT_EQ(g.SpazioModello, connettore.app->documento->modello);
    EXPECT_EQ(connettore.chiamate.back(), "AppActivate AutoCAD - [Disegno1.dwg]");
    EXPECT_EQ(messaggi.conta(), 0u);
}

class CadRegistrato : public ::testing::Test {
protected:
    CadRegistrato() {
        g.Connettore = &connettore;
        EXPECT_TRUE(AvviaCad(g));
        ImpostaUscita(g, 1, UscitaGrafica::DWG);
        ImpostaColore(g, 3);
    }
    const auto& entita() const { return connettore.app->documento->modello->entita; }

    test::RecordingMessagePort messaggi;
    ConnettoreRegistrato connettore;
    Grafica g;
    const std::vector<double> x{0, 4, 4, 0}, y{0, 0, 2, 2};
};

TEST_F(CadRegistrato, OgniPrimitivaUnaEntitaColorata) {
    DisegnaLinea(g, 1, 2, 3, 4);
    DisegnaCerchio(g, 1, 1, 0.5);
    DisegnaPoligono(g, 4, x, y);
    DisegnaPoligonale(g, 3, x, y);
    DisegnaTesto(g, 1, 5, 0.2, "Dati", 1, true);
    ASSERT_EQ(entita().size(), 5u);
    EXPECT_EQ(entita()[0]->tipo, "LINE");
    EXPECT_EQ(entita()[0]->coordinate, (std::vector<double>{1, 2, 0, 3, 4, 0}));
    EXPECT_EQ(entita()[1]->tipo, "CIRCLE");
    EXPECT_EQ(entita()[1]->valore, 0.5);
    // A closed polygon of 4 points: 5 vertices, the last equal to the first.
    EXPECT_EQ(entita()[2]->coordinate, (std::vector<double>{0, 0, 4, 0, 4, 2, 0, 2, 0, 0}));
    EXPECT_EQ(entita()[3]->coordinate, (std::vector<double>{0, 0, 4, 0, 4, 2}));
    EXPECT_EQ(entita()[4]->tipo, "TEXT");
    EXPECT_DOUBLE_EQ(entita()[4]->coordinate[1], 5 - 1.5 * 0.2);  // lowered by 1.5 h
    EXPECT_EQ(UltimoTestoDwg(g), entita()[4]);
    for (const auto& e : entita()) EXPECT_EQ(e->colore, 3);
}

TEST_F(CadRegistrato, SolidoConCinquePuntiMessaggioESolidoDeiPrimiQuattro) {
    g.ScalaVerticale = 2;
    const std::vector<double> x5{0, 1, 1, 0, 9}, y5{0, 0, 4, 4, 9};
    DisegnaSolido(g, 5, x5, y5);
    EXPECT_EQ(messaggi.testi(), std::vector<std::string>{"Errore in Sub SolidDwg - I punti devono essere 4"});
    ASSERT_EQ(entita().size(), 1u);
    EXPECT_EQ(entita()[0]->tipo, "SOLID");
    // Its own transform: y / ScalaVerticale.
    EXPECT_EQ(entita()[0]->coordinate, (std::vector<double>{0, 0, 0, 1, 0, 0, 1, 2, 0, 0, 2, 0}));
    messaggi.svuota();
    DisegnaSolido(g, 3, x5, y5);
    EXPECT_EQ(messaggi.conta(), 1u);
    EXPECT_EQ(entita().size(), 1u);  // fewer than 4 points: nothing added
}

// TrasformaY = y / ScalaVerticale + OffsetY / abs(ScalaVerticale): with a
// negative scale the offset keeps its sign.
TEST_F(CadRegistrato, SolidoConLaSuaTrasformazioneScalaNegativaEOffset) {
    g.ScalaVerticale = -2;
    ImpostaOffsetY(g, 3);
    DisegnaSolido(g, 4, x, y);
    ASSERT_EQ(entita().size(), 1u);
    // y = 0: 0 + 1.5; y = 2: -1 + 1.5.
    EXPECT_EQ(entita()[0]->coordinate, (std::vector<double>{0, 1.5, 0, 4, 1.5, 0, 4, 0.5, 0, 0, 0.5, 0}));
    EXPECT_EQ(messaggi.conta(), 0u);
}

// The message for any count but 4, even one the other targets would not
// draw; a fifth point is not read, so its value does not matter.
TEST_F(CadRegistrato, SolidoMessaggioPerOgniNumeroDiPuntiDiversoDaQuattro) {
    const std::vector<double> x1{0}, y1{0};
    DisegnaSolido(g, 1, x1, y1);
    EXPECT_EQ(messaggi.testi(), std::vector<std::string>{"Errore in Sub SolidDwg - I punti devono essere 4"});
    EXPECT_TRUE(entita().empty());
    messaggi.svuota();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> x5{0, 1, 1, 0, nan}, y5{0, 0, 4, 4, nan};
    DisegnaSolido(g, 5, x5, y5);
    EXPECT_EQ(messaggi.conta(), 1u);
    ASSERT_EQ(entita().size(), 1u);
    EXPECT_EQ(entita()[0]->tipo, "SOLID");
}

TEST_F(CadRegistrato, IlBloccoRiceveLeEntitaSempliciIlSolidoVaNelloSpazioModello) {
    test::SpazioRegistrato blocco;
    ImpostaUscita(g, 1, UscitaGrafica::BLOCCO, &blocco);
    DisegnaLinea(g, 0, 0, 1, 1);
    DisegnaTesto(g, 0, 0, 1, "t", 1, true);
    DisegnaSolido(g, 4, x, y);
    ASSERT_EQ(blocco.entita.size(), 2u);
    EXPECT_EQ(blocco.entita[1]->coordinate[1], 0);  // the block ignores the lowering
    ASSERT_EQ(entita().size(), 1u);
    EXPECT_EQ(entita()[0]->tipo, "SOLID");
}

TEST_F(CadRegistrato, StiliDiTestoConFileDelFont) {
    const auto cartella = NuovaCartellaDiProva("tavo_font_cad_");
    { std::ofstream(cartella / "Times.ttf") << "font"; }
    g.CartellaFont = cartella;
    StileTestoDwg(g, 1, "Arial", "Times");
    StileTestoDwg(g, 2, "Symbol", "Symbol");
    const std::string mancante = (cartella / "Symbol.ttf").string();
    EXPECT_EQ(messaggi.testi(), std::vector<std::string>{"Font file " + mancante + " not found"});
    EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Informazione);
    const auto& stili = connettore.app->documento->stili;
    ASSERT_EQ(stili.size(), 2u);
    EXPECT_EQ(stili[0]->nome, "Arial");
    EXPECT_EQ(stili[0]->font, (cartella / "Times.ttf").string());
    ImpostaFont(g, 2);
    EXPECT_EQ(connettore.app->documento->attivo, stili[1]);
    MostraDisegnoCad(g);
    EXPECT_EQ(connettore.app->zoom, 1);
    std::filesystem::remove_all(cartella);
}

}  // namespace
}  // namespace tavo
