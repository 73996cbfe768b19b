// The ground-profile grid of the main window and its floating editor,
// driven with the keyboard as the user drives it.

#include "tests/ui/FinestraDiProva.h"

#include "app/ui/GrigliaFlex.h"

#include <QPushButton>
#include <QtTest>

namespace tavo::test {

class GrigliaFlexTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void invioScendePoiCambiaColonnaPoiVaAlCalcolo();
    void unaCifraSostituisceEscAnnulla();
    void tastoZeroSuCellaVuotaApreUnEditorVuoto();
    void frecceTornanoAllaGriglia();
    void tastoDecimaleDelTastierinoScriveLaVirgola();
    void numeroDiLatiNonNumericoLasciaLaGriglia();

private:
    GrigliaFlex* griglia() const { return f->controllo<GrigliaFlex>(QStringLiteral("FlexGrid")); }
    QLineEdit* editor() const { return griglia()->editor(); }
    // Sizes the grid for `lati` sides from the side-count box.
    void dimensiona(int lati) {
        QLineEdit* n = f->box(QStringLiteral("txtNTratti"));
        f->scrive(n, QString::number(lati));
        QTest::keyClick(n, Qt::Key_Return);
    }
    std::unique_ptr<FinestraDiProva> f;
};

void GrigliaFlexTest::init() { f = std::make_unique<FinestraDiProva>(CartellaDiProva("griglia")); }
void GrigliaFlexTest::cleanup() { f.reset(); }

void GrigliaFlexTest::invioScendePoiCambiaColonnaPoiVaAlCalcolo() {
    dimensiona(3);
    QCOMPARE(griglia()->rowCount(), 4);
    QCOMPARE(griglia()->TestoCella(0, 2), QStringLiteral("Dislivello"));
    QCOMPARE(griglia()->TestoCella(3, 0), QStringLiteral(" Lato 3"));
    QVERIFY(editor()->isVisible());
    QCOMPARE(griglia()->currentRow(), 1);
    QCOMPARE(griglia()->currentColumn(), 1);
    // Nine values, down each column, then on to "&Calcolo".
    const QStringList valori{"2", "3,5", "10", "0", "0,5", "-1", "20", "10", "0"};
    struct Dopo { int riga, colonna; };
    const Dopo attese[] = {{2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}};
    for (qsizetype i = 0; i < valori.size(); ++i) {
        QTest::keyClicks(editor(), valori[i]);
        QTest::keyClick(editor(), Qt::Key_Return);
        if (i < 8) {
            QCOMPARE(griglia()->currentRow(), attese[i].riga);
            QCOMPARE(griglia()->currentColumn(), attese[i].colonna);
            QVERIFY(editor()->isVisible());
            // Reopened on the next cell with its own (empty) value.
            QCOMPARE(editor()->text(), QString());
        }
    }
    QVERIFY(!editor()->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->controllo<QPushButton>(QStringLiteral("cbCalcolo")));
    QCOMPARE(griglia()->TestoCella(2, 1), QStringLiteral("3,5"));
    QCOMPARE(griglia()->TestoCella(3, 2), QStringLiteral("-1"));
    QCOMPARE(griglia()->TestoCella(3, 3), QStringLiteral("0"));
}

void GrigliaFlexTest::unaCifraSostituisceEscAnnulla() {
    dimensiona(2);
    QTest::keyClicks(editor(), "8");
    QTest::keyClick(editor(), Qt::Key_Return);
    // Back on the first cell from the grid: a digit replaces the value.
    QTest::keyClick(editor(), Qt::Key_Escape);
    QVERIFY(!editor()->isVisible());
    griglia()->setCurrentCell(1, 1);
    QTest::keyClicks(griglia(), "4");
    QVERIFY(editor()->isVisible());
    QCOMPARE(editor()->text(), QStringLiteral("4"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(griglia()->TestoCella(1, 1), QStringLiteral("4"));
    // The editor reopened on row 2 shows that cell's value, not the digit.
    QCOMPARE(editor()->text(), QString());
    // Esc leaves the cell unchanged.
    griglia()->setFocus();
    griglia()->setCurrentCell(1, 1);
    QTest::keyClicks(griglia(), "9");
    QTest::keyClick(editor(), Qt::Key_Escape);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(griglia()->TestoCella(1, 1), QStringLiteral("4"));
    QCOMPARE(QApplication::focusWidget(), griglia());
}

void GrigliaFlexTest::tastoZeroSuCellaVuotaApreUnEditorVuoto() {
    dimensiona(2);
    QTest::keyClicks(editor(), "7,25");
    QTest::keyClick(editor(), Qt::Key_Return);
    // Row 2 is empty: the editor is empty and Enter leaves the cell empty,
    // instead of copying 7,25 into it.
    QCOMPARE(editor()->text(), QString());
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(griglia()->TestoCella(2, 1), QString());
    // F2 (start editing) on a cell with a number: the number, all selected.
    QTest::keyClick(editor(), Qt::Key_Escape);
    griglia()->setCurrentCell(1, 1);
    QTest::keyClick(griglia(), Qt::Key_F2);
    QCOMPARE(editor()->text(), QStringLiteral("7,25"));
    QCOMPARE(editor()->selectedText(), QStringLiteral("7,25"));
}

void GrigliaFlexTest::frecceTornanoAllaGriglia() {
    dimensiona(3);
    QTest::keyClicks(editor(), "5");
    QTest::keyClick(editor(), Qt::Key_Down);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(griglia()->TestoCella(1, 1), QStringLiteral("5"));
    QCOMPARE(griglia()->currentRow(), 2);
    QCOMPARE(QApplication::focusWidget(), griglia());
    QTest::keyClicks(griglia(), "6");
    QTest::keyClick(editor(), Qt::Key_Up);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(griglia()->TestoCella(2, 1), QStringLiteral("6"));
    QCOMPARE(griglia()->currentRow(), 2);
    // Down on the last row stays there.
    griglia()->setCurrentCell(3, 1);
    QTest::keyClicks(griglia(), "1");
    QTest::keyClick(editor(), Qt::Key_Down);
    QCOMPARE(griglia()->currentRow(), 3);
}

void GrigliaFlexTest::tastoDecimaleDelTastierinoScriveLaVirgola() {
    dimensiona(1);
    QTest::keyClicks(editor(), "2");
    QTest::keyClick(editor(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(editor(), "5");
    QCOMPARE(editor()->text(), QStringLiteral("2,5"));
    // The same in an input box; the point of the main keyboard stays a point.
    QLineEdit* box = f->dati(0);
    f->scrive(box, "1");
    QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(box, Qt::Key_Period);
    QCOMPARE(box->text(), QStringLiteral("1,."));
}

void GrigliaFlexTest::numeroDiLatiNonNumericoLasciaLaGriglia() {
    dimensiona(2);
    QTest::keyClick(editor(), Qt::Key_Escape);
    QLineEdit* n = f->box(QStringLiteral("txtNTratti"));
    f->scrive(n, "tre");
    QTest::keyClick(n, Qt::Key_Return);
    QCOMPARE(griglia()->rowCount(), 3);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(f->porta.conta(), 0u);
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::GrigliaFlexTest)
#include "GrigliaFlexTest.moc"
