// Number texts of the files and the leading-number rule, locale-free.

#include "fileio/NumeriTesto.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

namespace tavo {
namespace {

TEST(TestoNumero, FormeScritteNeiFile) {
    EXPECT_EQ(TestoNumero(0.5f), "0.5");
    EXPECT_EQ(TestoNumero(-0.25f), "-0.25");
    EXPECT_EQ(TestoNumero(1.5f), "1.5");
    EXPECT_EQ(TestoNumero(0.1f), "0.1");
    EXPECT_EQ(TestoNumero(25.0f), "25");
    EXPECT_EQ(TestoNumero(1000000.0f), "1000000");
    EXPECT_EQ(TestoNumero(1e7f), "1E+07");
    EXPECT_EQ(TestoNumero(0.0001f), "0.0001");
    EXPECT_EQ(TestoNumero(0.00001f), "1E-05");
    EXPECT_EQ(TestoNumero(-0.0f), "0");
    // A float that needs more than seven digits gets them, so that it reads
    // back exactly.
    EXPECT_EQ(TestoNumero(1.0f / 3.0f), "0.33333334");
    EXPECT_EQ(TestoNumero(1.25), "1.25");
    EXPECT_EQ(TestoNumero(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(TestoNumero(1e15), "1E+15");
    EXPECT_EQ(TestoNumero(123456789012345.0), "123456789012345");
}

TEST(TestoNumero, OgniFloatRileggeSeStesso) {
    // A sweep over the bit patterns of positive and negative finite floats.
    for (std::uint32_t bit = 0; bit < 0x7F800000u; bit += 0x00012345u) {
        for (std::uint32_t segno : {0u, 0x80000000u}) {
            const float v = std::bit_cast<float>(bit | segno);
            const auto letto = NumeroFloat(TestoNumero(v));
            ASSERT_TRUE(letto.has_value()) << TestoNumero(v);
            ASSERT_EQ(*letto, v) << TestoNumero(v);
        }
    }
}

TEST(NumeroDouble, AccettaLeFormeCheScriveVB) {
    const std::pair<const char*, double> casi[] = {
        {".5", 0.5},     {"-.25", -0.25}, {"1E-05", 1e-05}, {"1e-05", 1e-05}, {"2.5D+3", 2500},
        {"+3", 3},       {"3.", 3},       {" 12 ", 12},      {"-0", 0},         {"1E+07", 1e7},
        {"0012.50", 12.5}};
    for (const auto& [testo, valore] : casi) {
        const auto v = NumeroDouble(testo);
        ASSERT_TRUE(v.has_value()) << testo;
        EXPECT_EQ(*v, valore) << testo;
    }
}

TEST(NumeroDouble, RifiutaCioCheNonEUnNumero) {
    for (const char* testo : {"", "abc", "1,5", ".", "-", "1E", "1E+", "1.2.3", "1 2", "inf", "nan",
                              "0x10", "#TRUE#", "1E999", "12a"}) {
        EXPECT_FALSE(NumeroDouble(testo).has_value()) << testo;
    }
    EXPECT_FALSE(NumeroFloat("1E39").has_value());
    EXPECT_TRUE(NumeroDouble("1E39").has_value());
}

}  // namespace
}  // namespace tavo
