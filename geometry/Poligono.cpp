#include "geometry/Poligono.h"

#include "geometry/Estremi.h"
#include "geometry/PiGreco.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tavo {
namespace {

// A run-time error inside CaratteristicheStatiche, by the error number that
// chooses its message: 5 invalid call (square root of a negative), 6 overflow,
// 9 subscript, 11 division by zero.
struct ErroreInterno {
    int numero;
};

const char* descrizione(int numero) {
    switch (numero) {
        case 5: return "Chiamata di routine o argomento non validi";
        case 9: return "Indice non compreso nell'intervallo";
        case 11: return "Divisione per zero";
        default: return "Overflow";
    }
}

double finito(double v) {
    if (!std::isfinite(v)) throw ErroreInterno{6};
    return v;
}

double dividi(double num, double den) {
    if (den == 0.0) throw ErroreInterno{num == 0.0 ? 6 : 11};
    return finito(num / den);
}

double radice(double v) {
    if (v < 0.0) throw ErroreInterno{5};
    return std::sqrt(v);
}

// Signed area of the triangle (P1, P2, P3) by AreaConSegno.
double areaTriangolo(const std::array<double, 3>& x, const std::array<double, 3>& y) {
    double a = 0.0;
    AreaConSegno(3, x, y, a);
    return a;
}

}  // namespace

// ---- Vertex data ----------------------------------------------------------

Poligono Poligono::Copia() const {
    Poligono p;
    p.Coordinate(x_, y_, nVertici_);
    p.Area = Area;
    p.xG = xG;
    p.yG = yG;
    p.stat_x = stat_x;
    p.stat_y = stat_y;
    p.jota_x = jota_x;
    p.jota_y = jota_y;
    p.jota_xy = jota_xy;
    p.jota_xG = jota_xG;
    p.jota_yG = jota_yG;
    p.jota_xyG = jota_xyG;
    p.jota_IG = jota_IG;
    p.jota_IIG = jota_IIG;
    p.AngoloJotaI = AngoloJotaI;
    p.AngoloJotaII = AngoloJotaII;
    p.iX = iX;
    p.iY = iY;
    p.WxSuperiore = WxSuperiore;
    p.WxInferiore = WxInferiore;
    p.WyDestra = WyDestra;
    p.WySinistra = WySinistra;
    p.Wplx = Wplx;
    p.Wply = Wply;
    p.NumerazioneVerticiAntioraria = NumerazioneVerticiAntioraria;
    return p;
}

void Poligono::nVertici(int v) {
    nVertici_ = v;
    if (v > 0) {
        x_.assign(static_cast<std::size_t>(v), 0.0);
        y_.assign(static_cast<std::size_t>(v), 0.0);
    }
}

template <class T>
void Poligono::assegnaArray(std::vector<double>& dest, int& n, std::span<const T> in) {
    if (in.empty()) {  // the unallocated array: subscript error, count 0
        n = 0;
        return;
    }
    dest.assign(in.begin(), in.end());
    n = static_cast<int>(in.size());
}

void Poligono::CoordX(std::span<const double> xIn) { assegnaArray(x_, nVertici_, xIn); }
void Poligono::CoordX(std::span<const float> xIn) { assegnaArray(x_, nVertici_, xIn); }
void Poligono::CoordY(std::span<const double> yIn) { assegnaArray(y_, nVertici_, yIn); }
void Poligono::CoordY(std::span<const float> yIn) { assegnaArray(y_, nVertici_, yIn); }

template <class T>
void Poligono::assegnaCoordinate(std::span<const T> xIn, std::span<const T> yIn, int n) {
    if (n < 1)
        throw std::out_of_range("Poligono.Coordinate: n=" + std::to_string(n) + " < 1");
    detail::verificaDimensione(xIn.size(), n, "Poligono.Coordinate");
    detail::verificaDimensione(yIn.size(), n, "Poligono.Coordinate");
    x_.assign(xIn.begin(), xIn.begin() + n);
    y_.assign(yIn.begin(), yIn.begin() + n);
    nVertici_ = n;
}

void Poligono::Coordinate(std::span<const double> xIn, std::span<const double> yIn, int n) {
    assegnaCoordinate(xIn, yIn, n);
}
void Poligono::Coordinate(std::span<const float> xIn, std::span<const float> yIn, int n) {
    assegnaCoordinate(xIn, yIn, n);
}

namespace {
void verificaIndice(const std::vector<double>& a, int i, const char* dove) {
    if (i < 1 || static_cast<std::size_t>(i) > a.size())
        throw std::out_of_range(std::string(dove) + ": indice " + std::to_string(i) +
                                " fuori da 1.." + std::to_string(a.size()));
}
}  // namespace

