#include "analysis/ProfTerra.h"

#include <gtest/gtest.h>

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
        float Q;        // by hand: sum of q(i) times the loaded run
        int nq;
        float ultimo;   // loaded length of the last segment counted
    };
    const Caso casi[] = {
        {1.0f, 10.0f, 1, 1.0f},                     // inside segment 1
        {2.0f, 20.0f, 1, 2.0f},                     // exactly at point 2: segment 1 in full, stop
        {4.0f, 20.0f + 40.0f, 2, 2.0f},             // 10·2 + 20·2
        {7.0f, 20.0f + 60.0f - 8.0f, 3, 2.0f},      // + (−4)·2: a negative load counts with its sign
        {12.0f, 20.0f + 60.0f - 16.0f, 3, 4.0f},    // beyond the last point: every segment in full
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

}  // namespace
}  // namespace tavo
