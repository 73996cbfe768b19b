// Reading and formatting numbers in the separators of the regional
// conventions: Italian, US English, the C locale (as Qt gives it, and with
// no grouping), French (narrow no-break space) and Swiss German (right
// single quote).

#include "fileio/NumeriRegionali.h"
#include "ports/ErroreCalcolo.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace tavo {
namespace {

const Separatori Italiano{U',', U'.'};
const Separatori Inglese{U'.', U','};
const Separatori LocaleC{U'.', 0};
const Separatori Francese{U',', 0x202F};
const Separatori SvizzeroTedesco{U'.', 0x2019};

// The C locale as Qt gives it: point decimals, comma grouping.
const Separatori LocaleCQt{U'.', U','};

struct CasoLettura {
    const char* nome;
    Separatori sep;
    const char* testo;
    std::optional<double> atteso;  // none: refused
};

class NumeroDigitatoTest : public ::testing::TestWithParam<CasoLettura> {};

TEST_P(NumeroDigitatoTest, LeggeIlTestoComeLoLeggeUnaPersona) {
    const auto& c = GetParam();
    EXPECT_EQ(NumeroDigitato(c.testo, c.sep), c.atteso) << c.nome << ": \"" << c.testo << "\"";
    // ValLocale reads the same number, and 0 for what is none.
    EXPECT_EQ(ValLocale(c.testo, c.sep), c.atteso.value_or(0)) << c.nome << ": \"" << c.testo << "\"";
}

// The expected values are hand readings in each convention: a grouping
// character only between groups of three digits before the decimal one.
const std::optional<double> Rifiutato;
INSTANTIATE_TEST_SUITE_P(
    Convenzioni, NumeroDigitatoTest,
    ::testing::Values(
        // Italian: well formed.
        CasoLettura{"it", Italiano, "12,5", 12.5}, CasoLettura{"it", Italiano, "1.234,5", 1234.5},
        CasoLettura{"it", Italiano, "1.234.567,25", 1234567.25}, CasoLettura{"it", Italiano, "1.250", 1250},
        CasoLettura{"it", Italiano, "-,25", -0.25}, CasoLettura{"it", Italiano, "+3", 3},
        CasoLettura{"it", Italiano, "  3,5 ", 3.5}, CasoLettura{"it", Italiano, "1E-05", 1e-05},
        CasoLettura{"it", Italiano, "2,5e3", 2500}, CasoLettura{"it", Italiano, "5,", 5},
        // Italian: the point typed as a decimal, misplaced grouping.
        CasoLettura{"it", Italiano, "5.5", Rifiutato}, CasoLettura{"it", Italiano, "1.5", Rifiutato},
        CasoLettura{"it", Italiano, "2.50", Rifiutato}, CasoLettura{"it", Italiano, "12.3456", Rifiutato},
        CasoLettura{"it", Italiano, "1234.567", Rifiutato}, CasoLettura{"it", Italiano, "0.500", Rifiutato},
        CasoLettura{"it", Italiano, ".500", Rifiutato}, CasoLettura{"it", Italiano, "1..234", Rifiutato},
        CasoLettura{"it", Italiano, "1,234.5", Rifiutato}, CasoLettura{"it", Italiano, "1.234,5.6", Rifiutato},
        // Italian: two decimal separators, letters, empty.
        CasoLettura{"it", Italiano, "1,2,3", Rifiutato}, CasoLettura{"it", Italiano, "abc", Rifiutato},
        CasoLettura{"it", Italiano, "3,5 m", Rifiutato}, CasoLettura{"it", Italiano, "2,5m", Rifiutato},
        CasoLettura{"it", Italiano, "1E", Rifiutato}, CasoLettura{"it", Italiano, "-", Rifiutato},
        CasoLettura{"it", Italiano, "inf", Rifiutato}, CasoLettura{"it", Italiano, "", Rifiutato},
        CasoLettura{"it", Italiano, "   ", Rifiutato}, CasoLettura{"it", Italiano, "1E999", Rifiutato},
        // C: the same cases the other way round.
        CasoLettura{"C", LocaleCQt, "2.5", 2.5}, CasoLettura{"C", LocaleCQt, "1,234.5", 1234.5},
        CasoLettura{"C", LocaleCQt, "1234", 1234}, CasoLettura{"C", LocaleCQt, "-.25", -0.25},
        CasoLettura{"C", LocaleCQt, "2,5", Rifiutato}, CasoLettura{"C", LocaleCQt, "1,5", Rifiutato},
        CasoLettura{"C", LocaleCQt, "1.2.3", Rifiutato}, CasoLettura{"C", LocaleCQt, "abc", Rifiutato},
        CasoLettura{"C", LocaleCQt, "", Rifiutato},
        CasoLettura{"C no grouping", LocaleC, "1,234", Rifiutato}, CasoLettura{"C no grouping", LocaleC, "12.5", 12.5},
        // Other conventions: blanks and a quote as grouping.
        CasoLettura{"en", Inglese, "1,250.5", 1250.5}, CasoLettura{"en", Inglese, "1.5", 1.5},
        CasoLettura{"fr", Francese, "12 345,5", 12345.5}, CasoLettura{"fr", Francese, "12\u202F345,5", 12345.5},
        CasoLettura{"fr", Francese, "12\u00A0345,5", 12345.5}, CasoLettura{"fr", Francese, "1 5", Rifiutato},
        CasoLettura{"ch", SvizzeroTedesco, "12\u2019345.5", 12345.5},
        CasoLettura{"ch", SvizzeroTedesco, "1\u20195", Rifiutato}));

TEST(MotivoNonNumero, DiceCosaNonVaConLEsempioNeiSeparatoriInUso) {
    EXPECT_EQ(MotivoNonNumero("5.5", Italiano),
              "\"5.5\" non è un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\").");
    EXPECT_EQ(MotivoNonNumero("2,5", LocaleCQt),
              "\"2,5\" non è un numero: scrivere ad esempio 1,234.5 (separatore decimale \".\").");
    EXPECT_EQ(MotivoNonNumero(" ", Italiano), "manca il valore.");
    EXPECT_EQ(MotivoNonNumero("1E+39", Italiano), "\"1E+39\" è fuori scala.");
    EXPECT_FALSE(SingoloDigitato("1E+39", Italiano).has_value());
    EXPECT_EQ(SingoloDigitato("0,1", Italiano), 0.1f);
    EXPECT_EQ(RifiutoCasella("Altezza parete (m)", "manca il valore."),
              "Dato non valido in \"Altezza parete (m)\": manca il valore.");
}

struct CasoFormato {
    const char* nome;
    Separatori sep;
    double valore;
    const char* atteso;
};

class FormattaValoreTest : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(FormattaValoreTest, QuattroCifreSignificative) {
    const auto& c = GetParam();
    EXPECT_EQ(FormattaValore(c.valore, c.sep), c.atteso) << c.nome << ": " << c.valore;
}

// Hand-rounded to four significant digits (point decimals, comma grouping),
// and the same values in the other conventions.
INSTANTIATE_TEST_SUITE_P(
    Convenzioni, FormattaValoreTest,
    ::testing::Values(
        CasoFormato{"en", Inglese, 123.456, " 123.5"}, CasoFormato{"en", Inglese, 0.5, " 0.5000"},
        CasoFormato{"en", Inglese, 1, " 1.000"}, CasoFormato{"en", Inglese, -2.5, "-2.500"},
        CasoFormato{"en", Inglese, 12345.6, " 12,346"}, CasoFormato{"en", Inglese, 0.001, "0"},
        CasoFormato{"en", Inglese, -0.001, "0"}, CasoFormato{"en", Inglese, 0.0011, " 0.001100"},
        CasoFormato{"en", Inglese, 0, "0"}, CasoFormato{"en", Inglese, 1234567.8, " 1,234,568"},
        CasoFormato{"en", Inglese, 999.96, " 1,000.0"}, CasoFormato{"en", Inglese, -1000, "-1,000"},
        // Halves round away from zero, on the value's decimal form.
        CasoFormato{"en", Inglese, 12.125, " 12.13"}, CasoFormato{"en", Inglese, 0.28505, " 0.2851"},
        CasoFormato{"it", Italiano, 123.456, " 123,5"}, CasoFormato{"it", Italiano, 12345.6, " 12.346"},
        CasoFormato{"it", Italiano, -2.5, "-2,500"},
        CasoFormato{"C", LocaleC, 12345.6, " 12346"}, CasoFormato{"C", LocaleC, 0.5, " 0.5000"},
        CasoFormato{"fr", Francese, 12345.6, " 12\u202F346"}, CasoFormato{"fr", Francese, 0.5, " 0,5000"},
        CasoFormato{"ch", SvizzeroTedesco, 1234567.8, " 1\u2019234\u2019568"},
        CasoFormato{"ch", SvizzeroTedesco, 123.456, " 123.5"}));

TEST(FormattaCifreSignificative, ZeroEValoriMinimiDannoUnoZeroConLoSpazio) {
    EXPECT_EQ(FormattaCifreSignificative(4, 0, nullptr, Inglese), " 0");
    EXPECT_EQ(FormattaCifreSignificative(4, 1e-25, nullptr, Inglese), " 0");
    EXPECT_EQ(FormattaCifreSignificative(4, -1e-25, nullptr, Inglese), " 0");
}

TEST(FormattaCifreSignificative, RestituisceLoSchemaUsato) {
    std::string schema;
    FormattaCifreSignificative(4, 0.5, &schema, Inglese);
    EXPECT_EQ(schema, "#,##0.0000");
    FormattaCifreSignificative(3, 12.34, &schema, Inglese);
    EXPECT_EQ(schema, "#,##0.0");
    FormattaCifreSignificative(4, 12345.6, &schema, Inglese);
    EXPECT_EQ(schema, "#,##0");
}

TEST(FormattaValore, UnValoreNonFinitoNonVieneMaiMostrato) {
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        try {
            FormattaValore(v, Inglese);
            ADD_FAILURE() << "nessun errore per " << v;
        } catch (const ErroreCalcolo& e) {
            EXPECT_STREQ(e.what(), "valore non finito in FormattaValore");
        }
    }
}

