// Outlines derived from the polygon: its convex hull, the outline seen from
// the right and the offset outline through a point.
#include "geometry/Estremi.h"
#include "geometry/Matematica.h"
#include "geometry/OffsetContorno.h"
#include "geometry/Poligono.h"

namespace tavo {
namespace {

// Points closer than this are one point for the hull walk (the tolerance at
// which the walk builds the line of its last step).
constexpr double ZeroInviluppo = 0.000001;

bool coincidono(double x1, double y1, double x2, double y2) {
    return PuntiCoincidenti({x1, x2}, {y1, y2}, {1.0, 1.0}, ZeroInviluppo);
}

std::vector<float> singola(const std::vector<double>& v) { return {v.begin(), v.end()}; }

}  // namespace

int Poligono::VerticeSuccessivoConvesso(int precedente, int corrente, bool conPrecedente) const {
    const int n = nVertici_;
    const double xc = x_[corrente - 1], yc = y_[corrente - 1];
    double t = 0.0;
    if (conPrecedente) {
        const double xp = x_[precedente - 1], yp = y_[precedente - 1];
        double a = 0.0, b = 0.0, c = 0.0;
        if (!RettaPerDuePunti({xp, xc}, {yp, yc}, {1.0, 1.0}, a, b, c, ZeroInviluppo)) return 0;
        t = AngoloDirezione(yc - yp, xc - xp);
    }
    MatriceFrame M{}, Mi{};
    MatriceRotoTraslazione(xc, yc, t, M, Mi);
    std::vector<double> xt, yt;
    TrasformaPunti(x_, y_, M, xt, yt, n);
    double minimo = 100.0;
    int prossimo = 0;
    for (int j = 1; j <= n; ++j) {
        if (j == corrente || (conPrecedente && j == precedente)) continue;
        // A repeated vertex has no direction from the current one.
        if (coincidono(x_[j - 1], y_[j - 1], xc, yc)) continue;
        if (conPrecedente &&
            coincidono(x_[j - 1], y_[j - 1], x_[precedente - 1], y_[precedente - 1]))
            continue;
        double r = 0.0, angolo = 0.0;
        CartesianeInPolari(xt[j - 1], yt[j - 1], r, angolo);
        if (angolo < minimo) {
            minimo = angolo;
            prossimo = j;
        }
    }
    return prossimo;
}

Poligono Poligono::PoligonoConvessoCircoscritto() const {
    verificaVertici("Poligono.PoligonoConvessoCircoscritto");
    const int n = nVertici_;
    int inizio = 1;
    MinimoVettore(n, y_, inizio);
    std::vector<double> xh{x_[inizio - 1]}, yh{y_[inizio - 1]};
    int precedente = 0, corrente = inizio;
    bool conPrecedente = false;
    // A hull has no more vertices than the polygon: at most n steps, so that
    // a walk that cannot get back to its start still ends.
    for (int passo = 1; passo <= n; ++passo) {
        const int prossimo = VerticeSuccessivoConvesso(precedente, corrente, conPrecedente);
        if (prossimo == 0 || prossimo == inizio ||
            coincidono(x_[prossimo - 1], y_[prossimo - 1], xh.front(), yh.front()))
            break;
        // Collinear points differ in angle by roundings only, so the walk
        // back to the start may pick one beyond it on the same line: the
        // start is reached all the same.
        if (conPrecedente && PuntoInternoSegmento({x_[corrente - 1], x_[prossimo - 1]},
                                                  {y_[corrente - 1], y_[prossimo - 1]},
                                                  xh.front(), yh.front(), true))
            break;
        xh.push_back(x_[prossimo - 1]);
        yh.push_back(y_[prossimo - 1]);
        precedente = corrente;
        corrente = prossimo;
        conPrecedente = true;
    }
    Poligono inviluppo;
    inviluppo.Coordinate(singola(xh), singola(yh), static_cast<int>(xh.size()));
    return inviluppo;
}

void Poligono::VistaDaDestra(std::vector<double>& x, std::vector<double>& y, int& n) const {
    verificaVertici("Poligono.VistaDaDestra");
    n = nVertici_ < 0 ? 0 : nVertici_;
    x.assign(x_.begin(), x_.begin() + n);
    y.assign(y_.begin(), y_.begin() + n);
    std::vector<int> nascosti;
    for (int i = 1; i <= n; ++i) {
        const Incroci inc = IntersezioneConRetta(0.0, 1.0, -y_[i - 1]);
        if (inc.ni < 2) continue;
        for (int k = 0; k < inc.ni; ++k) {
            if (inc.xi[k] - x_[i - 1] > 1e-10) {
                nascosti.push_back(i);
                break;
            }
        }
    }
    OrdinaArray(nascosti, static_cast<int>(nascosti.size()));
    // From the highest index down, so that the lower ones stay valid.
    for (auto k = nascosti.rbegin(); k != nascosti.rend(); ++k) TogliePunto(x, y, n, *k);
}

bool Poligono::OffsetPerPunto(double xP, double yP, Poligono& PoligonoOffset) const {
    ImpostaZeroMaxDimen(MaxDimensione() / 1000000.0);
    std::vector<double> xo, yo;
    // An outline that does not pass through the point is not handed over.
    if (!OffsetPoligonoPerPunto(x_, y_, xo, yo, nVertici_, xP, yP)) return false;
    PoligonoOffset.Coordinate(singola(xo), singola(yo), nVertici_);
    return true;
}

}  // namespace tavo
