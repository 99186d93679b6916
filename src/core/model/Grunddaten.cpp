#include "core/model/Grunddaten.h"

#include "core/model/Felder.h"
#include "core/model/Fensterflaggen.h"

namespace vapro {

void Grundfarben(Modell& m) {
    m.FarbeBild = 0xFFFFFF;
    m.FarbeBildKonfiguration = 0xC0C0FF;
    m.FarbeKurbeltrieb = 0xFFFFC0;
    m.FarbeUmsteuerung = 0xC0E0FF;
    m.FarbeSchieka = 0xC0FFFF;
    m.FarbeSchieber = 0xC0FFC0;
    m.FarbeBetriebsparameter = 0xC0C000;
    m.FarbeDiagramm = 0xE0E0E0;
    m.FarbeDampftafel = 0xC0E0FF;
    m.FarbeDampftafelUS = 0xFFC0C0;
}

void Grundeinstellungen(Modell& m) {
    // picture configuration
    m.RandObenP = 1;
    m.RandUntenP = 1;
    m.RandLinksP = 2;
    m.LStärkeKurbel = 3;
    m.GelenkKurbel = 50;
    m.LStärkeSteuer = 1;
    m.GelenkSteuer = 40;
    m.LStärkeGelenke = 1;
    // picture printing
    m.LStärkeKurbelD = 35;
    m.GelenkKurbelD = 35;
    m.LStärkeSteuerD = 6;
    m.GelenkSteuerD = 25;
    m.LStärkeGelenkeD = 4;
    m.LStärkeRestD = 4;
    m.RandLinksD = m.RandRechtsD = m.RandObenD = m.RandUntenD = 10;
    // valve-travel printing
    m.DruckOben = 2;
    m.DruckUnten = 60;
    m.DruckLinks = 12;
    m.DruckRechts = 3;
    m.Kuller = 3;
    m.Füllen = 1;
    m.GradPunkte = 2;
    m.Öffnung = 1;
    m.LStärke = 8;
    m.KStärke = 4;
    m.WinkelRaster = 1;
    m.AbstandWinkel = 15;
    m.KolbenWeg = 1;
    m.KolbenWegAbstand = 5;
    m.WegRaster = 0;
    m.AbstandWeg = 5;
    // valve-travel graphs and steam diagram
    m.usPerioden = 1;
    m.usKreis = 40;
    m.faden = 0;
    m.auslaß = 0;
    m.DiagrammEinstellung1 = 5.0f;
    m.DiagrammEinstellung2 = 0.0f;
    // window flags
    for (int16_t Modell::*flagge : Fensterflaggen)
        m.*flagge = Falsch;
    m.BildZeigen = Wahr;
    // animation and operating state
    m.Drehrichtung = true;
    m.WinkelSchritt = 10;
    m.Geometriestand = 0;
    m.TabelleAktualisieren = 1;
    m.Einströmung = 0;
    m.Umsteuertyp = 1;
    m.Überhitzung = 1;
    m.Drehzahl = 200;
    m.DrehzahlMax = 500;
    m.DrehzahlSchrittweite = 20;
    m.MechWirkungsgrad = 80;
    m.DruckenAktiv = 0;
    m.NächsterStart = 1;
}

namespace {

// The geometry, valve and operating values and the picture settings of a
// default engine come from the field table.
void Grunddaten(Modell& m, bool mm) {
    Grundeinstellungen(m);
    m.Einheit = mm ? "[mm]" : "[inch]";
    m.Druckeinheit = mm ? "[bar]" : "[psi]";
    VorgabenSetzen(m, mm);
    m.Hub = 2 * m.KWRadius;
}

} // namespace

void GrunddatenMM(Modell& m) {
    Grunddaten(m, true);
}

void GrunddatenInch(Modell& m) {
    Grunddaten(m, false);
}

void GrunddatenFürEinheit(Modell& m, const std::string& einheit) {
    if (IstMM(einheit))
        GrunddatenMM(m);
    else
        GrunddatenInch(m);
}

} // namespace vapro
