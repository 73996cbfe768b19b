// The line routines of the program's text files: field forms, the escape of
// line breaks, and the errors that name the line.

#include "fileio/FileRighe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tavo {
namespace {

// The exact text of the ErroreFile that `azione` throws, or "" when none.
template <class F>
std::string ErroreDi(F azione) {
    try {
        azione();
    } catch (const ErroreFile& e) {
        return e.what();
    }
    return "";
}

TEST(FileRighe, UnaRigaConUnNumeroUnDecimaleEUnTesto) {
    FileRighe f;
    std::int16_t uno = 1;
    float dueEMezzo = 2.5f;
    std::string ab = "ab";
    f.FileInOut(uno, dueEMezzo, ab);
    EXPECT_EQ(f.contenuto(), "1,2.5,\"ab\"\r\n");
    EXPECT_EQ(f.riga(), 1);
}

TEST(FileRighe, OgniTipoTornaComeScritto) {
    FileRighe s;
    float a = -0.1f;
    double b = 1.0 / 3.0;
    std::int16_t n = -32768;
    bool vero = true, falso = false;
    std::string testo = "Spalla, via Po à 2";
    s.FileInOut(a, b, n, vero, falso, testo);
    EXPECT_EQ(s.contenuto(),
              "-0.1,0.3333333333333333,-32768,#TRUE#,#FALSE#,\"Spalla, via Po \xE0 2\"\r\n");

    FileRighe l(s.contenuto());
    float a2 = 9;
    double b2 = 9;
    std::int16_t n2 = 9;
    bool v2 = false, f2 = true;
    std::string t2;
    l.FileInOut(a2, b2, n2, v2, f2, t2);
    EXPECT_EQ(a2, a);
    EXPECT_EQ(b2, b);
    EXPECT_EQ(n2, n);
    EXPECT_TRUE(v2);
    EXPECT_FALSE(f2);
    EXPECT_EQ(t2, testo);
}

TEST(FileRighe, UnaVirgolettaNelTestoDiventaUnApostrofo) {
    FileRighe s;
    std::string titolo = "Muro \"A\"";
    std::string versione = "2.1";
    s.FileInOutDueValori(titolo, versione, "2.1");
    EXPECT_EQ(s.contenuto(), "\"Muro 'A'\",\"2.1\"\r\n");
    FileRighe l(s.contenuto());
    std::string t, v;
    l.FileInOutDueValori(t, v, "");
    EXPECT_EQ(t, "Muro 'A'");
    EXPECT_EQ(v, "2.1");
}

TEST(FileRighe, UnTestoConUnAcapoStaSuUnaRigaETornaConIlSuoAcapo) {
    std::vector<std::string> coll{"prima\r\nseconda", "solo\nLF"};
    FileRighe s;
    s.FileInOutStringColl(coll);
    EXPECT_EQ(s.contenuto(), "\"prima\x01\x01seconda\",\"solo\x01\x01LF\"\r\n");
    FileRighe l(s.contenuto());
    std::vector<std::string> letta;
    l.FileInOutStringColl(letta);
    EXPECT_EQ(letta, (std::vector<std::string>{"prima\r\nseconda", "solo\r\nLF"}));
}

TEST(FileRighe, UnaRigaDiTestiSenzaVirgoletteEUnSoloElemento) {
    FileRighe l("Titolo senza virgolette, 2.1\r\n\r\n");
    std::vector<std::string> coll{"vecchio"};
    l.FileInOutStringColl(coll);
    EXPECT_EQ(coll, std::vector<std::string>{"Titolo senza virgolette, 2.1"});
    l.FileInOutStringColl(coll);
    EXPECT_EQ(coll, std::vector<std::string>{""});
}

TEST(FileRighe, UnaTestataDiUnSoloCampoDaLaVersioneZero) {
    FileRighe l("\"Vecchio muro\"\r\n");
    std::string titolo, versione = "2.1";
    l.FileInOutDueValori(titolo, versione, "2.1");
    EXPECT_EQ(titolo, "Vecchio muro");
    EXPECT_EQ(versione, "0");
}

TEST(FileRighe, UnCampoVuotoDaZero) {
    FileRighe l(",\r\n");
    float a = 5;
    std::int16_t n = 5;
    l.FileInOut(a, n);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(n, 0);
}

TEST(FileRighe, LeggeLeFormeDiVBEUnInteroArrotondatoAlPari) {
    FileRighe l(".5,-.25,1E-05,  7 ,2.5,3.5\r\n");
    float a, b, c;
    double d;
    std::int16_t pari, dispari;
    l.FileInOut(a, b, c, d, pari, dispari);
    EXPECT_EQ(a, 0.5f);
    EXPECT_EQ(b, -0.25f);
    EXPECT_EQ(c, 1e-05f);
    EXPECT_EQ(d, 7);
    EXPECT_EQ(pari, 2);
    EXPECT_EQ(dispari, 4);
}

TEST(FileRighe, AccettaLFIlBomEIlTestoUtf8DopoIlBom) {
    FileRighe lf("\"Citt\xE0\"\n1.5\n");
    std::string t;
    float v;
    lf.FileInOut(t);
    lf.FileInOut(v);
    EXPECT_EQ(t, "Città");
    EXPECT_EQ(v, 1.5f);

    FileRighe bom("\xEF\xBB\xBF\"Citt\xC3\xA0\"\r\n2\r\n");
    bom.FileInOut(t);
    bom.FileInOut(v);
    EXPECT_EQ(t, "Città");
    EXPECT_EQ(v, 2.0f);
}

struct CasoErrato {
    const char* contenuto;
    const char* errore;
};

// Each line is read as one float and one integer.
TEST(FileRighe, UnaRigaErrataENominataNellErrore) {
    const CasoErrato casi[] = {
        {"1.5,2\r\n1,5,2\r\n", "Riga 2: il numero dei campi è 3 invece di 2."},
        {"1.5\r\n", "Riga 1: il numero dei campi è 1 invece di 2."},
        {"abc,2\r\n", "Riga 1: il campo 1 (\"abc\") non è un numero valido."},
        {"1,\"2\"\r\n", "Riga 1: il campo 2 (\"2\") non è un numero valido."},
        {"1E39,1\r\n", "Riga 1: il campo 1 (\"1E39\") è fuori dai limiti di un numero in singola precisione."},
        {"1,40000\r\n", "Riga 1: il campo 2 (\"40000\") è fuori dai limiti di un numero intero."},
        {"1.5,2\r\n", "Riga 2: il file finisce prima del previsto."},
        {"", "Riga 1: il file finisce prima del previsto."},
    };
    for (const auto& c : casi) {
        FileRighe l(c.contenuto);
        float a;
        std::int16_t n;
        EXPECT_EQ(ErroreDi([&] {
                      l.FileInOut(a, n);
                      l.FileInOut(a, n);
                  }),
                  c.errore)
            << c.contenuto;
    }
}

TEST(FileRighe, TestiEValoriLogiciErrati) {
    std::string t;
    bool b;
    FileRighe senzaChiusura("\"aperto\r\n");
    EXPECT_EQ(ErroreDi([&] { senzaChiusura.FileInOut(t); }),
              "Riga 1: manca la virgoletta di chiusura di un testo.");
    FileRighe collSenzaChiusura("\"a\",\"b\r\n");
    std::vector<std::string> coll;
    EXPECT_EQ(ErroreDi([&] { collSenzaChiusura.FileInOutStringColl(coll); }),
              "Riga 1: manca la virgoletta di chiusura di un testo.");
    FileRighe codaDopoTesto("\"a\"b\r\n");
    EXPECT_EQ(ErroreDi([&] { codaDopoTesto.FileInOut(t); }),
              "Riga 1: c'è del testo dopo la virgoletta di chiusura di un testo.");
    FileRighe logico("#FORSE#\r\n");
    EXPECT_EQ(ErroreDi([&] { logico.FileInOut(b); }),
              "Riga 1: il campo 1 (\"#FORSE#\") non è un valore logico (#TRUE# o #FALSE#).");
}

TEST(FileRighe, NonScriveMaiUnValoreNonFinito) {
    FileRighe s;
    float uno = 1;
    s.FileInOut(uno);
    float nan = std::numeric_limits<float>::quiet_NaN();
    double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ErroreDi([&] { s.FileInOut(uno, nan); }),
              "Riga 2: il valore del campo 2 non è un numero finito.");
    FileRighe s2;
    EXPECT_EQ(ErroreDi([&] { s2.FileInOut(inf); }), "Riga 1: il valore del campo 1 non è un numero finito.");
}

