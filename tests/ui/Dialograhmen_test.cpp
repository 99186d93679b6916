// The behaviour every input window shares, on a small dialog of three fields
// (crank radius, rod length, a 16-bit number) that rejects a radius <= 0; then
// the rows a dialog declares, applied in order, on a small dialog of crank radius (rejected <= 0,
// sets the stroke), rod length (never shorter than the stroke), a margin in a frame (0 ... 40),
// check boxes, a help line and a swept volume.

#include "ui/dialogs/Dialograhmen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

#include "render/Farben.h"
#include "tests/ui/Umgebung.h"

namespace vapro {
namespace {

class Probedialog : public Dialograhmen {
  public:
    // Settings stem, default place, title, help, colour, go on after bad input.
    explicit Probedialog(Kontext& k, bool weiter = false)
        : Dialograhmen(k, {"Probe", 80, 43, 2050, &Modell::FarbeKurbeltrieb, weiter}) {
        for (auto*& f : feld)
            f = Feld();
        KnopfÜbernehmenAnlegen(); // a third stop, so that up and down differ
    }
    void WechselSprache() override {}
    void Einschreiben() override {
        Zeigen(feld[0], k.m.KWRadius);
        Zeigen(feld[1], k.m.DrehzahlMax);
    }
    void Übernehmen() override {
        k.m.KWRadius = LiesEinzel(feld[0]);
        k.m.DrehzahlMax = LiesGanz(feld[1]);
    }
    std::array<QLineEdit*, 2> feld{};
};

struct Dialograhmen_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten; // silent views: the recomputation runs, the counter shows it
    Probedialog d{u.k};
    Dialograhmen_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
};

TEST_F(Dialograhmen_, KeyboardRules) {
    // Letters (also beyond ASCII) are swallowed, the characters of numbers pass.
    const std::pair<const char*, const char*> fälle[] = {
        {"12a3", "123"}, {"2.5e-3", "2.5-3"}, {"+7:Xy", "+7:"}, {"1 ", "1 "}};
    for (auto [getippt, ergebnis] : fälle) {
        d.feld[0]->clear();
        QTest::keyClicks(d.feld[0], getippt);
        EXPECT_EQ(d.feld[0]->text(), ergebnis) << getippt;
    }
    QTest::sendKeyEvent(QTest::Click, d.feld[0], Qt::Key_Adiaeresis, QStringLiteral("ä"), {});
    EXPECT_EQ(d.feld[0]->text(), "1 ");

    // Enter applies every field and moves on.
    d.feld[1]->setText("900");
    d.feld[0]->setFocus();
    QTest::keyClick(d.feld[0], Qt::Key_Return);
    EXPECT_EQ(std::pair(u.m.KWRadius, u.m.DrehzahlMax), std::pair(1.f, int16_t{900}));
    EXPECT_EQ(d.focusWidget(), d.feld[1]);
}

TEST_F(Dialograhmen_, FieldsAreTakenUpToTheFirstBadOneWithOneMessage) {
    const char *E = "Kurbeltrieb\n\nFalsche Eingabe!\nBitte erneut versuchen.", *G = "Geometrie";
    // Go on after a bad entry, decimal separator, typed texts, message start ("" none),
    // values afterwards (0 = unchanged), recomputed. Whole numbers are 16 bits, rounded
    // half to even; a crank longer than its rod is reported, not thrown.
    const std::tuple<bool, char, const char*, const char*, const char*, float, int, bool> fälle[] =
        {{false, '.', "61", "9x", E, 61, 0, false},
         {true, '.', "61", "9x", E, 61, 0, true},
         {false, '.', "10", "2.5", "", 10, 2, true},
         {false, '.', "300", "7", G, 300, 7, true},
         {false, ',', "2,25", "1", "", 2.25f, 1, true}};
    for (const auto& [weiter, komma, radius, ganz, meldung, r, n, neu] : fälle) {
        SCOPED_TRACE(testing::Message() << weiter << komma << radius << " " << ganz);
        test::Umgebung v;
        v.k.ansichten = &ansichten;
        Probedialog p(v.k, weiter);
        p.DezimalzeichenSetzen(komma);
        p.Form_Load();
        p.feld[0]->setText(radius);
        p.feld[1]->setText(ganz);
        p.Knopf_Übernehmen_Click();
        EXPECT_EQ(
            std::tuple(v.m.KWRadius, v.m.DrehzahlMax, v.m.Geometriestand),
            std::tuple(r ? r : u.m.KWRadius, n ? n : u.m.DrehzahlMax, u.m.Geometriestand + neu));
        // A bad field keeps what was typed unless the dialog refills it from the model.
        EXPECT_EQ(p.feld[1]->text(), weiter || !*meldung ? QString::number(v.m.DrehzahlMax) : ganz);
        ASSERT_EQ(v.plattform.Meldungen().size(), *meldung ? 1u : 0u);
        EXPECT_TRUE(!*meldung || v.plattform.Meldungen()[0].text.startsWith(meldung));
    }
}

TEST_F(Dialograhmen_, PositionIsKeptOnDeactivationAndRestored) {
    QPointer<Probedialog> p = new Probedialog(u.k);
    p->show();
    EXPECT_EQ(p->geometry().topLeft(), QPoint(80 / 15, 80 / 15)); // no main window beside it
    p->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p));
    p->setGeometry(QRect(QPoint(200, 120), p->size()));
    QWidget andere;
    andere.show();
    andere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&andere));
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Probe x", ""), "3000");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Probe y", ""), "1800");
    p->close(); // the window deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(p.isNull());
    Probedialog wieder(u.k);
    wieder.show();
    EXPECT_EQ(wieder.geometry().topLeft(), QPoint(200, 120));
}

