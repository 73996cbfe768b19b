#pragma once
// An independent brute force of the active thrust on any broken ground,
// written from the wedge's definition alone: the wedge at θ is the soil
// between the back, the ground and the failure line through the back's
// foot at θ above the horizontal. Its polygon is the back from its foot, the
// ground points up to the first crossing of the failure ray with the ground
// (sides in order from the back; beyond the last given point the ground goes
// on along its last side without end), then the crossing; its area by the
// shoelace formula, its surcharge the sum of q × horizontal length of every
// side up to the crossing. With V = γt·A·γGS + γQ·Q:
//   P = V·sin(θ − φ + ψ) / cos ψ / cos(θ − φ − δ − ε) × fattoreKv,
//   Pq = P·γQ·Q / V,
// on the physical branch only (sin(θ − φ + ψ) ≥ 0, cos(θ − φ − δ − ε) > 0,
// θ in [2°, 88°], the ray meeting the ground).
//
// The backs: the stem's from stem vertex 1 (its foot) through vertices 2
// (seat) and 3 (backwall top), where the ground starts; the heel's the
// vertical through the heel end from footing vertex 3 up to the ground
// there, with the ground from that vertical on. The ground is rebuilt here
// from the input sides (in Singles, as the wall's points are), closed as the
// wall closes it: by a far point on the last side's line at
// x = 10·(h1 + H + h3), whose line the ground follows beyond.

#include "analysis/SpintaTerre.h"
#include "analysis/VariabiliPubbliche.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace tavo::test {

inline double RadFB(double g) { return g * std::numbers::pi / 180; }
inline double DegFB(double r) { return r * 180 / std::numbers::pi; }

// The angles of one search (degrees) and the vertical factor.
struct AngoliFB {
    double phi, delta, eps, psi, fattoreKv;
};

// NTC 2008 seismic combination: ψ = atan(kh / (1 + kv)), factor 1 + kv;
// kh = 0 gives the static combination (ψ = 0, factor 1).
inline AngoliFB AngoliNTC(double phi, double delta, double eps, double kh, double kv) {
    if (kh == 0) return {phi, delta, eps, 0, 1};
    const float fattore = 1 + static_cast<float>(kv);
    return {phi, delta, eps, static_cast<float>(DegFB(std::atan(kh / fattore))), fattore};
}

struct SpintaFB {
    double P = 0, Pq = 0, theta = 0;
};

class DorsoFB {
public:
    DorsoFB(const VariabiliPubbliche& v, Paramento quale) : parete_(quale == Paramento::Parete) {
        gamma_ = v.PesoSpecificoTerreno;
        gGS_ = v.GammaCuneo;
        gQ_ = v.GammaSovraccarico;
        // The whole ground from the backwall top, in Singles like the wall's.
        const int N = v.nLatiTerreno;
        std::vector<float> x(N + 1), y(N + 1);
        x[0] = static_cast<float>(v.PolParete.Xi(3));
        y[0] = static_cast<float>(v.PolParete.Yi(3));
        std::vector<double> q(N);
        for (int j = 1; j <= N; ++j) {
            x[j] = x[j - 1] + v.dxProfilo(j);
            y[j] = y[j - 1] + v.dyProfilo(j);
            q[j - 1] = v.qProfilo(j);
        }
        const float corsa = x[N] - x[N - 1];
        const float xC = 10 * (v.AltezzaParaghiaia + v.AltezzaParete + v.AltezzaFondazione);
        const float yC = y[N] + (y[N] - y[N - 1]) / corsa * (xC - x[N]);
        ex_ = static_cast<double>(xC) - x[N];
        ey_ = static_cast<double>(yC) - y[N];
        if (parete_) {
            x0_ = v.PolParete.Xi(1);
            y0_ = v.PolParete.Yi(1);
            dorso_ = {{x0_, y0_}, {v.PolParete.Xi(2), v.PolParete.Yi(2)}};
            for (int j = 0; j <= N; ++j) terreno_.push_back({x[j], y[j]});
            q_ = q;
            senzaTerreno_ = false;
            return;
        }
        x0_ = static_cast<float>(v.PolFondazione.Xi(3));
        y0_ = static_cast<float>(v.PolFondazione.Yi(3));
        dorso_ = {{x0_, y0_}};
        // The first side (the extension counting as the last) that reaches
        // the vertical through the heel end; the ground from there on.
        int j = 1;
        while (j <= N && x[j] < x0_) ++j;
        const double xa = x[j - 1], ya = y[j - 1];
        const double yTaglio = j <= N ? (x[j] == xa ? y[j] : ya + (y[j] - ya) * (x0_ - xa) / (x[j] - xa))
                                      : ya + ey_ / ex_ * (x0_ - xa);
        terreno_.push_back({x0_, yTaglio});
        for (int k = j; k <= N; ++k) {
            terreno_.push_back({x[k], y[k]});
            q_.push_back(q[k - 1]);
        }
        senzaTerreno_ = !(yTaglio > y0_);
    }

