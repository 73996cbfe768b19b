// The captions of the site window's table, read from the grid's format string.

#include "seismic/ControlliSpettroNTC.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

using Testi = std::vector<std::string>;

TEST(LeggeTitoliGriglia, TheSiteTableHasThreeColumnsAndNinePeriods) {
    const TitoliGriglia t = LeggeTitoliGriglia(IntestazioneGrigliaNTC);
    EXPECT_EQ(t.colonne, (Testi{"ag", "Fo", "Tc*"}));
    EXPECT_EQ(t.righe, (Testi{"30", "50", "72", "101", "140", "201", "475", "975", "2475"}));
}

TEST(LeggeTitoliGriglia, MarksBlanksAndMalformedStrings) {
    struct Caso {
        const char* formato;
        Testi colonne, righe;
    };
    const Caso casi[] = {
        {"x|<a|>  b  |c;y|1", {"a", "b", "c"}, {"1"}},
        {"|^|;|", {"", ""}, {""}},        // an empty caption and a lone mark stay empty
        {"x|a", {}, {}},                  // no row part: no captions at all
        {"x|a;y|1;z|2", {}, {}},          // a third part: the string is not understood
        {"", {}, {}},
    };
    for (const Caso& c : casi) {
        const TitoliGriglia t = LeggeTitoliGriglia(c.formato);
        EXPECT_EQ(t.colonne, c.colonne) << c.formato;
        EXPECT_EQ(t.righe, c.righe) << c.formato;
    }
}

}  // namespace
}  // namespace tavo
