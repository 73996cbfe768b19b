// The main window driven as the user drives it: fields typed, buttons
// pressed, menus chosen, result boxes read.

#include "tests/ui/FinestraDiProva.h"

#include "analysis/DatiArmature.h"
#include "analysis/ReportArmature.h"
#include "analysis/ui/FrmArmature.h"
#include "app/ui/GrigliaFlex.h"
#include "walldrawing/ui/FrmPlotta.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "fileio/NumeriRegionali.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <optional>
#include <utility>

namespace tavo::test {

class FrmTavoMainTest : public QObject {
    Q_OBJECT
private slots:
    void avvioSenzaTavoIniCaricaIDefault();
    void avvioConUnFileSullaRigaDiComando();
    void avvioConUnFileMancante();
    void avvisoRegionaleSoppressoONo();
    void invioPassaAlCampoSuccessivo();
    void ogniCasellaHaLaSuaEtichetta();
    void muroDigitatoECalcolato();
    void calcoloDelleSpallaDiEsempio();
    void campoNonNumericoNonCalcola();
    void normativaDM1996NascondeICampiSismici();
    void elencoDelleCombinazioniEdEtichette();
    void calcoloFallitoChiudeLElencoDelleCombinazioni();
    void nuovoTieneICampiEDimenticaIlNome();
    void salvaSalvaComeEApri();
    void aprireUnFileGuastoTieneIlProgetto();
    void aprireTavConMinuscoleRisalvaLoStessoFile();
    void stampaFormSuUnFilePdf();
    void stampaFormProponeIlNomeDelProgetto();
    void finestreNonAncoraDisponibili();
    void visualizzaApreIlDisegnoDelMuroCalcolato();
    void ilDisegnoApertoNonMescolaDueStati();
    void leArmatureMostranoIlProgettoInPrimoPiano();
    void ilReportDelleArmatureLasciaIlDisegnoIntero();
    void ilReportSegueIlProgettoInPrimoPiano();
    void datiSismaNuoviChiudonoIlDisegno();
    void guidaEInformazioni();
    void guidaSenzaVisualizzatoreLoDiceUnaVolta();
    void fileDiEsempioEZoom();
    void finestreCollegate();
};

namespace {

QPushButton* Pulsante(const FinestraDiProva& f, const char* nome) {
    return f.controllo<QPushButton>(QString::fromUtf8(nome));
}
QAction* Azione(const FinestraDiProva& f, const char* nome) {
    return f.controllo<QAction>(QString::fromUtf8(nome));
}
QString Risultato(const FinestraDiProva& f, const char* gruppo, int i) {
    return f.box(QStringLiteral("%1_%2").arg(QString::fromUtf8(gruppo)).arg(i))->text();
}
QColor Colore(const FinestraDiProva& f, const char* gruppo, int i) {
    return f.box(QStringLiteral("%1_%2").arg(QString::fromUtf8(gruppo)).arg(i))->palette().color(QPalette::Text);
}
std::string Contenuto(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

void FrmTavoMainTest::avvioSenzaTavoIniCaricaIDefault() {
    FinestraDiProva f(CartellaDiProva("senza_ini"), {}, SeparatoriItaliani, FinestraDiProva::Ini::Assente);
    QCOMPARE(f.messaggiAvvio().size(), std::size_t{1});
    QVERIFY(f.messaggiAvvio()[0].starts_with("Il File Tavo.ini non esiste o è incompleto."));
    QCOMPARE(f.stato.CoefParzStatici(1), 1.25f);  // the defaults are in force
    QCOMPARE(f.finestra->windowTitle(), QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: "));
    // Nothing is computed at start-up; combination list and labels hidden.
    QVERIFY(Risultato(f, "txtMNfondazione", 4).isEmpty());
    QVERIFY(!f.controllo<QComboBox>("cmbCombinazione")->isVisible());
    QVERIFY(!f.controllo<QLabel>("lblTipoVerifica_0")->isVisible());
    QVERIFY(!Azione(f, "MnufileItem_2")->isEnabled());
}

void FrmTavoMainTest::avvioConUnFileSullaRigaDiComando() {
    const auto cartella = CartellaDiProva("avvio");
    // A path with a blank, given as the two words the system passes.
    const auto progetto = cartella / "Spalla di prova.Tav";
    std::filesystem::copy_file(Esempio("Spalla.Tav"), progetto);
    QElapsedTimer orologio;
    orologio.start();
    FinestraDiProva f(cartella, (cartella / "Spalla").string() + " di prova.Tav");
    qInfo("Window built, project read and window shown: %.1f ms", static_cast<double>(orologio.nsecsElapsed()) / 1e6);
    QCOMPARE(f.finestra->windowTitle(),
             QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: Spalla di prova"));
    QCOMPARE(f.dati(0)->text(), QStringLiteral("1,8"));
    QCOMPARE(f.dati(14)->text(), QStringLiteral("0,0652"));
    QCOMPARE(f.box("txtNTratti")->text(), QStringLiteral("2"));
    const auto* g = f.controllo<GrigliaFlex>("FlexGrid");
    QCOMPARE(g->rowCount(), 3);
    QCOMPARE(g->TestoCella(2, 2), QStringLiteral("0,6"));
    QVERIFY(Risultato(f, "txtMNfondazione", 4).isEmpty());
}

void FrmTavoMainTest::avvioConUnFileMancante() {
    const auto cartella = CartellaDiProva("mancante");
    FinestraDiProva f(cartella, (cartella / "manca.Tav").string());
    QCOMPARE(f.messaggiAvvio().back(), "File " + (cartella / "manca.Tav").string() + " non trovato ");
    QCOMPARE(f.finestra->windowTitle(), QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: "));
}

void FrmTavoMainTest::avvisoRegionaleSoppressoONo() {
    const auto cartella = CartellaDiProva("regionale");
    const Separatori inglesi{U'.', U','};
    {
        FinestraDiProva f(cartella, {}, inglesi);
        QCOMPARE(f.messaggiAvvio().size(), std::size_t{1});
        QVERIFY(f.messaggiAvvio()[0].starts_with("E' impostato come separatore decimale \".\""));
    }
    OpzioniAvvio avvio;
    avvio.cartellaProgramma = cartella;
    avvio.separatori = inglesi;
    avvio.sopprimiAvvisoRegionale = true;
    RecordingMessagePort porta;
    VariabiliPubbliche stato;
    NTC sisma;
    ServiziFinti servizi;
    FrmTavoMain finestra(stato, sisma, avvio, servizi);
    QCOMPARE(porta.conta(), std::size_t{0});
}

void FrmTavoMainTest::invioPassaAlCampoSuccessivo() {
    FinestraDiProva f(CartellaDiProva("invio"));
    const auto invio = [&](QLineEdit* da) {
        da->setFocus();
        QTest::keyClick(da, Qt::Key_Return);
        return QApplication::focusWidget();
    };
    QCOMPARE(invio(f.box("txtTavoTitolo")), f.dati(0));
    QCOMPARE(invio(f.dati(0)), f.dati(1));
    QCOMPARE(invio(f.dati(13)), f.dati(14));
    QCOMPARE(invio(f.dati(14)), f.dati(15));
    QCOMPARE(invio(f.dati(17)), f.box("txtNTratti"));
    QCOMPARE(invio(f.dati(18)), f.box("txtNTratti"));
    // Entering a box selects its whole text.
    f.dati(5)->setText("1,25");
    f.dati(5)->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(f.dati(5)->selectedText(), QStringLiteral("1,25"));
}

void FrmTavoMainTest::ogniCasellaHaLaSuaEtichetta() {
    FinestraDiProva f(CartellaDiProva("etichette"));
    const auto etichetta = [&](QLineEdit* box) {
        QStringList testi;
        for (const QLabel* l : f.finestra->findChildren<QLabel*>())
            if (l->buddy() == box) testi << l->text();
        return testi;
    };
    const char* attese[] = {"Altezza paraghiaia (m)",   "Spessore paraghiaia (m)",   "Inclinazione parete (%)",
                            "Altezza parete (m)",       "Spessore in testa (m)",     "Spessore alla base (m)",
                            "Altezza fondazione (m)",   "Sbalzo fond. contro terra", "Larghezza totale fond.",
                            "Angolo attrito interno",   "Ang. attrito terra-tavo",   "Ang. attrito fondazione",
                            "Peso spec. terre [kN/m3]", "Peso spec. tavo [kN/m3]",   "K",
                            "Ni",                       "Vi",                        "dN",
                            "K<sub>v</sub>"};
    for (int i = 0; i < NumeroCampiDati; ++i)
        QCOMPARE(etichetta(f.dati(i)), QStringList{QString::fromUtf8(attese[i])});
    QCOMPARE(etichetta(f.box("txtTavoTitolo")), QStringList{"Titolo :"});
    QCOMPARE(etichetta(f.box("txtNTratti")), QStringList{QString::fromUtf8("N° lati terreno")});
}

void FrmTavoMainTest::muroDigitatoECalcolato() {
    FinestraDiProva f(CartellaDiProva("digitato"));
    // A wall on a footing too narrow to stand: typed box by box, with its
    // ground in the grid.
    const char* valori[] = {"0,5", "0,3", "0", "4", "0,4", "0,4", "0,5", "0,1", "0,6", "30",
                            "20", "30", "18", "25", "0", "0", "0", "0", "0"};
    for (int i = 0; i < NumeroCampiDati; ++i) f.scrive(f.dati(i), QString::fromUtf8(valori[i]));
    f.scrive(f.box("txtNTratti"), "1");
    QTest::keyClick(f.box("txtNTratti"), Qt::Key_Return);
    auto* g = f.controllo<GrigliaFlex>("FlexGrid");
    for (const char* v : {"10", "0", "0"}) {
        QTest::keyClicks(g->editor(), v);
        QTest::keyClick(g->editor(), Qt::Key_Return);
    }
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QCOMPARE(f.stato.AltezzaParete, 4.f);
    QCOMPARE(f.stato.LarghezzaFondazione, 0.6f);
    QCOMPARE(f.stato.dxProfilo(1), 10.f);
    const int k = f.stato.CombGravosaRibaltamento;
    const float fs = f.stato.FsRibaltamento(k);
    QVERIFY2(fs < 1, qPrintable(QString::number(fs)));
    QCOMPARE(Risultato(f, "txtMNfondazione", 4).toStdString(), FormattaValore(fs, SeparatoriItaliani));
    QCOMPARE(Colore(f, "txtMNfondazione", 4), QColor(Qt::red));
    // (The soil-pressure check said that such a wall cannot stand.)
    QVERIFY(f.porta.conta() > 0);
    f.porta.svuota();
    // A footing wide enough: the same box turns black.
    f.scrive(f.dati(8), "3");
    f.scrive(f.dati(7), "1,5");
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QVERIFY(f.stato.FsRibaltamento(f.stato.CombGravosaRibaltamento) >= 1);
    QCOMPARE(Colore(f, "txtMNfondazione", 4), QColor(Qt::black));
    QCOMPARE(f.porta.conta(), std::size_t{0});
}

void FrmTavoMainTest::calcoloDelleSpallaDiEsempio() {
    const auto cartella = CartellaDiProva("calcolo");
    FinestraDiProva f(cartella, Esempio("Spalla.Tav").string());
    QElapsedTimer orologio;
    orologio.start();
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    const qint64 ns = orologio.nsecsElapsed();
    qInfo("Calcolo to result boxes: %.3f ms", static_cast<double>(ns) / 1e6);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    // Every result box is filled, with the value the state holds.
    for (int i = 0; i < 18; ++i) QVERIFY2(!Risultato(f, "txtMNfondazione", i).isEmpty(), qPrintable(QString::number(i)));
    for (int i = 0; i < 8; ++i) QVERIFY(!Risultato(f, "txtScorr", i).isEmpty());
    for (int i = 0; i < 7; ++i) QVERIFY(!Risultato(f, "txtMNparete", i).isEmpty());
    const int kMR = f.stato.CombGravosaRibaltamento;
    QCOMPARE(Risultato(f, "txtMNfondazione", 4).toStdString(),
             FormattaValore(f.stato.FsRibaltamento(kMR), SeparatoriItaliani));
    QCOMPARE(Risultato(f, "txtMNparete", 1).toStdString(),
             FormattaValore(f.stato.MParete(f.stato.CombGravosaParete), SeparatoriItaliani));
    // Safety factors above the NTC limit of 1 are black.
    QVERIFY(f.stato.FsRibaltamento(kMR) >= 1);
    QCOMPARE(Colore(f, "txtMNfondazione", 4), QColor(Qt::black));
    // Under NTC 2008 the combination list and the labels appear, saving too.
    auto* combinazioni = f.controllo<QComboBox>("cmbCombinazione");
    QVERIFY(combinazioni->isVisible());
    QCOMPARE(combinazioni->currentIndex(), 0);
    QVERIFY(f.controllo<QLabel>("lblTipoVerifica_0")->isVisible());
    QCOMPARE(f.controllo<QLabel>("lblTipoVerifica_0")->text(), QStringLiteral("?%1").arg(kMR));
    QVERIFY(Azione(f, "MnufileItem_2")->isEnabled());
    QVERIFY(Azione(f, "MnufileItem_5")->isEnabled());
    // A picture of the window for a person to look at.
    QVERIFY(SalvaImmagine(*f.finestra, "FinestraPrincipale.png"));
}

void FrmTavoMainTest::campoNonNumericoNonCalcola() {
    FinestraDiProva f(CartellaDiProva("non_numerico"), Esempio("Spalla.Tav").string());
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    const QString fs = Risultato(f, "txtMNfondazione", 4);
    const float altezza = f.stato.AltezzaParete;
    f.scrive(f.dati(3), "5,5 m");
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{"Dato non valido in \"Altezza parete (m)\": \"5,5 m\" non è un "
                                                        "numero: scrivere ad esempio 1.234,5 (separatore decimale \",\")."});
    QCOMPARE(f.porta.registrati()[0].icona, Icona::Critico);
    // Nothing else: the state and the boxes keep the last valid calculation.
    QCOMPARE(f.stato.AltezzaParete, altezza);
    QCOMPARE(Risultato(f, "txtMNfondazione", 4), fs);
    // The drawing button does not go on to its window either.
    f.porta.svuota();
    QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{"Dato non valido in \"Altezza parete (m)\": \"5,5 m\" non è un "
                                                        "numero: scrivere ad esempio 1.234,5 (separatore decimale \",\")."});
}

void FrmTavoMainTest::normativaDM1996NascondeICampiSismici() {
    FinestraDiProva f(CartellaDiProva("dm1996"), Esempio("Spalla.Tav").string());
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    const Terna fsNTC = f.stato.FsRibaltamento;
    f.stato.GradoSismicita = 9;
    Azione(f, "NormativaItem_1")->trigger();
    QCOMPARE(f.stato.Normativa, NormativaDM1996);
    QCOMPARE(f.controllo<QMenu>("NormativaMain")->title(), QStringLiteral("Normativa: DM 1996"));
    QVERIFY(Azione(f, "NormativaItem_1")->isChecked());
    QVERIFY(!Azione(f, "NormativaItem_0")->isChecked());
    QCOMPARE(f.controllo<QLabel>("lblSimbolo14")->text(), QStringLiteral("S"));
    QCOMPARE(f.dati(14)->text(), QStringLiteral("9"));
    QCOMPARE(f.dati(14)->toolTip(), QString::fromUtf8("Grado di sismicità (6÷12)"));
    QVERIFY(f.controllo<QLabel>("lblGradoSismicita")->isVisible());
    QVERIFY(!f.dati(18)->isVisible());
    QVERIFY(!Pulsante(f, "cmdSisma")->isVisible());
    QVERIFY(!f.controllo<QComboBox>("cmbCombinazione")->isVisible());
    QVERIFY(!f.controllo<QLabel>("lblTipoVerifica_0")->isVisible());
    QVERIFY(!f.controllo<QMenu>("mnuinpostazioni")->menuAction()->isVisible());
    // The switch recalculated: DM 1996 limit 1.5 colours a factor below it red.
    QCOMPARE(f.stato.CombGravosaRibaltamento, 1);
    QCOMPARE(f.stato.FsRibaltamento(2), fsNTC(2));  // combinations 2 and 3 keep the NTC values
    const float fsDM = f.stato.FsRibaltamento(1);
    QCOMPARE(Colore(f, "txtMNfondazione", 4), fsDM >= 0 && fsDM < 1.5f ? QColor(Qt::red) : QColor(Qt::black));
    // Back to NTC 2008: kh and kv with four decimals again.
    Azione(f, "NormativaItem_0")->trigger();
    QCOMPARE(f.dati(14)->text(), QStringLiteral("0,0652"));
    QCOMPARE(f.dati(18)->text(), QStringLiteral("0,0326"));
    QCOMPARE(f.dati(14)->toolTip(), QStringLiteral("Coefficiente sismico orizzontale"));
    QVERIFY(f.dati(18)->isVisible());
    QVERIFY(f.controllo<QComboBox>("cmbCombinazione")->isVisible());
}

void FrmTavoMainTest::elencoDelleCombinazioniEdEtichette() {
    FinestraDiProva f(CartellaDiProva("combinazioni"), Esempio("Spalla.Tav").string());
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    auto* combinazioni = f.controllo<QComboBox>("cmbCombinazione");
    QCOMPARE(combinazioni->count(), 4);
    QCOMPARE(combinazioni->itemText(0), QString::fromUtf8("Verifiche più gravose"));
    QCOMPARE(combinazioni->itemText(3), QStringLiteral("3 Ver. sismiche kv<0"));
    for (int k = 1; k <= 3; ++k) {
        combinazioni->setCurrentIndex(k);
        emit combinazioni->activated(k);
        QCOMPARE(Risultato(f, "txtMNfondazione", 4).toStdString(),
                 FormattaValore(f.stato.FsRibaltamento(k), SeparatoriItaliani));
        QCOMPARE(Risultato(f, "txtScorr", 0).toStdString(),
                 FormattaValore(f.stato.StScorrimento(k), SeparatoriItaliani));
        QCOMPARE(Risultato(f, "txtMNparete", 1).toStdString(),
                 FormattaValore(f.stato.MParete(k), SeparatoriItaliani));
        QCOMPARE(f.controllo<QLabel>("lblTipoVerifica_3")->text(), QStringLiteral("?%1").arg(k));
    }
    // A label while combination 2 is shown: the plain message of its combination.
    combinazioni->setCurrentIndex(2);
    emit combinazioni->activated(2);
    QTest::mouseClick(f.controllo<QLabel>("lblTipoVerifica_1"), Qt::LeftButton);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{"Sollecitazioni corrispondenti alla verifica 2= sismica con kv>0"});
    QCOMPARE(f.porta.registrati()[0].icona, Icona::Nessuna);
    QCOMPARE(f.porta.registrati()[0].titolo, "");
    // The governing combinations again.
    f.porta.svuota();
    combinazioni->setCurrentIndex(0);
    emit combinazioni->activated(0);
    QCOMPARE(f.controllo<QLabel>("lblTipoVerifica_0")->text(),
             QStringLiteral("?%1").arg(f.stato.CombGravosaRibaltamento));
    QTest::mouseClick(f.controllo<QLabel>("lblTipoVerifica_0"), Qt::LeftButton);
    const char* testi[] = {"", "1= statica", "2= sismica con kv>0", "3= sismica con kv<0"};
    QCOMPARE(f.porta.testi(), std::vector<std::string>{std::string("Sollecitazioni corrispondenti alla verifica più gravosa: \r\n") +
                                                      testi[f.stato.CombGravosaRibaltamento]});
}

void FrmTavoMainTest::calcoloFallitoChiudeLElencoDelleCombinazioni() {
    FinestraDiProva f(CartellaDiProva("combinazioni_fallite"), Esempio("Spalla.Tav").string());
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    auto* combinazioni = f.controllo<QComboBox>("cmbCombinazione");
    QVERIFY(combinazioni->isEnabled());
    const QString fs = Risultato(f, "txtMNfondazione", 4);
    // A last side of about 20 degrees passes the static wedge (phi 35, design
    // angle 29.3) but not the seismic one with kh 0.4: the calculation stops
    // after the static combination has overwritten its results.
    auto* griglia = f.finestra->findChild<GrigliaFlex*>();
    griglia->ScriveCella(QStringLiteral("4,4"), 2, 2);
    f.scrive(f.dati(14), "0,4");
    f.scrive(f.dati(18), "0,2");
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QCOMPARE(f.porta.conta(), std::size_t{1});
    QCOMPARE(f.porta.registrati()[0].icona, Icona::Critico);
    QCOMPARE(Risultato(f, "txtMNfondazione", 4), fs);
    // The list would show what the failed run left half written: it is closed
    // until a calculation succeeds again, and a choice changes no box.
    QVERIFY(!combinazioni->isEnabled());
    emit combinazioni->activated(1);
    QCOMPARE(Risultato(f, "txtMNfondazione", 4), fs);
    f.porta.svuota();
    griglia->ScriveCella(QStringLiteral("0,6"), 2, 2);
    f.scrive(f.dati(14), "0,0652");
    f.scrive(f.dati(18), "0,0326");
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QVERIFY(combinazioni->isEnabled());
}

void FrmTavoMainTest::nuovoTieneICampiEDimenticaIlNome() {
    FinestraDiProva f(CartellaDiProva("nuovo"), Esempio("Spalla.Tav").string());
    Azione(f, "MnufileItem_0")->trigger();
    QCOMPARE(f.finestra->windowTitle(), QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: "));
    QCOMPARE(f.dati(0)->text(), QStringLiteral("1,8"));
    QCOMPARE(QApplication::focusWidget(), f.box("txtTavoTitolo"));
    QCOMPARE(f.box("txtTavoTitolo")->selectedText(), f.box("txtTavoTitolo")->text());
}

void FrmTavoMainTest::salvaSalvaComeEApri() {
    const auto cartella = CartellaDiProva("salva");
    FinestraDiProva f(cartella);
    // A project typed in by hand: one side of ground.
    const char* valori[] = {"1", "0,3", "0", "4", "0,5", "0,8", "0,8", "2", "3,5", "30",
                            "20", "30", "18", "25", "0,1", "0", "0", "0", "0,05"};
    f.scrive(f.box("txtTavoTitolo"), "Muro a mano");
    for (int i = 0; i < 19; ++i) f.scrive(f.dati(i), QString::fromUtf8(valori[i]));
    f.scrive(f.box("txtNTratti"), "1");
    QTest::keyClick(f.box("txtNTratti"), Qt::Key_Return);
    auto* g = f.controllo<GrigliaFlex>("FlexGrid");
    for (const char* v : {"10", "0", "5"}) {
        QTest::keyClicks(g->editor(), v);
        QTest::keyClick(g->editor(), Qt::Key_Return);
    }
    // Save on a project without a file asks for the name.
    const auto scelto = cartella / "Muro a mano.Tav";
    f.servizi.salvataggi.push_back(scelto);
    Azione(f, "ToolbarUp_Save")->trigger();
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QCOMPARE(f.servizi.richieste.size(), std::size_t{1});
    QCOMPARE(f.servizi.richieste[0].nomeIniziale, "*.Tav");
    QCOMPARE(f.servizi.richieste[0].filtro, "Tutti i Files (*.*)|*.*|Files Tavo (*.Tav)|*.Tav");
    QVERIFY(std::filesystem::exists(scelto));
    QCOMPARE(f.finestra->windowTitle(), QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: Muro a mano"));
    const std::string primo = Contenuto(scelto);
    QVERIFY(primo.starts_with("\"Muro a mano\",\"2.1\"\r\n"));
    // Save again: no dialog, the same file.
    f.scrive(f.dati(3), "4,5");
    Azione(f, "MnufileItem_2")->trigger();
    QCOMPARE(f.servizi.richieste.size(), std::size_t{1});
    QVERIFY(Contenuto(scelto) != primo);
    // Save As under another name.
    const auto copia = cartella / "copia.Tav";
    f.servizi.salvataggi.push_back(copia);
    Azione(f, "MnufileItem_3")->trigger();
    QCOMPARE(f.servizi.richieste.size(), std::size_t{2});
    QCOMPARE(f.servizi.richieste[1].nomeIniziale, "Muro a mano.Tav");
    QCOMPARE(Contenuto(copia), Contenuto(scelto));
    // Open the first file in another window: the fields come back.
    FinestraDiProva altra(cartella);
    altra.servizi.aperture.push_back(scelto);
    Azione(altra, "MnufileItem_1")->trigger();
    QCOMPARE(altra.box("txtTavoTitolo")->text(), QStringLiteral("Muro a mano"));
    QCOMPARE(altra.dati(3)->text(), QStringLiteral("4,5"));
    QCOMPARE(altra.dati(14)->text(), QStringLiteral("0,1000"));
    QCOMPARE(altra.controllo<GrigliaFlex>("FlexGrid")->TestoCella(1, 3), QStringLiteral("5"));
    // Opening computes: the results are there.
    QVERIFY(!Risultato(altra, "txtMNfondazione", 4).isEmpty());
    QCOMPARE(QApplication::focusWidget(), Pulsante(altra, "cbCalcolo"));
}

void FrmTavoMainTest::aprireUnFileGuastoTieneIlProgetto() {
    const auto cartella = CartellaDiProva("guasto");
    const auto guasto = cartella / "guasto.Tav";
    {
        const std::string testo = Contenuto(Esempio("Spalla.Tav"));
        std::ofstream(guasto, std::ios::binary) << testo.substr(0, testo.size() / 3);
    }
    FinestraDiProva f(cartella, Esempio("Spalla.Tav").string());
    f.scrive(f.dati(0), "2");  // typed, not yet computed
    const VariabiliPubbliche prima = f.stato;
    f.servizi.aperture.push_back(guasto);
    // The typed change is dropped ("No" to the question), then the file is read.
    f.porta.rispondi({Risposta::No});
    Azione(f, "MnufileItem_1")->trigger();
    QCOMPARE(f.porta.conta(), std::size_t{2});
    QVERIFY(f.porta.registrati()[0].domanda);
    QVERIFY(f.porta.testi()[1].starts_with("Lettura incompleta del file"));
    QCOMPARE(f.stato.TitoloTavo, prima.TitoloTavo);
    QCOMPARE(f.stato.dxProfilo, prima.dxProfilo);
    QCOMPARE(f.dati(0)->text(), QStringLiteral("2"));
    QCOMPARE(f.finestra->windowTitle(), QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: Spalla"));
    // A cancelled dialog changes nothing either.
    f.porta.svuota();
    f.porta.rispondi({Risposta::No});
    Azione(f, "MnufileItem_1")->trigger();
    QCOMPARE(f.porta.conta(), std::size_t{1});
    QVERIFY(f.porta.registrati()[0].domanda);
    QCOMPARE(f.dati(0)->text(), QStringLiteral("2"));
}

void FrmTavoMainTest::aprireTavConMinuscoleRisalvaLoStessoFile() {
    const auto programma = CartellaDiProva("minuscole");
    const auto cartella = programma / "dati";
    std::filesystem::create_directories(cartella);
    const auto minuscolo = cartella / "x.tav";
    std::filesystem::copy_file(Esempio("Spalla.Tav"), minuscolo);
    FinestraDiProva f(programma, minuscolo.string());
    Azione(f, "MnufileItem_2")->trigger();
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QVERIFY(!std::filesystem::exists(cartella / "x.Tav"));
    QVERIFY(f.servizi.richieste.empty());
    std::vector<std::string> nomi;
    for (const auto& e : std::filesystem::directory_iterator(cartella)) nomi.push_back(e.path().filename().string());
    QCOMPARE(nomi, std::vector<std::string>{"x.tav"});
}

void FrmTavoMainTest::stampaFormSuUnFilePdf() {
    const auto cartella = CartellaDiProva("stampa");
    FinestraDiProva f(cartella, Esempio("Spalla.Tav").string());
    f.servizi.pdf = cartella / "finestra.pdf";
    // Printing is available once a calculation succeeded.
    QVERIFY(!Azione(f, "MnufileItem_5")->isEnabled());
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    Azione(f, "MnufileItem_5")->trigger();
    QVERIFY(std::filesystem::file_size(f.servizi.pdf) > 1000);
    QVERIFY(Contenuto(f.servizi.pdf).starts_with("%PDF"));
    // A cancelled printer dialog prints nothing.
    f.servizi.pdf.clear();
    Azione(f, "ToolbarUp_Print")->trigger();
    QCOMPARE(f.porta.conta(), std::size_t{0});
    // "&File di Stampa (TXT)" is not implemented and says so.
    Azione(f, "MnufileItem_6")->trigger();
    QCOMPARE(f.porta.testi(), std::vector<std::string>{
        "Funzione non implementata\r\nUsare il disegno in Autocad che contiene dati e risultati"});
}

void FrmTavoMainTest::stampaFormProponeIlNomeDelProgetto() {
    // The printer's document name becomes the proposed file name of a PDF:
    // the caption's "Tavo/Spalla" would make it a folder.
    const auto cartella = CartellaDiProva("stampa_nome");
    FinestraDiProva f(cartella, Esempio("Spalla.Tav").string());
    f.servizi.pdf = cartella / "finestra.pdf";
    Azione(f, "MnufileItem_5")->setEnabled(true);
    Azione(f, "MnufileItem_5")->trigger();
    QCOMPARE(f.servizi.nomeDocumento, QStringLiteral("Spalla"));
    // A project without a file goes by the program's name.
    Azione(f, "MnufileItem_0")->trigger();
    Azione(f, "ToolbarUp_Print")->trigger();
    QCOMPARE(f.servizi.nomeDocumento, QStringLiteral("Tavo"));
    QCOMPARE(f.porta.conta(), std::size_t{0});
}

void FrmTavoMainTest::finestreNonAncoraDisponibili() {
    FinestraDiProva f(CartellaDiProva("finestre"), Esempio("Spalla.Tav").string());
    QTest::mouseClick(Pulsante(f, "cmdSisma"), Qt::LeftButton);
    Azione(f, "mnuArmature")->trigger();
    QCOMPARE(f.porta.testi(), (std::vector<std::string>{
        "La finestra dei dati sismici non è ancora disponibile.",
        "La finestra delle armature non è ancora disponibile."}));
}

void FrmTavoMainTest::visualizzaApreIlDisegnoDelMuroCalcolato() {
    FinestraDiProva f(CartellaDiProva("visualizza"), Esempio("Spalla.Tav").string());
    QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
    QCOMPARE(f.porta.conta(), std::size_t{0});
    auto* disegno = f.finestra->findChild<QMainWindow*>("FrmPlotta");
    QVERIFY(disegno);
    QVERIFY(disegno->isVisible());
    QCOMPARE(disegno->windowTitle(), QStringLiteral("Plottaggio tavo"));
    QVERIFY(QTest::qWaitForWindowExposed(disegno));
    QVERIFY(SalvaImmagine(*disegno, "FrmPlottaDaVisualizza.png"));
    // A second click after a new calculation shows the same window again.
    QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
    QCOMPARE(f.finestra->findChildren<QMainWindow*>("FrmPlotta").size(), 1);
}

namespace {

FrmPlotta* DisegnoAperto(const FinestraDiProva& f) { return FinestraAperta<FrmPlotta>(f.finestra.get()); }

QImage Immagine(FrmPlotta& d) { return d.centralWidget()->grab().toImage(); }

// Nothing drawn: every pixel as white as the background.
bool Vuota(const QImage& immagine) {
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (immagine.pixelColor(x, y) != QColor(Qt::white)) return false;
    return true;
}

// What a drawing window over the state as it stands shows at the same size.
QImage DisegnoDelloStato(const FinestraDiProva& f, const FrmPlotta& aperto) {
    std::filesystem::path dati;
    FrmPlotta riferimento(f.stato, f.sisma, [] { return std::string(); }, dati);
    riferimento.resize(aperto.size());
    riferimento.show();
    if (!QTest::qWaitForWindowExposed(&riferimento)) qWarning("reference drawing not exposed");
    return Immagine(riferimento);
}

// Grabs the open drawing window whenever a message appears: a modal message
// box lets the window repaint in the middle of a calculation.
class PortaCheGuardaIlDisegno final : public MessagePort {
public:
    explicit PortaCheGuardaIlDisegno(const FinestraDiProva& f) : f_(f), guardia_(*this) {}
    void mostra(std::string_view testo, Icona, std::string_view) override {
        testi.emplace_back(testo);
        if (FrmPlotta* d = DisegnoAperto(f_)) disegnoDuranteIMessaggi.push_back(Immagine(*d));
    }
    bool chiedi(std::string_view, Icona, std::string_view) override { return false; }
    std::vector<std::string> testi;
    std::vector<QImage> disegnoDuranteIMessaggi;

private:
    const FinestraDiProva& f_;
    PortaMessaggiInstallata guardia_;
};

}  // namespace

void FrmTavoMainTest::ilDisegnoApertoNonMescolaDueStati() {
    const auto cartella = CartellaDiProva("disegno_stati");
    std::filesystem::copy_file(Esempio("Muro.Tav"), cartella / "Muro.Tav");
    FinestraDiProva f(cartella, Esempio("Spalla.Tav").string());
    auto* griglia = f.controllo<GrigliaFlex>("FlexGrid");
    const QString lato2 = griglia->TestoCella(2, 1), dislivello2 = griglia->TestoCella(2, 2);
    const QString phi = f.dati(9)->text(), kh = f.dati(14)->text(), kv = f.dati(18)->text();
    const auto apreDisegno = [&] {
        QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
        FrmPlotta* d = DisegnoAperto(f);
        if (d && !QTest::qWaitForWindowExposed(d)) qWarning("drawing not exposed");
        return QPointer<FrmPlotta>(d);
    };
    // Closed, or showing nothing: never the new inputs beside the old results.
    const auto chiusoOVuoto = [&](const QPointer<FrmPlotta>& d) {
        return !d || !d->isVisible() || Vuota(Immagine(*d));
    };
    // Closed, empty or the drawing of the project in front.
    const auto delProgetto = [&](const QPointer<FrmPlotta>& d) {
        return chiusoOVuoto(d) || Immagine(*d) == DisegnoDelloStato(f, *d);
    };

    // (a) A refused calculation: a friction angle of 2° read into the state
    // and a last side too short to compute on.
    QPointer<FrmPlotta> d = apreDisegno();
    QVERIFY(d && !Vuota(Immagine(*d)));
    f.scrive(f.dati(9), "2");
    griglia->ScriveCella(QStringLiteral("0,001"), 2, 1);
    {
        PortaCheGuardaIlDisegno porta(f);
        QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
        QCOMPARE(porta.testi, std::vector<std::string>{"Lunghezza del segmento 2 del profilo terreno troppo piccola"});
        for (const QImage& i : porta.disegnoDuranteIMessaggi) QVERIFY(Vuota(i));
    }
    QCOMPARE(f.stato.AngoloAttritoInterno, 2.f);
    QVERIFY(chiusoOVuoto(d));

    // (b) A failed one: the static combination computed, the seismic one
    // stopped (kh 0.4 on a steep side); the message comes in the middle of
    // the calculation.
    f.scrive(f.dati(9), phi);
    griglia->ScriveCella(lato2, 2, 1);
    d = apreDisegno();
    QVERIFY(d && !Vuota(Immagine(*d)));
    griglia->ScriveCella(QStringLiteral("4,4"), 2, 2);
    f.scrive(f.dati(14), "0,4");
    f.scrive(f.dati(18), "0,2");
    {
        PortaCheGuardaIlDisegno porta(f);
        QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
        QCOMPARE(porta.testi.size(), std::size_t{1});  // the calculation's own reason
        for (const QImage& i : porta.disegnoDuranteIMessaggi) QVERIFY(Vuota(i));
    }
    QVERIFY(chiusoOVuoto(d));

    // (c) File > Nuovo.
    griglia->ScriveCella(dislivello2, 2, 2);
    f.scrive(f.dati(14), kh);
    f.scrive(f.dati(18), kv);
    d = apreDisegno();
    QVERIFY(d && !Vuota(Immagine(*d)));
    Azione(f, "MnufileItem_0")->trigger();
    QVERIFY(delProgetto(d));

    // (d) File > Apri: another wall.
    d = apreDisegno();
    QVERIFY(d && !Vuota(Immagine(*d)));
    const QImage spalla = Immagine(*d);
    f.servizi.aperture.push_back(cartella / "Muro.Tav");
    Azione(f, "MnufileItem_1")->trigger();
    QCOMPARE(f.finestra->NomeFileBreve(), QStringLiteral("Muro"));
    QVERIFY(delProgetto(d));
    QVERIFY(!d || !d->isVisible() || Immagine(*d) != spalla);
    QCOMPARE(f.porta.conta(), std::size_t{0});

    // A successful calculation afterwards shows the new wall, and one more
    // with the window open draws the wall as it now stands.
    d = apreDisegno();
    QVERIFY(d);
    QVERIFY(Immagine(*d) != spalla);
    QCOMPARE(Immagine(*d), DisegnoDelloStato(f, *d));
    const QImage muro = Immagine(*d);
    f.scrive(f.dati(8), QString::fromStdString(FormattaValore(f.stato.LarghezzaFondazione + 1, SeparatoriItaliani)));
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QVERIFY(d && d->isVisible());
    QVERIFY(Immagine(*d) != muro);
    QCOMPARE(Immagine(*d), DisegnoDelloStato(f, *d));
    QCOMPARE(f.porta.conta(), std::size_t{0});
}

namespace {

// The reinforcement window of the main window, when one is open.
FrmArmature* ArmatureAperte(const FinestraDiProva& f) {
    for (FrmArmature* a : f.finestra->findChildren<FrmArmature*>())
        if (a->isVisible()) return a;
    return nullptr;
}

}  // namespace

void FrmTavoMainTest::leArmatureMostranoIlProgettoInPrimoPiano() {
    const auto programma = CartellaDiProva("armature_progetto");
    std::filesystem::copy_file(Esempio("Muro.Tav"), programma / "Muro.Tav");
    std::filesystem::copy_file(Esempio("Spalla.Tav"), programma / "Spalla.Tav");
    FinestraDiProva f(programma, (programma / "Spalla.Tav").string(), SeparatoriItaliani,
                      FinestraDiProva::Ini::Predefinito, FinestraDiProva::Armature::Collegate);
    QAction* armature = Azione(f, "mnuArmature");
    // Closed, or showing the settings and the steel label of the project in
    // front of it.
    const auto mostraIlProgetto = [&] {
        FrmArmature* a = ArmatureAperte(f);
        if (!a) return true;
        VariabiliPubbliche copia = f.stato;
        const TestiDatiArmature attesi = ScriveDatiArmature(copia);
        for (int i = 0; i < 4; ++i)
            if (a->txtDati(i)->text().toStdString() != attesi[static_cast<std::size_t>(i)]) return false;
        return a->lblFyd()->isVisibleTo(a) == (f.stato.Normativa == NormativaNTC2008);
    };
    const auto ricalcola = [&] {
        if (FrmArmature* a = ArmatureAperte(f)) QTest::mouseClick(a->Command1(), Qt::LeftButton);
    };

    // The abutment under NTC 2008: fyd 391.3 in box 2.
    armature->trigger();
    QVERIFY(ArmatureAperte(f));
    QCOMPARE(ArmatureAperte(f)->txtDati(2)->text(), QStringLiteral("391,3"));
    // File > Apri: the wall under DM 1996, whose admissible stress is 255.
    f.servizi.aperture.push_back(programma / "Muro.Tav");
    Azione(f, "MnufileItem_1")->trigger();
    QCOMPARE(f.stato.Normativa, NormativaDM1996);
    QVERIFY(mostraIlProgetto());
    ricalcola();
    QCOMPARE(f.stato.SigmaAcciaioAmm, 255.f);

    // "Files di Esempio": the abutment again.
    armature->trigger();
    QCOMPARE(ArmatureAperte(f)->txtDati(2)->text(), QStringLiteral("255"));
    f.servizi.aperture.push_back(programma / "Spalla.Tav");
    Azione(f, "mnuhelp_1")->trigger();
    QCOMPARE(f.stato.Normativa, NormativaNTC2008);
    QVERIFY(mostraIlProgetto());
    ricalcola();
    QCOMPARE(f.stato.fyd, 391.3f);

    // File > Nuovo: a project of its own.
    armature->trigger();
    Azione(f, "MnufileItem_0")->trigger();
    QVERIFY(mostraIlProgetto());

    // Another code in force: box 2 would hold the other code's steel stress.
    armature->trigger();
    Azione(f, "NormativaItem_1")->trigger();
    QCOMPARE(f.stato.Normativa, NormativaDM1996);
    QVERIFY(mostraIlProgetto());
    ricalcola();
    QCOMPARE(f.stato.SigmaAcciaioAmm, 255.f);
    QCOMPARE(f.stato.fyd, 391.3f);
    QCOMPARE(f.porta.conta(), std::size_t{0});
}

void FrmTavoMainTest::datiSismaNuoviChiudonoIlDisegno() {
    // The site window, modal, writes kh and kv as the user searches; here it
    // hands back what `nuovi` holds, or nothing.
    std::optional<std::pair<float, float>> nuovi;
    std::vector<bool> disegnoVuoto;
    const auto cartella = CartellaDiProva("sisma_disegno");
    ScriveTavoIni(cartella);
    OpzioniAvvio avvio;
    avvio.cartellaProgramma = cartella;
    avvio.rigaComando = Esempio("Spalla.Tav").string();
    avvio.separatori = SeparatoriItaliani;
    RecordingMessagePort porta;
    VariabiliPubbliche stato;
    NTC sisma;
    ServiziFinti servizi;
    FinestreCollegate finestre;
    finestre.sisma = [&](FrmTavoMain& principale) {
        if (!nuovi) return;
        sisma.KhNTC = nuovi->first;
        sisma.KvNTC = nuovi->second;
        principale.ScriveCoefficientiSismici();
        // Painted now, while the site window is still up.
        FrmPlotta* d = FinestraAperta<FrmPlotta>(&principale);
        disegnoVuoto.push_back(d && Vuota(Immagine(*d)));
    };
    FrmTavoMain finestra(stato, sisma, avvio, servizi, finestre);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    QTest::mouseClick(finestra.findChild<QPushButton*>("cbDiagramma"), Qt::LeftButton);
    QPointer<FrmPlotta> d = FinestraAperta<FrmPlotta>(&finestra);
    QVERIFY(d);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QImage prima = Immagine(*d);
    auto* sismaPulsante = finestra.findChild<QPushButton*>("cmdSisma");
    // Nothing handed back: the same drawing.
    QTest::mouseClick(sismaPulsante, Qt::LeftButton);
    QVERIFY(d && d->isVisible());
    QCOMPARE(Immagine(*d), prima);
    // Another site: kh and kv of the project are no longer those of the
    // results, and the drawing shows nothing from the moment they change.
    nuovi = {{0.2f, 0.1f}};
    QTest::mouseClick(sismaPulsante, Qt::LeftButton);
    QCOMPARE(disegnoVuoto, std::vector<bool>{true});
    QCOMPARE(finestra.findChild<QLineEdit*>("txtDati_14")->text(), QStringLiteral("0,2000"));
    QVERIFY(!d || !d->isVisible());
    QCOMPARE(porta.conta(), std::size_t{0});
}

void FrmTavoMainTest::ilReportDelleArmatureLasciaIlDisegnoIntero() {
    FinestraDiProva f(CartellaDiProva("armature_disegno"), Esempio("Spalla.Tav").string(), SeparatoriItaliani,
                      FinestraDiProva::Ini::Predefinito, FinestraDiProva::Armature::Collegate);
    QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
    QPointer<FrmPlotta> d = DisegnoAperto(f);
    QVERIFY(d);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QImage spalla = Immagine(*d);
    // The report reshapes the stem section by section and computes the
    // wall again: the drawing is of one piece before and after it.
    Azione(f, "mnuArmature")->trigger();
    QVERIFY(ArmatureAperte(f));
    QVERIFY(d && d->isVisible());
    QCOMPARE(Immagine(*d), spalla);
    // A report that fails puts the state back as it was: the same drawing,
    // and while its message is up nothing or that drawing.
    FrmArmature* a = ArmatureAperte(f);
    a->txtDati(1)->setText(QStringLiteral("40"));  // 400 mm of cover on a 300 mm backwall
    {
        PortaCheGuardaIlDisegno porta(f);
        QTest::mouseClick(a->Command1(), Qt::LeftButton);
        QCOMPARE(porta.testi.size(), std::size_t{1});
        for (const QImage& i : porta.disegnoDuranteIMessaggi) QVERIFY(Vuota(i) || i == spalla);
    }
    QVERIFY(d && d->isVisible());
    QCOMPARE(Immagine(*d), spalla);
}

namespace {

// The area of the first stem row of a report ("" when there is none).
QString AsPrimaRigaParete(const std::string& report) {
    const std::string intestazione = "d [m]\tM [kNm]\tN [kN]\tV [kN]\tAs [cm2]";
    const auto i = report.find(intestazione);
    if (i == std::string::npos) return {};
    const auto inizio = report.find("\r\n", i) + 2;
    const QString riga = QString::fromStdString(report.substr(inizio, report.find("\r\n", inizio) - inizio));
    return riga.split(QLatin1Char('\t')).value(4).trimmed();
}

// The report of the project in front, built on a copy of its state: the
// fields the report reads are the ones the state took from the window.
std::string ReportDelloStato(const FinestraDiProva& f) {
    test::RecordingMessagePort muta;
    test::RecordingFinestraPrincipale campi;
    VariabiliPubbliche v = f.stato;
    NTC sisma = f.sisma;
    return ListaArmature(v, sisma, campi).value_or(std::string());
}

}  // namespace

void FrmTavoMainTest::ilReportSegueIlProgettoInPrimoPiano() {
    const auto programma = CartellaDiProva("report_segue");
    std::filesystem::copy_file(Esempio("Muro.Tav"), programma / "Muro.Tav");
    std::optional<std::pair<float, float>> sito;
    FinestraDiProva f(programma, Esempio("Spalla.Tav").string(), SeparatoriItaliani,
                      FinestraDiProva::Ini::Predefinito, FinestraDiProva::Armature::Collegate,
                      [&](FinestraDiProva& g) {
                          g.sisma.KhNTC = sito->first;
                          g.sisma.KvNTC = sito->second;
                          g.finestra->ScriveCoefficientiSismici();
                      });
    Azione(f, "mnuArmature")->trigger();
    QPointer<FrmArmature> a = ArmatureAperte(f);
    QVERIFY(a);
    QVERIFY(QTest::qWaitForWindowExposed(a));
    // Closed, empty, or the report of the project in front: never another.
    const auto delProgetto = [&] {
        if (!a || !a->isVisible()) return true;
        if (a->TestoReport().empty()) return a->Text1()->toPlainText().isEmpty();
        return a->TestoReport() == ReportDelloStato(f) &&
               a->Text1()->toPlainText() == QString::fromStdString(a->TestoReport()).replace("\r\n", "\n");
    };
    // The example abutment: 6.65 cm²/m in the first stem row.
    QCOMPARE(AsPrimaRigaParete(a->TestoReport()), QStringLiteral("6,65"));

    // (a) A taller stem and Calcolo: the report is the 7 m stem's.
    f.scrive(f.dati(3), "7");
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QVERIFY(delProgetto());
    QVERIFY(a && a->isVisible());
    QCOMPARE(AsPrimaRigaParete(a->TestoReport()), QStringLiteral("14,01"));
    QVERIFY(SalvaImmagine(*a, "FrmArmatureDopoCalcolo.png"));
    const std::string stelo7 = a->TestoReport();

    // (b) Another site, accepted: the rows of the old kh and kv go; the
    // next Calcolo lists the new ones.
    QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
    QPointer<FrmPlotta> d = DisegnoAperto(f);
    QVERIFY(d);
    sito = {{0.2f, 0.1f}};
    QTest::mouseClick(Pulsante(f, "cmdSisma"), Qt::LeftButton);
    QVERIFY(delProgetto());
    QVERIFY(a && a->TestoReport().empty());
    QVERIFY(!d || !d->isVisible());
    QVERIFY(SalvaImmagine(*a, "FrmArmatureDopoAltroSito.png"));
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QVERIFY(delProgetto());
    QVERIFY(a && !a->TestoReport().empty() && a->TestoReport() != stelo7);
    QCOMPARE(f.porta.conta(), std::size_t{0});

    // (c) A refused Calcolo: its one message, and no report of the wall before.
    auto* griglia = f.controllo<GrigliaFlex>("FlexGrid");
    const QString lato2 = griglia->TestoCella(2, 1);
    griglia->ScriveCella(QStringLiteral("0,001"), 2, 1);
    QTest::mouseClick(Pulsante(f, "cbCalcolo"), Qt::LeftButton);
    QCOMPARE(f.porta.testi(), std::vector<std::string>{"Lunghezza del segmento 2 del profilo terreno troppo piccola"});
    QVERIFY(delProgetto());
    QVERIFY(a && a->TestoReport().empty());
    f.porta.svuota();

    // (d) Drawing and report open, File > Apri of the wall: both show it,
    // or nothing; neither shows the abutment.
    griglia->ScriveCella(lato2, 2, 1);
    QTest::mouseClick(Pulsante(f, "cbDiagramma"), Qt::LeftButton);
    d = DisegnoAperto(f);
    QVERIFY(d && QTest::qWaitForWindowExposed(d));
    const QImage spalla = Immagine(*d);
    QVERIFY(a && !a->TestoReport().empty());
    const std::string reportSpalla = a->TestoReport();
    f.servizi.aperture.push_back(programma / "Muro.Tav");
    Azione(f, "MnufileItem_1")->trigger();
    QCOMPARE(f.finestra->NomeFileBreve(), QStringLiteral("Muro"));
    QVERIFY(delProgetto());
    QVERIFY(!a || a->TestoReport() != reportSpalla);
    QVERIFY(!a || a->txtDati(2)->text() == QStringLiteral("255"));
    QVERIFY(!d || !d->isVisible() || Vuota(Immagine(*d)) ||
            (Immagine(*d) != spalla && Immagine(*d) == DisegnoDelloStato(f, *d)));
    if (a) QVERIFY(SalvaImmagine(*a, "FrmArmatureDopoApri.png"));
    if (d && d->isVisible()) QVERIFY(SalvaImmagine(*d, "FrmPlottaDopoApri.png"));
}

void FrmTavoMainTest::guidaEInformazioni() {
    const auto cartella = CartellaDiProva("guida");
    FinestraDiProva f(cartella);
    Azione(f, "mnuhelp_0")->trigger();
    QCOMPARE(f.porta.testi(), std::vector<std::string>{"File della guida " + (cartella / "Tavo.html").string() + " non trovato "});
    std::ofstream(cartella / "Tavo.html") << "<html></html>";
    f.porta.svuota();
    Azione(f, "mnuhelp_0")->trigger();
    QCOMPARE(f.servizi.documenti, std::vector<QString>{QString::fromStdString((cartella / "Tavo.html").string())});
    QCOMPARE(f.porta.conta(), std::size_t{0});
    f.servizi.visualizzatore = false;
    Azione(f, "mnuhelp_0")->trigger();
    QVERIFY(f.porta.testi().at(0).starts_with("Non è installato un programma che mostri la guida."));
    // The about box names the program; OK closes it.
    bool visto = false;
    QTimer::singleShot(0, [&] {
        auto* info = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(info);
        visto = info->findChild<QLabel*>("lblTitolo")->text().contains("Verifica tavo di sostegno/spalla");
        QTest::mouseClick(info->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    Azione(f, "mnuhelp_2")->trigger();
    QVERIFY(visto);
}

void FrmTavoMainTest::guidaSenzaVisualizzatoreLoDiceUnaVolta() {
    // The desktop's own services, with the viewer launcher (xdg-open) of a
    // folder of the test's put first on the search path.
    const auto cartella = CartellaDiProva("guida_desktop");
    const auto bin = cartella / "bin";
    std::filesystem::create_directories(bin);
    const auto lanciatore = [&](const std::string& corpo) {
        std::ofstream(bin / "xdg-open") << "#!/bin/sh\n" << corpo << "\n";
        std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    };
    // The search path is restored however the test ends, so that a failed
    // check never leaves the fake launcher in front of later tests.
    struct RipristinaPercorso {
        QByteArray percorso = qgetenv("PATH");
        ~RipristinaPercorso() { qputenv("PATH", percorso); }
    } const originale;
    const QByteArray& percorso = originale.percorso;
    qputenv("PATH", QByteArray::fromStdString(bin.string()) + ':' + percorso);
    std::ofstream(cartella / "Tavo.html") << "<html></html>";
    OpzioniAvvio avvio;
    avvio.cartellaProgramma = cartella;
    avvio.separatori = SeparatoriItaliani;
    ScriveTavoIni(cartella);
    RecordingMessagePort porta;
    VariabiliPubbliche stato;
    NTC sisma;
    ServiziDesktop servizi;
    FrmTavoMain finestra(stato, sisma, avvio, servizi);
    auto* aiuto = finestra.findChild<QAction*>(QStringLiteral("mnuhelp_0"));
    const std::string guida = (cartella / "Tavo.html").string();
    const std::vector<std::string> avviso{"Non è installato un programma che mostri la guida.\r\nLa guida è il file " +
                                          guida};

    // A launcher that finds no viewer and says so by its exit code: one message.
    lanciatore("exit 3");
    aiuto->trigger();
    QTRY_COMPARE(porta.testi(), avviso);
    QTest::qWait(100);
    QCOMPARE(porta.conta(), std::size_t{1});
    QCOMPARE(porta.registrati()[0].icona, Icona::Esclamazione);

    // A launcher that opens the page: nothing to say.
    porta.svuota();
    lanciatore("echo \"$1\" > \"" + (cartella / "aperto").string() + "\"");
    aiuto->trigger();
    QTRY_VERIFY(std::filesystem::exists(cartella / "aperto"));
    QTest::qWait(100);
    QCOMPARE(porta.conta(), std::size_t{0});
    QCOMPARE(Contenuto(cartella / "aperto"), guida + "\n");

    // No launcher on the system at all: the same message, at once.
    qputenv("PATH", QByteArray::fromStdString(cartella.string()));
    aiuto->trigger();
    QCOMPARE(porta.testi(), avviso);
}

void FrmTavoMainTest::fileDiEsempioEZoom() {
    const auto programma = CartellaDiProva("esempi");
    std::filesystem::copy_file(Esempio("Muro.Tav"), programma / "Muro.Tav");
    FinestraDiProva f(programma);
    const auto dati = ambiente().PercorsoDati;
    f.servizi.aperture.push_back(programma / "Muro.Tav");
    Azione(f, "mnuhelp_1")->trigger();
    QCOMPARE(f.servizi.richieste.at(0).cartella, programma);
    QCOMPARE(f.finestra->NomeFileBreve(), QStringLiteral("Muro"));
    QCOMPARE(ambiente().PercorsoDati, dati);
    // The zoom enlarges the schema picture and brings it back.
    auto* schema = f.controllo<QWidget>("pctSchema");
    const QSize piccolo = schema->size();
    QTest::mouseClick(Pulsante(f, "cmdSchema"), Qt::LeftButton);
    QVERIFY(schema->width() > 2 * piccolo.width());
    QTest::mouseClick(schema, Qt::LeftButton);
    QCOMPARE(schema->size(), piccolo);
}

void FrmTavoMainTest::finestreCollegate() {
    // The seismic site window hands kh and kv back through boxes 14 and 18.
    FinestreCollegate finestre;
    finestre.sisma = [](FrmTavoMain& principale) { principale.ScriveCoefficientiSismici(); };
    OpzioniAvvio avvio;
    avvio.cartellaProgramma = CartellaDiProva("collegate");
    avvio.separatori = SeparatoriItaliani;
    RecordingMessagePort porta;
    VariabiliPubbliche stato;
    NTC sisma;
    ServiziFinti servizi;
    FrmTavoMain finestra(stato, sisma, avvio, servizi, finestre);
    sisma.KhNTC = 0.12345f;
    sisma.KvNTC = -0.0617f;
    QTest::mouseClick(finestra.findChild<QPushButton*>("cmdSisma"), Qt::LeftButton);
    QCOMPARE(finestra.findChild<QLineEdit*>("txtDati_14")->text(), QStringLiteral("0,1235"));
    QCOMPARE(finestra.findChild<QLineEdit*>("txtDati_18")->text(), QStringLiteral("-0,0617"));
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::FrmTavoMainTest)
#include "FrmTavoMainTest.moc"
