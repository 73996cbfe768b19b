#include "drawing/SuperficieDisegno.h"

#include <cmath>

namespace tavo {

namespace {
bool Finiti(double a, double b) { return std::isfinite(a) && std::isfinite(b); }
}  // namespace

void SuperficieDisegno::RipristinaScala() {
    left_ = 0;
    top_ = 0;
    width_ = LarghezzaDispositivo();
    height_ = AltezzaDispositivo();
}

double SuperficieDisegno::DispositivoX(double x) const {
    return (x - left_) * LarghezzaDispositivo() / width_;
}

double SuperficieDisegno::DispositivoY(double y) const {
    return (y - top_) * AltezzaDispositivo() / height_;
}

void SuperficieDisegno::Line(double x1, double y1, double x2, double y2) {
    const double u1 = DispositivoX(x1), v1 = DispositivoY(y1);
    const double u2 = DispositivoX(x2), v2 = DispositivoY(y2);
    if (Finiti(u1, v1) && Finiti(u2, v2)) LineaDispositivo(u1, v1, u2, v2);
}

void SuperficieDisegno::Circle(double x, double y, double r) {
    const double u = DispositivoX(x), v = DispositivoY(y);
    const double ru = r * LarghezzaDispositivo() / std::abs(width_);
    if (Finiti(u, v) && std::isfinite(ru)) CerchioDispositivo(u, v, ru);
}

void SuperficieDisegno::Print(double x, double y, std::string_view testo) {
    const double u = DispositivoX(x), v = DispositivoY(y);
    if (Finiti(u, v)) TestoDispositivo(u, v, testo);
}

double SuperficieDisegno::TextWidth(std::string_view testo) const {
    return LarghezzaTestoDispositivo(testo) * width_ / LarghezzaDispositivo();
}

double SuperficieDisegno::TextHeight(std::string_view testo) const {
    return AltezzaTestoDispositivo(testo) * height_ / AltezzaDispositivo();
}

}  // namespace tavo
