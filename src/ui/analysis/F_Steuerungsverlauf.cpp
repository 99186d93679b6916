#include "ui/analysis/F_Steuerungsverlauf.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>
#include <sstream>

#include "core/analysis/SteuerungsverlaufCsv.h"
#include "core/model/Rechnen.h"
#include "core/persist/Pruefeinstellungen.h"
#include "render/Farben.h"
#include "ui/platform/Exportdialog.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/views/Bildflaeche.h"

namespace vapro {

namespace {

// Twips, as the settings keep window sizes.
constexpr int VorgabeBreite = 9000, VorgabeHöhe = 7200;

Rahmendaten Rahmen() {
    return {.stamm = "Steuerungsverlauf",
            .vorgabeTwips = 300,
            .titel = 920,
            .hilfe = HilfeKontext::Steuerungsverlauf,
            .farbe = nullptr,
            // Targets are settings of the checks, not of the engine.
            .neuberechnen = false,
            .vorgabeBreite = VorgabeBreite,
            .vorgabeHöhe = VorgabeHöhe};
}

} // namespace

F_Steuerungsverlauf::F_Steuerungsverlauf(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* außen = new QVBoxLayout(this);
    Reiter = new QTabWidget(this);
    außen->addWidget(Reiter);
    GraphSeiteBauen();
    TabelleSeiteBauen();
    PrüfungSeiteBauen();
    // The help of the page in front.
    connect(Reiter, &QTabWidget::currentChanged, this, [this](int seite) {
        HilfeSetzen(seite == 2 ? HilfeKontext::Konstruktionsprüfung
                               : HilfeKontext::Steuerungsverlauf);
    });

    // Pop-up: help, export of the graph, background colour.
    M_Export = new QAction(this);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Export);
    connect(M_Export, &QAction::triggered, this, [this] { M_Export_Click(); });
}

void F_Steuerungsverlauf::GraphSeiteBauen() {
    fläche_ = new Bildfläche(Reiter);
    Reiter->addTab(fläche_, QString());
    fläche_->beiNeuerGröße = [this] { Neuzeichnen(); };
}

void F_Steuerungsverlauf::WechselSprache() {
    setWindowTitle(k.T(920));
    M_Infotext->setText(k.T(922));
    M_Export->setText(k.T(950));
    M_Hintergrundfarbe->setText(k.T(924));
    Reiter->setTabText(0, k.T(925));
    Reiter->setTabText(1, k.T(926));
    Reiter->setTabText(2, k.T(900));
    PrüfungBeschriften();
    // Every text of the graph, the table and the checks in the new language.
    gezeigt_.reset();
    Auffrischen(true);
}

void F_Steuerungsverlauf::Einschreiben() {
    const Prüfgrenzen g = PrüfgrenzenLaden(k.speicher);
    const auto tabelle = PrüfgrenzenTabelle();
    for (size_t i = 0; i < tabelle.size(); ++i)
        Zeigen(E_Grenze[i], g.*tabelle[i].feld);
    Auffrischen(false);
}

void F_Steuerungsverlauf::SchrittMalen() {
    Auffrischen(false);
    Hebelmarke();
}

void F_Steuerungsverlauf::Neuzeichnen() {
    Auffrischen(true);
}

void F_Steuerungsverlauf::Auffrischen(bool graph) {
    const Steuerungsverlauf& v = k.verläufe.Für(k.m);
    const bool neu = gezeigt_ != k.verläufe.Berechnungen();
    if (neu) {
        gezeigt_ = k.verläufe.Berechnungen();
        TabelleFüllen(v);
        PrüfungFüllen();
    }
    if (!neu && !graph) return;
    ++neuzeichnungen_;
    fläche_->PufferAnpassen();
    if (fläche_->Puffer().isNull()) return;
    QPainter p(&fläche_->Puffer());
    p.setFont(font());
    bild_.Texte(Bildtexte());
    bild_.Dezimalzeichen(Dezimalzeichen());
    const Prüfgrenzen g = PrüfgrenzenLaden(k.speicher);
    bild_.Zeichnen(p, fläche_->Fläche(), v, Hintergrund(), std::pair(g.FüllungMin, g.FüllungMax));
    p.end();
    fläche_->update();
    Hebelmarke();
}

void F_Steuerungsverlauf::Hebelmarke() {
    if (fläche_->Puffer().isNull()) return;
    const auto vorher = bild_.MarkeX();
    QPainter p(&fläche_->Puffer());
    bild_.Hebelmarke(p, static_cast<float>(k.m.UmWinkel / Pi * 180.0));
    if (bild_.MarkeX() != vorher) fläche_->update();
}

void F_Steuerungsverlauf::GraphZeichnen(QPainter& p, QSizeF fläche) const {
    p.setFont(font());
    Steuerungsverlaufbild bild;
    bild.Texte(Bildtexte());
    bild.Dezimalzeichen(Dezimalzeichen());
    const Prüfgrenzen g = PrüfgrenzenLaden(k.speicher);
    bild.Zeichnen(p, fläche, k.verläufe.Für(k.m), Hintergrund(),
                  std::pair(g.FüllungMin, g.FüllungMax));
    bild.Hebellinie(p, static_cast<float>(k.m.UmWinkel / Pi * 180.0));
}

void F_Steuerungsverlauf::M_Export_Click() {
    // The table page gives the table's figures, the others the graph.
    if (Reiter->currentIndex() == 1) {
        CsvExportDialog(
            this, k,
            [this] {
                std::ostringstream out;
                SteuerungsverlaufCsvSchreiben(out, k.verläufe.Für(k.m));
                return out.str();
            },
            QStringLiteral("Steuerungsverlauf"));
        return;
    }
    BildExportDialog(
        this, k, fläche_->size(), [this](QPainter& p, QSizeF größe) { GraphZeichnen(p, größe); },
        QStringLiteral("Steuerungsverlauf"));
}

const QImage& F_Steuerungsverlauf::Bildpuffer() const {
    return fläche_->Puffer();
}

Verlaufbildtexte F_Steuerungsverlauf::Bildtexte() const {
    const QString einheit = " " + Q(k.m.Einheit);
    return {.Hebelachse = k.T(929),
            .Füllungsachse = k.T(927),
            .Untenachse = k.T(928) + einheit,
            .Oben = k.T(807),
            .Unten = k.T(819),
            .Vor = k.T(910),
            .Zurück = k.T(911),
            .Voreilen = k.T(930),
            .Steinspringen = k.T(407),
            .Leer = k.T(934)};
}

void F_Steuerungsverlauf::FarbeGeändert() {
    Neuzeichnen();
}

} // namespace vapro
