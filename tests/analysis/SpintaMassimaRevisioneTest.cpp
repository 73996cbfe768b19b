// The thrust search against a second brute force, written apart from the
// first one: the wedge's area is the integral over x of the soil between the
// failure ray and the ground (only where the ground stands above the back,
// so a ground falling into a battered stem counts from where it leaves the
// face), its surcharge the load on the ground over that soil. Its walls are
// drawn from other distributions: many short sides, vertical steps, ditches,
// narrow strips with high surcharges, battered stems with a backwall, heels
// under falling ground, soil without weight, φ − ψ just above 2°, kv of both
// signs, partial factors other than 1, DM 1996's ψ = atan(kh) with factor 1.
// Whether the thrust has a maximum is decided numerically: near the last
// side's slope an unbounded thrust grows like 1/(θ − β).

#include "analysis/SpintaTerre.h"
#include "tests/analysis/MuroDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tavo {
namespace {

using test::DatiMuro;
using test::LatoTerreno;

double Rad(double g) { return g * std::numbers::pi / 180; }
double Deg(double r) { return r * 180 / std::numbers::pi; }

struct Punto {
    double x, y;
};

// The soil behind one back, read from the wall's inputs and its outline.
class Terreno {
public:
    Terreno(const VariabiliPubbliche& v, Paramento quale) : stelo_(quale == Paramento::Parete) {
        gamma_ = v.PesoSpecificoTerreno;
        gGS_ = v.GammaCuneo;
        gQ_ = v.GammaSovraccarico;
        const int N = v.nLatiTerreno;
        std::vector<float> x(N + 2), y(N + 2);
        x[0] = static_cast<float>(v.PolParete.Xi(3));
        y[0] = static_cast<float>(v.PolParete.Yi(3));
        for (int j = 1; j <= N; ++j) {
            x[j] = x[j - 1] + v.dxProfilo(j);
            y[j] = y[j - 1] + v.dyProfilo(j);
            q_.push_back(v.qProfilo(j));
        }
        x[N + 1] = 10 * (v.AltezzaParaghiaia + v.AltezzaParete + v.AltezzaFondazione);
        y[N + 1] = y[N] + (y[N] - y[N - 1]) / (x[N] - x[N - 1]) * (x[N + 1] - x[N]);
        q_.push_back(0);
        for (int j = 0; j <= N + 1; ++j) g_.push_back({x[j], y[j]});
        if (stelo_) {
            piede_ = {v.PolParete.Xi(1), v.PolParete.Yi(1)};
            sede_ = {v.PolParete.Xi(2), v.PolParete.Yi(2)};
        } else {
            piede_ = {v.PolFondazione.Xi(3), v.PolFondazione.Yi(3)};
        }
    }

    double Beta() const {
        const Punto a = g_[g_.size() - 2], b = g_.back();
        return Deg(std::atan2(b.y - a.y, b.x - a.x));
    }

