// The painter surface paints into a QImage: a line drawn through the plot
// window lands where the mapping says, in the colour and width asked, and
// text is not mirrored by the y-up scale.

#include "drawing/Grafica.h"
#include "drawing/Plottaggio.h"
#include "drawing/ui/SuperficiePainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace tavo {

class SuperficiePainterTest : public QObject {
    Q_OBJECT

private slots:
    void lineaNelPuntoGiusto() {
        QImage immagine(200, 100, QImage::Format_RGB32);
        immagine.fill(Qt::white);
        {
            QPainter painter(&immagine);
            SuperficiePainter s(painter);
            Grafica g;
            Plottaggio p;
            p.Inizializza(g, 0, 10, 0, 10, UscitaGrafica::VIDEO, &s);
            ImpostaColore(g, 1);
            ImpostaSpessore(g, 3);
            // World y = 5 is the middle row; x 0..10 maps to pixels 50..150.
            DisegnaLinea(g, 0, 5, 10, 5);
        }
        QCOMPARE(immagine.pixelColor(100, 50), QColor(Qt::red));
        QCOMPARE(immagine.pixelColor(100, 51), QColor(Qt::red));  // 3 pixels wide
        QCOMPARE(immagine.pixelColor(20, 50), QColor(Qt::white));  // outside the line
        QCOMPARE(immagine.pixelColor(100, 20), QColor(Qt::white));
    }

    void testoNonSpecchiatoESottoIlPunto() {
        QImage immagine(200, 100, QImage::Format_RGB32);
        immagine.fill(Qt::white);
        int primaRiga = -1;
        {
            QPainter painter(&immagine);
            SuperficiePainter s(painter);
            Grafica g;
            Plottaggio p;
            p.Inizializza(g, 0, 10, 0, 10, UscitaGrafica::VIDEO, &s);
            ImpostaColore(g, 7);
            s.FontSize(20);
            // Top-left corner at world (0, 8): pixel row 20.
            DisegnaTesto(g, 0, 8, 1, "TTTT");
            QVERIFY(s.TextHeight("T") < 0);  // y upward: a negative height
        }
        for (int y = 0; y < 100 && primaRiga < 0; ++y)
            for (int x = 0; x < 200; ++x)
                if (immagine.pixelColor(x, y) != QColor(Qt::white)) {
                    primaRiga = y;
                    break;
                }
        QVERIFY(primaRiga >= 20);
        QVERIFY(primaRiga < 40);
        // A T is drawn with its bar on top: the row just below the first
        // inked row holds more ink than the rows near the bottom of the glyph.
        int barra = 0, gamba = 0;
        for (int x = 0; x < 200; ++x) {
            barra += immagine.pixelColor(x, primaRiga + 1) != QColor(Qt::white);
            gamba += immagine.pixelColor(x, primaRiga + 10) != QColor(Qt::white);
        }
        QVERIFY2(barra > gamba, qPrintable(QString("barra %1 gamba %2").arg(barra).arg(gamba)));
    }
};

}  // namespace tavo

QTEST_MAIN(tavo::SuperficiePainterTest)
#include "SuperficiePainterTest.moc"
