#pragma once
// Walls whose drawing is hard to lay out, computed: a low stem on a very
// wide footing, a strong seismic action whose wedge reaches far, tall
// surcharges, a long heel, a ground of many sides, an ordinary wall on a
// wide footing; with the two bundled examples, one with a long title.

#include "tests/walldrawing/EsempioCalcolato.h"

#include <string>
#include <utility>
#include <vector>

namespace tavo::test {

struct MuroDaImpaginare {
    std::string nome;
    Progetto p;
};

inline const std::vector<MuroDaImpaginare>& MuriDaImpaginare() {
    static const std::vector<MuroDaImpaginare> muri = [] {
        std::vector<MuroDaImpaginare> m;
        // A bundled example changed by `modifica`, then computed.
        auto variante = [&m](std::string nome, Progetto p, auto modifica) {
            modifica(p);
            m.push_back({std::move(nome), Calcolato(std::move(p))});
        };
        m.push_back({"Spalla", SpallaCalcolata()});
        m.push_back({"Muro", MuroCalcolato()});
        {
            Progetto p = SpallaCalcolata();
            p.v.TitoloTavo =
                "Spalla A - Viadotto sul torrente Savena, km 12+450 - carreggiata sud, "
                "progetto esecutivo, revisione 3 del 12 marzo, tavola delle verifiche";
            m.push_back({"TitoloLungo", p});
        }
        variante("Parete1mSuFondazione20m", Muro(), [](Progetto& p) {
            p.v.AltezzaParete = 1;
            p.v.SpessoreTestaParete = p.v.SpessoreBaseParete = 0.4f;
            p.v.LarghezzaFondazione = 20;
            p.v.SbalzoFondazione = 9;
            p.v.AltezzaFondazione = 0.5f;
        });
        variante("SismaForte", Spalla(), [](Progetto& p) {
            p.ntc.KhNTC = 0.35f;
            p.ntc.KvNTC = 0.175f;
        });
        variante("Sovraccarichi600", Spalla(),
                 [](Progetto& p) { ImpostaProfilo(p.v, {{3, 0, 600}, {12, 0.6f, 600}}); });
        variante("TalloneLungo", Muro(), [](Progetto& p) {
            p.v.LarghezzaFondazione = 12;
            p.v.SbalzoFondazione = 1;
        });
        variante("TerrenoDiMoltiLati", Muro(), [](Progetto& p) {
            ImpostaProfilo(p.v, {{1, 0.3f, 10}, {1.5f, 0.8f, 0}, {1, 0, 20}, {2, 1, 5}, {1, -0.2f, 0},
                                 {1.5f, 0.6f, 15}, {2, 0, 0}, {1, 0.4f, 30}, {3, 0, 10}, {2, 0.5f, 0},
                                 {4, 0, 5}, {6, 0, 0}});
        });
        variante("Muro3mSuFondazione8m", Muro(), [](Progetto& p) {
            p.v.AltezzaParete = 3;
            p.v.LarghezzaFondazione = 8;
            p.v.SbalzoFondazione = 2;
        });
        return m;
    }();
    return muri;
}

}  // namespace tavo::test
