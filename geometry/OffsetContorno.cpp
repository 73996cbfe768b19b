#include "geometry/OffsetContorno.h"

#include "geometry/Estremi.h"
#include "geometry/Matematica.h"
#include "ports/MessagePort.h"

#include <cmath>

namespace tavo {

void PuntoOffset(double a, double b, double c, const MatriceFrame& M, const MatriceFrame& Mi,
                 double& ao, double& bo, double& co) {
    ao = a * M[0] + b * M[1];
    bo = a * M[3] + b * M[4];
    co = c + a * Mi[2] + b * Mi[5];
}

void PuntoOffsetVertice(double x1, double y1, double x2, double y2, double& a, double& b,
                        double& c, double d) {
    const double t = AngoloDirezione(y2 - y1, x2 - x1);
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(x1, y1, t, M, Mi);
    PuntoOffset(0.0, 1.0, -d, Mi, M, a, b, c);  // the frame line y' = d in world form
}

void PoligonoOffset(std::span<const double> x, std::span<const double> y,
                    std::vector<double>& xo, std::vector<double>& yo, int n, double d) {
    detail::verificaDimensione(x.size(), n, "PoligonoOffset");
    detail::verificaDimensione(y.size(), n, "PoligonoOffset");
    if (xo.size() < static_cast<std::size_t>(n)) xo.resize(static_cast<std::size_t>(n));
    if (yo.size() < static_cast<std::size_t>(n)) yo.resize(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const int p = IndicePrecedente(n, i), q = IndiceSuccessivo(n, i);
        double a1 = 0.0, b1 = 0.0, c1 = 0.0, a2 = 0.0, b2 = 0.0, c2 = 0.0;
        PuntoOffsetVertice(x[p - 1], y[p - 1], x[i - 1], y[i - 1], a1, b1, c1, d);
        PuntoOffsetVertice(x[i - 1], y[i - 1], x[q - 1], y[q - 1], a2, b2, c2, d);
        if (!IntersezioneRette(a1, b1, c1, a2, b2, c2, xo[i - 1], yo[i - 1])) {
            // Collinear edges: the vertex goes by d along their common left
            // normal, which is (a1, b1), a unit vector.
            xo[i - 1] = x[i - 1] + d * a1;
            yo[i - 1] = y[i - 1] + d * b1;
        }
    }
}

int LatoPiuVicino(std::span<const double> x, std::span<const double> y, int n, double px,
                  double py) {
    if (n < 1) throw std::out_of_range("LatoPiuVicino: nessun vertice");
    detail::verificaDimensione(x.size(), n, "LatoPiuVicino");
    detail::verificaDimensione(y.size(), n, "LatoPiuVicino");
    double minima = 1e20;
    int k = 1;
    for (int i = 1; i <= n; ++i) {
        const double dist = Distanza(x[i - 1], y[i - 1], px, py);
        if (dist < minima) {
            minima = dist;
            k = i;
        }
    }
    return k;
}

bool VerificaVerticeOffset(const Coppia& X, const Coppia& Y, const Coppia& XO, const Coppia& YO) {
    if (std::abs(X[1] - X[0]) > std::abs(Y[1] - Y[0])) return (X[1] - X[0]) * (XO[1] - XO[0]) > 0.0;
    return (Y[1] - Y[0]) * (YO[1] - YO[0]) > 0.0;
}

bool VerificaPoligonoOffset(std::span<const double> x, std::span<const double> y,
                            std::span<const double> xo, std::span<const double> yo, int n) {
    detail::verificaDimensione(x.size(), n, "VerificaPoligonoOffset");
    detail::verificaDimensione(y.size(), n, "VerificaPoligonoOffset");
    detail::verificaDimensione(xo.size(), n, "VerificaPoligonoOffset");
    detail::verificaDimensione(yo.size(), n, "VerificaPoligonoOffset");
    for (int i = 1; i <= n; ++i) {
        const int j = IndiceSuccessivo(n, i);
        if (!VerificaVerticeOffset({x[i - 1], x[j - 1]}, {y[i - 1], y[j - 1]},
                                   {xo[i - 1], xo[j - 1]}, {yo[i - 1], yo[j - 1]}))
            return true;
    }
    return false;
}

namespace {

// The offset outline at the distance of P from edge j -> k, and whether P
// lies on its offset edge j -> k (local test). `d` receives the distance.
bool OffsetPerLato(std::span<const double> x, std::span<const double> y,
                   std::vector<double>& xo, std::vector<double>& yo, int n, int j, int k,
                   double px, double py, double& d) {
    d = DistanzaConSegnoDaLato(x[j - 1], y[j - 1], x[k - 1], y[k - 1], px, py);
    PoligonoOffset(x, y, xo, yo, n, d);
    return PuntoInternoSegmento({xo[j - 1], xo[k - 1]}, {yo[j - 1], yo[k - 1]}, px, py, true);
}

}  // namespace

bool OffsetPoligonoPerPunto(std::span<const double> x, std::span<const double> y,
                            std::vector<double>& xo, std::vector<double>& yo, int n, double px,
                            double py) {
    if (ZeroMaxDimen() == 0.0) messaggi().mostra("Impostare ZeroMaxDimen");
    int k = LatoPiuVicino(x, y, n, px, py);
    int j = IndicePrecedente(n, k);
    double d = 0.0;
    if (OffsetPerLato(x, y, xo, yo, n, j, k, px, py, d)) {
        if (std::abs(d) < ZeroMaxDimen()) return false;  // P lies on the outline itself
        if (!VerificaPoligonoOffset(x, y, xo, yo, n)) return true;
    }
    for (int volta = 1; volta <= n - 1; ++volta) {
        j = k;
        k = IndiceSuccessivo(n, k);
        if (OffsetPerLato(x, y, xo, yo, n, j, k, px, py, d) &&
            !VerificaPoligonoOffset(x, y, xo, yo, n))
            return true;
    }
    return false;
}

}  // namespace tavo