    // Area and surcharge of the wedge at theta (degrees); none when the ray
    // meets no ground.
    std::optional<std::pair<double, double>> Cuneo(double theta) const {
        const double x0 = piede_.x, y0 = piede_.y, t = std::tan(Rad(theta));
        const auto raggio = [&](double x) { return y0 + t * (x - x0); };
        // Below the soil: the ray for x ≥ x0; over a battered stem's face the face.
        const auto sotto = [&](double x) {
            if (x >= x0 || !stelo_ || sede_.x >= x0) return raggio(x);
            return y0 + (sede_.y - y0) * (x - x0) / (sede_.x - x0);
        };
        // The first crossing of the ground with the ray, from x0 on.
        const std::size_t n = g_.size();
        double xc = 0;
        bool trovato = false;
        // The ground just beyond x0: start on the side holding x0 (the last one
        // on a vertical at x0).
        std::size_t s = 0;
        while (s + 1 < n && g_[s + 1].x <= x0) ++s;
        // g_[s].x <= x0 < g_[s+1].x, or s = n - 1 (x0 beyond: impossible here).
        double hPrima;
        {
            const Punto a = g_[s], b = g_[s + 1];
            const double yx0 = a.y + (b.y - a.y) * (x0 - a.x) / (b.x - a.x);
            hPrima = yx0 - y0;
        }
        if (!(hPrima > 0)) {
            xc = x0;
            trovato = true;
        }
        for (std::size_t j = s; !trovato && j + 1 < n; ++j) {
            const Punto a = g_[j], b = g_[j + 1];
            const double ha = j == s ? hPrima : a.y - raggio(a.x), hb = b.y - raggio(b.x);
            if (hb > 0) continue;
            if (b.x == a.x) xc = a.x;
            else {
                const double xa = j == s ? x0 : a.x;
                xc = xa + (b.x - xa) * ha / (ha - hb);
            }
            trovato = true;
        }
        if (!trovato) {
            // Beyond the last point, along the last side without end.
            const Punto a = g_[n - 2], b = g_[n - 1];
            const double m = (b.y - a.y) / (b.x - a.x);
            if (!(t > m)) return std::nullopt;
            const double hb = b.y - raggio(b.x);
            xc = b.x + hb / (t - m);
        }
        // The soil between the lower bound and the ground from the back's top
        // (or x0) to xc; the surcharge over it.
        double A = 0, Q = 0;
        double xInizio = stelo_ ? std::min(sede_.x, x0) : x0;
        for (std::size_t j = 0; j + 1 < n + 1; ++j) {
            Punto a = g_[std::min(j, n - 1)], b;
            double q;
            if (j + 1 < n) {
                b = g_[j + 1];
                q = q_[j];
            } else {
                const Punto p = g_[n - 2];
                b = {xc + 1, a.y + (a.y - p.y) / (a.x - p.x) * (xc + 1 - a.x)};
                q = 0;
                if (!(xc > a.x)) break;
            }
            if (b.x == a.x) continue;
            double l = std::max(a.x, xInizio), r = std::min(b.x, xc);
            if (!(r > l)) continue;
            // Split at x0, where the lower bound changes.
            const double tagli[3] = {l, std::clamp(x0, l, r), r};
            for (int k = 0; k < 2; ++k) {
                const double u = tagli[k], w = tagli[k + 1];
                if (!(w > u)) continue;
                const auto gy = [&](double x) { return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x); };
                const double fu = gy(u) - sotto(u), fw = gy(w) - sotto(w);
                // The positive part of a linear function.
                if (fu >= 0 && fw >= 0) {
                    A += (fu + fw) / 2 * (w - u);
                    Q += q * (w - u);
                } else if (fu > 0 || fw > 0) {
                    const double xz = u + (w - u) * fu / (fu - fw);
                    if (fu > 0) {
                        A += fu / 2 * (xz - u);
                        Q += q * (xz - u);
                    } else {
                        A += fw / 2 * (w - xz);
                        Q += q * (w - xz);
                    }
                }
            }
        }
        return std::make_pair(A, Q);
    }

    std::optional<double> P(double theta, double phi, double delta, double eps, double psi,
                            double f) const {
        const double sn = std::sin(Rad(theta - phi + psi)), cs = std::cos(Rad(theta - phi - delta - eps));
        if (sn < 0 || !(cs > 0)) return std::nullopt;
        const auto c = Cuneo(theta);
        if (!c) return std::nullopt;
        const double V = gamma_ * c->first * gGS_ + gQ_ * c->second;
        if (V == 0) return 0.0;
        return V * sn / std::cos(Rad(psi)) / cs * f;
    }

