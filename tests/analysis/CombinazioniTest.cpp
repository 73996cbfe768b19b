// The combination loops' choice of the governing combination: ties go to the
// lower combination, and the extreme is taken with its sign.

#include "analysis/Combinazioni.h"
#include "analysis/GeometriaSezione.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace tavo {
namespace {

constexpr const auto& TutteLeTerne = TerneRisultati;

// The hand-calculation abutment under NTC 2008 with the default tables,
// `modifica` applied on top, its geometry built and the four loops run.
void CalcolaCombinazioni(VariabiliPubbliche& v, NTC& s,
                         const std::function<void(VariabiliPubbliche&, NTC&)>& modifica) {
    CoefficientiParzialiDefault(v);
    test::CompilaMuroAMano(v, s);
    modifica(v, s);
    CalcolaGeometria(v);
    CombinazioniRibaltamento(v, s);
    CombinazioniScorrimento(v, s);
    CombinazioniPortata(v, s);
    CombinazioniParete(v, s);
}

// With kh = 0 the seismic angle is 0 and (1 + kv) is not applied, so the
// combinations differ only by their table. Equal values must go to the
// lower combination, for the minimum and the maximum searches alike.
TEST(Combinazioni, EqualCombinationsGoToTheLowerOne) {
    test::RecordingMessagePort messaggi;
    {
        SCOPED_TRACE("static table equal to the seismic one: three equal combinations");
        VariabiliPubbliche v;
        NTC s;
        CalcolaCombinazioni(v, s, [](VariabiliPubbliche& w, NTC& t) {
            t.KhNTC = 0;
            w.CoefParzStatici = w.CoefParzSismici;
        });
        for (auto t : TutteLeTerne) {
            EXPECT_EQ((v.*t)(2), (v.*t)(1));
            EXPECT_EQ((v.*t)(3), (v.*t)(1));
        }
        EXPECT_EQ(v.CombGravosaRibaltamento, 1);
        EXPECT_EQ(v.CombGravosaScorrimento, 1);
        EXPECT_EQ(v.CombGravosaPortata, 1);
        EXPECT_EQ(v.CombGravosaParete, 1);
    }
    {
        SCOPED_TRACE("default tables: combinations 2 and 3 equal");
        VariabiliPubbliche v;
        NTC s;
        CalcolaCombinazioni(v, s, [](VariabiliPubbliche&, NTC& t) { t.KhNTC = 0; });
        for (auto t : TutteLeTerne) EXPECT_EQ((v.*t)(3), (v.*t)(2));
        EXPECT_NE(v.FsRibaltamento(2), v.FsRibaltamento(1));
        for (auto g : {v.CombGravosaRibaltamento, v.CombGravosaScorrimento, v.CombGravosaPortata,
                       v.CombGravosaParete})
            EXPECT_NE(g, 3);
    }
    EXPECT_EQ(messaggi.conta(), 0u);
}

// A deck force of 1000 kN/m pulling toward the backfill turns the overturning
// moment and the stem moment negative in every combination. The governing
// overturning factor is the most negative one and the governing stem moment
// the largest signed one; the magnitudes would choose other combinations.
TEST(Combinazioni, ExtremesAreTakenWithTheirSign) {
    test::RecordingMessagePort messaggi;
    VariabiliPubbliche v;
    NTC s;
    CoefficientiParzialiDefault(v);
    test::CompilaMuroAMano(v, s);
    v.VImpalcato = -1000;
    CalcolaGeometria(v);
    CombinazioniRibaltamento(v, s);
    CombinazioniParete(v, s);

    auto posizione = [](const Terna& t, auto migliore) {
        int g = 1;
        for (int k = 2; k <= 3; ++k)
            if (migliore(t(k), t(g))) g = k;
        return g;
    };
    auto minore = [](double a, double b) { return a < b; };
    auto maggiore = [](double a, double b) { return a > b; };
    auto minoreInModulo = [](double a, double b) { return std::fabs(a) < std::fabs(b); };
    auto maggioreInModulo = [](double a, double b) { return std::fabs(a) > std::fabs(b); };
    for (int k = 1; k <= 3; ++k) {
        ASSERT_LT(v.FsRibaltamento(k), 0) << "combination " << k;
        ASSERT_LT(v.MParete(k), 0) << "combination " << k;
    }
    ASSERT_NE(posizione(v.FsRibaltamento, minore), posizione(v.FsRibaltamento, minoreInModulo));
    ASSERT_NE(posizione(v.MParete, maggiore), posizione(v.MParete, maggioreInModulo));

    EXPECT_EQ(v.CombGravosaRibaltamento, posizione(v.FsRibaltamento, minore));
    EXPECT_EQ(v.CombGravosaParete, posizione(v.MParete, maggiore));
}

}  // namespace
}  // namespace tavo
