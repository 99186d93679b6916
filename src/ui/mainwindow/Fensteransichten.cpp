#include "ui/mainwindow/Fensteransichten.h"

#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/views/F_Bild.h"

namespace vapro {

void Fensteransichten::Umlaufzeit(double sekunden) {
    h.Umlaufzeit(sekunden);
}

void Fensteransichten::SchrittMalen(Schrittfenster fenster) {
    h.SchrittMalen(fenster);
}
void Fensteransichten::DiagrammNeuzeichnen() {
    h.Neuzeichnen(Schrittfenster::Diagramm);
}

void Fensteransichten::TabelleAusgeben() {
    if (F_Tabelle* t = h.Tabelle()) t->Ausgeben();
}

void Fensteransichten::Ausgabe() {
    h.Ausgabe();
}
void Fensteransichten::BildZeichnen() {
    h.Bild().Zeichnen();
}
void Fensteransichten::DruckZeichnen() {
    h.DruckZeichnen();
}
void Fensteransichten::DatenGeändert() {
    h.Daten_Zustand();
}
void Fensteransichten::BildSkalieren() {
    h.Bild().Skalierung();
}
void Fensteransichten::BildNeuzeichnen() {
    h.Bild().Neuzeichnen();
}
void Fensteransichten::DrehrichtungsbilanzZeigen(int16_t bilanz) {
    h.DrehrichtungsbilanzZeigen(bilanz);
}

} // namespace vapro
