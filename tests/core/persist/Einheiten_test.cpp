#include "persist/Einheiten.h"

#include <gtest/gtest.h>

#include "Maschine.h"
#include "model/Felder.h"
#include "model/GeometrieFehler.h"
#include "model/Schieber.h"

namespace vapro {
namespace {

bool Umgerechnet(const Feld& f) { return f.größe == Größe::Länge || f.größe == Größe::Druck; }

// A machine whose every field holds a value of its own, so that a field
// converted twice or not at all shows.
Modell Belegt(bool mm) {
    Modell m = test::Standardmaschine(mm);
    int i = 0;
    for (const Feld& f : Felder()) {
        ++i;
        if (Umgerechnet(f) || f.größe == Größe::Winkel || f.größe == Größe::Zahl) {
            EXPECT_TRUE(FeldSetzen(m, f, 1.25 * i + 0.1)) << f.name;
        }
    }
    return m;
}

TEST(EinheitenTest, WorkedConversions) {
    struct Fall {
        const char* feld;
        float mm, inch;
    };
    const Fall fälle[] = {{"KWRadius", 50.8f, 2.0f},
                          {"PO1", 7.0f, 100.0f},
                          {"ussmx", 25.4f, 1.0f},
                          {"SchiMitte", 63.5f, 2.5f}};
    for (const Fall& c : fälle) {
        const Feld& f = *FeldSuchen(c.feld);
        Modell m = test::Standardmaschine(true);
        ASSERT_TRUE(FeldSetzen(m, f, c.mm));
        EinheitUmschalten(m);
        EXPECT_EQ(m.Einheit, "[inch]");
        EXPECT_EQ(m.Druckeinheit, "[psi]");
        EXPECT_EQ(static_cast<float>(FeldLesen(m, f)), c.inch) << c.feld;
        EXPECT_EQ(m.Hub, 2 * m.KWRadius);
        EinheitUmschalten(m);
        EXPECT_EQ(m.Einheit, "[mm]");
        EXPECT_EQ(m.Druckeinheit, "[bar]");
        EXPECT_EQ(static_cast<float>(FeldLesen(m, f)), c.mm) << c.feld;
    }
}

TEST(EinheitenTest, ConvertingTwiceRestoresLengthsAndPressuresAndLeavesTheRest) {
    for (bool mm : {true, false}) {
        const Modell vorher = Belegt(mm);
        Modell m = vorher;
        EinheitUmschalten(m);
        for (const Feld& f : Felder()) {
            const double a = FeldLesen(vorher, f), b = FeldLesen(m, f);
            if (f.größe == Größe::Länge)
                EXPECT_FLOAT_EQ(static_cast<float>(b), static_cast<float>(mm ? a / 25.4 : a * 25.4))
                    << f.name;
            else if (f.größe == Größe::Druck)
                EXPECT_FLOAT_EQ(static_cast<float>(b), static_cast<float>(mm ? a / 0.07 : a * 0.07))
                    << f.name;
            else
                EXPECT_EQ(a, b) << f.name;
        }
        EinheitUmschalten(m);
        EXPECT_EQ(m.Einheit, vorher.Einheit);
        for (const Feld& f : Felder()) {
            if (Umgerechnet(f))
                EXPECT_FLOAT_EQ(static_cast<float>(FeldLesen(m, f)),
                                static_cast<float>(FeldLesen(vorher, f)))
                    << f.name;
            else
                EXPECT_EQ(FeldLesen(m, f), FeldLesen(vorher, f)) << f.name;
        }
        EXPECT_EQ(m.Hub, 2 * m.KWRadius);
    }
}

TEST(EinheitenTest, AnyKeyButMillimetresCountsAsInch) {
    for (const char* key : {"[MM]", "", "mm", "[inch]"}) {
        Modell m = test::Standardmaschine(false);
        m.Einheit = key;
        m.KWRadius = 2;
        EinheitUmschalten(m);
        EXPECT_EQ(m.Einheit, "[mm]") << key;
        EXPECT_EQ(m.Druckeinheit, "[bar]") << key;
        EXPECT_FLOAT_EQ(m.KWRadius, 50.8f) << key;
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
    m.SchiMitte = 30;  // inside laps (10 + 20 + 10 - 30) / 2 = 5
    m.SchiLaufO = m.SchiLaufU = 25;
    SchieberAbleiten(m);
    const float außen = m.SchiEO, innen = m.SchiIO;
    ASSERT_FLOAT_EQ(innen, 5);

    EinheitUmschalten(m);
    SchieberAbleiten(m);  // what refilling the dialog does
    EXPECT_FLOAT_EQ(m.SchiIO, innen / 25.4f);
    EXPECT_FLOAT_EQ(m.SchiEO, außen / 25.4f);
    EinheitUmschalten(m);
    SchieberAbleiten(m);
    EXPECT_FLOAT_EQ(m.SchiIO, innen);
    EXPECT_FLOAT_EQ(m.SchiEO, außen);
}

TEST(EinheitenTest, SmallVolumeNamesHaveNoInchForm) {
    Einheitennamen n;
    EinheitenSetzen(n, "[inch]");
    EXPECT_EQ(n.EinheitVolumenKlein, "");
    EXPECT_EQ(n.EinheitVolumen, "cu in");
    EXPECT_EQ(n.Druckeinheit, "[psi]");
    EinheitenSetzen(n, "[mm]");
    EinheitenSetzen(n, "[inch]");
    EXPECT_EQ(n.EinheitVolumenKleinK, "[mm³]");
    EXPECT_EQ(n.EinheitVolumenKlein, "mm³");
    EXPECT_EQ(n.EinheitFlächeK, "[sq in]");
    EinheitenSetzen(n, "[MM]");  // only the exact key means millimetres
    EXPECT_EQ(n.EinheitLänge, "inch");
}

}  // namespace
}  // namespace vapro
