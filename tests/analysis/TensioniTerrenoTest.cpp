#include "analysis/TensioniTerreno.h"

#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

struct CasoTensioni {
    const char* nome;
    std::int16_t normativa;
    float M, N;  // B = 6, L = 1
    float sV, sM, b;
    const char* messaggio;  // nullptr: none
};

// Closed forms: DM 1996 trapezoid (1 ± 6e/B)·N/B or triangle 2N/(3u),
// u = B/2 − |e|; NTC 2008 uniform N/(B − 2|e|).
TEST(TensioniTerreno, LinearAndUniformDistributionsAndTheResultantOutside) {
    const char* fuori3 = "Equilibrio violato !!\r\nN esterna in fondazione !!\r\nAllargare a valle";
    const char* fuori2 = "Equilibrio violato !!\r\nN esterna in fondazione !!";
    const CasoTensioni casi[] = {
        {"DM centred", NormativaDM1996, 0, 120, 20, 20, 6, nullptr},
        {"DM e = B/6 still wholly compressed", NormativaDM1996, 100, 100, 100.0f / 3, 0, 6, nullptr},
        {"DM e = B/6 on the heel side", NormativaDM1996, -100, 100, 0, 100.0f / 3, 6, nullptr},
        {"DM partial from the toe, e = 2", NormativaDM1996, 200, 100, 200.0f / 3, 0, 3, nullptr},
        {"DM partial from the heel, e = -2", NormativaDM1996, -200, 100, 0, 200.0f / 3, -3, nullptr},
        {"NTC centred", NormativaNTC2008, 0, 120, 20, 0, 6, nullptr},
        {"NTC toe side, e = 1", NormativaNTC2008, 100, 100, 25, 0, 4, nullptr},
        {"NTC heel side, e = -1", NormativaNTC2008, -100, 100, 0, 25, -4, nullptr},
        {"e = B/2 exactly", NormativaNTC2008, 300, 100, 0, 0, 0, fuori3},
        {"DM beyond the toe", NormativaDM1996, 400, 100, 0, 0, 0, fuori3},
        {"beyond the heel", NormativaNTC2008, -300, 100, 0, 0, 0, fuori2},
    };
    for (const CasoTensioni& c : casi) {
        SCOPED_TRACE(c.nome);
        test::RecordingMessagePort messaggi;
        VariabiliPubbliche v;
        v.Normativa = c.normativa;
        float sV = -1, sM = -1, b = -1;
        TensioniTerreno(v, c.M, c.N, 1, 6, sV, sM, b);
        EXPECT_NEAR(sV, c.sV, 1e-4);
        EXPECT_NEAR(sM, c.sM, 1e-4);
        EXPECT_NEAR(b, c.b, 1e-6);
        EXPECT_EQ(RisultanteFuoriBase(c.M, c.N, 6), c.messaggio != nullptr);
        if (c.messaggio == nullptr) {
            EXPECT_EQ(messaggi.conta(), 0u);
        } else {
            ASSERT_EQ(messaggi.conta(), 1u);
            EXPECT_EQ(messaggi.registrati()[0].testo, c.messaggio);
            EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Critico);
        }
    }
}

TEST(TensioniTerreno, NoAxialForceIsADivisionByZero) {
    test::RecordingMessagePort messaggi;
    VariabiliPubbliche v;
    float sV = 0, sM = 0, b = 0;
    try {
        TensioniTerreno(v, 10, 0, 1, 6, sV, sM, b);
        FAIL();
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Divisione per zero in TensioniTerreno: sforzo normale nullo");
    }
    EXPECT_EQ(messaggi.conta(), 0u);
}

}  // namespace
}  // namespace tavo
