#include "analysis/ZavorraSuola.h"

#include "geometry/Estremi.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tavo {
namespace {

struct Punto {
    double x, y;
};
using Contorno = std::vector<Punto>;

Contorno Punti(const Poligono& P) {
    Contorno c;
    for (int i = 1; i <= P.nVertici(); ++i) c.push_back({P.Xi(i), P.Yi(i)});
    return c;
}

// The side a·x + b·y + c >= 0 of the line, by the polygon clipping of
// Sutherland and Hodgman: the kept region is a half-plane, so the winding of
// every point inside it is kept and every point outside gets none. A
// crossing on a line parallel to an axis gets that axis coordinate exactly.
Contorno TagliaSemipiano(const Contorno& c, double a, double b, double cc) {
    Contorno fuori;
    const std::size_t n = c.size();
    auto lato = [&](const Punto& p) { return a * p.x + b * p.y + cc; };
    auto incrocio = [&](const Punto& p, const Punto& q, double dp, double dq) {
        const double t = dp / (dp - dq);
        Punto r{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
        if (b == 0) r.x = -cc / a;
        if (a == 0) r.y = -cc / b;
        return r;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const Punto& p = c[(i + n - 1) % n];
        const Punto& q = c[i];
        const double dp = lato(p), dq = lato(q);
        if (dq >= 0) {
            if (dp < 0) fuori.push_back(incrocio(p, q, dp, dq));
            fuori.push_back(q);
        } else if (dp > 0) {
            fuori.push_back(incrocio(p, q, dp, dq));
        }
    }
    return fuori;
}

double Estensione(const Contorno& c) {
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (i == 0 || c[i].x < xMin) xMin = c[i].x;
        if (i == 0 || c[i].x > xMax) xMax = c[i].x;
        if (i == 0 || c[i].y < yMin) yMin = c[i].y;
        if (i == 0 || c[i].y > yMax) yMax = c[i].y;
    }
    return std::fmax(xMax - xMin, yMax - yMin);
}

// Drops every vertex that lies on the line of its two neighbours (a repeated
// point, a point along a straight edge, the tip of an edge folded back onto
// itself): the area it takes away is nil, and what is left is simple where
// the clipping left only such folds. Fewer than three vertices: none.
Contorno SenzaPieghe(Contorno c) {
    const double zero = 1e-9 * Estensione(c);
    bool tolto = true;
    while (tolto && c.size() >= 3) {
        tolto = false;
        for (std::size_t i = 0; i < c.size() && c.size() >= 3; ++i) {
            const std::size_t n = c.size();
            const Punto& p = c[(i + n - 1) % n];
            const Punto& q = c[i];
            const Punto& r = c[(i + 1) % n];
            const double dx = r.x - p.x, dy = r.y - p.y;
            const double l = std::hypot(dx, dy);
            // With its neighbours at one point, q is the tip of a fold.
            if (l <= zero || std::fabs(dx * (q.y - p.y) - dy * (q.x - p.x)) / l <= zero) {
                c.erase(c.begin() + static_cast<std::ptrdiff_t>(i));
                tolto = true;
                --i;
            }
        }
    }
    double area = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Punto& p = c[i];
        const Punto& q = c[(i + 1) % c.size()];
        area += p.x * q.y - q.x * p.y;
    }
    if (c.size() < 3 || !(std::fabs(area) / 2 > zero * Estensione(c))) c.clear();
    return c;
}

Poligono DaPunti(const Contorno& c) {
    Poligono P;
    if (c.empty()) return P;
    std::vector<double> x, y;
    for (const Punto& p : c) {
        x.push_back(p.x);
        y.push_back(p.y);
    }
    P.Coordinate(x, y, static_cast<int>(c.size()));
    return P;
}

}  // namespace

Poligono ParteSullaSuola(const VariabiliPubbliche& v, const Poligono& contorno) {
    Contorno c = Punti(contorno);
    // Above the footing top.
    c = TagliaSemipiano(c, 0, 1, -v.PolFondazione.Yi(4));
    // On the backfill side of the back face, from its foot (vertex 1) up to
    // the seat (vertex 2): to the right of that directed line.
    const double x1 = v.PolParete.Xi(1), y1 = v.PolParete.Yi(1);
    const double dx = v.PolParete.Xi(2) - x1, dy = v.PolParete.Yi(2) - y1;
    if (dx != 0 || dy != 0) c = TagliaSemipiano(c, dy, -dx, dx * y1 - dy * x1);
    return DaPunti(SenzaPieghe(std::move(c)));
}

Poligono ParteOltreSezione(const Poligono& P, double xSezione) {
    return DaPunti(SenzaPieghe(TagliaSemipiano(Punti(P), 1, 0, -xSezione)));
}

void AreaEBaricentro(Poligono& P) {
    P.Area = P.xG = P.yG = P.stat_x = P.stat_y = 0;
    P.jota_x = P.jota_y = P.jota_xy = P.jota_xG = P.jota_yG = P.jota_xyG = 0;
    P.jota_IG = P.jota_IIG = P.AngoloJotaI = P.AngoloJotaII = P.iX = P.iY = 0;
    P.WxSuperiore = P.WxInferiore = P.WyDestra = P.WySinistra = P.Wplx = P.Wply = 0;
    const int n = P.nVertici();
    if (n < 3) return;
    // The triangle fan from the first vertex, as the section properties of
    // the polygon class sum it, so that a polygon with an area gets the
    // same numbers.
    double A = 0, Sx = 0, Sy = 0;
    const double x1 = P.Xi(1), y1 = P.Yi(1);
    for (int i = 2; i <= n - 1; ++i) {
        const std::array<double, 3> x{x1, P.Xi(i), P.Xi(i + 1)};
        const std::array<double, 3> y{y1, P.Yi(i), P.Yi(i + 1)};
        double At = 0;
        AreaConSegno(3, x, y, At);
        A += At;
        Sx += At * (y[0] + y[1] + y[2]) / 3.0;
        Sy += At * (x[0] + x[1] + x[2]) / 3.0;
    }
    const double estensione = Estensione(Punti(P));
    if (!(std::fabs(A) > 1e-9 * estensione * estensione) || !std::isfinite(Sx) || !std::isfinite(Sy))
        return;
    if (A < 0) {
        A = -A;
        Sx = -Sx;
        Sy = -Sy;
    }
    P.Area = A;
    P.stat_x = Sx;
    P.stat_y = Sy;
    P.xG = Sy / A;
    P.yG = Sx / A;
}

}  // namespace tavo
