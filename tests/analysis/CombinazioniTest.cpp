// The combination loops' choice of the governing combination: ties go to the
// lower combination, and the extreme is taken with its sign.

#include "analysis/Combinazioni.h"
#include "analysis/GeometriaSezione.h"
#include "analysis/TensioniTerreno.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/analysis/MuroNonRibaltabile.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// A combination whose overturning moment is not positive cannot overturn:
// its factor MStab/MRib is negative and no safety factor. It governs only
// when no combination can overturn; then every one is listed as such, and
// the smallest signed factor is chosen as before.
struct CasoGravosaRibaltamento {
    const char* nome;
    std::array<float, 3> mRibaltante, fs;
    int governante;
};

TEST(Combinazioni, OverturningGovernsOnlyAmongCombinationsThatCanOverturn) {
    const CasoGravosaRibaltamento casi[] = {
        {"static heel thrust below the toe, seismic ones overturn", {-5, 10, 11}, {-82.6f, 32.6f, 31.5f}, 3},
        {"every combination can overturn", {40, 50, 45}, {1.2f, 0.9f, 1.1f}, 2},
        {"the weights themselves overturn: a negative factor that fails", {40, 50, 45}, {2, -0.5f, 1.5f}, 2},
        {"only the middle one cannot overturn", {5, -1, 5}, {1.4f, -300, 1.2f}, 3},
        {"tie among those that can overturn", {-10, 3, 3}, {-9, 3, 3}, 2},
        {"a zero overturning moment cannot overturn", {0, 3, 3}, {-1, 3, 2}, 3},
        {"none can overturn: the smallest signed factor", {-1, -2, -3}, {-50, -80, -60}, 2},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        VariabiliPubbliche v;
        for (int k = 1; k <= 3; ++k) {
            v.MRibaltante(k) = c.mRibaltante[static_cast<std::size_t>(k - 1)];
            v.FsRibaltamento(k) = c.fs[static_cast<std::size_t>(k - 1)];
        }
        EXPECT_EQ(GravosaRibaltamento(v), c.governante);
    }
}

// Sliding governs the same way among the combinations that can slide
// (sliding force T > 0); when none can, the smallest signed factor.
struct CasoGravosaScorrimento {
    const char* nome;
    std::array<float, 3> T, fs;
    int governante;
};

TEST(Combinazioni, SlidingGovernsOnlyAmongCombinationsThatCanSlide) {
    const CasoGravosaScorrimento casi[] = {
        {"the static one cannot slide", {-40, 20, 25}, {-17.3f, 2.1f, 1.9f}, 3},
        {"every combination can slide", {40, 50, 45}, {1.4f, 1.2f, 1.3f}, 2},
        {"a zero sliding force cannot slide", {0, 3, 3}, {-1, 3, 2}, 3},
        {"none can slide: the smallest signed factor", {-1, -2, -3}, {-50, -80, -60}, 2},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        VariabiliPubbliche v;
        for (int k = 1; k <= 3; ++k) {
            v.TScorrimento(k) = c.T[static_cast<std::size_t>(k - 1)];
            v.FsScorrimento(k) = c.fs[static_cast<std::size_t>(k - 1)];
        }
        EXPECT_EQ(GravosaScorrimento(v), c.governante);
    }
}

// A low wall on a wide footing under ground falling away from it: the static
// heel thrust passes below the toe, the seismic increment (which always
// overturns) makes combinations 2 and 3 overturnable. The loop governs with
// the smallest factor of those two, not with the negative static one.
TEST(Combinazioni, StaticThrustBelowTheToeDoesNotGovern) {
    test::RecordingMessagePort messaggi;
    VariabiliPubbliche v;
    NTC s;
    CalcolaCombinazioni(v, s, [](VariabiliPubbliche& w, NTC&) {
        test::CompilaMuroBasso(w, test::MuroRibaltabileSoloDalSisma);
    });
    ASSERT_LE(v.MRibaltante(1), 0);
    ASSERT_GT(v.MRibaltante(2), 0);
    ASSERT_GT(v.MRibaltante(3), 0);
    ASSERT_LT(v.FsRibaltamento(1), v.FsRibaltamento(3));
    ASSERT_LT(v.FsRibaltamento(3), v.FsRibaltamento(2));
    EXPECT_EQ(v.CombGravosaRibaltamento, 3);
    EXPECT_EQ(messaggi.conta(), 0u);
}

// The governing soil pressure is the largest edge pressure, toe or heel: a
// resultant on the heel side has a toe pressure of 0 but may carry the
// largest pressure of all. A resultant outside the base comes first.
struct CasoGravosaPortata {
    const char* nome;
    std::array<bool, 3> fuori;
    std::array<float, 3> valle, monte;
    int governante;
};

TEST(Combinazioni, SoilPressureGovernsByTheLargestEdgePressure) {
    const CasoGravosaPortata casi[] = {
        {"toe pressures only", {}, {120, 150, 140}, {0, 0, 0}, 2},
        {"a heel pressure larger than every toe pressure", {}, {120, 150, 0}, {0, 0, 180}, 3},
        {"heel pressures only", {}, {0, 0, 0}, {90, 80, 85}, 1},
        {"tie between a toe and a heel pressure: the lower number", {}, {0, 160, 0}, {160, 0, 100}, 1},
        {"outside the base comes first", {false, true, true}, {300, 0, 0}, {0, 0, 0}, 2},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(GravosaPortata(c.fuori, c.valle, c.monte), c.governante);
    }
}

// Through the loop: the hand abutment with a deck force toward the backfill
// that puts the resultant of some combinations on the heel side. The
// governing combination is the one with the largest edge pressure of the
// three distributions recomputed here from M and N, and the listing's
// pressures are its own.
TEST(Combinazioni, SoilPressureLoopListsTheCombinationWithTheLargestEdgePressure) {
    test::RecordingMessagePort messaggi;
    int lati = 0;
    for (float vi : {10.0f, -40.0f, -60.0f, -80.0f, -120.0f}) {
        SCOPED_TRACE(::testing::Message() << "Vi " << vi);
        VariabiliPubbliche v;
        NTC s;
        CalcolaCombinazioni(v, s, [vi](VariabiliPubbliche& w, NTC&) { w.VImpalcato = vi; });
        std::array<float, 3> massima{}, valle{};
        for (int k = 1; k <= 3; ++k) {
            float sv = 0, sm = 0, b = 0;
            ASSERT_FALSE(DistribuzionePressioni(v, v.MPortata(k), v.NPortata(k), 1, 4.5f, sv, sm, b));
            massima[static_cast<std::size_t>(k - 1)] = std::max(sv, sm);
            valle[static_cast<std::size_t>(k - 1)] = sv;
        }
        const auto g = std::max_element(massima.begin(), massima.end()) - massima.begin() + 1;
        const auto gValle = std::max_element(valle.begin(), valle.end()) - valle.begin() + 1;
        if (g != gValle) ++lati;
        EXPECT_EQ(v.CombGravosaPortata, g);
        EXPECT_EQ(std::max(v.SigmaValle, v.SigmaMonte), massima[static_cast<std::size_t>(g - 1)]);
    }
    EXPECT_GT(lati, 0);  // some case where the toe alone would choose another
    EXPECT_EQ(messaggi.conta(), 0u);
}

}  // namespace
}  // namespace tavo
