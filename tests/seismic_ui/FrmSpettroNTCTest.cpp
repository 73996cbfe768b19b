// The site search window driven through its widgets, offscreen.

#include "seismic/AzioneSismica.h"
#include "seismic/DisegnoSito.h"
#include "seismic/InterpolazioneSito.h"
#include "seismic/ui/FrmSpettroNTC.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/ProveFinestre.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/RecordingSuperficie.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace tavo {
namespace {

using test::NodoModerato;

// The box of the pixels where `a` differs from `b` (same size), or an
// empty box when none does.
QRect PixelDiversi(const QImage& a, const QImage& b) {
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

// A red pixel (colour index 1) within `raggio` pixels of (x, y).
bool RossoVicino(const QImage& im, double x, double y, int raggio) {
    for (int j = -raggio; j <= raggio; ++j)
        for (int i = -raggio; i <= raggio; ++i) {
            const QColor c = im.pixelColor(static_cast<int>(std::lround(x)) + i, static_cast<int>(std::lround(y)) + j);
            if (c.red() > 180 && c.green() < 100 && c.blue() < 100) return true;
        }
    return false;
}

// Counts the paint events of the widgets it watches.
class ContaPitture final : public QObject {
public:
    std::map<QObject*, int> conte;
    void osserva(QWidget* w) {
        w->installEventFilter(this);
        conte[w] = 0;
    }
    void azzera() {
        for (auto& [w, n] : conte) n = 0;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++conte[o];
        return false;
    }
};

// What the screen shows of `w` (the window's backing store) is what the
// window paints there now: no change of `w` waits for a repaint.
bool SiVedeAggiornato(QWidget& finestra, const QWidget* w) {
    const QRect r(w->mapTo(&finestra, QPoint(0, 0)), w->size());
    const QImage visto = finestra.screen()
                             ->grabWindow(finestra.winId(), r.x(), r.y(), r.width(), r.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage adesso = finestra.grab(r).toImage().convertToFormat(QImage::Format_RGB32);
    return !visto.isNull() && visto == adesso;
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
        cartella->scriveTutti({NodoModerato(1, 12.45f, 41.95f), NodoModerato(2, 12.45f, 41.85f),
                               NodoModerato(3, 12.55f, 41.95f), NodoModerato(4, 12.55f, 41.85f),
                               NodoModerato(5, 12.61f, 43.07f)});
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
        // No site to search yet, but the map is there, clean.
        const QImage pulita =
            QImage(QStringLiteral(":/seismic/MappaItalia.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(w<QLabel>("pctMappa")->pixmap().toImage().convertToFormat(QImage::Format_RGB32), pulita);
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
        QVERIFY(test::SalvaImmagine(*finestra, "FrmSpettroNTC.png"));
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

    // A damaged data file or a table no site can have gives one message and
    // the window goes on taking events.
    void valoriAssurdiDannoUnMessaggioELaFinestraResta() {
        ElencoIsole isole = test::IsoleDiProva();
        isole.AgIsole[0][6] = -1e30f;
        cartella->scrive(NomeFileIsole, CodificaIsole(isole));
        Apre();
        w<QRadioButton>("optTipoRicerca2")->click();
        QCOMPARE(porta->testi(), std::vector<std::string>{"Lettura incompleta del file " +
                                                          (cartella->percorso() / NomeFileIsole).string() +
                                                          "\r\nRiga 4: i parametri dell'isola 1 non sono possibili per un sito."});
        QVERIFY(finestra->isVisible());
        finestra.reset();

        // A project's table whose spectrum period 4 ag + 1.6 leaves the Singles.
        porta->svuota();
        sisma.AgTR.fill(1e38f);
        sisma.F0TR.fill(2.5f);
        sisma.TcTR.fill(0.3f);
        Apre();
        Sceglie("cmbStatoLimite", 2);
        Sceglie("cmbTopo", 0);
        Sceglie("cmbSuolo", 0);
        QVERIFY(finestra->isVisible());
        QVERIFY(!porta->testi().empty());
        QVERIFY(porta->testi().back().find("PeriodiSpettro") != std::string::npos);
        Digita("txtNTC0", "50");
        QCOMPARE(testo("txtNTC0"), QStringLiteral("50"));
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

    // On the real grid: the marker on Rome, the four nodes of its cell with
    // their IDs, the marker moved by a click to the coordinates typed, and a
    // site off the grid with its marker alone at the centre of the close-up.
    void mappaENodiSuRoma() {
        cartella.reset();
        consegne = 0;
        finestra = std::make_unique<FrmSpettroNTC>(sisma, qEnvironmentVariable("TAVO_DATI_NTC").toStdString(),
                                                   [this] { ++consegne; }, Separatori{U',', U'.'});
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        Digita("txtCoord0", "12,4835");
        Digita("txtCoord1", "41,893");
        QVERIFY(porta->testi().empty());

        const QImage pulita =
            QImage(QStringLiteral(":/seismic/MappaItalia.png")).convertToFormat(QImage::Format_RGB32);
        auto mappa = [&] { return w<QLabel>("pctMappa")->pixmap().toImage().convertToFormat(QImage::Format_RGB32); };
        // The extent stretched over 300 x 358 pixels: Rome at
        // ((12.4835 - 5.69) / 14.71 * 300, (47.67 - 41.893) / 12.17 * 358) = (138.5, 169.9).
        QCOMPARE(mappa().size(), pulita.size());
        const QRectF roma = PixelDiversi(mappa(), pulita).toRectF();
        QVERIFY(std::abs(roma.center().x() - 138.5) < 1.5);
        QVERIFY(std::abs(roma.center().y() - 169.9) < 1.5);

        // The close-up: a red circle at each of the four nodes, where the
        // drawing routine puts them on a picture of the same size.
        const FinestraSpettroNTC& logica = finestra->logica();
        QCOMPARE(NumeroNodi(logica.Nodi), 4);
        const QImage nodi = w<QLabel>("pctPuntiNTC")->pixmap().toImage();
        QVERIFY(!nodi.isNull());
        Grafica g;
        test::RecordingSuperficie atteso(nodi.width(), nodi.height());
        DisegnaNodi(g, atteso, 12.4835f, 41.893f, logica.Nodi);
        for (const test::TrattoRegistrato& t : atteso.tratti)
            if (t.tipo == 'C' && t.colore == 0x0000FF) QVERIFY(RossoVicino(nodi, t.x1, t.y1 - t.x2, 1));
        // Every ID whole on the picture (the fake's text is 12 pixels high,
        // 6 across per digit, about as the screen font).
        QCOMPARE(atteso.testi().size(), std::size_t{4});
        for (const test::TrattoRegistrato& t : atteso.testi())
            QVERIFY(QRectF(0, 0, nodi.width(), nodi.height())
                        .contains(QRectF(t.x1, t.y1, 6.0 * static_cast<double>(t.testo.size()), 12)));
        QVERIFY(test::SalvaImmagine(*finestra, "FrmSpettroNTC_Roma.png"));

        // A click draws the marker at the coordinates shown, not searched.
        w<QLineEdit>("txtCoord0")->setText(QStringLiteral("9,19"));
        w<QLineEdit>("txtCoord1")->setText(QStringLiteral("45,46"));
        QTest::mouseClick(w<QLabel>("pctMappa"), Qt::LeftButton);
        // Milan: ((9.19 - 5.69) / 14.71 * 300, (47.67 - 45.46) / 12.17 * 358) = (71.4, 65.0).
        const QRectF milano = PixelDiversi(mappa(), pulita).toRectF();
        QVERIFY(std::abs(milano.center().x() - 71.4) < 1.5);
        QVERIFY(std::abs(milano.center().y() - 65.0) < 1.5);
        QCOMPARE(finestra->logica().Nodi[NordOvest].ID, logica.Nodi[NordOvest].ID);

        // Sardinia lies off the grid: no node, the marker alone at the centre.
        Digita("txtCoord0", "9");
        Digita("txtCoord1", "40");
        QCOMPARE(porta->testi(), std::vector<std::string>{"Sito esterno al reticolo"});
        const QImage soloSito = w<QLabel>("pctPuntiNTC")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QImage bianco(soloSito.size(), QImage::Format_RGB32);
        bianco.fill(Qt::white);
        const QRectF sito = PixelDiversi(soloSito, bianco).toRectF();
        QVERIFY(std::abs(sito.center().x() - soloSito.width() / 2.0) < 1.5);
        QVERIFY(std::abs(sito.center().y() - soloSito.height() / 2.0) < 1.5);
        QVERIFY(test::SalvaImmagine(*finestra, "FrmSpettroNTC_Sardegna.png"));
    }

    // Every search (coordinates with Enter, region, province, municipality,
    // island) and Enter in VR repaint the boxes and the table they change:
    // what the screen shows is the new site's, without a resize.
    void unaRicercaRidipingeCaselleETabella() {
        Apre();
        Sceglie("cmbStatoLimite", 2);
        Sceglie("cmbSuolo", 1);
        Sceglie("cmbTopo", 0);
        Digita("txtNTC0", "50");
        QTableWidget* griglia = w<QTableWidget>("GridNTC");
        std::vector<QWidget*> caselle;
        for (int i : {1, 4, 5, 6, 7, 8, 9, 10, 11})
            caselle.push_back(w<QLineEdit>(QStringLiteral("txtNTC%1").arg(i).toUtf8().constData()));
        ContaPitture pitture;
        for (QWidget* c : caselle) pitture.osserva(c);
        pitture.osserva(griglia->viewport());
        auto celle = [&] {
            QStringList t;
            for (int r = 0; r < griglia->rowCount(); ++r)
                for (int k = 0; k < griglia->columnCount(); ++k) t << griglia->item(r, k)->text();
            return t;
        };
        auto testi = [&] {
            QStringList t;
            for (QWidget* c : caselle) t << static_cast<QLineEdit*>(c)->text();
            return t;
        };
        const std::pair<const char*, std::function<void()>> passi[] = {
            {"coordinate con Invio", [&] { Digita("txtCoord0", "12,5"); Digita("txtCoord1", "41,9"); }},
            {"regione", [&] { w<QRadioButton>("optTipoRicerca1")->click(); Sceglie("cmbComune0", 1); }},
            {"regione di nuovo", [&] { Sceglie("cmbComune0", 0); }},
            {"provincia fuori dal reticolo", [&] { Sceglie("cmbComune1", 1); }},
            {"provincia", [&] { Sceglie("cmbComune1", 0); }},
            {"comune fuori dal reticolo", [&] { Sceglie("cmbComune2", 1); }},
            {"isole", [&] { w<QRadioButton>("optTipoRicerca2")->click(); }},
            {"isola", [&] { Sceglie("cmbIsole", 1); }},
            {"VR con Invio", [&] { Digita("txtNTC0", "100"); }},
        };
        auto tuttiAggiornati = [&] {
            bool si = SiVedeAggiornato(*finestra, griglia);
            for (const QWidget* c : caselle) si = si && SiVedeAggiornato(*finestra, c);
            return si;
        };
        for (const auto& [nome, passo] : passi) {
            QTRY_VERIFY2(tuttiAggiornati(), (std::string("prima del passo: ") + nome).c_str());
            pitture.azzera();
            const QStringList testiPrima = testi(), cellePrima = celle();
            passo();
            QVERIFY2(testi()[7] != testiPrima[7], nome);  // kh: the step changes the site's numbers
            QTRY_VERIFY2(tuttiAggiornati(), nome);
            for (std::size_t i = 0; i < caselle.size(); ++i)
                if (testi()[static_cast<int>(i)] != testiPrima[static_cast<int>(i)])
                    QVERIFY2(pitture.conte[caselle[i]] > 0, nome);
            if (celle() != cellePrima) QVERIFY2(pitture.conte[griglia->viewport()] > 0, nome);
        }
        QCOMPARE(griglia->item(0, 0)->text(), QStringLiteral("0,200"));  // Isola Due: 2 tenths of g
    }

    // Under comma decimals the keypad's decimal key types the comma in the
    // coordinate boxes, and the site is found.
    void tastoDecimaleDelTastierinoNelleCoordinate() {
        SeparatoriInstallati italiani(Separatori{U',', U'.'});
        Apre();
        const std::pair<const char*, const char*> coordinate[] = {{"12", "5"}, {"41", "9"}};
        for (int i = 0; i < 2; ++i) {
            QLineEdit* box = w<QLineEdit>(i == 0 ? "txtCoord0" : "txtCoord1");
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromUtf8(coordinate[i].first));
            QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
            QTest::keyClicks(box, QString::fromUtf8(coordinate[i].second));
            QCOMPARE(box->text(), QStringLiteral("%1,%2").arg(coordinate[i].first, coordinate[i].second));
            QTest::keyClick(box, Qt::Key_Return);
        }
        QVERIFY(porta->testi().empty());
        QCOMPARE(finestra->logica().LonSito, 12.5f);
        QCOMPARE(finestra->logica().LatSito, 41.9f);
        QCOMPARE(w<QTableWidget>("GridNTC")->item(6, 0)->text(), QStringLiteral("0,085"));
    }

    // Without the grid file the window says which file is missing, keeps
    // the project's table and coefficients, and hands back nothing: "OK" is
    // not offered and the close box cancels.
    void reticoloMancanteLasciaIDatiDelProgetto() {
        std::filesystem::remove(cartella->percorso() / NomeFileReticolo);
        sisma = test::ProgettoARoma();
        const NTC prima = sisma;
        Apre();
        QCOMPARE(porta->testi(), std::vector<std::string>{"File " +
                                                          (cartella->percorso() / NomeFileReticolo).string() +
                                                          " non trovato "});
        QCOMPARE(w<QTableWidget>("GridNTC")->item(6, 0)->text(), QStringLiteral("0,160"));
        QCOMPARE(w<QTableWidget>("GridNTC")->item(8, 2)->text(), QStringLiteral("0,300"));
        QCOMPARE(testo("txtNTC10"), QString::fromStdString(FormatoNTC(prima.KhNTC, ',')));
        QCOMPARE(testo("txtNTC11"), QString::fromStdString(FormatoNTC(prima.KvNTC, ',')));
        QVERIFY(prima.KhNTC > 0);
        QVERIFY(!w<QPushButton>("cmdOK0")->isEnabled());
        QVERIFY(w<QPushButton>("cmdOK1")->isEnabled());
        finestra->close();
        QVERIFY(!finestra->isVisible());
        QCOMPARE(consegne, 0);
        QVERIFY(sisma == prima);
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

    // "abc" typed as the longitude of a site found: one message naming the
    // box, "OK" no longer offered, and the close box leaves the site whole.
    void unaCoordinataNonNumericaNonSiAccetta() {
        Apre();
        Digita("txtCoord0", "12,5");
        Digita("txtCoord1", "41,9");
        QVERIFY(porta->testi().empty());
        finestra->close();
        QCOMPARE(consegne, 1);
        const NTC trovato = sisma;
        Apre();
        Digita("txtCoord0", "abc");
        QCOMPARE(porta->testi(), std::vector<std::string>{"Dato non valido in \"Longitudine\": \"abc\" non è un "
                                                          "numero: scrivere ad esempio 1.234,5 (separatore decimale \",\")."});
        QVERIFY(!w<QPushButton>("cmdOK0")->isEnabled());
        QVERIFY(!w<QPushButton>("cmdOK0")->toolTip().isEmpty());
        finestra->close();
        QCOMPARE(consegne, 0);
        QCOMPARE(sisma, trovato);
    }
};

}  // namespace tavo

QTEST_MAIN(tavo::FrmSpettroNTCTest)
#include "FrmSpettroNTCTest.moc"
