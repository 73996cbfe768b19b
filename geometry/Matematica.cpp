#include "geometry/Matematica.h"

#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <cmath>
#include <string>

namespace tavo {

RadiceEquazione RisolveEquazione(const std::function<double(double)>& f, double& x1, double& x2,
                                 double tol) {
    RadiceEquazione r;
    double f1 = f(x1);
    if (std::abs(f1) < tol) {
        r.esito = EsitoEquazione::Trovata;
        r.x = x1;
        return r;
    }
    double f2 = f(x2);
    if (std::abs(f2) < tol) {
        r.esito = EsitoEquazione::Trovata;
        r.x = x2;
        return r;
    }
    if (f1 * f2 > 0.0) {
        messaggi().mostra("ERRORE! La funzione non cambia segno fra x1 e x2", Icona::Critico);
        r.esito = EsitoEquazione::NonCambiaSegno;
        r.x = 0.0;
        return r;
    }
    int limite = 100;
    int conta = 0;
    for (;;) {
        if (f2 - f1 == 0.0) throw ErroreCalcolo("divisione per zero in RisolveEquazione");
        const double x3 = verificaFinito(x2 - f2 * (x2 - x1) / (f2 - f1), "RisolveEquazione");
        const double f3 = f(x3);
        if (std::abs(f3) < tol) {
            r.esito = EsitoEquazione::Trovata;
            r.x = x3;
            return r;
        }
        if (f3 * f2 <= 0.0) {
            x1 = x2;
            f1 = f2;
        } else {
            f1 = f1 / 2.0;
        }
        x2 = x3;
        f2 = f3;
        conta += 1;
        if (conta > limite) {
            // The count is written with one leading blank (the place of its
            // sign), so two blanks follow "Superate".
            const std::string domanda = "ERRORE! Il procedimento non converge!\rSuperate  " +
                                        std::to_string(conta) + " iterazioni.\rProseguire ?";
            if (messaggi().chiedi(domanda, Icona::Nessuna)) {
                limite += 100;
            } else {
                messaggi().mostra("ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!",
                                  Icona::Nessuna);
                r.esito = EsitoEquazione::NonConverge;
                r.x = 0.0;
                return r;
            }
        }
    }
}

}  // namespace tavo
