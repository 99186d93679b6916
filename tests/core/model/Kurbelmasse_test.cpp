#include "core/model/Kurbelmasse.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/persist/Maschinendatei.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

// A default engine with some crank-drive fields changed, saved and loaded
// back the way the program does it.
struct Geladen {
    Ladeergebnis ergebnis;
    Modell m;
};

template <typename Ändern> Geladen SpeichernUndLaden(bool mm, Ändern ändern) {
    Modell quelle = test::Standardmaschine(mm);
    ändern(quelle);
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    std::ostringstream out;
    EXPECT_TRUE(Speichern(quelle, out, s, "1.1.2024,  00:00:00"));
    Geladen g{{}, test::Standardmaschine(mm)};
    std::istringstream in(out.str());
    g.ergebnis = Laden(g.m, in, s);
    return g;
}

TEST(Kurbelmasse, LoadingRepairsAsTheDialogDoes) {
    struct Fall {
        const char* was;
        bool mm;
        float Modell::*feld;
        float gespeichert, geladen;
    };
    const Fall fälle[] = {
        {"rod shorter than the stroke", true, &Modell::PLänge, 60, 102},
        {"bottom rod 0 is 1 mm", true, &Modell::KsDurchmesserU, 0, 1},
        {"bottom rod 0 in inches", false, &Modell::KsDurchmesserU, 0, 1 / 25.4f},
        {"bottom rod loses its sign", true, &Modell::KsDurchmesserU, -12, 12},
        {"top rod 0 stays", true, &Modell::KsDurchmesserO, 0, 0},
        {"top rod loses its sign", true, &Modell::KsDurchmesserO, -3, 3},
        {"rod thicker than the bore", true, &Modell::KsDurchmesserO, 200, 125},
        {"piston of no thickness", true, &Modell::KDicke, -2, 1},
        {"negative clearance", true, &Modell::KOFreihub, -4, 0},
        {"negative clearance, bottom", true, &Modell::KUFreihub, -0.5f, 0},
    };
    for (const Fall& f : fälle) {
        const Geladen g = SpeichernUndLaden(f.mm, [&](Modell& m) { m.*f.feld = f.gespeichert; });
        ASSERT_EQ(g.ergebnis.art, Ladeergebnis::Ok) << f.was;
        EXPECT_FLOAT_EQ(g.m.*f.feld, f.geladen) << f.was;
    }
}

TEST(Kurbelmasse, RadiusOrBoreOfZeroOrLessIsADamagedRecord) {
    struct Fall {
        float Modell::*feld;
        float wert;
        int16_t satz;
    };
    for (const Fall& f :
         {Fall{&Modell::KWRadius, 0, 10102}, Fall{&Modell::KWRadius, -5, 10102},
          Fall{&Modell::KDurchmesser, 0, 10109}, Fall{&Modell::KDurchmesser, -80, 10109}}) {
        const Geladen g = SpeichernUndLaden(true, [&](Modell& m) { m.*f.feld = f.wert; });
        EXPECT_EQ(g.ergebnis.art, Ladeergebnis::Fehler) << f.wert;
        EXPECT_EQ(g.ergebnis.satz, f.satz) << f.wert;
        EXPECT_FLOAT_EQ(g.m.KWRadius, 51) << "the engine before stays";
    }
}

TEST(Kurbelmasse, RejectedSetIsLeftUntouchedVolumesFollowTheLoad) {
    Modell m = test::Standardmaschine();
    m.KDurchmesser = 0;
    m.KDicke = -1;
    EXPECT_EQ(KurbeltriebReparieren(m), "KDurchmesser");
    EXPECT_FLOAT_EQ(m.KDicke, -1);

    // Bore 80, radius 40, no top rod: 402.1 cm³ on top.
    const Geladen g = SpeichernUndLaden(true, [](Modell& q) {
        q.KDurchmesser = 80;
        q.KWRadius = 40;
        q.KsDurchmesserO = 0;
    });
    ASSERT_EQ(g.ergebnis.art, Ladeergebnis::Ok);
    EXPECT_FLOAT_EQ(g.m.Hub, 80);
    EXPECT_NEAR(g.m.HubvolumenO, 402123.9, 0.1);
}

} // namespace
} // namespace vapro
