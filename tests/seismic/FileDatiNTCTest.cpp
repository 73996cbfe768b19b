// The municipality and island files: their layouts, and damaged files that
// must give a message and empty lists, never a read past the end.

#include "seismic/ByteLE.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

std::string Stringa(std::string_view cp1252) {
    std::string out;
    AccodaU16LE(out, static_cast<std::uint16_t>(cp1252.size()));
    out += cp1252;
    return out;
}

std::string Provincia(std::string_view regione, std::string_view nome, std::string_view chiave) {
    return Stringa(regione) + Stringa(nome) + Stringa(chiave);
}

std::string Comune(std::string_view chiave, std::string_view nome, float lon, float lat) {
    std::string out = Stringa(chiave) + Stringa(nome);
    AccodaFloatLE(out, lon);
    AccodaFloatLE(out, lat);
    return out;
}

TEST(LeggeComuni, LeggeCioCheCodificaComuniScrive) {
    const ElencoComuni e = LeggeComuni(CodificaComuni(test::ComuniDiProva()));
    EXPECT_EQ(e.Regioni, (std::vector<std::string>{"Lazio", "Umbria"}));
    EXPECT_EQ(e.ProvinceRegione, (std::vector<std::vector<std::string>>{{"Roma", "Rieti"}, {"Perugia"}}));
    EXPECT_EQ(e.ChiaviRegione, (std::vector<std::vector<std::string>>{{"RM", "RI"}, {"PG"}}));
    ASSERT_EQ(e.ComuniProvincia.at("PG").size(), 2u);
    EXPECT_EQ(e.ComuniProvincia.at("PG")[1].Nome, "Perugia");
    EXPECT_FLOAT_EQ(e.ComuniProvincia.at("PG")[1].Longitudine, 12.39f);
    EXPECT_FLOAT_EQ(e.ComuniProvincia.at("PG")[1].Latitudine, 43.11f);
}

TEST(LeggeComuni, LeStringheSonoWindows1252) {
    // "Forlì" and "Valle d'Aosta/Vallée d'Aoste" with ì = 0xEC, é = 0xE9.
    const std::string byte = Provincia("Valle d'Aosta/Vall\xE9" "e d'Aoste", "Aosta", "AO") +
                             Provincia("REGIONI", "", "") + Comune("AO", "Forl\xEC", 7.3f, 45.7f);
    const ElencoComuni e = LeggeComuni(byte);
    EXPECT_EQ(e.Regioni[0], "Valle d'Aosta/Vallée d'Aoste");
    EXPECT_EQ(e.ComuniProvincia.at("AO")[0].Nome, "Forlì");
    EXPECT_EQ(CodificaComuni(e), byte);
}

TEST(LeggeComuni, UnaRegioneSpezzataCompareDueVolte) {
    const ElencoComuni e = LeggeComuni(Provincia("Lazio", "Roma", "RM") + Provincia("Umbria", "Perugia", "PG") +
                                       Provincia("Lazio", "Rieti", "RI") + Provincia("REGIONI", "", ""));
    EXPECT_EQ(e.Regioni, (std::vector<std::string>{"Lazio", "Umbria", "Lazio"}));
    EXPECT_EQ(e.ChiaviRegione, (std::vector<std::vector<std::string>>{{"RM"}, {"PG"}, {"RI"}}));
}

TEST(LeggeComuni, UnaProvinciaInDueTronconiLiTieneEntrambi) {
    const ElencoComuni e =
        LeggeComuni(Provincia("Lazio", "Roma", "RM") + Provincia("REGIONI", "", "") + Comune("RM", "Roma", 12.5f, 41.9f) +
                    Comune("RI", "Rieti", 12.86f, 42.4f) + Comune("RM", "Tivoli", 12.8f, 41.96f));
    ASSERT_EQ(e.ComuniProvincia.at("RM").size(), 2u);
    EXPECT_EQ(e.ComuniProvincia.at("RM")[0].Nome, "Roma");
    EXPECT_EQ(e.ComuniProvincia.at("RM")[1].Nome, "Tivoli");
}

