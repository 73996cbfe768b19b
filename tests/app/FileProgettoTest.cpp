// The project file: round trips under both codes, the stored forms, the
// bundled examples, and malformed files that must leave the project as it was.

#include "tests/support/CartellaDiProva.h"
#include "app/FileProgetto.h"
#include "fileio/FileSuDisco.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tavo {
namespace {

namespace fs = std::filesystem;
using test::Progetto;

std::string Scritto(Progetto p) {
    FileRighe f;
    FileLeggeScrive(f, p.v, p.ntc);
    return f.contenuto();
}

std::string Contenuto(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void ScriveByte(const fs::path& p, const std::string& byte) { std::ofstream(p, std::ios::binary) << byte; }

// A project that needs every text form of the format: accents, a comma, a
// double quote and a line break in the title, negative and tiny values, a
// float that needs eight digits.
Progetto Insidioso() {
    Progetto p = test::Spalla();
    p.v.TitoloTavo = "Città \"Nord\", spalla B\r\nvariante 2";
    p.v.InclinazioneParete = -2.5f;
    p.v.AngoloAttritoTerraTavo = 35.0f * 2 / 3;
    p.v.GradoSismicita = 0.00001f;
    p.ntc.NomeComune = "Forlì (FC)";
    p.ntc.TipoRicerca = RicercaComune;
    p.ntc.IndiceRegione = 5;
    p.ntc.IndiceProvincia = 4;
    p.ntc.IndiceComune = 12;
    return p;
}

// Compares with the stored file; on a difference leaves what was written
// beside the test's working folder to be looked at.
void ConfrontaConFile(const std::string& scritto, const fs::path& memorizzato) {
    const std::string atteso = Contenuto(memorizzato);
    if (scritto != atteso) {
        ScriveByte(memorizzato.filename().string() + ".nuovo", scritto);
        ADD_FAILURE() << memorizzato << " differs; written bytes left in "
                      << memorizzato.filename().string() + ".nuovo";
    }
}

class FileProgettoTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = NuovaCartellaDiProva("tavo_app_");
    }
    void TearDown() override { fs::remove_all(cartella); }

    fs::path cartella;
    test::RecordingMessagePort porta;
};

TEST_F(FileProgettoTest, IlFileScrittoEQuelloMemorizzato) {
    ConfrontaConFile(Scritto(Insidioso()), test::CartellaSorgenti() / "tests/app/data/Progetto.Tav");
}

