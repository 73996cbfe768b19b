// The partial-coefficient dialog, driven through its boxes and buttons.

#include "analysis/CoefficientiParziali.h"
#include "analysis/ui/FrmGamma.h"
#include "app/FileImpostazioni.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/ui/FinestraDiProva.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace tavo::test {

class FrmGammaTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aperturaMostraLeDueTabelle();
    void okLeggeEntrambeLePagine();
    void annullaLasciaLeTabelle();
    void valoriDiDefaultPoiAnnulla();
    void salvaNelFileTavoIni();
    void invioPassaAllaCasellaSuccessiva();
    void coefficienteNonValidoRifiutatoPerNome();
    void apertoDalMenuImpostazioniSullaPagina();

private:
    QLineEdit* box(FrmGamma& d, int pagina, int i) {
        return d.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(pagina == 0 ? "txtCoefParz" : "txtCoefParz1").arg(i));
    }
    void scrive(QLineEdit* b, const QString& t) {
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, t);
    }
    void premi(FrmGamma& d, int i) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOK_%1").arg(i)), Qt::LeftButton);
    }
    RecordingMessagePort porta;
    VariabiliPubbliche stato;
    int salvataggi = 0;
};

void FrmGammaTest::init() {
    stato = VariabiliPubbliche{};
    CoefficientiParzialiDefault(stato);
    salvataggi = 0;
    porta.svuota();
}

void FrmGammaTest::aperturaMostraLeDueTabelle() {
    FrmGamma d(stato, {}, SeparatoriItaliani);
    QCOMPARE(d.windowTitle(), QStringLiteral("Coefficienti parziali SLU"));
    auto* tab = d.findChild<QTabWidget*>("SSTab1");
    QCOMPARE(tab->tabText(0), QStringLiteral("Verifiche STATICHE"));
    QCOMPARE(tab->tabText(1), QStringLiteral("Verifiche SISMICHE"));
    // Default tables (NTC 2008): static 1..4 1.25, 9 0.9, 19 1.3; seismic 5..28 1.
    QCOMPARE(box(d, 0, 1)->text(), QStringLiteral("1,25"));
    QCOMPARE(box(d, 0, 9)->text(), QStringLiteral("0,9"));
    QCOMPARE(box(d, 0, 19)->text(), QStringLiteral("1,3"));
    QCOMPARE(box(d, 1, 4)->text(), QStringLiteral("1,25"));
    QCOMPARE(box(d, 1, 28)->text(), QStringLiteral("1"));
}

