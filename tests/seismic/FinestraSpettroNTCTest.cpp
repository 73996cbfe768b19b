// The logic of the site window, driven through its events without a window.

#include "seismic/AzioneSismica.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

using test::NodoModerato;

// A grid cell around Roma (12.5, 41.9), Tivoli and a node on Rieti; nothing near Umbria.
const std::vector<NodoReticolo> Griglia{
    NodoModerato(1, 12.45f, 41.95f), NodoModerato(2, 12.45f, 41.85f), NodoModerato(3, 12.55f, 41.95f),
    NodoModerato(4, 12.55f, 41.85f), NodoModerato(5, 12.75f, 42.0f),  NodoModerato(6, 12.85f, 41.9f),
    NodoModerato(7, 12.85f, 42.0f),  NodoModerato(8, 12.86f, 42.4f)};

class FinestraSpettroNTCTest : public ::testing::Test {
protected:
    FinestraSpettroNTCTest() : cartella(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        cartella.scriveTutti(Griglia);
    }

    void Apre() {
        f.Form_Load();
        f.Form_Activate();
    }

    test::CartellaDati cartella;
    test::RecordingMessagePort porta;
    test::DisegniRegistrati disegni;
    NTC modulo;
    int consegne = 0;
    FinestraSpettroNTC f{modulo, cartella.percorso(), Separatori{}, disegni, [this] { ++consegne; }};
};

TEST_F(FinestraSpettroNTCTest, PerUnProgettoNuovoNienteSceltoEZeri) {
    Apre();
    EXPECT_EQ(f.c.cmbStatoLimite.posizione, -1);
    EXPECT_EQ(f.c.cmbSuolo.posizione, -1);
    EXPECT_EQ(f.c.testoSuolo, "?");
    EXPECT_EQ(f.c.cmbTopo.posizione, -1);
    EXPECT_EQ(f.c.txtNTC[0], "0");
    for (int i : {1, 4, 8, 10, 11}) EXPECT_EQ(f.c.txtNTC[static_cast<std::size_t>(i)], "0.0000") << i;
    EXPECT_EQ(f.c.txtNTC[9], "0.1800");  // beta_m: no soil category counts as not A, ag up to 0.1
    for (int i : {5, 6, 7}) EXPECT_EQ(f.c.txtNTC[static_cast<std::size_t>(i)], "") << i;
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{"0", "0"}));
    EXPECT_EQ(f.c.fuoco, FuocoSito::Longitudine);
    EXPECT_TRUE(f.c.coordinateModificabili);
    EXPECT_EQ(f.c.intestazioneGriglia,
              ">TR|^ag         |^Fo          |^Tc*        ;TR|30|50|72|101|140|201|475|975|2475");
    EXPECT_TRUE(disegni.chiamate.empty());
    EXPECT_TRUE(porta.testi().empty());
}

TEST_F(FinestraSpettroNTCTest, CoordinateConInvioAggiornanoTabellaEKh) {
    Apre();
    f.c.cmbStatoLimite.posizione = SLV - 1;
    f.c.cmbSuolo.posizione = 1;
    f.c.cmbTopo.posizione = 0;
    f.c.txtNTC[0] = "50";
    f.txtNTC_Invio(0);
    f.c.txtCoord = {"12.5", "41.9"};
    f.txtCoord_Invio(0);
    EXPECT_EQ(f.c.fuoco, FuocoSito::Latitudine);
    // Nodes 1..4 equally far: the mean ag at 475 years is (0.25 + 0.6)/10 g.
    EXPECT_EQ(f.c.GridNTC[6][0], "0.085");
    EXPECT_NEAR(modulo.AgTR[6], 0.085f, 1e-7);
    EXPECT_NE(f.c.txtNTC[10], "0.0000");
    EXPECT_EQ(f.c.txtNTC[10], FormatoNTC(modulo.KhNTC));
    EXPECT_EQ(f.c.txtNTC[5], FormatoNTC(modulo.ag));
    // Leaving the box without a change searches no second time.
    porta.svuota();
    f.c.txtCoord = {"13.5", "45.0"};
    f.txtCoord_LostFocus(1);
    f.txtCoord_LostFocus(0);
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Sito esterno al reticolo"});
    f.cmdOK_Click(0);
    EXPECT_EQ(consegne, 1);
    EXPECT_FLOAT_EQ(modulo.Longitudine, 13.5f);
    EXPECT_TRUE(f.DaChiudere());
}

