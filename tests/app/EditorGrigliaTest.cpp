#include "app/EditorGriglia.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

// The ground-profile grid of 3 sides: 4 rows (header + 3), 4 columns.
constexpr int Righe = 4;
constexpr int Colonne = 4;

TEST(CellaSuccessiva, GiuPrimaPoiColonnaSuccessivaPoiFine) {
    struct Caso { CellaGriglia da; std::optional<CellaGriglia> a; };
    const Caso casi[] = {
        {{1, 1}, CellaGriglia{2, 1}},
        {{3, 1}, CellaGriglia{1, 2}},  // last row: top of the next column
        {{3, 2}, CellaGriglia{1, 3}},
        {{3, 3}, std::nullopt},        // last cell: on to the next control
    };
    for (const auto& c : casi)
        EXPECT_EQ(CellaSuccessiva(c.da, Righe, Colonne, false), c.a)
            << c.da.riga << "," << c.da.colonna;
}

TEST(CellaSuccessiva, AttraversoPrima) {
    EXPECT_EQ(CellaSuccessiva({1, 1}, Righe, Colonne, true), (CellaGriglia{1, 2}));
    EXPECT_EQ(CellaSuccessiva({1, 3}, Righe, Colonne, true), (CellaGriglia{2, 1}));
    EXPECT_EQ(CellaSuccessiva({3, 3}, Righe, Colonne, true), std::nullopt);
}

TEST(AperturaEditor, SecondoIlTasto) {
    // Key 0: the cell's number, all selected.
    EXPECT_EQ(AperturaEditorCella(0, "", "2,5", true).testo, "2,5");
    EXPECT_TRUE(AperturaEditorCella(0, "", "2,5", true).selezionaTutto);
    // Key 0 on an empty or non-numeric cell: an empty editor, never the
    // previous cell's text.
    EXPECT_EQ(AperturaEditorCella(0, "", "", false).testo, "");
    EXPECT_EQ(AperturaEditorCella(0, "", "Lato", false).testo, "");
    // Keys 1..32: the cell's text, caret at the end.
    const auto spazio = AperturaEditorCella(32, " ", "7", true);
    EXPECT_EQ(spazio.testo, "7");
    EXPECT_FALSE(spazio.selezionaTutto);
    // A typed character replaces the value.
    const auto cifra = AperturaEditorCella('4', "4", "2,5", true);
    EXPECT_EQ(cifra.testo, "4");
    EXPECT_FALSE(cifra.selezionaTutto);
}

TEST(TastoRiapertura, UnCarattereDigitatoRiapreConIlValoreDellaCella) {
    EXPECT_EQ(TastoRiapertura(0), 0);
    EXPECT_EQ(TastoRiapertura(13), 13);
    EXPECT_EQ(TastoRiapertura('5'), 0);
}

TEST(AzioneTasto, TastiDellEditor) {
    EXPECT_EQ(AzioneTasto(13), AzioneTastoEditor::Conferma);
    EXPECT_EQ(AzioneTasto(27), AzioneTastoEditor::Annulla);
    EXPECT_EQ(AzioneTasto(38), AzioneTastoEditor::TornaAllaGriglia);
    EXPECT_EQ(AzioneTasto(40), AzioneTastoEditor::ScendeDiUnaRiga);
    EXPECT_EQ(AzioneTasto(37), AzioneTastoEditor::Nessuna);
}

}  // namespace
}  // namespace tavo
