// The drawing window over the computed example abutment: its picture (saved
// under the build folder for a person to look at), printing two copies to a
// PDF file, the DXF file read back by ezdxf and LibreCAD, the CAD command
// on a machine without a CAD program, and closing.

#include "walldrawing/ui/FrmPlotta.h"

#include "analysis/RisultatoAttuale.h"

#include "tests/drawing/LettoreDxf.h"
#include "tests/support/ProveFinestre.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/walldrawing/EsempioCalcolato.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace tavo {

namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }

// The desktop's printer with the dialogs answered from a script.
class PiattaformaDiProva final : public PiattaformaUscitaQt {
public:
    using PiattaformaUscitaQt::PiattaformaUscitaQt;
    fs::path pdf;              // the printer prints here; empty: cancelled
    int copie = 1;
    QString nomeStampante;     // a printer of the system instead of the PDF file
    fs::path dxf;              // the file chosen; empty: cancelled
    QString proposta, filtri, filtroScelto;

protected:
    bool SceltaStampante(QPrinter& stampante) override {
        if (!nomeStampante.isEmpty()) {
            stampante.setOutputFormat(QPrinter::NativeFormat);
            stampante.setPrinterName(nomeStampante);
            return true;
        }
        if (pdf.empty()) return false;
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(Q(pdf));
        stampante.setCopyCount(copie);
        return true;
    }
    QString SceltaFile(const QString& p, const QString& f, QString& scelto, bool) override {
        proposta = p;
        filtri = f;
        filtroScelto = scelto;
        return dxf.empty() ? QString() : Q(dxf);
    }
};

// Counts the pixels that are not white.
int PixelDisegnati(const QImage& immagine) {
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (immagine.pixelColor(x, y).lightness() < 200) ++n;
    return n;
}

