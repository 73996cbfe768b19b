#include "analysis/DisegnoProfTerra.h"

#include "drawing/Forme.h"
#include "geometry/Rette.h"

#include <algorithm>
#include <vector>

namespace tavo {

void disegna(Grafica& g, const ProfTerra& p, double xLimiteTerra) {
    const std::span<const double> x = p.CoordX(), y = p.CoordY();
    std::vector<double> xd, yd;
    for (int i = 1; i <= p.nVertici; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        if (x[k] <= xLimiteTerra) {
            xd.push_back(x[k]);
            yd.push_back(y[k]);
            continue;
        }
        // The crossing sets the shared tolerance: drawing must not change it.
        const ZeroMaxDimenSalvato zeroSalvato;
        if (const auto taglio = p.IntersezioneConRetta(1, 0, -xLimiteTerra).primo()) {
            xd.push_back(xLimiteTerra);
            yd.push_back(taglio->y);
        }
        break;
    }
    DisegnaPoligonale(g, static_cast<int>(xd.size()), xd, yd, 1);
}

void DisegnaCarichi(Grafica& g, const ProfTerra& p, double ScalaQ, double yQ1, double xLimiteTerra) {
    const std::span<const double> x = p.CoordX();
    for (int i = 1; i <= p.nVertici - 1; ++i) {
        const float q = p.qi(i);
        if (!(q > 0)) continue;
        const double yTop = yQ1 + q / ScalaQ;
        const double xa = x[static_cast<std::size_t>(i - 1)], xb = x[static_cast<std::size_t>(i)];
        // A side that starts at or beyond the limit carries nothing that
        // the drawing shows.
        if (xa >= xLimiteTerra) continue;
        // A side that passes the limit: its block is cut there, and drawn
        // closed, so that its top never floats alone.
        DisegnaRettangolo(g, xa, yQ1, std::min(xb, xLimiteTerra), yTop, 1);
        if (xb > xLimiteTerra) break;
    }
}

void DisegnaSovraccarichiPrisma(Grafica& g, const ProfTerra& p, double ScalaQ, double yQ1,
                                double Angolo, double Dist) {
    const std::span<const double> x = p.CoordX();
    for (int i = 1; i <= p.nqPrisma; ++i) {
        const float q = p.qi(i);
        if (!(q > 0)) continue;
        const double xa = x[static_cast<std::size_t>(i - 1)];
        const double xb = xa + p.LunghezzaCaricata(i);
        // A negative spacing: a distance between hatch lines, not a count.
        if (xb > xa) TratteggiaPrisma(g, xa, yQ1, xb, yQ1 + q / ScalaQ, Angolo, -Dist);
    }
}

}  // namespace tavo
