// The site search as the window runs it, on the converted real files
// (TAVO_DATI_NTC, or build/default/app/ui when run from the source folder).

#include "ports/MessagePort.h"
#include "seismic/FinestraSpettroNTC.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace tavo;

std::filesystem::path Cartella() {
    const char* d = std::getenv("TAVO_DATI_NTC");
    return d ? std::filesystem::path(d) : std::filesystem::path("build/default/app/ui");
}

class SenzaDisegni final : public DisegniSito {
    void DisegnaMappa(float, float) override {}
    void RipristinaMappa() override {}
    void DisegnaNodi(float, float, const NodiSito&) override {}
    void CancellaNodi() override {}
};

// One search by coordinates at Rome: the grid file streamed from disk.
void BM_CercaSitoRoma(benchmark::State& stato) {
    NTC modulo;
    SenzaDisegni disegni;
    FinestraSpettroNTC f(modulo, Cartella(), Separatori{}, disegni, {});
    for (auto _ : stato) {
        f.CercaSito(12.4835f, 41.8930f);
        benchmark::DoNotOptimize(modulo.AgTR);
    }
}
BENCHMARK(BM_CercaSitoRoma)->Unit(benchmark::kMillisecond);

// Opening the window's logic in municipality mode: the municipality file
// read, the lists filled, the first municipality searched.
void BM_AperturaPerComune(benchmark::State& stato) {
    SenzaDisegni disegni;
    for (auto _ : stato) {
        NTC modulo;
        modulo.TipoRicerca = RicercaComune;
        FinestraSpettroNTC f(modulo, Cartella(), Separatori{}, disegni, {});
        f.Form_Load();
        f.Form_Activate();
        benchmark::DoNotOptimize(f.c.cmbComune[2].voci);
    }
}
BENCHMARK(BM_AperturaPerComune)->Unit(benchmark::kMillisecond);

}  // namespace
