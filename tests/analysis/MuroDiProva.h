#pragma once
// A small wall for the tests: its inputs in the project state and its
// section geometry built, with every partial factor 1 and a static
// combination, so that a test only sets what it is about.

#include "analysis/GeometriaSezione.h"
#include "analysis/VariabiliPubbliche.h"

#include <vector>

namespace tavo::test {

struct LatoTerreno {
    float dx, dy, q;
};

struct DatiMuro {
    float H = 6;   // stem height
    float h1 = 0;  // backwall height
    float i = 0;   // batter, %
    float h3 = 1;  // footing thickness
    float L2 = 3;  // heel length
    float gamma = 18;
    std::vector<LatoTerreno> lati{{30, 0, 0}};
};

inline VariabiliPubbliche CostruisceMuro(const DatiMuro& d) {
    VariabiliPubbliche v;
    v.AltezzaParaghiaia = d.h1;
    v.SpessoreParaghiaia = 0.3f;
    v.AltezzaParete = d.H;
    v.InclinazioneParete = d.i;
    v.SpessoreTestaParete = 0.6f;
    v.SpessoreBaseParete = 0.6f + d.H * d.i / 100;
    v.AltezzaFondazione = d.h3;
    v.SbalzoFondazione = d.L2;
    v.LarghezzaFondazione = d.L2 + v.SpessoreBaseParete + 1.5f;
    v.PesoSpecificoTerreno = d.gamma;
    v.PesoSpecificoTavo = 25;
    v.nLatiTerreno = static_cast<std::int16_t>(d.lati.size());
    v.dxProfilo.ridimensiona(v.nLatiTerreno);
    v.dyProfilo.ridimensiona(v.nLatiTerreno);
    v.qProfilo.ridimensiona(v.nLatiTerreno);
    for (int j = 1; j <= v.nLatiTerreno; ++j) {
        v.dxProfilo(j) = d.lati[j - 1].dx;
        v.dyProfilo(j) = d.lati[j - 1].dy;
        v.qProfilo(j) = d.lati[j - 1].q;
    }
    v.GammaCuneo = 1;
    v.GammaSovraccarico = 1;
    CalcolaGeometria(v);
    return v;
}

}  // namespace tavo::test
