#include "app/ui/SchemaTavo.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tavo {

namespace {

// Height of the names in frame units, the same on every screen whatever its
// resolution, so that the names keep the room the layout gives them.
constexpr double AltezzaScritte = 4.8;

}  // namespace

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

const std::array<SchemaTavo::Scritta, 12>& SchemaTavo::Scritte() {
    // Each name stands clear of the lines and of the other names: the deck
    // loads left of their arrow, the backwall's thickness above it, the
    // stem's top thickness inside the stem under the seat.
    static const std::array<Scritta, 12> scritte{{
        {{45.5, 28}, "h1"},
        {{38.3, 20.5}, "s1"},
        {{48, 56}, "H"},
        {{40, 56}, "i"},
        {{35.5, 38}, "s2"},
        {{35, 78}, "s3"},
        {{81, 87}, "h3"},
        {{60, 78}, "L2"},
        {{45, 96}, "B"},
        {{20.5, 26}, "Ni, Vi"},
        {{74, 8}, "q"},
        {{60, 30}, "\u03c6, \u03b3t"},
    }};
    return scritte;
}

void SchemaTavo::Inquadra(QPainter& p, QSize area) {
    p.setRenderHint(QPainter::Antialiasing);
    // The drawing is made in a 100 × 100 frame, y downward, and scaled to
    // the picture keeping its proportions.
    const double lato = std::min(area.width(), area.height());
    p.translate((area.width() - lato) / 2.0, (area.height() - lato) / 2.0);
    p.scale(lato / 100.0, lato / 100.0);
}

void SchemaTavo::DisegnaLinee(QPainter& p) {
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
}

void SchemaTavo::DisegnaScritta(QPainter& p, const Scritta& s) {
    QFont f = p.font();
    f.setPointSizeF(AltezzaScritte * 72.0 / p.device()->logicalDpiY());
    p.setFont(f);
    p.setPen(Qt::darkRed);
    p.drawText(s.base, QString::fromUtf8(s.testo));
}

void SchemaTavo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    Inquadra(p, size());
    DisegnaLinee(p);
    for (const Scritta& s : Scritte()) DisegnaScritta(p, s);
}

}  // namespace tavo
