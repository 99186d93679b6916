#include "ui/mainwindow/F_Haupt.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <stdexcept>

#include "core/model/Bewegungstabelle.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Start.h"
#include "render/Farben.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/mainwindow/Fensteransichten.h"
#include "ui/platform/F_Info.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfefenster.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/views/F_Bild.h"
#include "ui/views/F_BildKonfiguration.h"

namespace vapro {

namespace {

QLabel* Anzeigefeld(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for a signed number with decimals; a wider window gives it no more.
    l->setFixedWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 8);
    l->setAutoFillBackground(true);
    return l;
}

QLabel* Beschriftung(QWidget* eltern, const char* name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    return l;
}

QSlider* Schieber(QWidget* eltern, const char* name, int min, int max) {
    auto* s = new QSlider(Qt::Horizontal, eltern);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setMinimumWidth(220);
    return s;
}

} // namespace

F_Haupt::F_Haupt(Kontext& kontext, QWidget* eltern) : QMainWindow(eltern), k(kontext) {
    ansichten_ = std::make_unique<Fensteransichten>(*this);
    k.ansichten = ansichten_.get();
    SteuerelementeBauen();
    MenüsBauen();
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    RahmenfensterEinrichten();
    HilfeEinrichten();
    WechselSprache();
    MZ();
}

F_Haupt::~F_Haupt() {
    if (k.ansichten == ansichten_.get()) k.ansichten = nullptr;
    AllesSchließen();
}