TEST_F(FinestraSpettroNTCTest, HSuHOltreUnoDiventaUno) {
    Apre();
    f.c.txtNTC[3] = "1.7";
    f.txtNTC_Invio(3);
    EXPECT_EQ(f.c.txtNTC[3], "1");
    EXPECT_FLOAT_EQ(modulo.hSuH, 1);
}

TEST_F(FinestraSpettroNTCTest, VRZeroSvuotaAgF0TcMaCalcolaKh) {
    modulo.AgTR.fill(0.2f);
    modulo.F0TR.fill(2.5f);
    modulo.TcTR.fill(0.3f);
    Apre();
    f.c.cmbStatoLimite.posizione = SLV - 1;
    f.c.cmbSuolo.posizione = 0;
    f.c.cmbTopo.posizione = 0;
    f.cmbCategoria_Click();
    for (int i : {5, 6, 7}) EXPECT_EQ(f.c.txtNTC[static_cast<std::size_t>(i)], "") << i;
    // TR clamps to 30 years: ag = 0.2, soil A: S = 1, beta_m = 0.29 -> kh = 0.058, kv = 0.029.
    EXPECT_EQ(f.c.txtNTC[10], "0.0580");
    EXPECT_EQ(f.c.txtNTC[11], "0.0290");
}

TEST_F(FinestraSpettroNTCTest, UnaRegioneSceltaPortaLaPrimaProvinciaEIlPrimoComune) {
    Apre();
    f.optTipoRicerca_Click(RicercaComune);
    EXPECT_TRUE(f.c.comuniVisibili);
    EXPECT_FALSE(f.c.coordinateModificabili);
    EXPECT_EQ(f.c.cmbComune[0].voci, (std::vector<std::string>{"Lazio", "Umbria"}));
    EXPECT_EQ(f.c.cmbComune[2].testo(), "Roma");
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{"12.5", "41.9"}));

    f.c.cmbComune[0].posizione = 1;
    f.cmbComune_Click(0);
    EXPECT_EQ(f.c.cmbComune[1].voci, std::vector<std::string>{"Perugia"});
    EXPECT_EQ(f.c.cmbComune[1].posizione, 0);
    EXPECT_EQ(f.c.cmbComune[2].voci, (std::vector<std::string>{"Assisi", "Perugia"}));
    EXPECT_EQ(f.c.cmbComune[2].posizione, 0);
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{"12.61", "43.07"}));
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Sito esterno al reticolo"});
    EXPECT_EQ((std::array<int, 3>{f.IndiceRegione, f.IndiceProvincia, f.IndiceComune}),
              (std::array<int, 3>{2, 1, 1}));

    f.c.cmbComune[2].posizione = 1;
    f.cmbComune_Click(2);
    f.cmdOK_Click(0);
    EXPECT_EQ(modulo.NomeComune, "Perugia (PG)");
    EXPECT_EQ((std::array<int, 4>{modulo.TipoRicerca, modulo.IndiceRegione, modulo.IndiceProvincia, modulo.IndiceComune}),
              (std::array<int, 4>{RicercaComune, 2, 1, 2}));
}

TEST_F(FinestraSpettroNTCTest, LaModalitaComuneRipristinaLaSceltaSalvata) {
    modulo.TipoRicerca = RicercaComune;
    modulo.IndiceRegione = 1;
    modulo.IndiceProvincia = 1;
    modulo.IndiceComune = 2;
    modulo.NomeComune = "Tivoli (RM)";
    Apre();
    EXPECT_EQ(f.c.cmbComune[1].testo(), "Roma");
    EXPECT_EQ(f.c.cmbComune[2].testo(), "Tivoli");
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{"12.8", "41.96"}));
    EXPECT_TRUE(porta.testi().empty());
}

TEST_F(FinestraSpettroNTCTest, PosizioniSalvateCheIndicanoUnAltroComune) {
    // A project saved with a municipality file of another year: the saved
    // positions point at Tivoli, the saved name is Rieti's.
    modulo.TipoRicerca = RicercaComune;
    modulo.IndiceRegione = 1;
    modulo.IndiceProvincia = 1;
    modulo.IndiceComune = 2;
    modulo.NomeComune = "Rieti (RI)";
    Apre();
    EXPECT_EQ(f.c.cmbComune[2].testo(), "Rieti");
    EXPECT_EQ((std::array<int, 3>{f.IndiceRegione, f.IndiceProvincia, f.IndiceComune}),
              (std::array<int, 3>{1, 2, 1}));
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{"12.86", "42.4"}));
    EXPECT_EQ(f.c.GridNTC[0][0], "0.080");  // on node 8
    EXPECT_TRUE(porta.testi().empty());
}

