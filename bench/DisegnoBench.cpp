// The DXF of the bundled example abutment (examples/Spalla.Tav, computed):
// the section outline hatched as the drawing window hatches it (45°, 30
// strips), the ground line and the hatched surcharges on the wedge, written
// to disk. Target: at most 2 ms. One hatched polygon of 50 vertices: at
// most 50 µs (median), on a target that discards what it is given.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "analysis/DisegnoProfTerra.h"
#include "app/FileProgetto.h"
#include "drawing/DisegnoPoligono.h"
#include "drawing/Tratteggio.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingFinestraPrincipale.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

// The example, read from its file and computed once.
const tavo::VariabiliPubbliche& SpallaCalcolata() {
    static const tavo::VariabiliPubbliche v = [] {
        tavo::test::Progetto letto;
        if (!tavo::ApreFileProgetto(tavo::test::CartellaSorgenti() / "examples" / "Spalla.Tav", letto.v, letto.ntc))
            throw std::runtime_error("examples/Spalla.Tav non letto (impostare TAVO_SOURCE_DIR)");
        // The partial coefficients come from the settings file: the defaults.
        tavo::VariabiliPubbliche calcolo = letto.v;
        tavo::NTC sisma = letto.ntc;
        tavo::CoefficientiParzialiDefault(calcolo);
        tavo::test::RecordingFinestraPrincipale finestra;
        if (!tavo::CalcoloMain(calcolo, sisma, finestra)) throw std::runtime_error("calcolo non riuscito");
        return calcolo;
    }();
    return v;
}

void DxfSpalla(benchmark::State& stato) {
    const tavo::VariabiliPubbliche& v = SpallaCalcolata();
    const fs::path file = fs::temp_directory_path() / "tavo_bench_spalla.dxf";
    for (auto _ : stato) {
        tavo::Grafica g;
        tavo::ApreDxf(g, file);
        tavo::ImpostaUscita(g, 1, tavo::UscitaGrafica::DXF);
        tavo::ImpostaColore(g, 1);
        tavo::Plotta(g, v.PolTavo, 1, false);
        tavo::Tratteggia(g, v.PolTavo, 45, 30, 1);
        tavo::ImpostaColore(g, 3);
        tavo::disegna(g, v.ProfiloTerreno, 30);
        tavo::DisegnaSovraccarichiPrisma(g, v.ProfiloTerreno, 19, 12, 45, 0.1);
        tavo::ChiudeDxf(g);
    }
    fs::remove(file);
}
BENCHMARK(DxfSpalla)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A surface that draws nothing: the cost of the hatching alone.
class SuperficieMuta final : public tavo::SuperficieDisegno {
public:
    SuperficieMuta() { RipristinaScala(); }
    double LarghezzaDispositivo() const override { return 1000; }
    double AltezzaDispositivo() const override { return 1000; }
    double TwipsPerPixel() const override { return 15; }

protected:
    void LineaDispositivo(double, double, double, double) override {}
    void CerchioDispositivo(double, double, double) override {}
    void TestoDispositivo(double, double, std::string_view) override {}
    double LarghezzaTestoDispositivo(std::string_view) const override { return 0; }
    double AltezzaTestoDispositivo(std::string_view) const override { return 0; }
};

void TratteggioPoligono50(benchmark::State& stato) {
    // A star-shaped outline of 50 vertices, radius alternating 1 and 0.6.
    std::vector<double> x(50), y(50);
    for (std::size_t i = 0; i < 50; ++i) {
        const double r = i % 2 ? 0.6 : 1.0, a = 2 * 3.14159265358979 * static_cast<double>(i) / 50;
        x[i] = r * std::cos(a);
        y[i] = r * std::sin(a);
    }
    SuperficieMuta s;
    tavo::Grafica g;
    tavo::ImpostaUscita(g, 1, tavo::UscitaGrafica::VIDEO, &s);
    for (auto _ : stato) tavo::TratteggiaPoligono(g, 50, x, y, 45, 30);
}
BENCHMARK(TratteggioPoligono50)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
