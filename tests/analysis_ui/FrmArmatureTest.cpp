// The reinforcement window driven through its boxes and its button.

#include "analysis/ReportArmature.h"
#include "analysis/ui/FrmArmature.h"
#include "fileio/Separatori.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace tavo {

class FrmArmatureTest : public QObject {
    Q_OBJECT

    test::Progetto p;
    test::RecordingFinestraPrincipale principale;
    std::unique_ptr<test::RecordingMessagePort> porta;
    std::unique_ptr<SeparatoriInstallati> separatori;

private slots:
    void init() {
        p = test::Spalla();
        porta = std::make_unique<test::RecordingMessagePort>();
        separatori = std::make_unique<SeparatoriInstallati>(Separatori{U',', U'.'});
    }
    void cleanup() {
        separatori.reset();
        porta.reset();
    }

    void openingShowsTheSettingsAndTheReport() {
        p.v.CoeffOmogeneizzazione = 0;  // takes its default
        FrmArmature w(p.v, p.ntc, principale);
        QCOMPARE(w.windowTitle(), QStringLiteral("Armature e Verifiche"));
        QCOMPARE(w.Command1()->text(), QStringLiteral("Ricalcola"));
        QStringList etichette;
        for (const QLabel* l : w.findChildren<QLabel*>()) etichette << l->text();
        for (const char* t : {"Distanza fra le sezioni", "Copriferro", "Es/Ec", "N/mm²"})
            QVERIFY2(etichette.contains(QString::fromUtf8(t)), t);
        QCOMPARE(w.txtDati(0)->text(), QStringLiteral("0,5"));
        QCOMPARE(w.txtDati(1)->text(), QStringLiteral("4"));
        QCOMPARE(w.txtDati(2)->text(), QStringLiteral("391,3"));  // fyd under NTC 2008
        QCOMPARE(w.txtDati(3)->text(), QStringLiteral("15"));
        QVERIFY(w.lblFyd()->isVisibleTo(&w));
        QVERIFY(!w.lbl1()->isVisibleTo(&w));
        test::Progetto q = test::Spalla();
        q.v.CoeffOmogeneizzazione = 15;
        const std::optional<std::string> atteso = ListaArmature(q.v, q.ntc, principale);
        QVERIFY(atteso);
        QCOMPARE(w.TestoReport(), *atteso);
        QCOMPARE(w.Text1()->toPlainText(), QString::fromStdString(*atteso).replace("\r\n", "\n"));
        QCOMPARE(porta->conta(), std::size_t{0});
    }

    void underDm1996BoxTwoIsTheAdmissibleStress() {
        p.v.Normativa = NormativaDM1996;
        p.v.SigmaAcciaioAmm = 0;
        FrmArmature w(p.v, p.ntc, principale);
        QCOMPARE(w.txtDati(2)->text(), QStringLiteral("255"));
        QVERIFY(w.lbl1()->isVisibleTo(&w));
        QVERIFY(!w.lblFyd()->isVisibleTo(&w));
    }

    void ricalcolaReadsTheBoxes() {
        FrmArmature w(p.v, p.ntc, principale);
        w.txtDati(0)->clear();
        QTest::keyClicks(w.txtDati(0), "1");
        w.txtDati(1)->clear();
        QTest::keyClicks(w.txtDati(1), "3");
        QTest::keyClick(w.txtDati(1), Qt::Key_Period, Qt::KeypadModifier);  // the regional decimal
        QTest::keyClicks(w.txtDati(1), "5");
        QCOMPARE(w.txtDati(1)->text(), QStringLiteral("3,5"));
        w.txtDati(2)->setText(QStringLiteral("450"));
        QTest::mouseClick(w.Command1(), Qt::LeftButton);
        QCOMPARE(p.v.DistanzaSezioni, 1.0f);
        QCOMPARE(p.v.Copriferro, 3.5f);
        QCOMPARE(p.v.fyd, 450.0f);
        QCOMPARE(p.v.SigmaAcciaioAmm, 255.0f);
        // Stem 5.5 m at 1 m: 5.5, 4.5, ..., 0.5.
        QVERIFY(w.TestoReport().find("\r\n0,5\t") != std::string::npos);
        QVERIFY(w.TestoReport().find("\r\n1,5\t") != std::string::npos);
        QVERIFY(w.TestoReport().find("\r\n5\t") == std::string::npos);
        QCOMPARE(porta->conta(), std::size_t{0});
    }