void F_Haupt::SteuerelementeBauen() {
    auto* mitte = new QWidget(this);
    setCentralWidget(mitte);
    auto* haupt = new QVBoxLayout(mitte);

    // Sliders with their read-outs.
    auto* schieber = new QGridLayout;
    T_SlZeit = Beschriftung(mitte, "T_SlZeit");
    T_SlWinkel = Beschriftung(mitte, "T_SlWinkel");
    T_SlUmst = Beschriftung(mitte, "T_SlUmst");
    Slider_Zeit = Schieber(mitte, "Slider_Zeit", 0, 20);
    Slider_Winkel = Schieber(mitte, "Slider_Winkel", 1, 40);
    Slider_UmWinkel = Schieber(mitte, "Slider_UmWinkel", -90, 90);
    Aus_Zeit = Anzeigefeld(mitte, "Aus_Zeit");
    Aus_WinkelSchritt = Anzeigefeld(mitte, "Aus_WinkelSchritt");
    Aus_UmWinkel = Anzeigefeld(mitte, "Aus_UmWinkel");
    const std::array<std::tuple<QLabel*, QSlider*, QLabel*>, 3> zeilen{
        {{T_SlZeit, Slider_Zeit, Aus_Zeit},
         {T_SlWinkel, Slider_Winkel, Aus_WinkelSchritt},
         {T_SlUmst, Slider_UmWinkel, Aus_UmWinkel}}};
    for (int i = 0; i < 3; ++i) {
        auto [t, s, a] = zeilen[static_cast<size_t>(i)];
        schieber->addWidget(t, i, 0);
        schieber->addWidget(s, i, 1);
        schieber->addWidget(a, i, 2);
    }
    // The sliders take the window's width.
    schieber->setColumnStretch(1, 1);
    haupt->addLayout(schieber);
    connect(Slider_Zeit, &QSlider::valueChanged, this, [this] { Slider_Zeit_Scroll(); });
    connect(Slider_Winkel, &QSlider::valueChanged, this, [this] { Slider_Winkel_Scroll(); });
    connect(Slider_UmWinkel, &QSlider::valueChanged, this, [this] { Slider_UmWinkel_Scroll(); });

    // Buttons of the animation.
    auto* knöpfe = new QHBoxLayout;
    Knopf_Zurück = new QPushButton(mitte);
    K_NullGrad = new QPushButton(QString::fromUtf8("0°"), mitte);
    Knopf_Start_Stop = new QPushButton(QStringLiteral("Stop"), mitte);
    Knopf_Vor = new QPushButton(mitte);
    for (auto* b : {Knopf_Zurück, K_NullGrad, Knopf_Start_Stop, Knopf_Vor})
        knöpfe->addWidget(b);
    haupt->addLayout(knöpfe);
    connect(Knopf_Start_Stop, &QPushButton::clicked, this, [this] { Knopf_Start_Stop_Click(); });
    connect(Knopf_Vor, &QPushButton::clicked, this, [this] { Knopf_Vor_Click(); });
    connect(Knopf_Zurück, &QPushButton::clicked, this, [this] { Knopf_Zurück_Click(); });
    connect(K_NullGrad, &QPushButton::clicked, this, [this] { K_NullGrad_Click(); });

    // Read-outs of the position.
    auto* werte = new QGridLayout;
    T_Winkel = Beschriftung(mitte, "T_Winkel");
    T_kwegmm = Beschriftung(mitte, "T_kwegmm");
    T_KLproz = Beschriftung(mitte, "T_KLproz");
    T_Schieberhub = Beschriftung(mitte, "T_Schieberhub");
    T_Springen = Beschriftung(mitte, "T_Springen");
    T_Zeit = Beschriftung(mitte, "T_Zeit");
    Aus_Winkel = Anzeigefeld(mitte, "Aus_Winkel");
    aus_kwegmm = Anzeigefeld(mitte, "aus_kwegmm");
    Aus_kwegproz = Anzeigefeld(mitte, "Aus_kwegproz");
    Aus_SchieHub = Anzeigefeld(mitte, "Aus_SchieHub");
    Aus_Springen = Anzeigefeld(mitte, "Aus_Springen");
    A_Zeit = Anzeigefeld(mitte, "A_Zeit");
    for (size_t i = 0; i < T_Einheit.size(); ++i)
        T_Einheit[i] = Beschriftung(mitte, "T_Einheit");
    const std::array<std::tuple<QLabel*, QLabel*, QString>, 6> anzeigen{{
        {T_Winkel, Aus_Winkel, QString::fromUtf8("[°]")},
        {T_kwegmm, aus_kwegmm, {}},
        {T_KLproz, Aus_kwegproz, QStringLiteral("[%]")},
        {T_Schieberhub, Aus_SchieHub, {}},
        {T_Springen, Aus_Springen, {}},
        {T_Zeit, A_Zeit, QStringLiteral("[s]")},
    }};
    int einheit = 0;
    for (int i = 0; i < static_cast<int>(anzeigen.size()); ++i) {
        auto [t, a, rechts] = anzeigen[static_cast<size_t>(i)];
        werte->addWidget(t, i, 0);
        werte->addWidget(a, i, 1);
        if (rechts.isEmpty())
            werte->addWidget(T_Einheit[static_cast<size_t>(einheit++)], i, 2);
        else
            werte->addWidget(new QLabel(rechts, mitte), i, 2);
    }
    // Spare width goes right of the units, not into the read-outs.
    werte->setColumnStretch(3, 1);
    haupt->addLayout(werte);

    T_Drehung = Beschriftung(mitte, "T_Drehung");
    T_Drehung->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    // Its line is kept while hidden, so showing it moves and grows nothing;
    // a long text is cut rather than widening the window.
    QSizePolicy drehung(QSizePolicy::Ignored, QSizePolicy::Fixed);
    drehung.setRetainSizeWhenHidden(true);
    T_Drehung->setSizePolicy(drehung);
    T_Drehung->setMinimumHeight(T_Drehung->fontMetrics().height() + 4);
    T_Drehung->setVisible(false);
    haupt->addWidget(T_Drehung);

    // Buttons that open the other windows.
    auto* fenster = new QGridLayout;
    C_Bild = new QPushButton(mitte);
    C_Kurbeltrieb = new QPushButton(mitte);
    C_Umsteuerung = new QPushButton(mitte);
    C_Schieberkasten = new QPushButton(mitte);
    C_Schieber = new QPushButton(mitte);
    C_Betriebsparameter = new QPushButton(mitte);
    C_Dampfdiagramm = new QPushButton(mitte);
    const QPushButton* reihe[] = {C_Bild,     C_Kurbeltrieb,       C_Umsteuerung,  C_Schieberkasten,
                                  C_Schieber, C_Betriebsparameter, C_Dampfdiagramm};
    for (int i = 0; i < 7; ++i)
        fenster->addWidget(const_cast<QPushButton*>(reihe[i]), i / 4, i % 4);
    // The geometry dialogs, operating parameters and the steam diagram come later.
    for (auto* b : {C_Kurbeltrieb, C_Umsteuerung, C_Schieberkasten, C_Schieber, C_Betriebsparameter,
                    C_Dampfdiagramm})
        b->setEnabled(false);
    connect(C_Bild, &QPushButton::clicked, this, [this] { FensterZeigen(Fenster::Bild, true); });
    haupt->addLayout(fenster);

    // Spare height stays above the file line, which keeps to the bottom edge.
    haupt->addStretch(1);
    T_Dateiname = Beschriftung(mitte, "T_Dateiname");
    T_Dateiname->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    T_Dateiname->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    haupt->addWidget(T_Dateiname);
    T_Direkthilfe = Beschriftung(mitte, "T_Direkthilfe");
    T_Direkthilfe->setVisible(false);
}

