#pragma once
// Automatic setting of the valve gear: moves the inputs the user frees,
// within their bounds, so that the weighted goals over the lever range come
// out as small as the search can make them in its time. A designer does the
// same by trial: shift an eccentric a degree, lengthen a rod, look again.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/Konstruktionspruefung.h"
#include "core/analysis/Steuerungsverlauf.h"
#include "core/model/Felder.h"
#include "core/model/Modell.h"

namespace vapro {

// --- what may move ---------------------------------------------------------

// An input the setting may move: a field of the model by its name.
struct Stellgröße {
    std::string_view name;
    bool nurKulisse; // part of the link motion; moves nothing on a fixed eccentric
};
// The eccentric angles and rods, the valve rod, the four laps, the
// suspension and link dimensions and the reversing-shaft position.
std::span<const Stellgröße> Stellgrößen();
// Nothing for a name that is no such input; "ae", "oe", "ue" stand for the umlauts.
const Stellgröße* StellgrößeSuchen(std::string_view name);

// Bounds an input gets when the user names none: ±10° for an angle, ±10 %
// of the value for a length (of the stroke for a length of 0).
struct Grenzen {
    double min = 0, max = 0;
};
Grenzen Vorgabegrenzen(const Modell& m, const Feld& f);

struct FreieEingabe {
    const Feld* feld = nullptr;
    Grenzen grenzen;
};

// --- what to equalise --------------------------------------------------------

enum class Einstellziel : uint8_t {
    Füllung,  // top against bottom cut-off at every lever angle
    Voreilen, // top against bottom lead at the two lever limits
    Richtung, // forwards against backwards cut-off at mirrored lever angles
    Stein,    // the die slip
};
inline constexpr std::size_t EinstellzielAnzahl = 4;
inline constexpr std::array<Einstellziel, EinstellzielAnzahl> AlleEinstellziele{
    Einstellziel::Füllung, Einstellziel::Voreilen, Einstellziel::Richtung, Einstellziel::Stein};
// "fuellung", "voreilen", "richtung", "stein": the command line's names.
std::string_view EinstellzielName(Einstellziel ziel);
std::optional<Einstellziel> EinstellzielSuchen(std::string_view name);

using Zielgewichte = std::array<double, EinstellzielAnzahl>;

// The lever step of the range the goals are measured over, in degrees.
inline constexpr double EinstellSchrittGrad = 5;

// One engine judged by the goals. Each goal is a mean square in per cent of
// the stroke, so that weights compare alike in millimetres and inches.
struct Zielbewertung {
    // Why the engine cannot be used: it cannot be assembled at some lever
    // angle, or does not turn both ways at full gear. Empty when it can.
    std::string verworfen;
    std::array<double, EinstellzielAnzahl> teile{};

    bool Gültig() const { return verworfen.empty(); }
    double Teil(Einstellziel z) const { return teile[static_cast<std::size_t>(z)]; }
    // The weighted sum; a rejected engine scores Strafwert.
    double Summe(const Zielgewichte& gewichte) const;
};
// What a rejected engine scores: far above any engine that can be used.
inline constexpr double Strafwert = 1e20;

// Judges the range `v` of an engine with (`kulisse`) or without a link.
Zielbewertung ZieleBewerten(const Steuerungsverlauf& v, bool kulisse);
// The range the goals are measured over: the lever's travel at
// EinstellSchrittGrad, or one lever angle for a fixed eccentric (where the
// lever moves nothing).
Steuerungsverlauf Einstellverlauf(const Modell& m);
Zielbewertung ZieleBewerten(const Modell& m);

// --- the search ---------------------------------------------------------------

struct Einstellauftrag {
    std::vector<FreieEingabe> frei;
    Zielgewichte gewichte{1, 0, 0, 0};
    double zeitSekunden = 10;
};

// Throws std::invalid_argument, with a message for the user, for a request
// that cannot run: no input, an input named twice or not settable, a link
// input on a fixed eccentric, bounds that cross or leave out the present
// value, a weight that is negative or no weight above 0, a time that is not
// positive.
void AuftragPrüfen(const Modell& m, const Einstellauftrag& a);

// Installs `werte` (one per free input, in the request's order) in `m` and
// derives what follows from them. False when a value does not fit its
// field; may throw GeometrieFehler.
bool EingabenSetzen(Modell& m, std::span<const FreieEingabe> frei, std::span<const double> werte);

struct Einstellstand {
    int auswertungen = 0;
    double besterWert = 0;
    double sekunden = 0;
};

struct Einstellergebnis {
    // The start with the best inputs found, or the start itself, unchanged,
    // when nothing better was found.
    Modell maschine;
    std::vector<double> vorher, nachher; // the free inputs, in the request's order
    Zielbewertung bewertungVorher, bewertungNachher;
    double zielVorher = 0, zielNachher = 0;
    int auswertungen = 0;
    double sekunden = 0;
    bool abgebrochen = false;    // cancelled
    bool zeitAbgelaufen = false; // ended by the time limit

    bool Verbessert() const { return zielNachher < zielVorher; }
};

// Runs the search on a copy of `start`. Checks the request (AuftragPrüfen)
// and throws GeometrieFehler when the start itself is rejected. Setting
// `abbrechen` ends it soon with the best found so far; `fortschritt` hears
// of every improvement and of every tenth evaluation, on the calling thread.
Einstellergebnis Einstellen(const Modell& start, const Einstellauftrag& a,
                            const std::atomic<bool>* abbrechen = nullptr,
                            const std::function<void(const Einstellstand&)>& fortschritt = {});

// The design checks of the engine before and after, over the lever range at
// 1° as the command `check` runs them.
struct Prüfvergleich {
    std::vector<Prüfergebnis> vorher, nachher;
};
Prüfvergleich PrüfungVergleichen(const Modell& vorher, const Modell& nachher,
                                 const Prüfgrenzen& g = {});

} // namespace vapro
