// Check of the cracked rectangular section: the neutral axis from the
// equilibrium cubic, then the stresses from the reacting ideal section.

#include "analysis/SezioneCaRettangolare.h"
#include "ports/ErroreCalcolo.h"

#include <cmath>

namespace tavo {
namespace {

double quoziente(double numeratore, double denominatore) {
    if (denominatore == 0.0) throw ErroreCalcolo("Errore in Verifica: divisione per zero");
    return numeratore / denominatore;
}

// Absurdly large data overflow; the check stops before anything infinite is stored.
double finito(double v) {
    if (!std::isfinite(v)) throw ErroreCalcolo("Errore in Verifica: overflow");
    return v;
}

}  // namespace

double SezioneCaRettangolare::AsseNeutroCalcola() const {
    const double Mc = std::fabs(M);  // the sign of M only picks the compressed edge
    const double d = H - h1;
    const double c = h1;
    const double A = b * n / 6.0;
    const double B = (Mc - n * H / 2.0) * b / 2.0;
    const double k1 = EsSuEc * Ast * (Mc + n * (d - H / 2.0));
    const double k2 = EsSuEc * A1st * (Mc + n * (c - H / 2.0));
    const double C = k1 + k2;
    const double D = -k1 * d - k2 * c;
    double immaginaria = 0.0;
    if (n >= 0.0) {
        // No root, or one beyond the section: the whole section is compressed.
        const RadiceEquazione radice = sol_eq3(A, B, C, D, 1, immaginaria);
        if (const double* x = std::get_if<double>(&radice); x && *x <= H) return *x;
        return H;
    }
    // Above the section, or no root at all: the whole section is in tension
    // and only the steel reacts.
    const RadiceEquazione radice = sol_eq3(A, B, C, D, 3, immaginaria);
    if (const double* x = std::get_if<double>(&radice); x && *x > 0.0) return *x;
    return 0.0;
}

double SezioneCaRettangolare::yG_VSR() const {
    const double x = AsseNeutro;
    const double d = H - h1;
    return quoziente(b * x * x / 2.0 + EsSuEc * (Ast * d + A1st * h1), Aideale);
}

double SezioneCaRettangolare::JG_VSR() const {
    const double x = AsseNeutro;
    const double d = H - h1;
    const double scarto = yG - x / 2.0;
    return b * x * x * x / 12.0 + b * x * scarto * scarto +
           EsSuEc * (Ast * (d - yG) * (d - yG) + A1st * (h1 - yG) * (h1 - yG));
}

double SezioneCaRettangolare::TauCCalcola() const {
    return finito(quoziente(quoziente(V / 0.9, H - h1), b));
}

void SezioneCaRettangolare::Verifica() {
    const double Mc = std::fabs(M);
    const double d = H - h1;
    AsseNeutro = AsseNeutroCalcola();
    Aideale = finito(b * AsseNeutro + EsSuEc * (Ast + A1st));
    yG = finito(yG_VSR());
    const double inerzia = finito(JG_VSR());
    // The moment carried to the centroid of the ideal section.
    const double MG = finito(Mc - n * (H / 2.0 - yG));
    const double sigmaC = finito(quoziente(n, Aideale) + quoziente(MG * yG, inerzia));
    const double sigmaS = finito(EsSuEc * (quoziente(MG * (d - yG), inerzia) - quoziente(n, Aideale)));
    const double tauC = TauCCalcola();
    JG = inerzia;
    SigmaC = sigmaC < 0.0 ? 0.0 : sigmaC;
    SigmaS = Ast == 0.0 ? 0.0 : sigmaS;
    TauC = tauC;
}

}  // namespace tavo