QLabel& F_Haupt::Anzeige(const char* name) const {
    auto* l = findChild<QLabel*>(name);
    if (!l) throw std::out_of_range(name);
    return *l;
}

void F_Haupt::WechselSprache() {
    setWindowTitle(k.T(400));
    T_SlZeit->setText(k.T(401));
    T_SlWinkel->setText(k.T(402));
    T_SlUmst->setText(k.T(403));
    T_kwegmm->setText(k.T(404));
    T_KLproz->setText(k.T(405));
    T_Winkel->setText(k.T(406));
    T_Springen->setText(k.T(407));
    T_Schieberhub->setText(k.T(408));
    T_Zeit->setText(k.T(409));
    T_Drehung->setText(k.T(410));
    Knopf_Zurück->setText(k.T(201));
    Knopf_Vor->setText(k.T(203));
    M_Datei->setTitle(k.T(430));
    M_Bearbeiten->setTitle(k.T(470));
    M_Ansicht->setTitle(k.T(431));
    M_Einstellungen->setTitle(k.T(432));
    M_Geo->setTitle(k.T(451));
    M_Extras->setTitle(k.T(989));
    for (auto& [name, e] : einträge_)
        if (e.text) e.aktion->setText(k.T(e.text));
    // The window buttons carry the captions of their menu entries.
    // (without the menus' mnemonics, which would compete with the menu bar's)
    C_Bild->setText(OhneKürzel(k.T(438)));
    C_Kurbeltrieb->setText(OhneKürzel(k.T(447)));
    C_Umsteuerung->setText(OhneKürzel(k.T(448)));
    C_Schieberkasten->setText(OhneKürzel(k.T(449)));
    C_Schieber->setText(OhneKürzel(k.T(450)));
    C_Betriebsparameter->setText(OhneKürzel(k.T(452)));
    C_Dampfdiagramm->setText(OhneKürzel(k.T(445)));
    einträge_.at("M_Sprache")
        .aktion->setText(k.sprache.Sprachbasis == SprachbasisEnglisch ? "&Deutsch" : "&English");
    UmrechnenBeschriften();
    DirekthilfeTexte();
}

void F_Haupt::MZ() {
    const QColor c = AlsQColor(k.m.FarbeHaupt);
    HintergrundSetzen(*centralWidget(), c);
    for (QLabel* a : {Aus_Winkel, aus_kwegmm, Aus_kwegproz, Aus_SchieHub, Aus_Springen,
                      Aus_UmWinkel, Aus_WinkelSchritt, Aus_Zeit, A_Zeit})
        HintergrundSetzen(*a, c);
}

void F_Haupt::Einschreiben() {
    {
        const QSignalBlocker sperre(Slider_Winkel);
        Slider_Winkel->setValue(static_cast<int>(RundeHalbGerade(2.0 * k.m.WinkelSchritt)));
    }
    Slider_Winkel_Scroll();
    {
        const QSignalBlocker sperre(Slider_UmWinkel);
        Slider_UmWinkel->setValue(
            static_cast<int>(RundeHalbGerade(k.m.UmWinkel / Pi * 180.0 * 2.0 * k.m.Vorzeichen)));
    }
    Slider_UmWinkel_Scroll();
    // The delay read-out follows the slider, which keeps its position.
    Slider_Zeit_Scroll();
}

