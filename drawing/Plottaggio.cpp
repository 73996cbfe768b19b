#include "drawing/Plottaggio.h"

#include "drawing/ErroreUscita.h"
#include "drawing/Forme.h"
#include "geometry/Rette.h"
#include "ports/MessagePort.h"

#include <algorithm>
#include <cmath>

namespace tavo {

Plottaggio::~Plottaggio() { ConcludeDisegno(); }

void Plottaggio::EstremiFinestra(float f0, float f1, float f2, float f3) {
    FrazioniFinestra_ = {f0, f1, f2, f3};
}

void Plottaggio::Bordi(double b0, double b1, double b2, double b3) { Margini_ = {b0, b1, b2, b3}; }

void Plottaggio::Inizializza(Grafica& g, float x1, float x2, float y1, float y2, UscitaGrafica uscita,
                             OggettoUscita oggetto, float scala, bool isotropo, float yOffset) {
    if (!zeroSalvato_) zeroSalvato_ = ZeroMaxDimen();
    xMin = x1;
    xMax = x2;
    yMin = (y1 + yOffset) / scala;
    yMax = (y2 + yOffset) / scala;
    UscitaPlt_ = uscita;
    OggettoPlt_ = oggetto;
    ScalaPlt_ = scala;
    IsotropoPlt_ = isotropo;
    ImpostaOffsetY(g, yOffset);

    // Degenerate extents are widened: a segment gets a thickness of 1/1000
    // of its length, a single point a unit square.
    if (yMax <= yMin) yMax = yMin + (xMax - xMin) / 1000;
    if (xMax <= xMin) xMax = xMin + (yMax - yMin) / 1000;
    if (yMax <= yMin) yMax = yMin + 1;
    if (xMax <= xMin) xMax = xMin + 1;

    if (uscita == UscitaGrafica::VIDEO || uscita == UscitaGrafica::STAMPANTE) {
        AdattaAfinestra(g);
    } else {
        ScalaMantieneProporzioni = 1;
        const auto& f = FrazioniFinestra_;
        const float L = std::max(xMax - xMin, yMax - yMin);
        const float left = xMin - L * f[0], right = xMax + (1 - f[2]) * L;
        const float bottom = yMin - L * f[1], top = yMax + (1 - f[3]) * L;
        xFinestra_ = {left, left, right, right};
        yFinestra_ = {top, bottom, bottom, top};
    }
    ImpostaUscita(g, ScalaPlt_, UscitaPlt_, OggettoPlt_);
    const double zero = std::max(xMax - xMin, yMax - yMin) / 1000000.0;
    if (std::isfinite(zero)) ImpostaZeroMaxDimen(zero);
    ImpostaFattoreAspetto(g, ScalaMantieneProporzioni);
}

SuperficieDisegno* Plottaggio::superficie(const Grafica& g) const {
    switch (UscitaPlt_) {
        case UscitaGrafica::VIDEO: return OggettoPlt_.superficie;
        case UscitaGrafica::STAMPANTE: return g.Stampante;
        default: return nullptr;
    }
}

void Plottaggio::AdattaAfinestra(Grafica& g) {
    auto& f = FrazioniFinestra_;
    if (f[2] == 0) {
        f[2] = 1;
        if (f[3] == 0) f[3] = 1;
    }
    if (UscitaPlt_ != UscitaGrafica::VIDEO && UscitaPlt_ != UscitaGrafica::STAMPANTE) {
        messaggi().mostra("ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista");
        return;
    }
    SuperficieDisegno* s = superficie(g);
    if (!s) throw ErroreOggettoNonImpostato();
    s->RipristinaScala();
    const double W = s->ScaleWidth(), H = s->ScaleHeight();

    const double dx = xMax - xMin, dy = yMax - yMin;
    const auto& b = Margini_;
    const double Lw = xMin - dx * b[0], Rw = xMax + dx * b[2];
    const double Bw = yMin - dy * b[1], Tw = yMax + dy * b[3];

    double sx = (Rw - Lw) / ((f[2] - f[0]) * W), sy = (Tw - Bw) / ((f[3] - f[1]) * H);
    const double devAsp = ((f[2] - f[0]) * W) / ((f[3] - f[1]) * H);
    const double worldAsp = (Rw - Lw) / (Tw - Bw);
    if (IsotropoPlt_) {
        if (devAsp <= worldAsp)
            sy = sx;
        else
            sx = sy;
    }
    float left = static_cast<float>(Lw - sx * f[0] * W);
    float top = static_cast<float>(Tw + sy * (1 - f[3]) * H);
    float right = static_cast<float>(left + sx * W);
    float bottom = static_cast<float>(top - sy * H);
    const float aspetto = IsotropoPlt_ ? 1.0f : static_cast<float>(sy / sx);
    // A device without size (or a drawing area of no width or height) has
    // no scale to fit to: the surface gets a scale of no width and height,
    // through which every point comes out non-finite and is not drawn (its
    // pixel default would draw the world as pixels), and nothing non-finite
    // is passed on.
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) ||
        !std::isfinite(bottom) || !std::isfinite(aspetto) || right == left || top == bottom) {
        s->ScaleWidth(0);
        s->ScaleHeight(0);
        ScalaMantieneProporzioni = 1;
        return;
    }
    s->ScaleTop(top);
    s->ScaleLeft(left);
    s->ScaleWidth(right - left);
    s->ScaleHeight(-(top - bottom));
    if (UscitaPlt_ == UscitaGrafica::VIDEO)
        CentraPlottaggio(static_cast<float>(devAsp), static_cast<float>(worldAsp), left, top, right, bottom);
    xFinestra_ = {left, left, right, right};
    yFinestra_ = {top, bottom, bottom, top};
    ScalaMantieneProporzioni = aspetto;
}

void Plottaggio::CentraPlottaggio(float devAsp, float worldAsp, float& left, float& top, float& right,
                                  float& bottom) {
    SuperficieDisegno* s = OggettoPlt_.superficie;
    if (!s) throw ErroreOggettoNonImpostato();
    if (devAsp > worldAsp) {
        const float c = (left + right) / 2, w = (xMin + xMax) / 2;
        const float nuovoLeft = w + left - c;
        s->ScaleLeft(nuovoLeft);
        right = right + nuovoLeft - left;
        left = nuovoLeft;
    } else {
        const float c = (top + bottom) / 2, w = (yMin + yMax) / 2;
        const float nuovoBottom = w + bottom - c;
        top = top + nuovoBottom - bottom;
        bottom = nuovoBottom;
        s->ScaleTop(top);
    }
}

void Plottaggio::PlottaFinestra(Grafica& g) {
    const auto& x = xFinestra_;
    const auto& y = yFinestra_;
    DisegnaRettangolo(g, x[1], y[1] + (y[3] - y[1]) / 500, x[3] - (x[3] - x[1]) / 1000, y[3], 1);
}

void Plottaggio::RipristinaDefault(Grafica& g) { ImpostaUscita(g, ScalaPlt_, UscitaPlt_, OggettoPlt_); }

void Plottaggio::ConcludeDisegno() {
    if (!zeroSalvato_) return;
    ImpostaZeroMaxDimen(*zeroSalvato_);
    zeroSalvato_.reset();
}

}  // namespace tavo
