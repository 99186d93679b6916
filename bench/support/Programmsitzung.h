#pragma once
// The desktop program started with the default engine and no user, the
// engine stopped so that frames are driven by the benchmark, not the timer.

#include <memory>

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

    Programmsitzung() {
        if (haupt->Läuft()) haupt->Knopf_Start_Stop_Click();
        haupt->FensterZeigen(F_Haupt::Fenster::Bild, true);
    }
};

} // namespace vapro::bench
