#pragma once
// The desktop program started with the default engine and no user, the
// engine stopped so that frames are driven by the benchmark, not the timer.

#include <QApplication>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "bench/Zaehler.h"

#include "bench/support/StillePlattform.h"
#include "ui/Kontext.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/Programmstart.h"

namespace vapro::bench {

struct Programmsitzung {
    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    Programmzustand zustand;
    StillePlattform plattform;
    SpeicherImSpeicher speicher;
    Kontext k{m, sprache, einheiten, speicher, plattform, zustand};
    std::unique_ptr<F_Haupt> haupt = ProgrammStarten(k, {}, VAPRO_DATA_DIR "/", {});

    // `anhalten`: stopped, with the picture open; else as the program starts.
    explicit Programmsitzung(bool anhalten = true) {
        if (!anhalten) return;
        if (haupt->Läuft()) haupt->Knopf_Start_Stop_Click();
        haupt->FensterZeigen(F_Haupt::Fenster::Bild, true);
    }
};

// main() of a benchmark of whole windows: offscreen unless a platform is
// named, the ratio report of `paare`, then `danach` prints the figures and
// lets go of what the benchmarks kept, before Qt and the library shut down.
inline int FensterBenchmarks(int argc, char** argv,
                             std::vector<std::tuple<std::string, std::string, double>> paare,
                             const std::function<void(const Verhältnisse&)>& danach) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Verhältnisse reporter(std::move(paare));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    danach(reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace vapro::bench
