// The main window on walls that cannot overturn and on sections that cannot
// exist: what the overturning box shows, and the one message that refuses a
// section, naming the field by the caption the window shows beside it.

#include "tests/ui/FinestraDiProva.h"

#include "app/ui/GrigliaFlex.h"
#include "fileio/NumeriRegionali.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace tavo::test {

class FrmTavoMainVerificheTest : public QObject {
    Q_OBJECT
private slots:
    void muroCheNonPuoRibaltare();
    void sezioneImpossibileRifiutataConIlNomeDelCampo();
};

namespace {

// A low wall on a wide footing (stem height H, footing B, heel L2), its one
// side of ground 10 m long falling by `caduta`, no deck; NTC 2008 with
// the seismic coefficients kh, kv.
void DigitaMuroBasso(FinestraDiProva& f, const char* H, const char* B, const char* L2, const char* caduta,
                     const char* kh = "0,1", const char* kv = "0,05") {
    const char* valori[] = {"0", "0,25", "0", H,    "0,75", "0,75", "1",  L2,  B,     "30",
                            "20", "30",  "18", "25", kh,     "0",    "0", "0", kv};
    for (int i = 0; i < NumeroCampiDati; ++i) f.scrive(f.dati(i), QString::fromUtf8(valori[i]));
    f.scrive(f.box("txtNTratti"), "1");
    QTest::keyClick(f.box("txtNTratti"), Qt::Key_Return);
    auto* g = f.controllo<GrigliaFlex>("FlexGrid");
    for (const char* v : {"10", caduta, "0"}) {
        QTest::keyClicks(g->editor(), v);
        QTest::keyClick(g->editor(), Qt::Key_Return);
    }
}

void Calcola(const FinestraDiProva& f) {
    QTest::mouseClick(f.controllo<QPushButton>("cbCalcolo"), Qt::LeftButton);
}

QLineEdit* SicurezzaRibaltamento(const FinestraDiProva& f) { return f.box("txtMNfondazione_4"); }

// The caption of the label tied to `box`.
QString Etichetta(const FinestraDiProva& f, QLineEdit* box) {
    for (const QLabel* l : f.finestra->findChildren<QLabel*>())
        if (l->buddy() == box) return l->text();
    return {};
}

}  // namespace

void FrmTavoMainVerificheTest::muroCheNonPuoRibaltare() {
    FinestraDiProva f(CartellaDiProva("non_ribaltabile"));
    // Ground falling at 45°, below the heel's foot: no thrust; without an
    // earthquake no combination can overturn.
    DigitaMuroBasso(f, "1", "8", "6", "-10", "0", "0");
    Calcola(f);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QCOMPARE(SicurezzaRibaltamento(f)->text(), QStringLiteral("non ribaltabile"));
    QCOMPARE(SicurezzaRibaltamento(f)->palette().color(QPalette::Text), QColor(Qt::black));
    // The words fit in the box, which is no narrower than before.
    const QLineEdit* box = SicurezzaRibaltamento(f);
    QVERIFY(box->width() >= 80);
    QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) + 8 <= box->width());
    QVERIFY(SalvaImmagine(*f.finestra, "FinestraNonRibaltabile.png"));

    // Only the seismic increment overturns it: the static combination, whose
    // factor is negative, does not govern; listed alone it says it cannot overturn.
    DigitaMuroBasso(f, "2", "6", "4", "-6");
    Calcola(f);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QCOMPARE(f.stato.CombGravosaRibaltamento, 3);
    QCOMPARE(SicurezzaRibaltamento(f)->text().toStdString(),
             FormattaValore(f.stato.FsRibaltamento(3), SeparatoriItaliani));
    QCOMPARE(SicurezzaRibaltamento(f)->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(f.controllo<QLabel>("lblTipoVerifica_0")->text(), QStringLiteral("?3"));
    auto* combinazioni = f.controllo<QComboBox>("cmbCombinazione");
    combinazioni->setCurrentIndex(1);
    emit combinazioni->activated(1);
    QCOMPARE(SicurezzaRibaltamento(f)->text(), QStringLiteral("non ribaltabile"));
    QCOMPARE(SicurezzaRibaltamento(f)->palette().color(QPalette::Text), QColor(Qt::black));
}

void FrmTavoMainVerificheTest::sezioneImpossibileRifiutataConIlNomeDelCampo() {
    FinestraDiProva f(CartellaDiProva("sezione_impossibile"));
    DigitaMuroBasso(f, "-4,5", "8", "6", "-10");
    Calcola(f);
    const QString campo = Etichetta(f, f.dati(3));
    QCOMPARE(campo, QStringLiteral("Altezza parete (m)"));
    QCOMPARE(f.porta.testi(),
             std::vector<std::string>{"Dato non valido in \"" + campo.toStdString() +
                                      "\": deve essere maggiore di zero."});
    QCOMPARE(f.porta.registrati()[0].icona, Icona::Critico);
    // Nothing computed, nothing to save.
    QVERIFY(SicurezzaRibaltamento(f)->text().isEmpty());
    QVERIFY(!f.controllo<QAction>("MnufileItem_2")->isEnabled());

    // A toe of -0.5 m: the footing narrower than heel plus stem base.
    f.porta.svuota();
    DigitaMuroBasso(f, "1", "4,25", "4", "-10");
    Calcola(f);
    QCOMPARE(f.porta.testi(),
             std::vector<std::string>{"Dato non valido in \"" + Etichetta(f, f.dati(8)).toStdString() +
                                      "\": è minore di \"" + Etichetta(f, f.dati(7)).toStdString() + "\" più \"" +
                                      Etichetta(f, f.dati(5)).toStdString() +
                                      "\": la punta della fondazione sarebbe negativa."});
    QVERIFY(SicurezzaRibaltamento(f)->text().isEmpty());
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::FrmTavoMainVerificheTest)
#include "FrmTavoMainVerificheTest.moc"