    // No soil touches the back: every wedge is empty.
    bool SenzaTerreno() const { return senzaTerreno_; }

    // The slope (degrees) of the ground beyond its last point.
    double PendenzaUltima() const { return DegFB(std::atan2(ey_, ex_)); }

    // How far (m, vertically) the lowest ground point lies above the line
    // through the foot at the given slope: negative for a ditch deeper than
    // the foot.
    double DistanzaDallaRetta(double gradi) const {
        const double t = std::tan(RadFB(gradi));
        double d = std::numeric_limits<double>::infinity();
        for (const Punto& p : terreno_) d = std::min(d, p.y - (y0_ + (p.x - x0_) * t));
        return d;
    }
    bool PuntoSottoLaRetta(double gradi) const { return DistanzaDallaRetta(gradi) < 0; }

    // The rule of a thrust without maximum: soil with weight against the
    // back, the last side steeper than φ − ψ and no point below the line
    // through the foot at its slope.
    bool SenzaMassimo(const AngoliFB& a) const {
        const double beta = PendenzaUltima();
        return !senzaTerreno_ && gamma_ * gGS_ > 0 && beta > a.phi - a.psi && !PuntoSottoLaRetta(beta);
    }

    // Resultant of the surcharges on the top of a wedge ending at xc.
    double Sovraccarico(double xc) const {
        double Q = 0;
        for (std::size_t s = 0; s < q_.size(); ++s)
            Q += q_[s] * std::max(0.0, std::min(xc, terreno_[s + 1].x) - terreno_[s].x);
        return Q;
    }

    // The force factor sin(θ − φ + ψ) / cos ψ / cos(θ − φ − δ − ε) × fattoreKv;
    // no value off the physical branch.
    static std::optional<double> Fattore(double theta, const AngoliFB& a) {
        const double s = std::sin(RadFB(theta - a.phi + a.psi));
        const double c = std::cos(RadFB(theta - a.phi - a.delta - a.eps));
        if (s < 0 || !(c > 0)) return std::nullopt;
        return s / std::cos(RadFB(a.psi)) / c * a.fattoreKv;
    }

    // The thrust of a wedge with area A and surcharge Q (kN/m) and its Pq.
    SpintaFB Spinta(double A, double Q, double fattore, double theta) const {
        const double V = gamma_ * A * gGS_ + gQ_ * Q;
        if (V == 0) return {0, 0, theta};
        const double P = V * fattore;
        return {P, P * gQ_ * Q / V, theta};
    }

