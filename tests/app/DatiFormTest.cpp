#include "app/DatiForm.h"
#include "analysis/FinestraPrincipalePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

const Separatori Italiano{U',', U'.'};
const Separatori Inglese{U'.', U','};

// The fields of a small wall with a profile of two sides, Italian separators.
TestiForm Campi() {
    TestiForm t;
    t.titolo = "Spalla di prova";
    const char* dati[NumeroCampiDati] = {"1,5", "0,3", "10", "6", "0,8", "1,2", "1", "3", "5,5", "30",
                                         "20", "30", "18", "25", "0,12", "100", "10", "0,4", "0,06"};
    for (int i = 0; i < NumeroCampiDati; ++i) t.dati[static_cast<std::size_t>(i)] = dati[i];
    t.lati = "2";
    t.profilo = {{"2", "0,5", "10"}, {"8", "0", "20"}, {"", "", ""}};
    return t;
}

TEST(LeggeDatiDaForm, CopiaOgniCampoNelloStato) {
    VariabiliPubbliche v;
    NTC ntc;
    LeggeDatiDaForm(Campi(), v, ntc, Italiano);
    EXPECT_EQ(v.TitoloTavo, "Spalla di prova");
    EXPECT_FLOAT_EQ(v.AltezzaParaghiaia, 1.5f);
    EXPECT_FLOAT_EQ(v.InclinazioneParete, 10.f);
    EXPECT_FLOAT_EQ(v.LarghezzaFondazione, 5.5f);
    EXPECT_FLOAT_EQ(v.PesoSpecificoTavo, 25.f);
    EXPECT_FLOAT_EQ(ntc.KhNTC, 0.12f);
    EXPECT_FLOAT_EQ(ntc.KvNTC, 0.06f);
    EXPECT_FLOAT_EQ(v.GradoSismicita, 0.f);
    EXPECT_FLOAT_EQ(v.DistanzaImpalcato, 0.4f);
    ASSERT_EQ(v.nLatiTerreno, 2);
    ASSERT_EQ(v.dxProfilo.dimensione(), 2);
    EXPECT_FLOAT_EQ(v.dyProfilo(1), 0.5f);
    EXPECT_FLOAT_EQ(v.qProfilo(2), 20.f);
}

// Every input box against the variable it stands for: each box holds a
// value of its own, so two boxes read into swapped variables (or written
// from them) cannot go unseen.
struct CampoVariabile { int box; float VariabiliPubbliche::*variabile; };
const CampoVariabile CampiEVariabili[] = {
    {0, &VariabiliPubbliche::AltezzaParaghiaia},       {1, &VariabiliPubbliche::SpessoreParaghiaia},
    {2, &VariabiliPubbliche::InclinazioneParete},      {3, &VariabiliPubbliche::AltezzaParete},
    {4, &VariabiliPubbliche::SpessoreTestaParete},     {5, &VariabiliPubbliche::SpessoreBaseParete},
    {6, &VariabiliPubbliche::AltezzaFondazione},       {7, &VariabiliPubbliche::SbalzoFondazione},
    {8, &VariabiliPubbliche::LarghezzaFondazione},     {9, &VariabiliPubbliche::AngoloAttritoInterno},
    {10, &VariabiliPubbliche::AngoloAttritoTerraTavo}, {11, &VariabiliPubbliche::AngoloAttritoFondazione},
    {12, &VariabiliPubbliche::PesoSpecificoTerreno},   {13, &VariabiliPubbliche::PesoSpecificoTavo},
    {15, &VariabiliPubbliche::NImpalcato},             {16, &VariabiliPubbliche::VImpalcato},
    {17, &VariabiliPubbliche::DistanzaImpalcato},
};

TEST(LeggeDatiDaForm, OgniCasellaNellaSuaVariabile) {
    auto t = Campi();
    for (const auto& c : CampiEVariabili) t.dati[static_cast<std::size_t>(c.box)] = std::to_string(100 + c.box);
    t.dati[14] = "0,14";
    t.dati[18] = "0,18";
    VariabiliPubbliche v;
    NTC ntc;
    LeggeDatiDaForm(t, v, ntc, Italiano);
    for (const auto& c : CampiEVariabili) EXPECT_EQ(v.*c.variabile, 100.f + c.box) << "box " << c.box;
    EXPECT_FLOAT_EQ(ntc.KhNTC, 0.14f);
    EXPECT_FLOAT_EQ(ntc.KvNTC, 0.18f);
    // The grid's columns: run, rise, surcharge.
    EXPECT_FLOAT_EQ(v.dxProfilo(1), 2.f);
    EXPECT_FLOAT_EQ(v.dyProfilo(1), 0.5f);
    EXPECT_FLOAT_EQ(v.qProfilo(1), 10.f);
}

