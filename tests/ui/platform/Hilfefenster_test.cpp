// The help window with its topics.

#include "ui/platform/Hilfefenster.h"

#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

#include "core/persist/Hilfedatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {
namespace {

const QString Daten = QStringLiteral(VAPRO_DATA_DIR "/");

TEST(HilfethemenTest, EveryContextHasATopicInBothLanguages) {
    for (const char* datei : {"Vapro15.hlp", "Vapro15e.hlp"}) {
        const auto themen = HilfedateiLesen((Daten + datei).toStdString());
        for (int nummer : HilfeKontext::Alle)
            EXPECT_TRUE(themen && HilfethemaSuchen(*themen, nummer)) << datei << " " << nummer;
    }
}

struct HilfefensterTest : testing::Test {
    test::Umgebung u;
    Hilfefenster fenster{u.k};
    QString text() const { return fenster.Browser().toPlainText(); }
};

TEST_F(HilfefensterTest, ShowsTheTopicOfTheCurrentLanguageAndFollowsLinks) {
    u.zustand.Programmpfad = Daten.toStdString();
    QtPlattform plattform; // the platform's help call opens the window
    HilfeAnschließen(plattform, fenster);
    plattform.Hilfe(HilfeKontext::Kurbeltrieb);
    EXPECT_EQ(std::pair(fenster.isVisible(), fenster.Thema()), std::pair(true, 2050));
    EXPECT_TRUE(text().startsWith("Kurbeltrieb")) << qPrintable(text());
    EXPECT_TRUE(Kurzhilfe(u.k, HilfeKontext::T_Springen).contains("Steinspringen"));
    SpracheEinstellen(u.sprache, SprachbasisEnglisch);
    fenster.Zeigen(HilfeKontext::Hauptfenster);
    EXPECT_TRUE(text().startsWith("Main window")) << qPrintable(text());
    emit fenster.Browser().anchorClicked(QUrl("hilfethema:4500"));
    EXPECT_EQ(fenster.Thema(), 4500);
}

TEST_F(HilfefensterTest, MissingFileOrTopicIsReportedInTheWindow) {
    fenster.ThemaLaden(Daten + "fehlt.hlp", 1000);
    EXPECT_EQ(fenster.Thema(), 0);
    EXPECT_TRUE(text().contains("nicht gefunden") && text().contains("fehlt.hlp"));
    fenster.ThemaLaden(Daten + "Vapro15.hlp", 9999);
    EXPECT_TRUE(text().contains("kein Thema 9999")) << qPrintable(text());
}

} // namespace
} // namespace vapro
