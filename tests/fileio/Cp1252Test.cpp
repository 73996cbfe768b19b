// Windows-1252 to UTF-8 and back.

#include "fileio/Cp1252.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

TEST(Cp1252, CaratteriItalianiESimboliDelCodice) {
    const std::pair<std::string, std::string> casi[] = {
        {"\xE0\xE8\xE9\xEC\xF2\xF9", "àèéìòù"}, {"\x80", "€"}, {"\x93x\x94", "“x”"},
        {"N\xB0", "N°"}, {"m\xB2", "m²"}, {"abc", "abc"}, {"\x81", "\u0081"}};
    for (const auto& [byte, testo] : casi) {
        EXPECT_EQ(DaCp1252(byte), testo);
        EXPECT_EQ(ACp1252(testo), byte);
    }
}

TEST(Cp1252, UnCarattereFuoriDalCodiceDiventaUnPuntoInterrogativo) {
    EXPECT_EQ(ACp1252("a≤b"), "a?b");
    EXPECT_EQ(ACp1252("\xFF"), "?");  // not UTF-8 at all
}

}  // namespace
}  // namespace tavo
