// The behaviour every input window shares, on a small dialog of three fields
// (crank radius, rod length, a 16-bit number) that rejects a radius <= 0.
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "Umgebung.h"
#include "dialogs/Dialograhmen.h"
#include "persist/Zahlenformat.h"
#include "render/Farben.h"

namespace vapro {
namespace {

class Probedialog : public Dialograhmen {
  public:
    Probedialog(Kontext& k, bool weiter)
        : Dialograhmen(k, {.stamm = "Probe",
                           .vorgabeTwips = 80,
                           .titel = 43,
                           .hilfe = 2050,
                           .rechenname = "Kurbeltrieb",
                           .farbe = &Modell::FarbeKurbeltrieb,
                           .weiterNachEingabefehler = weiter}) {
        auto* l = new QVBoxLayout(this);
        for (auto*& f : feld)
            l->addWidget(f = Feld());
        l->addWidget(KnopfÜbernehmenAnlegen());
    }
    void WechselSprache() override { setWindowTitle(k.T(43)); }
    void Einschreiben() override {
        Zeigen(feld[0], k.m.KWRadius);
        Zeigen(feld[1], k.m.PLänge);
        Zeigen(feld[2], k.m.DrehzahlMax);
    }
    void Übernehmen() override {
        const float r = LiesEinzel(feld[0]);
        if (r <= 0) Abweisen();
        k.m.KWRadius = r;
        k.m.PLänge = LiesEinzel(feld[1]);
        k.m.DrehzahlMax = LiesGanz(feld[2]);
    }
    std::array<QLineEdit*, 3> feld{};
};

struct Dialograhmen_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten; // silent views: the recomputation runs, the counter shows it
    Dialograhmen_() { u.k.ansichten = &ansichten; }