    // The supremum over [max(2, φ − ψ), hi]: a scan at 0.01°, both sides of
    // every ground point's angle, and a zoom around the best samples.
    double Massimo(double phi, double delta, double eps, double psi, double f, double hi,
                   double& thetaMax) const {
        struct S {
            double t, p;
        };
        std::vector<S> s;
        const double lo = std::max(2.0, phi - psi);
        const auto prova = [&](double t) {
            if (t < lo || t > hi) return;
            const auto p = P(t, phi, delta, eps, psi, f);
            if (p) s.push_back({t, *p});
        };
        for (int k = 0;; ++k) {
            const double t = lo + 0.01 * k;
            if (t > hi) break;
            prova(t);
        }
        prova(hi);
        for (const Punto& p : g_) {
            const double a = Deg(std::atan2(p.y - piede_.y, p.x - piede_.x));
            for (double d : {-1e-3, -1e-5, -1e-7, 1e-7, 1e-5, 1e-3}) prova(a + d);
        }
        std::sort(s.begin(), s.end(), [](const S& a, const S& b) { return a.p > b.p; });
        const std::size_t nBest = std::min<std::size_t>(s.size(), 12);
        std::vector<S> migliori(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(nBest));
        for (const S& b : migliori) {
            double w = 0.01;
            double c = b.t;
            for (int giro = 0; giro < 3; ++giro) {
                double bestT = c, bestP = -1;
                for (int k = -20; k <= 20; ++k) {
                    const double t = c + w * k / 20;
                    if (t < lo || t > hi) continue;
                    const auto p = P(t, phi, delta, eps, psi, f);
                    if (p && *p > bestP) {
                        bestP = *p;
                        bestT = t;
                    }
                    if (p) s.push_back({t, *p});
                }
                c = bestT;
                w /= 20;
            }
        }
        double m = 0;
        thetaMax = 0;
        for (const S& x : s)
            if (x.p > m) {
                m = x.p;
                thetaMax = x.t;
            }
        return m;
    }

    // Whether the thrust blows up like 1/(θ − β) as θ comes down to β.
    bool Illimitata(double phi, double delta, double eps, double psi, double f) const {
        const double b = Beta();
        if (!(b > phi - psi)) return false;
        const auto p1 = P(b + 1e-5, phi, delta, eps, psi, f);
        const auto p2 = P(b + 1e-7, phi, delta, eps, psi, f);
        if (!p1 || !p2) return false;
        return *p2 > 30 * *p1 && *p1 > 0;
    }

private:
    bool stelo_;
    double gamma_, gGS_, gQ_;
    std::vector<Punto> g_;
    std::vector<double> q_;
    Punto piede_{}, sede_{};
};

// Whether the ground passes below the top of the footing between the stem's
// back and the heel end: through the concrete, which no real ground does.
bool NelCalcestruzzo(const VariabiliPubbliche& v) {
    const ProfTerra& p = v.ProfiloTerreno;
    const double xh = v.PolFondazione.Xi(4), y0 = v.PolFondazione.Yi(4);
    for (int j = 1; j <= p.nVertici; ++j) {
        if (p.Xi(j) <= xh && p.Yi(j) < y0) return true;
        if (j > 1 && p.Xi(j - 1) < xh && p.Xi(j) > xh) {
            const double y = p.Yi(j - 1) + (p.Yi(j) - p.Yi(j - 1)) * (xh - p.Xi(j - 1)) / (p.Xi(j) - p.Xi(j - 1));
            if (y < y0) return true;
        }
    }
    return false;
}

struct Caso {
    DatiMuro d;
    double phi, delta, psi, f, gGS, gQ;
    const char* codice;
};

std::string Descrivi(const Caso& c, Paramento quale) {
    std::ostringstream o;
    o.precision(9);
    o << "{.H = " << c.d.H << ", .h1 = " << c.d.h1 << ", .i = " << c.d.i << ", .h3 = " << c.d.h3
      << ", .L2 = " << c.d.L2 << ", .gamma = " << c.d.gamma << ", .lati = {";
    for (const LatoTerreno& l : c.d.lati) o << "{" << l.dx << ", " << l.dy << ", " << l.q << "}, ";
    o << "}} " << c.codice << " phi " << c.phi << " delta " << c.delta << " psi " << c.psi << " f "
      << c.f << " gGS " << c.gGS << " gQ " << c.gQ << " "
      << (quale == Paramento::Parete ? "parete" : "fondazione");
    return o.str();
}

