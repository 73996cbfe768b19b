// The start-up check of the regional separators and the keypad decimal key.

#include "fileio/ImpostazioniInternazionali.h"
#include "fileio/NumeriRegionali.h"
#include "fileio/TastoDecimale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

const std::string MessaggioRaggruppamento =
    "Errore nelle impostazioni internazionali del pannello di controllo.\r"
    "Il separatore decimale è stato impostato come \",\"\r"
    "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\r"
    "Cambiare il simbolo raggruppamento cifre e riavviare il programma.";

const std::string AvvisoVirgola =
    "E' impostato come separatore decimale \".\" e come separatore delle migliaia \",\"\r\n"
    "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
    "Il programma funzionerà comunque correttamente se si usa come separatore delle migliaia lo spazio,\r\n"
    "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
    "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni internazionali.";

class VerificaImpostazioni : public ::testing::Test {
protected:
    test::RecordingMessagePort porta;
    SeparatoriInstallati ripristino{separatoriRegionali()};
};

TEST_F(VerificaImpostazioni, VirgolaDecimaleEPuntoDelleMigliaiaSonoInSilenzio) {
    EXPECT_EQ(VerificaImpostazioniInternazionali({U',', U'.'}), (Separatori{U',', U'.'}));
    EXPECT_EQ(porta.conta(), 0u);
    EXPECT_EQ(ValLocale("12,5"), 12.5);
}

TEST_F(VerificaImpostazioni, PuntoDecimaleEVirgolaDelleMigliaiaAvvisanoUnaVolta) {
    VerificaImpostazioniInternazionali({U'.', U','});
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.registrati()[0].testo, AvvisoVirgola);
    EXPECT_EQ(porta.registrati()[0].icona, Icona::Esclamazione);
    EXPECT_EQ(porta.registrati()[0].titolo, "ATTENZIONE ");
    EXPECT_EQ(ValLocale("1,250.5"), 1250.5);
}

TEST_F(VerificaImpostazioni, LAvvisoSiPuoSopprimere) {
    VerificaImpostazioniInternazionali({U'.', U','}, true);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(VerificaImpostazioni, SpazioDelleMigliaiaEInSilenzio) {
    VerificaImpostazioniInternazionali({U',', 0x202F});
    EXPECT_EQ(porta.conta(), 0u);
    EXPECT_EQ(ValLocale("1 234,5"), 1234.5);
}

// Grouping disabled, a digit where the grouping character should be (what
// probing a formatted 1234 gives when grouping is off), or the decimal
// character itself: none can be told apart from the number, so none is
// stripped and the first message is shown.
TEST_F(VerificaImpostazioni, SenzaUnCarattereDiRaggruppamentoUsabileMostraIlPrimoMessaggio) {
    for (char32_t migliaia : {char32_t{0}, U'2', U','}) {
        porta.svuota();
        const Separatori s = VerificaImpostazioniInternazionali({U',', migliaia});
        EXPECT_EQ(s, (Separatori{U',', 0}));
        ASSERT_EQ(porta.conta(), 1u);
        EXPECT_EQ(porta.registrati()[0].testo, MessaggioRaggruppamento);
        EXPECT_EQ(porta.registrati()[0].icona, Icona::Critico);
        EXPECT_EQ(porta.registrati()[0].titolo, "ERRORE");
        EXPECT_EQ(ValLocale("1234,5"), 1234.5);
    }
}

TEST_F(VerificaImpostazioni, SeparatoriCheNonRileggonoIlNumeroMostranoIlSecondoMessaggio) {
    VerificaImpostazioniInternazionali({U'5', U'.'});
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.registrati()[0].testo,
              "Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.\r"
              "Provare a cambiare i simboli del separatore decimale\r"
              "e del raggruppamento cifre e riavviare il programma.");
    EXPECT_EQ(porta.registrati()[0].titolo, "ERRORE");
}

TEST(SeparatoriDaLocale, PrendeIlPrimoCarattereDiOgniTesto) {
    EXPECT_EQ(SeparatoriDaLocale(",", "."), (Separatori{U',', U'.'}));
    EXPECT_EQ(SeparatoriDaLocale(",", "\u202F"), (Separatori{U',', 0x202F}));
    EXPECT_EQ(SeparatoriDaLocale(".", ""), (Separatori{U'.', 0}));
    EXPECT_EQ(SeparatoriDaLocale("", ","), (Separatori{U'.', U','}));
}

TEST(TastoDecimale, IlTastierinoScriveIlSeparatoreDecimaleRegionale) {
    SeparatoriInstallati italiano({U',', U'.'});
    char32_t c = U'.';
    GestisceKeyDown(CodiceTastoDecimale);
    GestisceKeyPress(c);
    EXPECT_EQ(c, U',');
    // Only the character right after the key is replaced.
    c = U'.';
    GestisceKeyPress(c);
    EXPECT_EQ(c, U'.');
    GestisceKeyDown(190);  // the main keyboard's full stop
    GestisceKeyPress(c);
    EXPECT_EQ(c, U'.');
}

TEST(InizializzaAmbiente, RegistraLeCartelleEVerificaISeparatori) {
    test::RecordingMessagePort porta;
    SeparatoriInstallati ripristino(separatoriRegionali());
    InizializzaAmbiente("/opt/tavo", {U',', U'.'});
    EXPECT_EQ(ambiente().PercorsoProgramma, std::filesystem::path("/opt/tavo"));
    EXPECT_EQ(ambiente().PercorsoDati, std::filesystem::current_path());
    EXPECT_EQ(separatoriRegionali(), (Separatori{U',', U'.'}));
    EXPECT_EQ(porta.conta(), 0u);
}

}  // namespace
}  // namespace tavo
