// Qt's own dialogs speak Italian once the program has installed Qt's
// catalogue; without the catalogue the program still runs.

#include "app/ui/TraduzioniQt.h"
#include "tests/support/ProveFinestre.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include <filesystem>

namespace tavo::test {

class TraduzioniQtTest : public QObject {
    Q_OBJECT
private slots:
    void senzaCatalogoRestaInglese();
    void pulsantiStandardInItaliano();
};

namespace {

QStringList TestiPulsanti() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tavo"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
            box.button(QMessageBox::Cancel)->text()};
}

}  // namespace

void TraduzioniQtTest::senzaCatalogoRestaInglese() {
    // Runs first: no catalogue is installed yet in this program.
    const auto vuota = CartellaDiProva("senza_traduzioni");
    QVERIFY(!InstallaTraduzioniQt(*QCoreApplication::instance(), QString::fromStdString(vuota.string())));
    QCOMPARE(TestiPulsanti(), (QStringList{"&Yes", "&No", "Cancel"}));
}

void TraduzioniQtTest::pulsantiStandardInItaliano() {
    // The catalogue Debian's qt6-translations-l10n puts in Qt's translations folder.
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QVERIFY2(std::filesystem::exists(std::filesystem::path(cartella.toStdString()) / "qtbase_it.qm"),
             qPrintable(cartella));
    QVERIFY(InstallaTraduzioniQt(*QCoreApplication::instance()));
    QCOMPARE(TestiPulsanti(), (QStringList{QString::fromUtf8("&Sì"), "&No", "Annulla"}));
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::TraduzioniQtTest)
#include "TraduzioniQtTest.moc"