TEST_F(FinestraSpettroNTCTest, UnComuneScomparsoLoDiceERestaAlleCoordinateSalvate) {
    modulo.TipoRicerca = RicercaComune;
    modulo.IndiceRegione = 5;
    modulo.IndiceProvincia = 1;
    modulo.IndiceComune = 9;
    modulo.NomeComune = "Pescocanale (AQ)";
    modulo.Longitudine = 12.5f;
    modulo.Latitudine = 41.9f;
    Apre();
    EXPECT_EQ(porta.testi(),
              std::vector<std::string>{"Il comune Pescocanale (AQ) non è più nell'elenco dei comuni: il sito resta "
                                       "alle coordinate salvate."});
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{"12.5", "41.9"}));
    EXPECT_NEAR(modulo.AgTR[6], 0.085f, 1e-7);
    EXPECT_EQ((std::array<int, 3>{f.IndiceRegione, f.IndiceProvincia, f.IndiceComune}),
              (std::array<int, 3>{1, 1, 1}));

    // "OK" keeps the saved name: the lists' Roma is not where the site was
    // searched, and naming it would move the site there at the next opening.
    f.cmdOK_Click(0);
    EXPECT_EQ(modulo.NomeComune, "Pescocanale (AQ)");
    EXPECT_EQ(modulo.Longitudine, 12.5f);

    // A municipality the user picks is the site again, and its name is kept.
    f.c.cmbComune[2].posizione = 1;
    f.cmbComune_Click(2);
    f.cmdOK_Click(0);
    EXPECT_EQ(modulo.NomeComune, "Tivoli (RM)");
}

TEST_F(FinestraSpettroNTCTest, FileDeiComuniMancanteListeVuoteSenzaRicerca) {
    std::filesystem::remove(cartella.percorso() / NomeFileComuni);
    modulo.TipoRicerca = RicercaComune;
    modulo.NomeComune = "Roma (RM)";
    Apre();
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"File " + (cartella.percorso() / NomeFileComuni).string() +
                                                      " non trovato "});
    for (const ListaScelte& l : f.c.cmbComune) EXPECT_TRUE(l.voci.empty());
    f.cmdOK_Click(0);
    EXPECT_EQ(modulo.NomeComune, "Roma (RM)");
}

TEST_F(FinestraSpettroNTCTest, LeIsoleApplicanoLIsolaSalvata) {
    modulo.TipoRicerca = RicercaIsola;
    modulo.IndiceIsola = 2;
    Apre();
    EXPECT_TRUE(f.c.isoleVisibili);
    EXPECT_EQ(f.c.cmbIsole.testo(), "Isola Due");
    EXPECT_EQ(f.c.GridNTC[0][0], "0.200");  // 2 tenths of g
    EXPECT_EQ(f.c.txtCoord, (std::array<std::string, 2>{}));
    EXPECT_EQ(disegni.chiamate, (std::vector<std::string>{"mappa pulita", "nodi cancellati"}));
    f.Form_Unload();  // the close box accepts
    EXPECT_EQ(modulo.NomeIsola, "Isola Due");
    EXPECT_EQ(consegne, 1);
}

TEST_F(FinestraSpettroNTCTest, AnnullaRipristinaLoStatoSismicoDiApertura) {
    modulo.VR = 50;
    modulo.StatoLimite = SLV;
    modulo.CategoriaSuolo = 2;
    modulo.CategoriaTopografica = 1;
    CalcolaAzioneSismica(modulo);
    const NTC prima = modulo;
    Apre();
    f.c.txtCoord = {"12.5", "41.9"};
    f.txtCoord_Invio(0);
    f.c.txtNTC[0] = "100";
    f.txtNTC_Invio(0);
    ASSERT_NE(modulo.KhNTC, prima.KhNTC);
    f.cmdOK_Click(1);
    f.Form_Unload();
    EXPECT_TRUE(f.Annullato);
    EXPECT_EQ(consegne, 0);
    EXPECT_EQ(modulo.AgTR, prima.AgTR);
    EXPECT_EQ(modulo.VR, prima.VR);
    EXPECT_EQ(modulo.KhNTC, prima.KhNTC);
    EXPECT_EQ(modulo.KvNTC, prima.KvNTC);
    EXPECT_EQ(modulo.Longitudine, prima.Longitudine);
}