double Poligono::Xi(int i) const {
    verificaIndice(x_, i, "Poligono.Xi");
    return x_[static_cast<std::size_t>(i - 1)];
}
void Poligono::Xi(int i, double v) {
    verificaIndice(x_, i, "Poligono.Xi");
    x_[static_cast<std::size_t>(i - 1)] = v;
}
double Poligono::Yi(int i) const {
    verificaIndice(y_, i, "Poligono.Yi");
    return y_[static_cast<std::size_t>(i - 1)];
}
void Poligono::Yi(int i, double v) {
    verificaIndice(y_, i, "Poligono.Yi");
    y_[static_cast<std::size_t>(i - 1)] = v;
}

void Poligono::verificaVertici(const char* dove) const {
    if (nVertici_ <= 0) return;
    detail::verificaDimensione(x_.size(), nVertici_, dove);
    detail::verificaDimensione(y_.size(), nVertici_, dove);
}

// ---- Measures ---------------------------------------------------------------

double Poligono::Perimetro() const {
    const int n = nVertici_;
    if (n < 1) throw std::out_of_range("Poligono.Perimetro: nessun vertice");
    verificaVertici("Poligono.Perimetro");
    double p = 0.0;
    for (int i = 0; i < n - 1; ++i) p += Distanza(x_[i], y_[i], x_[i + 1], y_[i + 1]);
    p += Distanza(x_[n - 1], y_[n - 1], x_[0], y_[0]);
    return p;
}

void Poligono::AreaCalcola() {
    Area = 0.0;
    const int n = nVertici_;
    if (n < 3) return;
    verificaVertici("Poligono.AreaCalcola");
    double somma = 0.0;
    for (int i = 1; i <= n - 2; ++i)
        somma += areaTriangolo({x_[0], x_[i], x_[i + 1]}, {y_[0], y_[i], y_[i + 1]});
    NumerazioneVerticiAntioraria = somma > 0.0;
    Area = std::abs(somma);
}

bool Poligono::AreaNulla(bool RispettoAlPerimetro) {
    AreaCalcola();
    double tol = 0.0;
    if (RispettoAlPerimetro) {
        const double p = Perimetro();
        tol = p * p / 1e20;
    }
    return Area <= tol;
}

void Poligono::cerchio(double R, double r) {
    Area = finito(PiGreco * (R * R - r * r));
    jota_xG = finito(PiGreco * (R * R * R * R - r * r * r * r) / 4.0);
    WxSuperiore = dividi(jota_xG, R);
    WxInferiore = WxSuperiore;
}

void Poligono::CaratteristicheStaticheCerchio(double Raggio, double RaggioInterno) {
    try {
        cerchio(Raggio, RaggioInterno);
    } catch (const ErroreInterno& e) {
        throw ErroreCalcolo(std::string("CaratteristicheStaticheCerchio: ") +
                            descrizione(e.numero));
    }
}

void Poligono::CaratteristicheStatiche(bool SoloBarre, bool Cerchio, double Raggio,
                                       double RaggioInterno) {
    try {
        if (Cerchio) {
            cerchio(Raggio, RaggioInterno);
            return;
        }
        Area = stat_x = stat_y = jota_x = jota_y = jota_xy = 0.0;
        if (nVertici_ < 3 || SoloBarre) return;
        caratteristicheStatiche();
    } catch (const ErroreInterno& e) {
        if (e.numero == 6) {
            xG = 0.0;
            yG = 0.0;
        } else {
            messaggi().mostra(std::string("Errore nella sub CaratteristicheStatiche. ") +
                              descrizione(e.numero));
        }
    }
}

