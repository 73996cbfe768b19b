#include "analysis/ProfTerra.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tavo {
namespace {

// Points at x = 0, 2, 5, 9 (y irrelevant), surcharges 10, 20, -4 kN/m².
class ProfiloTreLati : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<float> x{0, 2, 5, 9}, y{1, 1.5f, 1, 3}, q{10, 20, -4};
        p.Coordinate(x, y, q, 4);
    }
    ProfTerra p;
};

TEST_F(ProfiloTreLati, CoordinateReplacesPointsAndSurcharges) {
    EXPECT_EQ(p.nVertici, 4);
    EXPECT_EQ(p.Xi(3), 5.0f);
    EXPECT_EQ(p.Yi(4), 3.0f);
    EXPECT_EQ(p.qi(2), 20.0f);
    EXPECT_THROW(p.qi(4), std::out_of_range);
    EXPECT_THROW(p.Xi(5), std::out_of_range);
}

TEST_F(ProfiloTreLati, SurchargeResultantOverHorizontalLengthsUpToTheWedgeEnd) {
    struct Caso {
        float xFine;
        float Q;  // by hand: sum of q(i) times the loaded run
        int nq;
        float ultimo;  // loaded length of the last segment counted
    };
    const Caso casi[] = {
        {1.0f, 10.0f, 1, 1.0f},                 // inside segment 1
        {2.0f, 20.0f, 1, 2.0f},                 // exactly at point 2: segment 1 in full, stop
        {4.0f, 20.0f + 40.0f, 2, 2.0f},         // 10·2 + 20·2
        {7.0f, 20.0f + 60.0f - 8.0f, 3, 2.0f},  // + (−4)·2: a negative load counts with its sign
        {12.0f, 20.0f + 60.0f - 16.0f, 3, 4.0f},  // beyond the last point: every segment in full
    };
    for (const Caso& c : casi) {
        p.xFinePrisma = c.xFine;
        EXPECT_FLOAT_EQ(p.SovraccaricoPrisma(), c.Q) << "xFine " << c.xFine;
        EXPECT_EQ(p.nqPrisma, c.nq) << "xFine " << c.xFine;
        EXPECT_FLOAT_EQ(p.LunghezzaCaricata(c.nq), c.ultimo) << "xFine " << c.xFine;
    }
}

TEST(ProfTerra, NoSurchargeGivesZero) {
    ProfTerra p;
    std::vector<float> x{0, 3, 8}, y{0, 1, 1}, q{0, 0};
    p.Coordinate(x, y, q, 3);
    p.xFinePrisma = 6;
    EXPECT_EQ(p.SovraccaricoPrisma(), 0.0f);
}

// Points (0, 0), (2, 1), (5, 1), (9, 3): the crossings by hand.
class ProfiloSpezzato : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<float> x{0, 2, 5, 9}, y{0, 1, 1, 3}, q{0, 0, 0};
        p.Coordinate(x, y, q, 4);
    }
    ProfTerra p;
};

TEST_F(ProfiloSpezzato, CrossingsWithLinesByHand) {
    struct Caso {
        double a, b, c;
        bool trovato;
        double x, y;
        int lato, ni;
    };
    const Caso casi[] = {
        {1, 0, -3.5, true, 3.5, 1, 2, 1},   // x = 3.5 on side 2
        {1, 0, -5, true, 5, 1, 2, 1},       // x = 5 at the shared point, once, on the earlier side
        {0, 1, -1, true, 2, 1, 1, 2},       // y = 1: the end of side 1, then the start of side 3
        {1, 0, -20, false, 20, 8.5, 4, 1},  // x = 20 misses: the last side's line, index n
    };
    for (const Caso& c : casi) {
        double x = 0, y = 0;
        int lato = 0;
        ASSERT_TRUE(p.PrimoIncrocio(c.a, c.b, c.c, x, y, lato));
        EXPECT_NEAR(x, c.x, 1e-9);
        EXPECT_NEAR(y, c.y, 1e-9);
        EXPECT_EQ(lato, c.lato);
        const IncrociPoligonale tutti = p.IntersezioneConRetta(c.a, c.b, c.c);
        EXPECT_EQ(tutti.trovato(), c.trovato);
        EXPECT_EQ(tutti.ni(), c.ni);
        EXPECT_EQ(tutti.incrocio(1).lato, c.lato);
    }
    EXPECT_NEAR(ZeroMaxDimen(), 9e-6, 1e-15);  // extent 9 / 1e6
    // 0.5·x − y + 10 = 0 is parallel to sides 1 and 3 and meets side 2's
    // line outside it: no crossing at all, outputs untouched.
    double x = 7, y = 7;
    int lato = 7;
    EXPECT_FALSE(p.PrimoIncrocio(0.5, -1, 10, x, y, lato));
    EXPECT_EQ(lato, 7);
    EXPECT_EQ(p.IntersezioneConRetta(0.5, -1, 10).ni(), 0);
}

// The first crossing found without building the list is the first crossing
// of the list, for lines at every angle through points around the profile.
TEST_F(ProfiloSpezzato, FirstCrossingIsTheFirstOfTheWholeList) {
    const double punti[][2] = {{0, 0}, {1, -1}, {3, 4}, {5, 1}, {8, 0}, {-2, 2}};
    for (const auto& o : punti) {
        for (int g = 1; g < 180; g += 7) {
            double a = 0, b = 0, c = 0;
            RettaPuntoAngolo(o[0], o[1], 1, g * PiGreco / 180, a, b, c);
            const IncrociPoligonale tutti = p.IntersezioneConRetta(a, b, c);
            double x = 0, y = 0;
            int lato = 0;
            const bool trovato = p.PrimoIncrocio(a, b, c, x, y, lato);
            ASSERT_EQ(trovato, tutti.ni() > 0) << g;
            if (!trovato) continue;
            EXPECT_EQ(x, tutti.incrocio(1).x) << g;
            EXPECT_EQ(y, tutti.incrocio(1).y) << g;
            EXPECT_EQ(lato, tutti.incrocio(1).lato) << g;
        }
    }
}

}  // namespace
}  // namespace tavo
