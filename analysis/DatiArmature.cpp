#include "analysis/DatiArmature.h"

#include "analysis/ListaRisultati.h"
#include "fileio/NumeriRegionali.h"
#include "ports/ErroreCalcolo.h"

#include <cmath>
#include <limits>

namespace tavo {
namespace {

float& TensioneAcciaio(VariabiliPubbliche& v) {
    return v.Normativa == NormativaNTC2008 ? v.fyd : v.SigmaAcciaioAmm;
}

}  // namespace

void LeggeDatiArmature(VariabiliPubbliche& v, const TestiDatiArmature& testi) {
    std::array<float, 4> valori{};
    for (std::size_t i = 0; i < testi.size(); ++i) {
        const double x = ValLocale(testi[i]);
        if (std::fabs(x) > std::numeric_limits<float>::max())
            throw ErroreCalcolo("Errore in LeggeDati: valore fuori scala nella casella " + std::to_string(i));
        valori[i] = static_cast<float>(x);
    }
    v.DistanzaSezioni = valori[0];
    v.Copriferro = valori[1];
    TensioneAcciaio(v) = valori[2];
    v.CoeffOmogeneizzazione = valori[3];
    DefaultMateriali(v);
}

TestiDatiArmature ScriveDatiArmature(VariabiliPubbliche& v) {
    DefaultMateriali(v);
    return {TestoRegionale(v.DistanzaSezioni), TestoRegionale(v.Copriferro), TestoRegionale(TensioneAcciaio(v)),
            TestoRegionale(v.CoeffOmogeneizzazione)};
}

}  // namespace tavo