void FrmGammaTest::okLeggeEntrambeLePagine() {
    FrmGamma d(stato, {}, SeparatoriItaliani);
    d.show();
    d.MostraPagina(0);
    scrive(box(d, 0, 5), "1,2");
    scrive(box(d, 1, 28), "0");  // the deck's horizontal action may be left out
    scrive(box(d, 1, 26), " 1,1 ");
    premi(d, 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(stato.CoefParzStatici(5), 1.2f);
    QCOMPARE(stato.CoefParzSismici(28), 0.f);
    QCOMPARE(stato.CoefParzSismici(26), 1.1f);
    QVERIFY(porta.testi().empty());
}

void FrmGammaTest::annullaLasciaLeTabelle() {
    FrmGamma d(stato, {}, SeparatoriItaliani);
    d.show();
    scrive(box(d, 0, 1), "2");
    premi(d, 1);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(stato.CoefParzStatici(1), 1.25f);
}

void FrmGammaTest::valoriDiDefaultPoiAnnulla() {
    stato.CoefParzStatici(17) = 3;
    stato.CoefParzSismici(1) = 3;
    FrmGamma d(stato, {}, SeparatoriItaliani);
    d.show();
    QCOMPARE(box(d, 0, 17)->text(), QStringLiteral("3"));
    premi(d, 3);
    QVERIFY(d.isVisible());
    QCOMPARE(box(d, 0, 17)->text(), QStringLiteral("1,5"));
    QCOMPARE(box(d, 1, 1)->text(), QStringLiteral("1,25"));
    premi(d, 1);
    // "&Annulla" after "&Valori di default": the defaults stay in force.
    QCOMPARE(stato.CoefParzStatici(17), 1.5f);
    QCOMPARE(stato.CoefParzSismici(1), 1.25f);
}

void FrmGammaTest::salvaNelFileTavoIni() {
    const auto cartella = CartellaDiProva("gamma_ini");
    FrmGamma d(stato, [&] { FileIniLeggeScrive(Modo::Scrittura, cartella, stato); ++salvataggi; }, SeparatoriItaliani);
    d.show();
    scrive(box(d, 1, 2), "1,4");
    premi(d, 2);
    QVERIFY(d.isVisible());
    QCOMPARE(salvataggi, 1);
    QCOMPARE(stato.CoefParzSismici(2), 1.4f);
    VariabiliPubbliche riletto;
    QVERIFY(FileIniLeggeScrive(Modo::Lettura, cartella, riletto));
    QCOMPARE(riletto.CoefParzSismici(2), 1.4f);
    QCOMPARE(riletto.CoefParzStatici, stato.CoefParzStatici);
    premi(d, 1);
    QCOMPARE(stato.CoefParzSismici(2), 1.4f);
}

void FrmGammaTest::invioPassaAllaCasellaSuccessiva() {
    FrmGamma d(stato, {}, SeparatoriItaliani);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    for (int p = 0; p < 2; ++p) {
        d.MostraPagina(p);
        box(d, p, 7)->setFocus();
        QTest::keyClick(box(d, p, 7), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(d, p, 8));
        box(d, p, 28)->setFocus();
        QTest::keyClick(box(d, p, 28), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), box(d, p, 1));
    }
    QVERIFY(d.isVisible());  // Enter never presses a button
    // The keypad's decimal key types the regional separator here too.
    SeparatoriInstallati italiani(SeparatoriItaliani);
    QLineEdit* b = box(d, 1, 1);
    scrive(b, "1");
    QTest::keyClick(b, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(b, "3");
    QCOMPARE(b->text(), QStringLiteral("1,3"));
}

// A box that is no positive number (no negative one where 0 is allowed)
// keeps the dialog open with one message that names it, and changes nothing.
void FrmGammaTest::coefficienteNonValidoRifiutatoPerNome() {
    const std::string esempio = " non è un numero: scrivere ad esempio 1.234,5 (separatore decimale \",\").";
    struct Caso { int pagina; int casella; const char* testo; std::string messaggio; };
    const Caso casi[] = {
        {1, 28, "", "Dato non valido in \"Verifiche SISMICHE, Azione orizzontale impalcato, Schiacc.\": manca il valore."},
        {0, 1, "x", "Dato non valido in \"Verifiche STATICHE, Angolo d'attrito interno, Parete\": \"x\"" + esempio},
        {0, 2, "1.5", "Dato non valido in \"Verifiche STATICHE, Angolo d'attrito interno, Ribalt.\": \"1.5\"" + esempio},
        {1, 26, "1,1abc", "Dato non valido in \"Verifiche SISMICHE, Azione orizzontale impalcato, Ribalt.\": \"1,1abc\"" + esempio},
        {0, 1, "0", "Dato non valido in \"Verifiche STATICHE, Angolo d'attrito interno, Parete\": deve essere maggiore di zero."},
        {0, 5, "-1", "Dato non valido in \"Verifiche STATICHE, Peso cuneo di spinta, Parete\": deve essere maggiore di zero."},
        {1, 24, "0", "Dato non valido in \"Verifiche SISMICHE, Azione verticale impalcato, Schiacc.\": deve essere maggiore di zero."},
        {0, 18, "-0,1", "Dato non valido in \"Verifiche STATICHE, Sovraccarico, Ribalt.\": non può essere minore di zero."},
        {0, 4, "1E+40", "Dato non valido in \"Verifiche STATICHE, Angolo d'attrito interno, Schiacc.\": \"1E+40\" è fuori scala."},
    };
    for (const Caso& c : casi) {
        porta.svuota();
        FrmGamma d(stato, [&] { ++salvataggi; }, SeparatoriItaliani);
        d.show();
        scrive(box(d, 0, 3), "5");  // read before the refused box, still not kept
        box(d, c.pagina, c.casella)->setText(QString::fromUtf8(c.testo));
        for (int pulsante : {0, 2}) {
            premi(d, pulsante);
            QVERIFY2(d.isVisible(), c.testo);
        }
        QCOMPARE(porta.testi(), (std::vector<std::string>{c.messaggio, c.messaggio}));
        QCOMPARE(salvataggi, 0);
        QCOMPARE(stato.CoefParzStatici(3), 1.25f);
        QCOMPARE(stato.CoefParzSismici(28), 1.f);
    }
}

void FrmGammaTest::apertoDalMenuImpostazioniSullaPagina() {
    FinestraDiProva f(CartellaDiProva("gamma_menu"));
    int pagina = -1;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<FrmGamma*>(QApplication::activeModalWidget());
        QVERIFY(d);
        pagina = d->findChild<QTabWidget*>("SSTab1")->currentIndex();
        auto* b = d->findChild<QLineEdit*>("txtCoefParz1_9");
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, "1,05");
        QTest::mouseClick(d->findChild<QPushButton*>("cmdOK_0"), Qt::LeftButton);
    });
    f.controllo<QAction>("mnuinpostazioniItem_1")->trigger();
    QCOMPARE(pagina, 1);
    QCOMPARE(f.stato.CoefParzSismici(9), 1.05f);
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::FrmGammaTest)
#include "FrmGammaTest.moc"
