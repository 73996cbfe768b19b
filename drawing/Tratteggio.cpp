#include "drawing/Tratteggio.h"

#include "geometry/Estremi.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"
#include "geometry/Tagli.h"

#include <cmath>

namespace tavo {

void TratteggiaPoligono(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                        double angolo, double passo, std::optional<double> scala,
                        std::optional<UscitaGrafica> uscita, std::optional<OggettoUscita> oggetto) {
    if (n < 3) return;
    UscitaCorrente(g, scala, uscita, oggetto);
    detail::verificaDimensione(x.size(), n, "TratteggiaPoligono");
    detail::verificaDimensione(y.size(), n, "TratteggiaPoligono");
    // A vertex that is not a number gives no inside to hatch.
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return;
    // The crossings below are cleaned at a tolerance of the polygon's size;
    // the shared value is put back afterwards, so drawing never changes a
    // later calculation. A polygon of no size (a head of zero length) has
    // no inside and leaves no tolerance to compare with: it is not hatched.
    const double zero = MaxDimensionePunti(x, y, n, 1e6);
    if (!(zero > 0)) return;
    const ZeroMaxDimenSalvato zeroSalvato;
    ImpostaZeroMaxDimen(zero);

    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(0, 0, angolo * PiGreco / 180, M, Mi);
    std::vector<double> xf, yf;
    TrasformaPunti(x, y, M, xf, yf, n);
    const EstremiXY e = EstremiPunti(n, xf, yf);

    const double estensione = e.yMax - e.yMin;
    double d = 0, strisce = 0;
    if (passo > 0) {
        strisce = std::nearbyint(passo);
        d = estensione / strisce;
    } else if (passo < 0) {
        d = -passo;
        strisce = std::nearbyint(estensione / d);
    }
    // A count beyond the 16-bit range overflowed in the original: nothing is
    // drawn. A polygon flat across the hatch lines (no spacing) has no inside.
    if (!(strisce >= 2 && strisce <= 32767) || !std::isfinite(d) || !(d > 0)) return;
    // A spacing is the caller's wish for a polygon of drawing size; on one
    // thousands of spacings across (a surcharge kilometres high) it would
    // mean tens of thousands of lines on every repaint. The spacing widens
    // so that the whole polygon is still hatched evenly by a bounded number
    // of lines. A count is the caller's own choice and is kept.
    constexpr double MaxStrisceConPasso = 1000;
    if (passo < 0 && strisce > MaxStrisceConPasso) {
        strisce = MaxStrisceConPasso;
        d = estensione / strisce;
    }

    const int N = static_cast<int>(strisce);
    for (int k = 1; k <= N - 1; ++k) {
        Incroci inc = IntersezionePoligonoRetta(0, 1, -(e.yMin + k * d), xf, yf, n, true);
        const int m = inc.ni;
        std::vector<double> xi(static_cast<std::size_t>(m)), yi(static_cast<std::size_t>(m));
        for (std::size_t j = 0; j < xi.size(); ++j) TrasformaPunto(inc.xi[j], inc.yi[j], Mi, xi[j], yi[j]);
        OrdinaPuntiSuRetta(xi, yi, m);
        if (m % 2 == 0 && inc.tolti == 0) {
            for (std::size_t j = 0; j + 1 < xi.size(); j += 2) DisegnaLinea(g, xi[j], yi[j], xi[j + 1], yi[j + 1], 1);
        } else {
            TratteggiaSegmento(g, n, x, y, xi, yi, m);
        }
    }
}

void TratteggiaSegmento(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                        std::span<const double> xi, std::span<const double> yi, int m) {
    for (std::size_t j = 0; j + 1 < static_cast<std::size_t>(m); ++j) {
        const double xm = (xi[j] + xi[j + 1]) / 2, ym = (yi[j] + yi[j + 1]) / 2;
        if (PuntoInternoPoligono(x, y, xm, ym, n) == 1) DisegnaLinea(g, xi[j], yi[j], xi[j + 1], yi[j + 1], 1);
    }
}

}  // namespace tavo