TEST_F(Dialograhmen_, CancelledColourChooserChangesNothing) {
    const uint32_t vorher = u.m.FarbeKurbeltrieb;
    u.plattform.farben = {std::nullopt, QColor(10, 20, 30)};
    d.M_Hintergrundfarbe->trigger();
    EXPECT_EQ(u.m.FarbeKurbeltrieb, vorher);
    EXPECT_EQ(d.palette().color(QPalette::Window), AlsQColor(vorher));
    d.M_Hintergrundfarbe->trigger();
    EXPECT_EQ(u.m.FarbeKurbeltrieb, AlsFarbe(QColor(10, 20, 30)));
    EXPECT_EQ(d.palette().color(QPalette::Window), QColor(10, 20, 30));
}

std::vector<Zeile> Probezeilen() {
    using Z = Zeile;
    return {
        Z::Überschrift(1044),
        Z::Eingabe(&Modell::KWRadius, Schild::Länge, Reparatur([](double r, Modell& m) {
            Reparatur::AbweisenBis(0)(r, m);
            m.Hub = static_cast<float>(2 * r);
            return r;
        })),
        Z::Eingabe(&Modell::PLänge, Schild::Länge,
                   Reparatur([](double l, Modell& m) { return std::max(l, double{m.Hub}); })),
        Z::Gruppe(1095),
        Z::Eingabe(&Modell::RandObenP, Schild::Prozent, Reparatur::Bereich(0, 40)),
        Z::GruppeEnde(),
        Z::Kästchen(&Modell::KaJa),
        Z::Kästchen(&Modell::UmKonturJa),
        Z::Eingabe(HilfslinienIndex{2}, Schild::Keines, {}, 1101),
        Z::Anzeige(
            1054,
            [](const Modell& m) {
                return 3.14159265358979 / 4 * m.KDurchmesser * m.KDurchmesser * m.Hub;
            },
            Muster::Volumen, Schild::Volumen),
    };
}

class Formulardialog : public Dialograhmen {
  public:
    explicit Formulardialog(Kontext& k)
        : Dialograhmen(k, {"Formular", 80, 43, 2050, &Modell::FarbeKurbeltrieb}) {
        raster = new QGridLayout(this);
        FormularAnlegen(Probezeilen(), raster);
        raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
    }
    QGridLayout* raster;
};

struct Formular_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    Formulardialog d{u.k};
    Formular_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
};

TEST_F(Formular_, AppliesInOrderRepairingAndStopsAtTheFirstBadField) {
    const Modell vorher = u.m;
    // Typed radius, rod, margin, help line; stored radius, stroke, rod, margin,
    // box, help line (NaN = unchanged); whether the message comes.
    constexpr float alt = std::numeric_limits<float>::quiet_NaN();
    struct Fall {
        const char *radius, *stange, *rand, *linie;
        float r, hub, l;
        int rd;
        bool kasten;
        float h;
        bool meldung;
    };
    const Fall fälle[] = {
        // Repaired: the rod is never shorter than the new stroke, the margin at most 40.
        {"60", "100", "55", "1.5", 60, 120, 120, 40, true, 1.5f, false},
        // Rejected outright: nothing stored.
        {"0", "100", "5", "1", alt, alt, alt, -1, false, alt, true},
        // Not a number: what came before stays stored.
        {"30", "200", "5", "7x", 30, 60, 200, 5, true, alt, true},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message()
                     << f.radius << " " << f.stange << " " << f.rand << " " << f.linie);
        test::Umgebung v;
        v.k.ansichten = &ansichten;
        Formulardialog p(v.k);
        p.Form_Load();
        p.E(&Modell::KWRadius)->setText(f.radius);
        p.E(&Modell::PLänge)->setText(f.stange);
        p.E(&Modell::RandObenP)->setText(f.rand);
        p.C(&Modell::KaJa)->setChecked(false);
        p.E(HilfslinienIndex{2})->setText(f.linie);
        p.Knopf_Übernehmen_Click();
        auto erwartet = [](float neu, float alt) { return std::isnan(neu) ? alt : neu; };
        EXPECT_EQ(v.m.KWRadius, erwartet(f.r, vorher.KWRadius));
        EXPECT_EQ(v.m.Hub, erwartet(f.hub, vorher.Hub));
        EXPECT_EQ(v.m.PLänge, erwartet(f.l, vorher.PLänge));
        EXPECT_EQ(v.m.RandObenP, f.rd < 0 ? vorher.RandObenP : f.rd);
        EXPECT_EQ(v.m.KaJa, f.kasten ? 0 : vorher.KaJa);
        EXPECT_EQ(v.m.Hilfslinie[2], erwartet(f.h, vorher.Hilfslinie[2]));
        ASSERT_EQ(v.plattform.Meldungen().size(), f.meldung ? 1u : 0u);
        // Repaired values show as repaired.
        if (!f.meldung) {
            EXPECT_EQ(p.E(&Modell::RandObenP)->text(), QString::number(f.rd));
        }
    }
}

} // namespace
} // namespace vapro
