// Speed of the lever-range analysis: 91 lever angles (-45° … 45° in whole
// degrees), both directions, next to the one valve-event search it stands for
// at each angle.

#include <cstdio>

#include "bench/Zaehler.h"
#include "bench/support/Standardmaschine.h"
#include "core/analysis/Steuerungsverlauf.h"
#include "core/analysis/Steuerzeiten.h"

namespace {

using namespace vapro;
using bench::Allokationen;

void BM_SteuerzeitenSuchen(benchmark::State& state) {
    Modell m = bench::Standardmaschine();
    for (auto _ : state) {
        SteuerzeitenSuchen(m);
        benchmark::DoNotOptimize(m.EinlaßZuOben.Winkel);
    }
}
BENCHMARK(BM_SteuerzeitenSuchen)->Unit(benchmark::kMillisecond);

void BM_Steuerungsverlauf91(benchmark::State& state) {
    const Modell m = bench::Standardmaschine();
    long allok = 0;
    size_t punkte = 0;
    for (auto _ : state) {
        allok += Allokationen([&] {
            const Steuerungsverlauf v = SteuerungsverlaufBerechnen(m, 1.0);
            punkte = v.Punkte.size();
            benchmark::DoNotOptimize(v.Punkte.data());
        });
    }
    state.counters["angles"] = static_cast<double>(punkte);
    state.counters["allocs"] = static_cast<double>(allok) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Steuerungsverlauf91)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // One sweep per lever angle serves both directions and the direction
    // check: about 91 searches' worth of solving; two sweeps per angle would be 182.
    vapro::bench::Verhältnisse reporter(
        {{"BM_Steuerungsverlauf91", "BM_SteuerzeitenSuchen", 150.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("lever range of 91 angles: %.1f ms (target below 100 ms)\n",
                reporter.Zeit("BM_Steuerungsverlauf91"));
    benchmark::Shutdown();
}
