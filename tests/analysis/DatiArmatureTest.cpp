// The reinforcement settings through the texts of the window's boxes.

#include "analysis/DatiArmature.h"
#include "fileio/Separatori.h"
#include "ports/ErroreCalcolo.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

TEST(DatiArmature, BoxTwoIsTheSteelStressOfTheCodeInForce) {
    SeparatoriInstallati italiano(Separatori{U',', U'.'});
    for (std::int16_t normativa : {NormativaNTC2008, NormativaDM1996}) {
        VariabiliPubbliche v;
        v.Normativa = normativa;
        v.SigmaAcciaioAmm = 200;
        v.fyd = 300;
        LeggeDatiArmature(v, {"0,2", "3,5", "1.400", "12"});
        EXPECT_EQ(v.DistanzaSezioni, 0.2f);
        EXPECT_EQ(v.Copriferro, 3.5f);
        EXPECT_EQ(v.CoeffOmogeneizzazione, 12.0f);
        EXPECT_EQ(normativa == NormativaNTC2008 ? v.fyd : v.SigmaAcciaioAmm, 1400.0f);
        EXPECT_EQ(normativa == NormativaNTC2008 ? v.SigmaAcciaioAmm : v.fyd, normativa == NormativaNTC2008 ? 200.0f : 300.0f);
        EXPECT_EQ(ScriveDatiArmature(v), (TestiDatiArmature{"0,2", "3,5", "1400", "12"}));
    }
}

TEST(DatiArmature, SettingsNotAboveZeroTakeTheDefaults) {
    for (std::int16_t normativa : {NormativaNTC2008, NormativaDM1996}) {
        VariabiliPubbliche v;
        v.Normativa = normativa;
        LeggeDatiArmature(v, {"0", "-1", "abc", ""});
        const char* acciaio = normativa == NormativaNTC2008 ? "391" : "255";
        EXPECT_EQ(ScriveDatiArmature(v), (TestiDatiArmature{"1", "3", acciaio, "15"}));
    }
}

TEST(DatiArmature, AValueBeyondTheSingleRangeChangesNothing) {
    VariabiliPubbliche v;
    v.DistanzaSezioni = 0.5f;
    try {
        LeggeDatiArmature(v, {"0.2", "3", "255", "1E40"});
        FAIL() << "no error";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Errore in LeggeDati: valore fuori scala nella casella 3");
    }
    EXPECT_EQ(v.DistanzaSezioni, 0.5f);
}

}  // namespace
}  // namespace tavo
