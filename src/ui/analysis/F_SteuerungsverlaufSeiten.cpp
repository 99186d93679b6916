// The lever-range window's pages of numbers: the range as a table, and the
// design checks with their editable targets.

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <exception>
#include <string>

#include "core/numbers/Zahlenformat.h"
#include "core/persist/Pruefeinstellungen.h"
#include "ui/analysis/F_Steuerungsverlauf.h"

namespace vapro {

namespace {

// Pale cell colours of a pass and a warning.
const QColor Gut(0xD8, 0xF0, 0xD8), Warnung(0xFF, 0xE0, 0xA0);

QTableWidget* Tabelle(QWidget* eltern, int spalten) {
    auto* t = new QTableWidget(0, spalten, eltern);
    t->verticalHeader()->hide();
    // Rows of one line, so that a screen holds many of them.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    return t;
}

void Zelle(QTableWidget* t, int zeile, int spalte, const QString& text, bool zahl) {
    auto* z = new QTableWidgetItem(text);
    if (zahl) z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(zeile, spalte, z);
}

// The targets' captions, in the order of PrüfgrenzenTabelle.
constexpr std::array<int, 8> kGrenzenTexte{936, 937, 938, 939, 940, 941, 942, 943};

} // namespace

// --- the range as a table ------------------------------------------------------

void F_Steuerungsverlauf::TabelleSeiteBauen() {
    G_Verlauf = Tabelle(Reiter, 9);
    Reiter->addTab(G_Verlauf, QString());
}

void F_Steuerungsverlauf::TabelleFüllen(const Steuerungsverlauf& v) {
    const QString einheit = " " + Q(k.m.Einheit);
    G_Verlauf->setHorizontalHeaderLabels({k.T(929), k.T(902), k.T(906), k.T(930) + einheit,
                                          k.T(927), k.T(931), k.T(932), k.T(933) + einheit,
                                          k.T(407) + einheit});
    const char d = Dezimalzeichen();
    const std::string länge = v.MM ? "0.00" : "0.000";
    auto zahl = [d](std::optional<float> w, const std::string& muster) {
        return w ? Q(FormatMuster(*w, muster, d)) : QStringLiteral("---");
    };
    G_Verlauf->setUpdatesEnabled(false);
    G_Verlauf->setRowCount(static_cast<int>(v.Punkte.size() * 4));
    int zeile = 0;
    for (const Verlaufspunkt& p : v.Punkte)
        for (bool vor : {true, false})
            for (bool oben : {true, false}) {
                // Lead, cut-off, release, compression, port opening, die slip.
                const auto w = Verlaufswerte(p, vor, oben);
                constexpr std::array<bool, 6> lang{true, false, false, false, true, true};
                Zelle(G_Verlauf, zeile, 0, Q(FormatMuster(p.UmWinkelGrad, "0.0#", d)), true);
                Zelle(G_Verlauf, zeile, 1, k.T(vor ? 910 : 911), false);
                Zelle(G_Verlauf, zeile, 2, k.T(oben ? 807 : 819), false);
                for (size_t i = 0; i < w.size(); ++i)
                    Zelle(G_Verlauf, zeile, static_cast<int>(3 + i),
                          zahl(w[i], lang[i] ? länge : std::string("0.0")), true);
                ++zeile;
            }
    G_Verlauf->resizeColumnsToContents();
    G_Verlauf->setUpdatesEnabled(true);
}

// --- the design checks -----------------------------------------------------------

void F_Steuerungsverlauf::PrüfungSeiteBauen() {
    auto* seite = new QWidget(Reiter);
    auto* spalte = new QVBoxLayout(seite);
    G_Prüfung = Tabelle(seite, 7);
    spalte->addWidget(G_Prüfung, 1);
    T_Prüfung = new QLabel(seite);
    spalte->addWidget(T_Prüfung);

    grenzenRahmen_ = new QGroupBox(seite);
    auto* raster = new QGridLayout(grenzenRahmen_);
    for (size_t i = 0; i < PrüfgrenzenTabelle().size(); ++i) {
        auto* schild = new QLabel(grenzenRahmen_);
        QLineEdit* feld = Feld(grenzenRahmen_);
        const int z = static_cast<int>(i % 4), s = static_cast<int>(i / 4) * 2;
        raster->addWidget(schild, z, s);
        raster->addWidget(feld, z, s + 1);
        grenzenSchilder_.push_back(schild);
        E_Grenze.push_back(feld);
    }
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch(1);
    Knopf_Vorgaben = new QPushButton(grenzenRahmen_);
    knöpfe->addWidget(Knopf_Vorgaben);
    knöpfe->addWidget(KnopfÜbernehmenAnlegen(grenzenRahmen_));
    raster->addLayout(knöpfe, 4, 0, 1, 4);
    spalte->addWidget(grenzenRahmen_);
    connect(Knopf_Vorgaben, &QPushButton::clicked, this, [this] {
        const Prüfgrenzen vorgabe;
        const auto tabelle = PrüfgrenzenTabelle();
        for (size_t i = 0; i < tabelle.size(); ++i)
            Zeigen(E_Grenze[i], vorgabe.*tabelle[i].feld);
        Knopf_Übernehmen_Click();
    });
    Reiter->addTab(seite, QString());
}

void F_Steuerungsverlauf::PrüfungBeschriften() {
    grenzenRahmen_->setTitle(k.T(935));
    for (size_t i = 0; i < grenzenSchilder_.size(); ++i)
        grenzenSchilder_[i]->setText(k.T(kGrenzenTexte[i]));
    Knopf_Vorgaben->setText(k.T(944));
    Knopf_Übernehmen->setText(k.T(200));
}

void F_Steuerungsverlauf::Übernehmen() {
    // All or nothing: a bad field leaves the kept targets as they were.
    Prüfgrenzen g;
    const auto tabelle = PrüfgrenzenTabelle();
    for (size_t i = 0; i < tabelle.size(); ++i)
        g.*tabelle[i].feld = LiesEinzel(E_Grenze[i]);
    PrüfgrenzenSpeichern(k.speicher, g);
    PrüfungFüllen();
    Neuzeichnen(); // the target band of the cut-off
}

void F_Steuerungsverlauf::PrüfungFüllen() {
    ergebnisse_.clear();
    const Steuerungsverlauf& v = k.verläufe.Für(k.m);
    if (const Modell* maschine = k.verläufe.Maschine(); maschine && !v.Punkte.empty()) {
        try {
            ergebnisse_ = Prüfen(*maschine, v, PrüfgrenzenLaden(k.speicher));
        } catch (const std::exception&) {
            ergebnisse_.clear(); // the page stays empty; the graph says why
        }
    }
    G_Prüfung->setHorizontalHeaderLabels(
        {k.T(901), k.T(902), k.T(903), k.T(904), k.T(905), k.T(906), k.T(907)});
    G_Prüfung->setRowCount(static_cast<int>(ergebnisse_.size()));
    const char d = Dezimalzeichen();
    auto zahl = [d](float w, std::string_view muster) { return Q(FormatMuster(w, muster, d)); };
    int zeile = 0, warnungen = 0;
    for (const Prüfergebnis& r : ergebnisse_) {
        // Values as the command line writes them, in the user's separator.
        const std::string_view muster = r.Art == Prüfart::VoreilenGleich
                                            ? (v.MM ? "0.000" : "0.0000")
                                        : r.Art == Prüfart::Drehrichtung ? "0"
                                                                         : "0.0";
        QString name = k.T(912 + static_cast<int>(r.Art));
        if (r.Art == Prüfart::VoreilenGleich) name += " " + Q(k.m.Einheit);
        QString ziel;
        if (std::isinf(r.Min))
            ziel = QString::fromUtf8("≤ ") + zahl(r.Max, muster);
        else if (std::isinf(r.Max))
            ziel = QString::fromUtf8("≥ ") + zahl(r.Min, muster);
        else
            ziel = zahl(r.Min, muster) + " … " + zahl(r.Max, muster);
        Zelle(G_Prüfung, zeile, 0, name, false);
        Zelle(G_Prüfung, zeile, 1, r.Vorwärts ? k.T(*r.Vorwärts ? 910 : 911) : QString(), false);
        Zelle(G_Prüfung, zeile, 2, r.Wert ? zahl(*r.Wert, muster) : QStringLiteral("---"), true);
        Zelle(G_Prüfung, zeile, 3, ziel, true);
        Zelle(G_Prüfung, zeile, 4, r.UmWinkelGrad ? zahl(*r.UmWinkelGrad, "0.0#") : QString(),
              true);
        Zelle(G_Prüfung, zeile, 5, r.Oben ? k.T(*r.Oben ? 807 : 819) : QString(), false);
        Zelle(G_Prüfung, zeile, 6, k.T(r.Bestanden ? 908 : 909), false);
        G_Prüfung->item(zeile, 6)->setBackground(r.Bestanden ? Gut : Warnung);
        if (!r.Bestanden) ++warnungen;
        ++zeile;
    }
    G_Prüfung->resizeColumnsToContents();
    if (ergebnisse_.empty())
        T_Prüfung->setText(k.T(934));
    else if (warnungen == 0)
        T_Prüfung->setText(k.T(923));
    else
        T_Prüfung->setText(
            Q(Meldungstext(k.sprache.Text(957), {{"|1", std::to_string(warnungen)}})));
}

} // namespace vapro
