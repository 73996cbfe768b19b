// The whole calculation of an abutment against its hand calculation
// (tests/analysis/MuroAMano.h: Coulomb and Mononobe–Okabe closed forms,
// statics of the section, integrated pressure diagrams).

#include "analysis/CalcoloMain.h"
#include "analysis/TensioniTerreno.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace tavo {
namespace {

using test::RisultatiAMano;

struct Voce {
    const char* nome;
    float calcolato;
    double atteso;
};

// Relative 1e-4: the wedge search on a 0.2° grid and the Single arithmetic
// stay well inside it; a wrong factor, lever arm or sign does not.
void ConfrontaVoci(std::initializer_list<Voce> voci, const std::string& dove) {
    for (const Voce& x : voci)
        EXPECT_NEAR(x.calcolato, x.atteso, 1e-4 * std::max(10.0, std::fabs(x.atteso)))
            << dove << ": " << x.nome;
}

void ConfrontaCombinazione(const VariabiliPubbliche& v, int k, const RisultatiAMano& r) {
    ConfrontaVoci({{"StRibaltamento", v.StRibaltamento(k), r.StR},
                   {"SqRibaltamento", v.SqRibaltamento(k), r.SqR},
                   {"SsRibaltamento", v.SsRibaltamento(k), r.SsR},
                   {"SiRibaltamento", v.SiRibaltamento(k), r.SiR},
                   {"MRibaltante", v.MRibaltante(k), r.MRib},
                   {"MStabilizzante", v.MStabilizzante(k), r.MStab},
                   {"StScorrimento", v.StScorrimento(k), r.StS},
                   {"SqScorrimento", v.SqScorrimento(k), r.SqS},
                   {"SsScorrimento", v.SsScorrimento(k), r.SsS},
                   {"SiScorrimento", v.SiScorrimento(k), r.SiS},
                   {"TScorrimento", v.TScorrimento(k), r.TS},
                   {"NScorrimento", v.NScorrimento(k), r.NS},
                   {"StPortata", v.StPortata(k), r.StP},
                   {"SqPortata", v.SqPortata(k), r.SqP},
                   {"SsPortata", v.SsPortata(k), r.SsP},
                   {"SiPortata", v.SiPortata(k), r.SiP},
                   {"MPortata", v.MPortata(k), r.MP},
                   {"NPortata", v.NPortata(k), r.NP},
                   {"TPortata", v.TPortata(k), r.TP},
                   {"StParete", v.StParete(k), r.StW},
                   {"SqParete", v.SqParete(k), r.SqW},
                   {"SsParete", v.SsParete(k), r.SsW},
                   {"SiParete", v.SiParete(k), r.SiW},
                   {"MParete", v.MParete(k), r.MW},
                   {"NParete", v.NParete(k), r.NW},
                   {"VParete", v.VParete(k), r.VW}},
                  "combination " + std::to_string(k));
    // Safety factors are ratios: their own relative tolerance.
    EXPECT_NEAR(v.FsRibaltamento(k), r.FsR, 1e-4 * std::fabs(r.FsR)) << "combination " << k;
    EXPECT_NEAR(v.FsScorrimento(k), r.FsS, 1e-4 * std::fabs(r.FsS)) << "combination " << k;
}

void ConfrontaFondazione(const VariabiliPubbliche& v, const RisultatiAMano& r) {
    ConfrontaVoci({{"SigmaValle", v.SigmaValle, r.sigmaValle},
                   {"SigmaMonte", v.SigmaMonte, r.sigmaMonte},
                   {"MSuolaValle", v.MSuolaValle, r.mSuolaValle},
                   {"MSuolaMonte", v.MSuolaMonte, r.mSuolaMonte}},
                  "governing soil pressure");
    EXPECT_NEAR(v.LarghezzaCompressa, r.bCompressa, 1e-4 * std::fabs(r.bCompressa));
}

// δ = 20°: every thrust line on the heel back passes above the toe and above
// the midpoint of the footing base, so signed and unsigned lever arms agree.
// δ = 50° (beyond φ′, chosen only for the geometry): a line through the heel
// back at height z above the base falls 4.5·tan 50° = 5.36 m by the toe and
// 2.25·tan 50° = 2.68 m by the base midpoint, so every line (z = 2, 3 and,
// under DM 1996, 4) passes below the toe, and the soil-weight and the NTC
// seismic line (z = 2) below the midpoint: the static components then hold
// the wall up about the toe, while the seismic increment still overturns it
// and every component still adds to the moment about the midpoint.
class CalcoloAMano : public ::testing::TestWithParam<float> {
protected:
    void SetUp() override {
        CoefficientiParzialiDefault(v);
        const float delta = GetParam();
        finestra.campi = [delta](VariabiliPubbliche& w, NTC& s) { test::CompilaMuroAMano(w, s, delta); };
    }
    test::RecordingMessagePort messaggi;
    test::RecordingFinestraPrincipale finestra;
    VariabiliPubbliche v;
    NTC sisma;
};

TEST_P(CalcoloAMano, NTC2008EveryCombinationAndTheGoverningOnes) {
    ASSERT_TRUE(CalcoloMain(v, sisma, finestra)) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(messaggi.conta(), 0u);

    std::array<RisultatiAMano, 3> r;
    const auto combinazioni = test::CombinazioniNTCAMano();
    for (int k = 1; k <= 3; ++k) {
        r[k - 1] = test::CalcolaAMano(combinazioni[k - 1], GetParam());
        ConfrontaCombinazione(v, k, r[k - 1]);
    }

    // Governing by hand: smallest safety factors, largest edge pressure (toe
    // or heel: with δ = 50° the static resultant lies on the heel side),
    // largest stem moment.
    auto posizione = [&](auto valore, bool minimo) {
        int g = 1;
        for (int k = 2; k <= 3; ++k)
            if (minimo ? valore(r[k - 1]) < valore(r[g - 1]) : valore(r[k - 1]) > valore(r[g - 1])) g = k;
        return g;
    };
    const int kMR = posizione([](const RisultatiAMano& x) { return x.FsR; }, true);
    const int kS = posizione([](const RisultatiAMano& x) { return x.FsS; }, true);
    const int kP = posizione([](const RisultatiAMano& x) { return std::max(x.sigmaValle, x.sigmaMonte); }, false);
    const int kW = posizione([](const RisultatiAMano& x) { return x.MW; }, false);
    EXPECT_EQ(v.CombGravosaRibaltamento, kMR);
    EXPECT_EQ(v.CombGravosaScorrimento, kS);
    EXPECT_EQ(v.CombGravosaPortata, kP);
    EXPECT_EQ(v.CombGravosaParete, kW);
    ConfrontaFondazione(v, r[kP - 1]);
    EXPECT_FALSE(EquilibrioViolato(v, kP));

    // The main window lists the governing combinations and offers the others.
    EXPECT_EQ(finestra.lblTipoVerifica[0], "?" + std::to_string(kMR));
    EXPECT_EQ(finestra.lblTipoVerifica[3], "?" + std::to_string(kW));
    EXPECT_EQ(finestra.vociFileAbilitate, (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(finestra.combinazioniAbilitate, 1);
    EXPECT_EQ(finestra.combinazioniSelezionate, std::vector<int>{0});
    EXPECT_EQ(finestra.tipoVerifica, std::vector<bool>{false});
    EXPECT_EQ(sisma.KvNTC, 0.05f);  // the site value, back after combination 3
}

TEST_P(CalcoloAMano, DM1996SingleCombinationWithTheGradeCoefficient) {
    v.Normativa = NormativaDM1996;
    ASSERT_TRUE(CalcoloMain(v, sisma, finestra)) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(messaggi.conta(), 0u);

    const RisultatiAMano r = test::CalcolaAMano(test::CombinazioneDMAMano(), GetParam());
    ConfrontaCombinazione(v, 1, r);
    ConfrontaFondazione(v, r);
    EXPECT_EQ(v.CombGravosaRibaltamento, 1);
    EXPECT_EQ(v.CombGravosaScorrimento, 1);
    EXPECT_EQ(v.CombGravosaPortata, 1);
    EXPECT_EQ(v.CombGravosaParete, 1);
    // Under DM 1996 the combination list is neither enabled nor reselected.
    EXPECT_EQ(finestra.combinazioniAbilitate, 0);
    EXPECT_TRUE(finestra.combinazioniSelezionate.empty());
    EXPECT_TRUE(finestra.tipoVerifica.empty());
}

INSTANTIATE_TEST_SUITE_P(AttritoTerraMuro, CalcoloAMano, ::testing::Values(20.0f, 50.0f));

}  // namespace
}  // namespace tavo
