// The drawing as a person reads it, with the real font of each device: on
// the default window, a small window and A4 and A3 pages in both
// orientations, for walls that are hard to lay out, no text (label, title
// or results line) overlaps another or leaves the device, every results line
// lies at least one line of the font below the one before, and every
// label is on the device. The pages are also printed to PDF and read back
// with pdftotext -bbox: there too no two words overlap and every line of
// the results is on the page.

#include "drawing/ui/SuperficiePainter.h"
#include "tests/support/ProveFinestre.h"
#include "tests/walldrawing/MuriDaImpaginare.h"
#include "tests/walldrawing_ui/PaginaPdf.h"
#include "walldrawing/DisegnoTavo.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <filesystem>
#include <vector>

namespace tavo {

namespace {

// The painter surface that also keeps the box of every text it paints, in
// device pixels, from the metrics of the font it paints with.
class PainterConRiquadri final : public SuperficiePainter {
public:
    explicit PainterConRiquadri(QPainter& p) : SuperficiePainter(p), painter_(p) {}
    struct Riquadro {
        QString testo;
        QRectF r;
    };
    std::vector<Riquadro> testi;

protected:
    void TestoDispositivo(double x, double y, std::string_view t) override {
        SuperficiePainter::TestoDispositivo(x, y, t);
        const QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        const QFontMetricsF fm(painter_.font(), painter_.device());
        testi.push_back({s, QRectF(x, y, fm.horizontalAdvance(s), fm.height())});
    }

private:
    QPainter& painter_;
};

struct Dispositivo {
    const char* nome;
    int larghezza = 0, altezza = 0;        // a window: its drawing area in pixels
    QPageSize::PageSizeId carta = QPageSize::A4;
    bool orizzontale = false;
};

const Dispositivo Dispositivi[] = {
    {"FinestraPredefinita", 960, 655},
    {"FinestraPiccola", 480, 330},
    {"A4Verticale", 0, 0, QPageSize::A4, false},
    {"A4Orizzontale", 0, 0, QPageSize::A4, true},
    {"A3Verticale", 0, 0, QPageSize::A3, false},
    {"A3Orizzontale", 0, 0, QPageSize::A3, true},
};

bool Sovrapposti(const QRectF& a, const QRectF& b, double tolleranza) {
    const QRectF i = a.intersected(b);
    return i.width() > tolleranza && i.height() > tolleranza;
}

// The texts painted by one drawing of `p` on `d`, and the device's size;
// a page goes to the PDF file `pdf`, a window's picture beside it as PNG.
struct Disegnato {
    std::vector<PainterConRiquadri::Riquadro> testi;
    QSizeF dispositivo;
};

Disegnato Disegna(const test::Progetto& p, const Dispositivo& d, const QString& pdf) {
    Disegnato r;
    Grafica g;
    DisegnoTavo disegno(g, p.v, p.ntc);
    if (d.larghezza > 0) {
        QImage immagine(d.larghezza, d.altezza, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::white);
        QPainter painter(&immagine);
        PainterConRiquadri s(painter);
        disegno.PlottaTavo(UscitaGrafica::VIDEO, &s);
        painter.end();
        immagine.save(QString(pdf).replace(QStringLiteral(".pdf"), QStringLiteral(".png")));  // to look at
        r.testi = s.testi;
        r.dispositivo = immagine.size();
        return r;
    }
    QPrinter stampante(QPrinter::HighResolution);
    test::ImpostaPaginaPdf(stampante, pdf, d.carta, d.orizzontale);
    QPainter painter(&stampante);
    PainterConRiquadri s(painter);
    g.Stampante = &s;
    disegno.PlottaTavo(UscitaGrafica::STAMPANTE);
    r.testi = s.testi;
    r.dispositivo = QSizeF(stampante.width(), stampante.height());
    return r;
}

struct Parola {
    QString testo;
    QRectF r;
};

// The words of the PDF's first page as pdftotext -bbox reads them.
std::vector<Parola> ParoleDelPdf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000)) return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression parola(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<Parola> parole;
    for (auto i = parola.globalMatch(html); i.hasNext();) {
        const auto m = i.next();
        const double x1 = m.captured(1).toDouble(), y1 = m.captured(2).toDouble();
        const double x2 = m.captured(3).toDouble(), y2 = m.captured(4).toDouble();
        parole.push_back({m.captured(5), QRectF(QPointF(x1, y1), QPointF(x2, y2))});
    }
    return parole;
}

}  // namespace

