#include "seismic/InterpolazioneSito.h"

#include <algorithm>

namespace tavo {
namespace {

const std::array<float, NumeroPeriodiTabellati>& Serie(const NodoReticolo& n, int parametro) {
    return parametro == 1 ? n.Ag : parametro == 2 ? n.F0 : n.Tc;
}

}  // namespace

int NumeroNodi(const NodiSito& nodi) {
    int n = 0;
    for (const NodoReticolo& nodo : nodi) n += nodo.ID > 0 ? 1 : 0;
    return n;
}

double DistanzaMinimaNodi(float lon, float lat, const NodiSito& nodi) {
    double d = 1000;
    for (const NodoReticolo& nodo : nodi)
        if (nodo.ID > 0) d = std::min(d, DistanzaNodo(lon, lat, nodo));
    return d;
}

void ValoriNodi(const NodiSito& nodi, int parametro, std::array<double, 4>& p, int periodo) {
    for (std::size_t k = 0; k < nodi.size(); ++k)
        if (nodi[k].ID > 0) p[k] = Serie(nodi[k], parametro)[static_cast<std::size_t>(periodo)];
}

double MediaPesataDistanze(const NodiSito& nodi, const std::array<double, 4>& d,
                           const std::array<double, 4>& p, double sommaInversi) {
    double somma = 0;
    for (std::size_t k = 0; k < nodi.size(); ++k)
        if (nodi[k].ID > 0) somma += p[k] / d[k];
    return somma / sommaInversi;
}

void AzzeraParametriTR(NTC& s) {
    s.AgTR.fill(0);
    s.F0TR.fill(0);
    s.TcTR.fill(0);
}

void InterpolaParametriSito(float lon, float lat, const NodiSito& nodi, NTC& s) {
    const double eps = 0.1 / 10000;
    double sommaInversi = 0;
    std::array<double, 4> d{};
    for (std::size_t k = 0; k < nodi.size(); ++k) {
        if (nodi[k].ID <= 0) continue;
        d[k] = DistanzaNodo(lon, lat, nodi[k]);
        if (d[k] < eps) {
            // The site sits on this node.
            for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
                s.AgTR[i] = nodi[k].Ag[i] / 10;
                s.F0TR[i] = nodi[k].F0[i];
                s.TcTR[i] = nodi[k].Tc[i];
            }
            return;
        }
        sommaInversi += 1 / d[k];
    }
    std::array<double, 4> p{};
    for (int i = 0; i < NumeroPeriodiTabellati; ++i) {
        const auto periodo = static_cast<std::size_t>(i);
        ValoriNodi(nodi, 1, p, i);
        s.AgTR[periodo] = static_cast<float>(MediaPesataDistanze(nodi, d, p, sommaInversi) / 10);
        ValoriNodi(nodi, 2, p, i);
        s.F0TR[periodo] = static_cast<float>(MediaPesataDistanze(nodi, d, p, sommaInversi));
        ValoriNodi(nodi, 3, p, i);
        s.TcTR[periodo] = static_cast<float>(MediaPesataDistanze(nodi, d, p, sommaInversi));
    }
}

}  // namespace tavo
