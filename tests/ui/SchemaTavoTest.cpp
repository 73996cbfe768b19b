// The schema picture of the main window read as a user reads it: every name
// of a dimension stands clear of the lines of the section and of every other
// name, at the picture's start-up size and zoomed. Each part is painted
// alone into an image of its own and the images are laid over each other.

#include "app/ui/SchemaTavo.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>

namespace tavo::test {

namespace {

// A part of the picture painted alone on a transparent image.
QImage Strato(QSize area, const std::function<void(QPainter&)>& disegna) {
    QImage img(area, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    SchemaTavo::Inquadra(p, area);
    disegna(p);
    return img;
}

// A pixel more than half covered by ink: every colour of the picture but
// the light grey that fills the section, on which names may stand.
bool Inchiostro(QRgb c) { return qAlpha(c) > 127 && qGray(c) < 170; }

// Pixels inked in both images.
int PixelComuni(const QImage& a, const QImage& b) {
    int comuni = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (Inchiostro(a.pixel(x, y)) && Inchiostro(b.pixel(x, y))) ++comuni;
    return comuni;
}

}  // namespace

class SchemaTavoTest : public QObject {
    Q_OBJECT
private slots:
    void nomiLontaniDalleLineeEFraLoro_data();
    void nomiLontaniDalleLineeEFraLoro();
};

void SchemaTavoTest::nomiLontaniDalleLineeEFraLoro_data() {
    QTest::addColumn<QSize>("area");
    QTest::newRow("alla partenza") << QSize(280, 280);
    QTest::newRow("piccola") << QSize(200, 200);
    QTest::newRow("ingrandita") << QSize(1280, 700);
}

void SchemaTavoTest::nomiLontaniDalleLineeEFraLoro() {
    QFETCH(QSize, area);
    const auto& scritte = SchemaTavo::Scritte();
    const QImage linee = Strato(area, [](QPainter& p) { SchemaTavo::DisegnaLinee(p); });
    std::vector<QImage> nomi;
    for (const auto& s : scritte) nomi.push_back(Strato(area, [&](QPainter& p) { SchemaTavo::DisegnaScritta(p, s); }));
    for (std::size_t i = 0; i < scritte.size(); ++i) {
        QVERIFY2(PixelComuni(nomi[i], nomi[i]) > 0, scritte[i].testo);
        QVERIFY2(PixelComuni(nomi[i], linee) == 0, qPrintable(QStringLiteral("%1 sulle linee").arg(scritte[i].testo)));
        for (std::size_t j = i + 1; j < scritte.size(); ++j)
            QVERIFY2(PixelComuni(nomi[i], nomi[j]) == 0,
                     qPrintable(QStringLiteral("%1 su %2").arg(scritte[i].testo, scritte[j].testo)));
    }
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::SchemaTavoTest)
#include "SchemaTavoTest.moc"
