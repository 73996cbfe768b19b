// Toe and heel cantilevers against the pressure diagram integrated
// numerically (the hand-calculation abutment: B = 4.5, toe 1.25, heel 2.5,
// footing 25 kN/m², soil on the heel 225 kN/m at 1.25 from the stem).

#include "analysis/GeometriaSezione.h"
#include "analysis/MomentiSuole.h"
#include "tests/analysis/MuroAMano.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

struct CasoSuole {
    const char* nome;
    std::int16_t normativa;
    float sV, sM, b;
};

TEST(MomentiSuole, BothCantileversIntegrateThePressureDiagram) {
    const CasoSuole casi[] = {
        {"DM trapezoid", NormativaDM1996, 190, 60, 4.5f},
        {"DM triangle from the toe, shorter than the toe", NormativaDM1996, 300, 0, 1},
        {"DM triangle from the toe, reaching the heel", NormativaDM1996, 200, 0, 3},
        {"DM triangle from the heel, reaching the toe", NormativaDM1996, 0, 200, -3},
        {"NTC toe side", NormativaNTC2008, 160, 0, 3.6f},
        {"NTC toe side, shorter than the toe", NormativaNTC2008, 400, 0, 1},
        {"NTC heel side, reaching under the toe", NormativaNTC2008, 0, 150, -4},
        {"NTC heel side, not reaching the toe", NormativaNTC2008, 0, 250, -2},
        {"resultant outside: no pressure", NormativaNTC2008, 0, 0, 0},
    };
    for (const CasoSuole& c : casi) {
        SCOPED_TRACE(c.nome);
        VariabiliPubbliche v;
        NTC s;
        v.Normativa = c.normativa;
        test::CompilaMuroAMano(v, s);
        CalcolaGeometria(v);
        v.SigmaValle = c.sV;
        v.SigmaMonte = c.sM;
        v.LarghezzaCompressa = c.b;

        namespace m = test::manuale;
        const auto p = m::Diagramma(c.sV, c.sM, c.b, c.normativa == NormativaNTC2008);
        const double valle = m::MomentoPressioni(p, 0, m::toe, m::toe) - m::g * m::toe * m::toe / 2;
        const double monte =
            m::Wz * m::xZ + m::g * m::L2 * m::L2 / 2 - m::MomentoPressioni(p, m::B - m::L2, m::B, m::B - m::L2);
        float MValle = 0, MMonte = 0;
        CalcolaMomentiSuole(v, MValle, MMonte);
        EXPECT_NEAR(MValle, valle, 1e-3);
        EXPECT_NEAR(MMonte, monte, 1e-3);

        // The shears: the resultant of the pressure over each cantilever,
        // against the weights.
        auto forza = [&](double a, double z) {
            const int n = 200000;
            double f = 0;
            for (int i = 0; i < n; ++i) f += p(a + (i + 0.5) * (z - a) / n) * (z - a) / n;
            return f;
        };
        float V = 0;
        MomentoSuolaValle(v, m::toe, V);
        EXPECT_NEAR(V, forza(0, m::toe) - m::g * m::toe, 1e-3);
        MomentoSuolaMonte(v, v.PolZavorra, m::L2, V);
        EXPECT_NEAR(V, m::Wz + m::g * m::L2 - forza(m::B - m::L2, m::B), 1e-3);
    }
}

}  // namespace
}  // namespace tavo
