// Undo and redo keep whole engines: what comes back is the engine, while the
// crank, the windows and the counters stay where the session has them.
#include "core/model/Verlauf.h"

#include <gtest/gtest.h>

#include "tests/core/Maschine.h"

namespace vapro {
namespace {

Modell Mit(float radius) {
    Modell m = test::Standardmaschine();
    m.KWRadius = radius;
    return m;
}

TEST(Verlauf, UndoAndRedoInstallTheEngineButKeepTheSession) {
    Verlauf v;
    Modell m = Mit(51);
    const Modell a = m;
    v.Leeren(a);
    m.KWRadius = 60;
    EXPECT_FALSE(v.Aufzeichnen(43, a, a)) << "no change, no step";
    ASSERT_TRUE(v.Aufzeichnen(43, a, m));
    EXPECT_EQ(v.NameRückgängig(), 43);
    EXPECT_EQ(v.NameWiederholen(), std::nullopt);

    // The session moved on meanwhile; the lever beyond the restored range.
    m.Winkel = 130;
    m.KurbeltriebZeigen = Wahr;
    m.Änderungen = 77;
    m.UmWinkel = test::Grad(80);
    ASSERT_TRUE(v.Rückgängig(m));
    EXPECT_EQ(m.KWRadius, 51);
    EXPECT_TRUE(GleicheMaschine(m, a));
    EXPECT_EQ(std::tuple(m.Winkel, m.KurbeltriebZeigen, m.Änderungen),
              std::tuple(130.f, Wahr, 77u));
    EXPECT_FLOAT_EQ(m.UmWinkel, test::Grad(a.UmMax));
    EXPECT_TRUE(v.AmGespeichertenStand(m));
    EXPECT_FALSE(v.Rückgängig(m)) << "nothing left to undo";

    ASSERT_TRUE(v.Wiederholen(m));
    EXPECT_EQ(m.KWRadius, 60);
    EXPECT_FALSE(v.AmGespeichertenStand(m));
    EXPECT_FALSE(v.Wiederholen(m));
}

TEST(Verlauf, ANewStepDropsWhatCouldBeRedone) {
    Verlauf v;
    v.Aufzeichnen(1, Mit(50), Mit(51));
    v.Aufzeichnen(2, Mit(51), Mit(52));
    Modell m = Mit(52);
    v.Rückgängig(m);
    v.Rückgängig(m);
    EXPECT_EQ(m.KWRadius, 50);
    v.Aufzeichnen(3, m, Mit(40));
    EXPECT_EQ(v.NameWiederholen(), std::nullopt);
    EXPECT_EQ(v.NameRückgängig(), 3);
    v.Leeren(m);
    EXPECT_EQ(v.NameRückgängig(), std::nullopt);
}

TEST(Verlauf, TheOldestStepsGoFirst) {
    Verlauf v;
    for (int i = 0; i < static_cast<int>(Verlauf::kTiefe) + 5; ++i)
        v.Aufzeichnen(i, Mit(static_cast<float>(i + 1)), Mit(static_cast<float>(i + 2)));
    Modell m;
    int zurück = 0;
    while (v.Rückgängig(m))
        ++zurück;
    EXPECT_EQ(zurück, static_cast<int>(Verlauf::kTiefe));
    EXPECT_EQ(m.KWRadius, 6) << "the first five steps fell out";
}

} // namespace
} // namespace vapro
