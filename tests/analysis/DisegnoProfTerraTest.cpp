// Drawing of the ground profile, in world coordinates on the recording CAD
// connection.

#include "analysis/DisegnoProfTerra.h"
#include "geometry/Rette.h"
#include "tests/support/RecordingCad.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

class DisegnoProfTerra : public ::testing::Test {
protected:
    DisegnoProfTerra() {
        g.SpazioModello = modello;
        ImpostaUscita(g, 1, UscitaGrafica::DWG);
    }
    // Points (0, 0), (2, 0), (4, 1), (8, 1) with the given surcharges.
    void Profilo(std::vector<float> q) {
        p.Coordinate(std::vector<float>{0, 2, 4, 8}, std::vector<float>{0, 0, 1, 1}, q, 4);
    }
    const auto& entita() const { return modello->entita; }

    std::shared_ptr<test::SpazioRegistrato> modello = std::make_shared<test::SpazioRegistrato>();
    Grafica g;
    ProfTerra p;
};

TEST_F(DisegnoProfTerra, LineaDelTerrenoTagliataAlLimite) {
    Profilo({0, 0, 0});
    const ZeroMaxDimenSalvato salvato;
    ImpostaZeroMaxDimen(0.25);
    disegna(g, p, 3);  // cut on segment 2, at y = 0.5
    ASSERT_EQ(entita().size(), 1u);
    EXPECT_EQ(entita()[0]->coordinate, (std::vector<double>{0, 0, 2, 0, 3, 0.5}));
    EXPECT_EQ(ZeroMaxDimen(), 0.25);  // the crossing left the tolerance as it was
    modello->entita.clear();
    disegna(g, p, 100);  // beyond the last point: the whole profile, no cut point
    EXPECT_EQ(entita()[0]->coordinate, (std::vector<double>{0, 0, 2, 0, 4, 1, 8, 1}));
}

TEST_F(DisegnoProfTerra, SovraccarichiNulliONegativiNonSiDisegnano) {
    Profilo({0, -5, 0});
    p.xFinePrisma = 8;
    p.SovraccaricoPrisma();
    DisegnaCarichi(g, p, 10, 5, 100);
    DisegnaSovraccarichiPrisma(g, p, 10, 5, 45, 0.1);
    EXPECT_TRUE(entita().empty());
}

TEST_F(DisegnoProfTerra, ProfiloRicostruitoConMenoLatiNonPortaIlCuneoDelVecchio) {
    // The wedge of a three-sided profile ends beyond its last point: every
    // segment counts. The same object then receives a one-sided profile, as
    // the next calculation of another wall does before its thrust search.
    Profilo({20, 10, 5});
    p.xFinePrisma = 100;
    p.SovraccaricoPrisma();
    ASSERT_EQ(p.nqPrisma, 3);
    p.Coordinate(std::vector<float>{0, 5}, std::vector<float>{0, 1}, std::vector<float>{30}, 2);
    // No wedge has been searched on the new profile yet: nothing stands on it.
    EXPECT_EQ(p.nqPrisma, 0);
    EXPECT_EQ(p.LunghezzaCaricata(1), 0.0f);
    EXPECT_NO_THROW(DisegnaSovraccarichiPrisma(g, p, 10, 5, 45, 0.1));
    EXPECT_TRUE(entita().empty());
    // A search on it counts its one side again.
    p.xFinePrisma = 100;
    EXPECT_EQ(p.SovraccaricoPrisma(), 150.0f);  // 30 kN/m² over 5 m, by hand
    EXPECT_EQ(p.nqPrisma, 1);
}

TEST_F(DisegnoProfTerra, BlocchiDeiCarichiTagliatiAlLimite) {
    Profilo({20, 0, 10});
    DisegnaCarichi(g, p, 10, 5, 6);
    ASSERT_EQ(entita().size(), 2u);
    // Segment 1: the block 0..2 from y = 5 to 5 + 20 / 10.
    EXPECT_EQ(entita()[0]->coordinate, (std::vector<double>{0, 5, 2, 5, 2, 7, 0, 7, 0, 5}));
    // Segment 3 passes the limit: its block is cut there, a closed block
    // from 4 to 6 (no top line floating alone).
    EXPECT_EQ(entita()[1]->coordinate, (std::vector<double>{4, 5, 6, 5, 6, 6, 4, 6, 4, 5}));
}

TEST_F(DisegnoProfTerra, SovraccaricoSulCuneoTratteggiatoConPassoDato) {
    Profilo({20, 0, 10});
    p.xFinePrisma = 1;  // the wedge ends half-way along segment 1
    p.SovraccaricoPrisma();
    // Block 0..1 from y = 5 to 7, hatched at 0 degrees every 0.5: N =
    // CInt(2 / 0.5) = 4 strips, 3 lines.
    DisegnaSovraccarichiPrisma(g, p, 10, 5, 0, 0.5);
    ASSERT_EQ(entita().size(), 3u);
    for (const auto& e : entita()) {
        EXPECT_NEAR(e->coordinate[0] + e->coordinate[3], 1, 1e-12);
        EXPECT_NEAR(std::abs(e->coordinate[0] - e->coordinate[3]), 1, 1e-12);
    }
}

}  // namespace
}  // namespace tavo
