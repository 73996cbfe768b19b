// The File menu of the drawing window, driven through a scripted platform
// (dialogs and printer) and a recording window.

#include "tests/support/CartellaDiProva.h"
#include "walldrawing/PlottaIn.h"

#include "drawing/ErroreUscita.h"
#include "tests/support/RecordingCad.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo {
namespace {

namespace fs = std::filesystem;

class PiattaformaFinta final : public PiattaformaUscita {
public:
    std::optional<int> copie = 1;           // nothing: the dialog is cancelled
    std::optional<fs::path> file;           // nothing: the dialog is cancelled
    std::function<void()> inizio;           // throws for a printer that cannot be used
    std::vector<std::string> chiamate;
    std::vector<RichiestaSalvaDxf> richieste;
    test::RecordingSuperficie carta{4000, 5600, 2.4};

    std::optional<int> DialogoStampante() override {
        chiamate.push_back("dialogo");
        return copie;
    }
    SuperficieDisegno& IniziaStampa() override {
        chiamate.push_back("inizio");
        if (inizio) inizio();
        return carta;
    }
    void NuovaPagina() override { chiamate.push_back("pagina"); }
    void FineStampa() override { chiamate.push_back("fine"); }
    void AnnullaStampa() override { chiamate.push_back("annulla"); }
    std::optional<fs::path> DialogoSalva(const RichiestaSalvaDxf& r) override {
        richieste.push_back(r);
        return file;
    }
};

// Records what it is asked to draw; draws one line, or throws when told to.
class FinestraFinta final : public FinestraPlotta {
public:
    explicit FinestraFinta(Grafica& g) : g_(g) {}
    std::vector<UscitaGrafica> disegni;
    std::vector<bool> conStampante;
    std::function<void()> errore;
    int lamentele = 0;  // messages a routine of the drawing raises
    int scaricata = 0;

    void PlottaInOggetto(UscitaGrafica u) override {
        disegni.push_back(u);
        conStampante.push_back(g_.Stampante != nullptr);
        ImpostaUscita(g_, 1, u);
        DisegnaLinea(g_, 0, 0, 1, 1);
        for (int i = 1; i <= lamentele; ++i) messaggi().mostra("lamentela " + std::to_string(i));
        if (errore) errore();
    }
    void Scarica() override { ++scaricata; }

private:
    Grafica& g_;
};

class PlottaInTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = NuovaCartellaDiProva("tavo_plottain_");
        percorsoDati = cartella;
    }
    void TearDown() override { fs::remove_all(cartella); }
    void voce(VoceFilePlotta v, const char* nome = "Spalla1") {
        PlottaIn(static_cast<int>(v), nome, finestra, piattaforma, g, percorsoDati);
    }
    std::vector<std::string> messaggiInformazione() const {
        for (const auto& m : messaggi.registrati()) {
            EXPECT_EQ(m.icona, Icona::Informazione);
            EXPECT_EQ(m.titolo, "");
        }
        return messaggi.testi();
    }

    test::RecordingMessagePort messaggi;
    Grafica g;
    FinestraFinta finestra{g};
    PiattaformaFinta piattaforma;
    fs::path cartella, percorsoDati;
};

TEST_F(PlottaInTest, DueCopieDueStessePagineInUnDocumento) {
    piattaforma.copie = 2;
    voce(VoceFilePlotta::Stampa);
    EXPECT_EQ(piattaforma.chiamate, (std::vector<std::string>{"dialogo", "inizio", "pagina", "fine"}));
    EXPECT_EQ(finestra.disegni, (std::vector<UscitaGrafica>{UscitaGrafica::STAMPANTE, UscitaGrafica::STAMPANTE}));
    EXPECT_EQ(finestra.conStampante, (std::vector<bool>{true, true}));
    EXPECT_EQ(piattaforma.carta.linee().size(), 2u);
    EXPECT_EQ(g.Stampante, nullptr);
    EXPECT_EQ(messaggi.conta(), 0u);
    EXPECT_EQ(percorsoDati, cartella);
}

TEST_F(PlottaInTest, StampaAnnullataNonFaNulla) {
    piattaforma.copie.reset();
    voce(VoceFilePlotta::Stampa);
    EXPECT_EQ(piattaforma.chiamate, std::vector<std::string>{"dialogo"});
    EXPECT_TRUE(finestra.disegni.empty());
    EXPECT_EQ(messaggi.conta(), 0u);
}

// Every failure of the output gives one message, by its error number.
struct CasoErrore {
    int numero;
    const char* messaggio;
};