void F_Haupt::Ausgabe() {
    const char d = Dezimalzeichen();
    Aus_Winkel->setText(Q(FormatMuster(k.m.Winkel, WinkelMuster(k.m.WinkelSchritt), d)));
    aus_kwegmm->setText(Q(FormatMuster(k.m.kwegmm, "##0.0", d)));
    Aus_kwegproz->setText(Q(FormatMuster(k.m.kwegproz, "##0.0", d)));
    Aus_SchieHub->setText(Q(FormatMuster(k.m.SchieHub, "###0.00", d)));
    Aus_Springen->setText(Q(FormatMuster(k.m.Springen, "###0.00", d)));
}

void F_Haupt::Umlaufzeit(double sekunden) {
    A_Zeit->setText(Q(FormatMuster(sekunden, "0.00", Dezimalzeichen())));
}

// After a recomputation the read-outs show the position the engine stands in
// (also while it is stopped), not the direction score.
void F_Haupt::DrehrichtungsbilanzZeigen(int16_t) {
    Ausgabe();
}

void F_Haupt::Daten_Zustand() {
    VerlaufBeschriften();
    if (!k.zustand.Dateiname.empty()) {
        T_Dateiname->setText(Q(k.zustand.Dateiname));
        return;
    }
    T_Dateiname->setText(k.T(IstMM(k.m) ? 490 : 491) + k.T(k.m.Geändert ? 493 : 492));
}

void F_Haupt::contextMenuEvent(QContextMenuEvent* e) {
    M_Popup->popup(e->globalPos());
}

void F_Haupt::HilfeEinrichten() {
    namespace H = HilfeKontext;
    const std::pair<QWidget*, int> themen[] = {
        {Knopf_Start_Stop, H::Knopf_Start_Stop},
        {Knopf_Vor, H::Knopf_Vor},
        {Knopf_Zurück, H::Knopf_Zurück},
        {K_NullGrad, H::K_NullGrad},
        {Slider_Zeit, H::Slider_Zeit},
        {Slider_Winkel, H::Slider_Winkel},
        {Slider_UmWinkel, H::Slider_UmWinkel},
        {T_Dateiname, H::T_Dateiname},
        {T_KLproz, H::T_KLproz},
        {T_kwegmm, H::T_kwegmm},
        {T_Winkel, H::T_Winkel},
        {T_Springen, H::T_Springen},
        {T_Schieberhub, H::T_Schieberhub},
        {T_Zeit, H::T_Zeit},
        {T_Drehung, H::T_Drehung},
    };
    for (auto [w, thema] : themen) {
        w->setProperty("hilfe", thema);
        w->installEventFilter(this);
        hilfeSteuerelemente_.push_back(w);
    }
    auto verbinde = [this](const char* name, int thema) {
        connect(einträge_.at(name).aktion, &QAction::triggered, this,
                [this, thema] { k.plattform.Hilfe(thema); });
    };
    verbinde("M_Hilfedatei", H::Einführung);
    verbinde("M_Infotext_Hauptmenü1", H::Hauptfenster);
    verbinde("M_Infotext_Hauptmenü2", H::Hauptfenster);
    connect(einträge_.at("M_Direkthilfe").aktion, &QAction::triggered, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { k.plattform.Hilfe(H::Hauptfenster); });
}

// The direct-help texts are the controls' topics from the help file of the language.
void F_Haupt::DirekthilfeTexte() {
    for (QWidget* w : hilfeSteuerelemente_)
        w->setWhatsThis(Kurzhilfe(k, w->property("hilfe").toInt()));
}

bool F_Haupt::eventFilter(QObject* o, QEvent* e) {
    const QVariant thema = o->property("hilfe");
    if (thema.isValid()) {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            k.plattform.Hilfe(thema.toInt());
            return true;
        }
        // The help was the answer to the right button: no pop-up menu as well.
        if (e->type() == QEvent::ContextMenu) return true;
    }
    return QMainWindow::eventFilter(o, e);
}

} // namespace vapro