// Each stored value is distinct and tells its line (line n holds n.5), so
// that two values swapped in the file's layout show at once; the expected
// text is written from the documented layout, not from the program.
TEST_F(FileProgettoTest, OgniValoreStaNellaSuaRiga) {
    Progetto p;
    VariabiliPubbliche& v = p.v;
    v.TitoloTavo = "Disposizione";
    float* perRiga[] = {&v.AltezzaParaghiaia,      &v.SpessoreParaghiaia,     &v.InclinazioneParete,
                        &v.AltezzaParete,          &v.SpessoreTestaParete,    &v.SpessoreBaseParete,
                        &v.AltezzaFondazione,      &v.SbalzoFondazione,       &v.LarghezzaFondazione,
                        &v.AngoloAttritoInterno,   &v.AngoloAttritoTerraTavo, &v.AngoloAttritoFondazione,
                        &v.PesoSpecificoTerreno,   &v.PesoSpecificoTavo,      &v.GradoSismicita};
    float valore = 2.5f;
    for (float* x : perRiga) *x = valore++;
    test::ImpostaProfilo(v, {{18.25f, -18.5f, 18.75f}, {19.25f, 19.5f, 19.75f}});
    float* dopoIlProfilo[] = {&v.NImpalcato,      &v.VImpalcato, &v.DistanzaImpalcato, &v.DistanzaSezioni,
                              &v.Copriferro,      &v.SigmaAcciaioAmm, &v.CoeffOmogeneizzazione};
    valore = 20.5f;
    for (float* x : dopoIlProfilo) *x = valore++;
    v.Normativa = NormativaDM1996;
    p.ntc.AgTR[0] = 28.5f;  // first line of the seismic block
    v.CoefParzStatici(28) = 71.5f;  // its last line

    std::string atteso = "\"Disposizione\",\"2.1\"\r\n";
    for (int riga = 2; riga <= 16; ++riga) atteso += std::to_string(riga) + ".5\r\n";
    atteso += "2\r\n18.25,-18.5,18.75\r\n19.25,19.5,19.75\r\n";
    for (int riga = 20; riga <= 26; ++riga) atteso += std::to_string(riga) + ".5\r\n";
    atteso += "1\r\n28.5,0,0\r\n";
    const std::string scritto = Scritto(p);
    ASSERT_TRUE(scritto.starts_with(atteso)) << scritto.substr(0, atteso.size());
    EXPECT_TRUE(scritto.ends_with("\r\n0\r\n71.5\r\n"));
    EXPECT_EQ(std::count(scritto.begin(), scritto.end(), '\n'), 27 + 44);

    // Read back, each line lands in its own variable.
    ScriveByte(cartella / "righe.Tav", scritto);
    Progetto letto;
    ASSERT_TRUE(ApreFileProgetto(cartella / "righe.Tav", letto.v, letto.ntc));
    EXPECT_EQ(letto.v.InclinazioneParete, 4.5f);
    EXPECT_EQ(letto.v.AltezzaParete, 5.5f);
    EXPECT_EQ(letto.v.GradoSismicita, 16.5f);
    EXPECT_EQ(letto.v.dyProfilo(1), -18.5f);
    EXPECT_EQ(letto.v.qProfilo(2), 19.75f);
    EXPECT_EQ(letto.v.NImpalcato, 20.5f);
    EXPECT_EQ(letto.v.VImpalcato, 21.5f);
    EXPECT_EQ(letto.v.DistanzaImpalcato, 22.5f);
    EXPECT_EQ(letto.v.CoeffOmogeneizzazione, 26.5f);
    EXPECT_EQ(letto.ntc.AgTR[0], 28.5f);
    EXPECT_EQ(letto.v.CoefParzStatici(28), 71.5f);
}

TEST_F(FileProgettoTest, GliEsempiSonoScrittiDaQuestoProgrammaESiRileggono) {
    const std::pair<const char*, Progetto> esempi[] = {{"Spalla.Tav", test::SpallaDiEsempio()}, {"Muro.Tav", test::Muro()}};
    for (const auto& [nome, progetto] : esempi) {
        const fs::path percorso = test::CartellaSorgenti() / "examples" / nome;
        ConfrontaConFile(Scritto(progetto), percorso);
        Progetto letto;
        ASSERT_TRUE(ApreFileProgetto(percorso, letto.v, letto.ntc)) << nome;
        EXPECT_EQ(Scritto(letto), Scritto(progetto)) << nome;
        EXPECT_EQ(letto.v.Normativa, progetto.v.Normativa);
    }
    EXPECT_EQ(porta.conta(), 0u);
}

struct CasoGiroCompleto {
    const char* nome;
    Progetto progetto;
};

