#include "tests/ui/FinestraDiProva.h"

#include "app/ui/GrigliaFlex.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace tavo::test {

class FrmTavoMainTest : public QObject {
    Q_OBJECT
private slots:
    void avvioConUnFileSullaRigaDiComando();
};

void FrmTavoMainTest::avvioConUnFileSullaRigaDiComando() {
    const auto cartella = CartellaDiProva("avvio");
    FinestraDiProva f(cartella, Esempio("Spalla.Tav").string());
    QCOMPARE(f.finestra->windowTitle(), QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: Spalla"));
    QCOMPARE(f.dati(0)->text(), QStringLiteral("1,8"));
    f.finestra->grab().save(QString::fromStdString((cartella / "finestra.png").string()));
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::FrmTavoMainTest)
#include "FrmTavoMainTest.moc"
