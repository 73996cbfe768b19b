#include "analysis/VariabiliPubbliche.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavo {
namespace {

TEST(VariabiliPubbliche, StartsWithEverythingZeroAndNTC2008) {
    VariabiliPubbliche v;
    EXPECT_EQ(v.Normativa, NormativaNTC2008);
    EXPECT_TRUE(v.TitoloTavo.empty());
    EXPECT_EQ(v.nLatiTerreno, 0);
    EXPECT_EQ(v.dxProfilo.dimensione(), 0);
    EXPECT_FALSE(v.CombinazioneSismica);
    EXPECT_EQ(v.ProfiloTerreno.nVertici, 0);
    EXPECT_EQ(v.PolCuneoParete.nVertici(), 0);
    EXPECT_EQ(v.CombGravosaParete, 0);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(v.FsRibaltamento(k), 0.0f);
    for (int e = 1; e <= 28; ++e) EXPECT_EQ(v.CoefParzSismici(e), 0.0f);
}

TEST(VariabiliPubbliche, TriplesAreNumberedOneToThreeAndRefuseOtherIndexes) {
    VariabiliPubbliche v;
    v.MParete(1) = 10;
    v.MParete(3) = 30;
    EXPECT_EQ(v.MParete.valori()[0], 10.0f);
    EXPECT_EQ(v.MParete.valori()[2], 30.0f);
    EXPECT_THROW(v.MParete(0), std::out_of_range);
    EXPECT_THROW(v.MParete(4), std::out_of_range);
    EXPECT_THROW(v.xRettaStParete(3), std::out_of_range);
}

TEST(VariabiliPubbliche, FactorTableEntryIsFourTimesRowMinusOnePlusColumn) {
    VariabiliPubbliche v;
    EXPECT_EQ(VoceCoefficiente(1, 1), 1);
    EXPECT_EQ(VoceCoefficiente(7, 4), 28);
    v.CoefParzStatici(VoceCoefficiente(5, 2)) = 1.5f;  // surcharge, overturning
    EXPECT_EQ(v.CoefParzStatici(18), 1.5f);
    EXPECT_THROW(v.CoefParzStatici(29), std::out_of_range);
    EXPECT_THROW(v.CoefParzStatici(0), std::out_of_range);
}

TEST(VariabiliPubbliche, ProfileSidesAreResizedOneToNFilledWithZero) {
    VariabiliPubbliche v;
    v.dxProfilo.ridimensiona(2);
    v.dxProfilo(2) = 5;
    v.dxProfilo.ridimensiona(3);
    EXPECT_EQ(v.dxProfilo.dimensione(), 3);
    EXPECT_EQ(v.dxProfilo(2), 0.0f);  // old values discarded
    EXPECT_THROW(v.dxProfilo(4), std::out_of_range);
}

}  // namespace
}  // namespace tavo