Caso Estrae(std::mt19937& g) {
    std::uniform_real_distribution<double> u(0, 1);
    const auto tra = [&](double a, double b) { return static_cast<float>(a + (b - a) * u(g)); };
    for (;;) {
        Caso c{};
        DatiMuro& d = c.d;
        d.H = tra(0.8, 14);
        d.h1 = u(g) < 0.5 ? 0 : tra(0.2, 2.5);
        d.i = u(g) < 0.3 ? 0 : tra(1, 25);
        d.L2 = u(g) < 0.2 ? tra(0.1, 0.6) : tra(0.6, 7);
        d.h3 = tra(0.3, 2);
        d.gamma = u(g) < 0.12 ? 0 : tra(14, 22);
        const float hTot = d.h1 + d.H + d.h3;
        d.lati.clear();
        const int n = 1 + static_cast<int>(u(g) * 8);
        double x = -d.H * d.i / 100;
        for (int j = 1; j <= n; ++j) {
            LatoTerreno l{};
            const double r = u(g);
            if (j < n && r < 0.2) {
                l.dx = 0;  // a vertical step, up or down, anywhere (into the stem too)
                l.dy = tra(-4, 4);
            } else {
                l.dx = static_cast<float>(std::exp(std::log(0.05) + (std::log(6.0) - std::log(0.05)) * u(g)));
                const double s = u(g);
                double ang = s < 0.3 ? tra(30, 75) : s < 0.5 ? tra(-60, -5) : s < 0.65 ? 0 : tra(-20, 35);
                // The last side, which goes on without end, mostly gentle.
                if (j == n && u(g) < 0.7) ang = tra(-20, 30);
                l.dy = static_cast<float>(l.dx * std::tan(Rad(ang)));
            }
            const double sq = u(g);
            l.q = sq < 0.45 ? 0 : sq < 0.65 ? tra(100, 400) : tra(0, 60);
            if (j == n && l.dx < hTot / 100 + 0.01f) l.dx = hTot / 100 + 0.01f;
            x += l.dx;
            d.lati.push_back(l);
        }
        if (x > 10 * hTot - 1) continue;
        const double sc = u(g);
        c.gGS = u(g) < 0.5 ? 1 : (u(g) < 0.5 ? 1.3 : 1.35);
        c.gQ = u(g) < 0.3 ? 1 : (u(g) < 0.5 ? 1.5 : (u(g) < 0.5 ? 1.3 : 0));
        if (sc < 0.3) {  // static
            c.codice = "statica";
            c.psi = 0;
            c.f = 1;
            c.phi = tra(18, 42);
        } else if (sc < 0.7) {  // NTC seismic
            c.codice = "NTC sismica";
            const double kh = tra(0.02, 0.35);
            const double kv = (u(g) < 0.5 ? 1 : -1) * kh * tra(0, 0.5);
            const float fattore = 1 + static_cast<float>(kv);
            c.psi = static_cast<float>(Deg(std::atan(kh / fattore)));
            c.f = fattore;
            c.phi = u(g) < 0.3 ? c.psi + tra(2.05, 5) : tra(std::max(18.0, c.psi + 2.05), 42);
            c.gGS = 1;
            c.gQ = 1;
        } else {  // DM 1996, grade S: C = (S − 2)/100, ψ = atan(C), factor 1
            c.codice = "DM96";
            const int S[] = {6, 9, 12};
            const double C = (S[static_cast<int>(u(g) * 3)] - 2) / 100.0;
            c.psi = static_cast<float>(Deg(std::atan(C)));
            c.f = 1;
            c.phi = u(g) < 0.3 ? c.psi + tra(2.05, 5) : tra(20, 40);
            c.gGS = 1;
            c.gQ = 1;
        }
        c.phi = static_cast<float>(c.phi);
        c.delta = u(g) < 0.3 ? static_cast<float>(2 * c.phi / 3) : tra(0, c.phi);
        return c;
    }
}

