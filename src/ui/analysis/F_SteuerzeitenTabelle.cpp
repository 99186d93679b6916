#include "ui/analysis/F_SteuerzeitenTabelle.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/analysis/Steuerzeiten.h"
#include "core/analysis/Steuerzeitentabelle.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "render/Farben.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Meßwerte",
            .vorgabeTwips = 220,
            .titel = 800,
            .hilfe = HilfeKontext::Meßwerte,
            .farbe = &Modell::FarbeMeßwerte};
}

// Column widths in twips; column 4 and row 8 separate the two halves and
// the two cylinder ends.
constexpr int Spaltenbreite[SteuerzeitenSpalten] = {1100, 510, 700, 560, 100,
                                                    1100, 900, 510, 700, 560};
constexpr int Trennspalte = 4, Trennzeile = 8, Trennhöhe = 4;

bool Ereignisname(int zeile, int spalte) {
    return (spalte == 0 || spalte == 5) &&
           ((zeile >= 2 && zeile <= 5) || (zeile >= 10 && zeile <= 13));
}

bool Trennzelle(int zeile, int spalte) {
    return spalte == Trennspalte || zeile == Trennzeile ||
           (zeile == 0 && (spalte == 0 || spalte == 5));
}

// The numbers stand right-aligned, the words left.
bool Zahlenspalte(int spalte) {
    return spalte == 1 || spalte == 2 || spalte == 3 || spalte >= 7;
}

} // namespace

F_SteuerzeitenTabelle::F_SteuerzeitenTabelle(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QVBoxLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    T_Überschrift = new QLabel(this);
    raster->addWidget(T_Überschrift);
    auto* köpfe = new QHBoxLayout;
    köpfe->setSpacing(0);
    for (QLabel*& l : Ü_1) {
        l = new QLabel(this);
        köpfe->addWidget(l);
    }
    köpfe->addStretch();
    raster->addLayout(köpfe);

    G_Meß = new QTableWidget(SteuerzeitenZeilen, SteuerzeitenSpalten, this);
    G_Meß->horizontalHeader()->hide();
    G_Meß->verticalHeader()->hide();
    // The separators are narrower than a header would allow by default.
    G_Meß->horizontalHeader()->setMinimumSectionSize(1);
    G_Meß->verticalHeader()->setMinimumSectionSize(1);
    G_Meß->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G_Meß->setSelectionMode(QAbstractItemView::NoSelection);
    G_Meß->setFocusPolicy(Qt::NoFocus);
    G_Meß->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G_Meß->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int z = 0; z < SteuerzeitenZeilen; ++z)
        for (int s = 0; s < SteuerzeitenSpalten; ++s) {
            auto* zelle = new QTableWidgetItem;
            zelle->setTextAlignment((Zahlenspalte(s) ? Qt::AlignRight : Qt::AlignLeft) |
                                    Qt::AlignVCenter);
            G_Meß->setItem(z, s, zelle);
        }
    // The right button on the grid opens the window's menu too.
    G_Meß->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(G_Meß, &QWidget::customContextMenuRequested, this,
            [this](QPoint p) { M_Popup->popup(G_Meß->viewport()->mapToGlobal(p)); });
    raster->addWidget(G_Meß);

    // The events are found for inside admission too, so the old note that
    // they hold for outside admission only is not shown.
    T_Hinweis1 = new QLabel(this);
    raster->addWidget(T_Hinweis1);
}

// --- captions -----------------------------------------------------------------

void F_SteuerzeitenTabelle::WechselSprache() {
    Beschriftung();
    // On opening Einschreiben fills the table next.
    if (stand_) TabelleFüllen();
}

void F_SteuerzeitenTabelle::Einschreiben() {
    Beschriftung();
    // A loaded engine is not counted as changed until its recomputation.
    k.m.Steuerzeitensuche.gesucht = false;
    TabelleFüllen();
}

