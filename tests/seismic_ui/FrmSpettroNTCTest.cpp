// The site search window driven through its widgets, offscreen.

#include "seismic/AzioneSismica.h"
#include "seismic/ui/FrmSpettroNTC.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace tavo {
namespace {

NodoReticolo Nodo(std::int32_t id, float lon, float lat) {
    NodoReticolo n = test::Nodo(id, lon, lat);
    for (float& ag : n.Ag) ag /= 10;
    return n;
}

}  // namespace

class FrmSpettroNTCTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::CartellaDati> cartella;
    std::unique_ptr<test::RecordingMessagePort> porta;
    std::unique_ptr<FrmSpettroNTC> finestra;
    NTC sisma;
    int consegne = 0;

    template <class T>
    T* w(const char* nome) {
        T* x = finestra->findChild<T*>(QString::fromUtf8(nome));
        if (!x) qFatal("missing widget %s", nome);
        return x;
    }
    QString testo(const char* nome) { return w<QLineEdit>(nome)->text(); }

    void Apre() {
        consegne = 0;
        finestra = std::make_unique<FrmSpettroNTC>(sisma, cartella->percorso(), [this] { ++consegne; },
                                                   Separatori{U',', U'.'});
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    }
    void Digita(const char* nome, const char* t) {
        QLineEdit* box = w<QLineEdit>(nome);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(t));
        QTest::keyClick(box, Qt::Key_Return);
    }
    void Sceglie(const char* nome, int posizione) {
        QComboBox* cmb = w<QComboBox>(nome);
        cmb->setCurrentIndex(posizione);
        emit cmb->activated(posizione);
    }

private slots:
    void init() {
        cartella = std::make_unique<test::CartellaDati>("finestra");
        cartella->scriveTutti({Nodo(1, 12.45f, 41.95f), Nodo(2, 12.45f, 41.85f), Nodo(3, 12.55f, 41.95f),
                               Nodo(4, 12.55f, 41.85f), Nodo(5, 12.61f, 43.07f)});
        porta = std::make_unique<test::RecordingMessagePort>();
        sisma = NTC{};
    }
    void cleanup() {
        finestra.reset();
        porta.reset();
        cartella.reset();
    }

    void progettoNuovo() {
        Apre();
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Ricerca del sito"));
        QVERIFY(w<QRadioButton>("optTipoRicerca0")->isChecked());
        QCOMPARE(w<QComboBox>("cmbStatoLimite")->currentIndex(), -1);
        QCOMPARE(w<QComboBox>("cmbSuolo")->placeholderText(), QStringLiteral("?"));
        QCOMPARE(testo("txtNTC0"), QStringLiteral("0"));
        QCOMPARE(testo("txtNTC10"), QStringLiteral("0,0000"));
        QCOMPARE(testo("txtNTC9"), QStringLiteral("0,1800"));
        QCOMPARE(testo("txtNTC5"), QString());
        QVERIFY(!w<QComboBox>("cmbComune0")->isVisible());
        QCOMPARE(w<QTableWidget>("GridNTC")->horizontalHeaderItem(2)->text(), QStringLiteral("Tc*"));
        QCOMPARE(w<QTableWidget>("GridNTC")->verticalHeaderItem(8)->text(), QStringLiteral("2475"));
        QVERIFY(porta->testi().empty());
    }

    void coordinateConInvioEOK() {
        Apre();
        Sceglie("cmbStatoLimite", 2);
        Sceglie("cmbSuolo", 1);
        Sceglie("cmbTopo", 0);
        Digita("txtNTC0", "50");
        Digita("txtCoord0", "12,5");
        Digita("txtCoord1", "41,9");
        QCOMPARE(w<QTableWidget>("GridNTC")->item(6, 0)->text(), QStringLiteral("0,085"));
        const QString kh = testo("txtNTC10");
        QVERIFY(kh != QStringLiteral("0,0000"));
        QVERIFY(porta->testi().empty());
        const QString percorso = qEnvironmentVariable("TAVO_BUILD_DIR") + QStringLiteral("/FrmSpettroNTC.png");
        QVERIFY(finestra->grab().save(percorso));
        QTest::mouseClick(w<QPushButton>("cmdOK0"), Qt::LeftButton);
        QVERIFY(!finestra->isVisible());
        QCOMPARE(consegne, 1);
        QCOMPARE(QString::fromStdString(FormatoNTC(sisma.KhNTC, ',')), kh);
        QCOMPARE(sisma.Longitudine, 12.5f);
    }

    void regioneEModi() {
        Apre();
        w<QRadioButton>("optTipoRicerca1")->click();
        QVERIFY(w<QComboBox>("cmbComune0")->isVisible());
        QVERIFY(w<QLineEdit>("txtCoord0")->isReadOnly());
        Sceglie("cmbComune0", 1);
        QCOMPARE(w<QComboBox>("cmbComune1")->currentText(), QStringLiteral("Perugia"));
        QCOMPARE(w<QComboBox>("cmbComune2")->currentText(), QStringLiteral("Assisi"));
        QCOMPARE(testo("txtCoord0"), QStringLiteral("12,61"));
        QCOMPARE(w<QTableWidget>("GridNTC")->item(0, 0)->text(), QStringLiteral("0,050"));  // on node 5
        w<QRadioButton>("optTipoRicerca2")->click();
        QVERIFY(!w<QComboBox>("cmbComune0")->isVisible());
        QCOMPARE(w<QComboBox>("cmbIsole")->currentText(), QStringLiteral("Isola Una"));
        QCOMPARE(w<QTableWidget>("GridNTC")->item(0, 0)->text(), QStringLiteral("0,100"));
        w<QRadioButton>("optTipoRicerca1")->click();
        QCOMPARE(w<QComboBox>("cmbComune0")->currentText(), QStringLiteral("Umbria"));
        QCOMPARE(w<QComboBox>("cmbComune2")->currentText(), QStringLiteral("Assisi"));
    }

    void annullaLasciaTuttoComEra() {
        sisma.VR = 50;
        const NTC prima = sisma;
        Apre();
        Sceglie("cmbStatoLimite", 2);
        Digita("txtCoord0", "12,5");
        Digita("txtCoord1", "41,9");
        QTest::mouseClick(w<QPushButton>("cmdOK1"), Qt::LeftButton);
        QVERIFY(!finestra->isVisible());
        QCOMPARE(consegne, 0);
        QCOMPARE(sisma.StatoLimite, prima.StatoLimite);
        QCOMPARE(sisma.AgTR, prima.AgTR);
        QCOMPARE(sisma.KhNTC, prima.KhNTC);
        QCOMPARE(sisma.Longitudine, prima.Longitudine);
    }

    void laChiusuraAccetta() {
        Apre();
        Sceglie("cmbStatoLimite", 2);
        Digita("txtCoord0", "12,5");
        Digita("txtCoord1", "41,9");
        finestra->close();
        QCOMPARE(consegne, 1);
        QCOMPARE(sisma.Latitudine, 41.9f);
        QCOMPARE(sisma.StatoLimite, SLV);
    }
};

}  // namespace tavo

QTEST_MAIN(tavo::FrmSpettroNTCTest)
#include "FrmSpettroNTCTest.moc"
