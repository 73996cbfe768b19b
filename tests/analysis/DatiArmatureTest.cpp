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
        LeggeDatiArmature(v, {"0", "-1", "0", "-15"});
        const char* acciaio = normativa == NormativaNTC2008 ? "391" : "255";
        EXPECT_EQ(ScriveDatiArmature(v), (TestiDatiArmature{"1", "3", acciaio, "15"}));
    }
}

// Each box that holds no number as the user reads it is refused by its
// caption, and no setting changes.
TEST(DatiArmature, ABoxThatIsNoNumberIsRefusedByNameAndChangesNothing) {
    SeparatoriInstallati italiano(Separatori{U',', U'.'});
    struct Caso { std::int16_t normativa; TestiDatiArmature testi; const char* messaggio; };
    const Caso casi[] = {
        {NormativaNTC2008, {"0.2", "3", "391", "15"},
         "Dato non valido in \"Distanza fra le sezioni\": \"0.2\" non è un numero: scrivere ad esempio 1.234,5 "
         "(separatore decimale \",\")."},
        {NormativaNTC2008, {"1", "", "391", "15"}, "Dato non valido in \"Copriferro\": manca il valore."},
        {NormativaNTC2008, {"1", "3", "3,9,1", "15"},
         "Dato non valido in \"fyd\": \"3,9,1\" non è un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\")."},
        {NormativaDM1996, {"1", "3", "abc", "15"},
         "Dato non valido in \"σs,adm\": \"abc\" non è un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\")."},
        {NormativaNTC2008, {"1", "3", "391", "1E40"}, "Dato non valido in \"Es/Ec\": \"1E40\" è fuori scala."},
    };
    for (const Caso& c : casi) {
        VariabiliPubbliche v;
        v.Normativa = c.normativa;
        v.DistanzaSezioni = 0.5f;
        v.Copriferro = 4;
        try {
            LeggeDatiArmature(v, c.testi);
            ADD_FAILURE() << "no error: " << c.messaggio;
        } catch (const ErroreCalcolo& e) {
            EXPECT_EQ(std::string(e.what()), c.messaggio);
        }
        EXPECT_EQ(v.DistanzaSezioni, 0.5f);
        EXPECT_EQ(v.Copriferro, 4.0f);
    }
}

}  // namespace
}  // namespace tavo
