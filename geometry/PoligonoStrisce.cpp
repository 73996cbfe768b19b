// Discretisation of a section into horizontal strips of rectangles, and the
// area and moments of one strip up to a neutral axis.
#include "geometry/Matematica.h"
#include "geometry/PiGreco.h"
#include "geometry/Poligono.h"
#include "ports/ErroreCalcolo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tavo {
namespace {

// nRettangolini_ is a 16-bit count, so no more strips than it can hold.
void verificaNumeroStrisce(int nMax, const char* dove) {
    if (nMax < 1 || nMax > std::numeric_limits<std::int16_t>::max())
        throw std::out_of_range(std::string(dove) + ": nMaxRettangolini_=" +
                                std::to_string(nMax) + " fuori da 1..32767");
}

// The strip's top level y + height, clipped at yNeut, and the mid-level YGI.
void livelloStriscia(double& y, double yNeut, double yP, double& YGI,
                     const Poligono::Striscia& s) {
    y = y + static_cast<double>(s.altezza);
    if (y > yNeut) y = yNeut;
    YGI = (yP + y) / 2.0;
}

}  // namespace

void Poligono::DiscretizzaPoligono(int nMaxRettangolini_, double& hTotale_, double& bTotale,
                                   double& ySezMax_, bool UsaFormuleSezioneRettangolare) {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0;
    MaxMin(xMin, xMax, yMin, ySezMax_);
    hTotale_ = ySezMax_ - yMin;
    bTotale = xMax - xMin;
    if (UsaFormuleSezioneRettangolare) return;
    verificaNumeroStrisce(nMaxRettangolini_, "DiscretizzaPoligono");

    const int nMax = nMaxRettangolini_;
    const double hs = hTotale_ / nMax;
    // Filled aside, so that a strip that does not fit leaves the old ones.
    std::vector<Striscia> strisce(static_cast<std::size_t>(nMax));
    std::vector<double> ascisse;
    double livello = ySezMax_ - hs / 2.0;
    for (int k = 1; k <= nMax; ++k, livello -= hs) {
        Striscia& s = strisce[static_cast<std::size_t>(k - 1)];
        s.altezza = static_cast<float>(hs);
        s.livello = static_cast<float>(livello);
        // Crossings counted half-open: a mid-line through a vertex meets the
        // outline there once where it passes through, so the pairs stay
        // (entry, exit) and each pair bounds solid section.
        ascisse.clear();
        IntersezioniConOrizzontale(x_, y_, nVertici_, livello, ascisse);
        const int m = static_cast<int>(ascisse.size());
        OrdinaArray(ascisse, m);
        if (m / 2 > MaxRettangoliniStriscia)
            throw ErroreCalcolo("DiscretizzaPoligono: più di " +
                                std::to_string(MaxRettangoliniStriscia) +
                                " rettangoli nella striscia " + std::to_string(k));
        for (int j = 1; j <= m / 2; ++j) {
            const double xa = ascisse[2 * j - 2], xb = ascisse[2 * j - 1];
            s.larghezza[j - 1] = static_cast<float>(std::abs(xb - xa));
            s.centro[j - 1] = static_cast<float>((xa + xb) / 2.0);
            s.nRettangoli += 1;
        }
    }
    strisce_ = std::move(strisce);
    nRettangolini_ = static_cast<std::int16_t>(nMax);
}

void Poligono::DiscretizzaCerchio(int nMaxRettangolini_, double Raggio) {
    verificaNumeroStrisce(nMaxRettangolini_, "DiscretizzaCerchio");
    const int nMax = nMaxRettangolini_;
    const double R = Raggio;
    const float dTeta = static_cast<float>(PiGreco / nMax);
    std::vector<Striscia> strisce(static_cast<std::size_t>(nMax));
    double teta = PiGreco / 2.0 - dTeta;
    double c = R * std::cos(teta), s = R * std::sin(teta);
    strisce[0].larghezza[0] = static_cast<float>(c);
    strisce[0].altezza = static_cast<float>(R - s);
    strisce[0].livello = static_cast<float>(R - (R - s) / 2.0);
    strisce[0].nRettangoli = 1;
    for (int k = 2; k <= nMax; ++k) {
        teta -= dTeta;
        const double cPrec = c, sPrec = s;
        c = R * std::cos(teta);
        s = R * std::sin(teta);
        Striscia& st = strisce[static_cast<std::size_t>(k - 1)];
        st.larghezza[0] = static_cast<float>(cPrec + c);  // the mean chord
        st.altezza = static_cast<float>(sPrec - s);
        st.livello = static_cast<float>((sPrec + s) / 2.0);
        st.nRettangoli = 1;
    }
    // The circle owns its strips: a later reader never runs past them.
    strisce_ = std::move(strisce);
    nRettangolini_ = static_cast<std::int16_t>(nMax);
}

const Poligono::Striscia& Poligono::striscia(int i, const char* dove) const {
    const int n = std::min<int>(nRettangolini_, static_cast<int>(strisce_.size()));
    if (i < 1 || i > n)
        throw std::out_of_range(std::string(dove) + ": striscia " + std::to_string(i) +
                                " fuori da 1.." + std::to_string(n));
    return strisce_[static_cast<std::size_t>(i - 1)];
}

double Poligono::RettangolinoArea(double& y, double yNeut, double yP, double& YGI, int i) const {
    const Striscia& s = striscia(i, "Poligono.RettangolinoArea");
    livelloStriscia(y, yNeut, yP, YGI, s);
    double area = 0.0;
    for (int j = 0; j < s.nRettangoli; ++j) area += static_cast<double>(s.larghezza[j]) * (y - yP);
    return area;
}

void Poligono::RettangolinoMomenti(double& y, double yNeut, double yP, double& YGI, int i,
                                   double& Mx, double& My, double xPtoCalcM,
                                   double yPtoCalcM) const {
    const Striscia& s = striscia(i, "Poligono.RettangolinoMomenti");
    livelloStriscia(y, yNeut, yP, YGI, s);
    Mx = 0.0;
    My = 0.0;
    for (int j = 0; j < s.nRettangoli; ++j) {
        const double Aj = (y - yP) * static_cast<double>(s.larghezza[j]);
        Mx += Aj * (static_cast<double>(s.livello) - yPtoCalcM);
        My += Aj * (static_cast<double>(s.centro[j]) - xPtoCalcM);
    }
}

}  // namespace tavo
