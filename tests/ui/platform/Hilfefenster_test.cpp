#include "platform/Hilfefenster.h"

#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

#include "Umgebung.h"
#include "persist/Hilfedatei.h"
#include "platform/Hilfethemen.h"

namespace vapro {
namespace {

const QString Daten = QStringLiteral(VAPRO_DATA_DIR "/");

TEST(HilfethemenTest, EveryContextHasATopicInBothLanguages) {
    for (const char* datei : {"Vapro15.hlp", "Vapro15e.hlp"}) {
        SCOPED_TRACE(datei);
        const auto themen = HilfedateiLesen((Daten + datei).toStdString());
        ASSERT_TRUE(themen);
        EXPECT_EQ(themen->size(), HilfeKontext::Alle.size());
        for (int nummer : HilfeKontext::Alle) {
            const Hilfethema* t = HilfethemaSuchen(*themen, nummer);
            ASSERT_NE(t, nullptr) << nummer;
            EXPECT_FALSE(t->Titel.empty()) << nummer;
            EXPECT_GT(t->Text.size(), 80u) << nummer;
        }
    }
}

struct HilfefensterTest : testing::Test {
    test::Umgebung u;
    Hilfefenster fenster{u.k};
    QString text() const { return fenster.Browser().toPlainText(); }
};

TEST_F(HilfefensterTest, ShowsTheTopicOfTheCurrentLanguage) {
    u.zustand.Programmpfad = Daten.toStdString();
    fenster.Zeigen(HilfeKontext::Kurbeltrieb);
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(fenster.Thema(), 2050);
    EXPECT_TRUE(text().startsWith("Kurbeltrieb")) << text().toStdString();
    EXPECT_TRUE(fenster.windowTitle().startsWith("Kurbeltrieb"));

    SpracheEinstellen(u.sprache, SprachbasisEnglisch);
    fenster.Zeigen(HilfeKontext::Hauptfenster);
    EXPECT_TRUE(text().startsWith("Main window")) << text().toStdString();
}

TEST_F(HilfefensterTest, TopicListLinksToOtherTopics) {
    fenster.ThemaLaden(Daten + "Vapro15.hlp", HilfeKontext::Einführung);
    EXPECT_TRUE(text().contains("Themen"));
    emit fenster.Browser().anchorClicked(QUrl("hilfethema:4500"));
    EXPECT_EQ(fenster.Thema(), 4500);
    emit fenster.Browser().anchorClicked(QUrl("https://example.invalid/"));
    EXPECT_EQ(fenster.Thema(), 4500);
}

TEST_F(HilfefensterTest, MissingFileOrTopicIsReportedInTheWindow) {
    fenster.ThemaLaden(Daten + "fehlt.hlp", 1000);
    EXPECT_EQ(fenster.Thema(), 0);
    EXPECT_TRUE(text().contains("nicht gefunden")) << text().toStdString();
    EXPECT_TRUE(text().contains("fehlt.hlp"));

    fenster.ThemaLaden(Daten + "Vapro15.hlp", 9999);
    EXPECT_EQ(fenster.Thema(), 0);
    EXPECT_TRUE(text().contains("kein Thema 9999")) << text().toStdString();
    EXPECT_TRUE(text().contains("Hauptfenster")); // the topic list is still offered
}

TEST_F(HilfefensterTest, PlatformHelpCallOpensTheWindow) {
    u.zustand.Programmpfad = Daten.toStdString();
    QtPlattform plattform;
    HilfeAnschließen(plattform, fenster);
    plattform.Hilfe(HilfeKontext::Slider_UmWinkel);
    EXPECT_EQ(fenster.Thema(), 1007);
    EXPECT_TRUE(Kurzhilfe(u.k, HilfeKontext::T_Springen).contains("Steinspringen"));
    EXPECT_TRUE(Kurzhilfe(u.k, 9999).isEmpty());
}

} // namespace
} // namespace vapro
