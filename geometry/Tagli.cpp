#include "geometry/Tagli.h"

#include "geometry/Estremi.h"
#include "geometry/Matematica.h"
#include "ports/ErroreCalcolo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace tavo {

bool IntersezioneSegmentoRetta(double a, double b, double c, const Coppia& X, const Coppia& Y,
                               double& x, double& y, double zero) {
    double as = 0.0, bs = 0.0, cs = 0.0;
    if (!RettaPerDuePunti(X, Y, Coppia{1.0, 1.0}, as, bs, cs, zero)) return false;
    if (!IntersezioneRette(a, b, c, as, bs, cs, x, y)) return false;
    // An end on the line is the crossing itself. Taken through the two
    // lines it can land an ulp past that end and be lost on both edges that
    // meet there, so that a cut through a vertex loses its crossing.
    for (int k = 0; k < 2; ++k) {
        if (a * X[k] + b * Y[k] + c == 0.0) {
            x = X[k];
            y = Y[k];
            return true;
        }
    }
    return PuntoInternoSegmento(X, Y, x, y);
}

namespace {

// Whether the edge (X, Y) may cross the line b y + c = 0 (a = 0, the hatch lines):
// false only where the crossing chain is sure to reject the edge. On a steep
// edge the chain checks its crossing on y, which is yc = -c/b to a few
// roundings. On a flat edge it checks on x, which comes through the edge's
// line, whose constant x2 y1 - x1 y2 carries a rounding of about eps X Y (X, Y
// the ends' largest |x|, |y|): over the run dx that moves the crossing by
// eps X Y / dx in height (2e-5 for a 1e-3 edge 1e4 from the origin), and
// the other roundings by eps (X + |yc|). Both ends must clear these bounds at
// least four times over, plus a floor far above any underflow. The ranges
// checked first keep every product normal and finite, so no rounding is worse
// than relative and no edge whose computation would throw is skipped.
bool puoIncrociareOrizzontale(double b, double c, const Coppia& X, const Coppia& Y) {
    constexpr double grande = 1e50, piccolo = 1e-50, pavimento = 1e-100;
    constexpr double eps = std::numeric_limits<double>::epsilon();
    const double xm = std::max(std::abs(X[0]), std::abs(X[1]));
    const double ym = std::max(std::abs(Y[0]), std::abs(Y[1]));
    const double dx = std::abs(X[1] - X[0]), dy = std::abs(Y[1] - Y[0]);
    // The same choice of axis as the check of the crossing against the edge.
    const double lungo = dy < dx ? dx : dy;
    if (!(xm <= grande && ym <= grande && std::abs(b) >= piccolo && std::abs(b) <= grande &&
          std::abs(c) <= grande && lungo >= piccolo))
        return true;
    const double yc = -c / b;
    double margine = 8.0 * eps * std::abs(yc) + pavimento;
    if (dy < dx) margine += 8.0 * eps * (xm + std::abs(yc) + 2.0 * xm * ym / dx);
    const double h1 = Y[0] - yc, h2 = Y[1] - yc;
    return !((h1 > margine && h2 > margine) || (h1 < -margine && h2 < -margine));
}

}  // namespace

Incroci IntersezionePoligonoRetta(double a, double b, double c, std::span<const double> x,
                                  std::span<const double> y, int n, bool pulisci) {
    detail::verificaDimensione(x.size(), n, "IntersezionePoligonoRetta");
    detail::verificaDimensione(y.size(), n, "IntersezionePoligonoRetta");
    const double tol = n < 1 ? 0.0 : MaxDimensionePunti(x, y, n, 100000);
    // Other lines have no cheap bound on their crossing's error: every edge is computed.
    const bool filtra = a == 0.0;
    Incroci r = IncrociLati(x, y, n, [&](const Coppia& X, const Coppia& Y, double& xo, double& yo) {
        if (filtra && !puoIncrociareOrizzontale(b, c, X, Y)) return false;
        return IntersezioneSegmentoRetta(a, b, c, X, Y, xo, yo, tol);
    });
    if (r.ni > 0 && pulisci) {
        int conta = r.ni;
        PulisceIntersezioni(r.xi, r.yi, r.lato, conta);
        r.tolti = r.ni - conta;
        r.ni = conta;
    }
    return r;
}

