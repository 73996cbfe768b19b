#include "analysis/DatiArmature.h"

#include "analysis/ListaRisultati.h"
#include "fileio/NumeriRegionali.h"
#include "ports/ErroreCalcolo.h"


namespace tavo {
namespace {

float& TensioneAcciaio(VariabiliPubbliche& v) {
    return v.Normativa == NormativaNTC2008 ? v.fyd : v.SigmaAcciaioAmm;
}

}  // namespace

void LeggeDatiArmature(VariabiliPubbliche& v, const TestiDatiArmature& testi) {
    std::array<float, 4> valori{};
    for (std::size_t i = 0; i < testi.size(); ++i) {
        const auto x = SingoloDigitato(testi[i]);
        if (!x) {
            const bool dm = i == 2 && v.Normativa != NormativaNTC2008;
            throw ErroreCalcolo(
                RifiutoCasella(dm ? EtichettaSigmaAcciaioAmm : EtichetteDatiArmature[i], MotivoNonNumero(testi[i])));
        }
        valori[i] = *x;
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
