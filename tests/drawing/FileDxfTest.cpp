// The DXF file: its exact bytes, its numbers under an Italian locale, the
// atomic write, and a real reader (ezdxf) on every file written here.

#include "tests/support/CartellaDiProva.h"
#include "drawing/ErroreUscita.h"
#include "drawing/FileDxf.h"
#include "drawing/Forme.h"
#include "drawing/Grafica.h"
#include "fileio/ErroreFile.h"
#include "tests/drawing/LettoreDxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <fstream>
#include <iterator>
#include <limits>
#include <utility>

namespace tavo {
namespace {

namespace fs = std::filesystem;

std::string Righe(std::initializer_list<std::string_view> righe) {
    std::string s;
    for (auto r : righe) (s += r) += "\r\n";
    return s;
}

std::string Contenuto(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FileDxfTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = NuovaCartellaDiProva("tavo_dxf_");
        file = cartella / "Spalla1.dxf";
    }
    void TearDown() override { fs::remove_all(cartella); }

    // Starts a DXF drawing on `file`.
    void Apre() {
        ApreDxf(g, file);
        ImpostaUscita(g, 1, UscitaGrafica::DXF);
    }

    Grafica g;
    fs::path cartella, file;
};

// Restores the C locale after a test that sets an Italian one.
struct LocaleItaliana {
    LocaleItaliana() { ok = std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr; }
    ~LocaleItaliana() { std::setlocale(LC_ALL, "C"); }
    bool ok;
};

TEST_F(FileDxfTest, UnDisegnoPiccoloByteEsattiSottoLocaleItaliana) {
    LocaleItaliana locale;
    ASSERT_TRUE(locale.ok) << "scripts/setup.sh genera la locale it_IT.UTF-8";
    Apre();
    ImpostaColore(g, 1);
    DisegnaLinea(g, 0, 0, 2.5, -1.25);
    ImpostaColore(g, 13);
    DisegnaCerchio(g, 1.5, 2, 0.75);
    ImpostaColore(g, 5);
    DisegnaPoligono(g, 3, std::vector<double>{0, 1, 1}, std::vector<double>{0, 0, 0.5});
    DisegnaTesto(g, 0.1, 0.2, 0.3, "j = 30°, \"a\"\r\nb");
    ChiudeDxf(g);

    const std::string atteso = Righe({
        "  0", "SECTION", "  2", "ENTITIES",
        "  0", "LINE", "  8", "0", " 62", "     1", " 10", "0", " 20", "0", " 30", "0.0",
        " 11", "2.5", " 21", "-1.25", " 31", "0.0",
        "  0", "CIRCLE", "  8", "0", " 62", "    13", " 10", "1.5", " 20", "2", " 30", "0.0",
        " 40", "0.75",
        "  0", "POLYLINE", "  8", "0", " 66", "     1", " 62", "     5",
        " 10", "0.0", " 20", "0.0", " 30", "0.0",
        "  0", "VERTEX", "  8", "0", " 10", "0", " 20", "0", " 30", "0.0",
        "  0", "VERTEX", "  8", "0", " 10", "1", " 20", "0", " 30", "0.0",
        "  0", "VERTEX", "  8", "0", " 10", "1", " 20", "0.5", " 30", "0.0",
        "  0", "VERTEX", "  8", "0", " 10", "0", " 20", "0", " 30", "0.0",
        "  0", "SEQEND", "  8", "0",
        "  0", "TEXT", "  8", "0", " 62", " 5 ", " 10", "0.1", " 20", "0.2", " 30", "0.0",
        " 40", "0.3", "  1", "j = 30%%d, \"a\"  b",  // the degree's control code, the line break as blanks
        "  0", "ENDSEC", "  0", "EOF"});
    EXPECT_EQ(Contenuto(file), atteso);

    const test::DxfLetto letto = test::LeggeConEzdxf(file);
    EXPECT_EQ(letto.errori, 0);
    ASSERT_EQ(letto.entita.size(), 4u);
    EXPECT_EQ(letto.entita[0].tipo, "LINE");
    EXPECT_EQ(letto.entita[0].colore, 1);
    EXPECT_EQ(letto.entita[0].numeri, (std::vector<double>{0, 0, 2.5, -1.25}));
    EXPECT_EQ(letto.entita[1].tipo, "CIRCLE");
    EXPECT_EQ(letto.entita[1].colore, 13);
    EXPECT_EQ(letto.entita[1].numeri, (std::vector<double>{1.5, 2, 0.75}));
    EXPECT_EQ(letto.entita[2].tipo, "POLYLINE");
    EXPECT_EQ(letto.entita[2].colore, 5);
    EXPECT_EQ(letto.entita[2].numeri, (std::vector<double>{0, 0, 1, 0, 1, 0.5, 0, 0}));
    EXPECT_EQ(letto.entita[3].tipo, "TEXT");
    EXPECT_EQ(letto.entita[3].testo, "j = 30°, \"a\"  b");
    EXPECT_EQ(letto.entita[3].numeri, (std::vector<double>{0.1, 0.2, 0.3}));
}

// The value line of the one text that `testo` writes.
std::string ValoreDelTesto(std::string_view testo) {
    FileDxf f("testo.dxf");
    f.TestoDxf(0, 0, 1, testo, 1);
    const std::string& c = f.contenuto();
    const std::size_t inizio = c.find("\r\n  1\r\n") + 7;
    return c.substr(inizio, c.find("\r\n", inizio) - inizio);
}

TEST(TestoDxf, SoloAsciiGradiEscapeUnicode) {
    const std::pair<const char*, const char*> casi[] = {
        {"D 30° è", "D 30%%d \\U+00E8"},
        {"«Spalla» — più", "\\U+00ABSpalla\\U+00BB \\U+2014 pi\\U+00F9"},
        {"20 €/m²", "20 \\U+20AC/m\\U+00B2"},
        {"Ω", "\\U+03A9"},
        {"a\tb\r\nc\x7F", "a b  c "},    // control characters as blanks
        {"\xC2\x90", " "},                // a C1 control character too
        {"x\xF0\x9F\x98\x80y", "x?y"},  // beyond four hex digits
        {"\xE8", "\\U+FFFD"},            // a byte that is not UTF-8
        {"50% \"a\", b", "50% \"a\", b"}};
    for (const auto& [testo, atteso] : casi) EXPECT_EQ(ValoreDelTesto(testo), atteso) << testo;
}

// A title of accents, guillemets and a dash, and data lines with degree
// signs: ezdxf reads the texts back as they were, and LibreCAD, which
// takes a file with no header as UTF-8, draws them exactly as it draws the
// same texts written in UTF-8.
TEST_F(FileDxfTest, TestiAccentatiUgualiInEzdxfEInLibreCad) {
    const std::vector<std::string> testi{
        "Spalla «Ponte sull'Adige» — verifica più gravosa, già però è così",
        "j = 35°", "d = 23,33°", "g = 19 kN/m³", "Sicurezza scorrimento = 0,4811"};
    Apre();
    for (std::size_t i = 0; i < testi.size(); ++i)
        DisegnaTesto(g, 0, -2.0 * static_cast<double>(i), 1, testi[i]);
    ChiudeDxf(g);
    const std::string byte = Contenuto(file);
    EXPECT_TRUE(std::all_of(byte.begin(), byte.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

    const test::DxfLetto letto = test::LeggeConEzdxf(file);
    EXPECT_EQ(letto.errori, 0);
    ASSERT_EQ(letto.entita.size(), testi.size());
    for (std::size_t i = 0; i < testi.size(); ++i) EXPECT_EQ(letto.entita[i].testo, testi[i]);

    // The same file with each text in UTF-8.
    std::string utf8 = byte;
    for (const std::string& t : testi) {
        const std::string scritto = ValoreDelTesto(t);
        utf8.replace(utf8.find("\r\n" + scritto + "\r\n") + 2, scritto.size(), t);
    }
    const fs::path riferimento = cartella / "utf8.dxf";
    { std::ofstream(riferimento, std::ios::binary) << utf8; }
    const std::string disegno = test::DisegnoLibreCad(file);
    ASSERT_GT(disegno.size(), 1000u);
    EXPECT_TRUE(disegno == test::DisegnoLibreCad(riferimento));
}

TEST_F(FileDxfTest, UnDisegnoVuotoOttoRighe) {
    Apre();
    ChiudeDxf(g);
    EXPECT_EQ(Contenuto(file), Righe({"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"}));
    EXPECT_EQ(test::LeggeConEzdxf(file).errori, 0);
}

// Numbers of every size read back to single precision; a solid is its
// outline; a composite text is one text; nothing non-finite is written.
TEST_F(FileDxfTest, NumeriSolidiTestiCompostiENumeriNonFiniti) {
    Apre();
    ImpostaColore(g, 3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    DisegnaLinea(g, 1.0 / 3, -2e-7, 123456.789, 7.1e12);
    DisegnaLinea(g, nan, 0, 1, 1);
    DisegnaCerchio(g, 0, 0, inf);
    DisegnaLinea(g, 0, 0, 1, 1, 0);  // a zero vertical scale
    DisegnaTesto(g, 0, 0, nan, "x");
    DisegnaFreccia(g, 2, 2, 0, 0, 1, 5, "5", std::vector<double>{0, 1}, std::vector<double>{0, 0}, 1, "",
                   false);  // force scale 0: an arrow of infinite length
    const std::vector<double> xs{0, 2, 2, 2}, ys{0, 0, 1, 1};
    DisegnaSolido(g, 4, xs, ys);
    ImpostaColore(g, 11);
    StileTestoDwg(g, 1, "Arial", "Times");
    StileTestoDwg(g, 2, "Symbol", "Symbol");
    const std::vector<PezzoTesto> pezzi{{"j", 2}, {" = 30", 1}};
    DisegnaTestoComposto(g, 1, 2, 0.25, pezzi);
    ChiudeDxf(g);

    const std::string byte = Contenuto(file);
    for (const char* vietato : {"nan", "inf", "NAN", "INF"}) EXPECT_EQ(byte.find(vietato), std::string::npos) << vietato;
    EXPECT_EQ(byte.find(','), std::string::npos);

    const test::DxfLetto letto = test::LeggeConEzdxf(file);
    EXPECT_EQ(letto.errori, 0);
    ASSERT_EQ(letto.entita.size(), 3u);
    const std::vector<double> linea{1.0 / 3, -2e-7, 123456.789, 7.1e12};
    ASSERT_EQ(letto.entita[0].numeri.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(static_cast<float>(letto.entita[0].numeri[i]), static_cast<float>(linea[i]));
    // The triangle of 4 points (point 4 = point 3): 3 + 1 vertices.
    EXPECT_EQ(letto.entita[1].tipo, "POLYLINE");
    EXPECT_EQ(letto.entita[1].numeri, (std::vector<double>{0, 0, 2, 0, 2, 1, 0, 0}));
    EXPECT_EQ(letto.entita[2].tipo, "TEXT");
    EXPECT_EQ(letto.entita[2].colore, 11);
    EXPECT_EQ(letto.entita[2].testo, "j = 30");
}

// The dispatchers add OffsetY to every y; a solid's y are written as given.
TEST_F(FileDxfTest, IlSolidoScriveLeOrdinateSenzaTrasformarle) {
    Apre();
    ImpostaOffsetY(g, 5);
    ImpostaColore(g, 2);
    DisegnaLinea(g, 0, 0, 1, 1);
    const std::vector<double> xs{0, 2, 2, 2}, ys{0, 0, 1, 1};
    DisegnaSolido(g, 4, xs, ys);
    ChiudeDxf(g);
    const test::DxfLetto letto = test::LeggeConEzdxf(file);
    EXPECT_EQ(letto.errori, 0);
    ASSERT_EQ(letto.entita.size(), 2u);
    EXPECT_EQ(letto.entita[0].numeri, (std::vector<double>{0, 5, 1, 6}));
    EXPECT_EQ(letto.entita[1].numeri, (std::vector<double>{0, 0, 2, 0, 2, 1, 0, 0}));
    EXPECT_EQ(letto.entita[1].colore, 2);
}

TEST_F(FileDxfTest, UnaScritturaFallitaLasciaIlFileVecchio) {
    { std::ofstream(file, std::ios::binary) << "vecchio"; }
    Apre();
    DisegnaLinea(g, 0, 0, 1, 1);
    g.Dxf->primaDiSostituire = [](const fs::path& tmp) {
        ASSERT_TRUE(fs::exists(tmp));
        throw ErroreFile("disco pieno");
    };
    try {
        ChiudeDxf(g);
        FAIL();
    } catch (const ErroreFile& e) {
        EXPECT_STREQ(e.what(), "disco pieno");
    }
    EXPECT_EQ(Contenuto(file), "vecchio");
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator{}), 1);
    EXPECT_FALSE(g.Dxf);  // closed on the failing path too
    EXPECT_THROW(DisegnaLinea(g, 0, 0, 1, 1), ErroreUscita);
}

TEST_F(FileDxfTest, UnFileDellUtenteColNomePiuTmpResta) {
    // A file of the user's named like the drawing with ".tmp": the export
    // neither overwrites nor removes it.
    fs::path suo = file;
    suo += ".tmp";
    { std::ofstream(suo, std::ios::binary) << "dell'utente"; }
    Apre();
    DisegnaLinea(g, 0, 0, 1, 1);
    ChiudeDxf(g);
    EXPECT_EQ(Contenuto(suo), "dell'utente");
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator{}), 2);
    const test::DxfLetto letto = test::LeggeConEzdxf(file);
    EXPECT_EQ(letto.errori, 0);
    EXPECT_EQ(letto.entita.size(), 1u);
}

TEST_F(FileDxfTest, UnaCartellaInesistenteNonCreaNulla) {
    ApreDxf(g, cartella / "manca" / "a.dxf");
    EXPECT_THROW(ChiudeDxf(g), ErroreFile);
    EXPECT_FALSE(fs::exists(cartella / "manca"));
}

}  // namespace
}  // namespace tavo