TEST(ScriveDatiInForm, OgniVariabileNellaSuaCasella) {
    VariabiliPubbliche v;
    NTC ntc;
    LeggeDatiDaForm(Campi(), v, ntc, Italiano);
    for (const auto& c : CampiEVariabili) v.*c.variabile = 100.f + c.box;
    ntc.KhNTC = 0.14f;
    ntc.KvNTC = 0.18f;
    const TestiForm t = ScriveDatiInForm(v, ntc, Italiano);
    for (const auto& c : CampiEVariabili)
        EXPECT_EQ(t.dati[static_cast<std::size_t>(c.box)], std::to_string(100 + c.box)) << "box " << c.box;
    EXPECT_EQ(t.dati[14], "0,1400");
    EXPECT_EQ(t.dati[18], "0,1800");
    EXPECT_EQ(t.profilo[1], (std::array<std::string, 3>{"8", "0", "20"}));
}

TEST(LeggeDatiDaForm, SottoDM1996LaCasella14EIlGradoELa18NonSiLegge) {
    VariabiliPubbliche v;
    v.Normativa = NormativaDM1996;
    NTC ntc;
    ntc.KvNTC = 0.5f;
    auto t = Campi();
    t.dati[14] = "9";
    t.dati[18] = "non letto";
    LeggeDatiDaForm(t, v, ntc, Italiano);
    EXPECT_FLOAT_EQ(v.GradoSismicita, 9.f);
    EXPECT_FLOAT_EQ(ntc.KhNTC, 0.f);
    EXPECT_FLOAT_EQ(ntc.KvNTC, 0.5f);
}

// A field that is not a number as the user reads it is refused by its
// caption (a cell by its side and column), and nothing changes.
TEST(LeggeDatiDaForm, UnCampoIllegibileVieneRifiutatoPerNomeENonCambiaNulla) {
    const std::string esempio = " non è un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\").";
    struct Guasto { const char* cosa; void (*guasta)(TestiForm&); std::string messaggio; };
    const Guasto guasti[] = {
        {"a point typed for a decimal", [](TestiForm& t) { t.dati[3] = "5.5"; },
         "Dato non valido in \"Altezza parete (m)\": \"5.5\"" + esempio},
        {"letters", [](TestiForm& t) { t.dati[3] = "sei"; }, "Dato non valido in \"Altezza parete (m)\": \"sei\"" + esempio},
        {"empty", [](TestiForm& t) { t.dati[15] = ""; }, "Dato non valido in \"Ni\": manca il valore."},
        {"kv", [](TestiForm& t) { t.dati[18] = "0,0,6"; }, "Dato non valido in \"kv\": \"0,0,6\"" + esempio},
        {"kh", [](TestiForm& t) { t.dati[14] = "0.12"; }, "Dato non valido in \"kh\": \"0.12\"" + esempio},
        {"beyond single", [](TestiForm& t) { t.dati[0] = "1E+39"; },
         "Dato non valido in \"Altezza paraghiaia (m)\": \"1E+39\" è fuori scala."},
        {"grid cell", [](TestiForm& t) { t.profilo[1][2] = "2.5"; }, "Dato non valido in \"Lato 2, q\": \"2.5\"" + esempio},
        {"empty grid cell", [](TestiForm& t) { t.profilo[0][0] = " "; }, "Dato non valido in \"Lato 1, Lungh.\": manca il valore."},
        {"side count", [](TestiForm& t) { t.lati = "due"; }, "Dato non valido in \"N° lati terreno\": \"due\"" + esempio},
        {"side count not whole", [](TestiForm& t) { t.lati = "2,5"; },
         "Dato non valido in \"N° lati terreno\": \"2,5\" non è un numero intero."},
        {"side count range", [](TestiForm& t) { t.lati = "40000"; },
         "Dato non valido in \"N° lati terreno\": \"40000\" è fuori scala."},
    };
    for (const auto& g : guasti) {
        VariabiliPubbliche v;
        NTC ntc;
        LeggeDatiDaForm(Campi(), v, ntc, Italiano);
        const VariabiliPubbliche prima = v;
        auto t = Campi();
        t.titolo = "Nuovo titolo";
        t.dati[0] = "2";
        g.guasta(t);
        try {
            LeggeDatiDaForm(t, v, ntc, Italiano);
            ADD_FAILURE() << g.cosa << ": no error";
        } catch (const ErroreDatiForm& e) {
            EXPECT_EQ(e.messaggio(), g.messaggio) << g.cosa;
        }
        EXPECT_EQ(v.TitoloTavo, prima.TitoloTavo) << g.cosa;
        EXPECT_EQ(v.AltezzaParaghiaia, prima.AltezzaParaghiaia) << g.cosa;
        EXPECT_FLOAT_EQ(ntc.KvNTC, 0.06f) << g.cosa;
        EXPECT_EQ(v.dxProfilo, prima.dxProfilo) << g.cosa;
    }
}