struct CasoRegioni {
    const char* nome;
    std::string province;
    std::vector<std::string> regioni;
    std::vector<std::vector<std::string>> chiavi;
};

TEST(LeggeComuni, OgniRegioneHaLeSueListeAncheNessunaOUnaDiNomeAA) {
    const std::string fine = Provincia("REGIONI", "", "");
    const CasoRegioni casi[] = {
        {"nessuna provincia", fine, {}, {}},
        {"regione AA", Provincia("AA", "Aosta", "AO") + fine, {"AA"}, {{"AO"}}},
        {"AA prima di un'altra", Provincia("AA", "Aosta", "AO") + Provincia("Lazio", "Roma", "RM") + fine,
         {"AA", "Lazio"}, {{"AO"}, {"RM"}}},
    };
    for (const CasoRegioni& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const ElencoComuni e = LeggeComuni(caso.province);
        EXPECT_EQ(e.Regioni, caso.regioni);
        EXPECT_EQ(e.ChiaviRegione, caso.chiavi);
        EXPECT_EQ(e.ProvinceRegione.size(), caso.regioni.size());
    }
}

TEST(CodificaComuni, OgniComuneUnaVoltaAncheConChiaveRipetutaOSenzaProvincia) {
    ElencoComuni ripetuta = test::ComuniDiProva();
    ripetuta.ProvinceRegione[1].push_back("Roma bis");
    ripetuta.ChiaviRegione[1].push_back("RM");
    ElencoComuni senzaProvincia = test::ComuniDiProva();
    senzaProvincia.ComuniProvincia["AO"] = {{"Aosta", 7.3f, 45.7f}};
    for (const ElencoComuni& e : {ripetuta, senzaProvincia}) EXPECT_EQ(LeggeComuni(CodificaComuni(e)), e);
}

struct CasoGuasto {
    const char* nome;
    std::string byte;
    const char* messaggio;
};

TEST(LeggeComuni, UnFileGuastoELetturaFallitaNonLetturaOltreLaFine) {
    const std::string province = Provincia("Lazio", "Roma", "RM") + Provincia("REGIONI", "", "");
    std::string lunghezzaOltre;
    AccodaU16LE(lunghezzaOltre, 60000);
    std::string nan = Comune("RM", "Roma", 12.5f, 41.9f);
    nan.replace(nan.size() - 4, 4, "\x00\x00\xC0\x7F", 4);
    const CasoGuasto casi[] = {
        {"vuoto", "", "manca il record \"REGIONI\" che chiude le province."},
        {"senza REGIONI", Provincia("Lazio", "Roma", "RM"), "manca il record \"REGIONI\" che chiude le province."},
        {"stringa oltre la fine", province + lunghezzaOltre + "RM", "Record 3: dati troncati."},
        {"lunghezza a metà", province + "\x02", "Record 3: dati troncati."},
        {"numero troncato", province + Comune("RM", "Roma", 12.5f, 41.9f).substr(0, 12), "Record 3: dati troncati."},
        {"numero non finito", province + nan, "Record 3: numero non valido."},
    };
    for (const CasoGuasto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        try {
            LeggeComuni(caso.byte);
            ADD_FAILURE() << "no error";
        } catch (const ErroreFile& e) {
            EXPECT_STREQ(e.what(), caso.messaggio);
        }
    }
}

TEST(LeggeFileComuni, UnFileMancanteOGuastoDaUnMessaggioEListeVuote) {
    test::RecordingMessagePort porta;
    test::CartellaDati cartella("comuni_guasto");
    const auto file = cartella.percorso() / NomeFileComuni;
    ElencoComuni e = test::ComuniDiProva();
    EXPECT_FALSE(LeggeFileComuni(file, e));
    EXPECT_TRUE(e.Regioni.empty());
    cartella.scrive(NomeFileComuni, CodificaComuni(test::ComuniDiProva()).substr(0, 40));
    EXPECT_FALSE(LeggeFileComuni(file, e));
    EXPECT_TRUE(e.Regioni.empty() && e.ComuniProvincia.empty());
    EXPECT_EQ(porta.testi(), (std::vector<std::string>{
                                 "File " + file.string() + " non trovato ",
                                 "Lettura incompleta del file " + file.string() + "\r\nRecord 3: dati troncati."}));
}