TEST(FileRighe, UnaCollezioneVuotaNonSiScrive) {
    FileRighe s;
    std::vector<std::string> vuota;
    EXPECT_EQ(ErroreDi([&] { s.FileInOutStringColl(vuota); }), "Riga 1: nessun testo da scrivere.");
}

TEST(FileRighe, VerificaIntervalloNominaLaRigaAppenaLetta) {
    FileRighe l("3\r\n0\r\n");
    std::int16_t n;
    l.FileInOut(n);
    EXPECT_EQ(ErroreDi([&] { l.VerificaIntervallo(n, 1, 32767); }), "");
    l.FileInOut(n);
    EXPECT_EQ(ErroreDi([&] { l.VerificaIntervallo(n, 1, 32767); }),
              "Riga 2: il valore 0 è fuori dai limiti (1..32767).");
}

TEST(FileRighe, UnaMatriceScriveUnaRigaPerElementoOPerRiga) {
    std::vector<float> vettore{1, 2};
    std::vector<std::vector<float>> matrice{{1, 2, 3}, {4, 5, 6}};
    std::vector<float> vuoto;
    FileRighe s;
    s.FileInOutMat(vettore);
    s.FileInOutMat(matrice);
    s.FileInOutMat(vuoto);
    EXPECT_EQ(s.contenuto(), "1\r\n2\r\n1,2,3\r\n4,5,6\r\n");

    FileRighe l(s.contenuto());
    std::vector<float> v2(2);
    std::vector<std::vector<float>> m2(2, std::vector<float>(3));
    l.FileInOutMat(v2);
    l.FileInOutMat(m2);
    EXPECT_EQ(v2, vettore);
    EXPECT_EQ(m2, matrice);
}

