#pragma once
// The drawing surface of the screen and of the printer on a QPainter: the
// same class serves a QWidget (in its paint event), a QImage and a
// QPrinter. Pens are cosmetic (their width in device pixels whatever the
// painter's transform); text is drawn in device space with its top-left
// corner at the point, so a y-up user scale never mirrors it.

#include "drawing/SuperficieDisegno.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <optional>
#include <string>

namespace tavo {

class SuperficiePainter : public SuperficieDisegno {
public:
    // The painter must be active on its device for the surface's lifetime.
    // The user scale starts at the device default.
    explicit SuperficiePainter(QPainter& painter);

    double LarghezzaDispositivo() const override;
    double AltezzaDispositivo() const override;
    double TwipsPerPixel() const override;

protected:
    void LineaDispositivo(double x1, double y1, double x2, double y2) override;
    void CerchioDispositivo(double x, double y, double r) override;
    void TestoDispositivo(double x, double y, std::string_view testo) override;
    double LarghezzaTestoDispositivo(std::string_view testo) const override;
    double AltezzaTestoDispositivo(std::string_view testo) const override;

private:
    void preparaPenna();
    // The font in force and its metrics on the device, made again only
    // when the font's name or size changes.
    const QFont& font() const;
    const QFontMetricsF& metriche() const;

    QPainter& painter_;
    mutable std::string nomeFont_;
    mutable double dimensioneFont_ = -1;
    mutable QFont font_;
    mutable std::optional<QFontMetricsF> metriche_;
};

}  // namespace tavo
