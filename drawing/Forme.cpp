#include "drawing/Forme.h"

#include "drawing/Tratteggio.h"
#include "geometry/Estremi.h"
#include "geometry/PiGreco.h"

#include <cmath>
#include <string>

namespace tavo {

void DisegnaCroce(Grafica& g, double x, double y, double d, double s) {
    DisegnaLinea(g, x - d, y, x + d, y, s);
    DisegnaLinea(g, x, y - d, x, y + d, s);
}

void DisegnaRettangolo(Grafica& g, double x1, double y1, double x2, double y2, double s) {
    std::array<double, 4> x{}, y{};
    ContornoPrisma(x1, y1, x2, y2, x, y);
    DisegnaPoligono(g, 4, x, y, s);
}

void DisegnaRettangoloRuotato(Grafica& g, double x1, double y1, double x2, double y2,
                              const MatriceFrame& M) {
    std::array<double, 4> x{}, y{};
    ContornoPrisma(x1, y1, x2, y2, x, y);
    std::vector<double> xr, yr;
    TrasformaPunti(x, y, M, xr, yr, 4);
    DisegnaPoligono(g, 4, xr, yr, 1);
}

void PuntiPuntaFreccia(const Grafica& g, double xT, double yT, double L, double angolo,
                       std::array<double, 4>& x, std::array<double, 4>& y) {
    x = {xT, xT + L / 2, xT - L / 2, 0};
    y = {yT, yT + 2 * L, yT + 2 * L, 0};
    RuotaPuntiAttorno(3, x, y, xT, yT, angolo);
    // The head keeps its shape on a plot window whose scales differ.
    for (std::size_t k = 1; k <= 2; ++k) y[k] = yT + (y[k] - yT) * g.ScalaVerticale * g.FattoreAspetto;
    x[3] = x[2];
    y[3] = y[2];
}

namespace {

// A head of three points (point 4 = point 3, as a solid wants four).
void DisegnaTesta(Grafica& g, const std::array<double, 4>& x, const std::array<double, 4>& y,
                  bool vuota) {
    if (vuota)
        DisegnaPoligono(g, 3, x, y, 1);
    else
        DisegnaSolido(g, 4, x, y);
}

}  // namespace

void DisegnaPuntaFreccia(Grafica& g, double xT, double yT, double L, double angolo, bool vuota) {
    // A head of no size (a drawing of no width) or of no length at all is
    // left out: it has no direction to show.
    if (L == 0 || !std::isfinite(L)) return;
    std::array<double, 4> x{}, y{};
    PuntiPuntaFreccia(g, xT, yT, L, angolo, x, y);
    DisegnaTesta(g, x, y, vuota);
}

void DisegnaFreccia(Grafica& g, int tipo, int estremoEtichetta, double soglia, double scala,
                    double h, double valore, std::string_view etichetta,
                    std::span<const double> X, std::span<const double> Y, double L,
                    std::string_view suffisso, bool vuota, const TestaFreccia* testa,
                    std::optional<double> angolo) {
    if (std::abs(valore) <= soglia) return;
    // Without a usable force scale the shaft has no second end, and a head
    // alone would point anywhere: the arrow is left out.
    if (scala == 0 || !std::isfinite(scala)) return;
    std::array<double, 2> px{X[0], X[0] + (X[1] - X[0]) / scala};
    std::array<double, 2> py{Y[0], Y[0] + (Y[1] - Y[0]) / scala};
    DisegnaPoligonale(g, 2, px, py, 1);

    const std::size_t punta = tipo == 1 ? 0 : 1, coda = 1 - punta;
    if (!testa) {
        double a = AngoloDirezione(py[coda] - py[punta], px[coda] - px[punta]) - PiGreco / 2;
        if (tipo == 1 && angolo) a = *angolo;
        DisegnaPuntaFreccia(g, px[punta], py[punta], L, a, vuota);
    } else {
        std::array<double, 4> tx{}, ty{};
        for (std::size_t i = 0; i < 3; ++i) {
            tx[i] = px[punta] + testa->dx[i];
            ty[i] = py[punta] + testa->dy[i];
        }
        tx[3] = tx[2];
        ty[3] = ty[2];
        DisegnaTesta(g, tx, ty, vuota);
        // The label goes to the head's points, which replace the arrow's.
        for (std::size_t i = 0; i < 2; ++i) {
            px[i] = tx[i];
            py[i] = ty[i];
        }
    }
    if (estremoEtichetta == 1 || estremoEtichetta == 2) {
        const auto e = static_cast<std::size_t>(estremoEtichetta - 1);
        DisegnaTesto(g, px[e], py[e], h, std::string(etichetta) + std::string(suffisso), 1);
    }
}

void ContornoPrisma(double x1, double y1, double x2, double y2, std::span<double> x,
                    std::span<double> y) {
    const std::array<double, 4> cx{x1, x2, x2, x1}, cy{y1, y1, y2, y2};
    for (std::size_t i = 0; i < 4; ++i) {
        x[i] = cx[i];
        y[i] = cy[i];
    }
    if (x.size() > 4 && y.size() > 4) {
        x[4] = x1;
        y[4] = y1;
    }
}

void TratteggiaPrisma(Grafica& g, double x1, double y1, double x2, double y2, double angolo,
                      double passo) {
    std::array<double, 4> x{}, y{};
    ContornoPrisma(x1, y1, x2, y2, x, y);
    TratteggiaPoligono(g, 4, x, y, angolo, passo);
}

}  // namespace tavo
