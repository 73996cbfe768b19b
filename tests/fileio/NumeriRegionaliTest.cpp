// Reading and formatting numbers in the separators of the regional
// conventions: Italian, US English, the C locale (as Qt gives it, and with
// no grouping), French (narrow no-break space) and Swiss German (right
// single quote).

#include "fileio/NumeriRegionali.h"
#include "fileio/Utf8.h"
#include "ports/ErroreCalcolo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <locale>
#include <optional>
#include <random>
#include <regex>
#include <sstream>
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

// An independent reading of what a box accepts: the blanks around the text
// dropped, every other character turned into the class it plays (z the digit
// 0, d another digit, g grouping, p the decimal character, s a sign, e an
// exponent, x anything else), the classes matched against one pattern, and
// the value read by the C++ stream in the C locale from the digits, the
// point, the signs and the exponent; none beyond the range of a double.
std::optional<double> LetturaDiRiferimento(const std::u32string& testo, const Separatori& sep) {
    const auto spazio = [](char32_t c) { return c == U' ' || c == 0x00A0 || c == 0x202F || c == 0x2009; };
    const auto bianco = [&](char32_t c) { return c == U'\t' || spazio(c); };
    const bool raggruppa = sep.migliaia != 0 && sep.migliaia != sep.decimale;
    std::size_t inizio = 0, fine = testo.size();
    while (inizio < fine && bianco(testo[inizio])) ++inizio;
    while (fine > inizio && bianco(testo[fine - 1])) --fine;
    std::string classi, numero;
    for (std::size_t k = inizio; k < fine; ++k) {
        const char32_t c = testo[k];
        if (c >= U'0' && c <= U'9') {
            classi += c == U'0' ? 'z' : 'd';
            numero += static_cast<char>(c);
        } else if (c == sep.decimale) {
            classi += 'p';
            numero += '.';
        } else if (raggruppa && (c == sep.migliaia || (spazio(sep.migliaia) && spazio(c)))) {
            classi += 'g';
        } else if (c == U'+' || c == U'-') {
            classi += 's';
            numero += static_cast<char>(c);
        } else if (c == U'E' || c == U'e') {
            classi += 'e';
            numero += 'e';
        } else {
            classi += 'x';
        }
    }
    // Digits plain, or grouped by three after a first group of one to three
    // not beginning with 0; a decimal part; at least one digit; an exponent.
    static const std::regex forma(
        "s?(([dz]+|d[dz]{0,2}(g[dz]{3})+)(p[dz]*)?|p[dz]+)(es?[dz]+)?");
    if (!std::regex_match(classi, forma)) return std::nullopt;
    std::istringstream in(numero);
    in.imbue(std::locale::classic());
    double v = 0;
    in >> v;
    // Beyond the range of a double either way: too large, or a value not 0
    // that only a subnormal or 0 could stand for.
    const bool nullo = classi.find('d') == std::string::npos ||
                       classi.find('d') > std::min(classi.find('e'), classi.size());
    if (in.fail() || !std::isfinite(v) || (!nullo && std::fabs(v) < std::numeric_limits<double>::min()))
        return std::nullopt;
    return v;
}

