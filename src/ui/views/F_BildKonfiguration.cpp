#include "ui/views/F_BildKonfiguration.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "render/Farben.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Bild Konfiguration",
            .vorgabeTwips = 50,
            .titel = 90,
            .hilfe = HilfeKontext::BildKonfiguration,
            .farbe = &Modell::FarbeBildKonfiguration};
}

// Margins are percentages of the picture height; beyond 40 % on both sides
// nothing of the engine would be left.
int16_t Rand(int16_t prozent) {
    return std::clamp<int16_t>(prozent, 0, 40);
}

} // namespace

F_BildKonfiguration::F_BildKonfiguration(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    // Controls are created in tab order, which is also the order of reading.
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    int zeile = 0;
    auto beschriftung = [](QWidget* eltern, const QString& text = {}) {
        return new QLabel(text, eltern);
    };

    T_Überschrift = beschriftung(this);
    raster->addWidget(T_Überschrift, zeile++, 0, 1, 3);

    QLabel** randTitel[] = {&T_RandObenP, &T_RandUntenP, &T_RandLinksP};
    QLineEdit** randFeld[] = {&E_RandObenP, &E_RandUntenP, &E_RandLinksP};
    for (int i = 0; i < 3; ++i, ++zeile) {
        *randTitel[i] = beschriftung(this);
        *randFeld[i] = Feld();
        T_Prozent[i] = beschriftung(this, QStringLiteral("%"));
        raster->addWidget(*randTitel[i], zeile, 0);
        raster->addWidget(*randFeld[i], zeile, 1);
        raster->addWidget(T_Prozent[i], zeile, 2);
    }

    Fr_Kurven = new QGroupBox(this);
    auto* kurven = new QGridLayout(Fr_Kurven);
    QLabel** stärkeTitel[] = {&T_LStärkeKurbel, &T_GelenkKurbel, &T_LStärkeSteuer, &T_GelenkSteuer,
                              &T_LStärkeGelenke};
    QLineEdit** stärkeFeld[] = {&E_LStärkeKurbel, &E_GelenkKurbel, &E_LStärkeSteuer,
                                &E_GelenkSteuer, &E_LStärkeGelenke};
    for (int i = 0; i < 5; ++i) {
        *stärkeTitel[i] = beschriftung(Fr_Kurven);
        *stärkeFeld[i] = Feld(Fr_Kurven);
        T_Pixel[i] = beschriftung(Fr_Kurven, QStringLiteral("Pixel"));
        kurven->addWidget(*stärkeTitel[i], i, 0);
        kurven->addWidget(*stärkeFeld[i], i, 1);
        kurven->addWidget(T_Pixel[i], i, 2);
    }
    raster->addWidget(Fr_Kurven, zeile++, 0, 1, 3);

    T_DEX = beschriftung(this);
    E_DEX = Feld();
    T_Einheit = beschriftung(this);
    raster->addWidget(T_DEX, zeile, 0);
    raster->addWidget(E_DEX, zeile, 1);
    raster->addWidget(T_Einheit, zeile++, 2);

    QCheckBox** kästchen[] = {&C_SpieJa, &C_KaJa, &C_ZusZei, &C_KolbenstangendickeJa,
                              &C_UmKonturJa};
    for (QCheckBox** c : kästchen) {
        *c = new QCheckBox(this);
        raster->addWidget(*c, zeile++, 0, 1, 3);
    }
    // The one caption that is the same in both languages.
    C_UmKonturJa->setText(QStringLiteral("Steuerungskontur zeigen"));

    for (int i = 0; i < 4; ++i, ++zeile) {
        T_Hilfslinie[i] = beschriftung(this);
        E_Hilfslinie[i] = Feld();
        raster->addWidget(T_Hilfslinie[i], zeile, 0);
        raster->addWidget(E_Hilfslinie[i], zeile, 1);
    }
    C_HilfslinienZeigen = new QCheckBox(this);
    raster->addWidget(C_HilfslinienZeigen, zeile++, 0, 1, 3);

    raster->addWidget(KnopfÜbernehmenAnlegen(), zeile, 0, 1, 3);

    for (QCheckBox* c : Kästchen())
        connect(c, &QCheckBox::clicked, this, [this] { Knopf_Übernehmen_Click(); });
}

std::array<QCheckBox*, 6> F_BildKonfiguration::Kästchen() const {
    return {C_SpieJa, C_KaJa, C_ZusZei, C_KolbenstangendickeJa, C_UmKonturJa, C_HilfslinienZeigen};
}

