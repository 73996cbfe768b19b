// A vertical step of the ground right above the heel end, seen through the
// whole calculation: the results must not jump when the step moves a hair
// toward the wall.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace tavo {
namespace {

// The abutment of the hand calculation under NTC 2008 (heel end at x = 2.5,
// ground at the backwall's top, y = 5, q = 10 everywhere), its ground a flat
// side of run `primo` from the back's top, a vertical side of rise
// `gradino`, then a flat side of 10 m; `modifica` changes the rest.
VariabiliPubbliche Calcola(float primo, float gradino,
                           std::function<void(VariabiliPubbliche&)> modifica) {
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    v.Normativa = NormativaNTC2008;
    NTC sisma;
    test::RecordingMessagePort messaggi;
    test::RecordingFinestraPrincipale finestra;
    finestra.campi = [=](VariabiliPubbliche& w, NTC& s) {
        test::CompilaMuroAMano(w, s);
        w.nLatiTerreno = 3;
        for (auto* a : {&w.dxProfilo, &w.dyProfilo, &w.qProfilo}) a->ridimensiona(3);
        const float dx[] = {primo, 0, 10}, dy[] = {0, gradino, 0};
        for (int j = 1; j <= 3; ++j) {
            w.dxProfilo(j) = dx[j - 1];
            w.dyProfilo(j) = dy[j - 1];
            w.qProfilo(j) = 10;
        }
        modifica(w);
    };
    EXPECT_TRUE(CalcoloMain(v, sisma, finestra)) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
    return v;
}

// Every result of every combination within 1e-4 of the other's (relative),
// or 1e-3 (kN, kN·m) for the values that are nought but rounding.
void StessiRisultati(const VariabiliPubbliche& a, const VariabiliPubbliche& b) {
    for (std::size_t t = 0; t < TerneRisultati.size(); ++t) {
        for (int k = 1; k <= 3; ++k) {
            const float x = (a.*TerneRisultati[t])(k), y = (b.*TerneRisultati[t])(k);
            EXPECT_NEAR(x, y, 1e-4 * std::max(std::fabs(x), std::fabs(y)) + 1e-3)
                << "TerneRisultati[" << t << "], combinazione " << k;
        }
    }
    EXPECT_NEAR(a.PesoZavorra, b.PesoZavorra, 1e-4 * a.PesoZavorra);
}

// The step on the vertical through the heel end (first side of run 2.5, the
// heel's length), against the same step a hair before it: a batter of
// 0.0001 % moves the whole ground 4·1e-6 m toward the toe, a heel (and
// footing) 1e-5 m longer moves the heel end beyond the step. Continuity is
// asked from that side only: with the step a hair beyond the heel end the
// heel's back ends at the ground there, the foot of a step up.
TEST(CalcoloMainGradino, StepAboveTheHeelEndGivesTheResultsOfAStepJustBeforeIt) {
    for (float gradino : {2.0f, -2.0f}) {
        SCOPED_TRACE(gradino > 0 ? "gradino in salita" : "gradino in discesa");
        const VariabiliPubbliche esatto = Calcola(2.5f, gradino, [](VariabiliPubbliche&) {});
        const VariabiliPubbliche scarpa =
            Calcola(2.5f, gradino, [](VariabiliPubbliche& w) { w.InclinazioneParete = 0.0001f; });
        const VariabiliPubbliche tallone = Calcola(2.5f, gradino, [](VariabiliPubbliche& w) {
            w.SbalzoFondazione = 2.5f + 1e-5f;
            w.LarghezzaFondazione = 4.5f + 1e-5f;
        });
        {
            SCOPED_TRACE("scarpa 0,0001 %");
            StessiRisultati(esatto, scarpa);
        }
        {
            SCOPED_TRACE("tallone più lungo di 1e-5 m");
            StessiRisultati(esatto, tallone);
        }
        // The heel's back reaches the ground beyond the step: 1 + 5 + 2 m
        // for the step up, 1 + 5 − 2 m for the step down.
        const Poligono& cuneo = esatto.CuneiRibaltamento(1).cuneo;
        EXPECT_FLOAT_EQ(static_cast<float>(cuneo.Yi(2) - cuneo.Yi(1)), 6 + gradino);
    }
}

}  // namespace
}  // namespace tavo