void Poligono::caratteristicheStatiche() {
    const int n = nVertici_;
    if (x_.size() < static_cast<std::size_t>(n) || y_.size() < static_cast<std::size_t>(n))
        throw ErroreInterno{9};

    // Triangle fan from P1 (sums in locals so that an overflow stores nothing
    // non-finite: the six sums then stay 0).
    double A = 0.0, Sx = 0.0, Sy = 0.0, Jx = 0.0, Jy = 0.0, Jxy = 0.0;
    const double x1 = x_[0], y1 = y_[0];
    for (int i = 1; i <= n - 2; ++i) {
        const double x2 = x_[i], y2 = y_[i], x3 = x_[i + 1], y3 = y_[i + 1];
        const double At = areaTriangolo({x1, x2, x3}, {y1, y2, y3});
        A += At;
        Sx += At * (y1 + y2 + y3) / 3.0;  // TriangoloMomentoStatico
        Sy += At * (x1 + x2 + x3) / 3.0;
        Jx += At * ((y1 + y2) * (y1 + y2) + (y2 + y3) * (y2 + y3) + (y3 + y1) * (y3 + y1)) /
              12.0;  // TriangoloMomentoInerzia
        Jy += At * ((x1 + x2) * (x1 + x2) + (x2 + x3) * (x2 + x3) + (x3 + x1) * (x3 + x1)) /
              12.0;
        Jxy += At * ((x1 + x2) * (y1 + y2) + (x2 + x3) * (y2 + y3) + (x3 + x1) * (y3 + y1)) /
               12.0;  // TriangoloMomentoCentrifugo
    }
    finito(A);
    finito(Sx);
    finito(Sy);
    finito(Jx);
    finito(Jy);
    finito(Jxy);
    if (A < 0.0) {  // a clockwise outline gives the same results
        A = -A;
        Sx = -Sx;
        Sy = -Sy;
        Jx = -Jx;
        Jy = -Jy;
        Jxy = -Jxy;
    }
    Area = A;
    stat_x = Sx;
    stat_y = Sy;
    jota_x = Jx;
    jota_y = Jy;
    jota_xy = Jxy;

    // Centroid.
    if (Area == 0.0) {
        float sx = 0.0f, sy = 0.0f;  // summed and divided in single precision
        for (int i = 0; i < n; ++i) {
            sx = static_cast<float>(static_cast<double>(sx) + x_[i]);
            sy = static_cast<float>(static_cast<double>(sy) + y_[i]);
        }
        xG = static_cast<float>(sx / static_cast<float>(n));
        yG = static_cast<float>(sy / static_cast<float>(n));
    } else {
        xG = dividi(stat_y, Area);
        yG = dividi(stat_x, Area);
    }

    // Central moments.
    jota_xG = finito(jota_x - yG * yG * Area);
    jota_yG = finito(jota_y - xG * xG * Area);
    jota_xyG = finito(jota_xy - xG * Area * yG);

    // Principal axes (AssiPrincipali).
    const double d = jota_xG - jota_yG;
    const double alfa = -AngoloDirezione(2.0 * jota_xyG, d) / 2.0;
    const double s = -2.0 * d * std::cos(2.0 * alfa) + 4.0 * jota_xyG * std::sin(2.0 * alfa);
    if (s <= 0.0) {
        AngoloJotaI = alfa;
        AngoloJotaII = alfa + PiGreco / 2.0;
    } else {
        AngoloJotaII = alfa;
        AngoloJotaI = alfa + PiGreco / 2.0;
    }
    const double R = radice(finito(d * d + 4.0 * jota_xyG * jota_xyG)) / 2.0;
    jota_IG = finito((jota_xG + jota_yG) / 2.0 + R);
    jota_IIG = finito((jota_xG + jota_yG) / 2.0 - R);

    // Extent and moduli.
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    MaxMin(xMin, xMax, yMin, yMax);
    if (Area == 0.0) {
        iX = iY = WxSuperiore = WxInferiore = WyDestra = WySinistra = Wplx = Wply = 0.0;
        return;
    }
    WxSuperiore = dividi(jota_xG, yMax - yG);
    WxInferiore = dividi(jota_xG, yG - yMin);
    WyDestra = dividi(jota_yG, xMax - xG);
    WySinistra = dividi(jota_yG, xG - xMin);
    iX = radice(dividi(jota_IG, Area));
    iY = radice(dividi(jota_IIG, Area));
}

// ---- Extent ---------------------------------------------------------------------

void Poligono::MaxMin(double& xMin, double& xMax, double& yMin, double& yMax) const {
    verificaVertici("Poligono.MaxMin");
    const EstremiXY e = EstremiPunti(nVertici_ < 0 ? 0 : nVertici_, x_, y_);
    xMin = e.xMin;
    xMax = e.xMax;
    yMin = e.yMin;
    yMax = e.yMax;
}

void Poligono::MaxMin(double& xMin, double& xMax, double& yMin, double& yMax,
                      double& ZeroXY) const {
    MaxMin(xMin, xMax, yMin, yMax);
    ZeroXY = (xMax - xMin) > (yMax - yMin) ? (xMax - xMin) / 1e9 : (yMax - yMin) / 1e9;
}

// ---- Cut by a line ---------------------------------------------------------------

Incroci Poligono::IntersezioneConRetta(double a, double b, double c) const {
    verificaVertici("Poligono.IntersezioneConRetta");
    return IntersezionePoligonoRetta(a, b, c, x_, y_, nVertici_ < 0 ? 0 : nVertici_);
}

