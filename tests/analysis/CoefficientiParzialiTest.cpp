#include "analysis/CoefficientiParziali.h"

#include "ports/ErroreCalcolo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavo {
namespace {

constexpr double Pi = 3.14159265358979;
double Gradi(double r) { return r * 180 / Pi; }

TEST(CoefficientiParziali, DefaultTablesEntryByEntry) {
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    // The static entries as the settings file lists them, 1..28.
    const float statici[28] = {1.25f, 1.25f, 1.25f, 1.25f, 1.1f, 1.1f, 1,    1,   0.9f, 0.9f,
                               1,     1,     0.9f,  0.9f,  1,    1,    1.5f, 1.5f, 1.3f, 1.3f,
                               0.9f,  0.9f,  1,     1,     1.5f, 1.5f, 1.3f, 1.3f};
    for (int e = 1; e <= 28; ++e) {
        EXPECT_EQ(v.CoefParzStatici(e), statici[e - 1]) << "entry " << e;
        EXPECT_EQ(v.CoefParzSismici(e), e <= 4 ? 1.25f : 1.0f) << "entry " << e;
    }
}

// Each check reads its own column, and the seismic table exactly while a
// seismic combination is computed.
TEST(CoefficientiParziali, EachCheckLoadsItsColumnOfTheTableInForce) {
    VariabiliPubbliche v;
    v.AngoloAttritoInterno = 30;
    for (int e = 1; e <= 28; ++e) {
        v.CoefParzStatici(e) = 1 + e / 100.0f;
        v.CoefParzSismici(e) = 2 + e / 100.0f;
    }
    for (bool sismica : {false, true}) {
        v.CombinazioneSismica = sismica;
        for (Verifica c : {Verifica::Parete, Verifica::Ribaltamento, Verifica::Scorrimento,
                           Verifica::Portata}) {
            ImpostaCoefficientiParziali(v, c);
            const int col = static_cast<int>(c);
            const float base = sismica ? 2.0f : 1.0f;
            const float caricati[7] = {v.GammaPhi,        v.GammaCuneo, v.GammaZavorra,
                                     v.GammaPesoProprio, v.GammaSovraccarico, v.GammaNi,
                                     v.GammaVi};
            for (int k = 1; k <= 7; ++k)
                EXPECT_EQ(caricati[k - 1], base + (4 * (k - 1) + col) / 100.0f)
                    << "row " << k << " column " << col << " seismic " << sismica;
        }
    }
}

// NTC 2008 formula: φd = atan(tan φ′ / γφ) = atan(tan 30° / 1.25) = 24.791°.
TEST(CoefficientiParziali, DesignFrictionAngleWithTheDefaultTables) {
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    v.AngoloAttritoInterno = 30;
    for (bool sismica : {false, true}) {
        v.CombinazioneSismica = sismica;
        for (Verifica c : {Verifica::Parete, Verifica::Ribaltamento, Verifica::Scorrimento,
                           Verifica::Portata}) {
            ImpostaCoefficientiParziali(v, c);
            EXPECT_NEAR(v.PhiProgetto, Gradi(std::atan(std::tan(30 * Pi / 180) / 1.25)), 1e-4);
            EXPECT_NEAR(v.PhiProgetto, 24.791, 1e-3);
        }
    }
}

TEST(CoefficientiParziali, DM1996UsesFactorsOneAndPhiItselfWhateverTheTables) {
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    v.Normativa = NormativaDM1996;
    v.AngoloAttritoInterno = 32;
    v.CombinazioneSismica = true;
    ImpostaCoefficientiParziali(v, Verifica::Ribaltamento);
    for (float g : {v.GammaPhi, v.GammaCuneo, v.GammaZavorra, v.GammaPesoProprio,
                    v.GammaSovraccarico, v.GammaNi, v.GammaVi})
        EXPECT_EQ(g, 1.0f);
    EXPECT_EQ(v.PhiProgetto, 32.0f);
    v.GammaPhi = 2;  // not consulted under DM 1996
    EXPECT_EQ(AngoloAttritoProgetto(v, 28), 28.0f);
}

// DM 1996: kh = (S − 2)/100, never negative; ψ = atan(kh), (1 + kv) never applied.
TEST(CoefficientiParziali, DM1996SeismicCoefficientFromTheGrade) {
    VariabiliPubbliche v;
    NTC s;
    s.KhNTC = 0.3f;
    s.KvNTC = 0.15f;
    v.Normativa = NormativaDM1996;
    struct Caso { float S, kh, psi; } casi[] = {{0, 0, 0}, {2, 0, 0}, {9, 0.07f, 4.00417f}, {12, 0.1f, 5.71059f}};
    for (const Caso& c : casi) {
        v.GradoSismicita = c.S;
        v.CombinazioneSismica = false;  // not consulted
        v.Kh = KhCombinazione(v, s);
        EXPECT_NEAR(v.Kh, c.kh, 1e-7) << "S = " << c.S;
        EXPECT_NEAR(AngoloTheta(v, s), c.psi, 1e-4) << "S = " << c.S;
        EXPECT_EQ(PesoConKv(v, s, 100, AngoloTheta(v, s)), 100.0f);
    }
}

TEST(CoefficientiParziali, NTC2008StaticCombinationHasNoSeismicAction) {
    VariabiliPubbliche v;
    NTC s;
    s.KhNTC = 0.2f;
    s.KvNTC = 0.1f;
    v.CombinazioneSismica = false;
    v.Kh = KhCombinazione(v, s);
    EXPECT_EQ(v.Kh, 0.0f);
    EXPECT_EQ(AngoloTheta(v, s), 0.0f);
    EXPECT_EQ(PesoConKv(v, s, 100, AngoloTheta(v, s)), 100.0f);
}

// ψ = atan(kh / (1 ± |kv|)); the weights carry (1 ± |kv|): kh = 0.2, kv = 0.1.
TEST(CoefficientiParziali, NTC2008SeismicCombinationsWithBothSignsOfKv) {
    VariabiliPubbliche v;
    NTC s;
    s.KhNTC = 0.2f;
    v.CombinazioneSismica = true;
    v.Kh = KhCombinazione(v, s);
    EXPECT_EQ(v.Kh, 0.2f);
    for (float kv : {0.1f, -0.1f}) {
        s.KvNTC = kv;
        const float psi = AngoloTheta(v, s);
        EXPECT_NEAR(psi, Gradi(std::atan(0.2 / (1 + kv))), 1e-4) << "kv " << kv;
        EXPECT_NEAR(PesoConKv(v, s, 100, psi), 100 * (1 + kv), 1e-4) << "kv " << kv;
    }
    EXPECT_EQ(PesoConKv(v, s, 100, 0), 100.0f);  // ψ = 0: no factor
}

TEST(CoefficientiParziali, ZeroDivisorsStopTheCalculation) {
    VariabiliPubbliche v;
    NTC s;
    v.AngoloAttritoInterno = 30;
    v.GammaPhi = 0;
    try {
        AngoloAttritoProgetto(v, 30);
        FAIL();
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Divisione per zero in AngoloAttritoProgetto");
    }
    v.CombinazioneSismica = true;
    v.Kh = 0.1f;
    s.KvNTC = -1;
    try {
        AngoloTheta(v, s);
        FAIL();
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Divisione per zero in AngoloTheta: 1 + kv = 0");
    }
}

// Every box of both pages set to 0 in turn: only the factors of the
// surcharge (row 5) and of the deck's horizontal action (row 7) may be 0;
// every other is refused by its page, row and column, and nothing changes.
TEST(LeggeCoefficientiDaForm, SoloSovraccaricoEAzioneOrizzontalePossonoEssereZero) {
    const Separatori italiano{U',', U'.'};
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    const VariabiliPubbliche prima = v;
    for (std::size_t p = 0; p < 2; ++p) {
        for (int i = 1; i <= 28; ++i) {
            TestiCoefficienti testi;
            for (auto& pagina : testi) pagina.fill("1,1");
            testi[p][static_cast<std::size_t>(i - 1)] = "0";
            VariabiliPubbliche letto = prima;
            const std::string rifiuto = LeggeCoefficientiDaForm(testi, letto, italiano);
            const int riga = (i - 1) / 4 + 1;
            if (riga == 5 || riga == 7) {
                EXPECT_EQ(rifiuto, "") << p << " " << i;
                EXPECT_EQ((p == 0 ? letto.CoefParzStatici : letto.CoefParzSismici)(i), 0.f);
                EXPECT_EQ((p == 0 ? letto.CoefParzSismici : letto.CoefParzStatici)(i), 1.1f);
            } else {
                EXPECT_EQ(rifiuto, std::string("Dato non valido in \"") + PagineCoefficienti[p] + ", " +
                                       RigheCoefficienti[static_cast<std::size_t>(riga - 1)] + ", " +
                                       ColonneCoefficienti[static_cast<std::size_t>((i - 1) % 4)] +
                                       "\": deve essere maggiore di zero.");
                EXPECT_EQ(letto.CoefParzStatici, prima.CoefParzStatici);
                EXPECT_EQ(letto.CoefParzSismici, prima.CoefParzSismici);
            }
        }
    }
}

TEST(CoefficientiParziali, IndexOutsideTheTableIsASubscriptError) {
    VariabiliPubbliche v;
    EXPECT_THROW(CoefficienteParziale(v, 0), std::out_of_range);
    EXPECT_THROW(CoefficienteParziale(v, 29), std::out_of_range);
}

}  // namespace
}  // namespace tavo
