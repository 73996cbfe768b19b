// The surcharge blocks of the ground profile against the limit of the
// drawing: a side wholly beyond it draws nothing, one that crosses it is
// cut at it, one before it is a whole block.

#include "analysis/DisegnoProfTerra.h"

#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tavo {
namespace {

// Ground from x = 0: sides 0-4 (q 10), 4-20 (unloaded), 20-25 (q 30),
// drawn with the limit at `limite`, one world unit per pixel.
std::vector<test::TrattoRegistrato> Carichi(double limite) {
    ProfTerra p;
    const std::array<float, 4> x{0, 4, 20, 25}, y{0, 0, 0, 0}, q{10, 0, 30};
    p.Coordinate(x, y, q, 4);
    test::RecordingSuperficie s(1000, 1000);
    Grafica g;
    ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &s);
    DisegnaCarichi(g, p, 1, 0, limite);
    return s.linee();
}

TEST(DisegnaCarichi, UnLatoOltreIlLimiteNonSiDisegna) {
    // The limit at 4.6: only the first block (four sides); the load at
    // 20-25 m lies beyond it and draws no line back to the limit.
    const auto linee = Carichi(4.6);
    ASSERT_EQ(linee.size(), 4u);
    for (const auto& l : linee) {
        EXPECT_LE(l.x1, 4.0 + 1e-9);
        EXPECT_LE(l.x2, 4.0 + 1e-9);
    }
}

TEST(DisegnaCarichi, UnLatoCheAttraversaIlLimiteSiTaglia) {
    // The limit at 22: the first block, then the loaded side cut at 22 as
    // its base and top lines (q 30 over a scale of 1: 30 high).
    const auto linee = Carichi(22);
    ASSERT_EQ(linee.size(), 6u);
    for (std::size_t i : {4u, 5u}) {
        EXPECT_DOUBLE_EQ(linee[i].x1, 20);
        EXPECT_DOUBLE_EQ(linee[i].x2, 22);
    }
    EXPECT_DOUBLE_EQ(linee[4].y1, 0);
    EXPECT_DOUBLE_EQ(linee[5].y1, 30);
}

}  // namespace
}  // namespace tavo
