// The seismic block of the project file.

#include "seismic/FileNTC.h"

#include <gtest/gtest.h>

#include <array>

namespace tavo {
namespace {

struct Blocco {
    NTC ntc;
    float fyd = 0;
    std::array<float, 28> coef{};

    void InOut(FileRighe& f) { FileLeggeScriveNTC(f, ntc, fyd, coef); }
};

std::string Scritto(Blocco& b) {
    FileRighe f;
    b.InOut(f);
    return f.contenuto();
}

TEST(FileLeggeScriveNTC, UnSitoVuotoDaZeriEUnNomeVuoto) {
    Blocco b;
    std::string atteso;
    for (int i = 0; i < 9; ++i) atteso += "0,0,0\r\n";
    atteso += "0,0,0,0,0\r\n0,0,0\r\n0,0,0,0,\"\"\r\n\"\"\r\n#FALSE#\r\n0,0\r\n0\r\n";
    for (int j = 0; j < 28; ++j) atteso += "0\r\n";
    EXPECT_EQ(Scritto(b), atteso);
}

TEST(FileLeggeScriveNTC, UnSitoCompletoTornaComeScritto) {
    Blocco b;
    for (int i = 0; i < 9; ++i) {
        b.ntc.AgTR[i] = 0.05f + 0.03f * i;
        b.ntc.F0TR[i] = 2.4f + 0.01f * i;
        b.ntc.TcTR[i] = 0.25f + 0.02f * i;
    }
    b.ntc.VR = 75;
    b.ntc.StatoLimite = SLV;
    b.ntc.CategoriaSuolo = 3;
    b.ntc.CategoriaTopografica = 2;
    b.ntc.hSuH = 0.5f;
    b.ntc.Longitudine = 11.3426f;
    b.ntc.Latitudine = 44.4938f;
    b.ntc.TipoRicerca = RicercaComune;
    b.ntc.IndiceRegione = 8;
    b.ntc.IndiceProvincia = 2;
    b.ntc.IndiceComune = 17;
    b.ntc.NomeComune = "Forlì (FC)";
    b.ntc.KhNTC = 0.0612f;
    b.ntc.KvNTC = 0.0306f;
    b.fyd = 391.3f;
    for (int j = 0; j < 28; ++j) b.coef[j] = 1 + 0.05f * j;

    const std::string testo = Scritto(b);
    Blocco letto;
    letto.ntc.NomeIsola = "Capri";  // not in the block: left as it was
    FileRighe f(testo);
    letto.InOut(f);
    EXPECT_EQ(f.riga(), 44);
    EXPECT_EQ(letto.ntc.AgTR, b.ntc.AgTR);
    EXPECT_EQ(letto.ntc.F0TR, b.ntc.F0TR);
    EXPECT_EQ(letto.ntc.TcTR, b.ntc.TcTR);
    EXPECT_EQ(letto.ntc.VR, b.ntc.VR);
    EXPECT_EQ(letto.ntc.StatoLimite, SLV);
    EXPECT_EQ(letto.ntc.CategoriaSuolo, 3);
    EXPECT_EQ(letto.ntc.CategoriaTopografica, 2);
    EXPECT_EQ(letto.ntc.hSuH, 0.5f);
    EXPECT_EQ(letto.ntc.Longitudine, b.ntc.Longitudine);
    EXPECT_EQ(letto.ntc.Latitudine, b.ntc.Latitudine);
    EXPECT_EQ(letto.ntc.TipoRicerca, RicercaComune);
    EXPECT_EQ(letto.ntc.IndiceComune, 17);
    EXPECT_EQ(letto.ntc.NomeComune, "Forlì (FC)");
    EXPECT_EQ(letto.ntc.NomeIsola, "Capri");
    EXPECT_EQ(letto.ntc.KhNTC, b.ntc.KhNTC);
    EXPECT_EQ(letto.ntc.KvNTC, b.ntc.KvNTC);
    EXPECT_EQ(letto.fyd, b.fyd);
    EXPECT_EQ(letto.coef, b.coef);
}

// Every field of a full site holds a distinct value that tells its line
// and place (line n: n.1, n.2, ...), so that two fields swapped in the
// layout show at once; the expected text is written from the documented
// layout of the block.
TEST(FileLeggeScriveNTC, OgniCampoStaAlSuoPosto) {
    Blocco b;
    for (int i = 0; i < 9; ++i) {
        b.ntc.AgTR[i] = static_cast<float>(i + 1) + 0.1f;
        b.ntc.F0TR[i] = static_cast<float>(i + 1) + 0.2f;
        b.ntc.TcTR[i] = static_cast<float>(i + 1) + 0.3f;
    }
    b.ntc.VR = 10.1f;
    b.ntc.StatoLimite = SLV;
    b.ntc.CategoriaSuolo = 5;
    b.ntc.CategoriaTopografica = 4;
    b.ntc.hSuH = 10.5f;
    b.ntc.Longitudine = 11.1f;
    b.ntc.Latitudine = 11.2f;
    b.ntc.TipoRicerca = RicercaIsola;
    b.ntc.IndiceRegione = 121;
    b.ntc.IndiceProvincia = 122;
    b.ntc.IndiceComune = 123;
    b.ntc.IndiceIsola = 124;
    b.ntc.NomeComune = "Cesena (FC)";
    b.ntc.KhNTC = 15.1f;
    b.ntc.KvNTC = 15.2f;
    b.fyd = 16.1f;
    for (int j = 0; j < 28; ++j) b.coef[j] = static_cast<float>(17 + j) + 0.5f;

    std::string atteso;
    for (int i = 1; i <= 9; ++i) {
        const std::string n = std::to_string(i);
        atteso += n + ".1," + n + ".2," + n + ".3\r\n";
    }
    atteso += "10.1,3,5,4,10.5\r\n11.1,11.2,2\r\n121,122,123,124,\"Cesena (FC)\"\r\n\"\"\r\n#FALSE#\r\n"
              "15.1,15.2\r\n16.1\r\n";
    for (int riga = 17; riga <= 44; ++riga) atteso += std::to_string(riga) + ".5\r\n";
    EXPECT_EQ(Scritto(b), atteso);

    Blocco letto;
    FileRighe f(atteso);
    letto.InOut(f);
    EXPECT_EQ(letto.ntc.F0TR[3], 4.2f);
    EXPECT_EQ(letto.ntc.TcTR[8], 9.3f);
    EXPECT_EQ(letto.ntc.StatoLimite, SLV);
    EXPECT_EQ(letto.ntc.CategoriaSuolo, 5);
    EXPECT_EQ(letto.ntc.CategoriaTopografica, 4);
    EXPECT_EQ(letto.ntc.hSuH, 10.5f);
    EXPECT_EQ(letto.ntc.Latitudine, 11.2f);
    EXPECT_EQ(letto.ntc.IndiceProvincia, 122);
    EXPECT_EQ(letto.ntc.IndiceIsola, 124);
    EXPECT_EQ(letto.ntc.KvNTC, 15.2f);
    EXPECT_EQ(letto.fyd, 16.1f);
    EXPECT_EQ(letto.coef[0], 17.5f);
    EXPECT_EQ(letto.coef[27], 44.5f);
}

// The text of the block with line `riga` (1-based) replaced.
std::string ConRiga(int riga, const std::string& nuova) {
    Blocco b;
    std::string testo = Scritto(b);
    std::size_t inizio = 0;
    for (int i = 1; i < riga; ++i) inizio = testo.find("\r\n", inizio) + 2;
    return testo.replace(inizio, testo.find("\r\n", inizio) - inizio, nuova);
}

TEST(FileLeggeScriveNTC, CategorieEIndiciFuoriDaiLimitiSonoErrori) {
    const std::pair<std::string, std::string> casi[] = {
        {ConRiga(10, "50,5,0,0,0"), "Riga 10: il valore 5 è fuori dai limiti (0..4)."},
        {ConRiga(10, "50,3,6,0,0"), "Riga 10: il valore 6 è fuori dai limiti (0..5)."},
        {ConRiga(10, "50,3,1,-1,0"), "Riga 10: il valore -1 è fuori dai limiti (0..4)."},
        {ConRiga(11, "12,44,3"), "Riga 11: il valore 3 è fuori dai limiti (0..2)."},
        {ConRiga(12, "1,-2,0,0,\"\""), "Riga 12: il valore -2 è fuori dai limiti (0..32767)."},
        {ConRiga(15, "0,1"), ""},
        {ConRiga(15, "0"), "Riga 15: il numero dei campi è 1 invece di 2."},
        {ConRiga(14, "1.5"), ""},
    };
    for (const auto& [testo, errore] : casi) {
        Blocco b;
        FileRighe f(testo);
        std::string trovato;
        try {
            b.InOut(f);
        } catch (const ErroreFile& e) {
            trovato = e.what();
        }
        EXPECT_EQ(trovato, errore);
    }
}

TEST(FileLeggeScriveNTC, NonScriveUnaCategoriaCheNonPotrebbeRileggere) {
    Blocco b;
    b.ntc.CategoriaSuolo = 9;
    FileRighe f;
    try {
        b.InOut(f);
        ADD_FAILURE() << "scritto";
    } catch (const ErroreFile& e) {
        EXPECT_STREQ(e.what(), "Riga 10: il valore 9 è fuori dai limiti (0..5).");
    }
}

}  // namespace
}  // namespace tavo
