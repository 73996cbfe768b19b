// One complete NTC 2008 calculation of a realistic abutment: three
// combinations, a ground profile of five sides with surcharges, deck loads.
// Target: at most 250 µs median.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "tests/support/RecordingFinestraPrincipale.h"

#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>

namespace {

void CompilaSpalla(tavo::VariabiliPubbliche& v, tavo::NTC& s) {
    v.AltezzaParaghiaia = 2;
    v.SpessoreParaghiaia = 0.4f;
    v.InclinazioneParete = 5;
    v.AltezzaParete = 6;
    v.SpessoreTestaParete = 1.4f;
    v.SpessoreBaseParete = 1.7f;
    v.AltezzaFondazione = 1.5f;
    v.SbalzoFondazione = 4;
    v.LarghezzaFondazione = 8;
    v.AngoloAttritoInterno = 32;
    v.AngoloAttritoTerraTavo = 20;
    v.AngoloAttritoFondazione = 30;
    v.PesoSpecificoTerreno = 19;
    v.PesoSpecificoTavo = 25;
    // Road embankment: a shoulder, a rising verge, the carriageway, a fill slope and the field.
    constexpr std::array<std::array<float, 3>, 5> lati{{
        {3, 0, 20}, {2, 0.3f, 20}, {7, 0, 20}, {4, 1, 5}, {15, 0, 0}}};
    v.nLatiTerreno = static_cast<std::int16_t>(lati.size());
    v.dxProfilo.ridimensiona(v.nLatiTerreno);
    v.dyProfilo.ridimensiona(v.nLatiTerreno);
    v.qProfilo.ridimensiona(v.nLatiTerreno);
    for (int j = 1; j <= v.nLatiTerreno; ++j) {
        v.dxProfilo(j) = lati[static_cast<std::size_t>(j - 1)][0];
        v.dyProfilo(j) = lati[static_cast<std::size_t>(j - 1)][1];
        v.qProfilo(j) = lati[static_cast<std::size_t>(j - 1)][2];
    }
    v.NImpalcato = 350;
    v.VImpalcato = 35;
    v.DistanzaImpalcato = 0.5f;
    s.KhNTC = 0.12f;
    s.KvNTC = 0.06f;
}

void CalcoloCompletoNTC(benchmark::State& stato) {
    tavo::VariabiliPubbliche v;
    tavo::NTC sisma;
    tavo::CoefficientiParzialiDefault(v);
    tavo::test::RecordingFinestraPrincipale finestra;
    finestra.campi = CompilaSpalla;
    if (!tavo::CalcoloMain(v, sisma, finestra)) throw std::runtime_error("calcolo non riuscito");
    for (auto _ : stato) {
        const bool riuscito = tavo::CalcoloMain(v, sisma, finestra);
        benchmark::DoNotOptimize(riuscito);
        benchmark::DoNotOptimize(v.FsRibaltamento);
    }
}
BENCHMARK(CalcoloCompletoNTC)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
