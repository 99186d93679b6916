// Applying the crank-drive dialog with the engine picture open: the fields
// read and repaired, the recomputation, the picture redrawn and painted.
// Next to it, one plain animation frame of the same engine in the same run.
// Target: an apply under 5 ms.

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <memory>

#include "bench/support/Programmsitzung.h"
#include "core/model/Bewegung.h"
#include "ui/dialogs/F_Kurbeltrieb.h"
#include "ui/views/F_Bild.h"

namespace {

using namespace vapro;

// The program started with the picture and the crank-drive dialog open, the
// engine stopped so that no timer frame runs in between.
struct Sitzung : bench::Programmsitzung {
    F_Kurbeltrieb* dialog = nullptr;

    Sitzung() {
        haupt->RahmenfensterZeigen("M_Kurbeltrieb", true);
        dialog = static_cast<F_Kurbeltrieb*>(haupt->Rahmenfenster("M_Kurbeltrieb"));
        QApplication::processEvents();
    }
};

// Built once, torn down before the application object.
std::unique_ptr<Sitzung> gSitzung;
Sitzung& Aktuell() {
    if (!gSitzung) gSitzung = std::make_unique<Sitzung>();
    return *gSitzung;
}

void BM_KurbeltriebÜbernehmen(benchmark::State& state) {
    Sitzung& s = Aktuell();
    QLineEdit* radius = s.dialog->E(&Modell::KWRadius);
    bool anders = false;
    for (auto _ : state) {
        // Another crank each time, so that every apply changes the engine.
        radius->setText(anders ? QStringLiteral("52") : QStringLiteral("51"));
        anders = !anders;
        s.dialog->Knopf_Übernehmen_Click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(s.haupt->Bild().Bildpuffer().constBits());
    }
}
BENCHMARK(BM_KurbeltriebÜbernehmen)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_Schritt(benchmark::State& state) {
    Sitzung& s = Aktuell();
    for (auto _ : state) {
        Schritt(s.m, *s.k.ansichten);
        QApplication::processEvents();
        benchmark::DoNotOptimize(s.haupt->Bild().Bildpuffer().constBits());
    }
}
BENCHMARK(BM_Schritt)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    return vapro::bench::FensterBenchmarks(
        argc, argv,
        {{"BM_KurbeltriebÜbernehmen/min_time:1.000", "BM_Schritt/min_time:1.000", 10.0}},
        [](const vapro::bench::Verhältnisse& r) {
            std::printf("one apply of the crank-drive dialog: %.2f ms (target below 5 ms)\n",
                        r.Zeit("BM_KurbeltriebÜbernehmen/min_time:1.000"));
            gSitzung.reset();
        });
}