// A coordinate typed that is no number, or 0, is refused by name: no site
// is searched, "OK" accepts nothing, and closing the window leaves the
// project's site whole as it was.
TEST_F(FinestraSpettroNTCTest, UnaCoordinataNonValidaVieneRifiutataEOKNonAccetta) {
    const std::string esempio = " non è un numero: scrivere ad esempio 1,234.5 (separatore decimale \".\").";
    const std::pair<const char*, std::string> casi[] = {
        {"abc", "Dato non valido in \"Longitudine\": \"abc\"" + esempio},
        {"12,5", "Dato non valido in \"Longitudine\": \"12,5\"" + esempio},
        {"", "Dato non valido in \"Longitudine\": manca il valore."},
        {"0", "Dato non valido in \"Longitudine\": 0 non può essere la coordinata di un sito."},
    };
    for (const auto& [testo, messaggio] : casi) {
        modulo = test::ProgettoARoma();
        const NTC prima = modulo;
        Apre();
        porta.svuota();
        f.c.txtCoord[0] = testo;
        f.txtCoord_Invio(0);
        EXPECT_EQ(porta.testi(), std::vector<std::string>{messaggio});
        EXPECT_FALSE(f.c.okAbilitato) << testo;
        EXPECT_EQ(f.c.fuoco, FuocoSito::Longitudine);  // back to the box refused
        // Leaving the box unchanged says nothing more.
        f.txtCoord_LostFocus(0);
        EXPECT_EQ(porta.testi().size(), 1u);
        f.cmdOK_Click(0);
        EXPECT_FALSE(f.DaChiudere()) << testo;
        f.Form_Unload();
        EXPECT_TRUE(f.Annullato) << testo;
        EXPECT_EQ(consegne, 0);
        EXPECT_EQ(modulo, prima) << testo;
    }
}

// Coordinates typed without Enter are searched when "OK" is pressed, so
// that what it accepts is the site of the coordinates shown; while only one
// of a new site's coordinates is typed, nothing is searched or said, and
// "OK" waits for the other.
TEST_F(FinestraSpettroNTCTest, OKCercaLeCoordinateDigitateEAspettaLaCoppia) {
    Apre();
    f.c.txtCoord[0] = "12.5";
    f.txtCoord_Invio(0);
    EXPECT_TRUE(porta.testi().empty());
    EXPECT_FALSE(f.c.okAbilitato);
    f.c.txtCoord[1] = "41.9";
    f.cmdOK_Click(0);
    EXPECT_TRUE(f.DaChiudere());
    EXPECT_TRUE(porta.testi().empty());
    EXPECT_EQ(consegne, 1);
    EXPECT_FLOAT_EQ(modulo.Longitudine, 12.5f);
    EXPECT_FLOAT_EQ(modulo.Latitudine, 41.9f);
    EXPECT_NEAR(modulo.AgTR[6], 0.085f, 1e-7);  // the mean of nodes 1..4, as above
}

// VR and h/H that are no number are refused by name, on Enter and on "OK".
TEST_F(FinestraSpettroNTCTest, VROHSuHNonNumericiVengonoRifiutati) {
    modulo = test::ProgettoARoma();
    Apre();
    const NTC aperto = modulo;
    porta.svuota();
    f.c.txtNTC[0] = "5O";
    f.txtNTC_Invio(0);
    const std::string vr = "Dato non valido in \"VR (anni)\": \"5O\" non è un numero: scrivere ad esempio 1,234.5 "
                           "(separatore decimale \".\").";
    EXPECT_EQ(porta.testi(), std::vector<std::string>{vr});
    EXPECT_EQ(modulo, aperto);
    f.cmdOK_Click(0);
    EXPECT_FALSE(f.DaChiudere());
    EXPECT_EQ(porta.testi(), (std::vector<std::string>{vr, vr}));
    f.c.txtNTC[0] = "100";
    f.c.txtNTC[3] = "";
    porta.svuota();
    f.cmdOK_Click(0);
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Dato non valido in \"h/H\": manca il valore."});
    // VR typed without Enter is the VR that "OK" hands over.
    f.c.txtNTC[3] = "0";
    f.cmdOK_Click(0);
    EXPECT_TRUE(f.DaChiudere());
    EXPECT_EQ(modulo.VR, 100.f);
    EXPECT_NE(modulo.KhNTC, aperto.KhNTC);
}

