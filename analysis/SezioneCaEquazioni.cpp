// Polynomial solvers of the neutral-axis equation. A division by zero or an
// overflow is tested for before it happens: the equation then shifts down
// one degree, or the root is replaced by a text saying why there is none.

#include "analysis/SezioneCaRettangolare.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tavo {
namespace {

bool finiti(std::initializer_list<double> valori) {
    return std::all_of(valori.begin(), valori.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

std::string SezioneCaRettangolare::messaggio_di_errore(Guasto guasto) {
    switch (guasto) {
        case Guasto::Overflow: return "Errore 6 Overflow";
        case Guasto::DivisionePerZero: return "Errore 11 Divisione per zero";
    }
    throw std::invalid_argument("messaggio_di_errore: guasto sconosciuto");
}

double SezioneCaRettangolare::RadCubica(double x) {
    return x < 0.0 ? -std::pow(-x, 1.0 / 3.0) : std::pow(x, 1.0 / 3.0);
}

double SezioneCaRettangolare::ArcCos(double x) {
    const double pi = 4.0 * std::atan(1.0);
    // At the ends the arc tangent form divides by zero: give its limits.
    if (x == 1.0) return 0.0;
    if (x == -1.0) return pi;
    if (!(std::fabs(x) < 1.0)) throw ErroreCalcolo("Errore in ArcCos: argomento fuori da [-1, 1]");
    return std::atan(-x / std::sqrt(1.0 - x * x)) + pi / 2.0;
}

RadiceEquazione SezioneCaRettangolare::sol_eq1(double a, double b) {
    if (a == 0.0) return messaggio_di_errore(b == 0.0 ? Guasto::Overflow : Guasto::DivisionePerZero);
    const double x = -b / a;
    if (!std::isfinite(x)) return messaggio_di_errore(Guasto::Overflow);
    return x;
}

RadiceEquazione SezioneCaRettangolare::sol_eq2(double a, double b, double c, std::int16_t Indice) {
    auto scendeDiGrado = [&]() -> RadiceEquazione {
        if (Indice == 1) return sol_eq1(b, c);
        return std::string("eq. di 1° grado");
    };
    if (a == 0.0) return scendeDiGrado();
    const double delta = b * b - 4.0 * a * c;
    if (!std::isfinite(delta)) return scendeDiGrado();
    if (delta < 0.0) return std::string("radice immaginaria");
    const double x = Indice == 1 ? (-b + std::sqrt(delta)) / 2.0 / a : (-b - std::sqrt(delta)) / 2.0 / a;
    if (!std::isfinite(x)) return scendeDiGrado();
    return x;
}

RadiceEquazione SezioneCaRettangolare::sol_eq3(double a, double b, double c, double d,
                                               std::int16_t Indice, double& immaginaria) {
    if (Indice < 1 || Indice > 6) throw std::invalid_argument("sol_eq3: Indice fuori da 1..6");
    immaginaria = 0.0;
    const double pi = 4.0 * std::atan(1.0);

    // A zero or vanishing leading coefficient: the finite roots are those of
    // the quadratic of the lower coefficients.
    auto scendeDiGrado = [&](Guasto guasto) -> RadiceEquazione {
        if (Indice == 1 || Indice == 2) return sol_eq2(b, c, d, Indice);
        if (Indice == 3) return std::string("eq. di 2° grado");
        return messaggio_di_errore(guasto);
    };
    if (a == 0.0) return scendeDiGrado(Guasto::DivisionePerZero);

    const double p = (c - b * b / (3.0 * a)) / a;
    const double q = (2.0 * b * b * b / (27.0 * a * a) - b * c / (3.0 * a) + d) / a;
    double delta = p * p * p / 27.0 + q * q / 4.0;
    if (!finiti({p, q, delta})) return scendeDiGrado(Guasto::Overflow);
    if (Indice == 4) return p;
    if (Indice == 5) return q;
    if (Indice == 6) return delta;

    if (std::fabs(delta) < std::fabs(q) / 1000000.0) delta = 0.0;

    double y = 0.0;
    if (delta < 0.0) {
        // Three real roots. The cosine's argument lies inside (-1, 1) in
        // exact arithmetic; only rounding can push it out.
        const double r = std::sqrt(-p / 3.0);
        const double argomento = std::clamp(-q / 2.0 * std::sqrt(-27.0 / (p * p * p)), -1.0, 1.0);
        const double phi = ArcCos(argomento);
        if (Indice == 1) y = 2.0 * r * std::cos(phi / 3.0);
        else if (Indice == 2) y = 2.0 * r * std::cos((phi + 2.0 * pi) / 3.0);
        else y = 2.0 * r * std::cos((phi - 2.0 * pi) / 3.0);
    } else {
        const double u = RadCubica(-q / 2.0 + std::sqrt(delta));
        const double v = RadCubica(-q / 2.0 - std::sqrt(delta));
        if (Indice == 1) {
            y = u + v;
        } else if (delta > 0.0) {
            messaggi().mostra(" " + std::to_string(Indice) + "a radice complessa", Icona::Nessuna);
            y = -(u + v) / 2.0;
            immaginaria = std::sqrt(3.0) * (u - v) / 2.0;
            if (Indice == 3) immaginaria = -immaginaria;
        } else {
            // The double root; with p = 0 the root is triple, and -(u + v)/2
            // is the same root without dividing by p.
            y = -3.0 * q / (2.0 * p);
            if (p == 0.0 || !std::isfinite(y)) y = -(u + v) / 2.0;
        }
    }
    const double x = y - b / (3.0 * a);
    if (!std::isfinite(x)) return scendeDiGrado(Guasto::Overflow);
    return x;
}

}  // namespace tavo
