// Start-up to the first painted engine picture, offscreen: settings, default
// engine, main window, picture window, one pass of the event loop. Target:
// under 1 s. The baseline creates and paints an empty top-level window, the
// least a start of any Qt program costs here.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "bench/support/Programmsitzung.h"
#include "ui/views/F_Bild.h"

namespace {

using namespace vapro;

void BM_Programmstart(benchmark::State& state) {
    for (auto _ : state) {
        auto sitzung = std::make_unique<bench::Programmsitzung>(false);
        QApplication::processEvents();
        benchmark::DoNotOptimize(sitzung->haupt->Bild().Bildpuffer().constBits());
        state.PauseTiming();
        sitzung.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Programmstart)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LeeresFenster(benchmark::State& state) {
    for (auto _ : state) {
        auto w = std::make_unique<QWidget>();
        w->resize(600, 400);
        w->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w->grab().size());
        state.PauseTiming();
        w.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LeeresFenster)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    return vapro::bench::FensterBenchmarks(
        argc, argv, {{"BM_Programmstart/iterations:10", "BM_LeeresFenster/iterations:10", 200.0}},
        [](const vapro::bench::Verhältnisse& r) {
            std::printf("start-up to the first painted picture: %.1f ms (target below 1000 ms)\n",
                        r.Zeit("BM_Programmstart/iterations:10"));
        });
}