void OrdinaPuntiSuRetta(std::vector<double>& x, std::vector<double>& y, int n,
                        std::vector<int>* terzo) {
    if (n < 1) return;
    detail::verificaDimensione(x.size(), n, "OrdinaPuntiSuRetta");
    detail::verificaDimensione(y.size(), n, "OrdinaPuntiSuRetta");
    if (terzo) detail::verificaDimensione(terzo->size(), n, "OrdinaPuntiSuRetta");
    const EstremiXY e = EstremiPunti(n, x, y);
    std::vector<int> ordine;
    std::vector<double>& chiave = (e.xMax - e.xMin) > (e.yMax - e.yMin) ? x : y;
    std::vector<double>& altra = (&chiave == &x) ? y : x;
    OrdinaArray(chiave, n, ordine);
    const std::vector<double> riordinata = RiordinaConIndici(altra, ordine, n);
    std::copy(riordinata.begin(), riordinata.end(), altra.begin());
    if (terzo) {
        const std::vector<int> t = RiordinaConIndici(*terzo, ordine, n);
        std::copy(t.begin(), t.end(), terzo->begin());
    }
}

void PulisceIntersezioni(std::vector<double>& xi, std::vector<double>& yi, std::vector<int>& lato,
                         int& count) {
    if (count < 1) return;
    detail::verificaDimensione(lato.size(), count, "PulisceIntersezioni");
    OrdinaPuntiSuRetta(xi, yi, count, &lato);
    std::vector<double> kx, ky;
    std::vector<int> kl;
    kx.reserve(static_cast<std::size_t>(count));
    ky.reserve(static_cast<std::size_t>(count));
    kl.reserve(static_cast<std::size_t>(count));
    const int ultimo = count;
    for (int i = 1; i <= ultimo - 1; ++i) {
        if (!PuntiCoincidentiXY(xi[i - 1], yi[i - 1], xi[i], yi[i])) {
            kx.push_back(xi[i - 1]);
            ky.push_back(yi[i - 1]);
            kl.push_back(lato[i - 1]);
        }
    }
    if (!PuntiCoincidentiXY(xi[ultimo - 1], yi[ultimo - 1], xi[0], yi[0])) {
        kx.push_back(xi[ultimo - 1]);
        ky.push_back(yi[ultimo - 1]);
        kl.push_back(lato[ultimo - 1]);
    }
    xi = std::move(kx);
    yi = std::move(ky);
    lato = std::move(kl);
    count = static_cast<int>(xi.size());
}

IncrociPoligonale::IncrociPoligonale(PosizioneIncrocio posizione, std::vector<Incrocio> incroci)
    : posizione_(posizione), incroci_(std::move(incroci)) {
    if (posizione_ == PosizioneIncrocio::Nessuno) incroci_.clear();
    if (posizione_ != PosizioneIncrocio::Nessuno && incroci_.empty())
        posizione_ = PosizioneIncrocio::Nessuno;
}

Incrocio IncrociPoligonale::incrocio(int k) const {
    if (k < 1 || k > ni())
        throw std::out_of_range("IntersezionePoligonaleRetta: incrocio " + std::to_string(k) +
                                " fuori da 1.." + std::to_string(ni()));
    return incroci_[static_cast<std::size_t>(k - 1)];
}

std::optional<Incrocio> IncrociPoligonale::primo() const {
    if (incroci_.empty()) return std::nullopt;
    return incroci_.front();
}

IncrociPoligonale IntersezionePoligonaleRetta(double a, double b, double c,
                                              std::span<const double> x,
                                              std::span<const double> y, int n, bool togli) {
    detail::verificaDimensione(x.size(), n, "IntersezionePoligonaleRetta");
    detail::verificaDimensione(y.size(), n, "IntersezionePoligonaleRetta");
    ImpostaZeroMaxDimen(MaxDimensionePunti(x, y, n, 1000000));
    std::vector<double> cx, cy;
    std::vector<int> cl;
    bool ultimaIncrocia = false;  // the last segment's line was built and crosses (a, b, c)
    double xu = 0.0, yu = 0.0;
    for (int i = 1; i <= n - 1; ++i) {
        const Coppia X{x[i - 1], x[i]};
        const Coppia Y{y[i - 1], y[i]};
        double as = 0.0, bs = 0.0, cs = 0.0, xo = 0.0, yo = 0.0;
        bool incrocia = false;
        if (RettaPerDuePunti(X, Y, Coppia{1.0, 1.0}, as, bs, cs, 0.000001) &&
            IntersezioneRette(a, b, c, as, bs, cs, xo, yo)) {
            incrocia = true;
            if (PuntoInternoSegmento(X, Y, xo, yo)) {
                cx.push_back(xo);
                cy.push_back(yo);
                cl.push_back(i);
            }
        }
        if (i == n - 1) {
            ultimaIncrocia = incrocia;
            xu = xo;
            yu = yo;
        }
    }
    PosizioneIncrocio pos = PosizioneIncrocio::SullaPoligonale;
    if (cx.empty()) {
        pos = PosizioneIncrocio::Nessuno;
        if (ultimaIncrocia) {
            cx.push_back(xu);
            cy.push_back(yu);
            cl.push_back(n);
            pos = PosizioneIncrocio::SulProlungamento;
        }
    }
    if (togli) TogliePuntiCoincidenti(cx, cy, cl);
    std::vector<Incrocio> incroci;
    incroci.reserve(cx.size());
    for (std::size_t k = 0; k < cx.size(); ++k) incroci.push_back({cx[k], cy[k], cl[k]});
    return IncrociPoligonale(pos, std::move(incroci));
}

