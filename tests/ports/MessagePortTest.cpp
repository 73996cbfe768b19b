#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

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

// One user action: a text shown again with the same icon goes no further;
// another icon is another message; every question is asked; the port in
// use before the action is back afterwards.
TEST(MessaggiSenzaRipetizioni, ShowsEachMessageOncePerActionAndAsksEveryQuestion) {
    test::RecordingMessagePort porta;
    porta.rispondi({true, false});
    {
        MessaggiSenzaRipetizioni azione;
        EXPECT_EQ(&messaggi(), &azione);
        for (int i = 0; i < 6; ++i) messaggi().mostra("Superati 11 giri", Icona::Nessuna);
        messaggi().mostra("Superati 11 giri", Icona::Critico);
        messaggi().mostra("altro", Icona::Nessuna, "titolo");
        EXPECT_TRUE(messaggi().chiedi("Proseguire ?"));
        EXPECT_FALSE(messaggi().chiedi("Proseguire ?"));
    }
    EXPECT_EQ(&messaggi(), &porta);
    messaggi().mostra("Superati 11 giri", Icona::Nessuna);  // the next action
    EXPECT_EQ(porta.testi(), (std::vector<std::string>{"Superati 11 giri", "Superati 11 giri", "altro",
                                                       "Proseguire ?", "Proseguire ?", "Superati 11 giri"}));
    EXPECT_EQ(porta.registrati()[1].icona, Icona::Critico);
    EXPECT_EQ(porta.registrati()[2].titolo, "titolo");
}

TEST(ErroreCalcolo, NonFiniteValuesThrow) {
    EXPECT_DOUBLE_EQ(verificaFinito(2.5, "x"), 2.5);
    EXPECT_THROW(verificaFinito(std::numeric_limits<double>::infinity(), "x"), ErroreCalcolo);
    EXPECT_THROW(verificaFinito(std::numeric_limits<double>::quiet_NaN(), "x"), ErroreCalcolo);
}

}  // namespace
}  // namespace tavo
