#include "core/model/Grunddaten.h"

#include "core/model/Rechnen.h"

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
    m.BildZeigen = Wahr;
    m.DiagrammZeigen = m.TabelleZeigen = m.SteinZeigen = m.SteuerHubZeigen = m.SteuerHubWegZeigen =
        m.SteuerzeitenZeigen = m.MeßwerteZeigen = m.KurbeltriebZeigen = m.UmsteuerungZeigen =
            m.SchiekaZeigen = m.SchieberZeigen = m.BetriebsparameterZeigen = m.DampftafelZeigen =
                m.DampftafelUSZeigen = Falsch;
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

// Settings both default sets write the same way.
void GemeinsameBildwerte(Modell& m) {
    m.Hilfslinie = {0, 0, 0, 0};
    m.Vorzeichen = -1;
    m.HilfslinienZeigen = 0;
    m.KaJa = m.SpieJa = m.ZusZei = 1;
    m.KolbenstangendickeJa = 0;
    m.UmKonturJa = 0;
    m.SchieberEingabe = 1;
}

} // namespace

void GrunddatenMM(Modell& m) {
    Grundeinstellungen(m);
    m.Einheit = "[mm]";
    m.Druckeinheit = "[bar]";
    GemeinsameBildwerte(m);
    // crank drive
    m.KWRadius = 51;
    m.Hub = 102;
    m.PLänge = 270;
    m.KsLänge = 120;
    m.KsDurchmesserU = 16;
    m.KsDurchmesserO = 0;
    m.KDicke = 20;
    m.KDurchmesser = 125;
    m.KUFreihub = 10;
    m.KOFreihub = 10;
    // reversing gear
    m.ExZentrizität = 15;
    m.ExRadius = 0;
    m.ExVorWinkel = -120;
    m.ExRückWinkel = 120;
    m.ExStangenlängeV = 300;
    m.ExStangenlängeR = 300;
    m.HeLänge = 150;
    m.BaLänge = 70;
    m.BaÜberstand = 20;
    m.BaRadius = 300;
    m.UmLänge = 50;
    m.UmMin = -45;
    m.UmMax = 45;
    m.ummx = 150.0f - 70.0f / 2.0f;
    m.ummy = 350;
    m.ussmx = 0;
    // valve chest
    m.KaLaufO = 20;
    m.KaWeiO = 12;
    m.KaDamO = 10;
    m.KaWeiM = 20;
    m.KaDamU = 10;
    m.KaWeiU = 12;
    m.KaLaufU = 20;
    m.kaumx = 20;
    m.kaumy = 375;
    m.KaLänge = 20;
    m.SkBreite = 50;
    m.SkHöhe = 40;
    m.SkOben = 10;
    m.SkUnten = 10;
    m.KanallängeOben = 70;
    m.KanallängeUnten = 70;
    m.DFrischdampf = 20;
    m.DAbdampf = 20;
    m.SpieLänge = 104;
    // slide valve
    m.SchiLänge = 74;
    m.SchiLaufO = 21;
    m.SchiLaufU = 21;
    m.SchiEO = 5;
    m.SchiEU = 5;
    m.SchiIO = 4;
    m.SchiIU = 4;
    m.SchiTiefe = 20;
    m.SchiInTiefe = 10;
    m.SstLänge = 75.5f;
    // operating parameters
    m.PO1 = 11;
    m.PO2 = 1;
    m.UmWinkel = static_cast<float>(40.0 * Pi / 180.0);
    // picture
    m.DEX = 150;
    m.Balkenstärke = 20;
    m.UmHebelStärkeOben = 38;
    m.UmHebelStärkeUnten = 28;
}

void GrunddatenInch(Modell& m) {
    Grundeinstellungen(m);
    m.Einheit = "[inch]";
    m.Druckeinheit = "[psi]";
    GemeinsameBildwerte(m);
    // crank drive
    m.KWRadius = 2;
    m.Hub = 4;
    m.PLänge = 8.6875f;
    m.KsLänge = 8.21875f;
    m.KsDurchmesserU = 0.5f;
    m.KsDurchmesserO = 0;
    m.KDicke = 1.25f;
    m.KDurchmesser = 3;
    m.KUFreihub = 0.21875f;
    m.KOFreihub = 0.21875f;
    // reversing gear
    m.ExZentrizität = 0.375f;
    m.ExRadius = 1.375f;
    m.ExVorWinkel = 125;
    m.ExRückWinkel = -125;
    m.ExStangenlängeV = 9.562f;
    m.ExStangenlängeR = 9.562f;
    m.HeLänge = 7.5f;
    m.BaLänge = 4;
    m.BaÜberstand = 0.125f;
    m.BaRadius = 10.9375f;
    m.UmLänge = 4;
    m.UmMin = -45;
    m.UmMax = 45;
    m.ummx = 4.75f;
    m.ummy = 12.625f;
    m.ussmx = 0;
    // valve chest
    m.KaLaufO = 0.5f;
    m.KaWeiO = 0.3125f;
    m.KaDamO = 0.3125f;
    m.KaWeiM = 0.5f;
    m.KaDamU = 0.3125f;
    m.KaWeiU = 0.3125f;
    m.KaLaufU = 0.5f;
    m.kaumx = 0.8125f;
    m.kaumy = 16.5812f;
    m.KaLänge = 1;
    m.SkBreite = 2.5f;
    m.SkHöhe = 1.625f;
    m.SkOben = 1.09375f;
    m.SkUnten = 1.09375f;
    m.KanallängeOben = 1.75f;
    m.KanallängeUnten = 1.75f;
    m.DFrischdampf = 0.75f;
    m.DAbdampf = 1.1f;
    m.SpieLänge = 2.75f;
    // slide valve
    m.SchiLänge = 2;
    m.SchiLaufO = 0.4375f;
    m.SchiLaufU = 0.4375f;
    m.SchiEO = 0.125f;
    m.SchiEU = 0.125f;
    m.SchiIO = 0;
    m.SchiIU = 0;
    m.SchiTiefe = 0.9375f;
    m.SchiInTiefe = 0.625f;
    m.SstLänge = 7.05f;
    // operating parameters
    m.PO1 = 165;
    m.PO2 = 5;
    m.UmWinkel = static_cast<float>(-14.0 * Pi / 180.0);
    // picture
    m.DEX = 7;
    m.Balkenstärke = 1.0f;
    m.UmHebelStärkeOben = 1.0f;
    m.UmHebelStärkeUnten = 1.0f;
}

void GrunddatenFürEinheit(Modell& m, const std::string& einheit) {
    if (IstMM(einheit))
        GrunddatenMM(m);
    else
        GrunddatenInch(m);
}

} // namespace vapro