TEST(FormattaValore, UsaISeparatoriInstallati) {
    SeparatoriInstallati guardia(Italiano);
    EXPECT_EQ(FormattaValore(1.5), " 1,500");
    EXPECT_EQ(ValLocale("1.234,5"), 1234.5);
}

TEST(TestoRegionale, SetteCifrePerUnFloatQuindiciPerUnDouble) {
    EXPECT_EQ(TestoRegionale(0.1f, Italiano), "0,1");
    EXPECT_EQ(TestoRegionale(1.0f / 3.0f, Inglese), "0.3333333");
    EXPECT_EQ(TestoRegionale(12345.5f, Francese), "12345,5");
    EXPECT_EQ(TestoRegionale(0.00001f, Inglese), "1E-05");
    EXPECT_EQ(TestoRegionale(-0.0f, Inglese), "0");
    EXPECT_EQ(TestoRegionale(1.0 / 3.0, Inglese), "0.333333333333333");
}

TEST(TogliCarattere, TogliePerPosizioneContandoICaratteri) {
    EXPECT_EQ(TogliCarattere("1.234", 2), "1234");
    EXPECT_EQ(TogliCarattere("è1", 1), "1");
    EXPECT_EQ(TogliCarattere("abc", 0), "abc");
    EXPECT_EQ(TogliCarattere("abc", 4), "abc");
}

}  // namespace
}  // namespace tavo