QString Esegue(const QString& programma, const QStringList& argomenti, int* uscita = nullptr) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(120000)) p.kill();
    if (uscita) *uscita = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class FrmPlottaTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        cartella = test::CartellaDiProva(QTest::currentTestFunction());
        percorsoDati = cartella;
        finestra = std::make_unique<FrmPlotta>(test::SpallaCalcolata().v, test::SpallaCalcolata().ntc,
                                               [] { return std::string("Spalla"); }, percorsoDati);
        piattaforma = std::make_unique<PiattaformaDiProva>(finestra.get());
        finestra->ImpostaPiattaforma(piattaforma.get());
        finestra->resize(1100, 760);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    }
    void cleanup() {
        finestra.reset();
        piattaforma.reset();
    }

    void didascalieEDisegno() {
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Plottaggio tavo"));
        QStringList voci;
        for (int i = 0; i < 5; ++i) {
            auto* a = finestra->findChild<QAction*>(QStringLiteral("MnufileItem_%1").arg(i));
            QVERIFY(a);
            voci << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        QCOMPARE(voci, (QStringList{"&Stampa", "&Eporta Dxf", "&Disegna in Autocad", "-", "&Chiudi"}));

        const QImage immagine = finestra->grab().toImage();
        QVERIFY(immagine.save(test::CartellaCostruzione() + "/FrmPlotta.png"));
        QVERIFY(PixelDisegnati(immagine) > 5000);
        // Smaller, the window repaints the whole drawing at its new size.
        finestra->resize(640, 480);
        const QImage piccola = finestra->centralWidget()->grab().toImage();
        QCOMPARE(piccola.width(), finestra->centralWidget()->width());
        QVERIFY(PixelDisegnati(piccola) > 2000);
    }

    void stampaDueCopieInPdf() {
        piattaforma->pdf = cartella / "Spalla.pdf";
        piattaforma->copie = 2;
        test::RecordingMessagePort messaggi;
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_0"))->trigger();
        QCOMPARE(messaggi.conta(), std::size_t{0});
        QCOMPARE(piattaforma->stampante().copyCount(), 1);
        const QString info = Esegue(QStringLiteral("pdfinfo"), {Q(piattaforma->pdf)});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        // Each page carries the drawing.
        for (const char* pagina : {"1", "2"}) {
            int uscita = -1;
            Esegue(QStringLiteral("pdftoppm"), {"-png", "-r", "40", "-f", pagina, "-l", pagina, "-singlefile",
                                               Q(piattaforma->pdf), Q(cartella / "pagina")}, &uscita);
            QCOMPARE(uscita, 0);
            const QImage immagine(Q(cartella / "pagina.png"));
            QVERIFY(!immagine.isNull());
            QVERIFY(PixelDisegnati(immagine) > 1000);
        }
    }

    void stampaAnnullataOStampanteAssente() {
        test::RecordingMessagePort messaggi;
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_0"))->trigger();
        QCOMPARE(messaggi.conta(), std::size_t{0});
        QVERIFY(fs::is_empty(cartella));
        piattaforma->nomeStampante = QStringLiteral("Stampante che non esiste");
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_0"))->trigger();
        QCOMPARE(messaggi.testi(), std::vector<std::string>{"Stampante non presente o non disponibile."});
    }

    void stampaSuUnFileNonScrivibile() {
        // The PDF file's folder does not exist: the printer cannot begin.
        piattaforma->pdf = cartella / "manca" / "Spalla.pdf";
        test::RecordingMessagePort messaggi;
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_0"))->trigger();
        QCOMPARE(messaggi.testi(), std::vector<std::string>{
            "Si è verificato durante il processo di stampa il seguente errore: 75\r\n"
            "Impossibile scrivere il file " + piattaforma->pdf.string()});
        QVERIFY(!fs::exists(cartella / "manca"));
    }

    void dxfDellEsempioLettoDaEzdxfELibreCad() {
        piattaforma->dxf = cartella / "Spalla.dxf";
        test::RecordingMessagePort messaggi;
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_1"))->trigger();
        QCOMPARE(messaggi.conta(), std::size_t{0});
        QCOMPARE(piattaforma->proposta, Q(cartella / "Spalla.dxf"));
        QCOMPARE(piattaforma->filtri, QStringLiteral("All Files (*.*);;Files per Autocad (*.dxf)"));
        QCOMPARE(piattaforma->filtroScelto, QStringLiteral("Files per Autocad (*.dxf)"));

        const test::DxfLetto letto = test::LeggeConEzdxf(piattaforma->dxf);
        QCOMPARE(letto.errori, 0);
        QVERIFY(letto.entita.size() > 100);
        bool titolo = false, phi = false;
        for (const auto& e : letto.entita) {
            titolo = titolo || e.testo == test::SpallaCalcolata().v.TitoloTavo;
            phi = phi || e.testo == "j = 35°";
        }
        QVERIFY(titolo);
        QVERIFY(phi);

        // LibreCAD prints it to a PDF file of the same name beside it.
        QProcess librecad;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        librecad.setProcessEnvironment(ambiente);
        const fs::path pdf = cartella / "Spalla.pdf";
        librecad.start(QStringLiteral("timeout"), {"120", "librecad", "dxf2pdf", "-a", Q(piattaforma->dxf)});
        QVERIFY(librecad.waitForFinished(150000));
        QCOMPARE(librecad.exitCode(), 0);
        std::ifstream f(pdf, std::ios::binary);
        std::string inizio(4, '\0');
        f.read(inizio.data(), 4);
        QCOMPARE(inizio, std::string("%PDF"));
    }

    void salvataggioAnnullatoNonScriveNulla() {
        test::RecordingMessagePort messaggi;
        const fs::path prima = percorsoDati;
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_1"))->trigger();
        QCOMPARE(messaggi.conta(), std::size_t{0});
        QVERIFY(fs::is_empty(cartella));
        QCOMPARE(percorsoDati, prima);
    }

    void senzaProgrammaCadEChiudi() {
        test::RecordingMessagePort messaggi;
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_2"))->trigger();
        QCOMPARE(messaggi.testi(), std::vector<std::string>{
            "Impossibile aprire Autocad.\r\nControllare che la versione di Autocad non sia LT"});
        finestra->findChild<QAction*>(QStringLiteral("MnufileItem_4"))->trigger();
        QVERIFY(!finestra->isVisible());
    }

    void segueIlProgetto() {
        // Over a state of its own: results of its inputs drawn, a state
        // being rewritten painted empty, then the window closed when told.
        test::Progetto p = test::SpallaCalcolata();
        AvvisoProgetto avviso;
        FrmPlotta d(p.v, p.ntc, [] { return std::string("Spalla"); }, percorsoDati, nullptr, &avviso);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const auto disegnati = [&] { return PixelDisegnati(d.centralWidget()->grab().toImage()); };
        QVERIFY(disegnati() > 5000);
        avviso.Avvisa();
        QVERIFY(d.isVisible());
        p.ntc.KhNTC += 0.01f;  // another site: the results are of the old kh
        QCOMPARE(disegnati(), 0);
        p.ntc.KhNTC -= 0.01f;
        QVERIFY(disegnati() > 5000);
        NuovaGenerazione(p.v);  // the inputs are being rewritten
        QCOMPARE(disegnati(), 0);
        avviso.Avvisa();
        QVERIFY(!d.isVisible());
    }

    void unaFinestraAppenaChiusaLasciaIlPostoAUnaNuova() {
        // Closed, the window waits for its deletion: showing the drawing at
        // once after must not bring back the one about to go.
        QWidget principale;
        const auto nome = [] { return std::string("Spalla"); };
        AvvisoProgetto avviso;
        QPointer<FrmPlotta> prima(&MostraFrmPlotta(&principale, test::SpallaCalcolata().v,
                                                   test::SpallaCalcolata().ntc, nome, percorsoDati, avviso));
        QCOMPARE(FinestraAperta<FrmPlotta>(&principale), prima.data());
        prima->close();
        QCOMPARE(FinestraAperta<FrmPlotta>(&principale), nullptr);
        QPointer<FrmPlotta> dopo(&MostraFrmPlotta(&principale, test::SpallaCalcolata().v,
                                                  test::SpallaCalcolata().ntc, nome, percorsoDati, avviso));
        QVERIFY(dopo != prima);
        QTRY_VERIFY(prima.isNull());
        QVERIFY(dopo && dopo->isVisible());
        QCOMPARE(FinestraAperta<FrmPlotta>(&principale), dopo.data());
    }

private:
    fs::path cartella, percorsoDati;
    std::unique_ptr<FrmPlotta> finestra;
    std::unique_ptr<PiattaformaDiProva> piattaforma;
};

}  // namespace tavo

QTEST_MAIN(tavo::FrmPlottaTest)
#include "FrmPlottaTest.moc"
