// The thrust search seen through the calculation driver: the example wall
// whose thrust once came from wedges that cannot stand, and the data that
// leave the search without a maximum, each named in the driver's message.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tavo {
namespace {

// The abutment of the hand calculation under DM 1996 (flat ground, q = 10
// on 20 m, stem 4 m with a 1 m backwall), with what a case changes on top.
bool Calcola(VariabiliPubbliche& v, std::function<void(VariabiliPubbliche&)> modifica) {
    CoefficientiParzialiDefault(v);
    v.Normativa = NormativaDM1996;
    NTC sisma;
    test::RecordingFinestraPrincipale finestra;
    finestra.campi = [modifica](VariabiliPubbliche& w, NTC& s) {
        test::CompilaMuroAMano(w, s);
        w.GradoSismicita = 2;
        modifica(w);
    };
    return CalcoloMain(v, sisma, finestra);
}

// φ = δ = 45°, batter 10 %: the stem's thrust is that of the closing wedges,
// about 61.2 kN/m by brute force (the search's own test), not 827,449.
TEST(CalcoloMainSpinta, ExampleWallGivesThePhysicalStemThrust) {
    for (float batter : {10.0f, 5.0f}) {
        SCOPED_TRACE(batter);
        test::RecordingMessagePort messaggi;
        VariabiliPubbliche v;
        ASSERT_TRUE(Calcola(v, [batter](VariabiliPubbliche& w) {
            w.AngoloAttritoInterno = 45;
            w.AngoloAttritoTerraTavo = 45;
            w.InclinazioneParete = batter;
            w.SpessoreBaseParete = 0.75f + 4 * batter / 100;
        })) << ::testing::PrintToString(messaggi.testi());
        EXPECT_EQ(messaggi.conta(), 0u);
        const float stelo = v.StParete(1) + v.SqParete(1);
        EXPECT_GT(stelo, 50);
        EXPECT_LT(stelo, 70);
        if (batter == 10) {
            EXPECT_NEAR(stelo, 61.2, 0.1);
        }
    }
}

TEST(CalcoloMainSpinta, DataWithoutMaximumAreNamedInTheMessage) {
    struct Caso {
        const char* nome;
        std::function<void(VariabiliPubbliche&)> modifica;
        std::string testo;
    };
    const Caso casi[] = {
        {"phi nullo",
         [](VariabiliPubbliche& w) {
             w.AngoloAttritoInterno = 0;
             w.qProfilo(1) = w.qProfilo(2) = 0;
         },
         "L'angolo di attrito di progetto è nullo: la spinta cresce fino al cuneo di 2° senza "
         "raggiungere un massimo."},
        {"peso specifico negativo", [](VariabiliPubbliche& w) { w.PesoSpecificoTerreno = -18; },
         "Il peso specifico del terreno è negativo: la spinta delle terre non si può calcolare."},
        // S = 60: kh = 0.58, ψ = 30.1° above φ = 30°.
        {"grado di sismicità enorme", [](VariabiliPubbliche& w) { w.GradoSismicita = 60; },
         "Il grado di sismicità è troppo grande per l'angolo di attrito interno: l'angolo "
         "sismico lo raggiunge e la spinta cresce fino al cuneo di 2° senza raggiungere un "
         "massimo."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::RecordingMessagePort messaggi;
        VariabiliPubbliche v;
        EXPECT_FALSE(Calcola(v, c.modifica));
        ASSERT_EQ(messaggi.conta(), 1u);
        EXPECT_EQ(messaggi.registrati()[0].testo, c.testo);
        EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Critico);
    }
}

}  // namespace
}  // namespace tavo

namespace tavo {
namespace {

// A soil without weight, no surcharge, no deck thrust, no earthquake: no
// wedge has a load, so no thrust and no overturning moment. The wall is
// computed, and its overturning check says it cannot overturn.
TEST(CalcoloMainSpinta, SoilWithoutWeightIsComputedWithoutThrust) {
    test::RecordingMessagePort messaggi;
    test::RecordingFinestraPrincipale finestra;
    finestra.campi = [](VariabiliPubbliche& w, NTC& s) {
        test::CompilaMuroAMano(w, s);
        w.PesoSpecificoTerreno = 0;
        w.qProfilo(1) = w.qProfilo(2) = 0;
        w.VImpalcato = 0;
        w.GradoSismicita = 0;
    };
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    v.Normativa = NormativaDM1996;
    NTC sisma;
    ASSERT_TRUE(CalcoloMain(v, sisma, finestra)) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(v.StParete(1) + v.SqParete(1) + v.SsParete(1), 0.0f);
    EXPECT_EQ(v.StRibaltamento(1) + v.SqRibaltamento(1) + v.SsRibaltamento(1), 0.0f);
    EXPECT_EQ(finestra.txtMNfondazione[4], "non ribaltabile");
}

}  // namespace
}  // namespace tavo
