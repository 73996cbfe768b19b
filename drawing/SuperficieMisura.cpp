#include "drawing/SuperficieMisura.h"

#include <algorithm>

namespace tavo {

SuperficieMisura::SuperficieMisura(SuperficieDisegno& dispositivo)
    : dispositivo_(&dispositivo), fontDispositivo_(dispositivo.FontName()),
      dimensioneDispositivo_(dispositivo.FontSize()) {
    ScaleLeft(dispositivo.ScaleLeft());
    ScaleTop(dispositivo.ScaleTop());
    ScaleWidth(dispositivo.ScaleWidth());
    ScaleHeight(dispositivo.ScaleHeight());
    FontName(dispositivo.FontName());
    FontSize(dispositivo.FontSize());
}

SuperficieMisura::SuperficieMisura() { RipristinaScala(); }

SuperficieMisura::~SuperficieMisura() {
    if (!dispositivo_) return;
    if (dispositivo_->FontName() != fontDispositivo_) dispositivo_->FontName(fontDispositivo_);
    dispositivo_->FontSize(dimensioneDispositivo_);
}

double SuperficieMisura::LarghezzaDispositivo() const {
    return dispositivo_ ? dispositivo_->LarghezzaDispositivo() : 1;
}
double SuperficieMisura::AltezzaDispositivo() const {
    return dispositivo_ ? dispositivo_->AltezzaDispositivo() : 1;
}
double SuperficieMisura::TwipsPerPixel() const {
    return dispositivo_ ? dispositivo_->TwipsPerPixel() : 15;
}

double SuperficieMisura::UtenteX(double u) const {
    return ScaleLeft() + u * ScaleWidth() / LarghezzaDispositivo();
}
double SuperficieMisura::UtenteY(double v) const {
    return ScaleTop() + v * ScaleHeight() / AltezzaDispositivo();
}

void SuperficieMisura::Azzera() {
    segmenti_.clear();
    testi_.clear();
    tratti_ = {1, 0, 1, 0};
}

void SuperficieMisura::estende(double x, double y) {
    if (tratti_.vuota()) {
        tratti_ = {x, x, y, y};
        return;
    }
    tratti_.xMin = std::min(tratti_.xMin, x);
    tratti_.xMax = std::max(tratti_.xMax, x);
    tratti_.yMin = std::min(tratti_.yMin, y);
    tratti_.yMax = std::max(tratti_.yMax, y);
}

void SuperficieMisura::LineaDispositivo(double x1, double y1, double x2, double y2) {
    const Segmento s{UtenteX(x1), UtenteY(y1), UtenteX(x2), UtenteY(y2)};
    segmenti_.push_back(s);
    estende(s.x1, s.y1);
    estende(s.x2, s.y2);
}

void SuperficieMisura::CerchioDispositivo(double x, double y, double r) {
    estende(UtenteX(x - r), UtenteY(y - r));
    estende(UtenteX(x + r), UtenteY(y + r));
}

void SuperficieMisura::TestoDispositivo(double x, double y, std::string_view testo) {
    testi_.push_back({std::string(testo), UtenteX(x), UtenteY(y), x, y,
                      LarghezzaTestoDispositivo(testo), AltezzaTestoDispositivo(testo)});
}

SuperficieDisegno* SuperficieMisura::conFont() const {
    if (!dispositivo_) return nullptr;
    if (dispositivo_->FontName() != FontName()) dispositivo_->FontName(FontName());
    if (dispositivo_->FontSize() != FontSize()) dispositivo_->FontSize(FontSize());
    return dispositivo_;
}

double SuperficieMisura::LarghezzaTestoDispositivo(std::string_view testo) const {
    SuperficieDisegno* d = conFont();
    return d ? d->LarghezzaTestoPixel(testo) : 0;
}

double SuperficieMisura::AltezzaTestoDispositivo(std::string_view testo) const {
    SuperficieDisegno* d = conFont();
    return d ? d->AltezzaTestoPixel(testo) : 0;
}

}  // namespace tavo
