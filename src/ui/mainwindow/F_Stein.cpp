#include "ui/mainwindow/F_Stein.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

#include "core/model/GeometrieFehler.h"
#include "core/model/Rechnen.h"
#include "ui/platform/Exportdialog.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/views/Bildflaeche.h"

namespace vapro {

namespace {

// Twips, as the settings keep window sizes.
constexpr int VorgabeBreite = 9000, VorgabeHöhe = 4800;

Rahmendaten Rahmen() {
    return {.stamm = "Stein",
            .vorgabeTwips = 110,
            .titel = 407,
            .hilfe = HilfeKontext::Steinspringen,
            .farbe = nullptr,
            .neuberechnen = false,
            .vorgabeBreite = VorgabeBreite,
            .vorgabeHöhe = VorgabeHöhe};
}

} // namespace

F_Stein::F_Stein(Kontext& kontext, QWidget* eltern) : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* außen = new QVBoxLayout(this);
    außen->setContentsMargins(0, 0, 0, 0);
    fläche_ = new Bildfläche(this);
    außen->addWidget(fläche_);
    fläche_->beiNeuerGröße = [this] { Neuzeichnen(); };
    // Pop-up: help, export of the graph, background colour.
    M_Export = new QAction(this);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Export);
    connect(M_Export, &QAction::triggered, this, [this] { M_Export_Click(); });
}

void F_Stein::WechselSprache() {
    setWindowTitle(k.T(407));
    M_Infotext->setText(k.T(949));
    M_Export->setText(k.T(950));
    M_Hintergrundfarbe->setText(k.T(924));
    // The axes are labelled in the new language too.
    if (!fläche_->Puffer().isNull()) Neuzeichnen();
}

const QImage& F_Stein::Bildpuffer() const {
    return fläche_->Puffer();
}

void F_Stein::Neuzeichnen() {
    ++neuzeichnungen_;
    stand_ = StandVon(k.m);
    k.verläufe.Für(k.m);
    verlauf_ = k.verläufe.Berechnungen();
    weg_.reset();
    try {
        Modell kopie = k.m;
        SpiegelBerechnen(kopie);
        weg_ = SteinwegBerechnen(kopie);
    } catch (const GeometrieFehler&) {
        // The graph says that the gear does not go round here; the other
        // windows report why.
    }
    fläche_->PufferAnpassen();
    if (fläche_->Puffer().isNull()) return;
    QPainter p(&fläche_->Puffer());
    GraphZeichnen(p, fläche_->Fläche(), bild_);
    fläche_->update();
}

void F_Stein::GraphZeichnen(QPainter& p, QSizeF fläche, Steinspringbild& bild) const {
    const QString einheit = Q(k.m.Einheit);
    // "[mm]" on the axes, "mm" after a figure.
    const QString kurz = einheit.startsWith('[') && einheit.endsWith(']')
                             ? einheit.mid(1, einheit.size() - 2)
                             : einheit;
    bild.Texte({.Kurbelachse = k.T(946),
                .Lageachse = k.T(945) + " " + einheit,
                .Hebelachse = k.T(929),
                .Springachse = k.T(407) + " " + einheit,
                .Springen = k.T(407),
                .Einheit = kurz,
                .OT = k.T(1600),
                .UT = k.T(1601),
                .OhneKulisse = k.T(947),
                .Fehler = k.T(948)});
    bild.Dezimalzeichen(Dezimalzeichen());
    bild.Stellen(IstMM(k.m));
    p.setFont(font());
    bild.Zeichnen(p, fläche, weg_, k.m.Umsteuertyp != 1, k.verläufe.Für(k.m),
                  static_cast<float>(k.m.UmWinkel / Pi * 180.0), Hintergrund());
}

void F_Stein::M_Export_Click() {
    // A painter of its own, so that the window's markers keep their scale.
    BildExportDialog(
        this, k, fläche_->size(),
        [this](QPainter& p, QSizeF größe) {
            Steinspringbild bild;
            GraphZeichnen(p, größe, bild);
        },
        QStringLiteral("Steinspringen"));
}

void F_Stein::SchrittMalen() {
    k.verläufe.Für(k.m);
    if (stand_ != StandVon(k.m) || verlauf_ != k.verläufe.Berechnungen()) Neuzeichnen();
    if (fläche_->Puffer().isNull() || !weg_) return;
    QPainter p(&fläche_->Puffer());
    bild_.Schritt(p, k.m, k.m.faden == 1, Hintergrund());
    fläche_->update();
}

} // namespace vapro
