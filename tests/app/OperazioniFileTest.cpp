#include "tests/support/CartellaDiProva.h"
#include "app/NomiFile.h"
#include "app/OperazioniFile.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace tavo {
namespace {
namespace fs = std::filesystem;

TEST(NomiFile, NomeBaseFiltroENomeIniziale) {
    EXPECT_EQ(NomeBaseFile("/a/b/Muro di prova.Tav"), "Muro di prova");
    EXPECT_EQ(NomeBaseFile("C:\\Dati\\x.y.tav"), "x.y");
    EXPECT_EQ(NomeBaseFile("senza"), "senza");
    EXPECT_EQ(FiltroDialogoFile("Tavo", "Tav"), "Tutti i Files (*.*)|*.*|Files Tavo (*.Tav)|*.Tav");
    EXPECT_EQ(NomeInizialeDialogo("", "Tav"), "*.Tav");
    EXPECT_EQ(NomeInizialeDialogo("Spalla", "Tav"), "Spalla.Tav");
}

// A dialog that answers from a script and records what it was asked; a
// document that records reads and writes, and writes real files.
class DialogoFinto final : public DialogoFile {
public:
    std::vector<std::optional<fs::path>> risposte;
    std::vector<RichiestaDialogoFile> richieste;
    std::vector<char> tipi;  // 'A' open, 'S' save
    std::optional<fs::path> sceltaApertura(const RichiestaDialogoFile& r) override {
        return rispondi(r, 'A');
    }
    std::optional<fs::path> sceltaSalvataggio(const RichiestaDialogoFile& r) override {
        return rispondi(r, 'S');
    }

private:
    std::optional<fs::path> rispondi(const RichiestaDialogoFile& r, char tipo) {
        richieste.push_back(r);
        tipi.push_back(tipo);
        auto risposta = risposte.at(0);
        risposte.erase(risposte.begin());
        return risposta;
    }
};

class DocumentoFinto final : public DocumentoFile {
public:
    bool letturaRiesce = true;
    std::vector<fs::path> letti, scritti;
    bool leggeProgetto(const fs::path& f) override {
        letti.push_back(f);
        return letturaRiesce;
    }
    bool scriveProgetto(const fs::path& f) override {
        scritti.push_back(f);
        std::ofstream(f) << "progetto\n";
        return true;
    }
};

class OperazioniFile : public ::testing::Test {
protected:
    void SetUp() override {
        corrente = fs::current_path();
        cartella = NuovaCartellaDiProva("tavo_opfile_");
        fs::create_directories(cartella / "altra");
        cartelle.PercorsoDati = cartella;
        cartelle.PercorsoProgramma = cartella / "programma";
        fs::create_directories(cartelle.PercorsoProgramma);
    }
    void TearDown() override {
        // Whatever the operation, the process's current folder stays put:
        // the data folder alone follows the files.
        EXPECT_EQ(fs::current_path(), corrente);
        fs::remove_all(cartella);
    }
    void Crea(const fs::path& f) { std::ofstream(f) << "x\n"; }

    fs::path corrente, cartella;
    Ambiente cartelle;
    DialogoFinto dialogo;
    DocumentoFinto documento;
    GestioneFile file{"Tavo", "Tav", cartelle, documento, dialogo};
    test::RecordingMessagePort porta;
};

TEST_F(OperazioniFile, RigaComandoConUnoSpazioNelPercorso) {
    const fs::path progetto = cartella / "altra" / "Muro di prova.Tav";
    Crea(progetto);
    ASSERT_TRUE(file.ApriFileRigaComando(progetto.string()));
    EXPECT_EQ(file.NomeFileBreve(), "Muro di prova");
    EXPECT_EQ(cartelle.PercorsoDati, cartella / "altra");
    EXPECT_EQ(documento.letti, std::vector<fs::path>{progetto});
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(OperazioniFile, RigaComandoConFileMancante) {
    const fs::path manca = cartella / "manca.Tav";
    EXPECT_FALSE(file.ApriFileRigaComando(manca.string()));
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"File " + manca.string() + " non trovato "});
    EXPECT_EQ(porta.registrati()[0].icona, Icona::Critico);
    EXPECT_EQ(file.NomeFileBreve(), "");
    EXPECT_TRUE(documento.letti.empty());
    EXPECT_FALSE(file.ApriFileRigaComando(""));
}

