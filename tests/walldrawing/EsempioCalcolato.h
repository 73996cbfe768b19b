#pragma once
// The bundled examples (the abutment under NTC 2008, the wall under DM
// 1996), computed with the default partial coefficients, for the drawing
// tests.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingFinestraPrincipale.h"

#include <stdexcept>

namespace tavo::test {

inline Progetto Calcolato(Progetto p) {
    CoefficientiParzialiDefault(p.v);
    RecordingFinestraPrincipale finestra;
    if (!CalcoloMain(p.v, p.ntc, finestra)) throw std::runtime_error("calcolo non riuscito");
    return p;
}

inline const Progetto& SpallaCalcolata() {
    static const Progetto p = Calcolato(Spalla());
    return p;
}

inline const Progetto& MuroCalcolato() {
    static const Progetto p = Calcolato(Muro());
    return p;
}

}  // namespace tavo::test
