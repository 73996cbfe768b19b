#include "seismic/AzioneSismica.h"

#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>
#include <string>

namespace tavo {
namespace {

constexpr const char* MessaggioAgOltre04 =
    "Valore di ag>0,4 nel calcolo di BetaS (non previsto nella Tabella 7.11.I)";

// A site table, periods 30, 50, 72, 101, 140, 201, 475, 975, 2475.
NTC SitoDiProva() {
    NTC s;
    s.AgTR = {0.04f, 0.05f, 0.06f, 0.08f, 0.09f, 0.10f, 0.25f, 0.32f, 0.45f};
    s.F0TR = {2.05f, 2.10f, 2.15f, 2.30f, 2.35f, 2.40f, 2.40f, 2.50f, 2.60f};
    s.TcTR = {0.24f, 0.25f, 0.26f, 0.28f, 0.29f, 0.30f, 0.35f, 0.38f, 0.42f};
    s.CategoriaSuolo = 3;
    s.CategoriaTopografica = 1;
    return s;
}

// Every float the chain writes, for the "no NaN leaves" checks.
void AttendeFiniti(const NTC& s) {
    for (float v : {s.ag, s.F0, s.TcStar, s.Ss, s.Cc, s.St, s.CoefAmplificazione, s.Amax, s.BetaM,
                    s.KhNTC, s.KvNTC})
        EXPECT_TRUE(std::isfinite(v));
}

// ---------------------------------------------------------------- TR

struct CasoPeriodo {
    float VR;
    std::int16_t stato;
    float periodo;       // -VR / ln(1 - P), NTC 2008 (C.3.2.1)
    std::int16_t TR;     // after rounding and the clamp to 30..2475
};
void PrintTo(const CasoPeriodo& c, std::ostream* os) { *os << "VR " << c.VR << " stato " << c.stato; }

class PeriodoRitorno : public ::testing::TestWithParam<CasoPeriodo> {};

TEST_P(PeriodoRitorno, FromReferencePeriodAndLimitState) {
    test::RecordingMessagePort porta;
    const CasoPeriodo c = GetParam();
    EXPECT_NEAR(CalcolaPeriodoRitorno(c.VR, c.stato), c.periodo, 1e-5 * c.periodo + 1e-6);
    NTC s = SitoDiProva();
    s.VR = c.VR;
    s.StatoLimite = c.stato;
    CalcolaAzioneSismica(s);
    EXPECT_EQ(s.TR, c.TR);
}

// TR = -VR / ln(1 - P), P = 0.81, 0.63, 0.10, 0.05 for SLO, SLD, SLV, SLC.
INSTANTIATE_TEST_SUITE_P(
    QuattroStatiLimite, PeriodoRitorno,
    ::testing::Values(CasoPeriodo{50, SLO, 30.10722f, 30},  // -50/ln 0.19
                      CasoPeriodo{50, SLD, 50.28905f, 50},  // -50/ln 0.37
                      CasoPeriodo{50, SLV, 474.5611f, 475}, // -50/ln 0.90
                      CasoPeriodo{50, SLC, 974.7863f, 975}, // -50/ln 0.95
                      CasoPeriodo{100, SLO, 60.21444f, 60},
                      CasoPeriodo{100, SLD, 100.5781f, 101},
                      CasoPeriodo{100, SLV, 949.1222f, 949},
                      CasoPeriodo{100, SLC, 1949.573f, 1950},
                      CasoPeriodo{200, SLC, 3899.145f, 2475},  // beyond the table: clamped
                      CasoPeriodo{0, SLV, 0.0f, 30},           // VR = 0: clamped up
                      CasoPeriodo{50, 0, 0.0f, 30},            // no limit state
                      // 194957 years do not fit a 16-bit period: saturated, then clamped
                      CasoPeriodo{10000, SLC, 194957.3f, 2475}));

TEST(PeriodoRitorno, AHalfYearGoesToTheEvenNeighbour) {
    // Reference periods chosen so that -VR / ln(1 - P) is a half exactly in Single.
    test::RecordingMessagePort porta;
    struct Caso { float VR; std::int16_t stato; float periodo; std::int16_t TR; };
    for (const Caso c : {Caso{10.588735f, SLV, 100.5f, 100}, Caso{10.694095f, SLV, 101.5f, 102},
                         Caso{102.13497f, SLO, 61.5f, 62}, Caso{15.413638f, SLC, 300.5f, 300}}) {
        ASSERT_EQ(CalcolaPeriodoRitorno(c.VR, c.stato), c.periodo);
        NTC s = SitoDiProva();
        s.VR = c.VR;
        s.StatoLimite = c.stato;
        CalcolaAzioneSismica(s);
        EXPECT_EQ(s.TR, c.TR) << c.periodo;
    }
}

TEST(PeriodoRitorno, ProbabilityAndNameOfEveryLimitState) {
    NTC s;
    const char* nomi[] = {"", "SLO", "SLD", "SLV", "SLC", ""};
    const float p[] = {0.0f, 0.81f, 0.63f, 0.10f, 0.05f, 0.0f};
    for (std::int16_t k = 0; k <= 5; ++k) {
        s.StatoLimite = k;
        EXPECT_EQ(NomeStatoLimite(s), nomi[k]);
        EXPECT_EQ(ProbabilitaSuperamento(k), p[k]);
    }
}

TEST(PeriodoRitorno, LimitStateOutOfRangeIsAnErrorAndLeavesTheStateAlone) {
    // P = 0 there: -VR / ln 1 would divide by zero.
    for (std::int16_t k : {std::int16_t{5}, std::int16_t{-1}}) {
        NTC s = SitoDiProva();
        s.VR = 50;
        s.StatoLimite = k;
        s.KhNTC = 0.1234f;
        try {
            CalcolaAzioneSismica(s);
            ADD_FAILURE() << "no error for limit state " << k;
        } catch (const ErroreCalcolo& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Errore in CalcolaPeriodoRitorno: stato limite " + std::to_string(k) + " non previsto");
        }
        EXPECT_EQ(s.TR, 0);
        EXPECT_EQ(s.KhNTC, 0.1234f);
    }
}

TEST(PeriodoRitorno, NonFiniteReferencePeriodIsAnError) {
    NTC s = SitoDiProva();
    s.StatoLimite = SLV;
    for (float vr : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        s.VR = vr;
        try {
            CalcolaAzioneSismica(s);
            ADD_FAILURE() << "no error for VR " << vr;
        } catch (const ErroreCalcolo& e) {
            EXPECT_EQ(std::string(e.what()), "valore non finito in CalcolaPeriodoRitorno");
        }
    }
}

// ---------------------------------------------------------------- interpolation

TEST(Interpolazione, LogLogBetweenReturnPeriods) {
    // y = 10^(log y1 + log(y2/y1)·log(TR/TR1)/log(TR2/TR1)), NTC 2008 (All. A, [5]).
    // Between 50 and 72, TR = 60: log(1.2)/log(1.44) = 1/2, so y = sqrt(y1·y2).
    EXPECT_NEAR(InterpolaLogLog(0.05f, 0.06f, 60, 50, 72), 0.05477226f, 1e-7);
    // Between 475 and 975, TR = 949: 0.2·1.5^(log(949/475)/log(975/475)) = 0.2954628.
    EXPECT_NEAR(InterpolaLogLog(0.2f, 0.3f, 949, 475, 975), 0.2954628f, 1e-6);
    // At either end the tabulated values themselves.
    EXPECT_EQ(InterpolaLogLog(0.2f, 0.3f, 475, 475, 975), 0.2f);
    EXPECT_EQ(InterpolaLogLog(0.2f, 0.3f, 975, 475, 975), 0.3f);
    // Also for values whose ratio is not exact in Single (ag, F0, Tc* from 201 to 475).
    EXPECT_EQ(InterpolaLogLog(0.140f, 0.180f, 475, 201, 475), 0.180f);
    EXPECT_EQ(InterpolaLogLog(2.30f, 2.45f, 475, 201, 475), 2.45f);
    EXPECT_EQ(InterpolaLogLog(0.35f, 0.38f, 475, 201, 475), 0.38f);
    // y1 = 0 gives 0; y2 = 0 meets the floor of the logarithm, not a log of 0.
    EXPECT_EQ(InterpolaLogLog(0.0f, 0.3f, 700, 475, 975), 0.0f);
    const float versoZero = InterpolaLogLog(0.2f, 0.0f, 700, 475, 975);
    EXPECT_TRUE(std::isfinite(versoZero));
    EXPECT_LT(versoZero, 0.2f);
}

TEST(Interpolazione, SiteParametersAtTheReturnPeriodWithTheFloorOnF0) {
    test::RecordingMessagePort porta;
    NTC s = SitoDiProva();
    s.VR = 100;
    s.StatoLimite = SLO;  // TR = 60, halfway in log between 50 and 72
    // The display hook runs once, with ag, F0 and Tc* at TR already known.
    int chiamate = 0;
    float agVisto = 0;
    CalcolaAzioneSismica(s, [&](const NTC& visto) {
        ++chiamate;
        EXPECT_EQ(visto.TR, 60);
        agVisto = visto.ag;
    });
    EXPECT_EQ(chiamate, 1);
    EXPECT_EQ(agVisto, s.ag);
    EXPECT_NEAR(s.ag, std::sqrt(0.05 * 0.06), 1e-7);
    EXPECT_NEAR(s.TcStar, std::sqrt(0.25 * 0.26), 1e-7);
    EXPECT_EQ(s.F0, 2.2f);  // sqrt(2.10·2.15) = 2.1249, below the floor
}

TEST(Interpolazione, TabulatedPeriodsAndClampsTakeTheTabulatedValues) {
    test::RecordingMessagePort porta;
    struct Caso { float VR; std::int16_t stato; std::size_t riga; };
    // VR 50 SLV -> 475; VR 200 SLC -> 3899, clamped to 2475; VR 0 -> 0, clamped to 30.
    for (const Caso c : {Caso{50, SLV, 6}, Caso{200, SLC, 8}, Caso{0, SLV, 0}}) {
        NTC s = SitoDiProva();
        s.VR = c.VR;
        s.StatoLimite = c.stato;
        CalcolaAzioneSismica(s);
        EXPECT_EQ(s.TR, PeriodiRitornoTabellati[c.riga]);
        EXPECT_EQ(s.ag, s.AgTR[c.riga]);
        EXPECT_EQ(s.F0, std::max(s.F0TR[c.riga], 2.2f));
        EXPECT_EQ(s.TcStar, s.TcTR[c.riga]);
    }
}

TEST(Interpolazione, ZeroTableOfASiteOutsideTheGridGivesZeroCoefficients) {
    test::RecordingMessagePort porta;
    NTC s;
    s.VR = 50;
    s.StatoLimite = SLV;
    s.CategoriaSuolo = 2;
    s.CategoriaTopografica = 1;
    s.Cc = 1.5f;  // stays: CC is undefined at Tc* = 0
    CalcolaAzioneSismica(s);
    EXPECT_EQ(s.ag, 0.0f);
    EXPECT_EQ(s.TcStar, 0.0f);
    EXPECT_EQ(s.F0, 2.2f);
    EXPECT_EQ(s.Ss, 1.2f);  // 1.40 clamped to 1.20
    EXPECT_EQ(s.Cc, 1.5f);
    EXPECT_EQ(s.KhNTC, 0.0f);
    EXPECT_EQ(s.KvNTC, 0.0f);
    AttendeFiniti(s);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(Interpolazione, OverflowingTableIsAnErrorAndLeavesTheStateAlone) {
    test::RecordingMessagePort porta;
    NTC s = SitoDiProva();
    s.VR = 50;
    s.StatoLimite = SLV;
    s.AgTR[5] = 2e38f;
    s.AgTR[6] = 3e38f;  // ag is still a Single, amax = S·ag is not
    s.CategoriaSuolo = 1;
    s.CategoriaTopografica = 4;
    s.hSuH = 1;
    try {
        CalcolaAzioneSismica(s);
        ADD_FAILURE() << "no error";
    } catch (const ErroreCalcolo& e) {
        EXPECT_EQ(std::string(e.what()), "valore non finito in CalcolaAzioneSismica");
    }
    EXPECT_EQ(s.TR, 0);
    EXPECT_EQ(s.Amax, 0.0f);

    s.AgTR[6] = std::numeric_limits<float>::quiet_NaN();
    try {
        CalcolaAzioneSismica(s);
        ADD_FAILURE() << "no error";
    } catch (const ErroreCalcolo& e) {
        EXPECT_EQ(std::string(e.what()), "valore non finito in InterpolaLogLog");
    }
    EXPECT_EQ(s.ag, 0.0f);
}

// ---------------------------------------------------------------- soil

struct CasoSuolo {
    std::int16_t categoria;
    float F0, ag, Tc;
    float Ss, Cc;
};
void PrintTo(const CasoSuolo& c, std::ostream* os) { *os << "suolo " << c.categoria << " ag " << c.ag; }

class FattoriSuolo : public ::testing::TestWithParam<CasoSuolo> {};

TEST_P(FattoriSuolo, StratigraphicFactorAndCc) {
    const CasoSuolo c = GetParam();
    NTC s;
    s.CategoriaSuolo = c.categoria;
    s.F0 = c.F0;
    s.ag = c.ag;
    s.TcStar = c.Tc;
    CalcolaSsCc(s);
    EXPECT_NEAR(s.Ss, c.Ss, 1e-6);
    EXPECT_NEAR(s.Cc, c.Cc, 1e-5);
}

// NTC 2008 Tab. 3.2.V, with F0 = 2.5 and Tc* = 0.3 s:
// B SS = 1.40 - 0.40·F0·ag in 1.00..1.20, CC = 1.10·Tc*^-0.20 = 1.399486
// C SS = 1.70 - 0.60·F0·ag in 1.00..1.50, CC = 1.05·Tc*^-0.33 = 1.562210
// D SS = 2.40 - 1.50·F0·ag in 0.90..1.80, CC = 1.25·Tc*^-0.50 = 2.282177
// E SS = 2.00 - 1.10·F0·ag in 1.00..1.60, CC = 1.15·Tc*^-0.40 = 1.861441
INSTANTIATE_TEST_SUITE_P(
    Categorie, FattoriSuolo,
    ::testing::Values(CasoSuolo{1, 2.5f, 0.3f, 0.3f, 1.0f, 1.0f},
                      CasoSuolo{2, 2.5f, 0.1f, 0.3f, 1.20f, 1.399486f},  // 1.30, upper clamp
                      CasoSuolo{2, 2.5f, 0.3f, 0.3f, 1.10f, 1.399486f},
                      CasoSuolo{2, 2.5f, 0.5f, 0.3f, 1.00f, 1.399486f},  // 0.90, lower clamp
                      CasoSuolo{3, 2.5f, 0.1f, 0.3f, 1.50f, 1.562210f},  // 1.55
                      CasoSuolo{3, 2.5f, 0.2f, 0.3f, 1.40f, 1.562210f},
                      CasoSuolo{3, 2.5f, 0.5f, 0.3f, 1.00f, 1.562210f},  // 0.95
                      CasoSuolo{4, 2.5f, 0.1f, 0.3f, 1.80f, 2.282177f},  // 2.025
                      CasoSuolo{4, 2.5f, 0.2f, 0.3f, 1.65f, 2.282177f},
                      CasoSuolo{4, 2.5f, 0.5f, 0.3f, 0.90f, 2.282177f},  // 0.525
                      CasoSuolo{5, 2.5f, 0.1f, 0.3f, 1.60f, 1.861441f},  // 1.725
                      CasoSuolo{5, 2.5f, 0.2f, 0.3f, 1.45f, 1.861441f},
                      CasoSuolo{5, 2.5f, 0.5f, 0.3f, 1.00f, 1.861441f}));  // 0.625

TEST(FattoriSuolo, SsIsTheSingleNearestToItsFormula) {
    // NTC 2008 Tab. 3.2.V by hand; F0·ag must not be rounded to a Single on the
    // way, which would store SS one step off in both cases.
    struct Caso { std::int16_t categoria; float F0, ag, Ss; };
    for (const Caso c : {Caso{5, 2.2f, 0.2f, 1.516f},      // E: 2.00 - 1.10·2.2·0.2
                         Caso{3, 2.2f, 0.183f, 1.45844f}}) {  // C: 1.70 - 0.60·2.2·0.183
        NTC s;
        s.CategoriaSuolo = c.categoria;
        s.F0 = c.F0;
        s.ag = c.ag;
        s.TcStar = 0.3f;
        CalcolaSsCc(s);
        EXPECT_EQ(s.Ss, c.Ss) << "suolo " << c.categoria << " ag " << c.ag;
    }
}

TEST(FattoriSuolo, NoCategoryOrNoTcStarKeepsWhatCannotBeComputed) {
    NTC s;
    s.Ss = 7;
    s.Cc = 8;
    s.F0 = 2.5f;
    s.ag = 0.2f;
    for (std::int16_t k : {std::int16_t{0}, std::int16_t{6}}) {
        s.CategoriaSuolo = k;
        CalcolaSsCc(s);
        EXPECT_EQ(s.Ss, 7.0f);
        EXPECT_EQ(s.Cc, 8.0f);
    }
    s.CategoriaSuolo = 4;
    for (float tc : {0.0f, -0.3f}) {
        s.TcStar = tc;
        CalcolaSsCc(s);
        EXPECT_NEAR(s.Ss, 1.65f, 1e-6);  // stored before CC
        EXPECT_EQ(s.Cc, 8.0f);
    }
}

TEST(FattoriSuolo, ClampOfAValue) {
    float v = 0.5f;
    LimitaValore(v, 1.0f, 1.2f);
    EXPECT_EQ(v, 1.0f);
    v = 1.3f;
    LimitaValore(v, 1.0f, 1.2f);
    EXPECT_EQ(v, 1.2f);
    v = 1.1f;
    LimitaValore(v, 1.0f, 1.2f);
    EXPECT_EQ(v, 1.1f);
}

// ---------------------------------------------------------------- topography

TEST(FattoreTopografico, ByCategoryAndHeightRatio) {
    // NTC 2008 Tab. 3.2.VI with the linear variation on h/H: T1 1, T2 and T3 1 + 0.2·h/H, T4 1 + 0.4·h/H.
    struct Caso { std::int16_t categoria; float hSuH; float St; };
    for (const Caso c : {Caso{1, 1.0f, 1.0f}, Caso{2, 1.0f, 1.2f}, Caso{3, 0.5f, 1.1f},
                         Caso{4, 0.5f, 1.2f}, Caso{4, 1.0f, 1.4f}, Caso{2, 0.0f, 1.0f},
                         Caso{0, 1.0f, 9.0f}, Caso{5, 1.0f, 9.0f}}) {
        NTC s;
        s.St = 9;  // kept by a category outside 1..4
        s.CategoriaTopografica = c.categoria;
        s.hSuH = c.hSuH;
        CalcolaSt(s);
        EXPECT_NEAR(s.St, c.St, 1e-6) << "T" << c.categoria << " h/H " << c.hSuH;
    }
}

// ---------------------------------------------------------------- beta_m

struct CasoBeta {
    std::int16_t suolo;
    float ag;
    float beta;
    bool messaggio;
};
void PrintTo(const CasoBeta& c, std::ostream* os) {
    *os << "suolo " << c.suolo << " ag " << std::setprecision(9) << c.ag;
}

class ReduzioneBetaM : public ::testing::TestWithParam<CasoBeta> {};

TEST_P(ReduzioneBetaM, BandsOfAgWithTheirUpperEdgeIncluded) {
    test::RecordingMessagePort porta;
    const CasoBeta c = GetParam();
    NTC s;
    s.CategoriaSuolo = c.suolo;
    s.ag = c.ag;
    CalcolaBetaM(s);
    EXPECT_EQ(s.BetaM, c.beta);
    if (c.messaggio) {
        ASSERT_EQ(porta.conta(), 1u);
        EXPECT_EQ(porta.registrati()[0].testo, MessaggioAgOltre04);
        EXPECT_FALSE(porta.registrati()[0].domanda);  // OK only, no icon, the program's title
        EXPECT_EQ(porta.registrati()[0].icona, Icona::Nessuna);
        EXPECT_TRUE(porta.registrati()[0].titolo.empty());
    } else {
        EXPECT_EQ(porta.conta(), 0u);
    }
}

float SopraA(float x) { return std::nextafter(x, 1.0f); }

// NTC 2008 Tab. 7.11.II: soil A 0.20 / 0.29 / 0.31, soils B..E 0.18 / 0.24 / 0.31
// for ag <= 0.1, 0.1 < ag <= 0.2, 0.2 < ag <= 0.4.
INSTANTIATE_TEST_SUITE_P(
    Bande, ReduzioneBetaM,
    ::testing::Values(CasoBeta{1, 0.0f, 0.20f, false}, CasoBeta{1, 0.1f, 0.20f, false},
                      CasoBeta{1, SopraA(0.1f), 0.29f, false}, CasoBeta{1, 0.15f, 0.29f, false},
                      CasoBeta{1, 0.2f, 0.29f, false}, CasoBeta{1, SopraA(0.2f), 0.31f, false},
                      CasoBeta{1, 0.4f, 0.31f, false}, CasoBeta{1, SopraA(0.4f), 0.31f, true},
                      CasoBeta{3, 0.1f, 0.18f, false}, CasoBeta{3, SopraA(0.1f), 0.24f, false},
                      CasoBeta{3, 0.15f, 0.24f, false}, CasoBeta{3, 0.2f, 0.24f, false},
                      CasoBeta{3, SopraA(0.2f), 0.31f, false}, CasoBeta{5, 0.4f, 0.31f, false},
                      CasoBeta{5, 0.6f, 0.31f, true},
                      CasoBeta{0, 0.05f, 0.18f, false}));  // no soil chosen counts as not A

// ---------------------------------------------------------------- kh, kv

TEST(CoefficientiSismici, WholeChainOnTabulatedPeriod) {
    test::RecordingMessagePort porta;
    NTC s = SitoDiProva();
    s.VR = 50;
    s.StatoLimite = SLV;  // TR = 475: ag 0.25, F0 2.40, Tc* 0.35
    s.CategoriaSuolo = 3;
    s.CategoriaTopografica = 2;
    s.hSuH = 0.5f;
    CalcolaAzioneSismica(s);
    // By hand: SS = 1.70 - 0.60·2.40·0.25 = 1.34; CC = 1.05·0.35^-0.33 = 1.484728;
    // ST = 1 + 0.2·0.5 = 1.1; S = 1.474; amax = 0.3685; beta_m = 0.31 (0.2 < ag <= 0.4);
    // kh = beta_m·amax = 0.114235 (NTC 2008 [7.11.6]); kv = kh/2 = 0.0571175 ([7.11.7]).
    EXPECT_NEAR(s.Ss, 1.34f, 1e-6);
    EXPECT_NEAR(s.Cc, 1.484728f, 1e-5);
    EXPECT_NEAR(s.St, 1.1f, 1e-6);
    EXPECT_NEAR(s.CoefAmplificazione, 1.474f, 1e-6);
    EXPECT_NEAR(s.Amax, 0.3685f, 1e-6);
    EXPECT_EQ(s.BetaM, 0.31f);
    EXPECT_NEAR(s.KhNTC, 0.114235f, 1e-6);
    EXPECT_NEAR(s.KvNTC, 0.0571175f, 1e-6);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(CoefficientiSismici, WholeChainBetweenTabulatedPeriods) {
    test::RecordingMessagePort porta;
    NTC s = SitoDiProva();
    s.VR = 100;
    s.StatoLimite = SLO;  // TR = 60
    s.CategoriaSuolo = 1;
    s.CategoriaTopografica = 4;
    s.hSuH = 0.5f;
    CalcolaAzioneSismica(s);
    // By hand: ag = sqrt(0.05·0.06) = 0.05477226; soil A: SS = CC = 1; ST = 1 + 0.4·0.5 = 1.2;
    // amax = 1.2·ag = 0.06572671; beta_m = 0.20 (ag <= 0.1); kh = 0.01314534; kv = 0.006572671.
    EXPECT_EQ(s.Ss, 1.0f);
    EXPECT_EQ(s.Cc, 1.0f);
    EXPECT_NEAR(s.Amax, 0.06572671f, 1e-7);
    EXPECT_EQ(s.BetaM, 0.20f);
    EXPECT_NEAR(s.KhNTC, 0.01314534f, 1e-7);
    EXPECT_NEAR(s.KvNTC, 0.006572671f, 1e-8);
}

TEST(CoefficientiSismici, AgAbove04WarnsOncePerRunAndGoesOn) {
    test::RecordingMessagePort porta;
    NTC s = SitoDiProva();
    s.VR = 200;
    s.StatoLimite = SLC;  // TR 2475: ag 0.45
    CalcolaAzioneSismica(s);
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.registrati()[0].testo, MessaggioAgOltre04);
    EXPECT_EQ(s.BetaM, 0.31f);
    EXPECT_GT(s.KhNTC, 0.0f);
}

TEST(CoefficientiSismici, NoChoiceYetGivesZerosAndTheBetaOfNotA) {
    // A new project: nothing chosen, VR 0, zero table.
    test::RecordingMessagePort porta;
    NTC s;
    CalcolaAzioneSismica(s);
    EXPECT_EQ(s.TR, 30);
    EXPECT_EQ(s.Ss, 0.0f);
    EXPECT_EQ(s.St, 0.0f);
    EXPECT_EQ(s.Amax, 0.0f);
    EXPECT_EQ(s.BetaM, 0.18f);
    EXPECT_EQ(s.KhNTC, 0.0f);
    EXPECT_EQ(FormatoNTC(s.BetaM), "0.1800");
    AttendeFiniti(s);
}

// ---------------------------------------------------------------- spectrum, format

TEST(PeriodiSpettro, CornerPeriods) {
    NTC s;
    s.Cc = 1.5f;
    s.TcStar = 0.3f;
    s.ag = 0.25f;
    float TB = 0, TC = 0, TD = 0;
    PeriodiSpettro(s, TB, TC, TD);
    // NTC 2008 [3.2.7]-[3.2.9]: TC = CC·Tc* = 0.45, TB = TC/3 = 0.15, TD = 4·ag + 1.6 = 2.6.
    EXPECT_NEAR(TC, 0.45f, 1e-6);
    EXPECT_NEAR(TB, 0.15f, 1e-6);
    EXPECT_NEAR(TD, 2.6f, 1e-6);
}

TEST(FormatoNTC, FourDecimalsRoundedHalfAwayFromZero) {
    struct Caso { float v; char sep; const char* testo; };
    for (const Caso c : {Caso{0.0f, '.', "0.0000"}, Caso{0.114235f, '.', "0.1142"},
                         Caso{0.06075f, '.', "0.0608"}, Caso{0.00005f, '.', "0.0001"},
                         Caso{0.00004999f, '.', "0.0000"}, Caso{1.5f, ',', "1,5000"},
                         Caso{0.99996f, '.', "1.0000"}, Caso{123.45678f, '.', "123.4568"},
                         Caso{-0.12346f, '.', "-0.1235"}, Caso{-0.00001f, '.', "0.0000"},
                         Caso{2475.0f, ',', "2475,0000"}})
        EXPECT_EQ(FormatoNTC(c.v, c.sep), c.testo) << c.v;
    try {
        FormatoNTC(std::numeric_limits<float>::quiet_NaN());
        ADD_FAILURE() << "no error";
    } catch (const ErroreCalcolo& e) {
        EXPECT_EQ(std::string(e.what()), "valore non finito in FormatoNTC");
    }
}

}  // namespace
}  // namespace tavo