void F_SteuerzeitenTabelle::Beschriftung() {
    setWindowTitle(k.T(800));
    M_Infotext->setText(k.T(801));
    M_Hintergrundfarbe->setText(k.T(462));
    T_Überschrift->setText(k.T(802));
    T_Hinweis1->setText(k.T(803));
    for (int z = 0; z < SteuerzeitenZeilen; ++z)
        for (int s = 0; s < SteuerzeitenSpalten; ++s)
            if (Ereignisname(z, s)) G_Meß->item(z, s)->setForeground(QColor(255, 0, 0));
    MZ();
    Ü_1[0]->setText(k.T(805));
    Ü_1[1]->setText(k.T(806));

    const QString einheit = Q(k.m.Einheit);
    const QString grad = QString::fromUtf8("[°]"), prozent = QStringLiteral("[%]");
    for (int erste : {1, 9}) {
        // Captions of the end, then of its rows, left and right.
        const int text = erste == 1 ? 807 : 819;
        Zelle(erste, 0, k.T(text));
        Zelle(erste, 5, k.T(text + 5));
        for (int s : {1, 7})
            Zelle(erste, s, grad);
        for (int s : {2, 8})
            Zelle(erste, s, einheit);
        for (int s : {3, 9})
            Zelle(erste, s, prozent);
        for (int i = 1; i <= 4; ++i) {
            Zelle(erste + i, 0, k.T(text + i));
            Zelle(erste + i, 5, k.T(text + 5 + i));
        }
        Zelle(erste + 5, 5, k.T(text + 10));
        Zelle(erste + 6, 5, k.T(text + 11));
    }
    GrößeAnpassen();
}

void F_SteuerzeitenTabelle::MZ() {
    Dialograhmen::MZ();
    const QColor farbe = AlsQColor(k.m.FarbeMeßwerte);
    QPalette p = G_Meß->palette();
    p.setColor(QPalette::Window, farbe);
    G_Meß->setPalette(p);
    for (int z = 0; z < SteuerzeitenZeilen; ++z)
        for (int s = 0; s < SteuerzeitenSpalten; ++s)
            if (Trennzelle(z, s)) G_Meß->item(z, s)->setBackground(farbe);
}

void F_SteuerzeitenTabelle::GrößeAnpassen() {
    // The widths of the layout, wider where a caption or a number of this
    // font needs it, so that the values never widen the window while it runs.
    const int zahl = fontMetrics().horizontalAdvance(QStringLiteral("-0000.00")) + 8;
    int breite = 0, links = 0;
    for (int s = 0; s < SteuerzeitenSpalten; ++s) {
        int b = Spaltenbreite[s] / 15;
        if (s != Trennspalte) {
            G_Meß->resizeColumnToContents(s);
            b = std::max(b, G_Meß->columnWidth(s));
        }
        if (Zahlenspalte(s)) b = std::max(b, zahl);
        if (s == 6)
            for (int bezug = 831; bezug <= 834; ++bezug)
                b = std::max(b, fontMetrics().horizontalAdvance(k.T(bezug)) + 8);
        G_Meß->setColumnWidth(s, b);
        breite += b;
        if (s < 5) links += b;
    }
    const int zeile = fontMetrics().height() + 4;
    int höhe = 0;
    for (int z = 0; z < SteuerzeitenZeilen; ++z) {
        const int h = z == Trennzeile ? Trennhöhe : zeile;
        G_Meß->setRowHeight(z, h);
        höhe += h;
    }
    const int rand = 2 * G_Meß->frameWidth();
    G_Meß->setFixedSize(breite + rand, höhe + rand);
    // Each section title above its half of the grid.
    Ü_1[0]->setFixedWidth(links + G_Meß->frameWidth());
}

// --- values -------------------------------------------------------------------

void F_SteuerzeitenTabelle::Zelle(int zeile, int spalte, const QString& text) {
    G_Meß->item(zeile, spalte)->setText(text);
}

void F_SteuerzeitenTabelle::TabelleFüllen() {
    Modell& m = k.m;
    stand_ = StandVon(m);
    Steuerzeitenzellen zellen;
    try {
        // The port-face levels may be older than a file just loaded.
        SpiegelBerechnen(m);
        // The search leaves the solver at its last angle.
        if (SteuerzeitenSuchenWennNötig(m)) KinematikOhneBild(m);
        SteuerzeitenAuswerten(m);
        zellen = SteuerzeitenWerte(m, k.sprache, Dezimalzeichen());
    } catch (const GeometrieFehler&) {
        // The main window reports an engine that cannot turn; the table only
        // shows that it has no values.
        zellen = SteuerzeitenOhneWerte();
    }
    for (int z = 0; z < SteuerzeitenZeilen; ++z)
        for (int s = 0; s < SteuerzeitenSpalten; ++s)
            if (!zellen[static_cast<size_t>(z)][static_cast<size_t>(s)].empty())
                Zelle(z, s, Q(zellen[static_cast<size_t>(z)][static_cast<size_t>(s)]));
}

void F_SteuerzeitenTabelle::SchrittMalen() {
    // Turning alone moves no valve event: no search then.
    if (stand_ != StandVon(k.m)) TabelleFüllen();
}

} // namespace vapro
