// The bytes the program writes do not depend on the user's locale: once a
// QCoreApplication exists, the C library's number formatting follows the
// locale of the environment (with an Italian locale printf("%.1f", 2.5)
// gives "2,5"), and nothing of the files may change with it.

#include "app/FileProgetto.h"
#include "fileio/FileSuDisco.h"
#include "fileio/NumeriRegionali.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingMessagePort.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tavo {
namespace {

namespace fs = std::filesystem;

std::string Scritto(test::Progetto p) {
    FileRighe f;
    FileLeggeScrive(f, p.v, p.ntc);
    return f.contenuto();
}

std::string Contenuto(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string StampaC(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

TEST(LocaleQt, IByteScrittiSonoGliStessiConLaLocaleItalianaDiQt) {
    test::RecordingMessagePort porta;
    const test::Progetto spalla = test::Spalla();
    const test::Progetto muro = test::Muro();
    const std::string spallaC = Scritto(spalla);
    const std::string muroC = Scritto(muro);

    // The program's environment: LC_ALL as the test runner sets it, else Italian.
    setenv("LC_ALL", "it_IT.UTF-8", 0);
    int argc = 1;
    char nome[] = "test_app_locale";
    char* argv[] = {nome, nullptr};
    QCoreApplication applicazione(argc, argv);
    if (StampaC(2.5) != "2,5") {
        GTEST_SKIP() << "la locale it_IT.UTF-8 non è installata su questa macchina (scripts/setup.sh la genera): "
                        "setlocale ha dato "
                     << std::setlocale(LC_ALL, nullptr);
    }

    // The separators of the user interface come from the system locale.
    const QLocale sistema = QLocale::system();
    const Separatori s = SeparatoriDaLocale(sistema.decimalPoint().toStdString(),
                                            sistema.groupSeparator().toStdString());
    EXPECT_EQ(s, (Separatori{U',', U'.'}));
    EXPECT_EQ(ValLocale("1.234,5", s), 1234.5);
    EXPECT_EQ(FormattaValore(1234.5, s), " 1.235");

    EXPECT_EQ(Scritto(spalla), spallaC);
    EXPECT_EQ(Scritto(muro), muroC);
    EXPECT_EQ(Scritto(test::SpallaDiEsempio()), Contenuto(test::CartellaSorgenti() / "examples/Spalla.Tav"));

    // A round trip through the disk under the same locale.
    const fs::path p = fs::temp_directory_path() / "tavo_locale_qt.Tav";
    ASSERT_TRUE(SalvaFileProgetto(p, spalla.v, spalla.ntc));
    EXPECT_EQ(Contenuto(p), spallaC);
    test::Progetto letto;
    ASSERT_TRUE(ApreFileProgetto(test::CartellaSorgenti() / "examples/Muro.Tav", letto.v, letto.ntc));
    EXPECT_EQ(Scritto(letto), muroC);
    fs::remove(p);

    // Other locales of the C library change nothing either.
    for (const char* locale : {"fr_FR.UTF-8", "de_CH.UTF-8", "en_US.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale)) {
            std::printf("la locale %s non è installata: non è provata\n", locale);
            continue;
        }
        EXPECT_EQ(Scritto(spalla), spallaC) << locale;
    }
    EXPECT_EQ(porta.conta(), 0u);
}

// The separators that the windows take from a locale, and what the core
// makes of them, agree with Qt's own formatting of that locale: the same
// digits and separators for a grouped value, and the text Qt shows reads
// back to its number.
TEST(LocaleQt, ISeparatoriDiOgniLocaleFormattanoComeQt) {
    const std::pair<const char*, Separatori> casi[] = {{"it_IT", {U',', U'.'}},
                                                       {"en_US", {U'.', U','}},
                                                       {"fr_FR", {U',', 0x202F}},
                                                       {"de_CH", {U'.', 0x2019}}};
    for (const auto& [nome, attesi] : casi) {
        const QLocale locale(QString::fromLatin1(nome));
        const Separatori s =
            SeparatoriDaLocale(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
        EXPECT_EQ(s, attesi) << nome;
        EXPECT_EQ(FormattaValore(12345.6, s), " " + locale.toString(12346.0, 'f', 0).toStdString()) << nome;
        EXPECT_EQ(FormattaValore(-2.5, s), locale.toString(-2.5, 'f', 3).toStdString()) << nome;
        EXPECT_EQ(ValLocale(locale.toString(1234567.8, 'f', 1).toStdString(), s), 1234567.8) << nome;
    }
}

}  // namespace
}  // namespace tavo
