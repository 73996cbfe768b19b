// Every thrust arrow of the drawing is as long as the force its label
// shows, at the force scale: on walls whose governing stem and overturning
// combinations are 1, 2 or 3 under NTC 2008, and under DM 1996. The
// shafts are read back from the CAD program's entities (world units).

#include "walldrawing/DisegnoTavo.h"

#include "drawing/Cad.h"
#include "fileio/NumeriRegionali.h"
#include "tests/support/RecordingCad.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/walldrawing/EsempioCalcolato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tavo {
namespace {

using test::EntitaRegistrata;
using test::Progetto;

struct CasoMuro {
    const char* nome;
    std::function<void(Progetto&)> modifica;  // before the calculation
};

Progetto Calcolato(const CasoMuro& c) {
    Progetto p = c.nome[0] == 'D' ? test::Muro() : test::Spalla();
    c.modifica(p);
    return test::Calcolato(p);
}

// The force scale as the drawing computes it (hand calculation of its
// extent: the wall, and the top of the wedge drawn behind the heel, the
// governing overturning combination's).
double Scala(const Progetto& p, Grafica& g) {
    double xMin, xMax, yMin, yMax;
    p.v.PolTavo.MaxMin(xMin, xMax, yMin, yMax);
    const Poligono& c = p.v.CuneiRibaltamento(p.v.CombGravosaRibaltamento).cuneo;
    yMax = std::max(yMax, c.y(c.nVertici()));
    return *DisegnoTavo(g, p.v, p.ntc).ScalaForze(yMin, yMax);
}

class FrecceInScala : public ::testing::TestWithParam<CasoMuro> {};

TEST_P(FrecceInScala, LunghezzaPerScalaUgualeAllEtichetta) {
    const Progetto p = Calcolato(GetParam());
    const VariabiliPubbliche& v = p.v;
    const int w = v.CombGravosaParete, r = v.CombGravosaRibaltamento;
    // The forces that the thrust arrows show (exact values).
    std::vector<double> forze;
    if (v.Normativa == NormativaDM1996)
        forze = {v.StParete(w), v.SsParete(w), v.SqParete(w), v.StRibaltamento(r),
                 v.SsRibaltamento(r), v.SqRibaltamento(r)};
    else
        forze = {v.StParete(w) + v.SsParete(w), v.SqParete(w),
                 v.StRibaltamento(r) + v.SsRibaltamento(r), v.SqRibaltamento(r)};

    test::RecordingMessagePort messaggi;
    test::ConnettoreRegistrato connettore;
    Grafica g;
    g.Connettore = &connettore;
    ASSERT_TRUE(AvviaCad(g));
    const double scala = Scala(p, g);
    DisegnoTavo d(g, v, p.ntc);
    d.PlottaTavo(UscitaGrafica::DWG);
    std::vector<EntitaRegistrata> e;
    for (const auto& x : connettore.app->documento->modello->entita) e.push_back(*x);

    std::size_t trovate = 0;
    for (const double f : forze) {
        if (std::abs(f) <= 1e-3) continue;  // labelled 0: no arrow
        const std::string etichetta = FormattaValore(f);
        const auto t = std::find_if(e.begin() + 2, e.end(), [&](const auto& x) {
            return x.tipo == "TEXT" && x.testo == etichetta;
        });
        ASSERT_NE(t, e.end()) << etichetta;
        // Shaft, head, label.
        const EntitaRegistrata& fusto = *(t - 2);
        ASSERT_EQ(fusto.tipo, "LWPOLYLINE");
        const double lunghezza = std::hypot(fusto.coordinate[2] - fusto.coordinate[0],
                                            fusto.coordinate[3] - fusto.coordinate[1]);
        EXPECT_NEAR(lunghezza * scala, std::abs(f), 1e-4 * std::abs(f)) << etichetta;
        ++trovate;
    }
    EXPECT_GE(trovate, 3u);
}

// Which combinations govern the cases below, so that they cover 1, 2 and 3.
TEST(FrecceInScala, ICasiCopronoOgniCombinazioneGovernante) {
    std::set<int> parete, ribaltamento;
    for (const auto& c : {CasoMuro{"NTC", [](Progetto&) {}},
                          CasoMuro{"NTCSenzaSisma", [](Progetto& p) { p.ntc.KhNTC = p.ntc.KvNTC = 0; }},
                          CasoMuro{"NTCKvNegativo", [](Progetto& p) { p.ntc.KvNTC = -p.ntc.KvNTC; }}}) {
        const Progetto p = Calcolato(c);
        parete.insert(p.v.CombGravosaParete);
        ribaltamento.insert(p.v.CombGravosaRibaltamento);
    }
    std::set<int> tutte = parete;
    tutte.insert(ribaltamento.begin(), ribaltamento.end());
    EXPECT_EQ(tutte, (std::set<int>{1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(
    Muri, FrecceInScala,
    ::testing::Values(
        CasoMuro{"NTC", [](Progetto&) {}},
        CasoMuro{"NTCSenzaSisma", [](Progetto& p) { p.ntc.KhNTC = p.ntc.KvNTC = 0; }},
        CasoMuro{"NTCKvNegativo", [](Progetto& p) { p.ntc.KvNTC = -p.ntc.KvNTC; }},
        CasoMuro{"DM", [](Progetto&) {}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace tavo