    void Tippen(Probedialog& d, std::array<const char*, 3> texte) {
        for (int i = 0; i < 3; ++i)
            d.feld[i]->setText(texte[i]);
    }
    QString Eingabefehlertext() const {
        return "Kurbeltrieb\n\nFalsche Eingabe!\nBitte erneut versuchen.";
    }
};

TEST_F(Dialograhmen_, CharacterFilterLetsOnlyNumberCharactersIntoFields) {
    const struct {
        QString getippt, ergebnis;
    } fälle[] = {
        {"12a3", "123"}, {"-1,5", "-1,5"}, {"2.5e-3", "2.5-3"}, {"+7:Xy", "+7:"}, {"1 ", "1 "},
    };
    Probedialog d(u.k, false);
    d.Form_Load();
    for (const auto& f : fälle) {
        d.feld[0]->clear();
        QTest::keyClicks(d.feld[0], f.getippt);
        EXPECT_EQ(d.feld[0]->text(), f.ergebnis) << f.getippt.toStdString();
    }
    // Beyond ASCII: umlauts and symbols are swallowed as well.
    QTest::sendKeyEvent(QTest::Click, d.feld[0], Qt::Key_Adiaeresis, QStringLiteral("ä"), {});
    QTest::sendKeyEvent(QTest::Click, d.feld[0], Qt::Key_section, QStringLiteral("§"), {});
    QTest::keyClick(d.feld[0], Qt::Key_Backspace);
    EXPECT_EQ(d.feld[0]->text(), "1");
}

TEST_F(Dialograhmen_, EnterAppliesEveryFieldAndMovesOn) {
    Probedialog d(u.k, false);
    d.Form_Load();
    Tippen(d, {"55", "250", "900"});
    const int16_t stand = u.m.Geometriestand;
    d.feld[0]->setFocus();
    QTest::keyClick(d.feld[0], Qt::Key_Return);
    EXPECT_EQ(u.m.KWRadius, 55.0f);
    EXPECT_EQ(u.m.PLänge, 250.0f);
    EXPECT_EQ(u.m.DrehzahlMax, 900);
    EXPECT_EQ(d.focusWidget(), d.feld[1]);
    EXPECT_EQ(u.m.Geometriestand, stand + 1);
    EXPECT_TRUE(u.plattform.meldungen.empty());

    QTest::keyClick(d.feld[1], Qt::Key_Down);
    EXPECT_EQ(d.focusWidget(), d.feld[2]);
    QTest::keyClick(d.feld[2], Qt::Key_Up);
    QTest::keyClick(d.feld[1], Qt::Key_Up);
    EXPECT_EQ(d.focusWidget(), d.feld[0]);
}

TEST_F(Dialograhmen_, BadEntryKeepsEarlierFieldsAndReportsOnce) {
    // Stop: nothing refilled, no recompute. Go on: refill and recompute anyway.
    for (const bool weiter : {false, true}) {
        test::Umgebung v;
        v.k.ansichten = &ansichten;
        const float stange = v.m.PLänge;
        const int16_t stand = v.m.Geometriestand, drehzahl = v.m.DrehzahlMax;
        Probedialog d(v.k, weiter);
        d.Form_Load();
        Tippen(d, {"61", "300x", "1"});
        d.Knopf_Übernehmen->click();
        EXPECT_EQ(v.m.KWRadius, 61.0f);
        EXPECT_EQ(v.m.PLänge, stange);
        EXPECT_EQ(v.m.DrehzahlMax, drehzahl);
        ASSERT_EQ(v.plattform.meldungen.size(), 1u);
        EXPECT_EQ(v.plattform.meldungen[0].text, Eingabefehlertext());
        EXPECT_EQ(v.plattform.meldungen[0].symbol, Symbol::Ausruf);
        EXPECT_EQ(d.feld[1]->text(), weiter ? Q(FormatAllgemein(stange)) : "300x");
        EXPECT_EQ(v.m.Geometriestand, weiter ? stand + 1 : stand);
    }
}

TEST_F(Dialograhmen_, WholeNumbersOutsideSixteenBitsAndRejectedValuesAreInputErrors) {
    const struct {
        const char *radius, *ganz;
        bool fehler;
        int16_t ergebnis;
    } fälle[] = {{"10", "40000", true, 500}, {"10", "-32768", false, -32768},
                 {"10", "2.5", false, 2},    {"10", "3.5", false, 4},
                 {"0", "7", true, 500},      {"1e39", "7", true, 500}};
    for (const auto& f : fälle) {
        test::Umgebung v;
        Probedialog d(v.k, false);
        d.Form_Load();
        Tippen(d, {f.radius, "300", f.ganz});
        d.Knopf_Übernehmen_Click();
        EXPECT_EQ(v.plattform.meldungen.size(), f.fehler ? 1u : 0u) << f.radius << " " << f.ganz;
        EXPECT_EQ(v.m.DrehzahlMax, f.ergebnis) << f.ganz;
    }
}

TEST_F(Dialograhmen_, ImpossibleGeometryIsReportedNotThrown) {
    Probedialog d(u.k, false);
    d.Form_Load();
    Tippen(d, {"60", "10", "500"}); // a rod shorter than the crank cannot turn
    d.Knopf_Übernehmen_Click();
    ASSERT_EQ(u.plattform.meldungen.size(), 1u);
    EXPECT_EQ(u.plattform.meldungen[0].symbol, Symbol::Stopp);
    EXPECT_TRUE(u.plattform.meldungen[0].text.startsWith("Geometriefehler    Kurbeltrieb\n\n"));
    EXPECT_EQ(u.m.PLänge, 10.0f);
}

TEST_F(Dialograhmen_, DecimalSeparatorOfTheUserReadsAndWrites) {
    Probedialog d(u.k, false);
    d.DezimalzeichenSetzen(',');
    u.m.KWRadius = 62.5f;
    d.Form_Load();
    EXPECT_EQ(d.feld[0]->text(), "62,5");
    Tippen(d, {"2,25", "300", "1"});
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(u.m.KWRadius, 2.25f);
    Tippen(d, {"2.5", "300", "1"});
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(u.m.KWRadius, 2.25f);
    EXPECT_EQ(u.plattform.meldungen.size(), 1u);
}

TEST_F(Dialograhmen_, PositionIsKeptOnDeactivationAndCloseAndRestored) {
    QPointer<Probedialog> d = new Probedialog(u.k, false);
    int geschlossen = 0;
    d->beimSchließen = [&] { ++geschlossen; };
    d->show();
    EXPECT_EQ(d->pos(), QPoint(80 / 15, 80 / 15));
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    d->move(200, 120);
    QWidget andere;
    andere.show();
    andere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&andere));
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Probe x", ""), "3000");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Probe y", ""), "1800");

    d->move(90, 60);
    d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
    EXPECT_EQ(geschlossen, 1);
    Probedialog wieder(u.k, false);
    wieder.Form_Load();
    EXPECT_EQ(wieder.pos(), QPoint(90, 60));
}

TEST_F(Dialograhmen_, ReopenedDialogShowsTheModelNotWhatWasTyped) {
    QPointer<Probedialog> d = new Probedialog(u.k, false);
    d->show();
    d->feld[0]->setText("77");
    d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(d.isNull());
    Probedialog wieder(u.k, false);
    wieder.show();
    EXPECT_EQ(wieder.feld[0]->text(), Q(FormatAllgemein(u.m.KWRadius)));
    EXPECT_NE(u.m.KWRadius, 77.0f);
}

TEST_F(Dialograhmen_, PopupOffersHelpAndBackgroundColour) {
    Probedialog d(u.k, false);
    d.show();
    QTest::mouseClick(&d, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(d.M_Popup->isVisible());
    d.M_Popup->close();
    d.M_Infotext->trigger();
    EXPECT_EQ(u.plattform.hilfen, std::vector<int>{2050});

    const uint32_t vorher = u.m.FarbeKurbeltrieb;
    u.plattform.farben = {std::nullopt, QColor(10, 20, 30)};
    d.M_Hintergrundfarbe->trigger();
    EXPECT_EQ(u.m.FarbeKurbeltrieb, vorher);
    EXPECT_EQ(d.palette().color(QPalette::Window), AlsQColor(vorher));
    d.M_Hintergrundfarbe->trigger();
    EXPECT_EQ(u.m.FarbeKurbeltrieb, 10u + 20u * 256 + 30u * 65536);
    EXPECT_EQ(d.palette().color(QPalette::Window), QColor(10, 20, 30));
}

} // namespace
} // namespace vapro
