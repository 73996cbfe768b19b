// Design of the tension steel: bracket the area by geometric steps, then
// close on the area whose steel stress is the admissible one with the
// Illinois variant of the regula falsi.

#include "analysis/SezioneCaRettangolare.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <cmath>
#include <limits>
#include <string>

namespace tavo {
namespace {

// The search works on |M|; the caller's moment is put back on every exit.
class MomentoRipristinato {
public:
    explicit MomentoRipristinato(double& M) : M_(M), originale_(M) {}
    ~MomentoRipristinato() { M_ = originale_; }
    MomentoRipristinato(const MomentoRipristinato&) = delete;
    MomentoRipristinato& operator=(const MomentoRipristinato&) = delete;

private:
    double& M_;
    double originale_;
};

constexpr int kTentativiLimite = 10;

}  // namespace

double SezioneCaRettangolare::FunzDaAzzerare(double x) {
    Ast = x;
    Verifica();
    return SigmaS - SigmaSadm;
}

void SezioneCaRettangolare::Progetto() {
    if (!(SigmaSadm > 0.0))
        throw ErroreCalcolo("Errore in Progetto: tensione ammissibile dell'acciaio non positiva");
    if (!(H > h1))
        throw ErroreCalcolo("Errore in Progetto: altezza della sezione non maggiore del copriferro");

    SigmaCadm = SigmaSadm / 30.0;
    TrazioneNonEquilibrata = false;
    MomentoRipristinato ripristino(M);
    const double segno = M >= 0.0 ? 1.0 : -1.0;
    M = std::fabs(M);

    // In tension, the compressed concrete and the tension steel can balance
    // the resultant only when it lies beyond that steel (M + N (d - H/2) > 0,
    // the term of the neutral-axis cubic). Otherwise, without compression
    // steel, no area is in equilibrium: every trial would meet the complex
    // roots of the cubic and the search would end on an area that fails its
    // own check. A centred tension (no moment at all) is one of them: the
    // tension steel alone lies off its line of action.
    if (n < 0.0 && A1st == 0.0 && M + n * (H - h1 - H / 2.0) <= 0.0) {
        TrazioneNonEquilibrata = true;
        Ast = 0.0;
        TauC = TauCCalcola();
        return;
    }

    // The resultant within 0.495 H of mid-depth: the concrete alone may do.
    if (n * 0.99 * H / 2.0 > M) {
        Ast = 0.0;
        Verifica();
        if (SigmaC < SigmaCadm) {
            SigmaS = 0.0;
            return;
        }
    }

    double AsSup = M / 0.9 / (H - h1) / SigmaSadm;
    double FSup = 0.0;
    for (int i = 1;; ++i) {
        FSup = FunzDaAzzerare(AsSup);
        if (FSup < 0.0) break;
        AsSup *= 1.2;
        if (i + 1 > kTentativiLimite) {
            messaggi().mostra("Superati " + std::to_string(i + 1) +
                                  " giri nella ricerca di armatura sovrabbondante",
                              Icona::Nessuna);
            return;
        }
    }

    // Steel that is not in tension even at the upper area (no moment, or a
    // compressed section): no tension steel is needed at all.
    if (SigmaS <= 0.0) {
        Ast = 0.0;
        Verifica();
        return;
    }

    double AsInf = AsSup * SigmaS / SigmaSadm / 2.0;
    double FInf = 0.0;
    for (int j = 1;; ++j) {
        FInf = FunzDaAzzerare(AsInf);
        if (FInf > 0.0) break;
        AsInf /= 2.0;
        if (j + 1 > kTentativiLimite) {
            messaggi().mostra("Superati " + std::to_string(j + 1) +
                                  " giri nella ricerca di armatura insufficiente",
                              Icona::Nessuna);
            return;
        }
    }

    double X3 = 0.0;
    double Y3 = 0.0;
    Illinois(AsSup, FSup, AsInf, FInf, X3, Y3);
    Ast = segno * X3;
}

void SezioneCaRettangolare::Illinois(double& x1, double& y1, double& x2, double& y2, double& X3,
                                     double& Y3) {
    const double tolleranza = SigmaSadm / 10000.0;
    int limite = kTentativiLimite;
    for (int k = 1;; ++k) {
        X3 = x2 - y2 * (x2 - x1) / (y2 - y1);
        Y3 = FunzDaAzzerare(X3);
        if (std::fabs(Y3) < tolleranza) {
            ContatoreIllinois = static_cast<std::int16_t>(k);
            return;
        }
        if (y2 * Y3 > 0.0) {
            y1 /= 2.0;  // the end kept is halved
        } else {
            x1 = x2;
            y1 = y2;
        }
        x2 = X3;
        y2 = Y3;
        if (k + 1 <= limite) continue;
        const bool prosegue = messaggi().chiedi("ERRORE! Il procedimento non converge!\rSuperate  " +
                                                    std::to_string(k + 1) + " iterazioni.\rProseguire ?",
                                                Icona::Nessuna);
        if (!prosegue) {
            messaggi().mostra("ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!", Icona::Nessuna);
            return;
        }
        // The counters are 16-bit, as the iteration count the section keeps.
        if (limite + kTentativiLimite > std::numeric_limits<std::int16_t>::max())
            throw ErroreCalcolo("Errore in Illinois: overflow");
        limite += kTentativiLimite;
    }
}

}  // namespace tavo
