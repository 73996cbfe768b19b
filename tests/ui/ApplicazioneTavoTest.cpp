// The program's last guard: an error that leaves a window's event handler
// becomes one message, and the program goes on with its next event.

#include "app/ui/ApplicazioneTavo.h"
#include "ports/GuardiaEventi.h"
#include "tests/support/RecordingMessagePort.h"

#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace tavo::test {

class ApplicazioneTavoTest : public QObject {
    Q_OBJECT
private slots:
    void unErroreInUnEventoDiventaUnMessaggio();
};

void ApplicazioneTavoTest::unErroreInUnEventoDiventaUnMessaggio() {
    RecordingMessagePort porta;
    QPushButton bottone;
    int clic = 0;
    QObject::connect(&bottone, &QPushButton::clicked, [&clic] {
        if (++clic == 1) throw std::runtime_error("CalcolaAzioneSismica: risultato non finito");
    });
    bottone.show();
    QTest::mouseClick(&bottone, Qt::LeftButton);
    QCOMPARE(porta.testi(), std::vector<std::string>{MessaggioErroreImprevisto(
                                "CalcolaAzioneSismica: risultato non finito")});
    QCOMPARE(porta.registrati()[0].icona, Icona::Critico);
    QVERIFY(porta.testi()[0].starts_with("Errore imprevisto: l'operazione è stata interrotta.\r\n"));
    // The program is still there and the button works.
    QTest::mouseClick(&bottone, Qt::LeftButton);
    QCOMPARE(clic, 2);
    QCOMPARE(porta.conta(), std::size_t{1});
}

}  // namespace tavo::test

int main(int argc, char** argv) {
    tavo::ApplicazioneTavo app(argc, argv);
    tavo::test::ApplicazioneTavoTest prova;
    return QTest::qExec(&prova, argc, argv);
}
#include "ApplicazioneTavoTest.moc"