// Texts a user may type: half of them built as a number (perhaps grouped,
// perhaps with a decimal part and an exponent) with now and then a wrong
// separator, a misplaced group or a stray character; the others drawn from
// the characters of numbers, blanks and letters at random.
std::u32string TestoACaso(std::mt19937& g, const Separatori& sep) {
    const std::u32string alfabeto = U"0123456789012345.,+-Ee \t\u00A0\u202F\u2019am";
    const auto uno = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(g); };
    const auto cifre = [&](int n, std::u32string& t) {
        for (int k = 0; k < n; ++k) t += static_cast<char32_t>(U'0' + uno(10));
    };
    std::u32string t;
    if (uno(2) == 0) {
        const int n = uno(11);
        for (int k = 0; k < n; ++k) t += alfabeto[static_cast<std::size_t>(uno(static_cast<int>(alfabeto.size())))];
        return t;
    }
    const std::u32string gruppi{sep.migliaia ? sep.migliaia : U',', sep.migliaia ? sep.migliaia : U',', U' ',
                                U'\u00A0', U'.', U','};
    const std::u32string decimali{sep.decimale, sep.decimale, sep.decimale, U'.', U','};
    if (uno(4) == 0) t += U' ';
    if (uno(3) == 0) t += uno(2) ? U'-' : U'+';
    if (uno(2) == 0) {
        cifre(uno(7), t);
    } else {
        t += static_cast<char32_t>(U'0' + (uno(8) == 0 ? 0 : 1 + uno(9)));
        cifre(uno(3), t);
        for (int k = 1 + uno(3); k > 0; --k) {
            t += gruppi[static_cast<std::size_t>(uno(static_cast<int>(gruppi.size())))];
            cifre(uno(6) == 0 ? 2 + 2 * uno(2) : 3, t);
        }
    }
    if (uno(2) == 0) {
        t += decimali[static_cast<std::size_t>(uno(static_cast<int>(decimali.size())))];
        cifre(uno(6), t);
    }
    if (uno(4) == 0) {
        t += uno(2) ? U'E' : U'e';
        const int segno = uno(3);
        if (segno == 1) t += U'+';
        if (segno == 2) t += U'-';
        // Exponents that reach past a float and a double, none below a double.
        cifre(segno == 2 ? uno(3) : uno(4), t);
    }
    if (uno(4) == 0) t += U' ';
    if (uno(8) == 0) {
        const auto dove = static_cast<std::size_t>(uno(static_cast<int>(t.size()) + 1));
        t.insert(dove, 1, alfabeto[static_cast<std::size_t>(uno(static_cast<int>(alfabeto.size())))]);
    }
    return t;
}

TEST(NumeroDigitato, UnaPopolazioneDiTestiLettaComeLaLetturaDiRiferimento) {
    struct Convenzione { const char* nome; Separatori sep; };
    const Convenzione convenzioni[] = {{"it", Italiano},          {"C", LocaleCQt}, {"C no grouping", LocaleC},
                                       {"fr", Francese},          {"ch", SvizzeroTedesco}};
    std::mt19937 g(20240611);
    for (const auto& [nome, sep] : convenzioni) {
        int letti = 0, rifiutati = 0, errori = 0;
        for (int k = 0; k < 20000 && errori < 10; ++k) {
            const std::u32string t = TestoACaso(g, sep);
            std::string utf8;
            for (char32_t c : t) AccodaUtf8(utf8, c);
            const auto atteso = LetturaDiRiferimento(t, sep);
            (atteso ? letti : rifiutati)++;
            std::optional<float> singolo;
            if (atteso && std::fabs(*atteso) <= std::numeric_limits<float>::max())
                singolo = static_cast<float>(*atteso);
            const bool uguali = NumeroDigitato(utf8, sep) == atteso && SingoloDigitato(utf8, sep) == singolo;
            if (!uguali) ++errori;
            EXPECT_TRUE(uguali) << nome << ": \"" << utf8 << "\" atteso "
                                << (atteso ? std::to_string(*atteso) : std::string("rifiutato"));
        }
        // The population reaches both sides of the grammar.
        EXPECT_GT(letti, 2000) << nome;
        EXPECT_GT(rifiutati, 2000) << nome;
    }
}

TEST(MotivoNonNumero, DiceCosaNonVaConLEsempioNeiSeparatoriInUso) {
    EXPECT_EQ(MotivoNonNumero("5.5", Italiano),
              "\"5.5\" non è un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\").");
    EXPECT_EQ(MotivoNonNumero("2,5", LocaleCQt),
              "\"2,5\" non è un numero: scrivere ad esempio 1,234.5 (separatore decimale \".\").");
    EXPECT_EQ(MotivoNonNumero(" ", Italiano), "manca il valore.");
    // Blanks the reader drops around a number leave no value either.
    EXPECT_EQ(MotivoNonNumero("\u00A0\t\u202F", Francese), "manca il valore.");
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