// A wall of the population, one back, one combination (factor f = 1 + kv).
struct CasoTabella {
    const char* nome;
    DatiMuro d;
    Paramento quale;
    float phi, delta, psi, f = 1;
};

// The search's thrust within 1e-4 of the brute force, which is above 0, and
// its Pq that of the wedge it leaves (all of P when the soil has no weight).
void ConfrontaConLaForzaBruta(const CasoTabella& c) {
    VariabiliPubbliche v = test::CostruisceMuro(c.d);
    const float eps =
        c.quale == Paramento::Parete ? static_cast<float>(Deg(std::atan(c.d.i / 100.0))) : 0.0f;
    const Terreno t(v, c.quale);
    double th = 0;
    const double b = t.Massimo(c.phi, c.delta, eps, c.psi, c.f, 88, th);
    ASSERT_GT(b, 0) << c.nome;
    float Pq = 0;
    const float P = SpintaMassima(v, c.phi, c.delta, eps, c.psi, c.f, c.quale, Pq);
    EXPECT_NEAR(P, b, 1e-4 * b) << c.nome << ": brute force at " << th << "°";
    if (c.d.gamma == 0) {
        EXPECT_NEAR(Pq, P, 1e-5 * P) << c.nome;
    }
}

// Soil without weight, and a surcharge that only the wedges of a narrow
// stretch of angles reach, between two angles of the first scan, which all
// see an unloaded ground: the thrust of that surcharge is still found.
TEST(SpintaMassimaRevisione, SoilWithoutWeightUnderASurchargeBetweenTheScansAngles) {
    const CasoTabella casi[] = {
        // Flat unloaded ground, then a loaded bank steeper than φ − ψ: only the
        // wedges between the bank's slope and the angle of its top hold it.
        {"stelo, banco caricato oltre un piano scarico",
         {.H = 9.90715599f, .i = 6.04568481f, .h3 = 1.39178717f, .L2 = 4.04409409f, .gamma = 0,
          .lati = {{0.677239537f, 0, 0}, {4.58494616f, 0, 0}, {0.99159956f, 2.09461951f, 9.13717747f}}},
         Paramento::Parete, 7.13524914f, 1.70632231f, 2.29061007f},
        // Falling ground, a step up and a loaded strip: only the wedges that
        // pass under the step's foot reach the strip, within 1.3° above φ.
        {"tallone, striscia oltre un gradino",
         {.H = 1.63582635f, .h1 = 0.990343511f, .i = 21.0730247f, .h3 = 1.99763918f, .L2 = 1.89909637f,
          .gamma = 0,
          .lati = {{3.55287337f, -0.0332633704f, 0}, {2.5947845f, -1.59201097f, 0}, {0, 0.449292094f, 0},
                   {0.194535837f, 0.112446293f, 220.046494f}}},
         Paramento::Fondazione, 36.3347321f, 21.4437332f, 0},
    };
    for (const CasoTabella& c : casi) ConfrontaConLaForzaBruta(c);
}

