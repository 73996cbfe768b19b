#include "drawing/ui/SuperficiePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace tavo {

namespace {
QColor Colore(std::int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
QString Testo(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }
}  // namespace

SuperficiePainter::SuperficiePainter(QPainter& painter) : painter_(painter) { RipristinaScala(); }

double SuperficiePainter::LarghezzaDispositivo() const { return painter_.device()->width(); }
double SuperficiePainter::AltezzaDispositivo() const { return painter_.device()->height(); }

double SuperficiePainter::TwipsPerPixel() const {
    const int dpi = painter_.device()->logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

// The surface draws in device pixels: no transform, a cosmetic pen of
// DrawWidth pixels in the foreground colour.
void SuperficiePainter::preparaPenna() {
    painter_.resetTransform();
    QPen penna(Colore(ForeColor()));
    penna.setWidth(DrawWidth() < 1 ? 1 : DrawWidth());
    penna.setCosmetic(true);
    painter_.setPen(penna);
    painter_.setBrush(Qt::NoBrush);
}

const QFont& SuperficiePainter::font() const {
    const double dimensione = FontSize() > 0 ? FontSize() : 8.25;
    if (!metriche_ || nomeFont_ != FontName() || dimensioneFont_ != dimensione) {
        nomeFont_ = FontName();
        dimensioneFont_ = dimensione;
        font_ = QFont(QString::fromStdString(nomeFont_));
        font_.setPointSizeF(dimensione);
        metriche_.emplace(font_, painter_.device());
    }
    return font_;
}

const QFontMetricsF& SuperficiePainter::metriche() const {
    font();
    return *metriche_;
}

void SuperficiePainter::LineaDispositivo(double x1, double y1, double x2, double y2) {
    preparaPenna();
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void SuperficiePainter::CerchioDispositivo(double x, double y, double r) {
    preparaPenna();
    painter_.drawEllipse(QPointF(x, y), r, r);
}

void SuperficiePainter::TestoDispositivo(double x, double y, std::string_view testo) {
    preparaPenna();
    painter_.setFont(font());
    painter_.drawText(QPointF(x, y + metriche().ascent()), Testo(testo));
}

double SuperficiePainter::LarghezzaTestoDispositivo(std::string_view testo) const {
    return metriche().horizontalAdvance(Testo(testo));
}

double SuperficiePainter::AltezzaTestoDispositivo(std::string_view) const { return metriche().height(); }

}  // namespace tavo
