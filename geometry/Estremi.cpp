#include "geometry/Estremi.h"

#include "geometry/PiGreco.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <cmath>

namespace tavo {

namespace detail {
void verificaDimensione(std::size_t dim, int n, const char* dove) {
    if (n < 0 || dim < static_cast<std::size_t>(n))
        throw std::out_of_range(std::string(dove) + ": indice fuori dai limiti (n=" +
                                std::to_string(n) + ", elementi=" + std::to_string(dim) + ")");
}
}  // namespace detail

EstremiXY EstremiPunti(int n, std::span<const double> x, std::span<const double> y) {
    detail::verificaDimensione(x.size(), n, "EstremiPunti");
    detail::verificaDimensione(y.size(), n, "EstremiPunti");
    EstremiXY e;
    for (int i = 0; i < n; ++i) {
        if (x[i] < e.xMin) e.xMin = x[i];
        if (y[i] < e.yMin) e.yMin = y[i];
        if (x[i] > e.xMax) e.xMax = x[i];
        if (y[i] > e.yMax) e.yMax = y[i];
    }
    return e;
}

void EstremiPunti(int n, std::span<const double> x, std::span<const double> y, double& xMin,
                  double& xMax, double& yMin, double& yMax) {
    const EstremiXY e = EstremiPunti(n, x, y);
    xMin = e.xMin;
    xMax = e.xMax;
    yMin = e.yMin;
    yMax = e.yMax;
}

double Distanza(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

int AreaConSegno(int n, std::span<const double> x, std::span<const double> y, double& area) {
    detail::verificaDimensione(x.size(), n, "AreaConSegno");
    detail::verificaDimensione(y.size(), n, "AreaConSegno");
    if (n < 2) {
        area = 0.0;
        return 1;
    }
    const int f = 0;
    const int L = n - 1;
    double a2 = y[f] * (x[L] - x[f + 1]);
    for (int i = f + 1; i <= L - 1; ++i) a2 += y[i] * (x[i - 1] - x[i + 1]);
    a2 += y[L] * (x[L - 1] - x[f]);
    area = a2 / 2.0;
    return area >= 0.0 ? 1 : 0;
}

int AreaConSegno(int n, std::span<const double> x, std::span<const double> y) {
    double area = 0.0;
    return AreaConSegno(n, x, y, area);
}

void PolariInCartesiane(double r, double angle, double& x, double& y) {
    x = r * std::cos(angle);
    y = r * std::sin(angle);
}

void CartesianeInPolari(double x, double y, double& r, double& angle) {
    r = std::sqrt(x * x + y * y);
    double a = 0.0;
    double prova = 0.0;
    if (std::abs(x) > 1e-20) {
        a = std::atan(verificaFinito(y / x, "CartesianeInPolari"));
        prova = x;
    } else {
        a = PiGreco / 2.0;
        prova = y;
    }
    angle = prova >= 0.0 ? a : a + PiGreco;
}

void RuotaPuntiAttorno(int n, std::span<double> x, std::span<double> y, double xc, double yc,
                       double angle) {
    detail::verificaDimensione(x.size(), n, "RuotaPuntiAttorno");
    detail::verificaDimensione(y.size(), n, "RuotaPuntiAttorno");
    for (int i = 0; i < n; ++i) {
        double r = 0.0, a = 0.0, dx = 0.0, dy = 0.0;
        CartesianeInPolari(x[i] - xc, y[i] - yc, r, a);
        PolariInCartesiane(r, a + angle, dx, dy);
        x[i] = xc + dx;
        y[i] = yc + dy;
    }
}

void RuotaPunti(int n, std::span<double> x, std::span<double> y, double xc, double yc,
                double angle) {
    RuotaPuntiAttorno(n, x, y, xc, yc, angle);
}

void InserisceElemento(std::vector<double>& arr, int& n, double value, int pos) {
    detail::verificaDimensione(arr.size(), n, "InserisceElemento");
    if (pos < 1 || pos > n + 1)
        throw std::out_of_range("InserisceElemento: posizione " + std::to_string(pos) +
                                " fuori da 1.." + std::to_string(n + 1));
    arr.resize(static_cast<std::size_t>(n));
    arr.insert(arr.begin() + (pos - 1), value);
    n += 1;
}

void InseriscePuntiInPoligonale(std::vector<double>& x, std::vector<double>& y, int& n,
                                std::span<const double> xNew, std::span<const double> yNew,
                                int m, std::span<const int> pos) {
    detail::verificaDimensione(xNew.size(), m, "InseriscePuntiInPoligonale");
    detail::verificaDimensione(yNew.size(), m, "InseriscePuntiInPoligonale");
    detail::verificaDimensione(pos.size(), m, "InseriscePuntiInPoligonale");
    int nx = n;
    int ny = n;
    for (int i = 1; i <= m; ++i) {
        InserisceElemento(x, nx, xNew[i - 1], pos[i - 1] + i);
        InserisceElemento(y, ny, yNew[i - 1], pos[i - 1] + i);
    }
    n = nx;
}

void TogliePunto(std::vector<double>& x, std::vector<double>& y, int& n, int k) {
    detail::verificaDimensione(x.size(), n, "TogliePunto");
    detail::verificaDimensione(y.size(), n, "TogliePunto");
    if (k < 1 || k > n)
        throw std::out_of_range("TogliePunto: vertice " + std::to_string(k) + " fuori da 1.." +
                                std::to_string(n));
    x.resize(static_cast<std::size_t>(n));
    y.resize(static_cast<std::size_t>(n));
    x.erase(x.begin() + (k - 1));
    y.erase(y.begin() + (k - 1));
    n -= 1;
}

void TogliePuntiInizialiDaPoligonale(std::span<const double> x, std::span<const double> y, int n,
                                     std::vector<double>& xo, std::vector<double>& yo, int& no,
                                     int nPunti) {
    if (nPunti < 1) {
        messaggi().mostra("Errore in TogliePuntiInizialiDaPoligonale: nPunti=" +
                          std::to_string(nPunti) + " <1");
        return;
    }
    if (nPunti > n)
        throw std::out_of_range("TogliePuntiInizialiDaPoligonale: nPunti=" +
                                std::to_string(nPunti) + " > n=" + std::to_string(n));
    detail::verificaDimensione(x.size(), n, "TogliePuntiInizialiDaPoligonale");
    detail::verificaDimensione(y.size(), n, "TogliePuntiInizialiDaPoligonale");
    no = n - nPunti;
    xo.assign(x.begin() + nPunti, x.begin() + n);
    yo.assign(y.begin() + nPunti, y.begin() + n);
}

double Log10(double x) {
    if (x < 1e-20) return -20.0;
    return std::log10(x);
}

}  // namespace tavo
