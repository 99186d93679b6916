#pragma once
// The one machine model of a program run: geometry, operating parameters,
// animation state, solver results, window flags and the settings of the
// picture, graph and print windows. Every window reads and writes this one
// instance; nothing here draws or touches a file.

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace vapro {

// Toolkit-style booleans: True = -1, False = 0.
inline constexpr int16_t Wahr = -1;
inline constexpr int16_t Falsch = 0;

// One valve event as found by the search: crank angle (-1 = not found) and
// the piston travel at that angle.
struct Steuerzeit {
    float Winkel = -1.0f;
    float Weg = 0.0f;
};

// A resulting event: angle from the dead centre named by Bezug
// (1 vor OT, 2 nach OT, 3 vor UT, 4 nach UT) and the piston's distance.
struct Steuerereignis {
    float Winkel = 0.0f;
    int16_t Bezug = 0;
    float Weg = 0.0f;
};

struct Steuerzeitergebnis {
    Steuerereignis Einlaßbeginn, Einlaßende, Auslaßbeginn, Auslaßende;
    float FüllungWeg = 0.0f;
    float Füllung = 0.0f;
    float KompressionWeg = 0.0f;
    float Kompression = 0.0f;
};

struct Modell {
    // --- crank drive ---
    float KWRadius = 0, Hub = 0, PLänge = 0, KsLänge = 0, KsDurchmesserU = 0, KsDurchmesserO = 0,
          KDicke = 0, KDurchmesser = 0, KUFreihub = 0, KOFreihub = 0;
    float HubvolumenO = 0, HubvolumenU = 0, FreiHubvolumenO = 0, FreiHubvolumenU = 0;

    // --- reversing gear ---
    int16_t Umsteuertyp = 1; // 1 Stephenson link, 0 single eccentric
    int16_t Einströmung = 0; // 1 inside admission, 0 outside
    float ExZentrizität = 0, ExRadius = 0, ExVorWinkel = 0, ExRückWinkel = 0, ExStangenlängeV = 0,
          ExStangenlängeR = 0, HeLänge = 0, BaLänge = 0, BaÜberstand = 0, BaRadius = 0, UmLänge = 0,
          UmMin = 0, UmMax = 0, ummx = 0, ummy = 0, ussmx = 0;
    int16_t Vorzeichen = -1;

    // --- valve chest ---
    float KaLaufO = 0, KaWeiO = 0, KaDamO = 0, KaWeiM = 0, KaDamU = 0, KaWeiU = 0, KaLaufU = 0,
          kaumx = 0, kaumy = 0, KaLänge = 0, SkBreite = 0, SkHöhe = 0, SkOben = 0, SkUnten = 0,
          KanallängeOben = 0, KanallängeUnten = 0, DFrischdampf = 0, DAbdampf = 0, SpieLänge = 0;

    // --- slide valve ---
    float SchiLänge = 0, SchiLaufO = 0, SchiLaufU = 0, SchiEO = 0, SchiEU = 0, SchiIO = 0,
          SchiIU = 0, SchiTiefe = 0, SchiInTiefe = 0, SchiMitte = 0, SstLänge = 0;
    int16_t SchieberEingabe = 1; // 1 laps entered, otherwise geometry

    // --- operating parameters ---
    float PO1 = 0, PO2 = 0, Überhitzung = 1;
    int16_t DrehzahlMax = 500, DrehzahlSchrittweite = 20, Drehzahl = 200;
    int16_t MechWirkungsgrad = 80;

    // --- animation state ---
    float Winkel = 0;   // degrees
    float UmWinkel = 0; // radians
    float WinkelSchritt = 10;
    bool Drehrichtung = true; // true: angle increasing
    int16_t Drehrichtungsbilanz = 0;
    int16_t Geometriestand = 0;
    // Every change counted since the program started, never reset (a loaded
    // file restarts `Geometriestand`): what views compare.
    uint32_t Änderungen = 0;
    // The engine differs from the last one loaded or saved (asks to save at exit).
    bool Geändert = false;
    std::string Einheit = "[mm]";
    std::string Druckeinheit = "[bar]";

    // --- solver results ---
    float KurbelX = 0, KurbelY = 0, KreuzkopfY = 0, kwegmm = 0, kwegproz = 0;
    float HebelX = 0, HebelY = 0, ExVorX = 0, ExVorY = 0, ExRückX = 0, ExRückY = 0;
    float BalkenVorX = 0, BalkenVorY = 0, BalkenRückX = 0, BalkenRückY = 0;
    float KulisseMitteX = 0, KulisseMitteY = 0, KulisseAnfang = 0, KulisseEnde = 0;
    float SteinY = 0, SteinWinkel = 0, SchieberY = 0;
    float SteinMin = 0, SteinMax = 0, Springen = 0, HubMin = 0, HubMax = 0, SchieHub = 0;
    float LetzterUmWinkel = 0;

    // Terms of the solver that depend only on the reversing angle or the link,
    // kept so that sweeps do not compute them again at every angle.
    struct Vorrat {
        float UmWinkel = std::numeric_limits<float>::quiet_NaN();
        double UmSin = 0, UmCos = 1;
        float BaLänge = std::numeric_limits<float>::quiet_NaN(), BaRadius = 0;
        float Sigma = 0;
    } Kinematikvorrat;

    // --- picture frame, set by the picture's scaling ---
    float Maßstab = 1, XKw = 0, XSteuerung = 0, BildHöhe = 0, YKwUnten = 0;
    // picture coordinates of the moving points
    float KurbelXBild = 0, KurbelYBild = 0, KreuzkopfYBild = 0, KolbenYBild = 0;
    float ummxBild = 0, ummyBild = 0, HebelXBild = 0, HebelYBild = 0;
    float ExVorXBild = 0, ExVorYBild = 0, ExRückXBild = 0, ExRückYBild = 0;
    float BalkenVorXBild = 0, BalkenVorYBild = 0, BalkenRückXBild = 0, BalkenRückYBild = 0;
    float KulisseMitteXBild = 0, KulisseMitteYBild = 0;
    float SteinXBild = 0, SteinYBild = 0, StangeVorXBild = 0, StangeVorYBild = 0;

    // --- port-face levels, heights above the crank-shaft centre ---
    float SpiegelU = 0, KaKanteUU = 0, KaKanteUO = 0, KaKanteMU = 0, KaKanteMO = 0, KaKanteOU = 0,
          KaKanteOO = 0, SpiegelO = 0;

    // --- valve events (not saved) ---
    Steuerzeit EinlaßAufOben, EinlaßZuOben, AuslaßAufOben, AuslaßZuOben;
    Steuerzeit EinlaßAufUnten, EinlaßZuUnten, AuslaßAufUnten, AuslaßZuUnten;
    Steuerzeitergebnis Oben, Unten;
    // What the raw events were last searched for: change count, angle step,
    // lever and direction (views searching in the same frame share a search).
    struct Suchstand {
        bool gesucht = false;
        uint32_t änderungen = 0;
        float winkelSchritt = 0, umWinkel = 0;
        bool drehrichtung = true;
    } Steuerzeitensuche;

    // --- window flags (True/False) ---
    int16_t BildZeigen = Wahr, DiagrammZeigen = Falsch, TabelleZeigen = Falsch,
            SteinZeigen = Falsch, SteuerHubZeigen = Falsch, SteuerHubWegZeigen = Falsch,
            SteuerzeitenZeigen = Falsch, MeßwerteZeigen = Falsch, KurbeltriebZeigen = Falsch,
            UmsteuerungZeigen = Falsch, SchiekaZeigen = Falsch, SchieberZeigen = Falsch,
            BetriebsparameterZeigen = Falsch, DampftafelZeigen = Falsch,
            DampftafelUSZeigen = Falsch, EinstellungZeigen = Falsch,
            SteuerungsverlaufZeigen = Falsch;
    int16_t TabelleAktualisieren = 1;

    // --- motion table layout ---
    float TabellenSchritt = 0;
    int16_t TabellenZeilen = 0, TabellenZeile = 0;

    // --- picture configuration ---
    int16_t RandObenP = 1, RandUntenP = 1, RandLinksP = 2;
    int16_t LStärkeKurbel = 3, GelenkKurbel = 50, LStärkeSteuer = 1, GelenkSteuer = 40,
            LStärkeGelenke = 1;
    float DEX = 0;
    int16_t KaJa = 1, SpieJa = 1, ZusZei = 1, KolbenstangendickeJa = 0, UmKonturJa = 0,
            HilfslinienZeigen = 0;
    std::array<float, 4> Hilfslinie{};
    float Balkenstärke = 0, UmHebelStärkeOben = 0, UmHebelStärkeUnten = 0;

    // --- engine-picture printing ---
    int16_t LStärkeKurbelD = 35, GelenkKurbelD = 35, LStärkeSteuerD = 6, GelenkSteuerD = 25,
            LStärkeGelenkeD = 4, LStärkeRestD = 4;
    // Page margins in percent of the page's width (left, right) and height
    // (top, bottom); kept for the session, not in the machine file.
    int16_t RandLinksD = 10, RandRechtsD = 10, RandObenD = 10, RandUntenD = 10;
    // 1 while the engine picture is drawn for the printer.
    int16_t DruckenAktiv = 0;

    // --- valve-travel printing (margins in percent and graph options) ---
    int16_t DruckOben = 2, DruckUnten = 60, DruckLinks = 12, DruckRechts = 3;
    int16_t Kuller = 3, Füllen = 1, GradPunkte = 2, Öffnung = 1, LStärke = 8, KStärke = 4;
    int16_t WinkelRaster = 1, AbstandWinkel = 15, KolbenWeg = 1, KolbenWegAbstand = 5,
            WegRaster = 0, AbstandWeg = 5;

    // --- valve-travel graphs and steam diagram ---
    int16_t usPerioden = 1, usKreis = 40, faden = 0, auslaß = 0;
    float DiagrammEinstellung1 = 5.0f, DiagrammEinstellung2 = 0.0f;

    // --- window background colours (red + 256 green + 65536 blue) ---
    uint32_t FarbeHaupt = 0xC0C0C0, FarbeBild = 0xFFFFFF, FarbeBildKonfiguration = 0xC0C0FF,
             FarbeKurbeltrieb = 0xFFFFC0, FarbeUmsteuerung = 0xC0E0FF, FarbeSchieka = 0xC0FFFF,
             FarbeSchieber = 0xC0FFC0, FarbeBetriebsparameter = 0xC0C000, FarbeDiagramm = 0xE0E0E0,
             FarbeDampftafel = 0xC0E0FF, FarbeDampftafelUS = 0xFFC0C0, FarbeBildDruck = 0xFFFFFF,
             FarbeSteuerHub = 0xFFFFFF, FarbeSteuerHubD = 0xFFFFFF, FarbeTabelle = 0xFFFFFF;
    // The valve-events graph and table keep no section in the machine file, so
    // their colours last for the run only.
    uint32_t FarbeSteuerzeiten = 0xFFFFFF, FarbeMeßwerte = 0xE0E0E0;
    // Of this session only: the machine file has no place for it.
    uint32_t FarbeEinstellung = 0xE0F0E0;

    // --- process state ---
    int16_t NächsterStart = 1;
    // Clock readings (seconds) of the last two passes through 0°; negative = none yet.
    double ZeitVorher = -1, ZeitAktuell = -1;
};

// Exactly "[mm]" is millimetres and bar; every other unit key means inches and psi.
inline bool IstMM(std::string_view einheit) {
    return einheit == "[mm]";
}
inline bool IstMM(const Modell& m) {
    return IstMM(m.Einheit);
}

} // namespace vapro
