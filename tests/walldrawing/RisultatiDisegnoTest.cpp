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
        {"no combination overturns", test::MuroMaiRibaltabile, 2, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        test::RecordingMessagePort messaggi;
        test::RecordingFinestraPrincipale finestra;
        const test::MuroBasso muro = c.muro;
        finestra.campi = [muro](VariabiliPubbliche& w, NTC& s) {
            test::CompilaMuroAMano(w, s);
            test::CompilaMuroBasso(w, muro);
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

}  // namespace
}  // namespace tavo
