// Whether the state holds the results of its inputs, as the open windows
// ask it: across calculations that succeed, fail and are put back.

#include "analysis/RisultatoAttuale.h"

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "analysis/ReportArmature.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

TEST(RisultatoAttuale, SoloDopoUnCalcoloRiuscitoESenzaCambiamentiDaAllora) {
    test::RecordingMessagePort porta;
    test::RecordingFinestraPrincipale finestra;
    test::Progetto p = test::Spalla();
    CoefficientiParzialiDefault(p.v);
    EXPECT_FALSE(RisultatoAttuale(p.v, p.ntc));  // nothing computed yet

    ASSERT_TRUE(CalcoloMain(p.v, p.ntc, finestra));
    EXPECT_TRUE(RisultatoAttuale(p.v, p.ntc));
    const auto primo = p.v.Generazione;

    // The site window changes kh on its own: the results are of the old one.
    p.ntc.KhNTC += 0.01f;
    EXPECT_FALSE(RisultatoAttuale(p.v, p.ntc));
    p.ntc.KhNTC -= 0.01f;
    EXPECT_TRUE(RisultatoAttuale(p.v, p.ntc));

    // A refused run leaves no result of the inputs, even once they are
    // as they were.
    const auto lati = p.v.nLatiTerreno;
    p.v.nLatiTerreno = 0;
    ASSERT_FALSE(CalcoloMain(p.v, p.ntc, finestra));
    p.v.nLatiTerreno = lati;
    EXPECT_FALSE(RisultatoAttuale(p.v, p.ntc));

    // A run that succeeds again is another result than the first.
    ASSERT_TRUE(CalcoloMain(p.v, p.ntc, finestra));
    EXPECT_TRUE(RisultatoAttuale(p.v, p.ntc));
    EXPECT_NE(p.v.Generazione, primo);

    // A report that fails puts the state back: the result it found is there.
    const auto prima = p.v.Generazione;
    p.v.Copriferro = 40;  // 400 mm of cover on a 300 mm backwall
    ASSERT_FALSE(ListaArmature(p.v, p.ntc, finestra));
    EXPECT_TRUE(RisultatoAttuale(p.v, p.ntc));
    EXPECT_EQ(p.v.Generazione, prima);
}

}  // namespace
}  // namespace tavo
