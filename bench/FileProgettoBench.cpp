// Opening and parsing a project file, and writing one, through the disk.
// Each is expected to take at most 200 µs (median).

#include "app/FileProgetto.h"
#include "tests/app/ProgettiDiEsempio.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

fs::path FileDiProva() {
    static const fs::path p = [] {
        const fs::path percorso = fs::temp_directory_path() / "tavo_bench.Tav";
        const tavo::test::Progetto spalla = tavo::test::Spalla();
        tavo::SalvaFileProgetto(percorso, spalla.v, spalla.ntc);
        return percorso;
    }();
    return p;
}

void ApreFileProgetto(benchmark::State& stato) {
    const fs::path p = FileDiProva();
    tavo::test::Progetto progetto;
    for (auto _ : stato) {
        benchmark::DoNotOptimize(tavo::ApreFileProgetto(p, progetto.v, progetto.ntc));
    }
}
BENCHMARK(ApreFileProgetto)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void SalvaFileProgetto(benchmark::State& stato) {
    const fs::path p = FileDiProva();
    const tavo::test::Progetto spalla = tavo::test::Spalla();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(tavo::SalvaFileProgetto(p, spalla.v, spalla.ntc));
    }
}
BENCHMARK(SalvaFileProgetto)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