    void aFailedRicalcolaLeavesNoReportUnderTheNewBoxes() {
        AvvisoProgetto avviso;
        QSignalSpy annunci(&avviso, &AvvisoProgetto::cambiato);
        FrmArmature w(p.v, p.ntc, principale, nullptr, &avviso);
        QVERIFY(!w.TestoReport().empty());
        w.txtDati(1)->setText(QStringLiteral("40"));  // 400 mm of cover on a 300 mm backwall
        QTest::mouseClick(w.Command1(), Qt::LeftButton);
        QCOMPARE(porta->testi(),
                 std::vector<std::string>{"Errore in ListaArmature. Errore in Progetto: altezza della sezione "
                                          "non maggiore del copriferro"});
        QCOMPARE(w.TestoReport(), std::string());
        QCOMPARE(w.Text1()->toPlainText(), QString());
        QCOMPARE(p.v.AltezzaParete, 5.5f);
        // The other windows are told after every "Ricalcola", built or not.
        QCOMPARE(annunci.count(), 1);
        // Told again with nothing changed, the window does not try the same
        // report a second time.
        porta->svuota();
        avviso.Avvisa();
        QCOMPARE(porta->conta(), std::size_t{0});
        QCOMPARE(w.TestoReport(), std::string());

        w.txtDati(1)->setText(QStringLiteral("4"));
        QTest::mouseClick(w.Command1(), Qt::LeftButton);
        QVERIFY(!w.TestoReport().empty());
        w.txtDati(3)->setText(QStringLiteral("1E40"));
        QTest::mouseClick(w.Command1(), Qt::LeftButton);
        QCOMPARE(porta->testi(), std::vector<std::string>{"Dato non valido in \"Es/Ec\": \"1E40\" è fuori scala."});
        QCOMPARE(p.v.Copriferro, 4.0f);  // nothing read
        QCOMPARE(w.TestoReport(), std::string());
        QCOMPARE(annunci.count(), 4);
    }

    // A point typed under Italian settings is no decimal: the box is
    // refused by its caption, not read as five.
    void aBoxThatIsNoNumberIsRefusedByName() {
        FrmArmature w(p.v, p.ntc, principale);
        w.txtDati(0)->setText(QStringLiteral("0.5"));
        QTest::mouseClick(w.Command1(), Qt::LeftButton);
        QCOMPARE(porta->testi(), std::vector<std::string>{"Dato non valido in \"Distanza fra le sezioni\": \"0.5\" non è "
                                                          "un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\")."});
        QCOMPARE(p.v.DistanzaSezioni, 0.5f);
        // No report of settings the boxes do not show.
        QCOMPARE(w.TestoReport(), std::string());
    }

    void enterMovesThroughTheBoxesToRicalcola() {
        FrmArmature w(p.v, p.ntc, principale);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtDati(0)->setFocus();
        QTRY_COMPARE(w.txtDati(0)->selectedText(), w.txtDati(0)->text());  // focus selects the text
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(w.txtDati(i), Qt::Key_Return);
            QWidget* atteso = i < 3 ? static_cast<QWidget*>(w.txtDati(i + 1)) : w.Command1();
            QTRY_COMPARE(QApplication::focusWidget(), atteso);
        }
    }

    void theReportFillsTheWindowBelowTheBoxes() {
        FrmArmature w(p.v, p.ntc, principale);
        w.show();
        w.resize(700, 500);
        QTRY_COMPARE(w.Text1()->width(), w.width());
        QCOMPARE(w.Text1()->x(), 0);
        QCOMPARE(w.Text1()->geometry().bottom(), w.height() - 1);
        QVERIFY(w.Text1()->y() > w.txtDati(0)->geometry().bottom());
    }

    void aWindowJustClosedGivesWayToANewOne() {
        QWidget principaleQt;
        AvvisoProgetto avviso;
        QPointer<FrmArmature> prima(MostraFrmArmature(&principaleQt, p.v, p.ntc, principale, avviso));
        prima->close();
        QPointer<FrmArmature> dopo(MostraFrmArmature(&principaleQt, p.v, p.ntc, principale, avviso));
        QVERIFY(dopo != prima);
        QTRY_VERIFY(prima.isNull());
        QVERIFY(dopo && dopo->isVisible());
        dopo->close();
        QTRY_VERIFY(dopo.isNull());
    }

    void theMenuEntryOpensOneWindow() {
        QWidget principaleQt;
        AvvisoProgetto avviso;
        FrmArmature* a = MostraFrmArmature(&principaleQt, p.v, p.ntc, principale, avviso);
        FrmArmature* b = MostraFrmArmature(&principaleQt, p.v, p.ntc, principale, avviso);
        QCOMPARE(a, b);
        QVERIFY(a->isVisible());
        QVERIFY(a->testAttribute(Qt::WA_DeleteOnClose));
        QPointer<FrmArmature> guardia(a);
        a->close();
        QTRY_VERIFY(guardia.isNull());
    }
};

}  // namespace tavo

QTEST_MAIN(tavo::FrmArmatureTest)
#include "FrmArmatureTest.moc"
