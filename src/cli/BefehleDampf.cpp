// Steam table, operating figures, indicator-diagram numbers and saving.

#include "cli/Befehle_intern.h"
#include "core/analysis/Betriebswerte.h"
#include "core/analysis/Dampfdiagramm.h"
#include "core/analysis/Dampftafel.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/persist/Maschinendatei.h"
#include "core/persist/Start.h"

namespace vapro::cli {

namespace {

// The steam table of the engine's unit system; a table that cannot be used
// is a file error with message 3007.
Dampftafel TafelLaden(const Modell& m, const Aufruf& auf, const Sprache& sprache,
                      Dampftafelart& art) {
    art = DampftafelartFürEinheit(m.Einheit);
    DampftafelErgebnis e = DampftafelLadenFürSuche(DampftafelPfad(art, auf.datenordner), art);
    if (!e.Ok()) throw Dateifehler(DampftafelMeldung(sprache, *e.Fehler));
    return std::move(e.Tafel);
}

std::string Zeitstempel() {
    const Zeitpunkt jetzt = JetztLokal();
    return jetzt.Datum + ",  " + jetzt.Zeit;
}

} // namespace

void Sichern(const Modell& m, const Aufruf& auf, const Sprache& s) {
    const Speicherergebnis e = Speichern(m, std::filesystem::path(auf.ziel), s, Zeitstempel());
    if (!e.ok) throw Dateifehler(e.meldung);
}

void Dampf(const Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus) {
    Dampftafelart art;
    const Dampftafel tafel = TafelLaden(m, auf, s, art);
    const auto zeile = DampfzustandSuchen(tafel, static_cast<float>(auf.druck), art);
    if (!zeile) throw Dateifehler("no steam-table row at or above this pressure");
    aus.Wert("Druck", static_cast<float>(zeile->Druck));
    aus.Text("Sättigungstemperatur", zeile->Sättigungstemperatur);
    aus.Text("V2Strich", zeile->V2Strich);
    aus.Text("Tafel", DampftafelPfad(art, auf.datenordner).string());
}

void Kennzahlen(Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus) {
    m.Drehzahl = static_cast<int16_t>(auf.drehzahl);
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    const Dampfdiagramm d = DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(auf.breite));
    Dampftafelart art;
    const Dampftafel tafel = TafelLaden(m, auf, s, art);
    const Betriebswerte w = BetriebswerteBerechnen(m, d.PM, DampfzustandSuchen(tafel, m.PO1, art));
    aus.Wert("HubvolumenO", w.Volumina.HubvolumenO);
    aus.Wert("HubvolumenU", w.Volumina.HubvolumenU);
    aus.Wert("FüllungO", w.FüllungO);
    aus.Wert("FüllungU", w.FüllungU);
    aus.Wert("DampfvolumenMin", static_cast<float>(w.DampfvolumenMin));
    if (w.Sattdampf) {
        aus.Text("Sättigungstemperatur", w.Sattdampf->Sättigungstemperatur);
        aus.Text("V2Strich", w.Sattdampf->V2Strich);
    }
    if (w.DampfgewichtMin) aus.Wert("DampfgewichtMin", static_cast<float>(*w.DampfgewichtMin));
    aus.Wert("Kolbengeschwindigkeit", static_cast<float>(w.Kolbengeschwindigkeit));
    aus.Wert("PM", w.PM);
    aus.Wert("LeistungKW", static_cast<float>(w.LeistungKW));
    aus.Wert("WellenleistungKW", static_cast<float>(w.WellenleistungKW));
    aus.Wert("DrehmomentNm", static_cast<float>(w.DrehmomentNm));
}

void Diagramm(Modell& m, const Aufruf& auf, Ausgabe& aus) {
    const Dampfdiagramm d = DampfdiagrammNeuberechnen(m, DiagrammrahmenFürBreite(auf.breite));
    const std::pair<const char*, float> werte[] = {
        {"A", d.A},   {"V0", d.V0}, {"Vh", d.Vh}, {"Vt", d.Vt}, {"Vc", d.Vc},
        {"pe", d.pe}, {"pa", d.pa}, {"pf", d.pf}, {"PM", d.PM},
    };
    for (const auto& [name, wert] : werte)
        aus.Wert(name, wert);
    aus.Wert("Punkte", static_cast<int>(d.Punkte.size()));
}

} // namespace vapro::cli
