#include "analysis/AzioniFondazione.h"

#include "analysis/CoefficientiParziali.h"
#include "analysis/SpintaTerre.h"

namespace tavo {

PesiMuro CalcolaPesiMuro(VariabiliPubbliche& v) {
    v.PolParete.CaratteristicheStatiche();
    v.PolFondazione.CaratteristicheStatiche();
    const double gm = v.PesoSpecificoTavo;
    return {gm * v.PolParete.Area,     v.PolParete.xG,     v.PolParete.yG,
            gm * v.PolFondazione.Area, v.PolFondazione.xG, v.PolFondazione.yG};
}

float SpinteStaticheFondazione(VariabiliPubbliche& v, float& St, float& Sq) {
    const float P0 =
        SpintaMassima(v, v.PhiProgetto, v.AngoloAttritoTerraTavo, 0, 0, 1, Paramento::Fondazione, Sq);
    St = P0 - Sq;
    return P0;
}

float IncrementoSismicoFondazione(VariabiliPubbliche& v, const NTC& sisma, float psi, float P0) {
    const float P1 = SpintaMassimaSismica(v, v.PhiProgetto, v.AngoloAttritoTerraTavo, 0, psi,
                                          PesoConKv(v, sisma, 1, psi), Paramento::Fondazione, P0);
    return P1 - P0;
}

}  // namespace tavo
