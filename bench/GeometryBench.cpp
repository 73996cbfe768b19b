// Benchmarks of the plane-geometry kernel: the section properties of a
// polygon and the cut of an outline by a line.
#include "geometry/PiGreco.h"
#include "geometry/Poligono.h"
#include "geometry/Tagli.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using tavo::PiGreco;
using tavo::Poligono;

// The stem of a wall: the seven vertices of PolParete in the section frame.
Poligono Parete() {
    const std::vector<double> x{0, 0, 0, -0.3, -0.3, -0.5, -0.6};
    const std::vector<double> y{0, 3, 4, 4, 3, 3, 0};
    Poligono p;
    p.Coordinate(x, y, 7);
    return p;
}

// A concave 50-vertex outline (a wavy ring).
Poligono Cinquanta() {
    std::vector<double> x, y;
    for (int k = 0; k < 50; ++k) {
        const double t = 2 * PiGreco * k / 50, r = 2 + 0.3 * std::cos(5 * t);
        x.push_back(r * std::cos(t));
        y.push_back(r * std::sin(t));
    }
    Poligono p;
    p.Coordinate(x, y, 50);
    return p;
}

void CaratteristicheStatiche(benchmark::State& state, Poligono p) {
    for (auto _ : state) {
        p.CaratteristicheStatiche();
        benchmark::DoNotOptimize(p.jota_IG);
    }
}
BENCHMARK_CAPTURE(CaratteristicheStatiche, parete_7_vertici, Parete());
BENCHMARK_CAPTURE(CaratteristicheStatiche, poligono_50_vertici, Cinquanta());

void IntersezionePoligonoRetta(benchmark::State& state, Poligono p) {
    const std::vector<double> x = p.CoordX(), y = p.CoordY();
    const int n = p.nVertici();
    for (auto _ : state) {
        auto r = tavo::IntersezionePoligonoRetta(1, 0.3, -0.1, x, y, n);
        benchmark::DoNotOptimize(r.ni);
    }
}
BENCHMARK_CAPTURE(IntersezionePoligonoRetta, parete_7_vertici, Parete());
BENCHMARK_CAPTURE(IntersezionePoligonoRetta, poligono_50_vertici, Cinquanta());

}  // namespace

namespace {

// The cut by a line: the part of the polygon beyond it, with all its
// properties (as the reinforcement window takes the soil beyond a section).
void PoligonoIntersezione(benchmark::State& state, Poligono p) {
    for (auto _ : state) {
        auto r = p.PoligonoIntersezione(1, 0.3, -0.1, 2, 0, 1);
        if (!r) {
            state.SkipWithError("the line misses the polygon");
            break;
        }
        benchmark::DoNotOptimize(r->Area);
    }
}
BENCHMARK_CAPTURE(PoligonoIntersezione, parete_7_vertici, Parete());
BENCHMARK_CAPTURE(PoligonoIntersezione, poligono_50_vertici, Cinquanta());

}  // namespace

namespace {

// The plastic modulus about the horizontal axis: the equal-area split found
// by the root finder, then the centroids of the two halves.
void Wplastico(benchmark::State& state, Poligono p) {
    for (auto _ : state) {
        auto w = p.Wplastico();
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK_CAPTURE(Wplastico, poligono_50_vertici, Cinquanta())->Unit(benchmark::kMicrosecond);

// One discretisation into strips (argument: the number of strips).
void DiscretizzaPoligono(benchmark::State& state) {
    Poligono p = Cinquanta();
    double h = 0, b = 0, yMax = 0;
    for (auto _ : state) {
        p.DiscretizzaPoligono(static_cast<int>(state.range(0)), h, b, yMax);
        benchmark::DoNotOptimize(p.Strisce().data());
    }
}
BENCHMARK(DiscretizzaPoligono)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