TEST_F(FileProgettoTest, SalvaERileggeOgniValoreMemorizzato) {
    Progetto titoloAccentato = test::Muro();
    titoloAccentato.v.TitoloTavo = "Muro lungo l'argine, località Sant'Anna, h = 4,0 m — è così";
    Progetto unSoloLato = test::Spalla();
    test::ImpostaProfilo(unSoloLato.v, {{30, 3, 15}});
    Progetto titoloSuDueRighe = test::Spalla();
    titoloSuDueRighe.v.TitoloTavo = "Prima riga\r\nSeconda riga";
    const CasoGiroCompleto casi[] = {{"spalla NTC", test::Spalla()},
                                     {"muro DM", test::Muro()},
                                     {"titolo accentato", titoloAccentato},
                                     {"un solo lato", unSoloLato},
                                     {"titolo su due righe", titoloSuDueRighe}};
    for (const auto& [nome, originale] : casi) {
        const fs::path p = cartella / "giro.Tav";
        ASSERT_TRUE(SalvaFileProgetto(p, originale.v, originale.ntc)) << nome;
        Progetto letto;
        ASSERT_TRUE(ApreFileProgetto(p, letto.v, letto.ntc)) << nome;
        EXPECT_EQ(letto.v.TitoloTavo, originale.v.TitoloTavo) << nome;
        EXPECT_EQ(letto.v.VersioneFile, "2.1") << nome;
        EXPECT_EQ(letto.v.Normativa, originale.v.Normativa) << nome;
        EXPECT_EQ(letto.v.dxProfilo, originale.v.dxProfilo) << nome;
        EXPECT_EQ(letto.v.qProfilo, originale.v.qProfilo) << nome;
        EXPECT_EQ(letto.v.CoefParzStatici, originale.v.CoefParzStatici) << nome;
        EXPECT_EQ(letto.ntc.AgTR, originale.ntc.AgTR) << nome;
        EXPECT_EQ(letto.ntc.KhNTC, originale.ntc.KhNTC) << nome;
        // Every stored value comes back: the file written again is the same.
        EXPECT_EQ(Scritto(letto), Contenuto(p)) << nome;
    }
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(FileProgettoTest, UnaVirgolettaNelTitoloNonFaSembrareIlFileUnaVecchiaVersione) {
    const Progetto p = Insidioso();
    ASSERT_TRUE(SalvaFileProgetto(cartella / "q.Tav", p.v, p.ntc));
    Progetto letto;
    ASSERT_TRUE(ApreFileProgetto(cartella / "q.Tav", letto.v, letto.ntc));
    EXPECT_EQ(letto.v.TitoloTavo, "Città 'Nord', spalla B\r\nvariante 2");
    EXPECT_EQ(letto.v.VersioneFile, "2.1");
    EXPECT_EQ(letto.v.Normativa, NormativaNTC2008);
    EXPECT_EQ(letto.ntc.NomeComune, "Forlì (FC)");
}

// The lines of a text, CR LF removed.
std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    for (std::size_t inizio = 0; inizio < testo.size();) {
        const std::size_t fine = testo.find("\r\n", inizio);
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    return righe;
}

std::string Unisce(const std::vector<std::string>& righe, std::size_t quante, const char* fine = "\r\n") {
    std::string testo;
    for (std::size_t i = 0; i < quante && i < righe.size(); ++i) testo += righe[i] + fine;
    return testo;
}

std::string ConRiga(const std::vector<std::string>& righe, std::size_t riga, const std::string& nuova) {
    std::vector<std::string> r = righe;
    r[riga - 1] = nuova;
    return Unisce(r, r.size());
}

struct CasoMalformato {
    const char* nome;
    std::string contenuto;
    std::string errore;  // empty: the file reads as the muro example
};

constexpr const char* Testata = "Riga 1: non contiene un titolo e una versione tra virgolette.";

TEST_F(FileProgettoTest, UnFileMalformatoDaUnMessaggioELasciaIlProgettoComEra) {
    // The muro has three ground sides (lines 18 to 20) and its seismic block
    // starts at line 29.
    const std::vector<std::string> righe = Righe(Scritto(test::Muro()));
    const CasoMalformato casi[] = {
        {"troncato nel profilo", Unisce(righe, 18), "Riga 19: il file finisce prima del previsto."},
        {"troncato nel blocco sismico", Unisce(righe, 35), "Riga 36: il file finisce prima del previsto."},
        {"vuoto", "", "Riga 1: il file finisce prima del previsto."},
        // A first line that is not a title and a version between quotes
        // would put another code in force: "Muro,"2.1" read as version "1".
        {"titolo senza la virgoletta di chiusura", ConRiga(righe, 1, "\"Muro,\"2.1\""), Testata},
        {"titolo senza la virgoletta di apertura", ConRiga(righe, 1, "Muro\",\"2.1\""), Testata},
        {"versione senza virgolette", ConRiga(righe, 1, "\"Muro\",2.1"), Testata},
        {"testo dopo la versione", ConRiga(righe, 1, "\"Muro\",\"2.1\",\"x\""), Testata},
        {"versione vuota", ConRiga(righe, 1, "\"Muro\",\"\""), Testata},
        {"versione che non è un numero", ConRiga(righe, 1, "\"Muro\",\"abc\""), Testata},
        {"riga vuota", ConRiga(righe, 1, ""), Testata},
        {"nessun lato", ConRiga(righe, 17, "0"), "Riga 17: il valore 0 è fuori dai limiti (1..32767)."},
        {"lati a miliardi", ConRiga(righe, 17, "2000000000"),
         "Riga 17: il campo 1 (\"2000000000\") è fuori dai limiti di un numero intero."},
        {"testo in un numero", ConRiga(righe, 5, "abc"), "Riga 5: il campo 1 (\"abc\") non è un numero valido."},
        {"virgola decimale", ConRiga(righe, 2, "1,5"), "Riga 2: il numero dei campi è 2 invece di 1."},
        {"virgola decimale nel profilo", ConRiga(righe, 19, "3,1,5,0"),
         "Riga 19: il numero dei campi è 4 invece di 3."},
        {"normativa inesistente", ConRiga(righe, 28, "2"), "Riga 28: il valore 2 è fuori dai limiti (0..1)."},
        {"categoria di suolo inesistente", ConRiga(righe, 38, "0,0,7,0,0"),
         "Riga 38: il valore 7 è fuori dai limiti (0..5)."},
        {"segno di ordine di byte", "\xEF\xBB\xBF" + Unisce(righe, righe.size()), ""},
        {"solo LF", Unisce(righe, righe.size(), "\n"), ""},
        {"ultima riga senza a capo", Unisce(righe, righe.size()).substr(0, Unisce(righe, righe.size()).size() - 2),
         ""},
    };
    for (const auto& c : casi) {
        const fs::path p = cartella / "malformato.Tav";
        ScriveByte(p, c.contenuto);
        Progetto aperto = test::Spalla();
        aperto.v.VersioneFile = "2.1";
        const std::string prima = Scritto(aperto);
        porta.svuota();
        const bool letto = ApreFileProgetto(p, aperto.v, aperto.ntc);
        if (c.errore.empty()) {
            EXPECT_TRUE(letto) << c.nome;
            EXPECT_EQ(Scritto(aperto), Scritto(test::Muro())) << c.nome;
            EXPECT_EQ(aperto.v.TitoloTavo, test::Muro().v.TitoloTavo) << c.nome;
            EXPECT_EQ(porta.conta(), 0u) << c.nome;
        } else {
            EXPECT_FALSE(letto) << c.nome;
            EXPECT_EQ(Scritto(aperto), prima) << c.nome;
            EXPECT_EQ(aperto.v.VersioneFile, "2.1") << c.nome;
            EXPECT_EQ(porta.testi(), std::vector<std::string>{"Lettura incompleta del file " +
                                                              TestoPercorso(p) + "\r\n" + c.errore})
                << c.nome;
        }
    }
}

TEST_F(FileProgettoTest, UnFileDiVersionePrecedenteMetteInVigoreIlDM1996) {
    const std::vector<std::string> righe = Righe(Scritto(test::Spalla()));
    // Up to the reinforcement settings (line 26 with two sides), without the
    // code line and the seismic block.
    std::vector<std::string> vecchio(righe.begin(), righe.begin() + 26);
    vecchio[0] = "\"Spalla vecchia\",\"1.3\"";
    const std::string versione13 = Unisce(vecchio, vecchio.size());
    vecchio[0] = "\"Spalla vecchia\"";
    const std::string soloTitolo = Unisce(vecchio, vecchio.size());
    vecchio[0] = "\"Spalla vecchia\",\"10.0\"";  // below "2.0" as text
    const std::string versione10 = Unisce(vecchio, vecchio.size());
    for (const auto& [testo, versione] : {std::pair{versione13, "1.3"}, std::pair{soloTitolo, "0"},
                                          std::pair{versione10, "10.0"}}) {
        ScriveByte(cartella / "vecchio.Tav", testo);
        Progetto p;
        p.ntc.KhNTC = 0.5f;
        ASSERT_TRUE(ApreFileProgetto(cartella / "vecchio.Tav", p.v, p.ntc)) << versione;
        EXPECT_EQ(p.v.TitoloTavo, "Spalla vecchia");
        EXPECT_EQ(p.v.VersioneFile, versione);
        EXPECT_EQ(p.v.Normativa, NormativaDM1996);
        EXPECT_EQ(p.v.NImpalcato, 350);
        EXPECT_EQ(p.ntc.KhNTC, 0.5f);  // no seismic block: the site stays
    }
    EXPECT_EQ(porta.conta(), 0u);
}

TEST_F(FileProgettoTest, LeImpostazioniDelleArmatureNulleRiprendonoIDefault) {
    for (std::int16_t normativa : {NormativaNTC2008, NormativaDM1996}) {
        Progetto p = test::Spalla();
        p.v.Normativa = normativa;
        p.v.DistanzaSezioni = 0;
        p.v.Copriferro = -1;
        p.v.SigmaAcciaioAmm = 0;
        p.v.CoeffOmogeneizzazione = 0;
        p.v.fyd = 0;
        ASSERT_TRUE(SalvaFileProgetto(cartella / "armature.Tav", p.v, p.ntc));
        EXPECT_EQ(p.v.Copriferro, -1);  // saving leaves the project as it is
        Progetto letto;
        ASSERT_TRUE(ApreFileProgetto(cartella / "armature.Tav", letto.v, letto.ntc));
        EXPECT_EQ(letto.v.DistanzaSezioni, 1);
        EXPECT_EQ(letto.v.Copriferro, 3);
        EXPECT_EQ(letto.v.CoeffOmogeneizzazione, 15);
        EXPECT_EQ(letto.v.fyd, normativa == NormativaNTC2008 ? 391 : 0);
        EXPECT_EQ(letto.v.SigmaAcciaioAmm, normativa == NormativaDM1996 ? 255 : 0);
    }
}

TEST_F(FileProgettoTest, UnSalvataggioFallitoLasciaIlVecchioFileEDaUnSoloMessaggio) {
    const fs::path p = cartella / "progetto.Tav";
    const Progetto vecchio = test::Muro();
    ASSERT_TRUE(SalvaFileProgetto(p, vecchio.v, vecchio.ntc));
    const std::string primaDelSalvataggio = Contenuto(p);

    Progetto senzaProfilo = test::Spalla();
    senzaProfilo.v.nLatiTerreno = 0;
    Progetto latiMancanti = test::Spalla();
    latiMancanti.v.nLatiTerreno = 3;
    Progetto nonFinito = test::Spalla();
    nonFinito.v.AltezzaParete = std::numeric_limits<float>::infinity();
    const std::pair<Progetto, std::string> casi[] = {
        {senzaProfilo, "Riga 17: il valore 0 è fuori dai limiti (1..32767)."},
        {latiMancanti, "Riga 17: il profilo del terreno non ha 3 lati."},
        {nonFinito, "Riga 5: il valore del campo 1 non è un numero finito."},
    };
    for (const auto& [progetto, errore] : casi) {
        porta.svuota();
        EXPECT_FALSE(SalvaFileProgetto(p, progetto.v, progetto.ntc));
        EXPECT_EQ(Contenuto(p), primaDelSalvataggio);
        EXPECT_EQ(porta.testi(),
                  std::vector<std::string>{"Scrittura incompleta del file " + TestoPercorso(p) + "\r\n" + errore});
    }
    EXPECT_FALSE(fs::exists(cartella / "progetto.Tav.tmp"));
}

TEST_F(FileProgettoTest, UnFileMancanteLoDiceEdENonCambiaNulla) {
    Progetto p = test::Spalla();
    const std::string prima = Scritto(p);
    EXPECT_FALSE(ApreFileProgetto(cartella / "manca.Tav", p.v, p.ntc));
    EXPECT_EQ(Scritto(p), prima);
    EXPECT_EQ(porta.testi(),
              std::vector<std::string>{"File " + TestoPercorso(cartella / "manca.Tav") + " non trovato "});
}

}  // namespace
}  // namespace tavo