// Under DM 1996 box 14 is named as the seismicity grade.
TEST(LeggeDatiDaForm, SottoDM1996LaCasella14SiChiamaGradoDiSismicita) {
    VariabiliPubbliche v;
    v.Normativa = NormativaDM1996;
    NTC ntc;
    auto t = Campi();
    t.dati[14] = "9.5";
    try {
        LeggeDatiDaForm(t, v, ntc, Italiano);
        ADD_FAILURE() << "no error";
    } catch (const ErroreDatiForm& e) {
        EXPECT_EQ(e.messaggio().rfind("Dato non valido in \"Grado di sismicità\": \"9.5\"", 0), 0u) << e.messaggio();
    }
}

TEST(LeggeDatiDaForm, PiuLatiDelleRigheDellaGrigliaNonCambiaNulla) {
    VariabiliPubbliche v;
    NTC ntc;
    auto t = Campi();
    t.lati = "4";
    EXPECT_THROW(LeggeDatiDaForm(t, v, ntc, Italiano), ErroreDatiForm);
    EXPECT_EQ(v.nLatiTerreno, VariabiliPubbliche{}.nLatiTerreno);
}

TEST(LeggeDatiDaForm, NessunLatoTieneIlProfilo) {
    VariabiliPubbliche v;
    NTC ntc;
    auto t = Campi();
    LeggeDatiDaForm(t, v, ntc, Italiano);
    EXPECT_EQ(v.nLatiTerreno, 2);
    t.lati = "0";
    LeggeDatiDaForm(t, v, ntc, Italiano);
    EXPECT_EQ(v.nLatiTerreno, 0);
    EXPECT_EQ(v.dxProfilo.dimensione(), 2);
}

TEST(ScriveDatiInForm, RiportaICampiComeSiLeggono) {
    VariabiliPubbliche v;
    NTC ntc;
    LeggeDatiDaForm(Campi(), v, ntc, Italiano);
    const TestiForm t = ScriveDatiInForm(v, ntc, Italiano);
    EXPECT_EQ(t.dati[0], "1,5");
    EXPECT_EQ(t.dati[14], "0,1200");  // kh and kv with four decimals
    EXPECT_EQ(t.dati[18], "0,0600");
    EXPECT_EQ(t.lati, "2");
    ASSERT_EQ(t.profilo.size(), 2u);
    EXPECT_EQ(t.profilo[0][1], "0,5");
    VariabiliPubbliche w;
    NTC ntc2;
    auto riletto = t;
    riletto.profilo.push_back({"", "", ""});
    LeggeDatiDaForm(riletto, w, ntc2, Italiano);
    EXPECT_EQ(w.dxProfilo, v.dxProfilo);
    EXPECT_EQ(w.SpessoreBaseParete, v.SpessoreBaseParete);

    v.Normativa = NormativaDM1996;
    v.GradoSismicita = 9;
    const TestiForm dm = ScriveDatiInForm(v, ntc, Italiano);
    EXPECT_EQ(dm.dati[14], "9");
    EXPECT_EQ(dm.dati[18], "");
}

}  // namespace
}  // namespace tavo
