#pragma once
// Operating figures at the running speed: swept and clearance volumes, steam
// volume and weight, saturation data, piston speed, power and torque; the
// limits the operating-parameters entry enforces; and the speed slider.
//
// Everything here is computed from the model as it stands. The cut-off
// ratios are read from the evaluated valve events (`Oben.Füllung`,
// `Unten.Füllung`): run SteuerzeitenSuchen and SteuerzeitenAuswerten first
// whenever geometry, reversing angle or direction changed.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/Dampftafel.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro {

// --- Crank-drive volumes ------------------------------------------------------

// Swept and clearance volumes of both cylinder ends, in the length unit cubed:
// bore area less the rod's (the top rod may be 0) times stroke or clearance.
struct Kurbelvolumina {
    float HubvolumenO = 0, HubvolumenU = 0, FreiHubvolumenO = 0, FreiHubvolumenU = 0;
};

Kurbelvolumina KurbelvoluminaBerechnen(const Modell& m);
// Stores the volumes of the current geometry in the model's derived fields.
void KurbelvoluminaEintragen(Modell& m);

// --- Entry of the operating parameters -----------------------------------------

enum class Betriebsfeld : uint8_t {
    PO1,
    PO2,
    Überhitzung,
    DrehzahlMax,
    DrehzahlSchrittweite,
    Drehzahl,
    MechWirkungsgrad,
};

// The typed entries, already read as numbers; empty where the text was not one.
struct BetriebsparameterEingabe {
    std::optional<double> PO1, PO2, Überhitzung, DrehzahlMax, DrehzahlSchrittweite,
        MechWirkungsgrad;
};

struct BetriebsparameterÜbernahme {
    // First entry that was not a number; reading stopped there, the entries
    // before it are stored, the later ones are not.
    std::optional<Betriebsfeld> Fehlerfeld;
    // Fields a limit changed, in reading order (whole-number rounding of the
    // speed and efficiency fields does not count).
    std::vector<Betriebsfeld> Begrenzt;

    bool Ok() const { return !Fehlerfeld.has_value(); }
};

// Takes the entries into the model in reading order, limiting each:
//   PO1 to 1..500; PO2 to 0..PO1; Überhitzung to 1..1.3;
//   DrehzahlMax: above 10000 -> 10000, below 0.1 -> 0, then whole;
//   DrehzahlSchrittweite: at most DrehzahlMax and at least 1, then whole;
//   Drehzahl (not typed): at most DrehzahlMax;
//   MechWirkungsgrad: above 100 -> 100, below 0 -> 0.1, then whole (so 0).
// Whole numbers round halves to even.
BetriebsparameterÜbernahme BetriebsparameterÜbernehmen(Modell& m,
                                                       const BetriebsparameterEingabe& e);

// Puts values that did not come through the entry (a machine file) under
// the same limits, so that a step of 0 cannot reach the speed slider.
void BetriebsparameterReparieren(Modell& m);

// The message of a failed apply, in the current language.
std::string BetriebsparameterFehlertext(const Sprache& sprache);

// --- Speed slider ---------------------------------------------------------------

struct Drehzahlregler {
    int16_t Schritte = 0;    // the slider's maximum
    int16_t DrehzahlMax = 0; // Schritte × step, the maximum actually reachable
};

// Steps = DrehzahlMax / step, halves rounded up. Throws GeometrieFehler for a
// step below 1 (only a machine file can bring one) and on 16-bit overflow.
Drehzahlregler DrehzahlreglerEinrichten(int16_t drehzahlMax, int16_t schrittweite);

// --- Operating figures ------------------------------------------------------------

// The saturation data of the table row for PO1.
struct Sattdampfwerte {
    double Druck = 0;                 // row pressure, bara or psia
    std::string Sättigungstemperatur; // as the table shows it (°C / °F)
    std::optional<double> SättigungstemperaturZahl;
    std::string V2Strich;               // as shown (m³/kg / cu ft/lb)
    std::optional<double> V2StrichZahl; // as read from the text shown
};

struct Betriebswerte {
    bool MM = true; // unit key "[mm]"; anything else is inches
    int16_t Drehzahl = 0;
    Kurbelvolumina Volumina;
    float FüllungO = 0, FüllungU = 0; // cut-off ratios of the valve events
    // Steam admitted per revolution (swept volume × cut-off), length unit cubed.
    double DampfvolumenUmdrehungO = 0, DampfvolumenUmdrehungU = 0;
    // Q: steam admitted per minute, length unit cubed.
    double DampfvolumenMin = 0;
    // Empty when the table has no usable row for PO1.
    std::optional<Sattdampfwerte> Sattdampf;
    // Steam weight per minute and hour, kg (mm) or lb (inch); need a positive v''.
    std::optional<double> DampfgewichtMin, DampfgewichtStunde;
    double Kolbengeschwindigkeit = 0; // m/s (mm) or ft/s (inch)
    float PM = 0;                     // mean pressure the power rests on
    double LeistungKW = 0;            // theoretical indicated power
    int16_t MechWirkungsgrad = 0;
    double WellenleistungKW = 0; // indicated power × efficiency
    double DrehmomentNm = 0, DrehmomentFtLb = 0;

    double HubvolumenGesamt() const {
        return static_cast<double>(Volumina.HubvolumenO) + Volumina.HubvolumenU;
    }
    double DampfvolumenUmdrehung() const { return DampfvolumenUmdrehungO + DampfvolumenUmdrehungU; }
};

// Unit factors of the read-outs.
inline constexpr double KWzuPS = 1.36;
inline constexpr double KWzuHP = 1.34102;
inline constexpr double NmZuFtLb = 0.737562;

// The saturation data of a table row (empty if there is none).
std::optional<Sattdampfwerte> SattdampfAus(const std::optional<Dampfzustand>& zeile);

// Every figure at the model's speed `Drehzahl`. `PM` is the mean pressure of
// the last steam diagram; `dampf` the table row for PO1 (DampfzustandSuchen).
// A speed of 0 or less gives zero steam, power and torque.
Betriebswerte BetriebswerteBerechnen(const Modell& m, float PM,
                                     const std::optional<Dampfzustand>& dampf);

// --- Read-out texts -----------------------------------------------------------------

struct BetriebswerteTexte {
    // Volume grid: rows swept volume, cut-off in percent, steam per revolution;
    // columns top, bottom, total. Volumes in cm³ (mm) or cu in.
    std::array<std::array<std::string, 3>, 3> Volumentabelle;
    // Per minute in cm³ / dm³ / m³ (mm) or cu in / cu ft / blank (inch), per hour m³ or cu ft.
    std::string Dampfvolumen, DampfvolumenLiter, DampfvolumenKubikmeter, DampfvolumenStunde;
    // Blank when there is no steam row.
    std::string Sättigungstemperatur, V2Strich, Druck, DampfgewichtMin, DampfgewichtStunde;
    std::string Kolbengeschwindigkeit, PMittel;
    std::string LeistungPS, LeistungHP, LeistungKW, MechWirkungsgrad;
    std::string WellenleistungPS, WellenleistungHP, WellenleistungKW;
    std::string DrehmomentNm, DrehmomentFtLb;
};

BetriebswerteTexte BetriebswerteAnzeigen(const Betriebswerte& w, char dezimal = '.');

} // namespace vapro
