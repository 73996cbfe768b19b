#include "app/RigaComando.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

struct CasoRiga {
    const char* riga;
    std::vector<std::string> argomenti;  // elements 1..count
    const char* percorso;
};

class RigaComando : public ::testing::TestWithParam<CasoRiga> {};

TEST_P(RigaComando, SeparaEUnisce) {
    const auto& c = GetParam();
    auto atteso = c.argomenti;
    atteso.insert(atteso.begin(), std::string());
    EXPECT_EQ(ArgomentiRigaComando(c.riga), atteso);
    EXPECT_EQ(PercorsoRigaComando(c.riga), c.percorso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, RigaComando,
    ::testing::Values(
        CasoRiga{"", {}, ""},
        CasoRiga{"   \t ", {}, ""},
        CasoRiga{"C:\\Dati\\Muro.Tav", {"C:\\Dati\\Muro.Tav"}, "C:\\Dati\\Muro.Tav"},
        // A path with one blank, unquoted and quoted: the same path comes back.
        CasoRiga{"/tmp/Muro di prova.Tav", {"/tmp/Muro", "di", "prova.Tav"}, "/tmp/Muro di prova.Tav"},
        CasoRiga{"\"/tmp/Muro di.Tav\"", {"/tmp/Muro", "di.Tav"}, "/tmp/Muro di.Tav"},
        // Quotes separate; runs of blanks become one.
        CasoRiga{"a\"b\"  \tc", {"a", "b", "c"}, "a b c"}));

TEST(RigaComandoMassimo, LaScansioneSiFermaAlMassimoDegliArgomenti) {
    const auto a = ArgomentiRigaComando("1 2 3 4 5 6 7 8 9 10 11 12", 10);
    ASSERT_EQ(a.size(), 11u);
    EXPECT_EQ(a[10], "10");
    EXPECT_EQ(ArgomentiRigaComando("uno due tre", 2), (std::vector<std::string>{"", "uno", "due"}));
}

TEST(RigaComandoDaArgomenti, LeParoleDelSistemaSonoRiunite) {
    // A quoted path reaches the program as one word: it comes back whole.
    EXPECT_EQ(PercorsoRigaComando(RigaComandoDaArgomenti({"/tmp/Muro di.Tav"})), "/tmp/Muro di.Tav");
    EXPECT_EQ(PercorsoRigaComando(RigaComandoDaArgomenti({"/tmp/Muro", "di.Tav"})), "/tmp/Muro di.Tav");
}

}  // namespace
}  // namespace tavo
