#include "ui/print/F_BildDruck.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "render/Maschinenseite.h"
#include "tests/render/Pdfseiten.h"
#include "tests/ui/Umgebung.h"

namespace vapro {
namespace {

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
    // The one message so far, with its icon.
    std::pair<QString, Symbol> Meldung() {
        const auto& alle = u.plattform.Meldungen();
        EXPECT_EQ(alle.size(), 1u);
        return alle.empty() ? std::pair(QString(), Symbol::Keins)
                            : std::pair(alle.back().text, alle.back().symbol);
    }
};

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(F_BildDruck, ShowsThePrinterAndLandscapeSwapsHeightAndWidth) {
    Dialog t;
    const QPrinter& drucker = t.u.plattform.Drucker();
    EXPECT_EQ(t.d.A_Auflösung->text(), QString::number(drucker.resolution()));
    const QSize hoch = t.Anzeige();
    EXPECT_EQ(hoch, drucker.pageLayout().fullRectPixels(drucker.resolution()).size());
    EXPECT_TRUE(t.d.O_Hoch->isChecked() && hoch.height() > hoch.width());
    t.d.O_Quer->click();
    EXPECT_EQ(t.Anzeige(), hoch.transposed());
    EXPECT_EQ(drucker.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(F_BildDruck, PrintsOnePageInTheChosenOrientationAndClearsTheFlag) {
    QTemporaryDir ordner;
    QPrinter leer(QPrinter::HighResolution);
    leer.setOutputFileName(ordner.filePath("leer.pdf"));
    QPainter(&leer).end();
    for (const bool quer : {false, true}) {
        Dialog t;
        (quer ? t.d.O_Quer : t.d.O_Hoch)->click();
        t.d.K_Drucken->click();
        EXPECT_EQ(t.Meldung(),
                  std::pair(QString("Druckauftrag erfolgreich an den Drucker gesendet."),
                            Symbol::Information));
        EXPECT_EQ(t.u.m.DruckenAktiv, 0);
        EXPECT_EQ(t.u.plattform.druckerGewählt, 1);
        const QString pdf = QString::fromLatin1(Inhalt(t.pdf));
        EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
        const auto seite = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(pdf);
        ASSERT_TRUE(seite.hasMatch());
        EXPECT_EQ(seite.captured(1).toDouble() > seite.captured(2).toDouble(), quer);
        // More than an empty page: the engine is on it.
        EXPECT_GT(pdf.size(), Inhalt(ordner.filePath("leer.pdf")).size() + 1000);
    }
}

// The printed page read back: the engine stands inside the page's margins at
// the page's own scale (the margins of the picture itself, 1 % of the area's
// height at the bottom and 2 % at the left, as the screen picture has them).
TEST(F_BildDruck, PrintedPageHoldsTheEngineInsideItsMarginsAtThePageScale) {
    Dialog t;
    t.u.m.RandLinksD = 5;
    t.u.m.RandRechtsD = 30;
    t.u.m.RandObenD = 20;
    t.u.m.RandUntenD = 15;
    t.d.Einschreiben();
    t.d.O_Quer->click();
    t.d.K_Drucken->click();
    ASSERT_EQ(t.Meldung().second, Symbol::Information);
    const auto pdf = test::PdfLaden(t.pdf);
    ASSERT_TRUE(pdf);
    ASSERT_EQ(pdf->pageCount(), 1);
    // At 60 dpi a line of the print's widths is under two pixels wide.
    const QSize größe = (pdf->pagePointSize(0) * 60 / 72).toSize();
    ASSERT_GT(größe.width(), größe.height());
    const QRect tinte = test::Tinte(test::PdfSeite(*pdf, 0, größe));
    const QRectF bereich = Druckbereich(t.u.m, QSizeF(größe));
    const double h = bereich.height();
    EXPECT_NEAR(tinte.bottom(), bereich.bottom() - 0.01 * h, 3.0);
    EXPECT_NEAR(tinte.left(), bereich.left() + 0.02 * h, 3.0);
    EXPECT_NEAR(tinte.top(), bereich.top(), 3.0);
    EXPECT_LE(tinte.right(), bereich.right() + 2);
}

// A print that fails says so, leaves the flag clear, and no later frame prints.
TEST(F_BildDruck, FailedPrintSaysSoAndNoLaterFramePrints) {
    const std::pair<const char*, std::function<void(Dialog&)>> fälle[] = {
        {"the printer does not open",
         [](Dialog& t) {
             t.u.plattform.Drucker().setOutputFileName(t.ordner.filePath("fehlt/seite.pdf"));
         }},
        {"the rod cannot reach the crank pin",
         [](Dialog& t) {
             t.u.m.PLänge = 20;
             t.u.m.Winkel = 90;
         }},
    };
    for (const auto& [was, vorbereiten] : fälle) {
        Dialog t;
        vorbereiten(t);
        t.d.K_Drucken_Click();
        EXPECT_EQ(t.Meldung(), std::pair(QString("Beim Drucken traten Probleme auf. Bitte "
                                                 "Überprüfen Sie alle Parameter"),
                                         Symbol::Stopp))
            << was;
        EXPECT_EQ(t.u.m.DruckenAktiv, 0) << was;
        t.u.m.PLänge = 270;
        t.u.plattform.Drucker().setOutputFileName(t.pdf);
        Schritt(t.u.m, t.ansichten);
        EXPECT_FALSE(QFile::exists(t.pdf)) << was;
    }
}

TEST(F_BildDruck, FieldsKeepTheirLimitsAndApplyingRecomputesNothing) {
    Dialog t;
    const std::pair<int16_t Modell::*, const char*> getippt[] = {
        {&Modell::LStärkeKurbelD, "0"}, {&Modell::GelenkSteuerD, "-4"}, {&Modell::RandLinksD, "70"},
        {&Modell::RandRechtsD, "40"},   {&Modell::RandObenD, "120"},    {&Modell::RandUntenD, "5"}};
    for (auto [feld, text] : getippt)
        t.d.E(feld)->setText(text);
    QTest::keyClick(t.d.E(&Modell::RandUntenD), Qt::Key_Return);
    const Modell& m = t.u.m;
    EXPECT_EQ(std::tuple(m.LStärkeKurbelD, m.GelenkSteuerD, m.RandLinksD, m.RandRechtsD,
                         m.RandObenD, m.RandUntenD),
              std::tuple(1, 1, 70, 29, 99, 0));
    EXPECT_EQ(t.d.E(&Modell::RandRechtsD)->text(), "29");
    // A change of the engine's data, but the picture is not redrawn.
    EXPECT_EQ(std::pair(t.ansichten.neuzeichnen, t.ansichten.geändert), std::pair(0, 1));

    // Printing applies first; a cancelled chooser then prints nothing.
    t.u.plattform.druckerJa = false;
    t.d.E(&Modell::LStärkeKurbelD)->setText("20");
    t.d.K_Drucken_Click();
    EXPECT_EQ(m.LStärkeKurbelD, 20);
    EXPECT_TRUE(t.u.plattform.Meldungen().empty());
    EXPECT_FALSE(QFile::exists(t.pdf));
}

} // namespace
} // namespace vapro
