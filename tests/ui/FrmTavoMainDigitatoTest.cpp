// What the main window calculates and saves is what its boxes and its grid
// show: a number typed with the wrong separator is refused by name, never
// read as another number, and the grid always holds the sides counted in
// "N° lati terreno".

#include "tests/ui/FinestraDiProva.h"

#include "app/FileProgetto.h"
#include "app/ui/GrigliaFlex.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

namespace tavo::test {

class FrmTavoMainDigitatoTest : public QObject {
    Q_OBJECT
private slots:
    void unNumeroConIlSeparatoreSbagliatoVieneRifiutato();
    void ilNumeroDiLatiDigitatoSenzaInvioDimensionaLaGriglia();
};

namespace {

const std::string EsempioIt = "scrivere ad esempio 1.234,5 (separatore decimale \",\").";
const std::string EsempioC = "scrivere ad esempio 1,234.5 (separatore decimale \".\").";

void Calcola(const FinestraDiProva& f) {
    QTest::mouseClick(f.controllo<QPushButton>(QStringLiteral("cbCalcolo")), Qt::LeftButton);
}

// Types `testo` into cell (riga, colonna) of the ground grid and commits it.
void ScriveCella(const FinestraDiProva& f, int riga, int colonna, const QString& testo) {
    auto* g = f.controllo<GrigliaFlex>(QStringLiteral("FlexGrid"));
    g->setFocus();
    g->impostaCellaCorrente(riga, colonna);
    g->EditaCella(0);
    QTest::keyClicks(g->editor(), testo);
    QTest::keyClick(g->editor(), Qt::Key_Return);
}

// The example abutment in a folder of its own, so that saving leaves the
// bundled file alone.
std::filesystem::path CopiaSpalla(const char* cartella) {
    const auto c = CartellaDiProva(cartella);
    std::filesystem::copy_file(test::Esempio("Spalla.Tav"), c / "Spalla.Tav");
    return c / "Spalla.Tav";
}

}  // namespace

// Under Italian settings "5.5" is no number (it was read as 55 m while the
// box showed 5.5), in a box and in the grid; under the C locale "2,5" is
// none either. Each refusal names the box, and the calculation keeps the
// state of the last one that ran.
void FrmTavoMainDigitatoTest::unNumeroConIlSeparatoreSbagliatoVieneRifiutato() {
    struct Caso {
        Separatori sep;
        int casella;  // -1: the surcharge of side 1 in the grid
        const char* testo;
        std::string messaggio;
    };
    const Caso casi[] = {
        {SeparatoriItaliani, 3, "5.5", "Dato non valido in \"Altezza parete (m)\": \"5.5\" non è un numero: " + EsempioIt},
        {SeparatoriItaliani, -1, "2.5", "Dato non valido in \"Lato 1, q\": \"2.5\" non è un numero: " + EsempioIt},
        {SeparatoriItaliani, 14, "0,1.5", "Dato non valido in \"kh\": \"0,1.5\" non è un numero: " + EsempioIt},
        {Separatori{U'.', U','}, -1, "2,5", "Dato non valido in \"Lato 1, q\": \"2,5\" non è un numero: " + EsempioC},
        {Separatori{U'.', U','}, 3, "", "Dato non valido in \"Altezza parete (m)\": manca il valore."},
    };
    for (const Caso& c : casi) {
        FinestraDiProva f(CartellaDiProva("separatore_sbagliato"), test::Esempio("Spalla.Tav").string(), c.sep);
        Calcola(f);
        QCOMPARE(f.porta.testi(), std::vector<std::string>{});
        const float altezza = f.stato.AltezzaParete, q = f.stato.qProfilo(1);
        const float fs = f.stato.FsRibaltamento(1);
        if (c.casella >= 0)
            f.scrive(f.dati(c.casella), QString::fromUtf8(c.testo));
        else
            ScriveCella(f, 1, 3, QString::fromUtf8(c.testo));
        if (c.casella == 3 && !*c.testo) f.dati(3)->clear();
        Calcola(f);
        QCOMPARE(f.porta.testi(), std::vector<std::string>{c.messaggio});
        QCOMPARE(f.stato.AltezzaParete, altezza);
        QCOMPARE(f.stato.qProfilo(1), q);
        QCOMPARE(f.stato.FsRibaltamento(1), fs);
    }
    // A well-formed grouped number is read as the user reads it.
    FinestraDiProva f(CartellaDiProva("separatore_giusto"), test::Esempio("Spalla.Tav").string());
    f.scrive(f.dati(15), QStringLiteral("1.234,5"));
    Calcola(f);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QCOMPARE(f.stato.NImpalcato, 1234.5f);
}

// The example abutment has two sides. "1" typed and not confirmed: saving
// calculates and stores one side, and the grid shows that one side; "3"
// typed: the grid gets a third row, and the calculation names its empty cell.
void FrmTavoMainDigitatoTest::ilNumeroDiLatiDigitatoSenzaInvioDimensionaLaGriglia() {
    const auto progetto = CopiaSpalla("lati_senza_invio");
    FinestraDiProva f(progetto.parent_path(), progetto.string());
    auto* g = f.controllo<GrigliaFlex>(QStringLiteral("FlexGrid"));
    QCOMPARE(g->rowCount(), 3);
    const QString lato1 = g->TestoCella(1, 1);

    f.scrive(f.box(QStringLiteral("txtNTratti")), QStringLiteral("1"));
    f.controllo<QAction>(QStringLiteral("ToolbarUp_Save"))->trigger();
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QCOMPARE(g->rowCount(), 2);
    QCOMPARE(g->TestoCella(1, 1), lato1);
    QCOMPARE(f.stato.nLatiTerreno, std::int16_t{1});
    VariabiliPubbliche salvato;
    NTC sisma;
    QVERIFY(ApreFileProgetto(progetto, salvato, sisma));
    QCOMPARE(salvato.nLatiTerreno, std::int16_t{1});
    QCOMPARE(salvato.dxProfilo.dimensione(), 1);

    f.scrive(f.box(QStringLiteral("txtNTratti")), QStringLiteral("3"));
    Calcola(f);
    QCOMPARE(g->rowCount(), 4);
    QCOMPARE(g->TestoCella(3, 0), QStringLiteral(" Lato 3"));
    QCOMPARE(f.porta.testi(), std::vector<std::string>{"Dato non valido in \"Lato 2, Lungh.\": manca il valore."});
    QCOMPARE(f.stato.nLatiTerreno, std::int16_t{1});

    // Leaving the box sizes the grid too, before any calculation.
    f.scrive(f.box(QStringLiteral("txtNTratti")), QStringLiteral("2"));
    f.dati(0)->setFocus();
    QCOMPARE(g->rowCount(), 3);
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::FrmTavoMainDigitatoTest)
#include "FrmTavoMainDigitatoTest.moc"
