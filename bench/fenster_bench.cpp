// The program with every window open at its default size. A tick of dragging
// the reversing lever: the direction check, one valve-event search, and a full
// redraw of the picture, both valve-travel graphs, the events graph, the events
// table, the steam diagram and the die-slip graph; the lever-range window only
// moves its marker (its range is computed once per engine, not per tick).
// Next to it, one ordinary frame of the same session, in which nothing changed
// but the crank's angle.
// Targets: a lever tick under 8 ms, a frame under 2 ms.

#include <QApplication>
#include <cstdio>
#include <memory>

#include "bench/support/Programmsitzung.h"
#include "core/model/Bewegung.h"
#include "ui/views/F_Bild.h"

namespace {

using namespace vapro;

struct Sitzung : bench::Programmsitzung {

    Sitzung() {
        for (const char* fenster : {"M_SteuerHub", "M_SteuerHubWeg", "M_Steuerzeiten", "M_Meßwerte",
                                    "M_Diagramm", "M_Stein", "M_Steuerungsverlauf"})
            haupt->RahmenfensterZeigen(fenster, true);
        QApplication::processEvents();
        haupt->Timer1_Timer();
    }
};

std::unique_ptr<Sitzung> gSitzung;
Sitzung& Aktuell() {
    if (!gSitzung) gSitzung = std::make_unique<Sitzung>();
    return *gSitzung;
}

void BM_Hebeltakt(benchmark::State& state) {
    Sitzung& s = Aktuell();
    const float a = s.m.UmWinkel, b = a + 0.5f * 3.14159265f / 180; // one slider step
    bool anders = false;
    for (auto _ : state) {
        s.m.UmWinkel = anders ? a : b;
        anders = !anders;
        s.haupt->Timer1_Timer();
        QApplication::processEvents();
        benchmark::DoNotOptimize(s.haupt->Bild().Bildpuffer().constBits());
    }
}
BENCHMARK(BM_Hebeltakt)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_Takt(benchmark::State& state) {
    Sitzung& s = Aktuell();
    for (auto _ : state) {
        s.haupt->Timer1_Timer();
        QApplication::processEvents();
        benchmark::DoNotOptimize(s.haupt->Bild().Bildpuffer().constBits());
    }
}
BENCHMARK(BM_Takt)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    return vapro::bench::FensterBenchmarks(
        argc, argv, {{"BM_Hebeltakt/min_time:1.000", "BM_Takt/min_time:1.000", 100.0}},
        [](const vapro::bench::Verhältnisse& r) {
            std::printf("lever tick with every window open: %.2f ms (target below 8 ms)\n",
                        r.Zeit("BM_Hebeltakt/min_time:1.000"));
            std::printf("frame with every window open: %.2f ms (target below 2 ms)\n",
                        r.Zeit("BM_Takt/min_time:1.000"));
            gSitzung.reset();
        });
}