TEST(LeggeIsole, ValoriIntercalatiPerPeriodo) {
    // Per period: ag, F0, Tc*, each telling its place (period i: ag 1.i,
    // F0 2.i, Tc* 0.3i); the second line holds the two names.
    const ElencoIsole e = LeggeIsole("2\r\n\"Ustica\",\"Tremiti\"\r\n" + std::string("1.1,2.1,0.31,1.2,2.2,0.32,1.3,2.3,0.33,1.4,2.4,0.34,1.5,2.5,0.35,1.6,2.6,0.36,1.7,2.7,0.37,1.8,2.8,0.38,1.9,2.9,0.39\r\n") +
                                     "0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3,0.5,2.5,0.3\n");
    EXPECT_EQ(e.Nomi, (std::vector<std::string>{"Ustica", "Tremiti"}));
    EXPECT_EQ(e.AgIsole[0][0], 1.1f);
    EXPECT_EQ(e.F0Isole[0][0], 2.1f);
    EXPECT_EQ(e.TcIsole[0][0], 0.31f);
    EXPECT_EQ(e.AgIsole[0][8], 1.9f);
    EXPECT_EQ(e.F0Isole[0][8], 2.9f);
    EXPECT_EQ(e.TcIsole[0][8], 0.39f);
    EXPECT_FLOAT_EQ(e.F0Isole[1][4], 2.5f);
    EXPECT_EQ(LeggeIsole(CodificaIsole(e)).AgIsole, e.AgIsole);
}

TEST(LeggeFileIsole, UnFileCortoOUnConteggioImpossibileDaUnMessaggioEListeVuote) {
    test::RecordingMessagePort porta;
    test::CartellaDati cartella("isole_guasto");
    const auto file = cartella.percorso() / NomeFileIsole;
    ElencoIsole e = test::IsoleDiProva();
    cartella.scrive(NomeFileIsole, "1\r\n\"Ustica\"\r\n1,2,3\r\n");
    EXPECT_FALSE(LeggeFileIsole(file, e));
    EXPECT_TRUE(e.Nomi.empty() && e.AgIsole.empty());
    cartella.scrive(NomeFileIsole, "-3\r\n");
    EXPECT_FALSE(LeggeFileIsole(file, e));
    ASSERT_EQ(porta.conta(), 2u);
    const std::string lettura = "Lettura incompleta del file " + file.string() + "\r\n";
    EXPECT_EQ(porta.testi(), (std::vector<std::string>{lettura + "Riga 4: il file finisce prima del previsto.",
                                                       lettura + "Riga 1: il valore -3 è fuori dai limiti (0..1000)."}));
    // Parameters that no site can have: a negative ag, a Tc* of 0.
    porta.svuota();
    ElencoIsole assurdo = test::IsoleDiProva();
    assurdo.AgIsole[1][6] = -5;
    cartella.scrive(NomeFileIsole, CodificaIsole(assurdo));
    EXPECT_FALSE(LeggeFileIsole(file, e));
    assurdo = test::IsoleDiProva();
    assurdo.TcIsole[0][0] = 0;
    cartella.scrive(NomeFileIsole, CodificaIsole(assurdo));
    EXPECT_FALSE(LeggeFileIsole(file, e));
    EXPECT_TRUE(e.Nomi.empty() && e.AgIsole.empty());
    EXPECT_EQ(porta.testi(),
              (std::vector<std::string>{lettura + "Riga 5: i parametri dell'isola 2 non sono possibili per un sito.",
                                        lettura + "Riga 4: i parametri dell'isola 1 non sono possibili per un sito."}));
    // An empty list is a file without islands, not a damaged one.
    cartella.scrive(NomeFileIsole, "0\r\n");
    EXPECT_TRUE(LeggeFileIsole(file, e));
    EXPECT_TRUE(e.Nomi.empty());
}

}  // namespace
}  // namespace tavo