class ErroriDiStampa : public PlottaInTest, public ::testing::WithParamInterface<CasoErrore> {};

TEST_P(ErroriDiStampa, UnMessaggioPerErrore) {
    const CasoErrore c = GetParam();
    piattaforma.inizio = [&] { throw ErroreUscita(c.numero, "Descrizione dell'errore"); };
    voce(VoceFilePlotta::Stampa);
    EXPECT_EQ(messaggiInformazione(), std::vector<std::string>{c.messaggio});
    EXPECT_TRUE(finestra.disegni.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, ErroriDiStampa,
    ::testing::Values(
        CasoErrore{68, "Stampante non presente o non disponibile."},
        CasoErrore{57, "La stampante potrebbe essere spenta."},
        CasoErrore{482, "Errore generico della stampante."},
        CasoErrore{483, "Il driver della stampante non supporta la proprietà specificata."},
        CasoErrore{484, "Problemi di recupero delle informazioni sulla stampante nel sistema.\r\n"
                        "Verificare che la stampante sia impostata correttamente."},
        // An object that lacks a property or method is reported too.
        CasoErrore{438, "Si è verificato durante il processo di stampa il seguente errore: 438\r\n"
                        "Descrizione dell'errore"},
        CasoErrore{5, "Si è verificato durante il processo di stampa il seguente errore: 5\r\n"
                      "Descrizione dell'errore"}));

TEST_F(PlottaInTest, UnErroreDuranteLaStampaAnnullaIlDocumento) {
    finestra.errore = [] { throw std::out_of_range("Indice non compreso nell'intervallo"); };
    voce(VoceFilePlotta::Stampa);
    EXPECT_EQ(piattaforma.chiamate, (std::vector<std::string>{"dialogo", "inizio", "annulla"}));
    EXPECT_EQ(g.Stampante, nullptr);
    EXPECT_EQ(messaggiInformazione(), std::vector<std::string>{
        "Si è verificato durante il processo di stampa il seguente errore: 9\r\n"
        "Indice non compreso nell'intervallo"});
}

TEST_F(PlottaInTest, DxfNelFileSceltoEPercorsoDatiAggiornato) {
    const fs::path altra = cartella / "disegni";
    fs::create_directories(altra);
    piattaforma.file = altra / "Spalla1.dxf";
    voce(VoceFilePlotta::EsportaDxf);
    ASSERT_EQ(piattaforma.richieste.size(), 1u);
    const RichiestaSalvaDxf& r = piattaforma.richieste[0];
    EXPECT_EQ(r.nomeFile, "Spalla1.dxf");
    EXPECT_EQ(r.cartella, cartella);
    EXPECT_EQ(r.filtro, "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf");
    EXPECT_EQ(r.indiceFiltro, 2);
    EXPECT_TRUE(r.confermaSovrascrittura);
    EXPECT_EQ(finestra.disegni, std::vector<UscitaGrafica>{UscitaGrafica::DXF});
    std::ifstream f(*piattaforma.file, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_TRUE(s.str().starts_with("  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n"));
    EXPECT_TRUE(s.str().ends_with("  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
    EXPECT_EQ(percorsoDati, altra);
    EXPECT_EQ(g.Dxf, nullptr);
    EXPECT_EQ(messaggi.conta(), 0u);
}

TEST_F(PlottaInTest, SenzaNomeDiProgettoPropone_dxf) {
    voce(VoceFilePlotta::EsportaDxf, "");
    ASSERT_EQ(piattaforma.richieste.size(), 1u);
    EXPECT_EQ(piattaforma.richieste[0].nomeFile, ".dxf");
}

TEST_F(PlottaInTest, SalvataggioAnnullatoNonScriveNulla) {
    voce(VoceFilePlotta::EsportaDxf);
    EXPECT_TRUE(finestra.disegni.empty());
    EXPECT_TRUE(fs::is_empty(cartella));
    EXPECT_EQ(percorsoDati, cartella);
    EXPECT_EQ(messaggi.conta(), 0u);
}

TEST_F(PlottaInTest, DxfInterrottoNonLasciaFileNeFileAperti) {
    // An older file of the same name stays as it was.
    piattaforma.file = cartella / "Spalla1.dxf";
    std::ofstream(*piattaforma.file) << "vecchio";
    finestra.errore = [] { throw ErroreUscita(91, "Variabile oggetto non impostata"); };
    voce(VoceFilePlotta::EsportaDxf);
    EXPECT_EQ(messaggiInformazione(), std::vector<std::string>{
        "Si è verificato durante il processo di stampa il seguente errore: 91\r\n"
        "Variabile oggetto non impostata"});
    EXPECT_EQ(g.Dxf, nullptr);
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator{}), 1);
    std::ifstream f(*piattaforma.file);
    std::string contenuto;
    std::getline(f, contenuto);
    EXPECT_EQ(contenuto, "vecchio");
    EXPECT_EQ(percorsoDati, cartella);
}

TEST_F(PlottaInTest, DxfNonScrivibileDiceIlMotivo) {
    piattaforma.file = cartella / "manca" / "Spalla1.dxf";
    voce(VoceFilePlotta::EsportaDxf);
    const auto testi = messaggiInformazione();
    ASSERT_EQ(testi.size(), 1u);
    const std::string inizio = "Si è verificato durante il processo di stampa il seguente errore: 75\r\n";
    EXPECT_TRUE(testi[0].starts_with(inizio)) << testi[0];
    EXPECT_GT(testi[0].size(), inizio.size());  // the system's reason follows
    EXPECT_FALSE(fs::exists(cartella / "manca"));
    EXPECT_EQ(g.Dxf, nullptr);
    EXPECT_EQ(percorsoDati, cartella);
}

TEST_F(PlottaInTest, SenzaProgrammaCadUnSoloMessaggio) {
    voce(VoceFilePlotta::DisegnaInCad);
    ASSERT_EQ(messaggi.conta(), 1u);
    EXPECT_EQ(messaggi.registrati()[0].testo,
              "Impossibile aprire Autocad.\r\nControllare che la versione di Autocad non sia LT");
    EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Critico);
    EXPECT_TRUE(finestra.disegni.empty());
}

TEST_F(PlottaInTest, NelProgrammaCadDisegnaPortaInPrimoPianoEZoom) {
    test::ConnettoreRegistrato connettore;
    g.Connettore = &connettore;
    voce(VoceFilePlotta::DisegnaInCad);
    EXPECT_EQ(finestra.disegni, std::vector<UscitaGrafica>{UscitaGrafica::DWG});
    EXPECT_EQ(connettore.app->documento->modello->entita.size(), 1u);
    EXPECT_EQ(connettore.chiamate.back(), "AppActivate AutoCAD - [Disegno1.dwg]");
    EXPECT_EQ(connettore.app->zoom, 1);
    EXPECT_EQ(messaggi.conta(), 0u);
}

// Messages that routines of the drawing raise on the way (hundreds, in a
// degenerate drawing) reach the user once, after the output, which is
// finished: the first of them.
TEST_F(PlottaInTest, IMessaggiDelDisegnoArrivanoUnaVoltaSola) {
    test::ConnettoreRegistrato connettore;
    g.Connettore = &connettore;
    finestra.lamentele = 300;
    piattaforma.copie = 2;
    piattaforma.file = cartella / "Spalla1.dxf";
    for (const VoceFilePlotta v : {VoceFilePlotta::Stampa, VoceFilePlotta::EsportaDxf, VoceFilePlotta::DisegnaInCad}) {
        messaggi.svuota();
        voce(v);
        ASSERT_EQ(messaggi.conta(), 1u) << static_cast<int>(v);
        EXPECT_EQ(messaggi.registrati()[0].testo, "lamentela 1");
        EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Nessuna);
    }
    EXPECT_EQ(piattaforma.chiamate, (std::vector<std::string>{"dialogo", "inizio", "pagina", "fine"}));
    EXPECT_TRUE(fs::exists(*piattaforma.file));
    EXPECT_EQ(connettore.app->zoom, 1);
    // A drawing that also fails: its error alone is reported.
    messaggi.svuota();
    finestra.errore = [] { throw ErroreUscita(91, "Variabile oggetto non impostata"); };
    voce(VoceFilePlotta::EsportaDxf);
    EXPECT_EQ(messaggiInformazione(), std::vector<std::string>{
        "Si è verificato durante il processo di stampa il seguente errore: 91\r\n"
        "Variabile oggetto non impostata"});
}

TEST_F(PlottaInTest, SeparatoreNienteChiudiScarica) {
    voce(VoceFilePlotta::Separatore);
    PlottaIn(7, "Spalla1", finestra, piattaforma, g, percorsoDati);
    EXPECT_TRUE(piattaforma.chiamate.empty());
    EXPECT_TRUE(finestra.disegni.empty());
    EXPECT_EQ(finestra.scaricata, 0);
    voce(VoceFilePlotta::Chiudi);
    EXPECT_EQ(finestra.scaricata, 1);
    EXPECT_EQ(messaggi.conta(), 0u);
}

}  // namespace
}  // namespace tavo
