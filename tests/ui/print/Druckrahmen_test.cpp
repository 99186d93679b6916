// Both print windows on one page frame: one page in the chosen orientation,
// failures that say so, field limits; then what each has of its own: the
// engine's page read back, the graph print's way in from both graphs; printing
// as the main window wires it.

#include "ui/print/Druckrahmen.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
#include "render/Maschinenbild.h"
#include "render/Maschinenseite.h"
#include "tests/render/Pdfseiten.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/print/F_BildDruck.h"
#include "ui/print/F_SteuerHubD.h"
#include "ui/views/F_Bild.h"
#include "ui/views/F_SteuerHub.h"

namespace vapro {
namespace {

// The frame's print page goes to the picture's dialog, as the main window forwards it.
struct Druckansichten : Ansichten {
    F_BildDruck* bild = nullptr;
    int neuzeichnen = 0, geändert = 0;
    void DruckZeichnen() override {
        if (bild) bild->SeiteDrucken();
    }
    void BildNeuzeichnen() override { ++neuzeichnen; }
    void DatenGeändert() override { ++geändert; }
};

// The engine picture's print window, or with `graph` the valve-travel graph's
// as that graph opened it; both print to a PDF file.
struct Dialog {
    test::Umgebung u;
    QTemporaryDir ordner;
    Druckansichten ansichten;
    QString pdf = ordner.filePath("seite.pdf");
    std::unique_ptr<Druckrahmen> d;
    explicit Dialog(const char* graph = nullptr) {
        u.k.ansichten = &ansichten;
        u.plattform.Drucker().setOutputFileName(pdf);
        if (graph) {
            u.k.zustand.SteuerHubAufrufer = graph;
            d = std::make_unique<F_SteuerHubD>(u.k);
        } else {
            d = std::make_unique<F_BildDruck>(u.k);
            ansichten.bild = static_cast<F_BildDruck*>(d.get());
        }
        d->DezimalzeichenSetzen('.');
        d->Form_Load();
    }
    // The one message so far, with its icon.
    std::pair<QString, Symbol> Meldung() {
        const auto& alle = u.plattform.Meldungen();
        EXPECT_EQ(alle.size(), 1u);
        return alle.empty() ? std::pair(QString(), Symbol::Keins)
                            : std::pair(alle.back().text, alle.back().symbol);
    }
};

constexpr const char* kBeide[] = {nullptr, "SteuerHub"};

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One page each way, more than an empty page (the graph's thousands of curve
// points and openings), the flag cleared and the graph's engine as it was.
TEST(Druckrahmen, PrintsOnePageInTheChosenOrientationAndClearsTheFlag) {
    QTemporaryDir ordner;
    QPrinter leer(QPrinter::HighResolution);
    leer.setOutputFileName(ordner.filePath("leer.pdf"));
    QPainter(&leer).end();
    const qsizetype mindestens = Inhalt(ordner.filePath("leer.pdf")).size() + 1000;
    for (const char* graph : kBeide)
        for (const bool quer : {false, true}) {
            SCOPED_TRACE(testing::Message() << (graph ? graph : "Bild") << " " << quer);
            Dialog t(graph);
            const auto lage = std::tuple(t.u.m.Winkel, t.u.m.SchieberY, t.u.m.Geometriestand);
            auto seitenmaß = [&t] {
                return QSize(t.d->A_Breite->text().toInt(), t.d->A_Höhe->text().toInt());
            };
            const QSize hoch = seitenmaß();
            (quer ? t.d->O_Quer : t.d->O_Hoch)->click();
            // Landscape swaps the shown height and width.
            EXPECT_EQ(seitenmaß(), quer ? hoch.transposed() : hoch);
            t.d->K_Drucken->click();
            EXPECT_EQ(t.Meldung(),
                      std::pair(QString("Druckauftrag erfolgreich an den Drucker gesendet."),
                                Symbol::Information));
            EXPECT_EQ(t.u.m.DruckenAktiv, 0);
            EXPECT_EQ(t.u.plattform.druckerGewählt, 1);
            if (graph) {
                EXPECT_EQ(std::tuple(t.u.m.Winkel, t.u.m.SchieberY, t.u.m.Geometriestand), lage);
            }
            const QString pdf = QString::fromLatin1(Inhalt(t.pdf));
            EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
            const auto seite =
                QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(pdf);
            ASSERT_TRUE(seite.hasMatch());
            EXPECT_EQ(seite.captured(1).toDouble() > seite.captured(2).toDouble(), quer);
            EXPECT_GT(pdf.size(), graph ? 20000 : mindestens);
        }
}

// A print that fails says so and leaves the flag clear: no later frame prints the picture.
TEST(Druckrahmen, FailedPrintSaysSoAndNoLaterFramePrints) {
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
    for (const char* graph : kBeide)
        for (const auto& [was, vorbereiten] : fälle) {
            SCOPED_TRACE(testing::Message() << (graph ? graph : "Bild") << ": " << was);
            Dialog t(graph);
            vorbereiten(t);
            t.d->K_Drucken_Click();
            EXPECT_EQ(t.Meldung(), std::pair(QString("Beim Drucken traten Probleme auf. Bitte "
                                                     "Überprüfen Sie alle Parameter"),
                                             Symbol::Stopp));
            EXPECT_EQ(t.u.m.DruckenAktiv, 0);
            if (graph) continue;
            t.u.m.PLänge = 270;
            t.u.plattform.Drucker().setOutputFileName(t.pdf);
            Schritt(t.u.m, t.ansichten);
            EXPECT_FALSE(QFile::exists(t.pdf));
        }
}

// Typed values and what is stored; a change of the data set that redraws
// nothing. Printing applies first; a cancelled chooser then prints nothing.
TEST(Druckrahmen, FieldsKeepTheirLimitsAndACancelledChooserPrintsNothing) {
    using M = Modell;
    using Felder = std::vector<std::tuple<int16_t Modell::*, const char*, int16_t>>;
    const std::pair<const char*, Felder> fälle[] = {
        {nullptr,
         {{&M::LStärkeKurbelD, "0", 1}, {&M::RandLinksD, "70", 70}, {&M::RandRechtsD, "40", 29}}},
        {"SteuerHub",
         {{&M::DruckLinks, "70", 70},
          {&M::DruckRechts, "40", 29},
          {&M::Kuller, "0", 1},
          {&M::AbstandWeg, "0", 1}}},
    };
    for (const auto& [graph, felder] : fälle) {
        Dialog t(graph);
        for (auto [feld, text, wert] : felder)
            t.d->E(feld)->setText(text);
        QTest::keyClick(t.d->E(std::get<0>(felder.front())), Qt::Key_Return);
        for (auto [feld, text, wert] : felder) {
            EXPECT_EQ(t.u.m.*feld, wert) << text;
            EXPECT_EQ(t.d->E(feld)->text(), QString::number(wert)) << text;
        }
        EXPECT_EQ(std::pair(t.ansichten.neuzeichnen, t.ansichten.geändert), std::pair(0, 1));

        t.u.plattform.druckerJa = false;
        t.d->E(std::get<0>(felder.front()))->setText("4");
        t.d->K_Drucken_Click();
        EXPECT_EQ(t.u.m.*std::get<0>(felder.front()), 4);
        EXPECT_FALSE(QFile::exists(t.pdf));
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
    t.d->Einschreiben();
    t.d->O_Quer->click();
    t.d->K_Drucken->click();
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

// From the graphs' pop-up menus, as the main window wires them; the graph
// may be closed before the page is printed.
using SteuerHubDImHauptfenster = test::MitHaupt;
TEST_F(SteuerHubDImHauptfenster, OpensFromEitherGraphAndPrintsAfterItsGraphClosed) {
    QTemporaryDir ordner;
    for (const char* menü : {"M_SteuerHubWeg", "M_SteuerHub"}) {
        auto* graph = Öffnen<F_SteuerHub>(menü);
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

struct HauptDruck : test::MitHaupt {
    QTemporaryDir ordner;
    void SetUp() override { h.Knopf_Start_Stop_Click(); } // stands still
};

TEST_F(HauptDruck, PrintFromThePicturesMenuKeepsTheScreenScale) {
    u.m.FarbeBild = 0x80FFFF;
    h.Bild().M_Drucken->trigger();
    F_BildDruck* druck = h.BildDruck();
    ASSERT_TRUE(druck && druck->isVisible());
    EXPECT_EQ(u.m.FarbeBildDruck, 0x80FFFFu) << "the print window takes the picture's colour";

    const float maßstab = u.m.Maßstab, xKw = u.m.XKw;
    const QString pdf = ordner.filePath("bild.pdf");
    u.plattform.Drucker().setOutputFileName(pdf);
    druck->K_Drucken_Click();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_EQ(u.plattform.Meldungen()[0].symbol, Symbol::Information);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(std::tuple(u.m.Maßstab, u.m.XKw, u.m.DruckenAktiv), std::tuple(maßstab, xKw, 0));

    // The following frames draw the screen only.
    QFile::remove(pdf);
    h.Knopf_Vor_Click();
    h.Knopf_Vor_Click();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(u.plattform.Meldungen().size(), 1u);
}

} // namespace
} // namespace vapro
