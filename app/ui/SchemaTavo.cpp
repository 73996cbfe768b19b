#include "app/ui/SchemaTavo.h"

#include <QPainter>
#include <QPainterPath>

namespace tavo {

SchemaTavo::SchemaTavo(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("pctSchema"));
    setToolTip(QStringLiteral("Zoom"));
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SchemaTavo::mousePressEvent(QMouseEvent*) { emit cliccato(); }

void SchemaTavo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The drawing is made in a 100 × 100 frame, y downward, and scaled to
    // the picture keeping its proportions.
    const double lato = std::min(width(), height());
    p.translate((width() - lato) / 2.0, (height() - lato) / 2.0);
    p.scale(lato / 100.0, lato / 100.0);

    // Ground behind the wall, with its surcharge.
    p.setPen(QPen(QColor(120, 80, 40), 0.6));
    p.drawLine(QPointF(47, 22), QPointF(70, 16));
    p.drawLine(QPointF(70, 16), QPointF(96, 16));
    for (double x = 72; x <= 94; x += 4) p.drawLine(QPointF(x, 10), QPointF(x, 15));
    p.drawLine(QPointF(72, 10), QPointF(94, 10));

    // Stem with backwall and seat, then the footing.
    QPainterPath tavo;
    tavo.moveTo(47, 80);   // foot of the back face
    tavo.lineTo(44, 32);   // back face at the seat
    tavo.lineTo(44, 22);   // top of the backwall, back
    tavo.lineTo(38, 22);   // top of the backwall, front
    tavo.lineTo(38, 32);   // seat
    tavo.lineTo(32, 32);   // front corner of the seat
    tavo.lineTo(30, 80);   // foot of the front face
    tavo.closeSubpath();
    tavo.addRect(QRectF(14, 80, 66, 10));
    p.setPen(QPen(Qt::black, 0.7));
    p.setBrush(QColor(210, 210, 210));
    p.drawPath(tavo);

    // Deck load on the seat.
    p.setPen(QPen(Qt::blue, 0.6));
    p.drawLine(QPointF(35, 20), QPointF(35, 31));
    p.drawLine(QPointF(35, 31), QPointF(34, 28));
    p.drawLine(QPointF(35, 31), QPointF(36, 28));

    QFont f = font();
    f.setPointSizeF(3.6);
    p.setFont(f);
    p.setPen(Qt::darkRed);
    const auto scrive = [&](double x, double y, const char* t) { p.drawText(QPointF(x, y), QString::fromUtf8(t)); };
    scrive(45.5, 28, "h1");
    scrive(38.5, 20.5, "s1");
    scrive(48, 56, "H");
    scrive(40, 56, "i");
    scrive(31, 36.5, "s2");
    scrive(35, 78, "s3");
    scrive(81, 87, "h3");
    scrive(60, 78, "L2");
    scrive(45, 96, "B");
    scrive(33, 18, "Ni, Vi");
    scrive(74, 8, "q");
    scrive(60, 30, "\u03c6, \u03b3t");
}

}  // namespace tavo
