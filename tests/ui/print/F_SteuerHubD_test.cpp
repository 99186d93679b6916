// The valve-travel print window: the printer's figures, the grid controls of
// the calling graph, the print to a PDF file and its failures, the limits of
// the fields, and the way in from both graph windows.

#include "ui/print/F_SteuerHubD.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/views/F_SteuerHub.h"

namespace vapro {
namespace {

struct Dialog {
    test::Umgebung u;
    QTemporaryDir ordner;
    QString pdf = ordner.filePath("graph.pdf");
    std::unique_ptr<F_SteuerHubD> d;
    explicit Dialog(const char* aufrufer = "SteuerHub") {
        u.k.zustand.SteuerHubAufrufer = aufrufer;
        u.plattform.Drucker().setOutputFileName(pdf);
        d = std::make_unique<F_SteuerHubD>(u.k);
        d->DezimalzeichenSetzen('.');
        d->Form_Load();
    }
    QSize Anzeige() const { return {d->A_Breite->text().toInt(), d->A_Höhe->text().toInt()}; }
    std::pair<QString, Symbol> Meldung() {
        const auto& alle = u.plattform.Meldungen();
        EXPECT_EQ(alle.size(), 1u);
        return alle.empty() ? std::pair(QString(), Symbol::Keins)
                            : std::pair(alle.back().text, alle.back().symbol);
    }
};

const std::pair<QString, Symbol> kGesendet{"Druckauftrag erfolgreich an den Drucker gesendet.",
                                           Symbol::Information};
const std::pair<QString, Symbol> kProbleme{
    "Beim Drucken traten Probleme auf. Bitte Überprüfen Sie alle Parameter", Symbol::Stopp};

QString Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

TEST(F_SteuerHubD, ShowsThePrinterAndLandscapeSwapsHeightAndWidth) {
    Dialog t;
    const QPrinter& drucker = t.u.plattform.Drucker();
    EXPECT_EQ(t.d->A_Auflösung->text(), QString::number(drucker.resolution()));
    const QSize hoch = t.Anzeige();
    EXPECT_EQ(hoch, drucker.pageLayout().fullRectPixels(drucker.resolution()).size());
    EXPECT_TRUE(t.d->O_Hoch->isChecked() && hoch.height() > hoch.width());
    t.d->O_Quer->click();
    EXPECT_EQ(t.Anzeige(), hoch.transposed());
    t.d->O_Hoch->click();
    EXPECT_EQ(t.Anzeige(), hoch);
}

TEST(F_SteuerHubD, OffersTheGridOfTheCallingGraphOnly) {
    for (const bool wegGraph : {false, true}) {
        Dialog t(wegGraph ? "SteuerHubWeg" : "SteuerHub");
        F_SteuerHubD& d = *t.d;
        EXPECT_EQ(d.Achse(), wegGraph ? Hubachse::Kolbenweg : Hubachse::Kurbelwinkel);
        // Both grids are on by default; the valve-travel grid is off.
        EXPECT_EQ(d.C(&Modell::WinkelRaster)->isEnabled(), !wegGraph);
        EXPECT_EQ(d.E(&Modell::AbstandWinkel)->isEnabled(), !wegGraph);
        EXPECT_EQ(d.C(&Modell::KolbenWeg)->isEnabled(), wegGraph);
        EXPECT_EQ(d.E(&Modell::KolbenWegAbstand)->isEnabled(), wegGraph);
        EXPECT_TRUE(d.C(&Modell::WegRaster)->isEnabled());
        EXPECT_FALSE(d.E(&Modell::AbstandWeg)->isEnabled());
        // A check box applies at once and frees its distance.
        d.C(&Modell::WegRaster)->click();
        EXPECT_EQ(t.u.m.WegRaster, 1);
        EXPECT_TRUE(d.E(&Modell::AbstandWeg)->isEnabled());
        QCheckBox* eigener = d.C(wegGraph ? &Modell::KolbenWeg : &Modell::WinkelRaster);
        eigener->click();
        EXPECT_FALSE(
            d.E(wegGraph ? &Modell::KolbenWegAbstand : &Modell::AbstandWinkel)->isEnabled());
    }
}

TEST(F_SteuerHubD, PrintsOnePageInTheChosenOrientation) {
    for (const bool quer : {false, true}) {
        Dialog t;
        const auto lage = std::tuple(t.u.m.Winkel, t.u.m.SchieberY, t.u.m.Geometriestand);
        (quer ? t.d->O_Quer : t.d->O_Hoch)->click();
        t.d->K_Drucken->click();
        EXPECT_EQ(t.Meldung(), kGesendet);
        EXPECT_EQ(t.u.m.DruckenAktiv, 0);
        EXPECT_EQ(std::tuple(t.u.m.Winkel, t.u.m.SchieberY, t.u.m.Geometriestand), lage);
        const QString pdf = Inhalt(t.pdf);
        EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
        const auto seite = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(pdf);
        ASSERT_TRUE(seite.hasMatch());
        EXPECT_EQ(seite.captured(1).toDouble() > seite.captured(2).toDouble(), quer);
        // Thousands of curve points and shaded openings, not an empty page.
        EXPECT_GT(pdf.size(), 20000);
    }
}

TEST(F_SteuerHubD, FailedPrintSaysSo) {
    const std::pair<const char*, std::function<void(Dialog&)>> fälle[] = {
        {"the printer does not open",
         [](Dialog& t) {
             t.u.plattform.Drucker().setOutputFileName(t.ordner.filePath("fehlt/graph.pdf"));
         }},
        {"the rod cannot reach the crank pin", [](Dialog& t) { t.u.m.PLänge = 20; }},
    };
    for (const auto& [was, vorbereiten] : fälle) {
        Dialog t;
        vorbereiten(t);
        t.d->K_Drucken_Click();
        EXPECT_EQ(t.Meldung(), kProbleme) << was;
        EXPECT_EQ(t.u.m.DruckenAktiv, 0) << was;
    }
}

TEST(F_SteuerHubD, FieldsKeepTheirLimitsAndACancelledChooserPrintsNothing) {
    Dialog t;
    const std::pair<int16_t Modell::*, const char*> getippt[] = {
        {&Modell::DruckLinks, "70"},     {&Modell::DruckRechts, "40"}, {&Modell::DruckOben, "120"},
        {&Modell::DruckUnten, "5"},      {&Modell::Kuller, "0"},       {&Modell::GradPunkte, "500"},
        {&Modell::AbstandWinkel, "-15"}, {&Modell::AbstandWeg, "0"}};
    for (auto [feld, text] : getippt)
        t.d->E(feld)->setText(text);
    QTest::keyClick(t.d->E(&Modell::LStärke), Qt::Key_Return);
    const Modell& m = t.u.m;
    EXPECT_EQ(std::tuple(m.DruckLinks, m.DruckRechts, m.DruckOben, m.DruckUnten),
              std::tuple(70, 29, 99, 0));
    EXPECT_EQ(std::tuple(m.Kuller, m.GradPunkte, m.AbstandWinkel, m.AbstandWeg),
              std::tuple(1, 20, 1, 1));
    EXPECT_EQ(t.d->E(&Modell::GradPunkte)->text(), "20");

    t.u.plattform.druckerJa = false;
    t.d->E(&Modell::Kuller)->setText("4");
    t.d->K_Drucken_Click();
    EXPECT_EQ(m.Kuller, 4);
    EXPECT_TRUE(t.u.plattform.Meldungen().empty());
    EXPECT_FALSE(QFile::exists(t.pdf));
}

// From the graphs' pop-up menus, as the main window wires them; the graph
// may be closed before the page is printed.
TEST(F_SteuerHubD, OpensFromEitherGraphAndPrintsAfterItsGraphClosed) {
    test::Umgebung u;
    QTemporaryDir ordner;
    F_Haupt h{u.k};
    h.Form_Load({});
    for (const char* menü : {"M_SteuerHubWeg", "M_SteuerHub"}) {
        h.RahmenfensterZeigen(menü, true);
        auto* graph = dynamic_cast<F_SteuerHub*>(h.Rahmenfenster(menü));
        ASSERT_TRUE(graph);
        emit graph->M_Popup->aboutToShow();
        ASSERT_TRUE(graph->M_Drucken->isEnabled());
        u.m.FarbeSteuerHub = 0xC0FFC0;
        graph->M_Drucken->trigger();
        F_SteuerHubD* druck = h.SteuerHubD();
        ASSERT_TRUE(druck && druck->isVisible());
        EXPECT_EQ(druck->Achse(), graph->Graph().Achse()) << menü;
        EXPECT_EQ(u.m.FarbeSteuerHubD, 0xC0FFC0u);
    }
    h.RahmenfensterZeigen("M_SteuerHub", false);
    const QString pdf = ordner.filePath("graph.pdf");
    u.plattform.Drucker().setOutputFileName(pdf);
    h.SteuerHubD()->K_Drucken_Click();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_EQ(u.plattform.Meldungen()[0].symbol, Symbol::Information);
    EXPECT_TRUE(QFile::exists(pdf));
}

} // namespace
} // namespace vapro
