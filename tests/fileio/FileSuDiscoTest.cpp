// Files on disk in one piece: the whole-file read, the write through a
// temporary file, and the one message of each failure.

#include "tests/support/CartellaDiProva.h"
#include "fileio/FileSuDisco.h"

#include "fileio/ErroreFile.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/SenzaNuoviFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

namespace tavo {
namespace {

namespace fs = std::filesystem;

class FileSuDiscoTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = NuovaCartellaDiProva("tavo_fileio_");
    }
    void TearDown() override { fs::remove_all(cartella); }

    static std::string Contenuto(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Scrive(const fs::path& p, const std::string& byte) {
        std::ofstream(p, std::ios::binary) << byte;
    }

    fs::path cartella;
    test::RecordingMessagePort porta;
};

TEST_F(FileSuDiscoTest, ScriveTuttoESostituisceIlVecchioFile) {
    const fs::path p = cartella / "prova.txt";
    Scrive(p, "vecchio\r\n");
    float v = 1.5f;
    EXPECT_TRUE(ScriveFileRighe(p, [&](FileRighe& f) { f.FileInOut(v); }));
    EXPECT_EQ(Contenuto(p), "1.5\r\n");
    EXPECT_FALSE(fs::exists(cartella / "prova.txt.tmp"));
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(FileSuDiscoTest, UnaScritturaFallitaLasciaIlVecchioFileEDaUnSoloMessaggio) {
    const fs::path p = cartella / "prova.txt";
    Scrive(p, "vecchio\r\n");
    // No file can be opened: the temporary file cannot be created.
    float v = 1.5f;
    {
        const test::SenzaNuoviFile pieno(porta);
        EXPECT_FALSE(ScriveFileRighe(p, [&](FileRighe& f) {
            for (int i = 0; i < 5; ++i) f.FileInOut(v);
        }));
    }
    EXPECT_EQ(Contenuto(p), "vecchio\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator{}), 1);
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0], "Scrittura incompleta del file " + TestoPercorso(p) +
                                    "\r\nimpossibile creare un file temporaneo nella cartella " +
                                    TestoPercorso(cartella) + " (" +
                                    std::make_error_code(std::errc::too_many_files_open).message() +
                                    ").");
}

// The temporary file has a name of its own: a user's file named like the
// target with ".tmp" (or anything else beside it) is never written or removed,
// whether the write succeeds or fails.
TEST_F(FileSuDiscoTest, IlFileTemporaneoNonToccaIFileDellUtente) {
    for (const char* nome : {"prova.txt", "X.dxf", "X.Tav", "Tavo.ini"}) {
        const fs::path p = cartella / nome;
        fs::path suo = p;
        suo += ".tmp";
        Scrive(p, "vecchio");
        Scrive(suo, "dell'utente");
        std::set<fs::path> prima;
        for (const auto& e : fs::directory_iterator(cartella)) prima.insert(e.path());
        fs::path temporaneo;
        const auto controlla = [&](const fs::path& t, const std::string& atteso) {
            temporaneo = t;
            EXPECT_EQ(t.parent_path(), cartella);
            EXPECT_EQ(prima.count(t), 0u) << TestoPercorso(t);  // a name no file had
            EXPECT_EQ(Contenuto(t), atteso);
        };
        ScriveFileIntero(p, "nuovo", [&](const fs::path& t) { controlla(t, "nuovo"); });
        EXPECT_EQ(Contenuto(p), "nuovo");
        EXPECT_EQ(Contenuto(suo), "dell'utente");
        EXPECT_FALSE(fs::exists(temporaneo));
        // A write that fails before replacing the target.
        EXPECT_THROW(ScriveFileIntero(p, "altro",
                                      [&](const fs::path& t) {
                                          controlla(t, "altro");
                                          throw ErroreFile("disco pieno");
                                      }),
                     ErroreFile);
        EXPECT_EQ(Contenuto(p), "nuovo");
        EXPECT_EQ(Contenuto(suo), "dell'utente");
        EXPECT_FALSE(fs::exists(temporaneo));
        std::set<fs::path> dopo;
        for (const auto& e : fs::directory_iterator(cartella)) dopo.insert(e.path());
        EXPECT_EQ(dopo, prima) << nome;
    }
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(FileSuDiscoTest, UnaCartellaAlPostoDelFileNonVieneSostituita) {
    const fs::path p = cartella / "cartella";
    fs::create_directory(p);
    EXPECT_FALSE(ScriveFileRighe(p, [](FileRighe& f) {
        float v = 1;
        f.FileInOut(v);
    }));
    EXPECT_TRUE(fs::is_directory(p));
    EXPECT_FALSE(fs::exists(cartella / "cartella.tmp"));
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_TRUE(porta.testi()[0].starts_with("Scrittura incompleta del file " + TestoPercorso(p) +
                                             "\r\nimpossibile sostituire il file ("));
}

TEST_F(FileSuDiscoTest, UnValoreNonFinitoNonToccaIlFile) {
    const fs::path p = cartella / "prova.txt";
    Scrive(p, "vecchio\r\n");
    EXPECT_FALSE(ScriveFileRighe(p, [](FileRighe& f) {
        float v = 1, nan = std::numeric_limits<float>::quiet_NaN();
        f.FileInOut(v);
        f.FileInOut(nan);
    }));
    EXPECT_EQ(Contenuto(p), "vecchio\r\n");
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0], "Scrittura incompleta del file " + TestoPercorso(p) +
                                    "\r\nRiga 2: il valore del campo 1 non è un numero finito.");
}

TEST_F(FileSuDiscoTest, LetturaCompletaEFallimentiConUnMessaggio) {
    const fs::path p = cartella / "dati.txt";
    Scrive(p, "1\r\n2\r\n");
    float a = 0, b = 0;
    EXPECT_TRUE(LeggeFileRighe(p, [&](FileRighe& f) {
        f.FileInOut(a);
        f.FileInOut(b);
    }));
    EXPECT_EQ(a + b, 3);
    EXPECT_EQ(porta.conta(), 0u);

    EXPECT_FALSE(LeggeFileRighe(p, [&](FileRighe& f) {
        for (int i = 0; i < 3; ++i) f.FileInOut(a);
    }));
    EXPECT_FALSE(LeggeFileRighe(cartella / "manca.txt", [](FileRighe&) {}));
    EXPECT_FALSE(LeggeFileRighe(cartella, [](FileRighe&) {}));
    // A relative name is shown as the absolute path that was looked for.
    EXPECT_FALSE(LeggeFileRighe("manca_relativo.txt", [](FileRighe&) {}));
    EXPECT_EQ(porta.testi(),
              (std::vector<std::string>{
                  "Lettura incompleta del file " + TestoPercorso(p) + "\r\nRiga 3: il file finisce prima del previsto.",
                  "File " + TestoPercorso(cartella / "manca.txt") + " non trovato ",
                  "Impossibile leggere il file " + TestoPercorso(cartella),
                  "File " + TestoPercorso(fs::current_path() / "manca_relativo.txt") + " non trovato "}));
}

}  // namespace
}  // namespace tavo
