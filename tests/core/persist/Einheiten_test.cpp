#include "core/persist/Einheiten.h"

#include <gtest/gtest.h>

#include "core/model/Felder.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Schieber.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

// Every field holds a value of its own, so that a field converted twice or
// not at all shows; angles and the rest stay. Exact factors: 25.4 mm to the
// inch, 0.07 bar to the psi.
TEST(EinheitenTest, ConvertingTwiceRestoresLengthsAndPressuresAndLeavesTheRest) {
    for (bool mm : {true, false}) {
        Modell alt = test::Standardmaschine(mm);
        for (const Feld& f : Felder()) // integers and colours keep theirs
            if (f.größe != Größe::Ganzzahl && f.größe != Größe::Farbe) {
                EXPECT_TRUE(FeldSetzen(alt, f, 1.25 * (&f - Felder().data()) + 1)) << f.name;
            }
        Modell hin = alt;
        EinheitUmschalten(hin);
        EXPECT_EQ(hin.Einheit + hin.Druckeinheit, mm ? "[inch][psi]" : "[mm][bar]");
        Modell zurück = hin;
        if (mm) zurück.Einheit = "[MM]"; // back to millimetres from any key but exactly "[mm]"
        EinheitUmschalten(zurück);
        EXPECT_EQ(zurück.Einheit, alt.Einheit);
        EXPECT_EQ(zurück.Hub, 2 * zurück.KWRadius);
        for (const Feld& f : Felder()) {
            const double a = FeldLesen(alt, f);
            const double k = f.größe == Größe::Länge ? 25.4 : (f.größe == Größe::Druck ? 0.07 : 1);
            EXPECT_FLOAT_EQ(FeldLesen(hin, f), mm ? a / k : a * k) << f.name;
            EXPECT_FLOAT_EQ(FeldLesen(zurück, f), a) << f.name;
        }
    }
}

TEST(EinheitenTest, OverflowLeavesTheMachineUnchanged) {
    Modell m = test::Standardmaschine(false);
    m.kaumy = 3e38f;
    const Modell vorher = m;
    EXPECT_THROW(EinheitUmschalten(m), GeometrieFehler);
    EXPECT_EQ(m.Einheit, "[inch]");
    for (const Feld& f : Felder())
        EXPECT_EQ(FeldLesen(m, f), FeldLesen(vorher, f)) << f.name;
}

TEST(EinheitenTest, ValveEnteredByGeometryKeepsItsLaps) {
    Modell m = test::Standardmaschine(true);
    m.SchieberEingabe = 0;
    m.SchiMitte = 30; // inside laps (10 + 20 + 10 - 30) / 2 = 5
    m.SchiLaufO = m.SchiLaufU = 25;
    SchieberAbleiten(m);
    const float außen = m.SchiEO, innen = m.SchiIO;
    ASSERT_FLOAT_EQ(innen, 5);
    for (float faktor : {1 / 25.4f, 1.0f}) {
        EinheitUmschalten(m);
        SchieberAbleiten(m); // what refilling the dialog does
        EXPECT_FLOAT_EQ(m.SchiIO, innen * faktor);
        EXPECT_FLOAT_EQ(m.SchiEO, außen * faktor);
    }
}

} // namespace
} // namespace vapro
