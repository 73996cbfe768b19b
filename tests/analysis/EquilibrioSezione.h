#pragma once
// Independent solution of the cracked rectangular section, straight from
// equilibrium: plane sections, concrete without tension, elastic steel.
// Depth t is measured from the edge that the moment compresses; the stress
// (compression positive) is sigma(t) = k (x - t). The neutral axis x is
// found by bisection on M * Nint(x) - N * Mint(x) = 0, where Nint and Mint
// are the force and the moment about mid-depth of the stress field per unit
// k, integrated over the concrete block and the two steel layers; the root
// kept is the one with k > 0 (the compressed edge really compressed).

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace tavo::test {

struct SezioneFisica {
    double b, H, h1;
    double AsTesa;       // steel at the tension face, depth H - h1
    double AsCompressa;  // steel at the compressed face, depth h1
    double n;            // modular ratio
    double M;            // N mm, either sign: it only picks the compressed edge
    double N;            // N, compression positive
};

struct StatoFisico {
    double asse;    // neutral-axis depth from the compressed edge, outside [0, H] too
    double sigmaC;  // concrete stress at the compressed edge, 0 when it is in tension
    double sigmaS;  // stress of the tension-face steel, tension positive
};

inline std::optional<StatoFisico> risolviEquilibrio(const SezioneFisica& s) {
    const double Mc = std::fabs(s.M);
    const double d = s.H - s.h1;
    // A centred compression stresses the whole section alike: the neutral
    // axis is at infinity, beyond any scan.
    if (Mc == 0.0 && s.N > 0.0) {
        const double sigma = s.N / (s.b * s.H + s.n * (s.AsTesa + s.AsCompressa));
        return StatoFisico{std::numeric_limits<double>::infinity(), sigma, -s.n * sigma};
    }
    auto interni = [&](double x, double& Nint, double& Mint) {
        Nint = 0.0;
        Mint = 0.0;
        if (x > 0.0) {
            const double T = std::min(x, s.H);
            // integral over [0, T] of (x - t) and of (x - t)(H/2 - t), times b
            auto primitivaM = [&](double t) {
                return x * s.H / 2.0 * t - (x + s.H / 2.0) * t * t / 2.0 + t * t * t / 3.0;
            };
            Nint += s.b * (x * T - T * T / 2.0);
            Mint += s.b * (primitivaM(T) - primitivaM(0.0));
        }
        for (auto [A, t] : {std::pair{s.AsCompressa, s.h1}, std::pair{s.AsTesa, d}}) {
            Nint += s.n * A * (x - t);
            Mint += s.n * A * (x - t) * (s.H / 2.0 - t);
        }
    };
    auto residuo = [&](double x) {
        double Nint, Mint;
        interni(x, Nint, Mint);
        return Mc * Nint - s.N * Mint;
    };
    auto coefficiente = [&](double x) {
        double Nint, Mint;
        interni(x, Nint, Mint);
        return Mint != 0.0 ? Mc / Mint : s.N / Nint;
    };

    // A fine scan within 200 H of the section, then geometric steps out to
    // 1e12 H on either side: a resultant a hair's breadth from mid-depth
    // puts the neutral axis of a fully compressed section that far away.
    std::vector<double> punti;
    const double da = -200.0 * s.H, a = 200.0 * s.H;
    const int passi = 40000;
    for (double x = -1e12 * s.H; x < da; x /= 1.01) punti.push_back(x);
    for (int i = 0; i <= passi; ++i) punti.push_back(da + (a - da) * i / passi);
    for (double x = a * 1.01; x < 1e12 * s.H; x *= 1.01) punti.push_back(x);
    double xPrec = punti.front(), rPrec = residuo(xPrec);
    for (std::size_t i = 1; i < punti.size(); ++i) {
        const double x = punti[i];
        const double r = residuo(x);
        if ((r > 0.0) != (rPrec > 0.0)) {
            double lo = xPrec, hi = x;
            const bool positivoLo = rPrec > 0.0;
            for (int k = 0; k < 200; ++k) {
                const double m = (lo + hi) / 2.0;
                ((residuo(m) > 0.0) == positivoLo ? lo : hi) = m;
            }
            const double radice = (lo + hi) / 2.0;
            const double k = coefficiente(radice);
            if (k > 0.0) return StatoFisico{radice, std::max(0.0, k * radice), s.n * k * (d - radice)};
        }
        xPrec = x;
        rPrec = r;
    }
    return std::nullopt;
}

}  // namespace tavo::test