void F_BildKonfiguration::WechselSprache() {
    // Caption and the following controls take consecutive texts.
    Knopf_Übernehmen->setText(k.T(200));
    setWindowTitle(k.T(90));
    T_Überschrift->setText(k.T(91));
    T_RandObenP->setText(k.T(92));
    T_RandUntenP->setText(k.T(93));
    T_RandLinksP->setText(k.T(94));
    Fr_Kurven->setTitle(k.T(95));
    T_LStärkeKurbel->setText(k.T(96));
    T_GelenkKurbel->setText(k.T(97));
    T_LStärkeSteuer->setText(k.T(98));
    T_GelenkSteuer->setText(k.T(99));
    T_LStärkeGelenke->setText(k.T(100));
    T_DEX->setText(k.T(101));
    C_SpieJa->setText(k.T(102));
    C_KaJa->setText(k.T(103));
    C_ZusZei->setText(k.T(104));
    C_KolbenstangendickeJa->setText(k.T(105));
    M_Infotext->setText(k.T(106));
    M_Hintergrundfarbe->setText(k.T(107));
    for (int i = 0; i < 4; ++i)
        T_Hilfslinie[i]->setText(k.T(108 + i));
    C_HilfslinienZeigen->setText(k.T(112));
}

void F_BildKonfiguration::MZ() {
    Dialograhmen::MZ();
    const QColor farbe = AlsQColor(k.m.FarbeBildKonfiguration);
    for (QCheckBox* c : Kästchen()) {
        QPalette p = c->palette();
        p.setColor(QPalette::Window, farbe);
        c->setPalette(p); // transparent: the window's colour shows through
    }
}

void F_BildKonfiguration::Einschreiben() {
    Zeigen(E_RandObenP, k.m.RandObenP);
    Zeigen(E_RandUntenP, k.m.RandUntenP);
    Zeigen(E_RandLinksP, k.m.RandLinksP);
    Zeigen(E_LStärkeKurbel, k.m.LStärkeKurbel);
    Zeigen(E_GelenkKurbel, k.m.GelenkKurbel);
    Zeigen(E_LStärkeSteuer, k.m.LStärkeSteuer);
    Zeigen(E_GelenkSteuer, k.m.GelenkSteuer);
    Zeigen(E_LStärkeGelenke, k.m.LStärkeGelenke);
    Zeigen(E_DEX, k.m.DEX);
    for (int i = 0; i < 4; ++i)
        Zeigen(E_Hilfslinie[i], k.m.Hilfslinie[i]);
    Zeigen(C_SpieJa, k.m.SpieJa);
    Zeigen(C_KaJa, k.m.KaJa);
    Zeigen(C_ZusZei, k.m.ZusZei);
    Zeigen(C_KolbenstangendickeJa, k.m.KolbenstangendickeJa);
    Zeigen(C_UmKonturJa, k.m.UmKonturJa);
    Zeigen(C_HilfslinienZeigen, k.m.HilfslinienZeigen);
    T_Einheit->setText(Q(k.einheiten.EinheitLänge));
}

void F_BildKonfiguration::Übernehmen() {
    k.m.RandObenP = Rand(LiesGanz(E_RandObenP));
    k.m.RandUntenP = Rand(LiesGanz(E_RandUntenP));
    k.m.RandLinksP = Rand(LiesGanz(E_RandLinksP));
    // Pen widths and joint sizes reach the drawing as they are.
    k.m.LStärkeKurbel = LiesGanz(E_LStärkeKurbel);
    k.m.GelenkKurbel = LiesGanz(E_GelenkKurbel);
    k.m.LStärkeSteuer = LiesGanz(E_LStärkeSteuer);
    k.m.GelenkSteuer = LiesGanz(E_GelenkSteuer);
    k.m.LStärkeGelenke = LiesGanz(E_LStärkeGelenke);
    k.m.DEX = LiesEinzel(E_DEX);
    k.m.KaJa = Wert(C_KaJa);
    k.m.SpieJa = Wert(C_SpieJa);
    k.m.ZusZei = Wert(C_ZusZei);
    k.m.KolbenstangendickeJa = Wert(C_KolbenstangendickeJa);
    k.m.UmKonturJa = Wert(C_UmKonturJa);
    for (int i = 0; i < 4; ++i)
        k.m.Hilfslinie[i] = LiesEinzel(E_Hilfslinie[i]);
    k.m.HilfslinienZeigen = Wert(C_HilfslinienZeigen);
}

} // namespace vapro
