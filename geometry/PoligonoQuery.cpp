// Extent, point and segment queries, vertex insertion and rigid moves of the polygon.
#include "geometry/Estremi.h"
#include "geometry/Matematica.h"
#include "geometry/Poligono.h"

#include <algorithm>
#include <cmath>

namespace tavo {

double Poligono::MaxDimensione() const {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    MaxMin(xMin, xMax, yMin, yMax);
    return (yMax - yMin) >= (xMax - xMin) ? yMax - yMin : xMax - xMin;
}

std::array<double, 4> Poligono::BoundingBox() const {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    MaxMin(xMin, xMax, yMin, yMax);
    return {xMin, yMin, xMax, yMax};
}

bool Poligono::PuntoInBoundingBox(double xP, double yP, double zero) const {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    MaxMin(xMin, xMax, yMin, yMax);
    // Without vertices the seeds come back the wrong way round.
    if (xMin > xMax) std::swap(xMin, xMax);
    if (yMin > yMax) std::swap(yMin, yMax);
    return xMin + zero < xP && xP < xMax - zero && yMin + zero < yP && yP < yMax - zero;
}

int Poligono::PuntoInPoligono(double xPo, double yPo, double zPo, double ZeroF) const {
    if (std::abs(zPo) < ZeroF) return -1;  // a point at infinity
    verificaVertici("Poligono.PuntoInPoligono");
    return PuntoInternoPoligono(x_, y_, xPo / zPo, yPo / zPo, nVertici_ < 0 ? 0 : nVertici_);
}

bool Poligono::IntersezioneConSegmento(const Coppia& x_s, const Coppia& y_s,
                                       Incroci& incroci) const {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0, zero = 0.0;
    MaxMin(xMin, xMax, yMin, yMax, zero);  // checks the arrays too
    incroci = IncrociLati(x_, y_, nVertici_,
                          [&](const Coppia& X, const Coppia& Y, double& xc, double& yc) {
                              return IntersezioneSegmentoSegmento(x_s, y_s, X, Y, xc, yc, zero, true);
                          });
    return incroci.ni > 0;
}

void Poligono::InseriscePunti(std::span<const double> xP, std::span<const double> yP, int nP,
                              std::span<const int> ip) {
    verificaVertici("Poligono.InseriscePunti");
    // Into copies: a position out of range stops the insertion halfway, and
    // the outline must not keep the points that went in before it.
    int n = nVertici_ < 0 ? 0 : nVertici_;
    std::vector<double> x(x_.begin(), x_.begin() + n);  // the arrays may be longer than the count
    std::vector<double> y(y_.begin(), y_.begin() + n);
    InseriscePuntiInPoligonale(x, y, n, xP, yP, nP, ip);
    x_ = std::move(x);
    y_ = std::move(y);
    nVertici_ = n;
}

void Poligono::Trasla(double xO, double yO) {
    verificaVertici("Poligono.Trasla");
    for (int i = 0; i < nVertici_; ++i) {
        x_[i] -= xO;
        y_[i] -= yO;
    }
}

void Poligono::RuotaVertici(double xC, double yC, double Angolo) {
    verificaVertici("Poligono.RuotaVertici");
    RuotaPunti(nVertici_ < 0 ? 0 : nVertici_, x_, y_, xC, yC, Angolo);
    CaratteristicheStatiche(false, false);
}

void Poligono::SpecchiaXY(double xyAsse, bool RispettoX) {
    verificaVertici("Poligono.SpecchiaXY");
    std::vector<double>& c = RispettoX ? y_ : x_;
    for (int i = 0; i < nVertici_; ++i) c[i] = -(c[i] + xyAsse);
}

}  // namespace tavo
