// The overturning line of the drawing's results block says what the main
// window's box says: the governing factor, or that the wall cannot overturn.

#include "walldrawing/DisegnoTavo.h"

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "fileio/NumeriRegionali.h"
#include "fileio/Separatori.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/analysis/MuroNonRibaltabile.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <string>

namespace tavo {
namespace {

struct CasoRibaltamento {
    const char* nome;
    test::MuroBasso muro;
    int governante;
    bool ribaltabile;
};

TEST(RisultatiDisegno, LaRigaDelRibaltamentoComeLaCasellaDellaFinestra) {
    const SeparatoriInstallati italiani({U',', U'.'});
    const CasoRibaltamento casi[] = {
        {"only the seismic combinations overturn", test::MuroRibaltabileSoloDalSisma, 3, true},
        // No combination has an overturning moment: the first one is listed.
        {"no combination overturns", test::MuroMaiRibaltabile, 1, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        test::RecordingMessagePort messaggi;
        test::RecordingFinestraPrincipale finestra;
        const test::MuroBasso muro = c.muro;
        finestra.campi = [muro](VariabiliPubbliche& w, NTC& s) {
            test::CompilaMuroAMano(w, s);
            test::CompilaMuroBasso(w, muro);
            if (!muro.sisma) s.KhNTC = s.KvNTC = 0;
        };
        VariabiliPubbliche v;
        NTC ntc;
        CoefficientiParzialiDefault(v);
        ASSERT_TRUE(CalcoloMain(v, ntc, finestra));
        ASSERT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
        EXPECT_EQ(v.CombGravosaRibaltamento, c.governante);
        const std::string atteso =
            c.ribaltabile ? FormattaValore(v.FsRibaltamento(c.governante)) : std::string("non ribaltabile");
        EXPECT_EQ(finestra.txtMNfondazione[4], atteso);
        EXPECT_EQ(finestra.coloreMNfondazione[4], ColoreNero);

        Grafica g;
        ApreDxf(g, "ribaltamento.dxf");
        DisegnoTavo d(g, v, ntc);
        d.PlottaTavo(UscitaGrafica::DXF);
        const std::string dxf = g.Dxf->contenuto();
        EXPECT_NE(dxf.find("\nSicurezza ribaltamento = " + atteso + "\r\n"), std::string::npos);
    }
}

// A deck force of 1000 kN/m toward the backfill leaves no combination a
// sliding force: the main window's box and the drawing's line say
// "non scorrevole", in black, in place of a negative factor.
TEST(RisultatiDisegno, LaRigaDelloScorrimentoComeLaCasellaDellaFinestra) {
    const SeparatoriInstallati italiani({U',', U'.'});
    for (float vi : {10.0f, -1000.0f}) {
        SCOPED_TRACE(::testing::Message() << "Vi " << vi);
        test::RecordingMessagePort messaggi;
        test::RecordingFinestraPrincipale finestra;
        finestra.campi = [vi](VariabiliPubbliche& w, NTC& s) {
            test::CompilaMuroAMano(w, s);
            w.VImpalcato = vi;
        };
        VariabiliPubbliche v;
        NTC ntc;
        CoefficientiParzialiDefault(v);
        ASSERT_TRUE(CalcoloMain(v, ntc, finestra)) << ::testing::PrintToString(messaggi.testi());
        const int k = v.CombGravosaScorrimento;
        const bool scorrevole = vi > 0;
        ASSERT_EQ(v.TScorrimento(k) > 0, scorrevole);
        const std::string atteso = scorrevole ? FormattaValore(v.FsScorrimento(k)) : std::string("non scorrevole");
        EXPECT_EQ(finestra.txtMNfondazione[5], atteso);
        if (!scorrevole) {
            EXPECT_EQ(finestra.coloreMNfondazione[5], ColoreNero);
        }

        Grafica g;
        ApreDxf(g, "scorrimento.dxf");
        DisegnoTavo d(g, v, ntc);
        d.PlottaTavo(UscitaGrafica::DXF);
        EXPECT_NE(g.Dxf->contenuto().find("\nSicurezza scorrimento = " + atteso + "\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace tavo
