#pragma once
// Everything a window needs, for tests: the default mm engine, German texts,
// an in-memory settings store and a recording platform.

#include "core/model/Standarddaten.h"
#include "tests/ui/Aufzeichner.h"
#include "ui/Kontext.h"

namespace vapro::test {

struct Umgebung {
    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    SpeicherImSpeicher speicher;
    Aufzeichner plattform;
    Programmzustand zustand;
    Kontext k{m, sprache, einheiten, speicher, plattform, zustand};

    explicit Umgebung(bool mm = true) {
        StandardmaschineEinrichten(m, mm ? "[mm]" : "[inch]");
        SpracheEinstellen(sprache, SprachbasisDeutsch);
        EinheitenSetzen(einheiten, m.Einheit);
    }
};

} // namespace vapro::test
