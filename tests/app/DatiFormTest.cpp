#include "app/DatiForm.h"
#include "analysis/FinestraPrincipalePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

const Separatori Italiano{U',', U'.'};
const Separatori Inglese{U'.', U','};

TEST(NumeroDigitato, SecondoISeparatoriRegionali) {
    struct Caso { const char* testo; Separatori sep; std::optional<double> valore; };
    const Caso casi[] = {
        {"12,5", Italiano, 12.5},
        {"1.250,5", Italiano, 1250.5},
        {" -0,25 ", Italiano, -0.25},
        {"+3", Italiano, 3.0},
        {"1E-05", Italiano, 1e-5},
        {",5", Italiano, 0.5},
        {"", Italiano, 0.0},        // an empty box reads 0
        {"   ", Italiano, 0.0},
        {"1,250.5", Inglese, 1250.5},
        {"12.5", Inglese, 12.5},
        {"abc", Italiano, std::nullopt},
        {"2,5m", Italiano, std::nullopt},
        {"1,2,3", Italiano, std::nullopt},  // a second decimal character
        {"...", Italiano, std::nullopt},
        {"inf", Inglese, std::nullopt},
        {"nan", Inglese, std::nullopt},
    };
    for (const auto& c : casi) EXPECT_EQ(NumeroDigitato(c.testo, c.sep), c.valore) << c.testo;
}

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

TEST(LeggeDatiDaForm, UnCampoIllegibileNonCambiaNulla) {
    struct Guasto { const char* cosa; void (*guasta)(TestiForm&); };
    const Guasto guasti[] = {
        {"box 3", [](TestiForm& t) { t.dati[3] = "sei"; }},
        {"kv", [](TestiForm& t) { t.dati[18] = "0,0,6"; }},
        {"beyond single", [](TestiForm& t) { t.dati[0] = "1E+39"; }},
        {"grid cell", [](TestiForm& t) { t.profilo[1][2] = "x"; }},
        {"side count", [](TestiForm& t) { t.lati = "due"; }},
        {"side count range", [](TestiForm& t) { t.lati = "40000"; }},
        {"more sides than rows", [](TestiForm& t) { t.lati = "4"; }},
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
            EXPECT_STREQ(e.what(), "Errore nei dati") << g.cosa;
        }
        EXPECT_EQ(v.TitoloTavo, prima.TitoloTavo) << g.cosa;
        EXPECT_EQ(v.AltezzaParaghiaia, prima.AltezzaParaghiaia) << g.cosa;
        EXPECT_FLOAT_EQ(ntc.KvNTC, 0.06f) << g.cosa;
        EXPECT_EQ(v.dxProfilo, prima.dxProfilo) << g.cosa;
    }
}

TEST(LeggeDatiDaForm, NumeroDiLatiArrotondatoENessunLatoTieneIlProfilo) {
    VariabiliPubbliche v;
    NTC ntc;
    auto t = Campi();
    t.lati = "2,5";  // half to even, as the original's integer conversion
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
