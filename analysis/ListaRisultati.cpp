#include "analysis/ListaRisultati.h"

namespace tavo {
namespace {

void Predefinito(float& valore, float predefinito) {
    if (!(valore > 0)) valore = predefinito;
}

}  // namespace

void DefaultMateriali(VariabiliPubbliche& v) {
    Predefinito(v.DistanzaSezioni, 1);
    Predefinito(v.Copriferro, 3);
    if (v.Normativa != NormativaNTC2008) Predefinito(v.SigmaAcciaioAmm, 255);
    else Predefinito(v.fyd, 391);
    Predefinito(v.CoeffOmogeneizzazione, 15);
}

}  // namespace tavo
