// Start-up to the first painted engine picture, offscreen: settings, default
// engine, main window, picture window, one pass of the event loop. Target:
// under 1 s. The baseline creates and paints an empty top-level window, the
// least a start of any Qt program costs here.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "bench/Zaehler.h"
#include "bench/support/StillePlattform.h"
#include "ui/Kontext.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/Programmstart.h"
#include "ui/views/F_Bild.h"

namespace {

using namespace vapro;

using bench::StillePlattform;

void BM_Programmstart(benchmark::State& state) {
    for (auto _ : state) {
        Modell m;
        Sprache sprache;
        Einheitennamen einheiten;
        Programmzustand zustand;
        StillePlattform plattform;
        SpeicherImSpeicher speicher;
        Kontext k{m, sprache, einheiten, speicher, plattform, zustand};
        auto haupt = ProgrammStarten(k, {}, VAPRO_DATA_DIR "/", {});
        QApplication::processEvents();
        benchmark::DoNotOptimize(haupt->Bild().Bildpuffer().constBits());
        state.PauseTiming();
        haupt.reset();
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    vapro::bench::Verhältnisse reporter(
        {{"BM_Programmstart/iterations:10", "BM_LeeresFenster/iterations:10", 200.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("start-up to the first painted picture: %.1f ms (target below 1000 ms)\n",
                reporter.Zeit("BM_Programmstart/iterations:10"));
    benchmark::Shutdown();
}
