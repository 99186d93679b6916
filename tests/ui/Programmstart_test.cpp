#include "ui/mainwindow/Programmstart.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/persist/Maschinendatei.h"
#include "tests/ui/Aufzeichner.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

// One run of the program against a store that outlives it, as the user's does.
struct Lauf {
    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    Programmzustand zustand;
    test::Aufzeichner plattform;
    Kontext k;
    int registriert = 0;
    std::unique_ptr<F_Haupt> haupt;

    Lauf(Einstellungsspeicher& speicher, const QString& datei = {})
        : k{m, sprache, einheiten, speicher, plattform, zustand} {
        haupt = ProgrammStarten(k, datei, "/daten/", [this] { ++registriert; });
    }
    void Beenden() { haupt->M_Beenden_Click(); }
};

TEST(Programmstart, FirstAndSecondStart) {
    SpeicherImSpeicher speicher;
    {
        Lauf erster(speicher);
        EXPECT_EQ(erster.registriert, 1);
        EXPECT_TRUE(erster.haupt->FensterOffen(F_Haupt::Fenster::Bild));
        EXPECT_EQ(erster.haupt->geometry().topLeft(), QPoint(20, 20)); // 300 twips
        EXPECT_TRUE(erster.haupt->Läuft());
        erster.haupt->setGeometry(QRect(QPoint(60, 75), erster.haupt->size()));
        erster.haupt->M_Sprache_Click();
        erster.haupt->FensterZeigen(F_Haupt::Fenster::Tabelle, true);
        erster.Beenden();
    }
    Lauf zweiter(speicher);
    EXPECT_EQ(zweiter.registriert, 0);
    EXPECT_EQ(zweiter.sprache.Sprachbasis, SprachbasisEnglisch); // the language survives
    EXPECT_EQ(zweiter.haupt->geometry().topLeft(), QPoint(60, 75));
    EXPECT_TRUE(zweiter.haupt->FensterOffen(F_Haupt::Fenster::Tabelle));
}

TEST(Programmstart, MachineFileFromTheCommandLineAndTheNextStart) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("motor.kmf");
    {
        Sprache s;
        SpracheEinstellen(s, SprachbasisDeutsch);
        SpeicherImSpeicher leer;
        Lauf vorlage(leer);
        vorlage.m.KWRadius = 40;
        ASSERT_TRUE(Speichern(vorlage.m, std::filesystem::path(datei.toStdString()), s, "x").ok);
        vorlage.Beenden();
    }
    SpeicherImSpeicher speicher;
    speicher.Schreiben("Aktuell", "File Start", "0");
    {
        Lauf lauf(speicher, datei); // a path on the command line opens even with "File Start" 0
        EXPECT_EQ(lauf.m.KWRadius, 40);
        EXPECT_EQ(lauf.haupt->Anzeige("T_Dateiname").text(), datei);
        lauf.Beenden();
    }
    Lauf wieder(speicher); // remembered
    EXPECT_EQ(wieder.m.KWRadius, 40);
}

// A remembered file gone since gives the load message, one named on the
// command line its name and cause; both leave the default engine.
TEST(Programmstart, MissingFilesGiveTheirMessageAndTheDefaultEngine) {
    SpeicherImSpeicher speicher;
    speicher.Schreiben("Aktuell", "Filename", "/gibt/es/nicht.kmf");
    {
        Lauf lauf(speicher);
        ASSERT_EQ(lauf.plattform.Meldungen().size(), 1u);
        EXPECT_TRUE(
            lauf.plattform.Meldungen()[0].text.startsWith("Fehler beim Laden der KMF-Datei"));
        EXPECT_EQ(lauf.m.KWRadius, 51);
        EXPECT_EQ(lauf.haupt->Anzeige("T_Dateiname").text(),
                  "Grunddaten in [mm]  / nicht geändert");
    }
    SpeicherImSpeicher leer;
    Lauf befehl(leer, "/gibt/es/nicht/motor.kmf");
    ASSERT_EQ(befehl.plattform.Meldungen().size(), 1u);
    const QString text = befehl.plattform.Meldungen()[0].text;
    EXPECT_TRUE(text.contains("/gibt/es/nicht/motor.kmf") && text.contains("existiert nicht"))
        << text.toStdString();
    EXPECT_EQ(befehl.m.KWRadius, 51);
}

} // namespace
} // namespace vapro
