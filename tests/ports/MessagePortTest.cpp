#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavo {
namespace {

TEST(MessagePort, RecordingFakeIsInstalledForItsLifetimeAndAnswersFromItsScript) {
    MessagePort* prima = &messaggi();
    {
        test::RecordingMessagePort porta;
        EXPECT_EQ(&messaggi(), &porta);
        porta.rispondi({true});
        messaggi().mostra("uno", Icona::Critico);
        EXPECT_TRUE(messaggi().chiedi("due?"));
        EXPECT_FALSE(messaggi().chiedi("tre?"));  // script used up: No
        ASSERT_EQ(porta.conta(), 3u);
        EXPECT_EQ(porta.registrati()[0].icona, Icona::Critico);
        EXPECT_TRUE(porta.registrati()[1].domanda);
    }
    EXPECT_EQ(&messaggi(), prima);
}

TEST(ErroreCalcolo, NonFiniteValuesThrow) {
    EXPECT_DOUBLE_EQ(verificaFinito(2.5, "x"), 2.5);
    EXPECT_THROW(verificaFinito(std::numeric_limits<double>::infinity(), "x"), ErroreCalcolo);
    EXPECT_THROW(verificaFinito(std::numeric_limits<double>::quiet_NaN(), "x"), ErroreCalcolo);
}

}  // namespace
}  // namespace tavo
