// Earth thrust of a realistic abutment: one trial wedge, and one complete
// search of the largest thrust, on the stem's back and on the heel back.

#include "analysis/GeometriaSezione.h"
#include "analysis/SpintaTerre.h"

#include <benchmark/benchmark.h>

namespace {

// Abutment 1.8 m backwall over a 6 m stem with a 5 % batter, a 1.2 m footing
// with a 3.5 m heel, a ground profile of five sides with surcharges; the
// factors of a static NTC 2008 check.
tavo::VariabiliPubbliche Spalla() {
    tavo::VariabiliPubbliche v;
    v.AltezzaParaghiaia = 1.8f;
    v.SpessoreParaghiaia = 0.3f;
    v.AltezzaParete = 6;
    v.InclinazioneParete = 5;
    v.SpessoreTestaParete = 1.6f;
    v.SpessoreBaseParete = 1.9f;
    v.AltezzaFondazione = 1.2f;
    v.SbalzoFondazione = 3.5f;
    v.LarghezzaFondazione = 7;
    v.PesoSpecificoTerreno = 19;
    v.nLatiTerreno = 5;
    const float dx[] = {1, 2.5f, 3, 2, 15}, dy[] = {0.2f, 0.5f, 0, -0.3f, 1},
                q[] = {20, 20, 10, 0, 5};
    for (auto* a : {&v.dxProfilo, &v.dyProfilo, &v.qProfilo}) a->ridimensiona(5);
    for (int j = 1; j <= 5; ++j) {
        v.dxProfilo(j) = dx[j - 1];
        v.dyProfilo(j) = dy[j - 1];
        v.qProfilo(j) = q[j - 1];
    }
    v.GammaCuneo = 1.1f;
    v.GammaSovraccarico = 1.5f;
    tavo::CalcolaGeometria(v);
    return v;
}

void BM_SpintaCuneo(benchmark::State& stato) {
    tavo::VariabiliPubbliche v = Spalla();
    float Pq = 0;
    for (auto _ : stato)
        benchmark::DoNotOptimize(
            tavo::SpintaCuneo(v, 56, 24.79f, 20, 2.86f, 0, 1, tavo::Paramento::Parete, Pq));
}
BENCHMARK(BM_SpintaCuneo);

void BM_SpintaMassima(benchmark::State& stato) {
    tavo::VariabiliPubbliche v = Spalla();
    const auto quale = stato.range(0) == 0 ? tavo::Paramento::Parete : tavo::Paramento::Fondazione;
    float Pq = 0;
    for (auto _ : stato)
        benchmark::DoNotOptimize(tavo::SpintaMassima(
            v, 24.79f, 20, quale == tavo::Paramento::Parete ? 2.86f : 0, 0, 1, quale, Pq));
}
BENCHMARK(BM_SpintaMassima)->Arg(0)->Arg(1)->ArgName("fondazione");

}  // namespace