void TogliePuntiCoincidenti(std::vector<double>& cx, std::vector<double>& cy,
                            std::vector<int>& clato) {
    if (cx.size() < 2) return;
    if (cy.size() != cx.size() || clato.size() != cx.size())
        throw std::out_of_range("TogliePuntiCoincidenti: collezioni di lunghezze diverse");
    std::size_t i = 1;  // 1-based item
    while (i < cx.size()) {
        if (PuntiCoincidentiXY(cx[i - 1], cy[i - 1], cx[i], cy[i])) {
            cx.erase(cx.begin() + static_cast<std::ptrdiff_t>(i));
            cy.erase(cy.begin() + static_cast<std::ptrdiff_t>(i));
            clato.erase(clato.begin() + static_cast<std::ptrdiff_t>(i));
        }
        i += 1;
    }
}

void IntersezioniConOrizzontale(std::span<const double> x, std::span<const double> y, int n,
                                double yc, std::vector<double>& ascisse) {
    detail::verificaDimensione(x.size(), n, "IntersezioniConOrizzontale");
    detail::verificaDimensione(y.size(), n, "IntersezioniConOrizzontale");
    for (int i = 1; i <= n; ++i) {
        const int j = IndiceSuccessivo(n, i);
        const double x1 = x[i - 1], y1 = y[i - 1], x2 = x[j - 1], y2 = y[j - 1];
        // Half-open: a vertex on the line counts for one of its edges only,
        // horizontal edges and edges wholly on one side never.
        if ((y1 >= yc) == (y2 >= yc)) continue;
        // A vertex on the line gives its own abscissa. Taken through the
        // edge's line it can land an ulp outside a flat edge and be lost on
        // both edges, turning a point inside into one outside.
        const double xo = y1 == yc   ? x1
                          : y2 == yc ? x2
                                     : x1 + (yc - y1) * (x2 - x1) / (y2 - y1);
        ascisse.push_back(verificaFinito(xo, "IntersezioniConOrizzontale"));
    }
}

int PuntoInternoPoligono(std::span<const double> x, std::span<const double> y, double px,
                         double py, int n) {
    std::vector<double> valori{px};
    IntersezioniConOrizzontale(x, y, n, py, valori);
    const int m = static_cast<int>(valori.size()) - 1;
    std::vector<int> ordine;
    OrdinaArray(valori, m + 1, ordine);
    const int k = IndiceInArray(ordine, 1, m + 1);
    const int sinistra = k - 1;
    const int destra = m + 1 - k;
    return NumeroDispari(sinistra) && NumeroDispari(destra) ? 1 : -1;
}

bool PuntoSuSegmentoCoincidenti(const Coppia& X, const Coppia& Y, double px, double py,
                                double zero, bool locale) {
    if (!PuntoInternoSegmento(X, Y, px, py, locale)) return false;
    const Coppia W{1.0, 1.0};
    if (PuntiCoincidenti(Coppia{px, X[0]}, Coppia{py, Y[0]}, W, zero)) return false;
    if (PuntiCoincidenti(Coppia{px, X[1]}, Coppia{py, Y[1]}, W, zero)) return false;
    return true;
}

bool IntersezioneSegmentoSegmento(const Coppia& X1, const Coppia& Y1, const Coppia& X2,
                                  const Coppia& Y2, double& x, double& y, double zero,
                                  bool strict) {
    const Coppia W{1.0, 1.0};
    double a1 = 0, b1 = 0, c1 = 0, a2 = 0, b2 = 0, c2 = 0;
    if (!RettaPerDuePunti(X1, Y1, W, a1, b1, c1, 0.000001)) return false;
    if (!RettaPerDuePunti(X2, Y2, W, a2, b2, c2, 0.000001)) return false;
    if (!IntersezioneRette(a1, b1, c1, a2, b2, c2, x, y)) return false;
    if (strict)
        return PuntoSuSegmentoCoincidenti(X1, Y1, x, y, zero, false) &&
               PuntoSuSegmentoCoincidenti(X2, Y2, x, y, zero, false);
    return PuntoInternoSegmento(X1, Y1, x, y) && PuntoInternoSegmento(X2, Y2, x, y);
}

}  // namespace tavo
