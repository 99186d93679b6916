#include "core/analysis/Verlaufsvorrat.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/model/Bewegung.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

TEST(Verlaufsvorrat, ComputesOncePerEngineNotPerLeverCrankOrRedraw) {
    Modell m = test::Standardmaschine();
    Verlaufsvorrat vorrat;
    const Steuerungsverlauf& v = vorrat.Für(m);
    EXPECT_EQ(vorrat.Berechnungen(), 1u);
    const Steuerungsverlauf erwartet = SteuerungsverlaufBerechnen(m, Fensterschritt(m));
    ASSERT_EQ(v.Punkte.size(), erwartet.Punkte.size());
    EXPECT_EQ(v.Punkte[7].Ende(false, true).Füllung->Prozent,
              erwartet.Punkte[7].Ende(false, true).Füllung->Prozent);

    // what moves without changing the engine; whether the range is computed again
    const std::pair<void (*)(Modell&), bool> fälle[] = {
        {[](Modell& x) { x.UmWinkel = 0.3f; }, false},
        {[](Modell& x) { x.Winkel = 120; }, false},
        {[](Modell& x) { x.Drehrichtung = !x.Drehrichtung; }, false},
        {[](Modell& x) { GeometriestandErhöhen(x); }, false}, // a picture resized
        {[](Modell& x) { x.SchiEO += 0.5f; }, false},         // not counted as a change yet
        {[](Modell& x) { GeometriestandErhöhen(x); }, true},
        {[](Modell& x) { x.Einheit = "[inch]", GeometriestandErhöhen(x); }, true},
    };
    uint32_t n = 1;
    for (const auto& [ändern, neu] : fälle) {
        ändern(m);
        vorrat.Für(m);
        vorrat.Für(m);
        n += neu ? 1 : 0;
        EXPECT_EQ(vorrat.Berechnungen(), n);
    }
    EXPECT_FALSE(vorrat.Für(m).MM);
}

TEST(Verlaufsvorrat, ALeverWithoutATravelGivesAnEmptyRangeNotAnError) {
    Modell m = test::Standardmaschine();
    m.UmMax = std::numeric_limits<float>::quiet_NaN();
    Verlaufsvorrat vorrat;
    EXPECT_TRUE(vorrat.Für(m).Punkte.empty());
    EXPECT_FALSE(vorrat.Fehler().empty());
    // steps: the lever's travel, step
    const std::pair<float, double> schritte[] = {{90, 1.0}, {9, 0.25}, {180, 2.0}};
    for (const auto& [spanne, schritt] : schritte) {
        m.UmMin = -spanne / 2;
        m.UmMax = spanne / 2;
        EXPECT_DOUBLE_EQ(Fensterschritt(m), schritt) << spanne;
    }
}

} // namespace
} // namespace vapro