// A smooth peak between an angle of the first scan and the fine scan's next
// one: the fine scan's angles, decremented in single precision, lie a few
// 1e-5° from the first scan's, and which of two such twins is the larger is
// rounding; the stretch on the far side of the twin must still be searched.
TEST(SpintaMassimaRevisione, PeakNextToTwinAnglesOfTheTwoScans) {
    const CasoTabella casi[] = {
        {"tallone, NTC sismica",
         {.H = 2.05048299f, .i = 0, .h3 = 0.523076892f, .L2 = 4.78338242f, .gamma = 21.7765579f,
          .lati = {{5.37046766f, -2.11206579f, 0}, {4.18295574f, 2.37021279f, 350.1651f},
                   {0.34248817f, -0.0128346942f, 0}, {1.31719184f, 0.155086741f, 46.1571503f},
                   {4.80244446f, -6.22496223f, 0}}},
         Paramento::Fondazione, 34.4914513f, 22.9943008f, 2.75169754f, 0.999596596f},
        {"stelo, NTC sismica",
         {.H = 1.17734599f, .i = 14.5352554f, .h3 = 1.40634441f, .L2 = 6.13474226f, .gamma = 20.7475433f,
          .lati = {{5.2651248f, 6.03384829f, 0}, {0.882730603f, 0.325980484f, 10.3283634f}, {0, -0.132461831f, 0},
                   {1.50798941f, -1.86620617f, 12.8463774f}, {3.22304034f, 0, 0}, {0, 3.25783992f, 147.019699f},
                   {0.108458944f, 0.018693734f, 0}}},
         Paramento::Parete, 29.2744923f, 19.5163288f, 19.2908401f, 0.94529891f},
        {"stelo senza peso, statica",
         {.H = 2.49843383f, .h1 = 0.302750856f, .i = 17.9600163f, .h3 = 0.980971217f, .L2 = 1.37892067f,
          .gamma = 0,
          .lati = {{3.81451392f, 0.786199033f, 0}, {0.0549255386f, 0.00895104744f, 0},
                   {0.805215836f, -0.059729252f, 24.4693146f}}},
         Paramento::Parete, 41.5836601f, 41.1484566f, 0},
    };
    for (const CasoTabella& c : casi) ConfrontaConLaForzaBruta(c);
}

// A last side a hair flatter than φ − ψ: the thrust has a maximum, but the
// wedges grow fast as the failure line turns toward the side's slope, and
// the peak just above φ − ψ is far from a parabola through the fine scan's
// angles around it.
TEST(SpintaMassimaRevisione, LastSideJustFlatterThanTheDesignAngleLessTheSeismicOne) {
    const DatiMuro d{.H = 11.0050907f, .i = 15.6366978f, .h3 = 1.70015323f, .L2 = 0.964428246f,
                     .gamma = 20.1049747f, .lati = {{1.03940499f, 0.65737319f, 22.1562653f}}};
    // The side rises at 32.3114°; NTC 2008 seismic, ψ = 5.4936°.
    const CasoTabella casi[] = {
        {"stelo, 0.001° sotto", d, Paramento::Parete, 37.805954f, 25.20397f, 5.49358845f, 1.00263703f},
        {"tallone, 0.001° sotto", d, Paramento::Fondazione, 37.805954f, 25.20397f, 5.49358845f, 1.00263703f},
        {"stelo, 0.03° sotto", d, Paramento::Parete, 37.835954f, 25.20397f, 5.49358845f, 1.00263703f},
        {"tallone, 0.03° sotto", d, Paramento::Fondazione, 37.835954f, 25.20397f, 5.49358845f, 1.00263703f},
    };
    for (const CasoTabella& c : casi) ConfrontaConLaForzaBruta(c);
}

