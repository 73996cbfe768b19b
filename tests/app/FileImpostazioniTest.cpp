// The settings file Tavo.ini: the partial-coefficient tables, their defaults
// when the file is missing or short, and a failed write that keeps them.

#include "tests/support/CartellaDiProva.h"
#include "app/FileImpostazioni.h"
#include "analysis/CoefficientiParziali.h"
#include "fileio/FileSuDisco.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/SenzaNuoviFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace tavo {
namespace {

namespace fs = std::filesystem;

const std::string MessaggioDefault =
    "Il File Tavo.ini non esiste o è incompleto.\r\n"
    "Vengono caricati valori di Default per i coefficienti parziali di sicurezza.\r\n"
    "Usare il menu Impostazioni per cambiarli e salvarli.\r\n"
    "I valori dei coefficienti parziali di sicurezza vengono anche salvati\r\n"
    "nel file dei dati.";

class FileImpostazioniTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = NuovaCartellaDiProva("tavo_ini_");
        CoefficientiParzialiDefault(predefinite);
        // Tables of the user's own, unlike the defaults in every entry.
        for (int i = 1; i <= 28; ++i) {
            propri.CoefParzStatici(i) = 1 + 0.01f * static_cast<float>(i);
            propri.CoefParzSismici(i) = 2 - 0.01f * static_cast<float>(i);
        }
    }
    void TearDown() override { fs::remove_all(cartella); }

    fs::path Ini() const { return cartella / "Tavo.ini"; }
    static std::string Contenuto(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void ScriveByte(const fs::path& p, const std::string& byte) {
        std::ofstream(p, std::ios::binary) << byte;
    }

    fs::path cartella;
    VariabiliPubbliche predefinite, propri;
    test::RecordingMessagePort porta;
};

TEST_F(FileImpostazioniTest, SalvaERileggeEntrambeLeTabelle) {
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, cartella, propri));
    const std::string testo = Contenuto(Ini());
    EXPECT_TRUE(testo.starts_with("1.01\r\n1.02\r\n")) << testo.substr(0, 20);
    EXPECT_TRUE(testo.ends_with("\r\n1.72\r\n")) << testo.substr(testo.size() - 20);
    VariabiliPubbliche letto;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, cartella, letto));
    EXPECT_EQ(letto.CoefParzStatici, propri.CoefParzStatici);
    EXPECT_EQ(letto.CoefParzSismici, propri.CoefParzSismici);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(FileImpostazioniTest, SenzaFileValgonoIDefaultConUnSoloMessaggio) {
    EXPECT_FALSE(FileIniLeggeScrive(Modo::Lettura, cartella, propri));
    EXPECT_EQ(propri.CoefParzStatici, predefinite.CoefParzStatici);
    EXPECT_EQ(propri.CoefParzSismici, predefinite.CoefParzSismici);
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.registrati()[0].testo, MessaggioDefault);
    EXPECT_EQ(porta.registrati()[0].icona, Icona::Informazione);
    EXPECT_EQ(porta.registrati()[0].titolo, "");
}

TEST_F(FileImpostazioniTest, UnFileCortoOErratoRimetteIDefaultInEntrambeLeTabelle) {
    std::string righe55;
    for (int i = 0; i < 55; ++i) righe55 += "2\r\n";
    std::string virgola;
    for (int i = 0; i < 56; ++i) virgola += i == 30 ? "1,5\r\n" : "2\r\n";
    const std::pair<std::string, std::string> casi[] = {
        {righe55, "Riga 56: il file finisce prima del previsto."},
        {virgola, "Riga 31: il numero dei campi è 2 invece di 1."},
    };
    for (const auto& [contenuto, errore] : casi) {
        ScriveByte(Ini(), contenuto);
        VariabiliPubbliche v = propri;
        porta.svuota();
        EXPECT_FALSE(FileIniLeggeScrive(Modo::Lettura, cartella, v));
        EXPECT_EQ(v.CoefParzStatici, predefinite.CoefParzStatici);
        EXPECT_EQ(v.CoefParzSismici, predefinite.CoefParzSismici);
        EXPECT_EQ(porta.testi(), (std::vector<std::string>{
                                     "Lettura incompleta del file " + TestoPercorso(Ini()) + "\r\n" + errore,
                                     MessaggioDefault}));
    }
}

TEST_F(FileImpostazioniTest, UnaScritturaFallitaTieneLeTabelleEIlVecchioFile) {
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, cartella, predefinite));
    const std::string vecchio = Contenuto(Ini());
    VariabiliPubbliche v = propri;
    {
        const test::SenzaNuoviFile pieno(porta);  // the new file cannot be created
        EXPECT_FALSE(FileIniLeggeScrive(Modo::Scrittura, cartella, v));
    }
    EXPECT_EQ(v.CoefParzStatici, propri.CoefParzStatici);
    EXPECT_EQ(v.CoefParzSismici, propri.CoefParzSismici);
    EXPECT_EQ(Contenuto(Ini()), vecchio);
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Scrittura incompleta del file " + TestoPercorso(Ini()) +
                                                      "\r\nimpossibile creare un file temporaneo nella cartella " +
                                                      TestoPercorso(cartella) + " (" +
                                                      std::make_error_code(std::errc::too_many_files_open).message() +
                                                      ")."});
}

}  // namespace
}  // namespace tavo
