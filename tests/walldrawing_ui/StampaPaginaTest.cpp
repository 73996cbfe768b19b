// The drawing printed on A4, portrait and landscape, into a PDF file: every
// text of the drawing (title, code, labels and each line of the results
// block) is on the page, as pdftotext reads it back (it drops what lies
// outside the page), for the abutment under NTC 2008 and the wall under
// DM 1996.

#include "drawing/ui/SuperficiePainter.h"
#include "tests/support/ProveFinestre.h"
#include "tests/support/RecordingSuperficie.h"
#include "tests/walldrawing/EsempioCalcolato.h"
#include "tests/walldrawing_ui/PaginaPdf.h"
#include "walldrawing/DisegnoTavo.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include <filesystem>

namespace tavo {

namespace {

QString SenzaSpazi(QString t) {
    t.remove(QRegularExpression(QStringLiteral("\\s")));
    return t;
}

}  // namespace

class StampaPaginaTest : public QObject {
    Q_OBJECT

private slots:
    void ogniRigaSullaPagina_data() {
        QTest::addColumn<bool>("dm");
        QTest::addColumn<bool>("orizzontale");
        QTest::newRow("NTC verticale") << false << false;
        QTest::newRow("NTC orizzontale") << false << true;
        QTest::newRow("DM verticale") << true << false;
        QTest::newRow("DM orizzontale") << true << true;
    }

    void ogniRigaSullaPagina() {
        QFETCH(bool, dm);
        QFETCH(bool, orizzontale);
        const test::Progetto& p = dm ? test::MuroCalcolato() : test::SpallaCalcolata();
        const std::filesystem::path cartella = test::CartellaDiProva(QTest::currentDataTag());
        const QString pdf = QString::fromStdString((cartella / "disegno.pdf").string());
        {
            QPrinter stampante(QPrinter::HighResolution);
            test::ImpostaPaginaPdf(stampante, pdf, QPageSize::A4, orizzontale);
            QPainter painter(&stampante);
            SuperficiePainter superficie(painter);
            Grafica g;
            g.Stampante = &superficie;
            DisegnoTavo(g, p.v, p.ntc).PlottaTavo(UscitaGrafica::STAMPANTE);
        }
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        // Compatibility form: the PDF's ligatures (fi) read as their letters.
        const QString letto = SenzaSpazi(QString::fromUtf8(pdftotext.readAllStandardOutput())
                                             .normalized(QString::NormalizationForm_KC));

        // The texts the drawing writes, as a recording printer receives them.
        test::RecordingSuperficie registro(9921, 14031);
        Grafica g;
        g.Stampante = &registro;
        DisegnoTavo(g, p.v, p.ntc).PlottaTavo(UscitaGrafica::STAMPANTE);
        QVERIFY(registro.testi().size() > 30);
        for (const auto& t : registro.testi()) {
            const QString testo = SenzaSpazi(QString::fromStdString(t.testo));
            QVERIFY2(letto.contains(testo), qPrintable(QStringLiteral("manca: ") + testo));
        }
        QVERIFY(letto.contains(QStringLiteral("Msbalzomonte=")));
    }
};

}  // namespace tavo

QTEST_MAIN(tavo::StampaPaginaTest)
#include "StampaPaginaTest.moc"
