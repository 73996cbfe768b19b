#include "analysis/TensioniTerreno.h"

#include "analysis/DivisioneControllata.h"
#include "ports/MessagePort.h"

#include <cmath>

namespace tavo {
namespace {

float Eccentricita(float M, float N) {
    return DivisioneControllata(M, N, "TensioniTerreno: sforzo normale nullo");
}

void TensioniTerrenoDM(float e, float N, float L, float B, float& sV, float& sM, float& b) {
    if (std::fabs(e) <= B / 6) {
        sV = (1 + 6 * e / B) * N / (B * L);
        sM = (1 - 6 * e / B) * N / (B * L);
        b = B;
        return;
    }
    const float u = B / 2 - std::fabs(e);
    b = 3 * u;
    if (e < 0) {
        sV = 0;
        sM = 2 * N / (b * L);
        b = -b;
    } else {
        sV = 2 * N / (b * L);
        sM = 0;
    }
}

}  // namespace

bool RisultanteFuoriBase(float M, float N, float B) {
    if (N == 0) return true;
    const float e = M / N;
    return !(std::fabs(e) < B / 2);
}

bool EquilibrioViolato(const VariabiliPubbliche& v, int k) {
    return RisultanteFuoriBase(v.MPortata(k), v.NPortata(k), v.BaseFondazione);
}

bool DistribuzionePressioni(const VariabiliPubbliche& v, float M, float N, float L, float B,
                            float& sV, float& sM, float& b) {
    const float e = Eccentricita(M, N);
    if (RisultanteFuoriBase(M, N, B)) {
        sV = 0;
        sM = 0;
        b = 0;
        return true;
    }
    if (v.Normativa != NormativaNTC2008)
        TensioniTerrenoDM(e, N, L, B, sV, sM, b);
    else
        TensioniTerrenoNTC(M, N, L, B, sV, sM, b);
    return false;
}

void TensioniTerreno(const VariabiliPubbliche& v, float M, float N, float L, float B, float& sV,
                     float& sM, float& b) {
    if (DistribuzionePressioni(v, M, N, L, B, sV, sM, b)) messaggi().mostra(MessaggioEquilibrioViolato(M, N), Icona::Critico);
}

std::string MessaggioEquilibrioViolato(float M, float N) {
    std::string testo = "Equilibrio violato !!\r\nN esterna in fondazione !!";
    if (M / N > 0) testo += "\r\nAllargare a valle";
    return testo;
}

void TensioniTerrenoNTC(float M, float N, float L, float B, float& sV, float& sM, float& b) {
    const float e = Eccentricita(M, N);
    const float u = B / 2 - std::fabs(e);
    b = 2 * u;
    if (e >= 0) {
        sV = N / (b * L);
        sM = 0;
    } else {
        sM = N / (b * L);
        sV = 0;
        b = -b;
    }
}

}  // namespace tavo