Poligono Poligono::PoligonoConIntersezioni(std::span<const double> xInt,
                                           std::span<const double> yInt, std::span<const int> L,
                                           int ni, std::vector<bool>& Intersezione) const {
    verificaVertici("Poligono.PoligonoConIntersezioni");
    detail::verificaDimensione(xInt.size(), ni, "Poligono.PoligonoConIntersezioni");
    detail::verificaDimensione(yInt.size(), ni, "Poligono.PoligonoConIntersezioni");
    detail::verificaDimensione(L.size(), ni, "Poligono.PoligonoConIntersezioni");
    const int n = nVertici_ < 0 ? 0 : nVertici_;
    const int m = n + ni;
    std::vector<double> xo, yo;
    xo.reserve(static_cast<std::size_t>(m));
    yo.reserve(static_cast<std::size_t>(m));
    Intersezione.assign(static_cast<std::size_t>(m), false);
    int j = 1;
    for (int i = 1; i <= n; ++i) {
        xo.push_back(x_[i - 1]);
        yo.push_back(y_[i - 1]);
        if (j <= ni && L[j - 1] == i) {
            Intersezione[xo.size()] = true;
            xo.push_back(xInt[j - 1]);
            yo.push_back(yInt[j - 1]);
            ++j;
        }
    }
    // Crossings not consumed (not in edge order, or on an edge beyond n) would
    // leave slots of the new outline unfilled: a subscript error.
    if (static_cast<int>(xo.size()) != m)
        throw std::out_of_range("Poligono.PoligonoConIntersezioni: incroci non in ordine di lato");
    Poligono p;
    p.Coordinate(xo, yo, m);
    return p;
}

void Poligono::RotoTraslaVertici(const MatriceFrame& Mat) {
    verificaVertici("Poligono.RotoTraslaVertici");
    for (int i = 0; i < nVertici_; ++i) TrasformaPunto(x_[i], y_[i], Mat, x_[i], y_[i], 1.0);
    CaratteristicheStatiche(false, false);
}

Poligono Poligono::PoligonoSenzaPuntiOpposti(double yP, const std::vector<bool>& Intersezione,
                                             bool AsseVerticale) const {
    verificaVertici("Poligono.PoligonoSenzaPuntiOpposti");
    const int n = nVertici_ < 0 ? 0 : nVertici_;
    detail::verificaDimensione(Intersezione.size(), n, "Poligono.PoligonoSenzaPuntiOpposti");
    std::vector<double> xo, yo;
    for (int i = 0; i < n; ++i) {
        const double c = AsseVerticale ? x_[i] : y_[i];
        if (c * yP > 0.0 || Intersezione[static_cast<std::size_t>(i)]) {
            xo.push_back(x_[i]);
            yo.push_back(y_[i]);
        }
    }
    Poligono p;
    p.Coordinate(xo, yo, static_cast<int>(xo.size()));
    return p;
}

std::optional<Poligono> Poligono::PoligonoIntersezione(double a, double b, double c, double xP,
                                                       double yP, double zP) const {
    Incroci inc = IntersezioneConRetta(a, b, c);
    if (inc.ni == 0) return std::nullopt;
    // The crossing arrays are held in single precision.
    for (int k = 0; k < inc.ni; ++k) {
        inc.xi[k] = static_cast<float>(inc.xi[k]);
        inc.yi[k] = static_cast<float>(inc.yi[k]);
    }
    const double t = AngoloDirezione(-a, b);
    std::vector<bool> flag;
    Poligono P0 = PoligonoConIntersezioni(inc.xi, inc.yi, inc.lato, inc.ni, flag);
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(inc.xi[0], inc.yi[0], t, M, Mi);
    double xR = 0.0, yR = 0.0;
    TrasformaPunto(xP, yP, M, xR, yR, zP);
    P0.RotoTraslaVertici(M);
    Poligono P1 = P0.PoligonoSenzaPuntiOpposti(yR, flag);
    P1.RotoTraslaVertici(Mi);
    return P1;
}

std::optional<Poligono> Poligono::PoligonoReagente(double x_N, double y_N, double z_N, double a,
                                                   double b, double c, int& SezioneParzializzata,
                                                   bool /*SoloBarre*/) const {
    std::optional<Poligono> p = PoligonoIntersezione(a, b, c, x_N, y_N, z_N);
    if (p) {
        p->CaratteristicheStatiche(false, false);
        SezioneParzializzata = 1;
        return p;
    }
    if (z_N >= 0.0) {
        Poligono q;
        q.Coordinate(x_, y_, nVertici_);
        SezioneParzializzata = 0;
        return q;
    }
    SezioneParzializzata = -1;
    return std::nullopt;
}

}  // namespace tavo