TEST_F(FinestraSpettroNTCTest, SenzaReticoloRestaIlProgettoESiPuoSoloAnnullare) {
    std::filesystem::remove(cartella.percorso() / NomeFileReticolo);
    modulo = test::ProgettoARoma();
    const NTC prima = modulo;
    Apre();
    const std::string mancante = "File " + (cartella.percorso() / NomeFileReticolo).string() + " non trovato ";
    EXPECT_EQ(porta.testi(), std::vector<std::string>{mancante});
    EXPECT_EQ(f.c.GridNTC[6][0], "0.160");
    EXPECT_EQ(f.c.GridNTC[8][2], "0.300");
    EXPECT_EQ(modulo.AgTR, prima.AgTR);
    EXPECT_EQ(f.c.txtNTC[10], FormatoNTC(prima.KhNTC));
    EXPECT_EQ(f.c.txtNTC[11], FormatoNTC(prima.KvNTC));
    EXPECT_FALSE(f.c.okAbilitato);

    // Another site cannot be searched either: the table stays the project's.
    f.c.txtCoord = {"13.5", "45.0"};
    f.txtCoord_Invio(1);
    EXPECT_EQ(porta.testi(), (std::vector<std::string>{mancante, mancante}));
    EXPECT_EQ(f.c.GridNTC[6][0], "0.160");
    EXPECT_EQ(f.c.txtNTC[10], FormatoNTC(prima.KhNTC));

    f.cmdOK_Click(0);  // not offered
    EXPECT_FALSE(f.DaChiudere());
    f.Form_Unload();  // the close box cancels
    EXPECT_TRUE(f.Annullato);
    EXPECT_EQ(consegne, 0);
    EXPECT_EQ(modulo, prima);
}

// A table whose ag passes the chain (kh = 0.29 ag stays a Single) but whose
// spectrum period TD = 4 ag + 1.6 does not: one message, and the window goes on.
TEST_F(FinestraSpettroNTCTest, UnPeriodoDelloSpettroNonFinitoDaUnMessaggio) {
    modulo.AgTR.fill(1e38f);
    modulo.F0TR.fill(2.5f);
    modulo.TcTR.fill(0.3f);
    Apre();
    porta.svuota();
    f.c.cmbStatoLimite.posizione = SLV - 1;
    f.c.cmbSuolo.posizione = 0;
    f.c.cmbTopo.posizione = 0;
    EXPECT_NO_THROW(f.cmbCategoria_Click());
    // After the chain's own warning on ag above 0.4.
    ASSERT_EQ(porta.conta(), 2u) << ::testing::PrintToString(porta.testi());
    EXPECT_EQ(porta.registrati()[1].icona, Icona::Critico);
    EXPECT_NE(porta.testi()[1].find("PeriodiSpettro"), std::string::npos) << porta.testi()[1];
}

TEST_F(FinestraSpettroNTCTest, UnReticoloDanneggiatoRiportaLaTabellaDelProgetto) {
    // The file ends inside a ninth record: Roma is read before it, Rieti's
    // band runs into it.
    cartella.scrive(NomeFileReticolo, test::Reticolo(Griglia) + std::string(50, '\x7f'));
    modulo = test::ProgettoARoma();
    const NTC prima = modulo;
    Apre();
    EXPECT_TRUE(porta.testi().empty());
    EXPECT_EQ(f.c.GridNTC[6][0], "0.085");
    EXPECT_TRUE(f.c.okAbilitato);

    f.c.txtCoord = {"12.86", "42.4"};
    f.txtCoord_Invio(1);
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Lettura incompleta del file " +
                                                      (cartella.percorso() / NomeFileReticolo).string() +
                                                      "\r\nRecord 9: dati troncati."});
    EXPECT_EQ(f.c.GridNTC[6][0], "0.160");
    EXPECT_EQ(modulo.AgTR, prima.AgTR);
    EXPECT_EQ(f.c.txtNTC[10], FormatoNTC(prima.KhNTC));
    EXPECT_FALSE(f.c.okAbilitato);

    // A site that can be read is a site again.
    f.c.txtCoord = {"12.5", "41.9"};
    f.txtCoord_Invio(1);
    EXPECT_EQ(f.c.GridNTC[6][0], "0.085");
    EXPECT_TRUE(f.c.okAbilitato);
    f.cmdOK_Click(0);
    EXPECT_TRUE(f.DaChiudere());
    EXPECT_EQ(consegne, 1);
    EXPECT_NEAR(modulo.AgTR[6], 0.085f, 1e-7);
}

}  // namespace
}  // namespace tavo