TEST_F(OperazioniFile, SalvaSenzaNomeChiedeIlNomePoiScriveSenzaChiedere) {
    const fs::path scelto = cartella / "altra" / "Nuovo.Tav";
    dialogo.risposte = {scelto};
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Salva), EsitoFile::Fatto);
    ASSERT_EQ(dialogo.tipi, std::vector<char>{'S'});
    EXPECT_EQ(dialogo.richieste[0].nomeIniziale, "*.Tav");
    EXPECT_EQ(dialogo.richieste[0].indiceFiltro, 2);
    EXPECT_EQ(dialogo.richieste[0].cartella, cartella);
    EXPECT_EQ(file.NomeFileBreve(), "Nuovo");
    EXPECT_EQ(cartelle.PercorsoDati, cartella / "altra");
    // Again: no dialog, the same file.
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Salva), EsitoFile::Fatto);
    EXPECT_EQ(dialogo.tipi.size(), 1u);
    EXPECT_EQ(documento.scritti, (std::vector<fs::path>{scelto, scelto}));
}

TEST_F(OperazioniFile, ApriAnnullatoPoiSalvaApreIlDialogo) {
    dialogo.risposte = {std::nullopt, std::nullopt};
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Apri), EsitoFile::Annullato);
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Salva), EsitoFile::Annullato);
    EXPECT_EQ(dialogo.tipi, (std::vector<char>{'A', 'S'}));
    EXPECT_TRUE(documento.letti.empty());
    EXPECT_TRUE(documento.scritti.empty());
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(OperazioniFile, LetturaFallitaLasciaNomeECartella) {
    const fs::path vecchio = cartella / "Vecchio.Tav";
    const fs::path guasto = cartella / "altra" / "Guasto.Tav";
    Crea(vecchio);
    Crea(guasto);
    dialogo.risposte = {vecchio, guasto};
    ASSERT_EQ(file.OperazioneFile(OperazioneFileTipo::Apri), EsitoFile::Fatto);
    documento.letturaRiesce = false;
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Apri), EsitoFile::Fallito);
    EXPECT_EQ(file.NomeFileBreve(), "Vecchio");
    EXPECT_EQ(cartelle.PercorsoDati, cartella);
    // The second dialog proposed the current name.
    EXPECT_EQ(dialogo.richieste[1].nomeIniziale, "Vecchio.Tav");
}

TEST_F(OperazioniFile, SalvaTieneLEstensioneDelFileAperto) {
    // x.tav opened, then saved: no second file x.Tav beside it.
    const fs::path minuscolo = cartella / "x.tav";
    Crea(minuscolo);
    dialogo.risposte = {minuscolo};
    ASSERT_EQ(file.OperazioneFile(OperazioneFileTipo::Apri), EsitoFile::Fatto);
    ASSERT_EQ(file.OperazioneFile(OperazioneFileTipo::Salva), EsitoFile::Fatto);
    EXPECT_EQ(documento.scritti, std::vector<fs::path>{minuscolo});
    EXPECT_FALSE(fs::exists(cartella / "x.Tav"));
    // Only the extension's case is free: a file X.tav is another project.
    EXPECT_EQ(PercorsoSalvataggio(cartella, "X", "Tav"), cartella / "X.Tav");
}

TEST_F(OperazioniFile, CartellaDatiMancanteLasciaIlPostoAllaCartellaCorrente) {
    cartelle.PercorsoDati = cartella / "sparita";
    dialogo.risposte = {std::nullopt};
    file.OperazioneFile(OperazioneFileTipo::Apri);
    EXPECT_EQ(dialogo.richieste[0].cartella, fs::current_path());
}

TEST_F(OperazioniFile, FileDiEsempioNonSpostaLaCartellaDati) {
    const fs::path esempio = cartelle.PercorsoProgramma / "Spalla.Tav";
    Crea(esempio);
    dialogo.risposte = {esempio};
    ASSERT_EQ(file.ApriFileEsempio(), EsitoFile::Fatto);
    EXPECT_EQ(dialogo.richieste[0].cartella, cartelle.PercorsoProgramma);
    EXPECT_EQ(file.NomeFileBreve(), "Spalla");
    EXPECT_EQ(cartelle.PercorsoDati, cartella);
}

TEST_F(OperazioniFile, NuovoDimenticaIlNomeEDaLaCartellaCorrenteAiDati) {
    const fs::path p = cartella / "altra" / "A.Tav";
    Crea(p);
    dialogo.risposte = {p, std::nullopt};
    file.OperazioneFile(OperazioneFileTipo::Apri);
    ASSERT_EQ(cartelle.PercorsoDati, cartella / "altra");
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Nuovo), EsitoFile::Fatto);
    EXPECT_EQ(file.NomeFileBreve(), "");
    // A new project starts from the current folder, not from the last one's.
    EXPECT_EQ(cartelle.PercorsoDati, fs::current_path());
    EXPECT_EQ(file.OperazioneFile(OperazioneFileTipo::Salva), EsitoFile::Annullato);
    EXPECT_EQ(dialogo.richieste.back().cartella, fs::current_path());
    EXPECT_EQ(dialogo.richieste.back().nomeIniziale, "*.Tav");
}

}  // namespace
}  // namespace tavo