class LeggibilitaTest : public QObject {
    Q_OBJECT

private slots:
    void nessunTestoSovrappostoNeFuoriDalDispositivo_data() {
        QTest::addColumn<int>("muro");
        QTest::addColumn<int>("dispositivo");
        const auto& muri = test::MuriDaImpaginare();
        for (int i = 0; i < static_cast<int>(muri.size()); ++i)
            for (int j = 0; j < static_cast<int>(std::size(Dispositivi)); ++j)
                QTest::newRow(qPrintable(QString::fromStdString(muri[static_cast<std::size_t>(i)].nome) +
                                         QLatin1Char(' ') + QLatin1String(Dispositivi[j].nome)))
                    << i << j;
    }

    void nessunTestoSovrappostoNeFuoriDalDispositivo() {
        QFETCH(int, muro);
        QFETCH(int, dispositivo);
        const test::Progetto& p = test::MuriDaImpaginare()[static_cast<std::size_t>(muro)].p;
        const Dispositivo& d = Dispositivi[dispositivo];
        const std::filesystem::path cartella = test::CartellaDiProva(QTest::currentDataTag());
        const QString pdf = QString::fromStdString((cartella / "disegno.pdf").string());
        const Disegnato disegno = Disegna(p, d, pdf);
        const auto& testi = disegno.testi;

        // The labels come first, then the title, the code line and the results.
        std::size_t titolo = 0;
        while (titolo < testi.size() && testi[titolo].testo != QString::fromStdString(p.v.TitoloTavo)) ++titolo;
        QVERIFY2(titolo + 30 < testi.size(), "titolo o risultati mancanti");

        const QRectF pagina(QPointF(0, 0), disegno.dispositivo);
        const double tolleranza = 0.5;
        for (const auto& t : testi)
            QVERIFY2(pagina.adjusted(-tolleranza, -tolleranza, tolleranza, tolleranza).contains(t.r),
                     qPrintable(QStringLiteral("fuori dal dispositivo: ") + t.testo));
        for (std::size_t i = 0; i < testi.size(); ++i)
            for (std::size_t j = i + 1; j < testi.size(); ++j)
                    QVERIFY2(!Sovrapposti(testi[i].r, testi[j].r, tolleranza),
                             qPrintable(testi[i].testo + QStringLiteral(" sopra ") + testi[j].testo));

        // The results: each line (its pieces share their top) at least one
        // line of the font below the one before, or at the top of a new column.
        std::vector<QRectF> righe;
        for (std::size_t i = titolo + 2; i < testi.size(); ++i) {
            if (!righe.empty() && righe.back().top() == testi[i].r.top())
                righe.back() = righe.back().united(testi[i].r);
            else
                righe.push_back(testi[i].r);
        }
        for (std::size_t i = 1; i < righe.size(); ++i) {
            if (righe[i].left() > righe[i - 1].right()) continue;  // a new column
            QVERIFY2(righe[i].top() - righe[i - 1].top() >= righe[i - 1].height() - tolleranza,
                     qPrintable(QStringLiteral("riga %1 a %2 pixel dalla precedente, alta %3")
                                    .arg(i)
                                    .arg(righe[i].top() - righe[i - 1].top())
                                    .arg(righe[i - 1].height())));
        }

        if (d.larghezza > 0) return;
        // The printed page read back: no word over another, every results
        // line there (the sliding factor among them).
        const std::vector<Parola> parole = ParoleDelPdf(pdf);
        QVERIFY(parole.size() > 60);
        for (std::size_t i = 0; i < parole.size(); ++i)
            for (std::size_t j = i + 1; j < parole.size(); ++j)
                QVERIFY2(!Sovrapposti(parole[i].r, parole[j].r, 0.05),
                         qPrintable(parole[i].testo + QStringLiteral(" sopra ") + parole[j].testo));
        QSet<QString> lette;
        for (const Parola& w : parole) lette.insert(w.testo.normalized(QString::NormalizationForm_KC));
        for (std::size_t i = titolo; i < testi.size(); ++i)
            for (const QString& w : testi[i].testo.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(lette.contains(w), qPrintable(QStringLiteral("manca: ") + w));
    }
};

}  // namespace tavo

QTEST_MAIN(tavo::LeggibilitaTest)
#include "LeggibilitaTest.moc"
