#include "tests/support/RecordingFinestraPrincipale.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

TEST(FinestraPrincipalePort, DataErrorCarriesTheWindowsNumberAndText) {
    test::RecordingFinestraPrincipale f;
    f.campoIlleggibile = true;
    VariabiliPubbliche v;
    NTC s;
    try {
        f.LeggeDatiDaForm(v, s);
        FAIL() << "no data error";
    } catch (const ErroreDatiForm& e) {
        EXPECT_STREQ(e.what(), "Errore nei dati");
        EXPECT_EQ(ErroreDatiForm::Numero, -2147220982L);  // vbObjectError + 522
    }
}

}  // namespace
}  // namespace tavo
