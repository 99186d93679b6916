// Speed of the solver and of the two sweeps built on it.

#include <cmath>

#include "bench/Zaehler.h"
#include "bench/support/Standardmaschine.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"

namespace {

using namespace vapro;
using bench::Allokationen;

void BM_Kinematik(benchmark::State& state) {
    Modell m = bench::Standardmaschine();
    float w = 0;
    long allok = 0;
    for (auto _ : state) {
        m.Winkel = w;
        allok += Allokationen([&] { Kinematik(m); });
        benchmark::DoNotOptimize(m.SchieberY);
        w = w >= 359 ? 0 : w + 1;
    }
    state.counters["allocs"] = static_cast<double>(allok);
}
BENCHMARK(BM_Kinematik);

// The same number of transcendental calls the link-motion solve makes
// (7 sin, 7 cos, 9 atan, 8 sqrt) on inputs of the same kind.
void BM_KinematikBasis(benchmark::State& state) {
    Modell m = bench::Standardmaschine();
    double w = 0;
    for (auto _ : state) {
        const double a = (450.0 - w) / 180.0 * 3.14159265358979;
        double s = 0;
        for (int i = 0; i < 7; ++i)
            s += std::sin(a + i) + std::cos(a - i);
        for (int i = 0; i < 9; ++i)
            s += std::atan(s * 1e-3 + i);
        for (int i = 0; i < 8; ++i)
            s += std::sqrt(std::fabs(s) + m.PLänge + i);
        benchmark::DoNotOptimize(s);
        w = w >= 359 ? 0 : w + 1;
    }
}
BENCHMARK(BM_KinematikBasis);

void BM_DrehrichtungBestimmen(benchmark::State& state) {
    Modell m = bench::Standardmaschine();
    long allok = 0;
    for (auto _ : state) {
        allok += Allokationen([&] { DrehrichtungBestimmen(m); });
        benchmark::DoNotOptimize(m.Drehrichtungsbilanz);
    }
    state.counters["allocs"] = static_cast<double>(allok);
}
BENCHMARK(BM_DrehrichtungBestimmen)->Unit(benchmark::kMicrosecond);

void BM_SteuerzeitenSuchen(benchmark::State& state) {
    Modell m = bench::Standardmaschine();
    long allok = 0;
    for (auto _ : state) {
        allok += Allokationen([&] { SteuerzeitenSuchen(m); });
        benchmark::DoNotOptimize(m.EinlaßZuOben.Winkel);
    }
    state.counters["allocs"] = static_cast<double>(allok);
}
BENCHMARK(BM_SteuerzeitenSuchen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    vapro::bench::Verhältnisse reporter({{"BM_Kinematik", "BM_KinematikBasis", 2.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