// The island list is read field by field whatever its line ends.
TEST(FileRighe, InFlussoICampiAttraversanoLeRighe) {
    FileRighe l("2\r\n\"Capri\",\"Ischia\"\r\n1,2\r\n3\r\n4,5,6\r\n", FileRighe::Lettura::Flusso);
    std::int16_t n;
    std::string a, b;
    l.FileInOut(n);
    l.FileInOut(a, b);
    std::vector<float> riga(6);
    l.FileInOutMat(riga);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(a, "Capri");
    EXPECT_EQ(b, "Ischia");
    EXPECT_EQ(riga, (std::vector<float>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(l.riga(), 5);
    float oltre;
    EXPECT_EQ(ErroreDi([&] { l.FileInOut(oltre); }), "Riga 6: il file finisce prima del previsto.");
}

TEST(EstraeCampoStringa, LasciaIlRestoDopoLaVirgolaDiSeparazione) {
    std::string riga = "\"uno\x01\x01" "due\",\"tre\"";
    EXPECT_EQ(EstraeCampoStringa(riga), "uno\r\ndue");
    EXPECT_EQ(riga, "\"tre\"");
    EXPECT_EQ(EstraeCampoStringa(riga), "tre");
    EXPECT_EQ(riga, "");
}

}  // namespace
}  // namespace tavo
