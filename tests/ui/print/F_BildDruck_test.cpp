#include "ui/print/F_BildDruck.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "tests/ui/Umgebung.h"
#include "tests/ui/print/Pdf.h"

namespace vapro {
namespace {

constexpr const char* kGesendet = "Druckauftrag erfolgreich an den Drucker gesendet.";
constexpr const char* kProbleme =
    "Beim Drucken traten Probleme auf. Bitte Überprüfen Sie alle Parameter";

// The frame's print page goes to the dialog, as the main window forwards it.
struct Druckansichten : Ansichten {
    F_BildDruck* druck = nullptr;
    int neuzeichnen = 0, geändert = 0;
    void DruckZeichnen() override { druck->SeiteDrucken(); }
    void BildNeuzeichnen() override { ++neuzeichnen; }
    void DatenGeändert() override { ++geändert; }
};

struct Dialog {
    test::Umgebung u;
    QTemporaryDir ordner;
    Druckansichten ansichten;
    F_BildDruck d{u.k};
    QString pdf = ordner.filePath("seite.pdf");
    Dialog() {
        ansichten.druck = &d;
        u.k.ansichten = &ansichten;
        u.plattform.Drucker().setOutputFileName(pdf);
        d.DezimalzeichenSetzen('.');
        d.Form_Load();
    }
    QSize Anzeige() const { return {d.A_Breite->text().toInt(), d.A_Höhe->text().toInt()}; }
    void Tippen(int16_t Modell::*feld, const char* text) { d.E(feld)->setText(text); }
    // The one message so far.
    test::Aufzeichner::Nachricht Meldung() {
        const auto& alle = u.plattform.Meldungen();
        EXPECT_EQ(alle.size(), 1u);
        return alle.empty() ? test::Aufzeichner::Nachricht{} : alle.back();
    }
};

TEST(F_BildDruck, ShowsThePrinterAndLandscapeSwapsHeightAndWidth) {
    Dialog t;
    const QPrinter& drucker = t.u.plattform.Drucker();
    EXPECT_EQ(t.d.A_Auflösung->text(), QString::number(drucker.resolution()));
    const QSize hoch = t.Anzeige();
    EXPECT_TRUE(t.d.O_Hoch->isChecked());
    EXPECT_GT(hoch.height(), hoch.width());
    EXPECT_EQ(hoch, drucker.pageLayout().fullRectPixels(drucker.resolution()).size());

    t.d.O_Quer->click();
    EXPECT_EQ(t.Anzeige(), hoch.transposed());
    EXPECT_EQ(drucker.pageLayout().orientation(), QPageLayout::Landscape);
    t.d.O_Hoch->click();
    EXPECT_EQ(t.Anzeige(), hoch);
}

TEST(F_BildDruck, PrintsOnePageInTheChosenOrientationAndClearsTheFlag) {
    for (const bool quer : {false, true}) {
        Dialog t;
        (quer ? t.d.O_Quer : t.d.O_Hoch)->click();
        t.d.K_Drucken->click();
        const auto meldung = t.Meldung();
        EXPECT_EQ(std::pair(meldung.text, meldung.symbol),
                  std::pair(QString(kGesendet), Symbol::Information));
        EXPECT_EQ(t.u.m.DruckenAktiv, 0);
        EXPECT_EQ(t.u.plattform.druckerGewählt, 1);

        const test::Pdf pdf(t.pdf);
        ASSERT_TRUE(pdf.Gültig());
        EXPECT_EQ(pdf.Seiten(), 1);
        const QSizeF seite = pdf.Seitengröße();
        EXPECT_EQ(seite.width() > seite.height(), quer) << seite.width() << " " << seite.height();
        // More than an empty page: the engine is on it.
        QPrinter leer(QPrinter::HighResolution);
        leer.setOutputFormat(QPrinter::PdfFormat);
        leer.setOutputFileName(t.ordner.filePath("leer.pdf"));
        QPainter(&leer).end();
        EXPECT_GT(pdf.inhalt.size(), test::Pdf(t.ordner.filePath("leer.pdf")).inhalt.size() + 1000);
    }
}

// A print that fails says so, leaves the flag clear, and the next frame
// prints nothing.
TEST(F_BildDruck, FailedPrintSaysSoAndNoLaterFramePrints) {
    const std::pair<const char*, std::function<void(Dialog&)>> fälle[] = {
        {"the printer does not open",
         [](Dialog& t) {
             t.u.plattform.Drucker().setOutputFileName(t.ordner.filePath("fehlt/seite.pdf"));
         }},
        {"the engine cannot be assembled",
         [](Dialog& t) {
             t.u.m.PLänge = 20; // the rod cannot reach the crank pin at 90°
             t.u.m.Winkel = 90;
         }},
    };
    for (const auto& [was, vorbereiten] : fälle) {
        Dialog t;
        vorbereiten(t);
        t.d.K_Drucken_Click();
        const auto meldung = t.Meldung();
        EXPECT_EQ(std::pair(meldung.text, meldung.symbol),
                  std::pair(QString(kProbleme), Symbol::Stopp))
            << was;
        EXPECT_EQ(t.u.m.DruckenAktiv, 0) << was;

        t.u.m.PLänge = 270;
        t.u.plattform.Drucker().setOutputFileName(t.pdf);
        QFile::remove(t.pdf);
        Schritt(t.u.m, t.ansichten);
        EXPECT_FALSE(QFile::exists(t.pdf)) << was;
    }
}

TEST(F_BildDruck, CancelledChooserPrintsNothing) {
    Dialog t;
    t.u.plattform.druckerJa = false;
    t.Tippen(&Modell::LStärkeKurbelD, "20");
    t.d.K_Drucken_Click();
    EXPECT_TRUE(t.u.plattform.Meldungen().empty());
    EXPECT_FALSE(QFile::exists(t.pdf));
    // The fields were taken all the same, as the print's first step.
    EXPECT_EQ(std::pair(t.u.m.LStärkeKurbelD, t.u.m.DruckenAktiv),
              std::pair(int16_t{20}, int16_t{0}));
}

TEST(F_BildDruck, FieldsKeepTheirLimitsAndEnterRecomputesNothing) {
    Dialog t;
    t.Tippen(&Modell::LStärkeKurbelD, "0");
    t.Tippen(&Modell::GelenkSteuerD, "-4");
    t.Tippen(&Modell::RandLinksD, "70");
    t.Tippen(&Modell::RandRechtsD, "40");
    t.Tippen(&Modell::RandObenD, "120");
    t.Tippen(&Modell::RandUntenD, "5");
    QTest::keyClick(t.d.E(&Modell::RandUntenD), Qt::Key_Return);
    const Modell& m = t.u.m;
    EXPECT_EQ(std::tuple(m.LStärkeKurbelD, m.GelenkSteuerD, m.RandLinksD, m.RandRechtsD,
                         m.RandObenD, m.RandUntenD),
              std::tuple(1, 1, 70, 29, 99, 0));
    EXPECT_EQ(t.d.E(&Modell::RandRechtsD)->text(), "29");
    EXPECT_EQ(t.d.E(&Modell::LStärkeKurbelD)->text(), "1");
    // A change of the engine's data, but the picture is not redrawn.
    EXPECT_EQ(std::pair(t.ansichten.neuzeichnen, t.ansichten.geändert), std::pair(0, 1));

    t.Tippen(&Modell::LStärkeSteuerD, "x");
    t.d.Knopf_Übernehmen->click();
    EXPECT_EQ(t.Meldung().text, "Bild Drucken\n\nFalsche Eingabe!\nBitte erneut versuchen.");
}

TEST(F_BildDruck, CaptionsInBothLanguages) {
    Dialog t;
    auto texte = [&t] {
        return std::vector<QString>{t.d.windowTitle(), t.d.O_Quer->text(), t.d.K_Drucken->text(),
                                    t.d.Form()->Beschriftung(&Modell::RandLinksD)->text(),
                                    t.d.Form()->Beschriftung(&Modell::LStärkeRestD)->text()};
    };
    EXPECT_EQ(texte(), (std::vector<QString>{"Bild Drucken", "Querformat", "Drucken!", "Links",
                                             "Restelemente"}));
    SpracheEinstellen(t.u.sprache, SprachbasisEnglisch);
    t.d.WechselSprache();
    EXPECT_EQ(texte(), (std::vector<QString>{"Print Engine", "Horizontal formatting", "Print!",
                                             "Left", "Other elements"}));
}

} // namespace
} // namespace vapro