TEST(SpintaMassimaRevisione, ASecondPopulationAgreesWithASecondBruteForce) {
    std::mt19937 g(71117);
    int casi = 0, sotto = 0, sopra = 0, rifiutiErrati = 0, accettatiErrati = 0, altri = 0, illimitate = 0,
        alMargine = 0, nelCalcestruzzo = 0;
    double peggiore = 0;
    std::string primi;
    int mostrati = 0;
    for (int k = 0; k < 1000; ++k) {
        const Caso c = Estrae(g);
        for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
            VariabiliPubbliche v = test::CostruisceMuro(c.d);
            if (NelCalcestruzzo(v)) {
                ++nelCalcestruzzo;
                continue;
            }
            v.GammaCuneo = static_cast<float>(c.gGS);
            v.GammaSovraccarico = static_cast<float>(c.gQ);
            const float eps = quale == Paramento::Parete ? static_cast<float>(Deg(std::atan(c.d.i / 100.0))) : 0.0f;
            const float phi = static_cast<float>(c.phi), delta = static_cast<float>(c.delta),
                        psi = static_cast<float>(c.psi), f = static_cast<float>(c.f);
            if (delta + eps + psi >= 90) continue;
            const Terreno t(v, quale);
            if (std::fabs(t.Beta() - (phi - psi)) < 1e-3) {
                ++alMargine;
                continue;
            }
            const bool senza = t.Illimitata(phi, delta, eps, psi, f);
            illimitate += senza;
            ++casi;
            std::ostringstream o;
            o.precision(9);
            float Pq = 0;
            try {
                const float P = SpintaMassima(v, phi, delta, eps, psi, f, quale, Pq);
                if (senza) {
                    ++accettatiErrati;
                    o << "computed " << P << " though unbounded (beta " << t.Beta() << ")";
                } else {
                    // Below the largest wedge up to 88°, the steepest angle of the
                    // first scan, by no more than 1e-4; above none up to 90°, the
                    // steepest the refinement may reach.
                    double th = 0, th90 = 0;
                    const double b = t.Massimo(phi, delta, eps, psi, f, 88, th);
                    const double b90 = t.Massimo(phi, delta, eps, psi, f, 90, th90);
                    if (P < b * (1 - 1e-4) - 1e-6) {
                        ++sotto;
                        peggiore = std::max(peggiore, (b - P) / b);
                        o << "P " << P << " below " << b << " at " << th << "° by " << 100 * (b - P) / b << " %";
                    } else if (P > b90 * (1 + 1e-4) + 1e-6) {
                        ++sopra;
                        o << "P " << P << " above " << b90 << " at " << th90 << "°";
                    }
                }
            } catch (const ErroreProfiloTroppoRipido&) {
                if (!senza) {
                    double th = 0;
                    ++rifiutiErrati;
                    o << "refused, brute force " << t.Massimo(phi, delta, eps, psi, f, 88, th) << " at " << th
                      << "° (beta " << t.Beta() << ")";
                }
            } catch (const std::exception& e) {
                ++altri;
                o << "error " << e.what();
            }
            if (!o.str().empty() && mostrati++ < 15) primi += "\n  " + Descrivi(c, quale) + ":\n    " + o.str();
        }
    }
    EXPECT_EQ(sotto + sopra + rifiutiErrati + accettatiErrati + altri, 0)
        << casi << " searches (" << nelCalcestruzzo << " grounds through the footing left out, " << illimitate << " unbounded, " << alMargine << " on the edge): " << sotto
        << " below (worst " << 100 * peggiore << " %), " << sopra << " above, " << rifiutiErrati
        << " refused with a maximum, " << accettatiErrati << " computed without one, " << altri
        << " other errors:" << primi;
}

}  // namespace
}  // namespace tavo


namespace tavo {
namespace {

// A berm of soil on top of a battered stem, then a vertical step down to the
// face: where the step ends a centimetre below the face rather than a
// centimetre above it, the soil of the berm still stands on the face and
// pushes; the thrust must not drop by the berm's share.
TEST(SpintaMassimaRevisione, ABermOnABatteredFaceCountsWhereverTheStepBelowItEnds) {
    for (float sotto : {-0.01f, 0.01f}) {
        DatiMuro d;
        d.H = 6;
        d.i = 20;  // the seat 1.2 m toward the toe; the face at x = −0.7 stands at y = 3.5
        d.lati = {{0.5f, 0, 20}, {0, -2.5f + sotto, 0}, {8, 1.5f, 10}, {20, 0, 0}};
        VariabiliPubbliche v = test::CostruisceMuro(d);
        const float eps = static_cast<float>(Deg(std::atan(0.2)));
        Terreno tutto(v, Paramento::Parete);
        double th = 0;
        const double b = tutto.Massimo(30, 20, eps, 0, 1, 88, th);
        float Pq = 0;
        const float P = SpintaMassima(v, 30, 20, eps, 0, 1, Paramento::Parete, Pq);
        EXPECT_NEAR(P, b, 1e-4 * b) << "step ending " << sotto << " m from the face: brute force at " << th << "°";
    }
}

}  // namespace
}  // namespace tavo
