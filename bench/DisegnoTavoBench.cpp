// The whole drawing of the computed example abutment (tests/app's Spalla,
// NTC 2008) written as a DXF file on disk: the hatched section, ground,
// wedges, arrows, surcharges, pressure block, title and results block.
// Target: at most 5 ms.

#include "tests/walldrawing/EsempioCalcolato.h"
#include "walldrawing/DisegnoTavo.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void DxfDisegnoSpalla(benchmark::State& stato) {
    const tavo::test::Progetto& p = tavo::test::SpallaCalcolata();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "tavo_bench_disegno.dxf";
    for (auto _ : stato) {
        tavo::Grafica g;
        tavo::DisegnoTavo d(g, p.v, p.ntc);
        tavo::ApreDxf(g, file);
        d.PlottaTavo(tavo::UscitaGrafica::DXF);
        tavo::ChiudeDxf(g);
    }
    std::filesystem::remove(file);
}
BENCHMARK(DxfDisegnoSpalla)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