    // The wedge at theta; no value off the physical branch or when the ray
    // meets no ground.
    std::optional<SpintaFB> Cuneo(double theta, const AngoliFB& a) const {
        const std::optional<double> f = Fattore(theta, a);
        if (!f) return std::nullopt;
        if (senzaTerreno_) return SpintaFB{0, 0, theta};
        const double dx = std::cos(RadFB(theta)), dy = std::sin(RadFB(theta));
        // Positive above the failure ray.
        const auto lato = [&](const Punto& p) { return dx * (p.y - y0_) - dy * (p.x - x0_); };
        poligono_.assign(dorso_.begin(), dorso_.end());
        std::size_t k = 0;
        Punto c{};
        double sPrima = lato(terreno_[0]);
        poligono_.push_back(terreno_[0]);
        for (k = 1; k < terreno_.size(); ++k) {
            const double s = lato(terreno_[k]);
            if (s <= 0) {
                const double t = sPrima / (sPrima - s);
                const Punto& p = terreno_[k - 1];
                c = {p.x + t * (terreno_[k].x - p.x), p.y + t * (terreno_[k].y - p.y)};
                break;
            }
            poligono_.push_back(terreno_[k]);
            sPrima = s;
        }
        if (k == terreno_.size()) {
            // On along the last side: P_last + u·e, crossing where lato = 0.
            const double de = dx * ey_ - dy * ex_;
            if (!(de < 0)) return std::nullopt;
            const double u = -sPrima / de;
            c = {terreno_.back().x + u * ex_, terreno_.back().y + u * ey_};
        }
        poligono_.push_back(c);
        return Spinta(AreaShoelace(poligono_), Sovraccarico(c.x), *f, theta);
    }

    // The largest thrust over the physical branch: every angle from 88°
    // down to 2° in steps of 0.01°, then every angle within 0.01° of each
    // sampled local maximum within 2 % of the best in steps of 1e-5°.
    SpintaFB Massimo(const AngoliFB& a) const {
        constexpr int n = 8600;
        std::vector<double> P(n + 1, -1);
        SpintaFB migliore{};
        for (int k = 0; k <= n; ++k) {
            const std::optional<SpintaFB> s = Cuneo(88 - k * 0.01, a);
            if (!s) continue;
            P[k] = s->P;
            if (s->P > migliore.P) migliore = *s;
        }
        std::vector<int> massimi;
        for (int k = 0; k <= n; ++k) {
            if (P[k] <= 0 || P[k] < 0.98 * migliore.P) continue;
            if ((k == 0 || P[k] > P[k - 1]) && (k == n || P[k] >= P[k + 1])) massimi.push_back(k);
        }
        std::sort(massimi.begin(), massimi.end(), [&](int i, int j) { return P[i] > P[j]; });
        if (massimi.size() > 8) massimi.resize(8);
        for (int k : massimi) {
            const double centro = 88 - k * 0.01;
            for (int m = -1000; m <= 1000; ++m) {
                const double theta = centro + m * 1e-5;
                if (theta < 2 || theta > 88) continue;
                const std::optional<SpintaFB> s = Cuneo(theta, a);
                if (s && s->P > migliore.P) migliore = *s;
            }
        }
        return migliore;
    }

    // A wedge polygon the program left in the state, as a vertex list: the
    // thrust this definition gives it (area by shoelace, surcharge up to its
    // last vertex, the crossing; θ the angle of that vertex from the foot).
    std::optional<SpintaFB> CuneoDelPoligono(const Poligono& w, const AngoliFB& a) const {
        std::vector<Punto> p;
        for (int i = 1; i <= w.nVertici(); ++i) p.push_back({w.Xi(i), w.Yi(i)});
        const Punto c = p.back();
        const double theta = DegFB(std::atan2(c.y - y0_, c.x - x0_));
        const std::optional<double> f = Fattore(theta, a);
        if (!f) return std::nullopt;
        return Spinta(AreaShoelace(p), Sovraccarico(c.x), *f, theta);
    }

private:
    struct Punto {
        double x, y;
    };
    static double AreaShoelace(const std::vector<Punto>& p) {
        double A2 = 0;
        for (std::size_t j = 0; j < p.size(); ++j) {
            const Punto& a = p[j];
            const Punto& b = p[(j + 1) % p.size()];
            A2 += a.x * b.y - b.x * a.y;
        }
        return std::fabs(A2) / 2;
    }

    bool parete_;
    double gamma_ = 0, gGS_ = 1, gQ_ = 1;
    double x0_ = 0, y0_ = 0;
    double ex_ = 1, ey_ = 0;  // the direction of the ground beyond its last point
    std::vector<Punto> dorso_;    // the back from its foot, short of the ground's first point
    std::vector<Punto> terreno_;  // the ground from the back's top
    std::vector<double> q_;       // q of side s, from terreno_[s] to terreno_[s + 1]
    bool senzaTerreno_ = false;
    mutable std::vector<Punto> poligono_;
};

}  // namespace tavo::test
