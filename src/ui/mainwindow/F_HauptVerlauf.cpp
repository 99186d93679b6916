// Undo and redo of changes to the engine, and the Edit menu that offers them.

#include <QAction>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/persist/Start.h"
#include "core/persist/Texte.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {

void F_Haupt::SchrittAufzeichnen(int name, const Modell& vorher) {
    k.zustand.verlauf.Aufzeichnen(name, vorher, k.m);
    VerlaufBeschriften();
}

void F_Haupt::VerlaufBeschriften() {
    const Verlauf& v = k.zustand.verlauf;
    auto beschriften = [this](const char* eintrag, int text, std::optional<int> schritt) {
        QAction& a = Menüeintrag(eintrag);
        a.setEnabled(schritt.has_value());
        // The step's name without the mnemonic of the menu it came from.
        const std::string name = schritt ? OhneKürzel(k.T(*schritt)).toStdString() : "";
        a.setText(schritt ? Q(Meldungstext(k.sprache.Text(text + 2), {{"|1", name}})) : k.T(text));
    };
    beschriften("M_Rückgängig", 471, v.NameRückgängig());
    beschriften("M_Wiederholen", 472, v.NameWiederholen());
}

void F_Haupt::VerlaufAnwenden(bool rückgängig) {
    Verlauf& v = k.zustand.verlauf;
    const std::string einheit = k.m.Einheit;
    if (!(rückgängig ? v.Rückgängig(k.m) : v.Wiederholen(k.m))) return;
    if (k.m.Einheit != einheit) {
        k.speicher.Schreiben(AbschnittVersion, "Einheit", k.m.Einheit);
        EinheitenAktualisieren();
    }
    Slider_UmWinkel_Einstellen();
    FensterNeuLaden();
    try {
        Neuberechnung(k.m, *k.ansichten, Anlass::Ansicht);
    } catch (const GeometrieFehler&) {
        Geometriefehler(2013);
    }
    k.m.Geändert = !v.AmGespeichertenStand(k.m);
    Daten_Zustand();
}

} // namespace vapro
