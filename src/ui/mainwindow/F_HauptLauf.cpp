// The animation part of the main window: timer, buttons and sliders.

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSlider>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/Fensteransichten.h"

namespace vapro {

void F_Haupt::Geometriefehler(int meldung) {
    // The engine was stopped; the message says so. "|1" stands for two line breaks.
    k.plattform.Meldung(this, Q(Meldungstext(k.sprache.Text(meldung), {{"|1", "\n\n"}})),
                        Symbol::Stopp);
}

void F_Haupt::Timer1_Timer() {
    // A tick that falls due inside a message box's event loop must not run
    // into the tick that opened the box.
    if (imTakt_) return;
    const QScopedValueRollback sperre(imTakt_, true);
    try {
        if (k.m.UmWinkel != UmWinkelAlt) {
            UmWinkelAlt = k.m.UmWinkel;
            DrehrichtungBestimmen(k.m);
        }
        const bool dreht = BilanzEntscheidend(k.m.Drehrichtungsbilanz);
        if (dreht) WinkelWeiter(k.m);
        T_Drehung->setVisible(!dreht);
        Schritt(k.m, *k.ansichten);
    } catch (const GeometrieFehler&) {
        if (Timer1.isActive()) Knopf_Start_Stop_Click();
        Geometriefehler(2013);
    }
}

void F_Haupt::Knopf_Start_Stop_Click() {
    if (Timer1.isActive()) {
        Timer1.stop();
        Knopf_Start_Stop->setText(QStringLiteral("Start"));
        return;
    }
    Timer1.start();
    Knopf_Start_Stop->setText(QStringLiteral("Stop"));
    try {
        DrehrichtungBestimmen(k.m);
    } catch (const GeometrieFehler&) {
        Timer1.stop();
        Knopf_Start_Stop->setText(QStringLiteral("Start"));
        Geometriefehler(2012);
    }
}

namespace {

// A single step or the 0° button: the engine stops first, then moves once.
template <typename F>
void Einzelschritt(QTimer& timer, QPushButton& knopf, F schritt, std::function<void()> fehler) {
    timer.stop();
    knopf.setText(QStringLiteral("Start"));
    try {
        schritt();
    } catch (const GeometrieFehler&) {
        fehler();
    }
}

} // namespace

void F_Haupt::Knopf_Vor_Click() {
    Einzelschritt(
        Timer1, *Knopf_Start_Stop,
        [this] {
            k.m.Drehrichtung = true;
            WinkelWeiter(k.m);
            Schritt(k.m, *k.ansichten);
        },
        [this] { Geometriefehler(2013); });
}

void F_Haupt::Knopf_Zurück_Click() {
    Einzelschritt(
        Timer1, *Knopf_Start_Stop,
        [this] {
            k.m.Drehrichtung = false;
            WinkelWeiter(k.m);
            Schritt(k.m, *k.ansichten);
        },
        [this] { Geometriefehler(2013); });
}

void F_Haupt::K_NullGrad_Click() {
    Einzelschritt(
        Timer1, *Knopf_Start_Stop,
        [this] {
            k.m.Winkel = 0;
            Neuberechnung(k.m, *k.ansichten, Anlass::Ansicht);
        },
        [this] { Geometriefehler(2013); });
}

void F_Haupt::Slider_Zeit_Scroll() {
    const int v = Slider_Zeit->value();
    if (v == 0) {
        Timer1.setInterval(1);
        Aus_Zeit->setText(QStringLiteral("0"));
        return;
    }
    Timer1.setInterval(25 * v);
    Aus_Zeit->setText(QString::number(25 * v));
}

void F_Haupt::Slider_Winkel_Scroll() {
    k.m.WinkelSchritt = static_cast<float>(Slider_Winkel->value() / 2.0);
    Aus_WinkelSchritt->setText(Q(FormatMuster(k.m.WinkelSchritt, "#0.0", Dezimalzeichen())));
}

void F_Haupt::Slider_UmWinkel_Scroll() {
    const int v = Slider_UmWinkel->value();
    k.m.UmWinkel = static_cast<float>(v * Pi / 180.0 * 0.5 * k.m.Vorzeichen);
    Aus_UmWinkel->setText(Q(FormatMuster(v / 2.0, "#0.0", Dezimalzeichen())));
    if (!Timer1.isActive() && k.ansichten) {
        try {
            Schritt(k.m, *k.ansichten);
        } catch (const GeometrieFehler&) {
            Geometriefehler(2013);
        }
    }
}

void F_Haupt::Slider_UmWinkel_Einstellen() {
    const QSignalBlocker sperre(Slider_UmWinkel);
    Slider_UmWinkel->setRange(static_cast<int>(RundeHalbGerade(2.0 * k.m.UmMin)),
                              static_cast<int>(RundeHalbGerade(2.0 * k.m.UmMax)));
    Einschreiben();
    SichtbarkeitSetzen();
}

void F_Haupt::SichtbarkeitSetzen() {
    const bool kulisse = k.m.Umsteuertyp == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{Aus_UmWinkel, T_SlUmst, Slider_UmWinkel,
                                                      T_Einheit[2], T_Springen, Aus_Springen})
        w->setVisible(kulisse);
}

} // namespace vapro
